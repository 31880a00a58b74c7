#include "windings/transformer.h"

#include <algorithm>
#include <cmath>

namespace vintorp::windings {
namespace {

using Kind = TransformerFailure::Kind;

bool within(double v, double low, double high)
{
    return v >= low && v <= high;  // false for NaN
}

std::size_t characters(const std::string& utf8)
{
    return std::size_t(std::count_if(utf8.begin(), utf8.end(),
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The first input out of its range, in the order of TransformerFailure::Kind.
std::optional<TransformerFailure> inputProblem(const TransformerInputs& in, const Core& core)
{
    const struct {
        Kind kind;
        double value, smallest, largest;
    } ranges[] = {
        {Kind::Mains, in.mains, kMinMains, kMaxMains},
        {Kind::Frequency, in.frequency, kMinFrequency, kMaxFrequency},
        {Kind::Flux, in.flux, kMinFlux, kMaxFlux},
        {Kind::Stacking, in.stacking, kMinStacking, kMaxStacking},
        {Kind::Density, in.density, kMinDensity, kMaxDensity},
        {Kind::Grade, double(in.grade), kMinGrade, kMaxGrade},
        {Kind::Temperature, in.temperature, kMinTemperature, kMaxTemperature},
        {Kind::CoreLoss, in.coreLoss, kMinCoreLoss, kMaxCoreLoss},
        {Kind::Between, in.between, 0, kMaxInsulation},
        {Kind::Over, in.over, 0, kMaxInsulation},
        {Kind::Secondaries, double(in.secondaries.size()), double(kMinSecondaries), double(kMaxSecondaries)},
    };
    for (const auto& r : ranges) {
        if (!within(r.value, r.smallest, r.largest))
            return TransformerFailure{r.kind, 0, r.value, r.smallest, r.largest};
    }
    for (std::size_t i = 0; i < in.secondaries.size(); ++i) {
        const Secondary& s = in.secondaries[i];
        if (const std::size_t length = characters(s.name); length > kMaxName)
            return TransformerFailure{Kind::SecondaryName, i + 1, double(length), 0, double(kMaxName)};
        if (!within(s.volts, kMinVolts, kMaxVolts))
            return TransformerFailure{Kind::SecondaryVolts, i + 1, s.volts, kMinVolts, kMaxVolts};
        if (!within(s.amps, kMinAmps, kMaxAmps))
            return TransformerFailure{Kind::SecondaryAmps, i + 1, s.amps, kMinAmps, kMaxAmps};
    }
    for (const double size : {core.a, core.b, core.c, core.h}) {
        if (!(size > 0 && std::isfinite(size)))
            return TransformerFailure{Kind::Core, 0, size, 0, 0};
    }
    return std::nullopt;
}

// The core's steel, mm³: the outline less its windows.
double coreVolume(const Core& k)
{
    if (k.uType)
        return k.b * ((2 * k.a + k.c) * (k.h + 2 * k.a) - k.c * k.h);
    return k.b * ((2 * k.a + 2 * k.c) * (k.h + k.a) - 2 * k.c * k.h);
}

// ρ at θ, Ω·mm²/m (copperResistance's, kept apart so that R takes the
// turns and the mean turn in the order the model writes them).
double resistivity(double celsius)
{
    return kCopperResistivity * (1 + kCopperTemperatureCoefficient * (celsius - kCopperReferenceTemperature));
}

// One round's windings, the primary first: what decides whether the next
// round changes anything.
struct Round {
    std::vector<long> turns;  // the whole winding's
    std::vector<double> copper;
    bool operator==(const Round&) const = default;
};

}  // namespace

// Why the rounds may not settle. The secondaries' copper never changes (their
// currents are given), but the primary's follows its current I₁ = Σ Iᵢ·Nᵢ / N₁,
// and the primary's voltage drop I₁·R₁ = ρθ·(Σ Iᵢ·Nᵢ)·l₁ / (π·d₁²/4) hardly
// depends on N₁ but falls by a fifth when d₁ steps up a size. More turns give
// less current, so thinner copper, so more drop, so fewer turns: when a size's
// boundary lies between the currents at the two counts that the two sizes'
// drops give, neither state is a fixed point, and the rounds (in which d₁
// follows the previous round's current and N₁ the previous round's
// resistance) go round four states for ever: (a, thick) → (b, thick) →
// (b, thin) → (a, thin) → (a, thick). The tests hold such a transformer.
Transformer designTransformer(const TransformerInputs& inputs, const Core& core, const Space& space,
                              const Factors& factors)
{
    Transformer t;
    if (const auto problem = inputProblem(inputs, core)) {
        t.failure = problem;
        return t;
    }
    const std::size_t count = inputs.secondaries.size() + 1;  // with the primary
    t.coreArea = core.a * core.b * inputs.stacking;
    t.turnsPerVolt = 1e6 / (4.44 * inputs.frequency * inputs.flux * t.coreArea);
    const double w = t.turnsPerVolt;
    const double rhoHot = resistivity(inputs.temperature);
    const double rhoCold = resistivity(kCopperReferenceTemperature);
    for (const Secondary& s : inputs.secondaries)
        t.secondaryPower += s.volts * s.amps;

    std::vector<double> volts{inputs.mains}, amps{t.secondaryPower / inputs.mains};
    for (const Secondary& s : inputs.secondaries) {
        volts.push_back(s.volts);
        amps.push_back(s.amps);
    }
    std::vector<double> ohms(count, 0.0);
    std::vector<Winding> table(count);
    for (std::size_t x = 0; x < count; ++x) {
        table[x].name = x == 0 ? kPrimaryName : inputs.secondaries[x - 1].name;
        table[x].between = inputs.between;
        table[x].over = inputs.over;
        table[x].grade = inputs.grade;
    }
    const Factors bobbin{factors.margin, factors.bulge, inputs.temperature};
    const auto failure
        = [&t](Kind kind, std::size_t winding, double value, double smallest = 0, double largest = 0) {
              t.failure = TransformerFailure{kind, winding, value, smallest, largest};
              return t;
          };

    std::optional<Round> last;
    Round now{std::vector<long>(count), std::vector<double>(count)};
    for (t.rounds = 1; t.rounds <= kMaxRounds; ++t.rounds) {
        for (std::size_t x = 0; x < count; ++x) {
            const double n = x == 0 ? std::floor(w * (volts[0] - amps[0] * ohms[0]) + 0.5)
                                    : std::ceil(w * (volts[x] + amps[x] * ohms[x]) - 1e-9);
            if (!(n >= 1 && n <= double(kMaxTurns)))  // NaN too
                return failure(Kind::Turns, x, n);
            now.turns[x] = static_cast<long>(n);
            if (core.uType)
                now.turns[x] += now.turns[x] % 2;
            table[x].turns = core.uType ? now.turns[x] / 2 : now.turns[x];
        }
        for (std::size_t x = 0; x < count; ++x) {
            const double needed = amps[x] / inputs.density;
            const std::optional<double> d = smallestStandardCopper(needed);
            if (!d)
                return failure(Kind::NoWire, x, needed, copperSection(copperRange().smallest),
                               copperSection(copperRange().largest));
            now.copper[x] = *d;
            table[x].copper = *d;
        }
        // Nothing built (the build kept to say why): `winding` is the first
        // one with a problem of its own, or 0 for the bobbin and the factors.
        t.build = buildUp(space, table, bobbin);
        const auto bad = std::find_if(t.build.windings.begin(), t.build.windings.end(),
                                      [](const WindingBuild& b) { return b.problem.has_value(); });
        if (t.build.noRoom || t.build.factorProblem || bad != t.build.windings.end())
            return failure(Kind::BuildUp,
                           bad == t.build.windings.end() ? 0 : std::size_t(bad - t.build.windings.begin()),
                           0);
        double load = 0;  // Σ Iᵢ·Nᵢ
        for (std::size_t x = 0; x < count; ++x) {
            ohms[x] = rhoHot * double(now.turns[x]) * *t.build.windings[x].meanTurn / 1000
                      / copperSection(now.copper[x]);
            if (x > 0)
                load += amps[x] * double(now.turns[x]);
        }
        amps[0] = load / double(now.turns[0]);
        if (last == now)
            break;
        last = now;
    }
    if (t.rounds > kMaxRounds) {
        t.rounds = kMaxRounds;
        t.build = {};
        return failure(Kind::Unsettled, 0, kMaxRounds);
    }

    for (std::size_t x = 0; x < count; ++x) {
        TransformerWinding out;
        out.name = table[x].name;
        out.turns = now.turns[x];
        out.turnsPerBobbin = table[x].turns;
        out.volts = volts[x];
        out.amps = amps[x];
        out.copper = now.copper[x];
        out.wire = t.build.windings[x].wire;
        out.density = amps[x] / copperSection(out.copper);
        out.meanTurn = *t.build.windings[x].meanTurn;
        out.wireMetres = double(out.turns) * out.meanTurn / 1000;
        out.ohmsWarm = ohms[x];
        out.ohmsCold = rhoCold * double(out.turns) * out.meanTurn / 1000 / copperSection(out.copper);
        out.copperGrams = copperMass(out.copper, out.wireMetres);
        if (x > 0) {
            out.voltsNoLoad = inputs.mains * double(out.turns) / double(now.turns[0]);
            out.regulation = (*out.voltsNoLoad - out.volts) / out.volts;
        }
        t.copperLoss += amps[x] * amps[x] * ohms[x];
        t.windings.push_back(std::move(out));
    }
    t.coreKg = kIronDensity * coreVolume(core) * inputs.stacking;
    t.coreLoss = inputs.coreLoss * t.coreKg;
    // Nothing delivered is none of it put to use, even with nothing lost.
    t.efficiency
        = t.secondaryPower > 0 ? t.secondaryPower / (t.secondaryPower + t.copperLoss + t.coreLoss) : 0;
    return t;
}

std::vector<Winding> tableWindings(const Transformer& transformer, const TransformerInputs& inputs)
{
    std::vector<Winding> rows;
    rows.reserve(transformer.windings.size());
    for (const TransformerWinding& w : transformer.windings)
        rows.push_back({w.name, w.turnsPerBobbin, std::nullopt, inputs.between, inputs.over, std::nullopt,
                        w.copper, inputs.grade});
    return rows;
}

}  // namespace vintorp::windings
