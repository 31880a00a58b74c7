// scaleByPowerOfTen: v * 10^k with one rounding per table used.
#include "numtext.h"
#include "powers_of_ten.h"

namespace vintorp::calc {

Extended scaleByPowerOfTen(Extended v, int k)
{
    return detail::scaleByPowers(v, k);
}

}  // namespace vintorp::calc
