#include "cli/OutputSinks.h"

#include <ostream>

#include "platform/FileErrors.h"
#include "platform/StandardOutput.h"

namespace zarnet::cli {

namespace {

constexpr std::size_t kChunk = 1 << 16;

}  // namespace

void EncodedStreamSink::AddLine(std::string_view line) {
    AppendEncodedLine(buffer_, line, encoding_);
    FlushWhenFull();
}

void EncodedStreamSink::AddCodePageLine(std::string_view bytes, std::string_view line) {
    AppendCodePageLine(buffer_, bytes, line, encoding_);
    FlushWhenFull();
}

void EncodedStreamSink::AddOwnFormLine(std::string_view line) {
    buffer_.append(line);
    buffer_.append(kLineEnd);
    FlushWhenFull();
}

void EncodedStreamSink::FlushWhenFull() {
    if (buffer_.size() >= kChunk) {
        Flush();
    }
}

void EncodedStreamSink::Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

OutputTarget::OutputTarget(const std::optional<std::string>& file, TextEncoding encoding,
                           std::ostream& out)
    : out_(out), encoding_(encoding) {
    if (file) {
        file_.emplace(*file, encoding);
    }
}

void OutputTarget::Write(const std::function<void(LineSink&)>& write) {
    if (file_) {
        FileSink sink(*file_);
        write(sink);
        file_->Commit();
        return;
    }
    {
        EncodedStreamSink sink(out_, encoding_);
        write(sink);
    }
    out_.flush();
    if (!out_) {
        ThrowStandardOutputError(WriteFailureReason(out_));
    }
}

}  // namespace zarnet::cli
