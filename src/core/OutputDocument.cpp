#include "core/OutputDocument.h"

namespace zarnet {

namespace {

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

}  // namespace

// Attribute values are in double quotes, each double quote inside doubled.
void ComposeLine(std::string& line, const AddressEntry& entry, const PatternRequest& request) {
    line.clear();
    switch (request.Kind) {
        case MakeType::ListText:
            line += entry.Address;
            break;
        case MakeType::Html:
            line += "<A HREF=";
            AppendQuoted(line, entry.Address);
            line += request.Output.ClickView ? " TARGET=\"Zarnet\">" : ">";
            line += entry.FileName;
            line += "</A>";
            break;
        case MakeType::ImageSrc:
            if (request.Output.ClickView) {
                line += "<A HREF=";
                AppendQuoted(line, entry.Address);
                line += " TARGET=\"ZarNET\">";
            }
            line += "<IMG SRC=";
            AppendQuoted(line, entry.Address);
            if (request.Output.Border) {
                line += "Border=\"1\"";
            }
            line += " WIDTH=";
            AppendQuoted(line, std::to_string(request.Output.ImageWidth));
            line += " HEIGHT=";
            AppendQuoted(line, std::to_string(request.Output.ImageHeight));
            line += "ALT=";
            AppendQuoted(line, entry.FileName);
            line += '>';
            if (request.Output.ClickView) {
                line += "</A>";
            }
            break;
    }
}

namespace {

// Turns the entries of a run into lines as they come.
class DocumentBody : public ExpansionSink {
  public:
    DocumentBody(const PatternRequest& request, LineSink& out) : request_(request), out_(out) {}

    void BeginGroup(const std::string&) override {
        if (IsHtmlKind(request_.Kind) && request_.Output.Separator) {
            out_.AddLine("<HR>");
        }
    }

    void Entry(const AddressEntry& entry) override {
        ComposeLine(line_, entry, request_);
        out_.AddLine(line_);
        if (request_.Kind == MakeType::Html && entry.Number % 10 == 0) {
            out_.AddLine("<BR>");
        }
    }

  private:
    const PatternRequest& request_;
    LineSink& out_;
    std::string line_;
};

}  // namespace

// Header, a "<HR>" before each group when asked for, the lines with "<BR>"
// after multiples of 10 in the HTML kind, footer. The list kind has only its
// lines.
void WriteDocument(const PreparedRun& run, const DocumentFrame& frame, LineSink& out) {
    const bool framed = IsHtmlKind(run.Request.Kind);
    if (framed) {
        frame.InsertHeader(out, run.Title);
    }
    DocumentBody body(run.Request, out);
    run.Expand(body);
    if (framed) {
        frame.AppendFooter(out);
    }
}

}  // namespace zarnet
