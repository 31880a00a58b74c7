// A size as the windings' messages and table show it.
#pragma once

#include <string>

namespace vintorp::windings {

// `value` with `decimals` places and "." as the separator, never "-0.00":
// fixedText(2.376, 2) -> "2.38"; fixedText(-0.004, 2) -> "0.00".
std::string fixedText(double value, int decimals);

}  // namespace vintorp::windings
