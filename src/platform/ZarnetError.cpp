#include "platform/ZarnetError.h"

#include <utility>

namespace zarnet {

std::string FormatMessage(std::string_view text, std::initializer_list<std::string_view> names) {
    std::string formatted(text);
    std::size_t from = 0;
    for (std::string_view name : names) {
        const std::size_t at = formatted.find("%s", from);
        if (at == std::string::npos) {
            break;
        }
        formatted.replace(at, 2, name);
        from = at + name.size();  // a name's own "%s" stays
    }
    return formatted;
}

ZarnetError::ZarnetError(const Message& message, std::initializer_list<std::string_view> names,
                         std::string detail)
    : std::runtime_error(FormatMessage(message.Text, names)),
      english_(FormatMessage(message.English, names)),
      detail_(std::move(detail)) {}

std::string ZarnetError::Explained() const {
    std::string text = what();
    if (!detail_.empty()) {
        text += " (" + detail_ + ")";
    }
    if (followedBy_) {
        text += "\n";
        text += followedBy_->Text;
    }
    return text;
}

ZarnetError ZarnetError::FollowedBy(const Message& line) const {
    ZarnetError followed(*this);
    followed.followedBy_ = line;
    return followed;
}

}  // namespace zarnet
