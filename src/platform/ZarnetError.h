#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zarnet {

// One of the program's own messages: the Japanese text the user sees, "%s"
// standing for a name, and its English meaning, which zarnet-cli adds outside
// a Japanese locale.
struct Message {
    // The two stand together so that neither changes unseen: a meaning that is
    // missing or names more or fewer things than the text does not compile.
    consteval Message(std::string_view text, std::string_view english)
        : Text(text), English(english) {
        if (text.empty() || english.empty() || Names(text) != Names(english)) {
            throw "a message needs an English meaning with the same names";
        }
    }

    std::string_view Text;
    std::string_view English;

  private:
    static constexpr std::size_t Names(std::string_view text) {
        std::size_t count = 0;
        for (std::size_t at = text.find("%s"); at != std::string_view::npos;
             at = text.find("%s", at + 2)) {
            ++count;
        }
        return count;
    }
};

// The text with each "%s" replaced by the next of `names`.
std::string FormatMessage(std::string_view text, std::initializer_list<std::string_view> names);

// Every failure the user may see. what() is the message's Japanese text
// (UTF-8) with its names filled in; the detail, what the text leaves out (a
// file's reason, the option that gave a text), travels beside it.
class ZarnetError : public std::runtime_error {
  public:
    explicit ZarnetError(const Message& message, std::initializer_list<std::string_view> names = {},
                         std::string detail = {});

    // The English meaning, names filled in.
    const std::string& English() const { return english_; }
    const std::string& Detail() const { return detail_; }
    // The text, the detail in parentheses, and any line that follows: what
    // the window shows.
    std::string Explained() const;
    // The same error with a line of its own after it.
    ZarnetError FollowedBy(const Message& line) const;

  private:
    std::string english_;
    std::string detail_;
    std::optional<Message> followedBy_;
};

}  // namespace zarnet
