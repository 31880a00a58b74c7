#include "fpenv.h"

#include <fpu_control.h>
#include <xmmintrin.h>

#include <string>

#include "errors.h"

namespace vintorp::calc {

namespace {
// SSE: all faults masked, nearest-even, no flush-to-zero, no denormals-are-zero.
constexpr unsigned kSseControl = 0x1F80;
}  // namespace

void ThrowInvalidOperation()
{
    throw ArithmeticError(std::string(kInvalidOperationMessage));
}

ArithmeticEnvironment::ArithmeticEnvironment() noexcept
{
    std::fegetenv(&saved_);
    fpu_control_t cw = _FPU_DEFAULT;  // all masked, 64-bit significand, nearest
    _FPU_SETCW(cw);
    _mm_setcsr(kSseControl);
    std::feclearexcept(FE_ALL_EXCEPT);
}

ArithmeticEnvironment::~ArithmeticEnvironment()
{
    std::fesetenv(&saved_);
}

void RaisePendingFault()
{
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (raised == 0) {
        return;
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    if ((raised & FE_INVALID) != 0) {
        ThrowInvalidOperation();
    }
    if ((raised & FE_DIVBYZERO) != 0) {
        throw ArithmeticError(std::string(kDivisionByZeroMessage));
    }
    throw ArithmeticError(std::string(kOverflowMessage));
}

}  // namespace vintorp::calc
