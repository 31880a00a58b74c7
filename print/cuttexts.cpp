#include "print/cuttexts.h"

#include "calc/drawingfields.h"

#include <QCoreApplication>

namespace vintorp::print {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CutTemplate", text);
}

QString text(const calc::CutSet& set, std::string_view field)
{
    const auto it = set.texts.find(field);
    return it == set.texts.end() ? QString() : QString::fromStdString(it->second);
}

}  // namespace

QString templateTitle()
{
    return tr("Шаблон каркаса катушки");
}

QStringList pieceLabel(const calc::CutSet& set, const calc::CutPart& part, const PlacedPiece& piece)
{
    using calc::PartKind;
    namespace f = calc::field;
    QStringList lines;
    switch (part.kind) {
    case PartKind::Cheek:
        lines << tr("Щека %1 из %2").arg(part.number).arg(part.count)
              << tr("%1 × %2, окно %3 × %4")
                     .arg(text(set, f::CheekWidth), text(set, f::CheekHeight), text(set, f::CheekWindowWidth),
                          text(set, f::CheekWindowHeight));
        break;
    case PartKind::TabbedWall:
        lines
            << tr("Стенка с выступами %1 из %2").arg(part.number).arg(part.count)
            << tr("выс. %1 (%2; %3)")
                   .arg(text(set, f::TabbedWallHeight), text(set, f::TabbedWallBetweenTabs),
                        text(set, f::TabbedWallMiddleHeight))
            << tr("шир. %1 / %2").arg(text(set, f::TabbedWallWideWidth), text(set, f::TabbedWallNarrowWidth));
        break;
    case PartKind::PlainWall:
        lines << tr("Гладкая стенка %1 из %2").arg(part.number).arg(part.count)
              << tr("выс. %1 (%2)").arg(text(set, f::PlainWallHeight), text(set, f::PlainWallMiddleHeight))
              << tr("шир. %1 / %2").arg(text(set, f::PlainWallWideWidth), text(set, f::PlainWallNarrowWidth));
        break;
    }
    lines << tr("материал %1 мм").arg(text(set, f::Thickness));
    if (part.holesLeftOut)
        lines << tr("отверстия не размечены:") << tr("полоса у окна узка");
    if (piece.tiled()) {
        lines << tr("часть %1 из %2: ряд %3, столбец %4")
                     .arg(piece.row * piece.columns + piece.column + 1)
                     .arg(piece.rows * piece.columns)
                     .arg(piece.row + 1)
                     .arg(piece.column + 1)
              << tr("склейте с соседними частями,")
              << tr("совместив метки ⊕ (перекрытие %1 мм)").arg(kTileOverlap);
    }
    return lines;
}

QString pageHeader(const calc::CutSet& set, int page, int pages)
{
    return tr("%1 · лист %2 из %3 · каркасов: %4 · вырезать по сплошным линиям")
        .arg(templateTitle())
        .arg(page + 1)
        .arg(pages)
        .arg(set.bobbins);
}

QStringList scaleNote()
{
    return {tr("Печатайте в масштабе 100 %, без подгонки под размер листа."),
            tr("Проверьте: линейка ровно 100 мм, квадрат 10 × 10 мм.")};
}

QString problemMessage(const calc::CutPartsError& error)
{
    using calc::CutProblem;
    const QString field = QString::fromStdString(error.field());
    switch (error.problem()) {
    case CutProblem::NotANumber: return tr("Шаблон не построен: в поле %1 не число.").arg(field);
    case CutProblem::ExponentForm:
        return tr("Шаблон не построен: размер в поле %1 записан с порядком (E), такую деталь не вырезать.")
            .arg(field);
    case CutProblem::NotPositive:
        return tr("Шаблон не построен: размер в поле %1 равен нулю или отрицателен.").arg(field);
    case CutProblem::TooLarge: return tr("Шаблон не построен: размер в поле %1 больше 2 м.").arg(field);
    case CutProblem::WindowTooLarge: return tr("Шаблон не построен: окно щеки не меньше самой щеки.");
    case CutProblem::TabsTooShort:
        return tr("Шаблон не построен: у стенки с выступами нет места для выступов (поле %1).").arg(field);
    case CutProblem::MiddleTooTall:
        return tr("Шаблон не построен: средняя часть стенки не короче самой стенки (поле %1).").arg(field);
    case CutProblem::BadBobbinCount: return tr("Число каркасов должно быть от 1 до 4.");
    }
    return QString::fromUtf8(error.what());
}

}  // namespace vintorp::print
