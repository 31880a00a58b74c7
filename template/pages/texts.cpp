#include "template/pages/texts.h"
#include "template/pages/templateerror.h"

#include "calc/drawingfields.h"

#include <QCoreApplication>

namespace vintorp::cut {
namespace {

// A field's text as the drawing shows it.
QString text(const cut::CutSet& set, std::string_view field)
{
    return QString::fromStdString(set.numbers[field].text);
}

}  // namespace

QString millimetres(const cut::CutSet& set, double value)
{
    return decimalText(value, set.numbers.sep);
}

QString templateTitle()
{
    return CutTemplate::tr("Шаблон каркаса катушки");
}

QStringList pieceLabel(const cut::CutSet& set, const cut::CutPart& part, const PlacedPiece& piece)
{
    using cut::PartKind;
    namespace f = calc::field;
    QStringList lines;
    switch (part.kind) {
    case PartKind::Cheek:
        lines << CutTemplate::tr("Щека %1 из %2").arg(part.number).arg(part.count)
              << CutTemplate::tr("%1 × %2, окно %3 × %4")
                     .arg(text(set, f::CheekWidth), text(set, f::CheekHeight), text(set, f::CheekWindowWidth),
                          text(set, f::CheekWindowHeight));
        if (set.allowances.windowClearance > 0)
            lines << CutTemplate::tr("окно шире на %1 мм с каждой стороны")
                         .arg(millimetres(set, set.allowances.windowClearance));
        break;
    case PartKind::TabbedWall:
        lines << CutTemplate::tr("Стенка с выступами %1 из %2").arg(part.number).arg(part.count)
              << CutTemplate::tr("выс. %1 (%2; %3)")
                     .arg(text(set, f::TabbedWallHeight), text(set, f::TabbedWallBetweenTabs),
                          text(set, f::TabbedWallMiddleHeight))
              << CutTemplate::tr("шир. %1 / %2")
                     .arg(text(set, f::TabbedWallWideWidth), text(set, f::TabbedWallNarrowWidth));
        break;
    case PartKind::PlainWall:
        lines << CutTemplate::tr("Гладкая стенка %1 из %2").arg(part.number).arg(part.count)
              << CutTemplate::tr("выс. %1 (%2)")
                     .arg(text(set, f::PlainWallHeight), text(set, f::PlainWallMiddleHeight))
              << CutTemplate::tr("шир. %1 / %2")
                     .arg(text(set, f::PlainWallWideWidth), text(set, f::PlainWallNarrowWidth));
        break;
    }
    lines << CutTemplate::tr("материал %1 мм").arg(text(set, f::Thickness));
    if (part.holesLeftOut)
        lines << CutTemplate::tr("отверстия не размечены:") << CutTemplate::tr("полоса у окна узка");
    if (piece.tiled()) {
        lines << CutTemplate::tr("часть %1 из %2: ряд %3, столбец %4")
                     .arg(piece.row * piece.columns + piece.column + 1)
                     .arg(piece.rows * piece.columns)
                     .arg(piece.row + 1)
                     .arg(piece.column + 1)
              << CutTemplate::tr("обрежьте по штриховой линии края листа")
              << CutTemplate::tr("и наложите на соседнюю часть по ромбам")
              << CutTemplate::tr("(перекрытие %1 мм)").arg(kTileOverlap);
    }
    return lines;
}

QString assemblyTitle()
{
    return CutTemplate::tr("Сборка");
}

QString frontViewCaption()
{
    return CutTemplate::tr("щека спереди, в окне стенки 1–4");
}

QString sectionCaption()
{
    return CutTemplate::tr("разрез вдоль трубки");
}

QStringList assemblySteps(const cut::CutSet& set)
{
    QString fold = CutTemplate::tr("Отогните выступы по линиям сгиба наружу, на щёки, и приклейте.");
    if (const double overhang = tabOverhang(set); overhang > 0)
        fold += u'\n'
                + CutTemplate::tr("Выступы выйдут за край щёк на %1 мм.").arg(millimetres(set, overhang));
    return {CutTemplate::tr("Вырежьте детали по сплошным линиям; окна щёк — отход."),
            CutTemplate::tr("Сложите трубку: стенки с выступами (1, 3) — вдоль верха и низа окна,\n"
                            "гладкие (2, 4) — по бокам; склейте по углам."),
            CutTemplate::tr("Наденьте щёки на трубку так, чтобы их наружные стороны легли\n"
                            "точно на линии сгиба выступов."),
            fold, CutTemplate::tr("Когда клей высохнет, просверлите размеченные отверстия для выводов.")};
}

QString kerfNote(const cut::CutSet& set)
{
    if (set.allowances.kerf <= 0)
        return CutTemplate::tr("Ширина реза: 0 мм, контуры по размерам чертежа. 1 единица = 1 мм.");
    return CutTemplate::tr("Ширина реза: %1 мм; наружные контуры сдвинуты наружу, окна и отверстия внутрь на "
                           "половину её. 1 единица = 1 мм.")
        .arg(millimetres(set, set.allowances.kerf));
}

QString neighbourNote(Side side, int page)
{
    switch (side) {
    case Side::Left: return CutTemplate::tr("← лист %1").arg(page + 1);
    case Side::Right: return CutTemplate::tr("лист %1 →").arg(page + 1);
    case Side::Top: return CutTemplate::tr("↑ лист %1").arg(page + 1);
    case Side::Bottom: return CutTemplate::tr("↓ лист %1").arg(page + 1);
    }
    return {};
}

QString pageHeader(const cut::CutSet& set, int page, int pages)
{
    return CutTemplate::tr("%1 · лист %2 из %3 · каркасов: %4 · вырезать по сплошным линиям")
        .arg(templateTitle())
        .arg(page + 1)
        .arg(pages)
        .arg(set.bobbins);
}

QStringList scaleNote()
{
    return {CutTemplate::tr("Печатайте в масштабе 100 %, без подгонки под размер листа."),
            CutTemplate::tr("Проверьте: линейка ровно 100 мм, квадрат 10 × 10 мм.")};
}

QStringList legendLines(const cut::CutSet& set)
{
    return {CutTemplate::tr("линия реза"),
            CutTemplate::tr("линия сгиба"),
            CutTemplate::tr("опорная линия"),
            CutTemplate::tr("отход"),
            CutTemplate::tr("сверло %1 мм").arg(millimetres(set, set.allowances.leadHole)),
            CutTemplate::tr("метка совмещения")};
}

}  // namespace vintorp::cut
