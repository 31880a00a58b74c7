#include "transformerwords.h"

#include "windingsrows.h"
#include "windingstext.h"

#include <QCoreApplication>

#include <cmath>

namespace vintorp::ui {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Transformer", text);
}

}  // namespace

QString transformerWindingName(const windings::TransformerInputs& inputs, std::size_t winding)
{
    if (winding == 0)
        return tr("первичной обмотки «%1»").arg(QString::fromUtf8(windings::kPrimaryName));
    const QString name = winding <= inputs.secondaries.size()
                             ? QString::fromStdString(inputs.secondaries[winding - 1].name).trimmed()
                             : QString();
    return name.isEmpty() ? tr("вторичной обмотки %1").arg(winding) : tr("вторичной обмотки «%1»").arg(name);
}

QString transformerFailureText(const windings::TransformerFailure& failure,
                               const windings::TransformerInputs& inputs, const windings::BuildUp& build,
                               const QString& separator)
{
    using Kind = windings::TransformerFailure::Kind;
    const QString value = plainText(failure.value, separator);
    // "What = value unit: from … to … unit."
    const auto range = [&](const QString& what, const QString& unit) {
        return tr("%1 = %2%3: допустимо %4.")
            .arg(what, value, unit, rangeText(failure.smallest, failure.largest, unit, separator));
    };
    const QString volts = tr(" В"), mm = tr(" мм");
    const QString winding = transformerWindingName(inputs, failure.winding);
    switch (failure.kind) {
    case Kind::Mains: return range(tr("Напряжение сети U₁"), volts);
    case Kind::Frequency: return range(tr("Частота f"), tr(" Гц"));
    case Kind::Flux: return range(tr("Индукция B"), tr(" Тл"));
    case Kind::Stacking: return range(tr("Коэффициент заполнения стали kₛ"), {});
    case Kind::Density: return range(tr("Плотность тока j"), tr(" А/мм²"));
    case Kind::Grade: return range(tr("Класс изоляции"), {});
    case Kind::Temperature: return range(tr("Рабочая температура θ"), tr(" °C"));
    case Kind::CoreLoss: return range(tr("Удельные потери в стали p"), tr(" Вт/кг"));
    case Kind::Between: return range(tr("Изоляция между слоями t"), mm);
    case Kind::Over: return range(tr("Изоляция поверх обмотки u"), mm);
    case Kind::Secondaries: return range(tr("Число вторичных обмоток"), {});
    case Kind::SecondaryName:
        return tr("Название %1 длиннее %2 знаков.").arg(winding).arg(windings::kMaxName);
    case Kind::SecondaryVolts: return range(tr("Напряжение %1 под нагрузкой").arg(winding), volts);
    case Kind::SecondaryAmps: return range(tr("Ток %1").arg(winding), tr(" А"));
    case Kind::Core:
        return tr("Размер сердечника %1 мм — не положительное число: рассчитайте каркас в главном окне.")
            .arg(value);
    case Kind::BuildUp:
        if (build.noRoom)
            return tr("У каркаса нет места для обмоток.");
        if (build.factorProblem)
            return tr("Зазор у щёчки, коэффициент вспучивания или температура в окне обмоток не позволяют "
                      "намотать обмотки: см. вывод окна.");
        if (failure.winding < build.windings.size() && build.windings[failure.winding].problem)
            return tr("Обмотку не намотать — у %1: %2.")
                .arg(winding, problemText(*build.windings[failure.winding].problem));
        return tr("Обмотки не намотать на этот каркас.");
    case Kind::NoWire:
        return tr("Для %1 нет провода: её ток при плотности %2 А/мм² требует сечения меди %3 мм², а у самого "
                  "толстого провода таблицы оно %4 мм². Увеличьте плотность тока или разделите обмотку.")
            .arg(winding, plainText(inputs.density, separator), fixedText(failure.value, 3, separator),
                 fixedText(failure.largest, 3, separator));
    case Kind::Turns:
        if (failure.value > double(windings::kMaxTurns))
            return tr("У %1 выходит %2 витков — больше %3.")
                .arg(winding, fixedText(failure.value, 0, separator), QString::number(windings::kMaxTurns));
        if (failure.winding == 0)
            return tr("Сопротивление первичной обмотки поглощает всё напряжение сети: для такой мощности "
                      "сердечник мал.");
        return tr("У %1 выходит меньше одного витка.").arg(winding);
    case Kind::Unsettled:
        return tr("Расчёт не сошёлся за %1 шагов: витки и провод всё ещё меняются. Результата нет.")
            .arg(windings::kMaxRounds);
    }
    return {};
}

}  // namespace vintorp::ui
