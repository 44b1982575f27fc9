#include "platform/TextFile.h"

#include "platform/AtomicFile.h"
#include "platform/Cp932.h"

namespace zarnet {

std::vector<std::string> SplitLines(std::string_view text) {
    return SplitLinesKeepingNul(text.substr(0, text.find('\0')));
}

// A line end at the very end adds no empty line.
std::vector<std::string> SplitLinesKeepingNul(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            break;
        }
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

void CheckReadable(const std::string& path) {
    static_cast<void>(ReadFileBytes(path));
}

namespace {

void AppendInEncoding(std::string& out, std::string_view utf8, TextEncoding encoding) {
    if (encoding == TextEncoding::Cp932) {
        cp932::AppendEncoded(out, utf8);
    } else {
        out.append(utf8);
    }
}

}  // namespace

std::string InEncoding(std::string_view utf8, TextEncoding encoding) {
    std::string out;
    AppendInEncoding(out, utf8, encoding);
    return out;
}

void AppendEncodedLine(std::string& out, std::string_view utf8, TextEncoding encoding) {
    AppendInEncoding(out, utf8, encoding);
    out.append(kLineEnd);
}

// What is only passed on keeps what encoding would change: bytes outside the
// code page, and the code page's duplicate codes.
void AppendCodePageLine(std::string& out, std::string_view bytes, std::string_view utf8,
                        TextEncoding encoding) {
    out.append(encoding == TextEncoding::Cp932 ? bytes : utf8);
    out.append(kLineEnd);
}

void KnownLines::Add(std::string_view bytes, std::string_view utf8) {
    bytes_.try_emplace(std::string(utf8), bytes);
}

const std::string* KnownLines::Find(const std::string& utf8) const {
    const auto found = bytes_.find(utf8);
    return found == bytes_.end() ? nullptr : &found->second;
}

void ReplaceFile(const std::string& path, std::string_view bytes, Waiting waiting) {
    AtomicFile file(path, waiting);
    file.Write(bytes);
    file.Commit();
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines,
                    TextEncoding encoding, const KnownLines& known, Waiting waiting) {
    TextFileWriter writer(path, encoding, waiting);
    for (const std::string& line : lines) {
        if (const std::string* bytes = known.Empty() ? nullptr : known.Find(line)) {
            writer.WriteCodePageLine(*bytes, line);
        } else {
            writer.WriteLine(line);
        }
    }
    writer.Commit();
}

// Lines gather in a buffer written a chunk at a time, so millions of lines
// cost little.
class TextFileWriter::Impl {
  public:
    Impl(const std::string& path, TextEncoding textEncoding, Waiting waiting)
        : file(path, waiting), encoding(textEncoding) {
        buffer.reserve(AtomicFile::kChunkSize + kLineReserve);
    }

    void Flush() {
        file.Write(buffer);
        buffer.clear();
    }

    void FlushWhenFull() {
        if (buffer.size() >= AtomicFile::kChunkSize) {
            Flush();
        }
    }

    // Room for a usual line past a full buffer, so appending rarely
    // reallocates.
    static constexpr std::size_t kLineReserve = 4096;

    AtomicFile file;
    TextEncoding encoding;
    std::string buffer;
};

TextFileWriter::TextFileWriter(const std::string& path, TextEncoding encoding, Waiting waiting)
    : impl_(std::make_unique<Impl>(path, encoding, waiting)) {}

TextFileWriter::~TextFileWriter() = default;

void TextFileWriter::WriteLine(std::string_view utf8) {
    AppendEncodedLine(impl_->buffer, utf8, impl_->encoding);
    impl_->FlushWhenFull();
}

void TextFileWriter::WriteCodePageLine(std::string_view bytes, std::string_view utf8) {
    AppendCodePageLine(impl_->buffer, bytes, utf8, impl_->encoding);
    impl_->FlushWhenFull();
}

void TextFileWriter::WriteEncodedLine(std::string_view bytes) {
    impl_->buffer.append(bytes);
    impl_->buffer.append(kLineEnd);
    impl_->FlushWhenFull();
}

TextEncoding TextFileWriter::Encoding() const {
    return impl_->encoding;
}

void TextFileWriter::Commit() {
    impl_->Flush();
    impl_->file.Commit();
}

}  // namespace zarnet
