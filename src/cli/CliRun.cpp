#include "cli/CliRun.h"

#include <ostream>

#include "cli/CliMessages.h"
#include "cli/CliOptions.h"
#include "core/CodePageRefusal.h"
#include "core/Messages.h"
#include "core/OutputDocument.h"
#include "core/PatternExpansion.h"
#include "platform/Cp932.h"
#include "platform/FileErrors.h"
#include "platform/ProgramArguments.h"
#include "platform/TextFile.h"
#include "platform/Utf8.h"
#include "platform/ZarnetError.h"
#include "store/DefaultStore.h"
#include "templates/HtmlTemplates.h"

namespace zarnet::cli {

namespace {

// Lines encoded and ended with CR LF, as the save command writes them, in
// large chunks so that long runs cost little.
class EncodedStreamSink : public LineSink {
  public:
    EncodedStreamSink(std::ostream& out, TextEncoding encoding) : out_(out), encoding_(encoding) {}
    ~EncodedStreamSink() override { Flush(); }
    EncodedStreamSink(const EncodedStreamSink&) = delete;
    EncodedStreamSink& operator=(const EncodedStreamSink&) = delete;

    void AddLine(std::string_view line) override {
        AppendEncodedLine(buffer_, line, encoding_);
        FlushWhenFull();
    }

    void AddCodePageLine(std::string_view bytes, std::string_view line) override {
        AppendCodePageLine(buffer_, bytes, line, encoding_);
        FlushWhenFull();
    }

    std::string InOwnForm(std::string_view text) const override {
        return InEncoding(text, encoding_);
    }
    void AddOwnFormLine(std::string_view line) override {
        buffer_.append(line);
        buffer_.append(kLineEnd);
        FlushWhenFull();
    }

    void FlushWhenFull() {
        if (buffer_.size() >= kChunk) {
            Flush();
        }
    }

    void Flush() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }

  private:
    static constexpr std::size_t kChunk = 1 << 16;
    std::ostream& out_;
    TextEncoding encoding_;
    std::string buffer_;
};

class FileSink : public LineSink {
  public:
    explicit FileSink(TextFileWriter& writer) : writer_(writer) {}
    void AddLine(std::string_view line) override { writer_.WriteLine(line); }
    void AddCodePageLine(std::string_view bytes, std::string_view line) override {
        writer_.WriteCodePageLine(bytes, line);
    }
    std::string InOwnForm(std::string_view text) const override {
        return InEncoding(text, writer_.Encoding());
    }
    void AddOwnFormLine(std::string_view line) override { writer_.WriteEncodedLine(line); }

  private:
    TextFileWriter& writer_;
};

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

// A fresh installation's settings with empty pattern texts, or those of the
// chosen store; the command line has the last word. Raises ZarnetError when
// the store cannot be loaded.
PatternRequest StartingRequest(const CliOptions& options, const AppPaths& paths) {
    PatternRequest request;
    if (options.Settings) {
        const TRegData settings = LoadSettingsForCli(*options.Settings, paths);
        request = settings.RequestFor(settings.LastItem, settings.Kind);
    }
    options.Pattern.ApplyTo(request);
    return request;
}

void WriteToStream(const PreparedRun& run, const CliOptions& options,
                   const HtmlTemplates& templates, std::ostream& out) {
    {
        EncodedStreamSink sink(out, options.Encoding);
        WriteDocument(run, templates, sink);
    }
    out.flush();
    if (!out) {
        ThrowWriteError();
    }
}

void Write(const PreparedRun& run, const CliOptions& options, const HtmlTemplates& templates,
           std::ostream& out) {
    if (!options.OutputFile) {
        WriteToStream(run, options, templates, out);
    } else {
        TextFileWriter writer(*options.OutputFile, options.Encoding);
        FileSink sink(writer);
        WriteDocument(run, templates, sink);
        writer.Commit();
    }
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
    const PatternRequest request = StartingRequest(options, paths);
    PreparedRun run;
    if (failsCheck([&] { run = PrepareRun(request); })) {
        return kCheckFailed;
    }

    HtmlTemplates templates(paths.SettingsFolder);
    if (IsHtmlKind(run.Request.Kind)) {
        LoadTemplate(templates, options.HeaderFile, templates.HeaderPath(),
                     &HtmlTemplates::LoadHeader);
        LoadTemplate(templates, options.FooterFile, templates.FooterPath(),
                     &HtmlTemplates::LoadFooter);
    }
    Write(run, options, templates, out);
    return kWritten;
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
            err << "zarnet-cli: " << error.what() << "\n";
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
