#pragma once

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/ZarnetError.h"
#include "support/TempDir.h"

namespace zarnet::testing {

using Lines = std::vector<std::string>;

// The names in the folder, sorted.
inline Lines FolderEntries(const TempDir& dir) {
    Lines names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The message of the ZarnetError `action` raises, or "no error".
inline std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ZarnetError& error) {
        return error.what();
    }
    return "no error";
}

// Text of many distinct lines, so a mix of old and new would show.
inline std::string ManyLines(char tag, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += tag + std::to_string(i) + "\r\n";
    }
    return text;
}

}  // namespace zarnet::testing
