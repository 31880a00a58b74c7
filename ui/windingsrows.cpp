#include "windingsrows.h"

#include "decimalseparator.h"
#include "windingstext.h"

#include <QCoreApplication>

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
    double wire = kUnread;
    decimal(ColWire, wire);
    row.winding.wire = wire;
    decimal(ColBetween, row.winding.between);
    decimal(ColOver, row.winding.over);
    if (!texts[ColLayerFactor].trimmed().isEmpty()) {
        double factor = kUnread;
        decimal(ColLayerFactor, factor);
        row.winding.layerFactor = factor;
    }
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
    case Problem::WiderThanLength:
    case Problem::Copper:
    case Problem::Grade:
    case Problem::NoWire: return {ColWire, problemText(problem)};
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
    case Problem::Copper: return QCoreApplication::translate("Windings", "медь не из таблицы проводов");
    case Problem::Grade: return QCoreApplication::translate("Windings", "неверный класс изоляции");
    case Problem::NoWire: return QCoreApplication::translate("Windings", "не задан провод");
    }
    return {};
}

QStringList columnHeaders()
{
    return {QCoreApplication::translate("Windings", "Обмотка"),
            QCoreApplication::translate("Windings", "Витков"),
            QCoreApplication::translate("Windings", "Провод, мм"),
            QCoreApplication::translate("Windings", "Между слоями, мм"),
            QCoreApplication::translate("Windings", "Поверх, мм"),
            QCoreApplication::translate("Windings", "Коэф. укладки"),
            QCoreApplication::translate("Windings", "В слое"),
            QCoreApplication::translate("Windings", "Слоёв"),
            QCoreApplication::translate("Windings", "Толщина, мм"),
            QCoreApplication::translate("Windings", "Провод, м")};
}

QStringList columnToolTips()
{
    return {
        QCoreApplication::translate("Windings", "Название обмотки"),
        QCoreApplication::translate("Windings", "Число витков"),
        QCoreApplication::translate("Windings", "Диаметр провода с изоляцией, мм"),
        QCoreApplication::translate("Windings", "Толщина изоляции между слоями обмотки, мм"),
        QCoreApplication::translate("Windings", "Толщина изоляции поверх обмотки, мм"),
        QCoreApplication::translate("Windings", "Коэффициент укладки слоя, %1; пусто — по диаметру провода")
            .arg(rangeText(windings::kMinFactor, windings::kMaxFactor, {}, decimalSeparator())),
        QCoreApplication::translate("Windings", "Витков в слое"),
        QCoreApplication::translate("Windings", "Число слоёв"),
        QCoreApplication::translate("Windings", "Толщина обмотки с изоляцией, мм, без учёта вспучивания"),
        QCoreApplication::translate("Windings", "Длина провода обмотки, м, без выводов")};
}

}  // namespace vintorp::ui
