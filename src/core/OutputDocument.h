#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/PatternExpansion.h"

namespace zarnet {

// Where output lines go: the preview's text, a file, a buffer.
class LineSink {
  public:
    virtual ~LineSink() = default;
    virtual void AddLine(std::string_view line) = 0;
    // A line read as code page 932 `bytes` (a template's), `line` being its
    // reading. Sinks that write code page 932 write the bytes as they are.
    virtual void AddCodePageLine([[maybe_unused]] std::string_view bytes, std::string_view line) {
        AddLine(line);
    }

    // Lines that share most of their text, in the sink's own form (its
    // encoding): the shared pieces take that form once, through InOwnForm(),
    // and each line put together from them goes to AddOwnFormLine(). By
    // default the own form is the text itself, and such a line goes to
    // AddLine(); a sink that writes bytes overrides both.
    virtual std::string InOwnForm(std::string_view text) const { return std::string(text); }
    virtual void AddOwnFormLine(std::string_view line) { AddLine(line); }
};

class LineListSink : public LineSink {
  public:
    void AddLine(std::string_view line) override { Lines.emplace_back(line); }
    std::vector<std::string> Lines;
};

// The lines as one text, each followed by "\n". Split by the program's line
// rules it gives back exactly these lines, a last empty one included.
class TextSink : public LineSink {
  public:
    void AddLine(std::string_view line) override {
        Text += line;
        Text += '\n';
    }
    std::string Text;
};

// What frames the two HTML kinds: the header and footer templates.
class DocumentFrame {
  public:
    virtual ~DocumentFrame() = default;
    virtual void InsertHeader(LineSink& lines, const std::string& title) const = 0;
    virtual void AppendFooter(LineSink& lines) const = 0;
    // The length in bytes of the longest line InsertHeader would add for the
    // title, counted without building it; 0 for a header of no lines.
    virtual std::uint64_t LongestHeaderLine(const std::string& title) const = 0;
};

// The entry's line in the request's kind and switches, into `line`: one line
// as WriteDocument writes it.
void ComposeLine(std::string& line, const AddressEntry& entry, const PatternRequest& request);

// The whole document of a prepared run: the lines of its kind, framed by the
// header and the footer in the HTML kinds.
void WriteDocument(const PreparedRun& run, const DocumentFrame& frame, LineSink& out);

// What a document holds instead of every entry of its run.
using EntrySource = std::function<void(ExpansionSink&)>;
// The same document, framed and laid out as the run's, of the entries that
// `entries` gives.
void WriteDocument(const PreparedRun& run, const DocumentFrame& frame, LineSink& out,
                   const EntrySource& entries);

}  // namespace zarnet
