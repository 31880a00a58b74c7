#include "windings/fixedtext.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vintorp::windings {

std::string fixedText(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0)
        rounded = 0;  // no "-0.00"
    std::array<char, 64> text{};
    const auto [end, ec]
        = std::to_chars(text.begin(), text.end(), rounded, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(text.data(), end) : std::string("?");
}

}  // namespace vintorp::windings
