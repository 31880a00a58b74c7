// Speed of the number texts against the C library, and of one Calculate.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "calc/bobbin.h"
#include "calc/fpenv.h"
#include "calc/numtext.h"

namespace {

using vintorp::calc::Extended;

// What people type into the fields and what the fields show: sizes in
// millimetres with a few decimals.
const std::vector<std::string> kTexts
    = {"20", "25",   "10",  "30",    "1", "0.35",    "27.5", "29.5", "12.75", "0.5",
       "2",  "39.5", "100", "16.25", "8", "125.125", "3.14", "0.08", "64",    "1.5"};

std::vector<Extended> Values()
{
    std::vector<Extended> out;
    for (const std::string& t : kTexts) {
        out.push_back(std::strtold(t.c_str(), nullptr));
    }
    // Results of the formulas: sums with 0.5 and products with 0.3 and 1.1.
    for (const std::string& t : kTexts) {
        const Extended v = std::strtold(t.c_str(), nullptr);
        out.push_back(2 * v + 25 + 0.5L);
        out.push_back(0.3L * v);
        out.push_back(v * 0.1L + v);
    }
    return out;
}

void BM_ParseNumberOrDefault(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vintorp::calc::parseNumberOrDefault(kTexts[i], 0.0L, "."));
        i = (i + 1) % kTexts.size();
    }
}
BENCHMARK(BM_ParseNumberOrDefault);

void BM_strtold(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::strtold(kTexts[i].c_str(), nullptr));
        i = (i + 1) % kTexts.size();
    }
}
BENCHMARK(BM_strtold);

void BM_FormatNumber(benchmark::State& state)
{
    const std::vector<Extended> values = Values();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vintorp::calc::formatNumber(values[i], "."));
        i = (i + 1) % values.size();
    }
}
BENCHMARK(BM_FormatNumber);

// The C library's nearest equivalent, into a string as formatNumber returns.
void BM_snprintf(benchmark::State& state)
{
    const std::vector<Extended> values = Values();
    std::size_t i = 0;
    for (auto _ : state) {
        char buf[64];
        const int n = std::snprintf(buf, sizeof buf, "%.15Lg", values[i]);
        benchmark::DoNotOptimize(std::string(buf, static_cast<std::size_t>(n)));
        i = (i + 1) % values.size();
    }
}
BENCHMARK(BM_snprintf);

class BenchView : public vintorp::calc::BobbinView {
public:
    std::string inputText(vintorp::calc::InputField field) const override
    {
        return inputs_[static_cast<std::size_t>(field)];
    }
    int coreType() const override { return vintorp::calc::UTypeCore; }
    void setDrawingField(std::string_view name, const std::string& text) override
    {
        fields_[std::string(name)] = text;
    }
    std::string drawingFieldText(std::string_view name) const override
    {
        return fields_.at(std::string(name));
    }
    void showMessage(const vintorp::calc::Error&) override { }
    void showDrawing() override { }

private:
    std::array<std::string, 6> inputs_ = {"20", "25", "10", "30", "2", "0,35"};
    std::map<std::string, std::string> fields_;
};

void BM_Calculate(benchmark::State& state)
{
    BenchView view;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vintorp::calc::calculate(view, ","));
    }
}
BENCHMARK(BM_Calculate);

}  // namespace

BENCHMARK_MAIN();
