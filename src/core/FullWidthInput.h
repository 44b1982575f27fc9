#pragma once

namespace zarnet {

// What a box makes of a character that a Japanese input method gives for a
// key of the ASCII keyboard. Each maps one character to one, so a box that
// applies them as the user types keeps its cursor where it was.

// A number box takes ASCII only: the full-width forms of ASCII (０ to ９, ＋,
// －, ＄, ｘ and the rest) and the ideographic space become their ASCII
// characters, and so do the marks an input method gives for the minus key:
// the minus sign U+2212 and the prolonged sound marks ー U+30FC and ｰ U+FF70,
// which mean nothing else in a number. Every other character stays as it is.
char32_t NumberBoxCharacter(char32_t typed);

// The substitution list keeps every character of its values, but the comma and
// the space an input method gives for the comma and the space key stand for
// the separators they were typed as: 、U+3001, ，U+FF0C and ､ U+FF64 become
// ",", the ideographic space U+3000 becomes " ".
char32_t ValueListCharacter(char32_t typed);

}  // namespace zarnet
