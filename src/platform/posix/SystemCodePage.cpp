#include "platform/SystemCodePage.h"

#include <iconv.h>

#include <array>
#include <stdexcept>

namespace zarnet::cp932 {

namespace {

iconv_t OpenConverter(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // Without the converter no text can be read or written at all.
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    return cd;
}

// Converts `in` completely; the number of output bytes, or -1 when the
// converter refuses or leaves input over.
int ConvertAll(iconv_t cd, std::string_view in, char* out, std::size_t outSize) {
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out;
    std::size_t outLeft = outSize;
    std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
        return -1;
    }
    return static_cast<int>(outSize - outLeft);
}

}  // namespace

class SystemCodePage::Impl {
  public:
    Impl() : toUnicode(OpenConverter("UTF-16LE", "CP932")) {
        try {
            fromUnicode = OpenConverter("CP932", "UTF-16LE");
        } catch (...) {
            iconv_close(toUnicode);
            throw;
        }
    }
    ~Impl() {
        iconv_close(toUnicode);
        iconv_close(fromUnicode);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    iconv_t toUnicode;
    iconv_t fromUnicode;
};

SystemCodePage::SystemCodePage() : impl_(std::make_unique<Impl>()) {}
SystemCodePage::~SystemCodePage() = default;

char16_t SystemCodePage::ToUnicode(std::string_view bytes) const {
    std::array<unsigned char, 8> out{};
    // One UTF-16 unit exactly: anything else is no single character.
    if (ConvertAll(impl_->toUnicode, bytes, reinterpret_cast<char*>(out.data()), out.size()) != 2) {
        return kNoChar;
    }
    return static_cast<char16_t>(out[0] | out[1] << 8);
}

std::uint16_t SystemCodePage::FromUnicode(char16_t ch) const {
    const std::array<char, 2> in{static_cast<char>(ch & 0xFF), static_cast<char>(ch >> 8)};
    std::array<unsigned char, 8> out{};
    const int count = ConvertAll(impl_->fromUnicode, std::string_view(in.data(), in.size()),
                                 reinterpret_cast<char*>(out.data()), out.size());
    return CodeOf(out.data(), count);
}

}  // namespace zarnet::cp932
