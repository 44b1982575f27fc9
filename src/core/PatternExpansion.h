#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/NumberText.h"
#include "core/PatternRequest.h"

namespace zarnet {

struct NumberRange {
    bool Numbered = false;
    std::int32_t First = 0;
    std::int32_t Last = 0;
};

struct AddressEntry {
    std::string Value;
    std::int32_t Number = 0;
    std::string FileName;
    std::string Address;
};

// Receives a run's entries group by group, so no run has to be held whole.
class ExpansionSink {
  public:
    virtual ~ExpansionSink() = default;
    virtual void BeginGroup(const std::string& value) = 0;
    virtual void Entry(const AddressEntry& entry) = 0;
};

inline constexpr std::string_view kMarker = "%%";
inline constexpr std::string_view kNoValue = "--";  // the value when the base has no marker

NumberRange CheckRange(const PatternRequest& request);
std::string NormalizeExtension(std::string_view ext);
// The base address with a "/" ensured at its end.
std::string WithTrailingSlash(std::string_view dir);
// The Title, WithTrailingSlash of a base address that passes the checks.
std::string CheckAddress(const PatternRequest& request);
std::vector<std::string> SubstitutionValues(const PatternRequest& request);
std::vector<std::string> SplitCommaText(std::string_view text);
std::string ExpandRanges(std::string_view text);

// Every "%%" of the text replaced by the value, including a marker that a
// replacement brings together with the text around it.
std::string ReplaceMarker(std::string_view text, std::string_view value);

// How long ReplaceMarker makes a text for any value, counted without building
// it: a replacement puts in the value for the two characters of a marker (or
// for a "%" of the text and the "%" that ends the value before it).
class MarkerCount {
  public:
    explicit MarkerCount(std::string_view text);
    std::uint64_t ReplacedLength(std::string_view value) const;

  private:
    std::uint64_t textLength_;
    std::uint64_t markers_;         // for a value that joins no "%" of the text
    std::uint64_t joiningMarkers_;  // for one that ends in "%" and does
};

// What every entry of a group shares: the base address, and the file name's
// front and rear (the extension included), the group's value put in.
struct GroupTexts {
    std::string Base;
    std::string Front;
    std::string Rear;
};
GroupTexts TextsOfGroup(const PatternRequest& request, const std::string& title,
                        std::string_view value);
// The number, file name and address of a group's entry of number `n`, written
// as `padded` (empty without numbering); its value is the caller's.
void FillEntry(AddressEntry& entry, const GroupTexts& texts, std::int32_t n,
               std::string_view padded);

// The run group by group: group(value, texts) before each group's numbers,
// then number(n, padded, changed) for each of them, `padded` being the
// number's text with its leading zeros and `changed` how many characters at
// its end differ from the text before (PaddedNumbers). In the no-numbering
// mode n is 0 and `padded` empty.
template <class Group, class Number>
void WalkRun(const PatternRequest& request, const NumberRange& range, const std::string& title,
             const std::vector<std::string>& values, Group&& group, Number&& number) {
    const std::size_t startWidth = NumberWidth(request.Texts.StCount);
    for (const std::string& value : values) {
        group(value, TextsOfGroup(request, title, value));
        if (!range.Numbered) {
            number(0, std::string_view(), std::size_t{0});
            continue;
        }
        // Afresh for each group: a raised width holds for the rest of its group.
        for (PaddedNumbers numbers(range.First, startWidth); numbers.Number() <= range.Last;
             numbers.Next()) {
            number(static_cast<std::int32_t>(numbers.Number()), numbers.Text(), numbers.Changed());
        }
    }
}

void ExpandPattern(const PatternRequest& request, const NumberRange& range,
                   const std::string& title, const std::vector<std::string>& values,
                   ExpansionSink& sink);

// The length of the range's widest number text, its leading zeros to
// `width` included; 0 without numbering.
std::size_t WidestNumber(const NumberRange& range, std::size_t width);

// Entries of one group, and of a whole run.
std::int64_t GroupSize(const NumberRange& range);
std::uint64_t EntryCount(const NumberRange& range, std::size_t valueCount);

// A run whose checks have passed, ready to expand.
struct PreparedRun {
    PatternRequest Request;  // ExtStr already normalized
    NumberRange Range;
    std::string Title;
    std::vector<std::string> Values;

    std::uint64_t EntryCount() const { return zarnet::EntryCount(Range, Values.size()); }
    void Expand(ExpansionSink& sink) const { ExpandPattern(Request, Range, Title, Values, sink); }
};

// Where a run hands back its two texts: the extension when normalizing changed
// it, and the group size for the step box.
class WriteBackTarget {
  public:
    virtual ~WriteBackTarget() = default;
    virtual void SetExtension(const std::string& ext) = 0;
    virtual void SetStep(const std::string& step) = 0;
};
// The checks and preparations of a run, in their order; raises the first
// failed check's message.
PreparedRun PrepareRun(const PatternRequest& request, WriteBackTarget* writeBack = nullptr);

}  // namespace zarnet
