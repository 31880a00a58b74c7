// What the fuzz targets share: a property check that ends the run, and the
// arithmetic environment of the caller, set, read and compared.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vintorp::fuzz {

// A broken property: say which and end the run, as a crash would.
inline void Require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

// The caller's side of the arithmetic environment: both control words and
// both sets of flags.
struct FpState {
    std::uint16_t x87_control;
    std::uint16_t x87_flags;
    std::uint32_t mxcsr;

    static FpState Read();
    // Loads the control words and sets exactly these flags.
    void Load() const;
};

// A caller's environment chosen by one byte, every fault masked as the
// program runs: bits 0-1 x87 rounding, 2-3 x87 precision, 4-5 SSE rounding,
// bit 6 flush-to-zero and denormals-are-zero, bit 7 every flag raised
// beforehand on both units. 0 is the environment a program starts in.
FpState CallerEnvironment(std::uint8_t choice);

// True when after a call the environment is the caller's again: the same
// control words and the same fault flags (invalid operation, division by
// zero, overflow). The silent flags (denormal, underflow, inexact) may be
// added, never taken away.
bool IsCallersAgain(const FpState& before, const FpState& after);

// Runs a call and checks the property above around it.
template <typename Call>
void KeepsEnvironment(const FpState& caller, const char* what, Call&& call)
{
    caller.Load();
    call();
    Require(IsCallersAgain(caller, FpState::Read()), what);
}

}  // namespace vintorp::fuzz
