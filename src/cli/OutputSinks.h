#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "core/OutputDocument.h"
#include "platform/TextFile.h"

namespace zarnet::cli {

// Lines encoded and ended with CR LF, as the save command writes them, in
// large chunks so that long runs cost little.
class EncodedStreamSink : public LineSink {
  public:
    EncodedStreamSink(std::ostream& out, TextEncoding encoding) : out_(out), encoding_(encoding) {}
    ~EncodedStreamSink() override { Flush(); }
    EncodedStreamSink(const EncodedStreamSink&) = delete;
    EncodedStreamSink& operator=(const EncodedStreamSink&) = delete;

    void AddLine(std::string_view line) override;
    void AddCodePageLine(std::string_view bytes, std::string_view line) override;
    std::string InOwnForm(std::string_view text) const override {
        return InEncoding(text, encoding_);
    }
    void AddOwnFormLine(std::string_view line) override;
    void Flush();

  private:
    void FlushWhenFull();

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

// Where a run's lines go: standard output, or the output file, which is made
// at once and put in place only when all of it was written.
class OutputTarget {
  public:
    // Raises "ファイル %s を作成できません" for a file that cannot be made.
    OutputTarget(const std::optional<std::string>& file, TextEncoding encoding, std::ostream& out);

    // The lines `write` gives, then the file in place or the stream flushed.
    // Raises the write errors.
    void Write(const std::function<void(LineSink&)>& write);

  private:
    std::ostream& out_;
    TextEncoding encoding_;
    std::optional<TextFileWriter> file_;
};

}  // namespace zarnet::cli
