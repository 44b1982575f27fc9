#include "cli/CliOptions.h"

#include <functional>
#include <string_view>

#include "core/NumberText.h"

namespace zarnet::cli {

const char* const kUsage =
    "Usage: zarnet-cli [OPTION]...\n"
    "Writes the addresses of a pattern as a list, an HTML page of links or an HTML\n"
    "page of thumbnails, exactly as the program's save command writes them.\n"
    "\n"
    "  -b, --base TEXT      base address, may hold %%\n"
    "  -l, --values TEXT    values that replace %%, comma separated; a range such\n"
    "                       as 08-12 is written out (bounds at most 100 apart)\n"
    "  -f, --front TEXT     file-name front string\n"
    "  -s, --start TEXT     start number; its digit count sets the zero fill\n"
    "  -e, --end TEXT       end number; a number range holds at most 1,000 numbers\n"
    "  -r, --rear TEXT      file-name rear string\n"
    "  -x, --ext TEXT       extension\n"
    "      --from-address ADDRESS\n"
    "                       base, values, front, start, end, rear and extension\n"
    "                       of the pattern ADDRESS is one entry of, counting on\n"
    "                       its last number; -b -l -f -s -e -r -x win over it\n"
    "  -k, --kind KIND      list | html | image (or 0 | 1 | 2); default image\n"
    "      --width N        thumbnail width (default 40)\n"
    "      --height N       thumbnail height (default 60)\n"
    "      --separator, --no-separator    a rule before each group (default on)\n"
    "      --border, --no-border          a frame round each thumbnail (default on)\n"
    "      --click-view, --no-click-view  links open a separate window (default off)\n"
    "      --header FILE    header template (default: Header.txt in the settings\n"
    "      --footer FILE    footer template  folder, else the built-in ones)\n"
    "      --settings registry|FILE\n"
    "                       start from the stored pattern and settings of the\n"
    "                       registry or of an INI file; options here override them\n"
    "      --probe          instead of the document, find which numbers exist and\n"
    "                       write a line for each value: VALUE, FIRST, LAST and\n"
    "                       the MISSING numbers between them, separated by tabs\n"
    "      --existing       write the document of the addresses found only\n"
    "      --gap N          with either: stop after N numbers in a row not found\n"
    "                       below and above the range (default 5; 0 checks the\n"
    "                       range only)\n"
    "      --connections N  requests at once, 1 to 16 (default 4)\n"
    "      --timeout SECONDS  for each request, 1 to 600 (default 15)\n"
    "  -o, --output FILE    write to FILE instead of standard output\n"
    "      --utf8           write UTF-8 instead of code page 932\n"
    "  -h, --help           show this help and exit\n"
    "      --version        show the version and exit\n"
    "\n"
    "An address may hold at most 65,536 bytes (64 KiB, in UTF-8), and so may a\n"
    "header line with its title put in: a %% of the front or the rear takes the\n"
    "whole value, and a pattern that would make a longer one fails its check.\n"
    "\n"
    "Texts are taken exactly as given. Give numbers in ASCII digits and signs:\n"
    "full-width ones, as an input method types them, are no number. Only ASCII\n"
    "commas and blanks separate values: the ideographic comma U+3001, the\n"
    "full-width comma U+FF0C and the ideographic space U+3000 belong to a value.\n"
    "Double quotes round a value are dropped, but hold nothing together:\n"
    "-l '\"new york\",paris' gives the three values new, york and paris.\n"
    "\n"
    "Messages are the program's own Japanese texts; outside a Japanese locale their\n"
    "English meaning follows in parentheses.\n"
    "Addresses can be http, https or file addresses or local paths. A probe asks\n"
    "each web address once (HEAD), and one address per value that cannot exist,\n"
    "to tell a server's stand-in for missing files; it names each address it\n"
    "could not check, with the reason, on standard error.\n"
    "Exit status: 0 when written, 1 when the pattern fails a check, 2 for usage\n"
    "and file errors (an address without a number for --from-address among\n"
    "them) and when memory runs out, 3 when a probe left an address unchecked or\n"
    "could not reach a host (what was found is written all the same).\n";

namespace {

MakeType ParseKind(std::string_view text) {
    if (text == "list" || text == "0") {
        return MakeType::ListText;
    }
    if (text == "html" || text == "1") {
        return MakeType::Html;
    }
    if (text == "image" || text == "2") {
        return MakeType::ImageSrc;
    }
    throw UsageError("unknown kind '" + std::string(text) + "' (list, html or image)");
}

std::int32_t ParseSize(const std::string& option, std::string_view text) {
    if (auto n = ParseNumber(text)) {
        return *n;
    }
    throw UsageError(option + " needs a whole number, not '" + std::string(text) + "'");
}

std::int32_t ParseWithin(const std::string& option, std::string_view text, ProbeLimit limit) {
    const std::optional<std::int32_t> n = ParseNumber(text);
    if (!n || !limit.Allows(*n)) {
        throw UsageError(option + " needs a whole number from " + std::to_string(limit.Min) +
                         " to " + std::to_string(limit.Max) + ", not '" + std::string(text) + "'");
    }
    return *n;
}

struct Option {
    const char* longName;
    char shortName;  // 0 when there is none
    bool takesValue;
    std::function<void(CliOptions&, const std::string&)> apply;
    bool patternText = false;
};

std::vector<Option> Options() {
    auto text = [](std::string PatternTexts::*field) {
        return [field](CliOptions& o, const std::string& v) {
            o.Pattern.Add([field, v](PatternRequest& r) { r.Texts.*field = v; });
        };
    };
    auto size = [](std::int32_t OutputSettings::*field, std::string option) {
        return [field, option](CliOptions& o, const std::string& v) {
            o.Pattern.Add(
                [field, n = ParseSize(option, v)](PatternRequest& r) { r.Output.*field = n; });
        };
    };
    auto probe = [](std::optional<std::int32_t> ProbeOverrides::*field, std::string option,
                    ProbeLimit limit) {
        return [field, option, limit](CliOptions& o, const std::string& v) {
            o.ProbeChanges.*field = ParseWithin(option, v, limit);
        };
    };
    auto probeOutput = [](ProbeOutput output) {
        return [output](CliOptions& o, const std::string&) {
            if (o.Probe != ProbeOutput::None && o.Probe != output) {
                throw UsageError("--probe and --existing cannot go together");
            }
            o.Probe = output;
        };
    };
    auto flag = [](bool OutputSettings::*field, bool on) {
        return [field, on](CliOptions& o, const std::string&) {
            o.Pattern.Add([field, on](PatternRequest& r) { r.Output.*field = on; });
        };
    };
    return {
        {"base", 'b', true, text(&PatternTexts::Dir), true},
        {"values", 'l', true, text(&PatternTexts::ContStr), true},
        {"front", 'f', true, text(&PatternTexts::FrontStr), true},
        {"start", 's', true, text(&PatternTexts::StCount), true},
        {"end", 'e', true, text(&PatternTexts::EdCount), true},
        {"rear", 'r', true, text(&PatternTexts::RearStr), true},
        {"ext", 'x', true, text(&PatternTexts::ExtStr), true},
        {"from-address", 0, true, [](CliOptions& o, const std::string& v) { o.FromAddress = v; },
         true},
        {"kind", 'k', true,
         [](CliOptions& o, const std::string& v) {
             o.Pattern.Add([kind = ParseKind(v)](PatternRequest& r) { r.Kind = kind; });
         }},
        {"width", 0, true, size(&OutputSettings::ImageWidth, "--width")},
        {"height", 0, true, size(&OutputSettings::ImageHeight, "--height")},
        {"separator", 0, false, flag(&OutputSettings::Separator, true)},
        {"no-separator", 0, false, flag(&OutputSettings::Separator, false)},
        {"border", 0, false, flag(&OutputSettings::Border, true)},
        {"no-border", 0, false, flag(&OutputSettings::Border, false)},
        {"click-view", 0, false, flag(&OutputSettings::ClickView, true)},
        {"no-click-view", 0, false, flag(&OutputSettings::ClickView, false)},
        {"header", 0, true, [](CliOptions& o, const std::string& v) { o.HeaderFile = v; }},
        {"footer", 0, true, [](CliOptions& o, const std::string& v) { o.FooterFile = v; }},
        {"settings", 0, true, [](CliOptions& o, const std::string& v) { o.Settings = v; }},
        {"probe", 0, false, probeOutput(ProbeOutput::Report)},
        {"existing", 0, false, probeOutput(ProbeOutput::Existing)},
        {"gap", 0, true, probe(&ProbeOverrides::Gap, "--gap", kGapLimit)},
        {"connections", 0, true,
         probe(&ProbeOverrides::Connections, "--connections", kConnectionsLimit)},
        {"timeout", 0, true, probe(&ProbeOverrides::TimeoutSeconds, "--timeout", kTimeoutLimit)},
        {"output", 'o', true, [](CliOptions& o, const std::string& v) { o.OutputFile = v; }},
        {"utf8", 0, false,
         [](CliOptions& o, const std::string&) { o.Encoding = TextEncoding::Utf8; }},
        {"help", 'h', false, [](CliOptions& o, const std::string&) { o.Help = true; }},
        {"version", 0, false, [](CliOptions& o, const std::string&) { o.Version = true; }},
    };
}

}  // namespace

void PatternOverrides::ApplyTo(PatternRequest& request) const {
    for (const auto& change : changes_) {
        change(request);
    }
}

void ProbeOverrides::ApplyTo(ProbeSettings& settings) const {
    settings.Gap = Gap.value_or(settings.Gap);
    settings.Connections = Connections.value_or(settings.Connections);
    settings.TimeoutSeconds = TimeoutSeconds.value_or(settings.TimeoutSeconds);
}

CliOptions ParseCommandLine(const std::vector<std::string>& args) {
    static const std::vector<Option> options = Options();
    CliOptions result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const Option* option = nullptr;
        std::optional<std::string> inlineValue;
        std::string shown = arg;
        if (arg.size() > 2 && arg.starts_with("--")) {
            std::string name = arg.substr(2);
            if (auto eq = name.find('='); eq != std::string::npos) {
                inlineValue = name.substr(eq + 1);
                name.resize(eq);
                shown = "--" + name;
            }
            for (const Option& o : options) {
                if (name == o.longName) {
                    option = &o;
                }
            }
        } else if (arg.size() >= 2 && arg[0] == '-' && arg[1] != '-') {
            for (const Option& o : options) {
                if (o.shortName == arg[1]) {
                    option = &o;
                }
            }
            shown = arg.substr(0, 2);
            if (arg.size() > 2) {
                inlineValue = arg.substr(2);
            }
        } else {
            throw UsageError("unexpected argument '" + arg + "'");
        }
        if (option == nullptr) {
            throw UsageError("unknown option '" + shown + "'");
        }
        std::string value;
        if (option->takesValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                throw UsageError(shown + " needs a value");
            }
        } else if (inlineValue) {
            throw UsageError(shown + " takes no value");
        }
        option->apply(result, value);
        if (option->patternText) {
            result.PatternTexts.emplace_back(shown, value);
        }
    }
    if (result.ProbeChanges.Any() && result.Probe == ProbeOutput::None && !result.Help &&
        !result.Version) {
        throw UsageError("--gap, --connections and --timeout go with --probe or --existing");
    }
    return result;
}

}  // namespace zarnet::cli
