#include "fuzz_support.h"

#include <xmmintrin.h>

namespace vintorp::fuzz {

namespace {

constexpr std::uint16_t kFlagBits = 0x3F;  // invalid, denormal, zero divide, overflow, underflow, precision
constexpr std::uint16_t kFaultBits = 0x0D;  // invalid, zero divide, overflow
constexpr std::uint16_t kX87Default = 0x037F;  // all masked, 64-bit significand, nearest
constexpr std::uint32_t kMxcsrDefault = 0x1F80;  // all masked, nearest

// The x87 environment image that fnstenv and fldenv use (32-bit form).
struct X87Environment {
    std::uint32_t control;
    std::uint32_t status;
    std::uint32_t rest[5];
};

}  // namespace

FpState FpState::Read()
{
    FpState s{};
    std::uint16_t sw = 0;
    asm volatile("fnstcw %0" : "=m"(s.x87_control));
    asm volatile("fnstsw %0" : "=am"(sw));
    s.x87_flags = sw & kFlagBits;
    s.mxcsr = _mm_getcsr();
    return s;
}

void FpState::Load() const
{
    X87Environment env{};
    asm volatile("fnstenv %0" : "=m"(env));
    env.control = (env.control & 0xFFFF0000U) | x87_control;
    env.status = (env.status & ~std::uint32_t{kFlagBits}) | x87_flags;
    asm volatile("fldenv %0" : : "m"(env) : "memory");
    _mm_setcsr(mxcsr);
}

FpState CallerEnvironment(std::uint8_t choice)
{
    FpState s{kX87Default, 0, kMxcsrDefault};
    // Significand of 64, 53, 24 or 64 bits (the fourth precision code is reserved).
    constexpr std::uint16_t kPrecision[4] = {0x0300, 0x0200, 0x0000, 0x0300};
    s.x87_control = static_cast<std::uint16_t>((kX87Default & ~0x0F00U) | ((choice & 0x3U) << 10)
                                               | kPrecision[(choice >> 2) & 0x3U]);
    s.mxcsr |= static_cast<std::uint32_t>((choice >> 4) & 0x3U) << 13;
    if ((choice & 0x40) != 0) {
        s.mxcsr |= 0x8040;
    }
    if ((choice & 0x80) != 0) {
        s.x87_flags = kFlagBits;
        s.mxcsr |= kFlagBits;
    }
    return s;
}

bool IsCallersAgain(const FpState& before, const FpState& after)
{
    const auto same_faults_kept_flags = [](std::uint32_t was, std::uint32_t is) {
        return (was & kFaultBits) == (is & kFaultBits) && (was & kFlagBits & ~is) == 0;
    };
    return before.x87_control == after.x87_control
           && (before.mxcsr & ~std::uint32_t{kFlagBits}) == (after.mxcsr & ~std::uint32_t{kFlagBits})
           && same_faults_kept_flags(before.x87_flags, after.x87_flags)
           && same_faults_kept_flags(before.mxcsr, after.mxcsr);
}

}  // namespace vintorp::fuzz
