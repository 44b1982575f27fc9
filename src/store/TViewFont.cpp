#include "store/TViewFont.h"

#include <algorithm>
#include <limits>

#include "platform/Cp932.h"

namespace zarnet {

namespace {

constexpr std::int64_t kPointsPerInch = 72;

// value * numerator / denominator rounded to the nearest integer, halves away
// from zero. The operands are 32-bit, so the product fits.
std::int64_t MulDivRounded(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t product = value * numerator;
    std::int64_t quotient = product / denominator;
    const std::int64_t remainder = product % denominator;
    if (2 * (remainder < 0 ? -remainder : remainder) >= denominator) {
        quotient += product < 0 ? -1 : 1;
    }
    return quotient;
}

// Extreme stored sizes must not overflow the 32-bit fields.
std::int32_t Clamped(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void TViewFont::SetName(std::string_view name) {
    if (!name.empty()) {
        name_ = cp932::CutToByteLimit(name, kMaxNameBytes);
    }
}

std::int32_t TViewFont::Size() const {
    return Clamped(-MulDivRounded(Height, kPointsPerInch, pixelsPerInch_));
}

void TViewFont::SetSize(std::int32_t points) {
    Height = Clamped(-MulDivRounded(points, pixelsPerInch_, kPointsPerInch));
}

void TViewFont::SetPixelsPerInch(int pixelsPerInch) {
    if (pixelsPerInch > 0) {
        pixelsPerInch_ = pixelsPerInch;
    }
}

}  // namespace zarnet
