#pragma once

#include <string>
#include <vector>

#include "core/OutputDocument.h"

namespace zarnet {

// The header and footer that frame the HTML kinds, held in memory for the
// whole run and kept in "Header.txt" and "Footer.txt" in the settings folder.
class HtmlTemplates : public DocumentFrame {
  public:
    // The templates' files live in `folder` (beside the program, or the
    // user's settings folder), which ends with its separator.
    explicit HtmlTemplates(std::string folder);

    std::vector<std::string> HeaderLines;
    std::vector<std::string> FooterLines;

    // From the file at `path`, or the built-in default when there is no file
    // there. Raises "ファイル %s は開けません" for a file that cannot be read;
    // the template then keeps its lines.
    void LoadHeader(const std::string& path);
    void LoadFooter(const std::string& path);

    // Write the templates beside the program; always true.
    bool SaveHeader() const;
    bool SaveFooter() const;

    void SetDefaultHeader();
    void SetDefaultFooter();

    std::string HeaderPath() const;
    std::string FooterPath() const;

    // The header lines with every "%%TITLE%%" (ASCII case ignored) replaced by
    // the title; text the title brings in is not searched again.
    void InsertHeader(LineSink& lines, const std::string& title) const override;
    void AppendFooter(LineSink& lines) const override;

    static const std::vector<std::string>& DefaultHeader();
    static const std::vector<std::string>& DefaultFooter();

  private:
    std::string folder_;
};

}  // namespace zarnet
