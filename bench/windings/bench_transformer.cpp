// The transformer from its voltages, from the inputs to the build-up's
// verdict (goal: under 2 ms with 8 secondaries, in a Release build): every
// round's turns, copper, build-up and resistances until they settle.
#include "windings/transformer.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vintorp::windings;

// The bobbin of A 20, B 40, C 12.5, H 32, T 1 (E-type), as Calculate draws it.
constexpr Space kBobbin{1, 29.5, 11, 22.5, 42.5};
constexpr Core kCore{false, 20, 40, 12.5, 32};

// Secondaries from a heater's 6.3 V 2 A to a 250 V 20 mA anode winding.
TransformerInputs someSecondaries(std::size_t count)
{
    static const Secondary kinds[] = {{"", 6.3, 2},   {"", 12, 0.5}, {"", 250, 0.02}, {"", 5, 1},
                                      {"", 24, 0.25}, {"", 9, 0.3},  {"", 15, 0.1},   {"", 48, 0.05}};
    TransformerInputs in;
    for (std::size_t i = 0; i < count; ++i) {
        in.secondaries.push_back(kinds[i % std::size(kinds)]);
        in.secondaries.back().name = "Secondary " + std::to_string(i + 1);
    }
    return in;
}

void BM_DesignTransformer(benchmark::State& state)
{
    const TransformerInputs in = someSecondaries(std::size_t(state.range(0)));
    const Transformer first = designTransformer(in, kCore, kBobbin, {});
    if (first.failure) {
        state.SkipWithError("the transformer did not settle");
        return;
    }
    for (auto _ : state) {
        Transformer t = designTransformer(in, kCore, kBobbin, {});
        benchmark::DoNotOptimize(t.build.fits);
    }
    state.counters["rounds"] = first.rounds;
    state.counters["fill"] = *first.build.fill;
}
BENCHMARK(BM_DesignTransformer)->Arg(1)->Arg(8)->Unit(benchmark::kMicrosecond);

// The longest the rounds take: 230 V to 2 × 12 V 1 A at 1.8 A/mm² goes round
// four states until the last round gives up.
void BM_NeverSettles(benchmark::State& state)
{
    TransformerInputs in;
    in.density = 1.8;
    in.secondaries = {{"II", 12, 1}, {"III", 12, 1}};
    const Transformer first = designTransformer(in, kCore, kBobbin, {});
    if (!first.failure || first.failure->kind != TransformerFailure::Kind::Unsettled) {
        state.SkipWithError("the transformer settled");
        return;
    }
    for (auto _ : state) {
        Transformer t = designTransformer(in, kCore, kBobbin, {});
        benchmark::DoNotOptimize(t.failure);
    }
}
BENCHMARK(BM_NeverSettles)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
