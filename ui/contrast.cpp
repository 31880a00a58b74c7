#include "contrast.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vintorp::ui {
namespace {

// A little over the minimum, so that the colour still reaches it once drawn
// in 8-bit channels.
constexpr double kAimedContrast = kReadableContrast + 0.1;

double channel(double value)
{
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
           + 0.0722 * channel(colour.blueF());
}

// `share` of the way from `from` to `to`, opaque.
QColor mixed(const QColor& from, const QColor& to, double share)
{
    const auto mix = [share](float a, float b) { return a + (b - a) * float(share); };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()));
}

bool reads(const QColor& colour, std::initializer_list<QColor> backgrounds)
{
    return std::all_of(backgrounds.begin(), backgrounds.end(), [&colour](const QColor& back) {
        return contrastRatio(colour, back) >= kAimedContrast;
    });
}

// The least share of the way from `from` to `to` at which the colour reads,
// in steps of 1/64; none if even `to` does not.
std::optional<QColor> leastReadable(const QColor& from, const QColor& to,
                                    std::initializer_list<QColor> backgrounds)
{
    constexpr int kSteps = 64;
    for (int step = 0; step <= kSteps; ++step) {
        const QColor colour = mixed(from, to, double(step) / kSteps);
        if (reads(colour, backgrounds))
            return colour;
    }
    return std::nullopt;
}

}  // namespace

double contrastRatio(const QColor& text, const QColor& back)
{
    const QColor drawn = mixed(back, text, text.alphaF());
    const double a = luminance(drawn);
    const double b = luminance(back);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableColour(const QColor& wanted, const QColor& toward, std::initializer_list<QColor> backgrounds)
{
    const QColor& first = *backgrounds.begin();
    const QColor opaque = mixed(first, wanted, wanted.alphaF());
    if (reads(opaque, backgrounds))
        return opaque;
    if (const std::optional<QColor> colour = leastReadable(opaque, toward, backgrounds))
        return *colour;
    const QColor extreme = luminance(first) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    return leastReadable(toward, extreme, backgrounds).value_or(extreme);
}

void makeCellTextReadable(QPalette& palette, bool hint)
{
    const QColor strong = palette.color(QPalette::Active, QPalette::Text);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor base = palette.color(group, QPalette::Base);
        const QColor text = palette.color(group, QPalette::Text);
        const QColor wanted = hint ? mixed(text, base, 0.5) : text;
        palette.setColor(group, QPalette::Text,
                         readableColour(wanted, hint ? text : strong,
                                        {base, palette.color(group, QPalette::AlternateBase)}));
    }
}

}  // namespace vintorp::ui
