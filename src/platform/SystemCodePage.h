#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace zarnet::cp932 {

// The system's own code page 932 converter, asked one character at a time:
// only the codec's tables are built with it, once.
class SystemCodePage {
  public:
    static constexpr char16_t kNoChar = 0xFFFF;
    // A single byte, or lead byte << 8 | second byte.
    static constexpr std::uint16_t kNoCode = 0xFFFF;

    SystemCodePage();
    ~SystemCodePage();
    SystemCodePage(const SystemCodePage&) = delete;
    SystemCodePage& operator=(const SystemCodePage&) = delete;

    // The character of one single byte or one two-byte code; kNoChar when the
    // system has none.
    char16_t ToUnicode(std::string_view bytes) const;

    // The code the system writes for `ch`; kNoCode when it has none.
    std::uint16_t FromUnicode(char16_t ch) const;

  private:
    // The code of a converted character: one byte, or a lead and a second
    // byte; kNoCode for any other count.
    static std::uint16_t CodeOf(const unsigned char* bytes, int count) {
        switch (count) {
            case 1:
                return bytes[0];
            case 2:
                return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
            default:
                return kNoCode;
        }
    }

    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zarnet::cp932
