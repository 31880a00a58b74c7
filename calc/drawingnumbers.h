// The drawing's numbers: the fourteen texts the drawing fields show, each
// read once by the number text rules. The cut template, its assembly drawing
// and the winding space all take their sizes from here, so they cannot read
// a text two ways.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "drawingfields.h"

namespace vintorp::calc {

// The drawing's texts by field name (Edit2 ... Edit16), as the drawing
// window and the batch tool hold them.
using DrawingTexts = std::map<std::string, std::string, std::less<>>;

// One field as read.
struct DrawingNumber {
    std::string text;  // as the drawing shows it; empty for a field not given
    std::optional<double> value;  // nothing: a text parseNumber rejects
};

struct DrawingNumbers {
    std::string sep;  // the decimal separator the texts were read with
    std::array<DrawingNumber, kDrawingFieldTable.size()> fields;  // in the table's order

    // A field by name; an unknown name is a programming error: std::out_of_range.
    const DrawingNumber& operator[](std::string_view name) const;
};

// Reads every field of `texts` with the separator `sep`; a field missing
// from `texts` reads as an empty text, which is no number.
DrawingNumbers readDrawingNumbers(const DrawingTexts& texts, std::string_view sep);

}  // namespace vintorp::calc
