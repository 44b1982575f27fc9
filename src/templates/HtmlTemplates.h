#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/OutputDocument.h"
#include "platform/FileWaiting.h"

namespace zarnet {

// What writing a template over its file would lose of what the file holds.
struct TemplateLoss {
    bool Unreadable = false;       // the file could not be read: all of it
    std::size_t BytesFromNul = 0;  // the file's first NUL and everything after it
    std::size_t ForeignLines = 0;  // lines with bytes that are no code page 932 character
    std::size_t CutLines = 0;      // lines longer than the editor keeps, edited and so cut

    bool Any() const { return Unreadable || BytesFromNul > 0 || ForeignLines > 0 || CutLines > 0; }
};

// The header and footer that frame the HTML kinds, held in memory for the
// whole run and kept in "Header.txt" and "Footer.txt" in the settings folder.
class HtmlTemplates : public DocumentFrame {
  public:
    // The longest line the editor gives a template, in bytes.
    static constexpr std::size_t kMaxLineBytes = 4096;

    // The templates' files live in `folder` (beside the program, or the
    // user's settings folder), which ends with its separator; `waiting` says
    // whether loading and saving them may wait on a pipe or a device.
    explicit HtmlTemplates(std::string folder, Waiting waiting = Waiting::LikeTheShell);

    // Each line as its file has it: code page 932 bytes, without the line end.
    std::vector<std::string> HeaderLines;
    std::vector<std::string> FooterLines;

    // From the file at `path`, or the built-in default when there is no file
    // there; a file that cannot be read raises and changes nothing.
    void LoadHeader(const std::string& path);
    void LoadFooter(const std::string& path);

    // Write the header to HeaderPath() (the footer to FooterPath()), unless
    // the template is still as its file gave it.
    void SaveHeader();
    void SaveFooter();

    // What saving `lines` as the header (the footer) would lose of what its
    // file held when it was last read or written.
    TemplateLoss HeaderLoss(const std::vector<std::string>& lines) const;
    TemplateLoss FooterLoss(const std::vector<std::string>& lines) const;

    std::string HeaderPath() const;
    std::string FooterPath() const;

    // The header lines with every "%%TITLE%%" (ASCII case ignored) replaced
    // by the title.
    void InsertHeader(LineSink& lines, const std::string& title) const override;
    void AppendFooter(LineSink& lines) const override;
    std::uint64_t LongestHeaderLine(const std::string& title) const override;

    // A template as the editor shows it: its lines decoded, each followed by
    // "\n".
    static std::string EditorText(const std::vector<std::string>& lines);
    // The editor's text as a template takes it, each line left as it was in
    // `before` keeping its bytes.
    static std::vector<std::string> FromEditorText(std::string_view utf8,
                                                   const std::vector<std::string>& before);

    static const std::vector<std::string>& DefaultHeader();
    static const std::vector<std::string>& DefaultFooter();

  private:
    // What a template's own file held when it was last read or written.
    struct FileRecord {
        enum class State { Unknown, Read, Unreadable };
        State Known = State::Unknown;
        std::string Bytes;               // all of the file, when read
        std::vector<std::string> Lines;  // the template right after
    };

    void Load(std::vector<std::string>& lines, FileRecord& record, const std::string& path,
              const std::string& ownPath, const std::vector<std::string>& fallback);
    void Save(const std::string& path, const std::vector<std::string>& lines,
              FileRecord& record) const;
    static TemplateLoss Loss(const FileRecord& record, const std::vector<std::string>& lines);

    std::string folder_;
    Waiting waiting_;
    FileRecord header_;
    FileRecord footer_;
};

}  // namespace zarnet
