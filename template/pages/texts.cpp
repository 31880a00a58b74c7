#include "template/pages/texts.h"
#include "template/pages/templateerror.h"

#include "calc/drawingfields.h"

#include <QCoreApplication>

namespace vintorp::cut {
namespace {

QString text(const cut::CutSet& set, std::string_view field)
{
    const auto it = set.texts.find(field);
    return it == set.texts.end() ? QString() : QString::fromStdString(it->second);
}

// "00E9", "1F600"
QString codePoint(char32_t character)
{
    return QString::number(character, 16).toUpper().rightJustified(4, u'0');
}

}  // namespace

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
              << CutTemplate::tr("склейте с соседними частями,")
              << CutTemplate::tr("совместив метки ⊕ (перекрытие %1 мм)").arg(kTileOverlap);
    }
    return lines;
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

QStringList legendLines()
{
    return {CutTemplate::tr("линия реза"), CutTemplate::tr("линия сгиба"), CutTemplate::tr("опорная линия"),
            CutTemplate::tr("отход")};
}

QString problemMessage(const cut::CutPartsError& error)
{
    using cut::CutProblem;
    const QString field = QString::fromStdString(error.field());
    switch (error.problem()) {
    case CutProblem::NotANumber: return CutTemplate::tr("Шаблон не построен: в поле %1 не число.").arg(field);
    case CutProblem::ExponentForm:
        return CutTemplate::tr(
                   "Шаблон не построен: размер в поле %1 записан с порядком (E), такую деталь не вырезать.")
            .arg(field);
    case CutProblem::NotPositive:
        return CutTemplate::tr("Шаблон не построен: размер в поле %1 равен нулю или отрицателен.").arg(field);
    case CutProblem::TooLarge:
        return CutTemplate::tr("Шаблон не построен: размер в поле %1 больше %2 м.")
            .arg(field)
            .arg(cut::kLargestPart / 1000);
    case CutProblem::WindowTooLarge:
        return CutTemplate::tr("Шаблон не построен: окно щеки не меньше самой щеки.");
    case CutProblem::TabsTooShort:
        return CutTemplate::tr("Шаблон не построен: у стенки с выступами нет места для выступов (поле %1).")
            .arg(field);
    case CutProblem::MiddleTooTall:
        return CutTemplate::tr("Шаблон не построен: средняя часть стенки не короче самой стенки (поле %1).")
            .arg(field);
    case CutProblem::BadBobbinCount:
        return CutTemplate::tr("Число каркасов должно быть от 1 до %1.").arg(cut::kMaxBobbins);
    }
    return QString::fromUtf8(error.what());
}

QString writeFailureMessage(const QString& path, const files::WriteFailure& failure)
{
    QString shown = path;
    shown.replace(QChar(u'\0'), QStringLiteral("\\0"));
    QString why;
    switch (failure.fault) {
    case files::WriteFault::NulInPath: why = CutTemplate::tr("в имени файла есть знак NUL"); break;
    case files::WriteFault::NotARegularFile:
        why = CutTemplate::tr("это не обычный файл, он не будет заменён");
        break;
    case files::WriteFault::System: why = QString::fromStdString(failure.systemReason()); break;
    }
    return CutTemplate::tr("Не удалось записать файл %1: %2").arg(shown, why);
}

QString unwritableCharacterMessage(char32_t character)
{
    return CutTemplate::tr("Шаблон SVG не записан: знак U+%1 в его тексте недопустим в XML.")
        .arg(codePoint(character));
}

QString unwritableDxfCharacterMessage(char32_t character)
{
    return CutTemplate::tr("Шаблон DXF не записан: знак U+%1 в его тексте недопустим в DXF.")
        .arg(codePoint(character));
}

}  // namespace vintorp::cut
