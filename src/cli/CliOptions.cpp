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
    "  -o, --output FILE    write to FILE instead of standard output\n"
    "      --utf8           write UTF-8 instead of code page 932\n"
    "  -h, --help           show this help and exit\n"
    "      --version        show the version and exit\n"
    "\n"
    "Texts are taken exactly as given. Give numbers in ASCII digits and signs:\n"
    "full-width ones, as an input method types them, are no number. Only ASCII\n"
    "commas and blanks separate values: the ideographic comma U+3001, the\n"
    "full-width comma U+FF0C and the ideographic space U+3000 belong to a value.\n"
    "\n"
    "Messages are the program's own Japanese texts; outside a Japanese locale their\n"
    "English meaning follows in parentheses.\n"
    "Exit status: 0 when written, 1 when the pattern fails a check, 2 for usage\n"
    "and file errors.\n";

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
    return result;
}

}  // namespace zarnet::cli
