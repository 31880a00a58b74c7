// The rows of the windings table: its columns, the windings read from the
// texts typed into them, and why a cell holds no usable value.
#pragma once

#include "windings/buildup.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace vintorp::ui {

enum WindingColumn : int {
    ColName,
    ColTurns,
    ColCopper,  // the copper's diameter; empty: not known
    ColGrade,  // the insulation grade, for the outer diameter by the copper; empty: the default
    ColWire,  // the outer diameter; empty: by the copper
    ColBetween,
    ColOver,
    ColLayerFactor,  // empty: by the wire
    // Results, read-only.
    ColPerLayer,
    ColLayers,
    ColBuild,
    ColWireLength,
    ColOhmsCold,  // of a winding whose copper is known
    ColOhmsWarm,
    ColCopperGrams,
    ColumnCount
};
inline constexpr int kInputColumns = ColPerLayer;

// The item role that holds what an empty input cell shows greyed, as text:
// the default layer factor, the outer diameter by the wire table, the
// default grade.
inline constexpr int kShownWhenEmptyRole = Qt::UserRole + 1;
// The item role that says a cell's text runs on across the rest of its row
// (bool): a winding's problem, said across its results.
inline constexpr int kRunsAcrossRole = Qt::UserRole + 2;

// What is typed into a row's input columns, in column order.
using RowTexts = std::array<QString, kInputColumns>;

struct CellFault {
    int column = 0;
    QString reason;  // in the interface language
};

struct ReadRow {
    // A value that cannot be read is left out of its range (0 turns, NaN), so
    // that the build-up reports the winding's problem too.
    windings::Winding winding;
    std::vector<CellFault> faults;
};

ReadRow readRow(const RowTexts& texts, const QString& separator);

// A range as the messages say it: rangeText(0.02, 10, " мм", ",") -> "от
// 0,02 до 10 мм"; a whole number without decimals.
QString rangeText(double low, double high, const QString& unit, const QString& separator);

// The cell a problem of the build-up is about and why, in the interface
// language; WiderThanLength is about the wire's cell, NoWire the copper's.
CellFault problemFault(windings::Problem problem, const QString& separator);

// What a winding's problem is, as said in its results: "провод шире длины
// намотки".
QString problemText(windings::Problem problem);

// The headers of the columns and their tool tips, in the interface language;
// the warm resistance's header names the working temperature `celsius`.
QStringList columnHeaders(double celsius);
QStringList columnToolTips();

}  // namespace vintorp::ui
