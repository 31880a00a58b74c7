#include "drawingnumbers.h"

#include <stdexcept>

#include "errors.h"
#include "fpenv.h"
#include "numtext.h"

namespace vintorp::calc {

const DrawingNumber& DrawingNumbers::operator[](std::string_view name) const
{
    for (std::size_t i = 0; i < kDrawingFieldTable.size(); ++i) {
        if (kDrawingFieldTable[i].name == name)
            return fields[i];
    }
    throw std::out_of_range("no drawing field " + std::string(name));
}

DrawingNumbers readDrawingNumbers(const DrawingTexts& texts, std::string_view sep)
{
    DrawingNumbers numbers{std::string(sep), {}};
    for (std::size_t i = 0; i < kDrawingFieldTable.size(); ++i) {
        DrawingNumber& number = numbers.fields[i];
        const auto it = texts.find(kDrawingFieldTable[i].name);
        if (it == texts.end())
            continue;
        number.text = it->second;
        try {
            // A number beyond the doubles ("1E400") overflows on the way to
            // one: the caller's flags stay as they were.
            const ArithmeticStateGuard guard;
            double value = static_cast<double>(parseNumber(number.text, sep));
            settle(value);
            number.value = value;
        } catch (const ConversionError&) {
        }
    }
    return numbers;
}

}  // namespace vintorp::calc
