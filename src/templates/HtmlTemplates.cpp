#include "templates/HtmlTemplates.h"

#include <string_view>
#include <utility>

#include "platform/AsciiText.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace zarnet {

namespace {

constexpr std::string_view kTitleMarker = "%%TITLE%%";

// Every marker of the line replaced; the title's own text is not searched.
std::string WithTitle(std::string_view line, std::string_view title) {
    std::string result;
    std::size_t copied = 0;
    for (std::size_t at = line.find('%'); at != std::string_view::npos;) {
        if (ascii::StartsWithIgnoringCase(line.substr(at), kTitleMarker)) {
            result.append(line.substr(copied, at - copied));
            result.append(title);
            copied = at + kTitleMarker.size();
            at = line.find('%', copied);
        } else {
            at = line.find('%', at + 1);
        }
    }
    result.append(line.substr(copied));
    return result;
}

void LoadTemplate(std::vector<std::string>& lines, const std::string& path,
                  const std::vector<std::string>& fallback) {
    if (FileExists(path)) {
        lines = ReadTextLines(path);  // on failure the template keeps its lines
    } else {
        lines = fallback;
    }
}

}  // namespace

HtmlTemplates::HtmlTemplates(std::string folder) : folder_(std::move(folder)) {}

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

void HtmlTemplates::LoadHeader(const std::string& path) {
    LoadTemplate(HeaderLines, path, DefaultHeader());
}

void HtmlTemplates::LoadFooter(const std::string& path) {
    LoadTemplate(FooterLines, path, DefaultFooter());
}

std::string HtmlTemplates::HeaderPath() const {
    return folder_ + "Header.txt";
}

std::string HtmlTemplates::FooterPath() const {
    return folder_ + "Footer.txt";
}

bool HtmlTemplates::SaveHeader() const {
    WriteTextLines(HeaderPath(), HeaderLines);
    return true;
}

bool HtmlTemplates::SaveFooter() const {
    WriteTextLines(FooterPath(), FooterLines);
    return true;
}

void HtmlTemplates::SetDefaultHeader() {
    HeaderLines = DefaultHeader();
}

void HtmlTemplates::SetDefaultFooter() {
    FooterLines = DefaultFooter();
}

void HtmlTemplates::InsertHeader(LineSink& lines, const std::string& title) const {
    for (const std::string& line : HeaderLines) {
        lines.AddLine(WithTitle(line, title));
    }
}

void HtmlTemplates::AppendFooter(LineSink& lines) const {
    for (const std::string& line : FooterLines) {
        lines.AddLine(line);
    }
}

}  // namespace zarnet
