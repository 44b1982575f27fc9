#pragma once

class QLineEdit;

namespace zarnet {

// With a Japanese input method on, the keys of the ASCII keyboard give
// full-width characters. What a box cannot mean by them becomes the ASCII
// character of the key as it is typed, pasted, dropped or committed by the
// input method, visibly, with the cursor where it was: the box shows what
// is stored and written. Text set from code passes as it is.

// 開始, 終了, the step box and the thumbnail sizes: digits, signs and the
// rest of the full-width ASCII (NumberBoxCharacter).
void TypeNumbersInAscii(QLineEdit& box);

// The substitution list: the input method's commas and space become the
// separators they were typed as (ValueListCharacter).
void TypeSeparatorsInAscii(QLineEdit& box);

}  // namespace zarnet
