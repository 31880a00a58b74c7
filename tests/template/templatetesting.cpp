#include "templatetesting.h"

#include <QProcess>

#include <algorithm>

namespace vintorp::cut::testing {
namespace {

calc::DrawingTexts texts(std::initializer_list<std::pair<const char*, const char*>> values)
{
    calc::DrawingTexts t;
    for (const auto& [name, text] : values)
        t.emplace(name, text);
    return t;
}

}  // namespace

calc::DrawingTexts workedETexts()
{
    return texts({{"Edit15", "1"},
                  {"Edit2", "27,5"},
                  {"Edit16", "27,5"},
                  {"Edit7", "29,5"},
                  {"Edit12", "29,5"},
                  {"Edit8", "38"},
                  {"Edit6", "9"},
                  {"Edit11", "9"},
                  {"Edit14", "25,5"},
                  {"Edit4", "39,5"},
                  {"Edit9", "20,5"},
                  {"Edit5", "22,5"},
                  {"Edit10", "22,5"},
                  {"Edit3", "44"}});
}

calc::DrawingTexts workedUTexts()
{
    calc::DrawingTexts t = workedETexts();
    t["Edit4"] = "29,5";
    t["Edit9"] = "22,5";
    t["Edit5"] = "24,5";
    t["Edit10"] = "24,5";
    t["Edit3"] = "33";
    return t;
}

calc::DrawingTexts largeCoreTexts()
{
    // A 150, B 200, C 100, H 250, T 2, E-type.
    return texts({{"Edit15", "2"},
                  {"Edit2", "204,5"},
                  {"Edit16", "204,5"},
                  {"Edit7", "249,5"},
                  {"Edit12", "249,5"},
                  {"Edit8", "266"},
                  {"Edit6", "75"},
                  {"Edit11", "75"},
                  {"Edit14", "200,5"},
                  {"Edit4", "349,5"},
                  {"Edit9", "150,5"},
                  {"Edit5", "154,5"},
                  {"Edit10", "154,5"},
                  {"Edit3", "385"}});
}

calc::DrawingTexts turnedWallsTexts()
{
    // A 80, B 100, C 60, H 160, T 2, E-type.
    return texts({{"Edit15", "2"},
                  {"Edit2", "104,5"},
                  {"Edit16", "104,5"},
                  {"Edit7", "159,5"},
                  {"Edit12", "159,5"},
                  {"Edit8", "176"},
                  {"Edit6", "48"},
                  {"Edit11", "48"},
                  {"Edit14", "100,5"},
                  {"Edit4", "199,5"},
                  {"Edit9", "80,5"},
                  {"Edit5", "84,5"},
                  {"Edit10", "84,5"},
                  {"Edit3", "220"}});
}

ToolRun runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput()};
}

QRectF inkBox(const QImage& image, const QRectF& regionMm, double pixelsPerMm, Ink ink)
{
    const QRect region = QRectF(regionMm.topLeft() * pixelsPerMm, regionMm.size() * pixelsPerMm)
                             .toAlignedRect()
                             .intersected(image.rect());
    int left = region.right() + 1, right = region.left() - 1, top = region.bottom() + 1,
        bottom = region.top() - 1;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            const bool dark = qRed(p) < 160 && qBlue(p) < 160;
            const bool olive = qRed(p) > 120 && qBlue(p) < 150 && qRed(p) - qBlue(p) > 60
                               && std::abs(qRed(p) - qGreen(p)) < 40;
            if (ink == Ink::Dark ? dark : olive) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < left)
        return {};
    return QRectF(left / pixelsPerMm, top / pixelsPerMm, (right - left + 1) / pixelsPerMm,
                  (bottom - top + 1) / pixelsPerMm);
}

}  // namespace vintorp::cut::testing
