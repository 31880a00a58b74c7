#include "transformerwords.h"

#include "windingsrows.h"
#include "windingstext.h"

#include <QCoreApplication>

#include <cmath>

namespace vintorp::ui {
QString transformerWindingName(const windings::TransformerInputs& inputs, std::size_t winding)
{
    if (winding == 0)
        return QCoreApplication::translate("Transformer", "первичной обмотки «%1»")
            .arg(QString::fromUtf8(windings::kPrimaryName));
    const QString name = winding <= inputs.secondaries.size()
                             ? QString::fromStdString(inputs.secondaries[winding - 1].name).trimmed()
                             : QString();
    return name.isEmpty() ? QCoreApplication::translate("Transformer", "вторичной обмотки %1").arg(winding)
                          : QCoreApplication::translate("Transformer", "вторичной обмотки «%1»").arg(name);
}

QString transformerFailureText(const windings::TransformerFailure& failure,
                               const windings::TransformerInputs& inputs, const windings::BuildUp& build,
                               const QString& separator)
{
    using Kind = windings::TransformerFailure::Kind;
    const QString value = plainText(failure.value, separator);
    // "What = value unit: from … to … unit."
    const auto range = [&](const QString& what, const QString& unit) {
        return QCoreApplication::translate("Transformer", "%1 = %2%3: допустимо %4.")
            .arg(what, value, unit, rangeText(failure.smallest, failure.largest, unit, separator));
    };
    const QString volts = QCoreApplication::translate("Transformer", " В"),
                  mm = QCoreApplication::translate("Transformer", " мм");
    const QString winding = transformerWindingName(inputs, failure.winding);
    switch (failure.kind) {
    case Kind::Mains: return range(QCoreApplication::translate("Transformer", "Напряжение сети U₁"), volts);
    case Kind::Frequency:
        return range(QCoreApplication::translate("Transformer", "Частота f"),
                     QCoreApplication::translate("Transformer", " Гц"));
    case Kind::Flux:
        return range(QCoreApplication::translate("Transformer", "Индукция B"),
                     QCoreApplication::translate("Transformer", " Тл"));
    case Kind::Stacking:
        return range(QCoreApplication::translate("Transformer", "Коэффициент заполнения стали kₛ"), {});
    case Kind::Density:
        return range(QCoreApplication::translate("Transformer", "Плотность тока j"),
                     QCoreApplication::translate("Transformer", " А/мм²"));
    case Kind::Grade: return range(QCoreApplication::translate("Transformer", "Класс изоляции"), {});
    case Kind::Temperature:
        return range(QCoreApplication::translate("Transformer", "Рабочая температура θ"),
                     QCoreApplication::translate("Transformer", " °C"));
    case Kind::CoreLoss:
        return range(QCoreApplication::translate("Transformer", "Удельные потери в стали p"),
                     QCoreApplication::translate("Transformer", " Вт/кг"));
    case Kind::Between:
        return range(QCoreApplication::translate("Transformer", "Изоляция между слоями t"), mm);
    case Kind::Over:
        return range(QCoreApplication::translate("Transformer", "Изоляция поверх обмотки u"), mm);
    case Kind::Secondaries:
        return range(QCoreApplication::translate("Transformer", "Число вторичных обмоток"), {});
    case Kind::SecondaryName:
        return QCoreApplication::translate("Transformer", "Название %1 длиннее %2 знаков.")
            .arg(winding)
            .arg(windings::kMaxName);
    case Kind::SecondaryVolts:
        return range(QCoreApplication::translate("Transformer", "Напряжение %1 под нагрузкой").arg(winding),
                     volts);
    case Kind::SecondaryAmps:
        return range(QCoreApplication::translate("Transformer", "Ток %1").arg(winding),
                     QCoreApplication::translate("Transformer", " А"));
    case Kind::Core:
        return QCoreApplication::translate(
                   "Transformer",
                   "Размер сердечника %1 мм — не положительное число: рассчитайте каркас в главном окне.")
            .arg(value);
    case Kind::BuildUp:
        if (build.noRoom)
            return QCoreApplication::translate("Transformer", "У каркаса нет места для обмоток.");
        if (build.factorProblem)
            return QCoreApplication::translate(
                "Transformer",
                "Зазор у щеки, коэффициент вспучивания или температура в окне обмоток не позволяют "
                "намотать обмотки: см. вывод окна.");
        if (failure.winding < build.windings.size() && build.windings[failure.winding].problem)
            return QCoreApplication::translate("Transformer", "Обмотку не намотать — у %1: %2.")
                .arg(winding, problemText(*build.windings[failure.winding].problem));
        return QCoreApplication::translate("Transformer", "Обмотки не намотать на этот каркас.");
    case Kind::NoWire:
        return QCoreApplication::translate(
                   "Transformer",
                   "Для %1 нет провода: её ток при плотности %2 А/мм² требует сечения меди %3 мм², а у "
                   "самого "
                   "толстого провода таблицы оно %4 мм². Увеличьте плотность тока или разделите обмотку.")
            .arg(winding, plainText(inputs.density, separator), fixedText(failure.value, 3, separator),
                 fixedText(failure.largest, 3, separator));
    case Kind::Turns:
        if (failure.value > double(windings::kMaxTurns))
            return QCoreApplication::translate("Transformer", "У %1 выходит %2 витков — больше %3.")
                .arg(winding, fixedText(failure.value, 0, separator), QString::number(windings::kMaxTurns));
        if (failure.winding == 0)
            return QCoreApplication::translate(
                "Transformer",
                "Сопротивление первичной обмотки поглощает всё напряжение сети: для такой мощности "
                "сердечник мал.");
        return QCoreApplication::translate("Transformer", "У %1 выходит меньше одного витка.").arg(winding);
    case Kind::Unsettled:
        return QCoreApplication::translate(
                   "Transformer",
                   "Расчёт не сошёлся за %1 шагов: витки и провод всё ещё меняются. Результата нет. "
                   "Ток первичной обмотки лежит на границе двух проводов: плотность тока чуть больше или "
                   "меньше это обычно исправляет.")
            .arg(windings::kMaxRounds);
    }
    return {};
}

}  // namespace vintorp::ui
