#include "core/FullWidthInput.h"

namespace zarnet {

namespace {

constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kFullWidthFirst = 0xFF01;  // ！
constexpr char32_t kFullWidthLast = 0xFF5E;   // ～
constexpr char32_t kFullWidthOffset = 0xFF01 - 0x21;

}  // namespace

char32_t NumberBoxCharacter(char32_t typed) {
    if (typed >= kFullWidthFirst && typed <= kFullWidthLast) {
        return typed - kFullWidthOffset;
    }
    switch (typed) {
        case kIdeographicSpace:
            return U' ';
        case 0x2212:  // − minus sign
        case 0x30FC:  // ー prolonged sound mark
        case 0xFF70:  // ｰ half-width prolonged sound mark
            return U'-';
        default:
            return typed;
    }
}

char32_t ValueListCharacter(char32_t typed) {
    switch (typed) {
        case 0x3001:  // 、
        case 0xFF0C:  // ，
        case 0xFF64:  // ､
            return U',';
        case kIdeographicSpace:
            return U' ';
        default:
            return typed;
    }
}

}  // namespace zarnet
