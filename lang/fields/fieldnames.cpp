#include "lang/fields/fieldnames.h"

#include "calc/drawingfields.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace vintorp::lang {
namespace {

namespace f = calc::field;

struct FieldWords {
    std::string_view field;
    const char* meaning;  // in full, for the screen reader (context "Accessibility")
    const char* dimension;  // short, for the template's messages (context "CutTemplate")
};

// In the drawing's tab order.
constexpr std::array<FieldWords, calc::kDrawingFieldTable.size()> kFieldWords = {{
    {f::CheekWindowHeight, QT_TRANSLATE_NOOP("Accessibility", "высота окна щеки"),
     QT_TRANSLATE_NOOP("CutTemplate", "высота окна щеки")},
    {f::CheekHeight, QT_TRANSLATE_NOOP("Accessibility", "полная высота щеки"),
     QT_TRANSLATE_NOOP("CutTemplate", "высота щеки")},
    {f::CheekWidth, QT_TRANSLATE_NOOP("Accessibility", "полная ширина щеки"),
     QT_TRANSLATE_NOOP("CutTemplate", "ширина щеки")},
    {f::CheekWindowWidth, QT_TRANSLATE_NOOP("Accessibility", "ширина окна щеки"),
     QT_TRANSLATE_NOOP("CutTemplate", "ширина окна щеки")},
    {f::TabbedWallMiddleHeight,
     QT_TRANSLATE_NOOP("Accessibility", "высота средней части стенок с выступами (1 и 3)"),
     QT_TRANSLATE_NOOP("CutTemplate", "высота средней части стенки с выступами")},
    {f::TabbedWallBetweenTabs,
     QT_TRANSLATE_NOOP("Accessibility", "высота стенок с выступами между линиями выступов, без выступов"),
     QT_TRANSLATE_NOOP("CutTemplate", "расстояние между линиями выступов")},
    {f::TabbedWallHeight,
     QT_TRANSLATE_NOOP("Accessibility", "полная высота стенок с выступами, включая выступы"),
     QT_TRANSLATE_NOOP("CutTemplate", "высота стенки с выступами")},
    {f::TabbedWallNarrowWidth,
     QT_TRANSLATE_NOOP("Accessibility", "ширина верхней и нижней частей стенок с выступами"),
     QT_TRANSLATE_NOOP("CutTemplate", "ширина верхней и нижней частей стенки с выступами")},
    {f::TabbedWallWideWidth,
     QT_TRANSLATE_NOOP("Accessibility", "ширина выступов и средней части стенок с выступами"),
     QT_TRANSLATE_NOOP("CutTemplate", "ширина выступов и средней части стенки")},
    {f::PlainWallMiddleHeight,
     QT_TRANSLATE_NOOP("Accessibility", "высота средней части гладких стенок (2 и 4)"),
     QT_TRANSLATE_NOOP("CutTemplate", "высота средней части гладкой стенки")},
    {f::PlainWallHeight, QT_TRANSLATE_NOOP("Accessibility", "полная высота гладких стенок"),
     QT_TRANSLATE_NOOP("CutTemplate", "высота гладкой стенки")},
    {f::PlainWallNarrowWidth, QT_TRANSLATE_NOOP("Accessibility", "ширина средней части гладких стенок"),
     QT_TRANSLATE_NOOP("CutTemplate", "ширина средней части гладкой стенки")},
    {f::PlainWallWideWidth,
     QT_TRANSLATE_NOOP("Accessibility", "ширина верхней и нижней частей гладких стенок"),
     QT_TRANSLATE_NOOP("CutTemplate", "ширина верхней и нижней частей гладкой стенки")},
    {f::Thickness, QT_TRANSLATE_NOOP("Accessibility", "толщина листового материала"),
     QT_TRANSLATE_NOOP("CutTemplate", "толщина материала")},
}};

const FieldWords* wordsOf(std::string_view field)
{
    const auto it = std::find_if(kFieldWords.begin(), kFieldWords.end(),
                                 [field](const FieldWords& w) { return w.field == field; });
    return it == kFieldWords.end() ? nullptr : &*it;
}

}  // namespace

QString drawingFieldMeaning(std::string_view field)
{
    const FieldWords* words = wordsOf(field);
    return words ? QCoreApplication::translate("Accessibility", words->meaning) : QString();
}

QString dimensionName(std::string_view field)
{
    const FieldWords* words = wordsOf(field);
    return words ? QCoreApplication::translate("CutTemplate", words->dimension)
                 : QString::fromUtf8(field.data(), qsizetype(field.size()));
}

}  // namespace vintorp::lang
