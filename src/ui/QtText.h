#pragma once

#include <QString>
#include <string>

// The windows' texts are QString; everything below them is UTF-8.
namespace zarnet {

inline QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string ToStd(const QString& text) {
    return text.toStdString();
}

}  // namespace zarnet
