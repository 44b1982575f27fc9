#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/PatternExpansion.h"
#include "platform/TextFile.h"

namespace zarnet::cli {

// A command line the program cannot make sense of; the text says why.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What a pattern text given on the command line replaces in the starting
// settings; unset fields keep what the settings hold.
struct PatternOverrides {
    std::optional<std::string> Dir, ContStr, FrontStr, StCount, EdCount, RearStr, ExtStr;
    std::optional<MakeType> Kind;
    std::optional<std::int32_t> ImageWidth, ImageHeight;
    std::optional<bool> Separator, Border, ClickView;

    void ApplyTo(PatternRequest& request) const;
};

struct CliOptions {
    PatternOverrides Pattern;
    // The pattern texts as given, each with the option that gave it.
    std::vector<std::pair<std::string, std::string>> PatternTexts;
    std::optional<std::string> HeaderFile;
    std::optional<std::string> FooterFile;
    std::optional<std::string> OutputFile;
    std::optional<std::string> Settings;  // "registry" or an INI file
    TextEncoding Encoding = TextEncoding::Cp932;
    bool Help = false;
    bool Version = false;
};

// Raises UsageError for an unknown option, a missing or bad value, or a
// stray argument.
CliOptions ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace zarnet::cli
