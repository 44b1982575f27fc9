#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/OutputDocument.h"

// The windows' texts are QString; everything below them is UTF-8.
namespace zarnet {

inline QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string ToStd(const QString& text) {
    return text.toStdString();
}

// The lines as a text box's text, each followed by "\n": split by the
// program's line rules it gives back exactly these lines.
inline QString TextOfLines(const std::vector<std::string>& lines) {
    TextSink text;
    for (const std::string& line : lines) {
        text.AddLine(line);
    }
    return ToQt(text.Text);
}

}  // namespace zarnet
