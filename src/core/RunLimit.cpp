#include "core/RunLimit.h"

#include <algorithm>
#include <string>

#include "core/Messages.h"
#include "core/NumberText.h"

namespace zarnet {

namespace {

// Digits in groups of three, as the counts are read.
std::string Grouped(std::uint64_t n) {
    std::string digits = std::to_string(n);
    for (std::size_t at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, 1, ',');
    }
    return digits;
}

void CheckLineLength(const Message& message, std::uint64_t length) {
    if (length > kMaxLineBytes) {
        throw ZarnetError(message, {Grouped(length), Grouped(kMaxLineBytes)});
    }
}

}  // namespace

void CheckRunSize(const PreparedRun& run, std::uint64_t limit) {
    const std::uint64_t count = run.EntryCount();
    if (count > limit) {
        throw ZarnetError(messages::kTooManyAddresses, {Grouped(count), Grouped(limit)});
    }
}

void CheckAddressLength(const PreparedRun& run) {
    CheckAddressLength(run, WidestNumber(run.Range, NumberWidth(run.Request.Texts.StCount)));
}

// An address is the title, the front, the number, the rear and the extension,
// the value put in for the markers of the first three; only the values differ
// from group to group.
void CheckAddressLength(const PreparedRun& run, std::size_t numberLength) {
    const PatternTexts& texts = run.Request.Texts;
    const MarkerCount title(run.Title);
    const MarkerCount front(texts.FrontStr);
    const MarkerCount rear(texts.RearStr);
    std::uint64_t longest = 0;
    for (const std::string& value : run.Values) {
        longest = std::max(longest, title.ReplacedLength(value) + front.ReplacedLength(value) +
                                        rear.ReplacedLength(value));
    }
    if (!run.Values.empty()) {
        CheckLineLength(messages::kAddressTooLong, longest + numberLength + texts.ExtStr.size());
    }
}

void CheckHeaderLength(const PreparedRun& run, const DocumentFrame& frame) {
    if (IsHtmlKind(run.Request.Kind)) {
        CheckLineLength(messages::kHeaderLineTooLong, frame.LongestHeaderLine(run.Title));
    }
}

}  // namespace zarnet
