#pragma once

#include <QFont>
#include <QString>

namespace zarnet {

inline constexpr int kDesignPixelSize = 12;

// The windows' font: "ＭＳ Ｐゴシック", kDesignPixelSize pixels high. Where the system lacks
// that face, a Japanese sans-serif face it has stands in under the same name,
// so Japanese text shows and the name still goes to the settings unchanged.
QFont DesignFont();

// The face that actually draws "ＭＳ Ｐゴシック" here.
QString DesignFontFace();

}  // namespace zarnet
