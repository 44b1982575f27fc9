#pragma once

#include <functional>
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

// What the command line changes in the starting settings, in the order
// given; what it does not name keeps what the settings hold.
class PatternOverrides {
  public:
    void Add(std::function<void(PatternRequest&)> change) { changes_.push_back(std::move(change)); }
    void ApplyTo(PatternRequest& request) const;

  private:
    std::vector<std::function<void(PatternRequest&)>> changes_;
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
