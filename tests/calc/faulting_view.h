// A view that behaves like careless window code: every call raises fault
// flags before it hands on to the view it wraps.
#pragma once

#include <cfloat>
#include <string>
#include <string_view>

#include "calc/bobbin.h"

namespace vintorp::calc::test {

enum class Fault { Invalid, DivisionByZero, Overflow };

// Each raises the fault on run-time values, so that nothing is folded away.
inline void RaiseOnSse(Fault f)
{
    volatile double zero = 0.0;
    volatile double one = 1.0;
    volatile double big = DBL_MAX;
    volatile double sink = 0.0;
    switch (f) {
    case Fault::Invalid: sink = zero / zero; break;
    case Fault::DivisionByZero: sink = one / zero; break;
    case Fault::Overflow: sink = big * big; break;
    }
    static_cast<void>(sink);
}

inline void RaiseOnX87(Fault f)
{
    volatile long double zero = 0.0L;
    volatile long double one = 1.0L;
    volatile long double big = LDBL_MAX;
    volatile long double sink = 0.0L;
    switch (f) {
    case Fault::Invalid: sink = zero / zero; break;
    case Fault::DivisionByZero: sink = one / zero; break;
    case Fault::Overflow: sink = big * big; break;
    }
    static_cast<void>(sink);
}

// The faults one method raises: one on SSE and a different one on x87.
struct FaultPair {
    Fault sse;
    Fault x87;
};

// The six ordered pairs of different faults, one for each method.
inline constexpr FaultPair kInputTextFaults{Fault::Invalid, Fault::DivisionByZero};
inline constexpr FaultPair kCoreTypeFaults{Fault::DivisionByZero, Fault::Overflow};
inline constexpr FaultPair kSetFieldFaults{Fault::Overflow, Fault::Invalid};
inline constexpr FaultPair kFieldTextFaults{Fault::Invalid, Fault::Overflow};
inline constexpr FaultPair kMessageFaults{Fault::DivisionByZero, Fault::Invalid};
inline constexpr FaultPair kShowFaults{Fault::Overflow, Fault::DivisionByZero};

inline void Raise(FaultPair p)
{
    RaiseOnSse(p.sse);
    RaiseOnX87(p.x87);
}

class FaultingView : public BobbinView {
public:
    explicit FaultingView(BobbinView& inner) : inner_(inner) { }

    std::string inputText(InputField field) const override
    {
        Raise(kInputTextFaults);
        return inner_.inputText(field);
    }
    int coreType() const override
    {
        Raise(kCoreTypeFaults);
        return inner_.coreType();
    }
    void setDrawingField(std::string_view name, const std::string& text) override
    {
        Raise(kSetFieldFaults);
        inner_.setDrawingField(name, text);
    }
    std::string drawingFieldText(std::string_view name) const override
    {
        Raise(kFieldTextFaults);
        return inner_.drawingFieldText(name);
    }
    void showMessage(const Error& message) override
    {
        Raise(kMessageFaults);
        inner_.showMessage(message);
    }
    void showDrawing() override
    {
        Raise(kShowFaults);
        inner_.showDrawing();
    }

private:
    BobbinView& inner_;
};

}  // namespace vintorp::calc::test
