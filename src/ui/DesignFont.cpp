#include "ui/DesignFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace zarnet {

namespace {

const QString kDesignFamily = QStringLiteral("ＭＳ Ｐゴシック");

QString ChooseFace() {
    const QStringList families = QFontDatabase::families();
    const QStringList preferred = {
        kDesignFamily,
        QStringLiteral("MS PGothic"),
        QStringLiteral("Noto Sans CJK JP"),
        QStringLiteral("Source Han Sans JP"),
        QStringLiteral("IPAPGothic"),
        QStringLiteral("IPAexGothic"),
        QStringLiteral("VL PGothic"),
        QStringLiteral("TakaoPGothic"),
        QStringLiteral("Meiryo UI"),
        QStringLiteral("Hiragino Sans"),
    };
    for (const QString& face : preferred) {
        if (families.contains(face, Qt::CaseInsensitive)) {
            return face;
        }
    }
    for (const QString& face : families) {
        if (QFontDatabase::writingSystems(face).contains(QFontDatabase::Japanese)) {
            return face;
        }
    }
    return kDesignFamily;
}

}  // namespace

QString DesignFontFace() {
    static const QString face = [] {
        const QString chosen = ChooseFace();
        if (chosen != kDesignFamily) {
            QFont::insertSubstitution(kDesignFamily, chosen);
        }
        return chosen;
    }();
    return face;
}

QFont DesignFont() {
    DesignFontFace();
    QFont font(kDesignFamily);
    font.setPixelSize(kDesignPixelSize);
    return font;
}

}  // namespace zarnet
