#pragma once

#include <cstddef>
#include <string_view>

namespace zarnet::utf8 {

// What NextCodePoint gives for an ill-formed sequence.
inline constexpr char32_t kIllFormed = 0xFFFFFFFF;

// The code point of the sequence starting at `pos` (which must be inside the
// text), advancing past it. An ill-formed sequence gives kIllFormed and
// advances past its maximal valid prefix, at least one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos);

}  // namespace zarnet::utf8
