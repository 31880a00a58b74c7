// Memory of one huge batch line: a case of about 50 MB of a given shape
// through runLine, once. Reports the peak resident memory the line took,
// counted from before the line was made (so the line itself is in it, as it
// is in the tool, which holds the line it read), in megabytes and in times
// the line's size. The peak is reset before each shape through
// /proc/self/clear_refs, so the shapes can run in one process.
#include "batch/batch_case.h"
#include "../../tests/batch/kindwords.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstddef>
#include <fstream>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kLineBytes = 50'000'000;

// The worked example's keys; the shapes add to them.
constexpr std::string_view kCase
    = R"({"A":"20","B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":",")";

enum class Shape {
    NestedArrays,  // "x":[[[…]]], nested as deep as the line allows
    SmallObjects,  // "x":[{},{},…]
    HugeString,  // "x":"aaa…"
    ManyKeys,  // "k1":0,"k2":0,… beside the case's own keys
    NumberArray,  // "x":[123456,0.5,…]
    HugeInputText,  // "A" itself is the huge text
    UnclosedString,  // "x":"aaa… and the line ends: invalid
    HugeWindingName,  // "windings":[{"name":"aaa…",…}], a winding that fits
    HugeNameInError,  // the same with a wire out of range: the error names the winding
    ManyWindingNames,  // 1,000 windings of names of about 50 KB each
};

void Repeat(std::string& line, std::string_view piece, std::size_t until)
{
    while (line.size() + piece.size() < until) {
        line += piece;
    }
}

std::string MakeLine(Shape shape, std::size_t bytes)
{
    std::string line;
    line.reserve(bytes + 64);
    line = kCase;
    switch (shape) {
    case Shape::NestedArrays: {
        const std::size_t depth = (bytes - line.size()) / 2;
        line += ",\"x\":";
        line.append(depth, '[');
        line.append(depth, ']');
        break;
    }
    case Shape::SmallObjects:
        line += ",\"x\":[{}";
        Repeat(line, ",{}", bytes - 2);
        line += ']';
        break;
    case Shape::HugeString:
        line += ",\"x\":\"";
        line.append(bytes - line.size() - 2, 'a');
        line += '"';
        break;
    case Shape::ManyKeys:
        for (std::size_t i = 1; line.size() + 16 < bytes; ++i) {
            line += ",\"k" + std::to_string(i) + "\":0";
        }
        break;
    case Shape::NumberArray:
        line += ",\"x\":[0";
        Repeat(line, ",123456,0.5", bytes - 2);
        line += ']';
        break;
    case Shape::HugeInputText:
        line = R"({"B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":",","A":")";
        line.append(bytes - line.size() - 2, '2');
        line += "\"";
        break;
    case Shape::UnclosedString:
        line += ",\"x\":\"";
        line.append(bytes - line.size(), 'a');
        return line;
    case Shape::HugeWindingName:
    case Shape::HugeNameInError: {
        const std::string_view rest = shape == Shape::HugeWindingName ? R"(","turns":10,"wire":0.5}])"
                                                                      : R"(","turns":10,"wire":11}])";
        line += ",\"windings\":[{\"name\":\"";
        line.append(bytes - line.size() - rest.size() - 1, 'a');
        line += rest;
        break;
    }
    case Shape::ManyWindingNames: {
        constexpr std::size_t kWindings = 1000;
        constexpr std::string_view rest = R"(","turns":1,"wire":0.1})";
        const std::size_t name = (bytes - line.size()) / kWindings - rest.size() - 16;
        line += ",\"windings\":[";
        for (std::size_t i = 0; i < kWindings; ++i) {
            line += i == 0 ? "{\"name\":\"" : ",{\"name\":\"";
            line.append(name, 'a');
            line += rest;
        }
        line += ']';
        break;
    }
    }
    line += '}';
    return line;
}

// A value from /proc/self/status in kilobytes, e.g. "VmHWM"; 0 when missing.
double StatusKilobytes(std::string_view name)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word.size() == name.size() + 1 && word.starts_with(name) && word.back() == ':') {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return 0;
}

// Makes the peak resident size the present one (Linux 4.0 and later).
bool ResetPeak()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

void BM_RunLine(benchmark::State& state, Shape shape)
{
    malloc_trim(0);  // what earlier shapes freed goes back, and is not reused unseen
    const double before = StatusKilobytes("VmRSS");
    const std::string line = MakeLine(shape, kLineBytes);
    const vintorp::batch::RunOptions options = vintorp::batch::KindWords();
    if (!ResetPeak()) {
        state.SkipWithError("cannot reset the peak resident size (/proc/self/clear_refs)");
        return;
    }
    bool valid = false;
    for (auto _ : state) {
        const vintorp::batch::LineResult result = vintorp::batch::runLine(line, options);
        valid = result.valid;
        benchmark::DoNotOptimize(result.output.data());
    }
    const double peak = StatusKilobytes("VmHWM");
    const double line_mb = static_cast<double>(line.size()) / 1e6;
    state.counters["line_MB"] = line_mb;
    state.counters["peak_MB"] = (peak - before) * 1024 / 1e6;
    state.counters["times_line"] = (peak - before) * 1024 / static_cast<double>(line.size());
    state.counters["valid"] = valid ? 1 : 0;
}

// One run a shape: a line takes seconds, and its peak is the same every time.
void OnceEach(benchmark::internal::Benchmark* b)
{
    b->Iterations(1)->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(BM_RunLine, nested_arrays, Shape::NestedArrays)->Apply(OnceEach);
BENCHMARK_CAPTURE(BM_RunLine, small_objects, Shape::SmallObjects)->Apply(OnceEach);
BENCHMARK_CAPTURE(BM_RunLine, huge_string, Shape::HugeString)->Apply(OnceEach);
BENCHMARK_CAPTURE(BM_RunLine, many_keys, Shape::ManyKeys)->Apply(OnceEach);
BENCHMARK_CAPTURE(BM_RunLine, number_array, Shape::NumberArray)->Apply(OnceEach);
BENCHMARK_CAPTURE(BM_RunLine, huge_input_text, Shape::HugeInputText)->Apply(OnceEach);
BENCHMARK_CAPTURE(BM_RunLine, unclosed_string, Shape::UnclosedString)->Apply(OnceEach);
BENCHMARK_CAPTURE(BM_RunLine, huge_winding_name, Shape::HugeWindingName)->Apply(OnceEach);
BENCHMARK_CAPTURE(BM_RunLine, huge_name_in_error, Shape::HugeNameInError)->Apply(OnceEach);
BENCHMARK_CAPTURE(BM_RunLine, many_winding_names, Shape::ManyWindingNames)->Apply(OnceEach);

}  // namespace

BENCHMARK_MAIN();
