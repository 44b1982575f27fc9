#include "ui/FullWidthGuard.h"

#include <QLineEdit>

#include "core/FullWidthInput.h"

namespace zarnet {

namespace {

void MapAsTyped(QLineEdit& box, char32_t (*map)(char32_t)) {
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&box, map] {
        // The box's own text: a guard before this one may have changed it.
        QString text = box.text();
        bool changed = false;
        for (QChar& character : text) {
            // Every mapped character and its result lie in the BMP, so a
            // surrogate half passes unchanged.
            const char32_t mapped = map(character.unicode());
            if (mapped != character.unicode()) {
                character = QChar(static_cast<char16_t>(mapped));
                changed = true;
            }
        }
        if (!changed) {
            return;
        }
        // One character for one: the cursor stays between the same two.
        const int cursor = box.cursorPosition();
        box.setText(text);
        box.setCursorPosition(cursor);
    });
}

}  // namespace

void TypeNumbersInAscii(QLineEdit& box) {
    MapAsTyped(box, NumberBoxCharacter);
}

void TypeSeparatorsInAscii(QLineEdit& box) {
    MapAsTyped(box, ValueListCharacter);
}

}  // namespace zarnet
