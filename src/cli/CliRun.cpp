#include "cli/CliRun.h"

#include <ostream>

#include "cli/CliMessages.h"
#include "cli/CliOptions.h"
#include "cli/CliProbe.h"
#include "cli/OutputSinks.h"
#include "core/AddressPattern.h"
#include "core/CodePageRefusal.h"
#include "core/Messages.h"
#include "core/OutputDocument.h"
#include "core/PatternExpansion.h"
#include "core/ProbeReport.h"
#include "core/RunLimit.h"
#include "core/SeriesProbe.h"
#include "platform/Cp932.h"
#include "platform/CurlTransport.h"
#include "platform/FileErrors.h"
#include "platform/ProgramArguments.h"
#include "platform/TextFile.h"
#include "platform/Utf8.h"
#include "platform/ZarnetError.h"
#include "store/DefaultStore.h"
#include "templates/HtmlTemplates.h"

namespace zarnet::cli {

namespace {

void LoadTemplate(HtmlTemplates& templates, const std::optional<std::string>& chosen,
                  const std::string& beside, void (HtmlTemplates::*load)(const std::string&)) {
    // A file named on the command line must be there, and the error says why
    // it is not (missing, a folder, ...); the one beside the program is
    // optional, as at the program's start.
    if (chosen && !FileExists(*chosen)) {
        CheckReadable(*chosen);
    }
    (templates.*load)(chosen.value_or(beside));
}

// A pattern text the output cannot hold is refused rather than written as
// "?": a character code page 932 lacks, or, in UTF-8 output, bytes that are
// no UTF-8. Raises the message with the option that gave the text.
void CheckPatternTexts(const CliOptions& options) {
    for (const auto& [option, text] : options.PatternTexts) {
        if (!utf8::IsWellFormed(text)) {
            throw ZarnetError(messages::kNotUtf8, {}, option);
        }
        if (options.Encoding == TextEncoding::Cp932) {
            if (const std::optional<char32_t> foreign = cp932::FirstForeignCharacter(text)) {
                throw ZarnetError(messages::kNotInCodePage, {RefusedCharacterName(*foreign)},
                                  option);
            }
        }
    }
}

// What a run starts from: the pattern and the probe's settings.
struct Start {
    PatternRequest Request;
    ProbeSettings Probe;
};

// A fresh installation's settings with empty pattern texts, or those of the
// chosen store; then the pattern of the address; the command line's other
// options have the last word. Raises ZarnetError when the store cannot be
// loaded or the address holds no number.
Start StartFrom(const CliOptions& options, const AppPaths& paths) {
    Start start;
    if (options.Settings) {
        const TRegData stored = LoadSettingsForCli(*options.Settings, paths);
        start.Request = stored.RequestFor(stored.LastItem, stored.Kind);
        start.Probe = stored.Probe;
    }
    if (options.FromAddress) {
        start.Request.Texts = PatternFromAddress(*options.FromAddress, start.Request.Texts);
    }
    options.Pattern.ApplyTo(start.Request);
    options.ProbeChanges.ApplyTo(start.Probe);
    return start;
}

// The whole run. A pattern that fails a check gives its status here; every
// other failure is left to Guarded.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const AppPaths& paths) {
    CliOptions options;
    try {
        options = ParseCommandLine(args);
    } catch (const UsageError& error) {
        err << "zarnet-cli: " << error.what() << "\nTry 'zarnet-cli --help'.\n";
        return kUsageOrFileError;
    }
    if (options.Help) {
        out << kUsage;
        return kWritten;
    }
    if (options.Version) {
        out << "zarnet-cli " << ZARNET_VERSION << "\n";
        return kWritten;
    }

    const auto failsCheck = [&err](const auto& check) {
        try {
            check();
            return false;
        } catch (const ZarnetError& error) {
            err << ErrorLine(error, WantsEnglish()) << "\n";
            return true;
        }
    };
    if (failsCheck([&] { CheckPatternTexts(options); })) {
        return kCheckFailed;
    }
    const Start start = StartFrom(options, paths);
    PreparedRun run;
    if (failsCheck([&] {
            run = PrepareRun(start.Request);
            CheckAddressLength(run);
        })) {
        return kCheckFailed;
    }
    std::optional<CurlTransport> transport;
    std::optional<SeriesProbe> probe;
    if (options.Probe != ProbeOutput::None) {
        transport.emplace(TransportSettings(start.Probe));
        if (failsCheck([&] { probe.emplace(run, start.Probe, *transport); })) {
            return kCheckFailed;
        }
    }

    HtmlTemplates templates(paths.SettingsFolder);
    if (IsHtmlKind(run.Request.Kind) && options.Probe != ProbeOutput::Report) {
        LoadTemplate(templates, options.HeaderFile, templates.HeaderPath(),
                     &HtmlTemplates::LoadHeader);
        LoadTemplate(templates, options.FooterFile, templates.FooterPath(),
                     &HtmlTemplates::LoadFooter);
        if (failsCheck([&] { CheckHeaderLength(run, templates); })) {
            return kCheckFailed;
        }
    }
    // The output file is made first, so that one that cannot be is told
    // before the probe, not after it.
    OutputTarget target(options.OutputFile, options.Encoding, out);
    if (!probe) {
        target.Write([&](LineSink& sink) { WriteDocument(run, templates, sink); });
        return kWritten;
    }
    const ProbeResult& result = RunToTheEnd(*probe);
    TellUnchecked(result, err, WantsEnglish());
    target.Write([&](LineSink& sink) {
        if (options.Probe == ProbeOutput::Report) {
            WriteReport(result, sink);
        } else {
            WriteFoundDocument(run, result, templates, sink);
        }
    });
    return result.Complete() ? kWritten : kUnchecked;
}

// Whatever escapes `body` (a file error, no memory, a converter the system
// lacks) ends in one error line and the status of file errors, never in
// std::terminate.
template <typename Body>
int Guarded(std::ostream& err, Body body) {
    try {
        return body();
    } catch (const std::exception& error) {
        try {
            err << ErrorLine(error, WantsEnglish()) << "\n";
        } catch (...) {
            // No memory left to compose the line: the bare message, which a
            // stream writes without throwing.
            err << "zarnet-cli: "
                << (IsOutOfMemory(error) ? messages::kOutOfMemory.English
                                         : std::string_view(error.what()))
                << "\n";
        }
    } catch (...) {
        err << "zarnet-cli: unexpected error\n";
    }
    return kUsageOrFileError;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const AppPaths& paths) {
    return Guarded(err, [&] { return Run(args, out, err, paths); });
}

int RunProgram(int argc, char** argv, std::ostream& out, std::ostream& err) {
    return Guarded(err, [&] {
        return Run(ProgramArguments(argc, argv), out, err, AppPaths::OfRunningProgram());
    });
}

}  // namespace zarnet::cli
