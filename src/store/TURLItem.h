#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/PatternRequest.h"

namespace zarnet {

// One pattern of the history. An entry with an empty Dir is an empty slot.
using TURLItem = PatternTexts;

// The fields under the names both stores give them, in the order they are
// read and written.
struct URLItemField {
    std::string_view Name;
    std::string TURLItem::*Member;
};

inline constexpr std::array<URLItemField, 7> kURLItemFields{{
    {"Dir", &TURLItem::Dir},
    {"ContStr", &TURLItem::ContStr},
    {"FrontStr", &TURLItem::FrontStr},
    {"RearStr", &TURLItem::RearStr},
    {"StCount", &TURLItem::StCount},
    {"EdCount", &TURLItem::EdCount},
    {"ExtStr", &TURLItem::ExtStr},
}};

// A store's value for each field of kURLItemFields when it holds none.
using URLItemDefaults = std::array<std::string_view, kURLItemFields.size()>;

}  // namespace zarnet
