#include "core/OutputDocument.h"

namespace zarnet {

namespace {

void AppendDoublingQuotes(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
}

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    AppendDoublingQuotes(out, text);
    out += '"';
}

std::string Quoted(std::string_view text) {
    std::string quoted;
    AppendQuoted(quoted, text);
    return quoted;
}

// The kind's line, piece by piece: markup as it is, and the address and the
// file name either as they are or as quoted attribute values. One form for
// a single entry's line and for the shape of a group's lines.
template <class Line>
void PutLineForm(Line& line, const PatternRequest& request) {
    const OutputSettings& output = request.Output;
    switch (request.Kind) {
        case MakeType::ListText:
            line.Address(false);
            break;
        case MakeType::Html:
            line.Markup("<A HREF=");
            line.Address(true);
            line.Markup(output.ClickView ? " TARGET=\"Zarnet\">" : ">");
            line.FileName(false);
            line.Markup("</A>");
            break;
        case MakeType::ImageSrc:
            if (output.ClickView) {
                line.Markup("<A HREF=");
                line.Address(true);
                line.Markup(" TARGET=\"ZarNET\">");
            }
            line.Markup("<IMG SRC=");
            line.Address(true);
            if (output.Border) {
                line.Markup("Border=\"1\"");
            }
            line.Markup(" WIDTH=");
            line.Markup(Quoted(std::to_string(output.ImageWidth)));
            line.Markup(" HEIGHT=");
            line.Markup(Quoted(std::to_string(output.ImageHeight)));
            line.Markup("ALT=");
            line.FileName(true);
            line.Markup(">");
            if (output.ClickView) {
                line.Markup("</A>");
            }
            break;
    }
}

// One entry's line, put together as it stands.
class EntryLine {
  public:
    EntryLine(std::string& out, const AddressEntry& entry) : out_(out), entry_(entry) {}
    void Markup(std::string_view text) { out_ += text; }
    void Address(bool quoted) { Put(entry_.Address, quoted); }
    void FileName(bool quoted) { Put(entry_.FileName, quoted); }

  private:
    void Put(std::string_view text, bool quoted) {
        if (quoted) {
            AppendQuoted(out_, text);
        } else {
            out_ += text;
        }
    }

    std::string& out_;
    const AddressEntry& entry_;
};

// The line every entry of a group has, cut where the padded number goes: the
// number has no double quote, so quoting the texts around it quotes the whole.
class GroupLineShape {
  public:
    GroupLineShape(const GroupTexts& texts, bool numbered)
        : texts_(texts), numbered_(numbered), pieces_(1) {}
    void Markup(std::string_view text) { pieces_.back() += text; }
    void Address(bool quoted) {
        PutQuote(quoted);
        Put(texts_.Base, quoted);
        PutFileName(quoted);
        PutQuote(quoted);
    }
    void FileName(bool quoted) {
        PutQuote(quoted);
        PutFileName(quoted);
        PutQuote(quoted);
    }
    const std::vector<std::string>& Pieces() const { return pieces_; }

  private:
    // The quote that opens or closes a quoted text.
    void PutQuote(bool quoted) {
        if (quoted) {
            pieces_.back() += '"';
        }
    }
    void PutFileName(bool quoted) {
        Put(texts_.Front, quoted);
        if (numbered_) {
            pieces_.emplace_back();
        }
        Put(texts_.Rear, quoted);
    }
    void Put(std::string_view text, bool quoted) {
        if (quoted) {
            AppendDoublingQuotes(pieces_.back(), text);
        } else {
            pieces_.back() += text;
        }
    }

    const GroupTexts& texts_;
    bool numbered_;
    std::vector<std::string> pieces_;
};

// A line in the sink's own form, with places for the number. The number is
// ASCII, so the pieces formed apart form the whole line. The number's text
// keeps its length until the width rises, so the line is put together again
// only then; in between only the digits that changed are written over.
class FormedLine {
  public:
    FormedLine(const LineSink& out, const std::vector<std::string>& pieces) {
        pieces_.reserve(pieces.size());
        for (const std::string& piece : pieces) {
            pieces_.push_back(out.InOwnForm(piece));
        }
        Compose({});
    }

    // `changed`: how many characters at the end of the number differ from
    // the number before.
    void Write(LineSink& out, std::string_view number, std::size_t changed) {
        if (number.size() != numberSize_) {
            Compose(number);
        } else {
            const std::size_t from = number.size() - changed;
            for (const std::size_t at : places_) {
                for (std::size_t i = from; i < number.size(); ++i) {
                    line_[at + i] = number[i];
                }
            }
        }
        out.AddOwnFormLine(line_);
    }

  private:
    void Compose(std::string_view number) {
        line_ = pieces_.front();
        places_.clear();
        for (auto piece = pieces_.begin() + 1; piece != pieces_.end(); ++piece) {
            places_.push_back(line_.size());
            line_ += number;
            line_ += *piece;
        }
        numberSize_ = number.size();
    }

    std::vector<std::string> pieces_;
    std::string line_;
    std::vector<std::size_t> places_;
    std::size_t numberSize_ = 0;
};

}  // namespace

// Attribute values are in double quotes, each double quote inside doubled.
void ComposeLine(std::string& line, const AddressEntry& entry, const PatternRequest& request) {
    line.clear();
    EntryLine out(line, entry);
    PutLineForm(out, request);
}

namespace {

// The header, what `body` writes, and the footer: the HTML kinds are framed,
// the list kind has only its lines.
template <class Body>
void WriteFramed(const PreparedRun& run, const DocumentFrame& frame, LineSink& out, Body&& body) {
    const bool framed = IsHtmlKind(run.Request.Kind);
    if (framed) {
        frame.InsertHeader(out, run.Title);
    }
    body();
    if (framed) {
        frame.AppendFooter(out);
    }
}

// A "<HR>" before each group when asked for, and a "<BR>" after the lines of
// multiples of 10 in the HTML kind.
bool RulesGroups(const PatternRequest& request) {
    return IsHtmlKind(request.Kind) && request.Output.Separator;
}

bool BreaksAfter(const PatternRequest& request, std::int32_t n) {
    return request.Kind == MakeType::Html && n % 10 == 0;
}

// Turns the entries that come into lines, each composed on its own.
class DocumentBody : public ExpansionSink {
  public:
    DocumentBody(const PatternRequest& request, LineSink& out) : request_(request), out_(out) {}

    void BeginGroup(const std::string&) override {
        if (RulesGroups(request_)) {
            out_.AddLine("<HR>");
        }
    }

    void Entry(const AddressEntry& entry) override {
        ComposeLine(line_, entry, request_);
        out_.AddLine(line_);
        if (BreaksAfter(request_, entry.Number)) {
            out_.AddLine("<BR>");
        }
    }

  private:
    const PatternRequest& request_;
    LineSink& out_;
    std::string line_;
};

}  // namespace

// What a group's lines share is composed, and put in the sink's own form,
// once for the group; each line then only gets its number.
void WriteDocument(const PreparedRun& run, const DocumentFrame& frame, LineSink& out) {
    const PatternRequest& request = run.Request;
    WriteFramed(run, frame, out, [&] {
        FormedLine rule(out, {"<HR>"});
        FormedLine lineBreak(out, {"<BR>"});
        FormedLine line(out, {""});
        WalkRun(
            request, run.Range, run.Title, run.Values,
            [&](const std::string&, const GroupTexts& texts) {
                if (RulesGroups(request)) {
                    rule.Write(out, {}, 0);
                }
                GroupLineShape shape(texts, run.Range.Numbered);
                PutLineForm(shape, request);
                line = FormedLine(out, shape.Pieces());
            },
            [&](std::int32_t n, std::string_view padded, std::size_t changed) {
                line.Write(out, padded, changed);
                if (BreaksAfter(request, n)) {
                    lineBreak.Write(out, {}, 0);
                }
            });
    });
}

void WriteDocument(const PreparedRun& run, const DocumentFrame& frame, LineSink& out,
                   const EntrySource& entries) {
    WriteFramed(run, frame, out, [&] {
        DocumentBody body(run.Request, out);
        entries(body);
    });
}

}  // namespace zarnet
