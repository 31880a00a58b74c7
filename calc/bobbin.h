// The Calculate command: from the six input texts and the core type to the
// fourteen texts of the drawing fields.
//
// Data flow: window layer --(BobbinView)--> Calculate --> numtext (parse,
// format, integer conversions) under fpenv --> BobbinView::setDrawingField.
// Results travel only as texts; four fields are copies of others and the
// cheek height is computed from the cheek width as displayed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "drawingfields.h"
#include "errors.h"

namespace vintorp::calc {

// Item index of the core type radio group; any other value (-1: no item)
// selects neither formula set.
enum CoreType : int { ETypeCore = 0, UTypeCore = 1 };

enum class InputField { A, B, C, H, K, T };

// How many characters each input field holds: the window's fields take no
// more, and a design file that holds more is refused.
inline constexpr std::size_t kDimensionLength = 6;  // A, B, C, H
inline constexpr std::size_t kThicknessLength = 4;  // K, T
constexpr std::size_t inputFieldLength(InputField f)
{
    return f == InputField::K || f == InputField::T ? kThicknessLength : kDimensionLength;
}

// Object names of the input fields in the input window.
std::string_view inputFieldName(InputField f);

// The six operations Calculate needs of the windows.
class BobbinView {
public:
    virtual ~BobbinView() = default;
    virtual std::string inputText(InputField field) const = 0;
    virtual int coreType() const = 0;
    virtual void setDrawingField(std::string_view name, const std::string& text) = 0;
    virtual std::string drawingFieldText(std::string_view name) const = 0;
    // Shows a message that does not end the program's work: the rejection.
    virtual void showMessage(const Error& message) = 0;
    // Shows (or raises) the drawing window and focuses its Print button.
    virtual void showDrawing() = 0;
};

enum class CalcOutcome { Shown, Rejected };

// Runs the command. Throws CalcError (errors.h) when an arithmetic fault or
// a conversion error ends it; fields written before that keep their texts.
CalcOutcome calculate(BobbinView& view, std::string_view sep);

// Ceiling for positive x, truncation plus one for negative x with a fraction.
// Results beyond int32 are the invalid-operation fault, never their low 32
// bits (see the definition for why).
std::int32_t roundUpWhole(double x);

}  // namespace vintorp::calc
