#include "core/SaveName.h"

#include "platform/AsciiText.h"
#include "platform/Paths.h"

namespace zarnet {

// The HTML kinds want ".htm" or ".html", the list ".txt". An empty name
// becomes "Download" with that extension, a wrong extension is replaced and a
// missing one appended; a fitting extension keeps its letter case.
ProposedSave ProposeSaveName(std::string_view fileName, MakeType kind) {
    const bool html = IsHtmlKind(kind);
    ProposedSave proposed;
    proposed.Filter = html ? "HTMLファイル|*.htm;*.html" : "テキストファイル|*.txt";
    const std::string_view wanted = html ? ".html" : ".txt";
    if (fileName.empty()) {
        proposed.FileName = "Download" + std::string(wanted);
        return proposed;
    }
    // The extension starts at the name's last dot after its folder part.
    const std::size_t nameStart = FolderPart(fileName).size();
    const std::size_t dot = fileName.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && dot >= nameStart;
    const std::string_view extension = hasExtension ? fileName.substr(dot) : std::string_view();
    const bool fits = html ? ascii::EqualsIgnoringCase(extension, ".htm") ||
                                 ascii::EqualsIgnoringCase(extension, ".html")
                           : ascii::EqualsIgnoringCase(extension, ".txt");
    if (fits) {
        proposed.FileName = fileName;
    } else {
        proposed.FileName = std::string(hasExtension ? fileName.substr(0, dot) : fileName);
        proposed.FileName += wanted;
    }
    return proposed;
}

}  // namespace zarnet
