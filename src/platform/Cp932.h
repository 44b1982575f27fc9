#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Code page 932 (Shift-JIS as the platform has it) <-> UTF-8. Everything the
// program reads or writes outside itself passes through here, and only here.
namespace zarnet::cp932 {

// Lead byte of a double-byte character: 0x81-0x9F, 0xE0-0xFC.
bool IsLeadByte(unsigned char byte);

// Bytes of the character at `pos` of code page 932 text: 2 for a lead byte
// with a valid second byte, else 1.
std::size_t CharSizeAt(std::string_view bytes, std::size_t pos);

// Code page 932 bytes to UTF-8. Bytes that form no character decode as '?'.
std::string Decode(std::string_view bytes);

// True when every byte belongs to a character of the code page, so Decode()
// loses nothing.
bool DecodesWhole(std::string_view bytes);

// True for a character the code page holds, the input methods' look-alikes
// included: Encode() writes it as itself, not as '?'.
bool Holds(char32_t character);

// The first character of the UTF-8 text that the code page does not hold
// (utf8::kIllFormed for an ill-formed sequence); none when it holds them all.
std::optional<char32_t> FirstForeignCharacter(std::string_view utf8);

// UTF-8 to code page 932; a character the code page cannot hold becomes '?'.
std::string Encode(std::string_view utf8);

// Encode(utf8) appended to `out`: lets writers of many lines reuse one buffer.
void AppendEncoded(std::string& out, std::string_view utf8);

// Length in bytes of Encode(utf8), without building it.
std::size_t ByteLength(std::string_view utf8);

// The longest prefix of the code page 932 text `bytes` that is at most `limit`
// bytes and does not end in the middle of a double-byte character.
std::string_view CutBytes(std::string_view bytes, std::size_t limit);

// The longest prefix of the UTF-8 text whose code page 932 form is at most
// `limit` bytes; whole characters only.
std::string CutToByteLimit(std::string_view utf8, std::size_t limit);

}  // namespace zarnet::cp932
