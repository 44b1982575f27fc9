#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/PatternExpansion.h"
#include "core/ProbeSettings.h"
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

// What a run writes: the document, or what a probe of the series found.
enum class ProbeOutput {
    None,      // the document of every address
    Report,    // --probe: a line for each group
    Existing,  // --existing: the document of the addresses found
};

// What the command line changes in the probe's starting settings.
struct ProbeOverrides {
    std::optional<std::int32_t> Gap;
    std::optional<std::int32_t> Connections;
    std::optional<std::int32_t> TimeoutSeconds;

    bool Any() const { return Gap || Connections || TimeoutSeconds; }
    void ApplyTo(ProbeSettings& settings) const;
};

struct CliOptions {
    PatternOverrides Pattern;
    // The pattern texts as given, each with the option that gave it.
    std::vector<std::pair<std::string, std::string>> PatternTexts;
    // The pattern of which the address is one entry; the pattern options
    // above win over it wherever they stand.
    std::optional<std::string> FromAddress;
    std::optional<std::string> HeaderFile;
    std::optional<std::string> FooterFile;
    std::optional<std::string> OutputFile;
    std::optional<std::string> Settings;  // "registry" or an INI file
    TextEncoding Encoding = TextEncoding::Cp932;
    ProbeOutput Probe = ProbeOutput::None;
    ProbeOverrides ProbeChanges;
    bool Help = false;
    bool Version = false;
};

// Raises UsageError for an unknown option, a missing or bad value, a stray
// argument, or options that do not go together.
CliOptions ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace zarnet::cli
