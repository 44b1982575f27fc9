#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// Every "%%" of the text replaced by the value. A marker that a replacement
// brings together with the text around it is replaced as well ("%%%" with
// "5%" gives "55%"), but the value's own text is never searched again: a
// value holding "%%" is inserted whole every time, so every replacement ends.
std::string ReplaceMarker(std::string_view text, std::string_view value);

// The addresses of one group. Everything but the number depends on the value
// alone, so it is composed once.
class GroupAddresses {
  public:
    GroupAddresses(const PatternRequest& request, const std::string& title, std::string value);

    const std::string& Value() const { return value_; }
    // The base address with the value in place of its markers.
    const std::string& Base() const { return base_; }
    // The entry of number `n`, written as `numberText` (empty without
    // numbering).
    void Fill(AddressEntry& entry, std::int32_t n, std::string_view numberText) const;

  private:
    std::string value_;
    std::string base_;
    std::string front_;
    std::string rear_;  // with the extension
};

void ExpandPattern(const PatternRequest& request, const NumberRange& range,
                   const std::string& title, const std::vector<std::string>& values,
                   ExpansionSink& sink);

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
// The checks and preparations in the order of a run. The write-backs come
// after the range checks and before the address checks, so a run refused for
// its address has already made them.
PreparedRun PrepareRun(const PatternRequest& request, WriteBackTarget* writeBack = nullptr);

}  // namespace zarnet
