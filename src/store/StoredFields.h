#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/PatternRequest.h"
#include "core/ProbeSettings.h"
#include "store/StoreKind.h"
#include "store/TRegData.h"

namespace zarnet {

// Both stores hold the same values under the same names; they differ only in
// what a missing value reads as.

// One text of a pattern, in every history section "URL0" ... "URL19" and in
// "Last".
struct URLItemField {
    std::string_view Name;
    std::string_view IniDefault;
    std::string_view RegistryDefault;
    std::string TURLItem::*Member;

    std::string_view Default(StoreKind store) const {
        return store == StoreKind::IniFile ? IniDefault : RegistryDefault;
    }
};

// In the order both stores read and write them. A missing pattern key reads
// as empty from an INI file and as a fresh installation's pattern from the
// registry, where a fresh installation starts.
// clang-format off
inline constexpr std::array<URLItemField, 7> kURLItemFields{{
    // name     INI  registry  field
    {"Dir",      "", "",       &TURLItem::Dir},
    {"ContStr",  "", "",       &TURLItem::ContStr},
    {"FrontStr", "", "",       &TURLItem::FrontStr},
    {"RearStr",  "", "",       &TURLItem::RearStr},
    {"StCount",  "", "001",    &TURLItem::StCount},
    {"EdCount",  "", "010",    &TURLItem::EdCount},
    {"ExtStr",   "", ".jpg",   &TURLItem::ExtStr},
}};
// clang-format on

// A switch of the record: one of its own, or one of its output settings.
class SwitchMember {
  public:
    constexpr SwitchMember(bool TRegData::*own) : own_(own) {}
    constexpr SwitchMember(bool OutputSettings::*output) : output_(output) {}

    bool& Of(TRegData& data) const { return own_ != nullptr ? data.*own_ : data.Output.*output_; }
    bool Of(const TRegData& data) const {
        return own_ != nullptr ? data.*own_ : data.Output.*output_;
    }

  private:
    bool TRegData::*own_ = nullptr;
    bool OutputSettings::*output_ = nullptr;
};

struct SwitchField {
    std::string_view Key;
    bool IniDefault;
    bool RegistryDefault;
    SwitchMember Member;

    bool Default(StoreKind store) const {
        return store == StoreKind::IniFile ? IniDefault : RegistryDefault;
    }
};

// The switches of section "Last", in the order both stores read and write
// them.
// clang-format off
inline constexpr std::array<SwitchField, 7> kSwitchFields{{
    // key        INI                     registry                field
    {"Separator", kFreshOutput.Separator, kFreshOutput.Separator, &OutputSettings::Separator},
    {"Border",    kFreshOutput.Border,    kFreshOutput.Border,    &OutputSettings::Border},
    {"OWNoCheck", false,                  false,                  &TRegData::OWNoCheck},
    // The stores have always differed here, and a file or key saved without
    // the value must go on loading as it always has.
    {"ClickView", true,                   kFreshOutput.ClickView, &OutputSettings::ClickView},
    {"Compact",   false,                  false,                  &TRegData::Compact},
    {"AutoSave",  false,                  false,                  &TRegData::AutoSave},
    {"HideMenu",  false,                  false,                  &TRegData::HideMenu},
}};
// clang-format on

// A setting of the series probe, in section "Last" after the switches. Both
// stores read a missing value, or one outside its limit, as the default: a
// store saved before the probe existed loads as a fresh installation's.
struct ProbeField {
    std::string_view Key;
    std::int32_t ProbeSettings::*Member;
    ProbeLimit Limit;

    std::int32_t Default() const { return kFreshProbe.*Member; }
};

// clang-format off
inline constexpr std::array<ProbeField, 3> kProbeFields{{
    {"ProbeGap",         &ProbeSettings::Gap,            kGapLimit},
    {"ProbeConnections", &ProbeSettings::Connections,    kConnectionsLimit},
    {"ProbeTimeout",     &ProbeSettings::TimeoutSeconds, kTimeoutLimit},
}};
// clang-format on

}  // namespace zarnet
