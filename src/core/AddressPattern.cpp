#include "core/AddressPattern.h"

#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/PatternExpansion.h"
#include "platform/AsciiText.h"
#include "platform/ZarnetError.h"

namespace zarnet {

namespace {

constexpr std::size_t kMaxExtensionLength = 5;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsPercentEscape(std::string_view text, std::size_t at) {
    return text[at] == '%' && at + 2 < text.size() && ascii::HexDigitValue(text[at + 1]) >= 0 &&
           ascii::HexDigitValue(text[at + 2]) >= 0;
}

// Where "/" separates, only "/" does: a "\" after it (in a query, say) stays
// in the file name, so the pattern gives the address back byte for byte.
std::size_t FileStartOf(std::string_view address) {
    const char separator = address.find('/') != std::string_view::npos ? '/' : '\\';
    const std::size_t last = address.rfind(separator);
    return last == std::string_view::npos ? 0 : last + 1;
}

// ".001" of a split archive is a number and "view.php?id=1" has none.
std::string_view ExtensionOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) {
        return {};
    }
    const std::string_view after = fileName.substr(dot + 1);
    if (after.empty() || after.size() > kMaxExtensionLength) {
        return {};
    }
    bool letter = false;
    for (char c : after) {
        if (IsLetter(c)) {
            letter = true;
        } else if (!IsDigit(c)) {
            return {};
        }
    }
    return letter ? fileName.substr(dot) : std::string_view();
}

std::vector<AddressNumber> NumbersOf(std::string_view address, std::size_t fileStart,
                                     std::size_t extensionStart) {
    std::vector<AddressNumber> numbers;
    // A "%%" of its own would be taken for the marker.
    if (address.find(kMarker) != std::string_view::npos) {
        return numbers;
    }
    for (std::size_t at = 0; at < extensionStart;) {
        if (IsPercentEscape(address, at)) {
            at += 3;
            continue;
        }
        if (!IsDigit(address[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < extensionStart && IsDigit(address[end])) {
            ++end;
        }
        const std::string_view digits = address.substr(at, end - at);
        const bool inFileName = at >= fileStart;
        const bool joinsMarker = !inFileName && at > 0 && address[at - 1] == '%';
        if (ParseNumber(digits) && !joinsMarker) {
            numbers.push_back({at, std::string(digits), inFileName});
        }
        at = end;
    }
    return numbers;
}

// "C:\pics\" is the base "C:\pics": the generator adds the "/" that ends it.
std::string BaseOf(std::string folder) {
    if (folder.size() > 1 && folder.back() == '\\') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

AddressParts SplitAddress(std::string_view address) {
    AddressParts parts;
    parts.Address = Trimmed(address);
    const std::string_view trimmed = parts.Address;
    parts.FileStart = FileStartOf(trimmed);
    parts.Extension = ExtensionOf(trimmed.substr(parts.FileStart));
    parts.Numbers = NumbersOf(trimmed, parts.FileStart, trimmed.size() - parts.Extension.size());
    return parts;
}

PatternTexts PatternFromAddress(const AddressParts& parts, std::size_t chosen,
                                const PatternTexts& current) {
    const AddressNumber& number = parts.Numbers.at(chosen);
    const std::string_view address = parts.Address;
    const std::size_t extensionStart = address.size() - parts.Extension.size();
    const std::size_t numberEnd = number.At + number.Digits.size();
    std::string folder(address.substr(0, parts.FileStart));
    PatternTexts pattern = current;
    pattern.ExtStr = parts.Extension;
    if (number.InFileName) {
        pattern.Dir = BaseOf(std::move(folder));
        pattern.FrontStr = address.substr(parts.FileStart, number.At - parts.FileStart);
        pattern.StCount = number.Digits;
        pattern.EdCount = number.Digits;
        pattern.RearStr = address.substr(numberEnd, extensionStart - numberEnd);
    } else {
        folder.replace(number.At, number.Digits.size(), kMarker);
        pattern.Dir = BaseOf(std::move(folder));
        pattern.ContStr = number.Digits;
        pattern.FrontStr = address.substr(parts.FileStart, extensionStart - parts.FileStart);
        pattern.StCount.clear();
        pattern.EdCount.clear();
        pattern.RearStr.clear();
    }
    return pattern;
}

PatternTexts PatternFromAddress(std::string_view address, const PatternTexts& current) {
    const AddressParts parts = SplitAddress(address);
    if (parts.Numbers.empty()) {
        throw ZarnetError(messages::kNoNumberInAddress, {parts.Address});
    }
    return PatternFromAddress(parts, parts.Numbers.size() - 1, current);
}

}  // namespace zarnet
