// The Calculate command.
#include "bobbin.h"

#include <limits>

#include "fpenv.h"
#include "numtext.h"

namespace vintorp::calc {

namespace {

// The constants of the formulas: 0.3 and 0.1 are the extended values nearest
// to those decimals.
constexpr Extended kTwo = 2.0L;
constexpr Extended kHalf = 0.5L;
constexpr Extended kEight = 8.0L;
constexpr Extended kThreeTenths = 0.3L;
constexpr Extended kOneTenth = 0.1L;

constexpr double kDefaultDimension = 0.0;
constexpr double kDefaultThickness = 1.0;

// The view as Calculate calls it: each call runs under an
// ArithmeticStateGuard, so whatever the window code does to the flags or the
// rounding is undone before the calculation's next step.
class GuardedView {
public:
    explicit GuardedView(BobbinView& view) : view_(view) { }

    std::string inputText(InputField field) const
    {
        const ArithmeticStateGuard guard;
        return view_.inputText(field);
    }
    int coreType() const
    {
        const ArithmeticStateGuard guard;
        return view_.coreType();
    }
    void setDrawingField(std::string_view name, const std::string& text)
    {
        const ArithmeticStateGuard guard;
        view_.setDrawingField(name, text);
    }
    std::string drawingFieldText(std::string_view name) const
    {
        const ArithmeticStateGuard guard;
        return view_.drawingFieldText(name);
    }
    void showMessage(const Error& message)
    {
        const ArithmeticStateGuard guard;
        view_.showMessage(message);
    }
    void showDrawing()
    {
        const ArithmeticStateGuard guard;
        view_.showDrawing();
    }

private:
    BobbinView& view_;
};

// A parsed input, stored into a double at once.
double readInput(const GuardedView& view, InputField field, Extended fallback, std::string_view sep)
{
    return storeDouble(parseNumberOrDefault(view.inputText(field), fallback, sep));
}

struct Inputs {
    double a, b, c, h, k, t;
};

bool acceptable(const Inputs& in, int core_type)
{
    if (in.a < 1.0 || in.b < 1.0 || in.c < 1.0 || in.h < 1.0) {
        return false;
    }
    // A negative thickness is refused like zero, not only zero itself: no
    // sheet is thinner than nothing, and 2T would shrink the cheeks' window
    // below the leg it has to pass over, so the drawing would show parts
    // that cannot be made. The key filter admits no minus sign; only a
    // pasted value gets here, and it gets the usual message.
    if (in.t <= 0.0) {
        return false;
    }
    // The clamp adds K to the window and to the tabbed walls of the U-type
    // core only; a negative K narrows both below the leg and its clamp, so it
    // is refused the same way. The E-type core uses no K (its field is
    // disabled then), so whatever the field holds must not refuse an
    // otherwise good E-type calculation.
    return !(core_type == UTypeCore && in.k < 0.0);
}

// The whole number shown for an extended result: rounded to a double first.
std::string wholeText(Extended x)
{
    return formatInteger(roundUpWhole(storeDouble(x)));
}

void copy(GuardedView& view, std::string_view to, std::string_view from)
{
    view.setDrawingField(to, view.drawingFieldText(from));
}

}  // namespace

std::string_view inputFieldName(InputField f)
{
    switch (f) {
    case InputField::A: return "ed_A";
    case InputField::B: return "ed_B";
    case InputField::C: return "ed_C";
    case InputField::H: return "ed_H";
    case InputField::K: return "edPLKrep";
    case InputField::T: return "edMater";
    }
    return {};
}

std::int32_t roundUpWhole(double x)
{
    const std::int64_t t = truncate(x);
    std::int64_t r = t;
    if (static_cast<Extended>(t) != static_cast<Extended>(x)) {
        if (t == std::numeric_limits<std::int64_t>::max()) {
            throwInvalidOperation();
        }
        r = t + 1;
    }
    // A whole number beyond 32 bits is not cut down to its low 32 bits, as a
    // plain integer conversion would do: for 8T + H = 8E18 the drawing would
    // read a size that looks real (or is negative) and is nonsense. A wrong
    // number on a part someone cuts is worse than an error, so it is the
    // invalid-operation fault, the error a value beyond 64 bits gives
    // anyway: one behaviour for every result too large to show.
    if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max()) {
        throwInvalidOperation();
    }
    return static_cast<std::int32_t>(r);
}

CalcOutcome calculate(BobbinView& window, std::string_view sep)
{
    const ArithmeticEnvironment environment;
    GuardedView view(window);

    for (const std::string_view name : kDrawingFields) {
        view.setDrawingField(name, "0");
    }

    Inputs in{};
    in.a = readInput(view, InputField::A, kDefaultDimension, sep);
    in.b = readInput(view, InputField::B, kDefaultDimension, sep);
    in.c = readInput(view, InputField::C, kDefaultDimension, sep);
    in.h = readInput(view, InputField::H, kDefaultDimension, sep);
    in.k = readInput(view, InputField::K, kDefaultDimension, sep);
    in.t = readInput(view, InputField::T, kDefaultThickness, sep);

    const int core_type = view.coreType();
    if (!acceptable(in, core_type)) {
        view.showMessage(Error{ErrorKind::Rejected, {}});
        return CalcOutcome::Rejected;
    }

    // Expressions run left to right as written, each operation rounded to
    // extended and checked for faults before the next.
    const Extended t = in.t;
    view.setDrawingField(field::Thickness, formatNumber(t, sep));
    view.setDrawingField(field::CheekWindowHeight, formatNumber(add(add(mul(kTwo, t), in.b), kHalf), sep));
    copy(view, field::PlainWallWideWidth, field::CheekWindowHeight);
    view.setDrawingField(field::TabbedWallBetweenTabs, formatNumber(sub(in.h, kHalf), sep));
    copy(view, field::PlainWallHeight, field::TabbedWallBetweenTabs);
    view.setDrawingField(field::TabbedWallHeight, wholeText(add(mul(kEight, t), in.h)));
    view.setDrawingField(field::TabbedWallMiddleHeight, wholeText(mul(kThreeTenths, in.h)));
    copy(view, field::PlainWallMiddleHeight, field::TabbedWallMiddleHeight);
    view.setDrawingField(field::PlainWallNarrowWidth, formatNumber(add(in.b, kHalf), sep));

    if (core_type == ETypeCore || core_type == UTypeCore) {
        const bool u_type = core_type == UTypeCore;
        const Extended cheek_width
            = u_type ? sub(add(in.a, in.c), kHalf) : sub(add(mul(kTwo, in.c), in.a), kHalf);
        view.setDrawingField(field::CheekWidth, formatNumber(cheek_width, sep));
        Extended narrow_wall = add(in.a, kHalf);
        if (u_type) {
            narrow_wall = add(narrow_wall, in.k);
        }
        view.setDrawingField(field::TabbedWallNarrowWidth, formatNumber(narrow_wall, sep));
        Extended window_width = add(add(mul(kTwo, t), in.a), kHalf);
        if (u_type) {
            window_width = add(window_width, in.k);
        }
        view.setDrawingField(field::CheekWindowWidth, formatNumber(window_width, sep));
        copy(view, field::TabbedWallWideWidth, field::CheekWindowWidth);
        const Extended w = storeDouble(parseNumber(view.drawingFieldText(field::CheekWidth), sep));
        view.setDrawingField(field::CheekHeight, wholeText(add(mul(w, kOneTenth), w)));
    }

    view.showDrawing();
    return CalcOutcome::Shown;
}

}  // namespace vintorp::calc
