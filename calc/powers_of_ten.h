// The three tables of powers of ten behind scaleByPowerOfTen.
//
// Each entry is the extended value nearest to its power (ties to even),
// written as a 64-bit integer significand times a power of two so that the
// literal is exact. The entries were derived with exact integer arithmetic:
// for 10^k with b = bit length of 10^k > 64, the significand is
// 10^k / 2^(b-64) rounded to nearest-even and the exponent is b-64. Powers
// up to 10^27 fit the significand and are exact.
#pragma once

#include <limits>

#include "numtext.h"

namespace vintorp::calc {

namespace detail {

inline constexpr Extended kSmall[32] = {
    1e0L,
    1e1L,
    1e2L,
    1e3L,
    1e4L,
    1e5L,
    1e6L,
    1e7L,
    1e8L,
    1e9L,
    1e10L,
    1e11L,
    1e12L,
    1e13L,
    1e14L,
    1e15L,
    1e16L,
    1e17L,
    1e18L,
    1e19L,
    1e20L,
    1e21L,
    1e22L,
    1e23L,
    1e24L,
    1e25L,
    1e26L,
    1e27L,
    0x813F3978F8940984p30L,  // 1e28
    0xA18F07D736B90BE5p33L,  // 1e29
    0xC9F2C9CD04674EDFp36L,  // 1e30
    0xFC6F7C4045812296p39L,  // 1e31
};

// 10^(32*j) for j = 1 ... 15.
inline constexpr Extended kMiddle[15] = {
    0x9DC5ADA82B70B59Ep43L,  // 1e32
    0xC2781F49FFCFA6D5p149L,  // 1e64
    0xEFB3AB16C59B14A3p255L,  // 1e96
    0x93BA47C980E98CE0p362L,  // 1e128
    0xB616A12B7FE617AAp468L,  // 1e160
    0xE070F78D3927556Bp574L,  // 1e192
    0x8A5296FFE33CC930p681L,  // 1e224
    0xAA7EEBFB9DF9DE8Ep787L,  // 1e256
    0xD226FC195C6A2F8Cp893L,  // 1e288
    0x81842F29F2CCE376p1000L,  // 1e320
    0x9FA42700DB900AD2p1106L,  // 1e352
    0xC4C5E310AEF8AA17p1212L,  // 1e384
    0xF28A9C07E9B09C59p1318L,  // 1e416
    0x957A4AE1EBF7F3D4p1425L,  // 1e448
    0xB83ED8DC0795A262p1531L,  // 1e480
};

// 10^(512*m) for m = 1 ... 9.
inline constexpr Extended kLarge[9] = {
    0xE319A0AEA60E91C7p1637L,  // 1e512
    0xC976758681750C17p3338L,  // 1e1024
    0xB2B8353B3993A7E4p5039L,  // 1e1536
    0x9E8B3B5DC53D5DE5p6740L,  // 1e2048
    0x8CA554C020A1F0A6p8441L,  // 1e2560
    0xF9895D25D88B5A8Bp10141L,  // 1e3072
    0xDD5DC8A2BF27F3F8p11842L,  // 1e3584
    0xC46052028A20979Bp13543L,  // 1e4096
    0xAE3511626ED559F0p15244L,  // 1e4608
};

inline constexpr int kScaleLimit = 5120;

// The body of scaleByPowerOfTen, inline for the parse and format loops.
inline Extended scaleByPowers(Extended v, int k)
{
    if (k == 0) {
        return v;
    }
    if (k >= kScaleLimit) {
        return std::numeric_limits<Extended>::infinity();
    }
    if (k <= -kScaleLimit) {
        return 0.0L;
    }
    const int q = k > 0 ? k : -k;
    const int middle = (q / 32) % 16;
    const int large = q / 512;
    if (k > 0) {
        v *= kSmall[q % 32];
        if (middle != 0) {
            v *= kMiddle[middle - 1];
        }
        if (large != 0) {
            v *= kLarge[large - 1];
        }
    } else {
        v /= kSmall[q % 32];
        if (middle != 0) {
            v /= kMiddle[middle - 1];
        }
        if (large != 0) {
            v /= kLarge[large - 1];
        }
    }
    return v;
}

}  // namespace detail
}  // namespace vintorp::calc
