#include "fpenv.h"

#include <fpu_control.h>
#include <xmmintrin.h>

#include <string>

#include "errors.h"

namespace vintorp::calc {

namespace {
// SSE: all faults masked, nearest-even, no flush-to-zero, no denormals-are-zero.
constexpr unsigned kSseControl = 0x1F80;

// The six fault flags, the stack fault and the summary bits of the x87
// status word.
constexpr std::uint16_t kX87FlagBits = 0x80FF;

// The x87 environment as FNSTENV stores it (32-bit protected-mode layout).
struct X87Environment {
    std::uint16_t control;
    std::uint16_t unused1;
    std::uint16_t status;
    std::uint16_t unused2;
    std::uint32_t rest[5];  // tag word, instruction and operand pointers
};
static_assert(sizeof(X87Environment) == 28);
}  // namespace

void throwInvalidOperation()
{
    throw ArithmeticError(ErrorKind::InvalidOperation);
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

void ArithmeticStateGuard::restore() noexcept
{
    std::uint32_t mxcsr = 0;
    asm volatile("stmxcsr %0" : "=m"(mxcsr) : : "memory");
    if (mxcsr != mxcsr_) {
        asm volatile("ldmxcsr %0" : : "m"(mxcsr_) : "memory");
    }
    std::uint16_t control = 0;
    asm volatile("fnstcw %0" : "=m"(control) : : "memory");
    if (control != x87_control_) {
        asm volatile("fldcw %0" : : "m"(x87_control_) : "memory");
    }
    std::uint16_t status = 0;
    asm volatile("fnstsw %0" : "=am"(status) : : "memory");
    if ((status ^ x87_status_) & kX87FlagBits) {
        // The x87 flags can only be set by loading a whole environment; the
        // rest of the status word (stack top, condition codes) stays as is.
        X87Environment env{};
        asm volatile("fnstenv %0" : "=m"(env) : : "memory");
        env.status = static_cast<std::uint16_t>((env.status & ~kX87FlagBits) | (x87_status_ & kX87FlagBits));
        asm volatile("fldenv %0" : : "m"(env) : "memory");
    }
}

void raisePendingFault()
{
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (raised == 0) {
        return;
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    if ((raised & FE_INVALID) != 0) {
        throwInvalidOperation();
    }
    if ((raised & FE_DIVBYZERO) != 0) {
        throw ArithmeticError(ErrorKind::DivisionByZero);
    }
    throw ArithmeticError(ErrorKind::Overflow);
}

}  // namespace vintorp::calc
