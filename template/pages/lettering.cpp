#include "template/pages/lettering.h"

#include "template/pages/layout.h"

#include <QFontMetricsF>

namespace vintorp::cut {

QFont templateFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString templateFontFamilies()
{
    return QStringLiteral("'Liberation Sans', Arial, 'DejaVu Sans', sans-serif");
}

namespace {

// Measured large, so that hinting has no say, and scaled down.
constexpr int kProbe = 100;

QFontMetricsF probeMetrics()
{
    QFont font = templateFont();
    font.setPixelSize(kProbe);
    return QFontMetricsF(font);
}

}  // namespace

double labelTextWidth(const QString& text)
{
    return probeMetrics().horizontalAdvance(text) * kLabelEm / kProbe;
}

double labelCapHeight()
{
    return probeMetrics().capHeight() * kLabelEm / kProbe;
}

}  // namespace vintorp::cut
