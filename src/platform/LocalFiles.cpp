#include "platform/LocalFiles.h"

#include "platform/AsciiText.h"

namespace zarnet::file_url {

std::optional<Parts> Split(std::string_view url) {
    constexpr std::string_view kScheme = "file:";
    if (!ascii::StartsWithIgnoringCase(url, kScheme)) {
        return std::nullopt;
    }
    std::string_view rest = url.substr(kScheme.size());
    rest = rest.substr(0, rest.find_first_of("?#"));
    Parts parts;
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const std::size_t slash = rest.find('/');
        if (slash == std::string_view::npos) {
            return std::nullopt;
        }
        parts.Host = rest.substr(0, slash);
        rest.remove_prefix(slash);
    }
    if (!rest.starts_with('/')) {
        return std::nullopt;
    }
    parts.Path = rest;
    return parts;
}

std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool escape = text[i] == '%' && i + 2 < text.size();
        const int high = escape ? ascii::HexDigitValue(text[i + 1]) : -1;
        const int low = high >= 0 ? ascii::HexDigitValue(text[i + 2]) : -1;
        if (low >= 0) {
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

}  // namespace zarnet::file_url
