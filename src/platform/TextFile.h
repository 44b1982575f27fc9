#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/FileWaiting.h"

namespace zarnet {

// How a text file's bytes stand for the program's UTF-8 text.
enum class TextEncoding { Cp932, Utf8 };

// The lines of a text up to its first NUL byte: CR LF, CR and LF each end a
// line.
std::vector<std::string> SplitLines(std::string_view text);

// SplitLines for files whose lines must be written back byte for byte: zero
// bytes stay in their line.
std::vector<std::string> SplitLinesKeepingNul(std::string_view text);

// The most the program reads of any file (templates, INI and registry
// files): many times what any of them holds, so a device or a pipe that never
// ends is refused long before memory runs out.
inline constexpr std::size_t kMaxReadBytes = 16 * 1024 * 1024;

// The whole file as bytes; raises "ファイル %s は開けません" with the system's
// reason, or with "too large" beyond kMaxReadBytes. Never waiting, anything
// but a regular file is refused (kNotRegularFile) before it is opened.
std::string ReadFileBytes(const std::string& path, Waiting waiting = Waiting::LikeTheShell);

// Raises what ReadFileBytes would for `path`: for a file named on purpose
// that a lenient reader would take for an empty or a missing one.
void CheckReadable(const std::string& path);

// Raises what ReadFileBytes(path, Waiting::Never) raises for what the file is
// (a folder, a pipe, a device) or for its size, and nothing else: for readers
// that take a file they cannot read for an empty one.
void CheckKindAndSize(const std::string& path);

// `bytes` in place of the file at `path`, written as AtomicFile writes: on
// failure the old file stays whole and AtomicFile's error is raised.
void ReplaceFile(const std::string& path, std::string_view bytes,
                 Waiting waiting = Waiting::LikeTheShell);

// What ends every line of the text files the program writes.
inline constexpr std::string_view kLineEnd = "\r\n";

// The text in the encoding, with no line end: a piece that many lines share,
// put in their form once.
std::string InEncoding(std::string_view utf8, TextEncoding encoding);

// Appends the line in the encoding, followed by CR LF, as every text file the
// program writes has it.
void AppendEncodedLine(std::string& out, std::string_view utf8, TextEncoding encoding);

// The same for a line read as code page 932 `bytes`, whose reading is `utf8`:
// in code page 932 the bytes go as they are, never re-encoded.
void AppendCodePageLine(std::string& out, std::string_view bytes, std::string_view utf8,
                        TextEncoding encoding);

// Lines read as code page 932 and shown as text, by their text: a line the
// user left as it was is written back as the bytes it came from.
class KnownLines {
  public:
    void Add(std::string_view bytes, std::string_view utf8);
    // The bytes of the known line that reads `utf8`; nullptr for any other.
    const std::string* Find(const std::string& utf8) const;
    bool Empty() const { return bytes_.empty(); }

  private:
    std::unordered_map<std::string, std::string> bytes_;
};

// Writes each line followed by CR LF, atomically as ReplaceFile does; a
// known line as its own bytes.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines,
                    TextEncoding encoding = TextEncoding::Cp932, const KnownLines& known = {},
                    Waiting waiting = Waiting::LikeTheShell);

// A text file written line by line and put in place only by Commit(), as
// AtomicFile writes; until then the old file, if any, is untouched.
class TextFileWriter {
  public:
    explicit TextFileWriter(const std::string& path, TextEncoding encoding = TextEncoding::Cp932,
                            Waiting waiting = Waiting::LikeTheShell);
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    // Appends the line and CR LF.
    void WriteLine(std::string_view utf8);
    // Appends a line read as code page 932, as AppendCodePageLine does.
    void WriteCodePageLine(std::string_view bytes, std::string_view utf8);
    // Appends a line already in the file's encoding, and CR LF.
    void WriteEncodedLine(std::string_view bytes);
    TextEncoding Encoding() const;
    // Flushes, syncs and renames over the target.
    void Commit();

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zarnet
