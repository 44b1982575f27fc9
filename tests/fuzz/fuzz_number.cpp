// Number conversion: never crashes, and whatever it accepts reads back the
// same from its decimal text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (auto n = zarnet::ParseNumber(text)) {
        if (zarnet::ParseNumber(std::to_string(*n)) != n) {
            std::abort();
        }
    }
    std::size_t width = size % 16;
    (void)zarnet::PadNumber(zarnet::NumberOr(text, -1), width);
    return 0;
}
