// The worked example's cut template (E-type, A 20, B 25, C 10, H 30, T 1):
// as PDF on A4 at 1200 dpi, as SVG and as DXF, in memory; and a large core's
// (E-type, A 80, B 100, C 60, H 160, T 2) as DXF, goals 2 ms and 50 ms.
// Reports the process's peak memory before the first run and after the last.
#include "../common/runbenchmarks.h"
#include "template/pages/cuttemplate.h"

#include "calc/bobbin.h"
#include "calc/memoryview.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

vintorp::calc::DrawingTexts workedExample()
{
    return {{"Edit15", "1"},   {"Edit2", "27,5"}, {"Edit16", "27,5"}, {"Edit7", "29,5"},  {"Edit12", "29,5"},
            {"Edit8", "38"},   {"Edit6", "9"},    {"Edit11", "9"},    {"Edit14", "25,5"}, {"Edit4", "39,5"},
            {"Edit9", "20,5"}, {"Edit5", "22,5"}, {"Edit10", "22,5"}, {"Edit3", "44"}};
}

// The field texts of a core as the calculation fills the drawing.
vintorp::calc::DrawingTexts calculated(std::array<std::string, 6> inputs)
{
    vintorp::calc::MemoryView view(std::move(inputs), vintorp::calc::ETypeCore, "");
    if (vintorp::calc::calculate(view, ",") != vintorp::calc::CalcOutcome::Shown)
        std::abort();
    return {view.fields().begin(), view.fields().end()};
}

void report(benchmark::State& state, double before, qint64 bytes)
{
    const double peak = peakMegabytes();
    state.counters["peak_rss_before_MB"] = before;
    state.counters["peak_rss_MB"] = peak;
    state.counters["added_MB"] = peak - before;
    state.counters["file_KB"] = static_cast<double>(bytes) / 1024.0;
}

void BM_TemplatePdf(benchmark::State& state, double before)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        const auto set
            = vintorp::cut::makeTemplateParts(vintorp::calc::readDrawingNumbers(workedExample(), ","), 1);
        bytes = vintorp::cut::templatePdfFile(set).size();
    }
    report(state, before, bytes);
}

void BM_TemplateSvg(benchmark::State& state, double before)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        const auto set
            = vintorp::cut::makeTemplateParts(vintorp::calc::readDrawingNumbers(workedExample(), ","), 1);
        bytes = vintorp::cut::templateSvgFiles(set).front().size();
    }
    report(state, before, bytes);
}

// cutter: a laser cutter's 600 × 400 mm sheets with a 0.2 mm kerf.
void BM_TemplateDxf(benchmark::State& state, double before, const vintorp::calc::DrawingTexts& texts,
                    bool cutter)
{
    qint64 bytes = 0;
    const std::optional<vintorp::cut::CutterSetup> sheets
        = cutter ? std::optional(vintorp::cut::CutterSetup{{600, 400}, 2, true}) : std::nullopt;
    for (auto _ : state) {
        const auto set = vintorp::cut::makeTemplateParts(vintorp::calc::readDrawingNumbers(texts, ","), 1,
                                                         {0, cutter ? 0.2 : 0});
        bytes = 0;
        for (const QByteArray& file : vintorp::cut::templateDxfFiles(set, sheets))
            bytes += file.size();
    }
    report(state, before, bytes);
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    // Memory added by templates: the peak over the program with its
    // application object but before any template was made.
    const double before = peakMegabytes();
    benchmark::RegisterBenchmark("BM_TemplatePdf", BM_TemplatePdf, before)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_TemplateSvg", BM_TemplateSvg, before)->Unit(benchmark::kMillisecond);
    const vintorp::calc::DrawingTexts large = calculated({"80", "100", "60", "160", "0", "2"});
    for (const bool cutter : {false, true}) {
        const std::string mode = cutter ? "Cutter" : "";
        benchmark::RegisterBenchmark(("BM_TemplateDxf" + mode).c_str(), BM_TemplateDxf, before, workedExample(), cutter)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_TemplateDxfLargeCore" + mode).c_str(), BM_TemplateDxf, before, large, cutter)
            ->Unit(benchmark::kMillisecond);
    }
    return vintorp::bench::runBenchmarks(argc, argv);
}
