#pragma once

#include <string>

#include "store/TRegData.h"

namespace zarnet::testing {

// Every stored field differs from its defaults and from the other fields, so
// a value read back into the wrong place shows.
inline TRegData SampleSettings() {
    TRegData data;
    for (std::size_t slot = 0; slot < TRegData::kHistorySize; ++slot) {
        const std::string n = std::to_string(slot);
        data.Items[slot] = {
            "http://a/" + n + "/%%/", "x," + n, "f" + n, "r" + n, "0" + n, "9" + n, ".png" + n};
    }
    data.LastItem = {"http://例え.jp/写真/%%", "春,夏", "表ソ", "ー", "0001", "0120", ".gif"};
    data.ViewFont.CharSet = 1;
    data.ViewFont.Color = 0x00c08040;
    data.ViewFont.SetName("ＭＳ 明朝");
    data.ViewFont.SetSize(11);
    data.Kind = MakeType::Html;
    data.Output.ImageWidth = -7;
    data.Output.ImageHeight = 2147483647;
    data.LastSaveFname = "/tmp/出力/list.html";
    data.Header = "<html>";
    data.Footer = "</html>";
    data.OWNoCheck = data.Output.ClickView = data.Compact = data.AutoSave = data.HideMenu = true;
    data.Probe = {.Gap = 0, .Connections = 16, .TimeoutSeconds = 600};
    data.DefaultSaveFname = "/opt/zarnet/Download.html";
    return data;
}

}  // namespace zarnet::testing
