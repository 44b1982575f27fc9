#include "core/PatternExpansion.h"

#include <algorithm>
#include <utility>

#include "core/Messages.h"
#include "core/NumberText.h"
#include "platform/ZarnetError.h"

namespace zarnet {

namespace {

// Blanks of the value list: every code from 1 to 32.
bool IsListBlank(char c) {
    auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

bool HoldsMarker(std::string_view text) {
    return text.find(kMarker) != std::string_view::npos;
}

// Maximum difference between the bounds of a value range that is written out.
constexpr std::int64_t kMaxValueRangeSpan = 100;
// Maximum difference between first and last number of a group.
constexpr std::int64_t kMaxNumberSpan = 999;

std::string WrittenOutRange(std::string_view value) {
    const auto dash = value.find('-');
    if (dash == std::string_view::npos) {
        return std::string(value);
    }
    const std::string_view left = Trimmed(value.substr(0, dash));
    const std::int32_t a = NumberOr(left, kReservedRange);
    const std::int32_t b = NumberOr(Trimmed(value.substr(dash + 1)), kReservedRange);
    if (a == kReservedRange || b == kReservedRange) {
        return std::string(value);
    }
    const std::int64_t lo = std::min(a, b);
    const std::int64_t hi = std::max(a, b);
    if (hi - lo > kMaxValueRangeSpan) {
        return std::string(value);
    }
    // The width comes from the text before the dash, whichever bound it holds.
    std::size_t width = NumberWidth(left);
    std::string numbers;
    for (std::int64_t n = lo; n <= hi; ++n) {
        if (n != lo) {
            numbers += ',';
        }
        numbers += PadNumber(n, width);
    }
    return numbers;
}

}  // namespace

MakeType MakeTypeOf(std::int32_t stored) {
    switch (stored) {
        case 0:
            return MakeType::ListText;
        case 1:
            return MakeType::Html;
        default:
            return MakeType::ImageSrc;
    }
}

NumberRange CheckRange(const PatternRequest& request) {
    const std::string_view start = Trimmed(request.Texts.StCount);
    const std::string_view end = Trimmed(request.Texts.EdCount);
    if (start.empty() && end.empty()) {
        return {};
    }
    NumberRange range;
    range.Numbered = true;
    range.First = NumberOr(start, kReservedCount);
    if (range.First == kReservedCount) {
        throw ZarnetError(messages::kStartNotNumber);
    }
    range.Last = NumberOr(end, kReservedCount);
    if (range.Last == kReservedCount) {
        throw ZarnetError(messages::kEndNotNumber);
    }
    if (range.First > range.Last) {
        throw ZarnetError(messages::kRangeReversed);
    }
    if (static_cast<std::int64_t>(range.Last) - range.First > kMaxNumberSpan) {
        throw ZarnetError(messages::kRangeTooLarge);
    }
    return range;
}

std::string NormalizeExtension(std::string_view ext) {
    if (ext.empty() || ext.front() == '.') {
        return std::string(ext);
    }
    std::string dotted(1, '.');
    dotted += ext;
    return dotted;
}

std::string WithTrailingSlash(std::string_view dir) {
    std::string text(dir);
    if (!text.ends_with('/')) {
        text += '/';
    }
    return text;
}

std::string CheckAddress(const PatternRequest& request) {
    if (Trimmed(request.Texts.Dir).empty()) {
        throw ZarnetError(messages::kAddressEmpty);
    }
    std::string title = WithTrailingSlash(request.Texts.Dir);
    if (HoldsMarker(title) && Trimmed(request.Texts.ContStr).empty()) {
        throw ZarnetError(messages::kValuesEmpty);
    }
    return title;
}

std::vector<std::string> SplitCommaText(std::string_view text) {
    std::vector<std::string> values;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skipBlanks = [&] {
        while (i < n && IsListBlank(text[i])) {
            ++i;
        }
    };
    skipBlanks();
    while (i < n) {
        std::string value;
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] != '"') {
                    value += text[i++];
                } else if (i + 1 < n && text[i + 1] == '"') {
                    value += '"';
                    i += 2;
                } else {
                    ++i;
                    break;
                }
            }
        } else {
            const std::size_t start = i;
            while (i < n && text[i] != ',' && !IsListBlank(text[i])) {
                ++i;
            }
            value.assign(text.substr(start, i - start));
        }
        values.push_back(std::move(value));
        skipBlanks();
        if (i < n && text[i] == ',') {
            ++i;
            skipBlanks();
        }
    }
    return values;
}

std::string ExpandRanges(std::string_view text) {
    std::string result;
    for (const std::string& value : SplitCommaText(text)) {
        if (!result.empty()) {
            result += ',';
        }
        result += WrittenOutRange(value);
    }
    return result;
}

std::vector<std::string> SubstitutionValues(const PatternRequest& request) {
    if (!HoldsMarker(request.Texts.Dir)) {
        return {std::string(kNoValue)};
    }
    return SplitCommaText(ExpandRanges(Trimmed(request.Texts.ContStr)));
}

namespace {

// A value holding a marker itself goes in whole and joins nothing.
bool JoinsPercent(std::string_view value) {
    return !value.empty() && value.back() == '%' && !HoldsMarker(value);
}

// The replacements of ReplaceMarker from left to right, in one pass:
// keep(piece) for each piece of the text that stays, replace(joined) for each
// marker. The leftmost marker is either the next "%%" of the text or, when
// `joinsPercent`, the "%" that ends the value just put in followed by a "%"
// of the text (`joined`: that last "%" of the value goes). The value's inside
// is never searched, so every replacement ends.
template <class Keep, class Replace>
void WalkMarkers(std::string_view text, bool joinsPercent, Keep&& keep, Replace&& replace) {
    bool pendingPercent = false;
    std::size_t i = 0;
    while (i < text.size()) {
        if (pendingPercent && text[i] == '%') {
            ++i;
            replace(true);
        } else {
            const std::size_t at = text.find(kMarker, i);
            if (at == std::string_view::npos) {
                break;
            }
            keep(text.substr(i, at - i));
            i = at + kMarker.size();
            replace(false);
        }
        pendingPercent = joinsPercent;
    }
    keep(text.substr(i));
}

}  // namespace

// "%%%" with "5%" gives "55%", but the value's own text is never searched
// again: a value holding "%%" is inserted whole every time.
std::string ReplaceMarker(std::string_view text, std::string_view value) {
    std::string result;
    result.reserve(text.size() + value.size());
    WalkMarkers(
        text, JoinsPercent(value), [&](std::string_view piece) { result.append(piece); },
        [&](bool joined) {
            if (joined) {
                result.pop_back();
            }
            result.append(value);
        });
    return result;
}

MarkerCount::MarkerCount(std::string_view text) : textLength_(text.size()) {
    const auto count = [text](bool joinsPercent) {
        std::uint64_t markers = 0;
        WalkMarkers(
            text, joinsPercent, [](std::string_view) {}, [&markers](bool) { ++markers; });
        return markers;
    };
    markers_ = count(false);
    joiningMarkers_ = count(true);
}

// Each replacement takes two characters and puts in the value; the sum is
// never below zero, so the order keeps it unsigned.
std::uint64_t MarkerCount::ReplacedLength(std::string_view value) const {
    const std::uint64_t markers = JoinsPercent(value) ? joiningMarkers_ : markers_;
    return textLength_ + markers * value.size() - 2 * markers;
}

std::size_t WidestNumber(const NumberRange& range, std::size_t width) {
    if (!range.Numbered) {
        return 0;
    }
    return std::max({width, std::to_string(range.First).size(), std::to_string(range.Last).size()});
}

std::int64_t GroupSize(const NumberRange& range) {
    return range.Numbered ? static_cast<std::int64_t>(range.Last) - range.First + 1 : 1;
}

std::uint64_t EntryCount(const NumberRange& range, std::size_t valueCount) {
    return static_cast<std::uint64_t>(GroupSize(range)) * valueCount;
}

GroupTexts TextsOfGroup(const PatternRequest& request, const std::string& title,
                        std::string_view value) {
    return {ReplaceMarker(title, value), ReplaceMarker(request.Texts.FrontStr, value),
            ReplaceMarker(request.Texts.RearStr, value) + request.Texts.ExtStr};
}

void FillEntry(AddressEntry& entry, const GroupTexts& texts, std::int32_t n,
               std::string_view padded) {
    entry.Number = n;
    entry.FileName = texts.Front;
    entry.FileName += padded;
    entry.FileName += texts.Rear;
    entry.Address = texts.Base;
    entry.Address += entry.FileName;
}

void ExpandPattern(const PatternRequest& request, const NumberRange& range,
                   const std::string& title, const std::vector<std::string>& values,
                   ExpansionSink& sink) {
    AddressEntry entry;
    GroupTexts texts;
    WalkRun(
        request, range, title, values,
        [&](const std::string& value, GroupTexts&& group) {
            sink.BeginGroup(value);
            entry.Value = value;
            texts = std::move(group);
        },
        [&](std::int32_t n, std::string_view padded, std::size_t) {
            FillEntry(entry, texts, n, padded);
            sink.Entry(entry);
        });
}

PreparedRun PrepareRun(const PatternRequest& request, WriteBackTarget* writeBack) {
    PreparedRun run;
    run.Range = CheckRange(request);
    run.Request = request;
    run.Request.Texts.ExtStr = NormalizeExtension(request.Texts.ExtStr);
    // After the range checks and before the address checks, so a run refused
    // for its address has already written back.
    if (writeBack != nullptr) {
        if (run.Request.Texts.ExtStr != request.Texts.ExtStr) {
            writeBack->SetExtension(run.Request.Texts.ExtStr);
        }
        writeBack->SetStep(std::to_string(GroupSize(run.Range)));
    }
    run.Title = CheckAddress(run.Request);
    run.Values = SubstitutionValues(run.Request);
    return run;
}

}  // namespace zarnet
