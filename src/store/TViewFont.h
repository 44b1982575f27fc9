#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zarnet {

// The preview window's font. Size (points) and Height (negative = character
// height in pixels) are one thing seen two ways; the screen's pixels per inch
// links them.
class TViewFont {
  public:
    // A colour with the top bit set names a system colour: 8 is window text.
    static constexpr std::int32_t kWindowTextColor = static_cast<std::int32_t>(0x80000008u);
    static constexpr std::uint8_t kShiftJisCharSet = 128;
    static constexpr std::int32_t kDefaultHeight = -12;
    static constexpr std::int32_t kDefaultSize = 9;  // kDefaultHeight at 96 pixels per inch
    static constexpr std::string_view kDefaultName = "ＭＳ Ｐゴシック";
    // Face names are limited to this many code page 932 bytes.
    static constexpr std::size_t kMaxNameBytes = 31;
    static constexpr int kDefaultPixelsPerInch = 96;

    std::uint8_t CharSet = kShiftJisCharSet;
    std::int32_t Color = kWindowTextColor;
    std::int32_t Height = kDefaultHeight;

    const std::string& Name() const { return name_; }
    // An empty name keeps the current one; a longer one is cut to
    // kMaxNameBytes without splitting a character.
    void SetName(std::string_view name);

    // Both round to the nearest integer.
    std::int32_t Size() const;
    void SetSize(std::int32_t points);

    int PixelsPerInch() const { return pixelsPerInch_; }
    // The window passes the screen's value; a non-positive one is ignored.
    void SetPixelsPerInch(int pixelsPerInch);

    bool operator==(const TViewFont&) const = default;

  private:
    std::string name_{kDefaultName};
    int pixelsPerInch_ = kDefaultPixelsPerInch;
};

}  // namespace zarnet
