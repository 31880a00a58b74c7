#include "fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace vintorp::ui {
namespace {

// Liberation Sans is within a few pixels of Tahoma on the longest labels at
// 11 px; DejaVu Sans, the usual fallback, is 15 % wider.
const QStringList kSubstitutes
    = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Arimo")};

// The first of family and its substitutes that is installed, or family when
// none is. Asked for a family it does not have, Qt looks through the other
// names of the installed fonts and only then through the substitutes, again
// for each script the first time a font of that family lays out text; a
// font made with an installed family is found at once.
QString installedFamily(const QString& family)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& candidate : QStringList{family} + kSubstitutes) {
        if (installed.contains(candidate, Qt::CaseInsensitive))
            return candidate;
    }
    return family;
}

// Each family is resolved once, when its first font is made.
const QString& windowFamily()
{
    static const QString family = installedFamily(QStringLiteral("Tahoma"));
    return family;
}

const QString& labelFamily()
{
    static const QString family = installedFamily(QStringLiteral("MS Sans Serif"));
    return family;
}

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
    return pixelFont(windowFamily(), false);
}

QFont labelFont(bool bold)
{
    return pixelFont(labelFamily(), bold);
}

void installFonts(QApplication& app)
{
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), kSubstitutes);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), kSubstitutes);
    // The windings window, which has no fixed layout to keep, follows the
    // desktop's font.
    const QFont desktop = QApplication::font();
    app.setFont(windowFont());
    QApplication::setFont(desktop, "vintorp::ui::WindingsWindow");
}

QFont desktopFont(const QWidget* window)
{
    QFont font = QApplication::font(window);
    // Set as a whole, so that the window's controls inherit all of it.
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

}  // namespace vintorp::ui
