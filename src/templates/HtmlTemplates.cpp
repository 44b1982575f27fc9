#include "templates/HtmlTemplates.h"

#include <algorithm>
#include <exception>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "platform/AsciiText.h"
#include "platform/Cp932.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace zarnet {

namespace {

constexpr std::string_view kTitleMarker = "%%TITLE%%";

// The title markers of the line from left to right: keep(piece) for each
// piece of the line around them, marker() for each of them. The same for code
// page 932 bytes and for UTF-8: "%" is never the second byte of a character,
// so a marker found always starts on a character's edge.
template <class Keep, class Marker>
void WalkTitleMarkers(std::string_view line, Keep&& keep, Marker&& marker) {
    std::size_t copied = 0;
    for (std::size_t at = line.find('%'); at != std::string_view::npos;) {
        if (ascii::StartsWithIgnoringCase(line.substr(at), kTitleMarker)) {
            keep(line.substr(copied, at - copied));
            marker();
            copied = at + kTitleMarker.size();
            at = line.find('%', copied);
        } else {
            at = line.find('%', at + 1);
        }
    }
    keep(line.substr(copied));
}

// Every marker of the line replaced; the title's own text is not searched.
std::string WithTitle(std::string_view line, std::string_view title) {
    std::string result;
    WalkTitleMarkers(
        line, [&](std::string_view piece) { result.append(piece); }, [&] { result.append(title); });
    return result;
}

}  // namespace

HtmlTemplates::HtmlTemplates(std::string folder, Waiting waiting)
    : folder_(std::move(folder)), waiting_(waiting) {}

// ASCII only, so the same as bytes and as text.
const std::vector<std::string>& HtmlTemplates::DefaultHeader() {
    static const std::vector<std::string> lines = {
        "<HTML>",
        "<HEAD>",
        "<TITLE>DownLoad files</TITLE>",
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=x-sjis\">",
        "</HEAD>",
        "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" VLINK=\"#FF00FF\" "
        "ALINK=\"#FF0000\">",
        "<FONT SIZE=4 COLOR=000000>%%TITLE%%</FONT></CENTER>",
        "<BR>",
        "<FONT SIZE=2>",
        "<CENTER>",
    };
    return lines;
}

const std::vector<std::string>& HtmlTemplates::DefaultFooter() {
    static const std::vector<std::string> lines = {"</CENTER>", "</BODY>", "</HTML>"};
    return lines;
}

void HtmlTemplates::Load(std::vector<std::string>& lines, FileRecord& record,
                         const std::string& path, const std::string& ownPath,
                         const std::vector<std::string>& fallback) {
    const bool own = path == ownPath;
    if (!FileExists(path)) {
        lines = fallback;
        if (own) {
            record = {};
        }
        return;
    }
    std::string bytes;
    try {
        bytes = ReadFileBytes(path, waiting_);
    } catch (const std::exception&) {
        // The template keeps its lines; its file must not be written over
        // unasked, for nobody knows what it holds.
        if (own) {
            record = {FileRecord::State::Unreadable, {}, lines};
        }
        throw;
    }
    lines = SplitLines(bytes);
    if (own) {
        record = {FileRecord::State::Read, std::move(bytes), lines};
    }
}

void HtmlTemplates::LoadHeader(const std::string& path) {
    Load(HeaderLines, header_, path, HeaderPath(), DefaultHeader());
}

void HtmlTemplates::LoadFooter(const std::string& path) {
    Load(FooterLines, footer_, path, FooterPath(), DefaultFooter());
}

std::string HtmlTemplates::HeaderPath() const {
    return folder_ + "Header.txt";
}

std::string HtmlTemplates::FooterPath() const {
    return folder_ + "Footer.txt";
}

// A template still as its own file gave it is not written, so the file keeps
// every byte it holds, even those the template could not take.
void HtmlTemplates::Save(const std::string& path, const std::vector<std::string>& lines,
                         FileRecord& record) const {
    if (record.Known != FileRecord::State::Unknown && lines == record.Lines) {
        return;
    }
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    ReplaceFile(path, bytes, waiting_);
    record = {FileRecord::State::Read, std::move(bytes), lines};
}

void HtmlTemplates::SaveHeader() {
    Save(HeaderPath(), HeaderLines, header_);
}

void HtmlTemplates::SaveFooter() {
    Save(FooterPath(), FooterLines, footer_);
}

TemplateLoss HtmlTemplates::Loss(const FileRecord& record, const std::vector<std::string>& lines) {
    TemplateLoss loss;
    if (record.Known == FileRecord::State::Unknown || lines == record.Lines) {
        return loss;
    }
    if (record.Known == FileRecord::State::Unreadable) {
        loss.Unreadable = true;
        return loss;
    }
    if (const std::size_t nul = record.Bytes.find('\0'); nul != std::string::npos) {
        loss.BytesFromNul = record.Bytes.size() - nul;
    }
    const std::unordered_set<std::string> kept(lines.begin(), lines.end());
    for (const std::string& line : record.Lines) {
        if (kept.contains(line)) {
            continue;
        }
        if (!cp932::DecodesWhole(line)) {
            ++loss.ForeignLines;
        }
        if (line.size() > kMaxLineBytes) {
            ++loss.CutLines;
        }
    }
    return loss;
}

TemplateLoss HtmlTemplates::HeaderLoss(const std::vector<std::string>& lines) const {
    return Loss(header_, lines);
}

TemplateLoss HtmlTemplates::FooterLoss(const std::vector<std::string>& lines) const {
    return Loss(footer_, lines);
}

// The lines' own bytes go out as they are, the title encoded.
void HtmlTemplates::InsertHeader(LineSink& lines, const std::string& title) const {
    const std::string encodedTitle = cp932::Encode(title);
    for (const std::string& line : HeaderLines) {
        lines.AddCodePageLine(WithTitle(line, encodedTitle), WithTitle(cp932::Decode(line), title));
    }
}

// The line as text, the longer of its two forms: a character of code page 932
// never takes fewer bytes in UTF-8, nor does the title.
std::uint64_t HtmlTemplates::LongestHeaderLine(const std::string& title) const {
    std::uint64_t longest = 0;
    for (const std::string& line : HeaderLines) {
        const std::string text = cp932::Decode(line);
        std::uint64_t markers = 0;
        WalkTitleMarkers(
            text, [](std::string_view) {}, [&markers] { ++markers; });
        longest = std::max<std::uint64_t>(
            longest, text.size() - markers * kTitleMarker.size() + markers * title.size());
    }
    return longest;
}

void HtmlTemplates::AppendFooter(LineSink& lines) const {
    for (const std::string& line : FooterLines) {
        lines.AddCodePageLine(line, cp932::Decode(line));
    }
}

std::string HtmlTemplates::EditorText(const std::vector<std::string>& lines) {
    TextSink text;
    for (const std::string& line : lines) {
        text.AddLine(cp932::Decode(line));
    }
    return std::move(text.Text);
}

// A line that reads as one of the template's lines `before` keeps that line's
// bytes; any other is encoded and cut to kMaxLineBytes on a character's edge.
std::vector<std::string> HtmlTemplates::FromEditorText(std::string_view utf8,
                                                       const std::vector<std::string>& before) {
    KnownLines known;
    for (const std::string& line : before) {
        known.Add(line, cp932::Decode(line));
    }
    std::vector<std::string> lines;
    for (const std::string& line : SplitLines(utf8)) {
        const std::string* bytes = known.Find(line);
        lines.push_back(bytes != nullptr
                            ? *bytes
                            : std::string(cp932::CutBytes(cp932::Encode(line), kMaxLineBytes)));
    }
    return lines;
}

}  // namespace zarnet
