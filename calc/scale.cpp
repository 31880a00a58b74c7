// ScaleByPowerOfTen: v * 10^k with one rounding per table used.
#include "numtext.h"
#include "powers_of_ten.h"

namespace vintorp::calc {

Extended ScaleByPowerOfTen(Extended v, int k)
{
    return detail::ScaleByPowers(v, k);
}

}  // namespace vintorp::calc
