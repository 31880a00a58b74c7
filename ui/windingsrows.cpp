#include "windingsrows.h"

#include "decimalseparator.h"
#include "windingstext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vintorp::ui {
namespace {

QString number(double value, const QString& separator)
{
    return fixedText(value, value == std::floor(value) ? 0 : 2, separator);
}

}  // namespace

QString rangeText(double low, double high, const QString& unit, const QString& separator)
{
    return QCoreApplication::translate("Windings", "от %1 до %2%3")
        .arg(number(low, separator), number(high, separator), unit);
}

ReadRow readRow(const RowTexts& texts, const QString& separator)
{
    constexpr double kUnread = std::numeric_limits<double>::quiet_NaN();
    ReadRow row;
    row.winding.name = texts[ColName].trimmed().toStdString();
    const auto cannotRead = [&](int column) {
        row.faults.push_back({column, texts[column].trimmed().isEmpty()
                                          ? QCoreApplication::translate("Windings", "Введите число")
                                          : QCoreApplication::translate("Windings", "Не число")});
    };
    if (const auto turns = wholeValue(texts[ColTurns]))
        row.winding.turns = *turns;
    else
        cannotRead(ColTurns);
    const auto decimal = [&](int column, double& into) {
        if (const auto value = decimalValue(texts[column], separator))
            into = *value;
        else {
            into = kUnread;
            cannotRead(column);
        }
    };
    // The wire by its outer diameter, by its copper, or both (the outer
    // diameter is then the one used); neither is the build-up's to report.
    const auto optionalDecimal = [&](int column) -> std::optional<double> {
        if (texts[column].trimmed().isEmpty())
            return std::nullopt;
        double value = kUnread;
        decimal(column, value);
        return value;
    };
    row.winding.copper = optionalDecimal(ColCopper);
    row.winding.wire = optionalDecimal(ColWire);
    if (!texts[ColGrade].trimmed().isEmpty()) {
        // Out of its range it stays out (the build-up says so), as an int.
        if (const auto grade = wholeValue(texts[ColGrade]))
            row.winding.grade
                = int(std::clamp<long>(*grade, windings::kMinGrade - 1, windings::kMaxGrade + 1));
        else {
            row.winding.grade = 0;
            cannotRead(ColGrade);
        }
    }
    decimal(ColBetween, row.winding.between);
    decimal(ColOver, row.winding.over);
    row.winding.layerFactor = optionalDecimal(ColLayerFactor);
    return row;
}

CellFault problemFault(windings::Problem problem, const QString& separator)
{
    using windings::Problem;
    const QString mm = QCoreApplication::translate("Windings", " мм");
    switch (problem) {
    case Problem::Turns:
        return {ColTurns, QCoreApplication::translate("Windings", "Витков: %1")
                              .arg(rangeText(1, double(windings::kMaxTurns), {}, separator))};
    case Problem::Wire:
        return {ColWire, QCoreApplication::translate("Windings", "Диаметр провода: %1")
                             .arg(rangeText(windings::kMinWire, windings::kMaxWire, mm, separator))};
    case Problem::Between:
        return {ColBetween, QCoreApplication::translate("Windings", "Изоляция между слоями: %1")
                                .arg(rangeText(0, windings::kMaxInsulation, mm, separator))};
    case Problem::Over:
        return {ColOver, QCoreApplication::translate("Windings", "Изоляция поверх обмотки: %1")
                             .arg(rangeText(0, windings::kMaxInsulation, mm, separator))};
    case Problem::LayerFactor:
        return {ColLayerFactor,
                QCoreApplication::translate("Windings", "Коэффициент укладки: %1")
                    .arg(rangeText(windings::kMinFactor, windings::kMaxFactor, {}, separator))};
    case Problem::WiderThanLength: return {ColWire, problemText(problem)};
    case Problem::Copper: {
        const windings::CopperRange range = windings::copperRange();
        return {ColCopper, QCoreApplication::translate("Windings", "Диаметр меди: %1")
                               .arg(rangeText(range.smallest, range.largest, mm, separator))};
    }
    case Problem::Grade:
        return {ColGrade, QCoreApplication::translate("Windings", "Класс изоляции: %1")
                              .arg(rangeText(windings::kMinGrade, windings::kMaxGrade, {}, separator))};
    case Problem::NoWire:
        return {ColCopper, QCoreApplication::translate(
                               "Windings", "Введите диаметр меди или диаметр провода с изоляцией")};
    }
    return {ColName, {}};
}

QString problemText(windings::Problem problem)
{
    using windings::Problem;
    switch (problem) {
    case Problem::Turns: return QCoreApplication::translate("Windings", "неверное число витков");
    case Problem::Wire: return QCoreApplication::translate("Windings", "неверный диаметр провода");
    case Problem::Between: return QCoreApplication::translate("Windings", "неверная изоляция между слоями");
    case Problem::Over: return QCoreApplication::translate("Windings", "неверная изоляция поверх");
    case Problem::LayerFactor: return QCoreApplication::translate("Windings", "неверный коэффициент укладки");
    case Problem::WiderThanLength:
        return QCoreApplication::translate("Windings", "провод шире длины намотки");
    case Problem::Copper: return QCoreApplication::translate("Windings", "неверный диаметр меди");
    case Problem::Grade: return QCoreApplication::translate("Windings", "неверный класс изоляции");
    case Problem::NoWire: return QCoreApplication::translate("Windings", "не задан провод");
    }
    return {};
}

QStringList columnHeaders(double celsius)
{
    return {QCoreApplication::translate("Windings", "Обмотка"),
            QCoreApplication::translate("Windings", "Витков"),
            QCoreApplication::translate("Windings", "Медь, мм"),
            QCoreApplication::translate("Windings", "Изоляция"),
            QCoreApplication::translate("Windings", "⌀ с изоляцией, мм"),
            QCoreApplication::translate("Windings", "Между слоями, мм"),
            QCoreApplication::translate("Windings", "Поверх, мм"),
            QCoreApplication::translate("Windings", "Коэф. укладки"),
            QCoreApplication::translate("Windings", "В слое"),
            QCoreApplication::translate("Windings", "Слоёв"),
            QCoreApplication::translate("Windings", "Толщина, мм"),
            QCoreApplication::translate("Windings", "Длина провода, м"),
            QCoreApplication::translate("Windings", "R при 20 °C, Ом"),
            QCoreApplication::translate("Windings", "R при %1 °C, Ом").arg(celsius, 0, 'f', 0),
            QCoreApplication::translate("Windings", "Медь, г")};
}

QStringList columnToolTips()
{
    return {
        QCoreApplication::translate("Windings", "Название обмотки"),
        QCoreApplication::translate("Windings", "Число витков"),
        QCoreApplication::translate("Windings",
                                    "Диаметр меди провода, мм, %1; пусто — провод задан диаметром "
                                    "с изоляцией")
            .arg(rangeText(windings::copperRange().smallest, windings::copperRange().largest,
                           QCoreApplication::translate("Windings", " мм"), decimalSeparator())),
        QCoreApplication::translate("Windings",
                                    "Класс изоляции по IEC 60317: 1, 2 или 3; пусто — 2. В русской "
                                    "практике ПЭВ-1 примерно класс 1, ПЭВ-2 и ПЭТВ-2 — примерно класс 2"),
        QCoreApplication::translate("Windings",
                                    "Наружный диаметр провода с изоляцией, мм; пусто — по таблице "
                                    "проводов из диаметра меди и класса изоляции"),
        QCoreApplication::translate("Windings", "Толщина изоляции между слоями обмотки, мм"),
        QCoreApplication::translate("Windings", "Толщина изоляции поверх обмотки, мм"),
        QCoreApplication::translate("Windings", "Коэффициент укладки слоя, %1; пусто — по диаметру провода")
            .arg(rangeText(windings::kMinFactor, windings::kMaxFactor, {}, decimalSeparator())),
        QCoreApplication::translate("Windings", "Витков в слое"),
        QCoreApplication::translate("Windings", "Число слоёв"),
        QCoreApplication::translate("Windings", "Толщина обмотки с изоляцией, мм, без учёта вспучивания"),
        QCoreApplication::translate("Windings", "Длина провода обмотки, м, без выводов"),
        QCoreApplication::translate("Windings", "Сопротивление обмотки при 20 °C, Ом, без выводов"),
        QCoreApplication::translate("Windings",
                                    "Сопротивление обмотки при рабочей температуре, Ом, без выводов"),
        QCoreApplication::translate("Windings", "Масса меди обмотки, г, без выводов")};
}

}  // namespace vintorp::ui
