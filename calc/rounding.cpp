// truncate and roundHalfEven: extended to signed 64-bit integer.
#include <cfenv>
#include <cmath>

#include "fpenv.h"
#include "numtext.h"

namespace vintorp::calc {

namespace {

// Converts under the rounding in force. The x87 conversion raises the
// invalid-operation flag when the result does not fit 64 bits (or x is an
// infinity or NaN); only that flag is cleared beforehand and tested after.
std::int64_t convertChecked(Extended x)
{
    std::feclearexcept(FE_INVALID);
    settle(x);
    std::int64_t r = std::llrint(x);
    settle(r);
    if (std::fetestexcept(FE_INVALID) != 0) {
        std::feclearexcept(FE_INVALID);
        throwInvalidOperation();
    }
    return r;
}

// Sets a rounding direction for its lifetime and restores the previous one.
class RoundingScope {
public:
    explicit RoundingScope(int mode) noexcept : saved_(std::fegetround()) { std::fesetround(mode); }
    ~RoundingScope() { std::fesetround(saved_); }
    RoundingScope(const RoundingScope&) = delete;
    RoundingScope& operator=(const RoundingScope&) = delete;

private:
    int saved_;
};

}  // namespace

std::int64_t truncate(Extended x)
{
    std::int64_t r = 0;
    {
        const RoundingScope toward_zero(FE_TOWARDZERO);
        settle(x);
        r = convertChecked(x);
    }
    return r;
}

std::int64_t roundHalfEven(Extended x)
{
    return convertChecked(x);
}

}  // namespace vintorp::calc
