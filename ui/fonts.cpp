#include "fonts.h"

#include <QApplication>

namespace vintorp::ui {
namespace {

// Liberation Sans is within a few pixels of Tahoma on the longest labels at
// 11 px; DejaVu Sans, the usual fallback, is 15 % wider.
const QStringList kSubstitutes
    = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Arimo")};

QFont pixelFont(const QString& family, bool bold)
{
    QFont font(family);
    font.setPixelSize(11);
    font.setBold(bold);
    // Vertical-only hinting keeps glyph advances at their design widths, so
    // text is as wide on every machine whatever its font configuration says.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

}  // namespace

QFont windowFont()
{
    return pixelFont(QStringLiteral("Tahoma"), false);
}

QFont labelFont(bool bold)
{
    return pixelFont(QStringLiteral("MS Sans Serif"), bold);
}

void installFonts(QApplication& app)
{
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), kSubstitutes);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), kSubstitutes);
    app.setFont(windowFont());
}

}  // namespace vintorp::ui
