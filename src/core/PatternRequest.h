#pragma once

#include <cstdint>
#include <string>

namespace zarnet {

// Output kinds.
enum class MakeType : std::int32_t { ListText = 0, Html = 1, ImageSrc = 2 };

// A fresh installation's kind.
inline constexpr MakeType kFreshKind = MakeType::ImageSrc;

// The kind a stored number stands for: any number but 0 and 1 is ImageSrc.
MakeType MakeTypeOf(std::int32_t stored);

// The two HTML kinds, framed by the header and footer.
inline bool IsHtmlKind(MakeType kind) {
    return kind != MakeType::ListText;
}

// The seven texts of a pattern, exactly as typed: what the window's boxes
// show, what a history entry keeps and what a generation run reads.
struct PatternTexts {
    std::string Dir;  // the base address
    std::string ContStr;
    std::string FrontStr;
    std::string RearStr;
    std::string StCount;
    std::string EdCount;
    std::string ExtStr;

    bool operator==(const PatternTexts&) const = default;
};

// What shapes the lines of the HTML kinds. The defaults are a fresh
// installation's.
struct OutputSettings {
    std::int32_t ImageWidth = 40;
    std::int32_t ImageHeight = 60;
    bool Separator = true;   // a rule line before each group
    bool Border = true;      // a frame on each thumbnail
    bool ClickView = false;  // links open in a window of their own

    bool operator==(const OutputSettings&) const = default;
};

inline constexpr OutputSettings kFreshOutput{};

// The values of one generation run.
struct PatternRequest {
    PatternTexts Texts;
    MakeType Kind = kFreshKind;
    OutputSettings Output;
};

}  // namespace zarnet
