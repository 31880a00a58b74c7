// One print of the real drawing window, filled with the worked example, to a
// PDF file at the printer's high resolution; reports the process's peak
// memory.
#include "common/pdfprinting.h"
#include "common/programmain.h"
#include "ui/drawingwindow.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr double kMemoryLimitMegabytes = 200;

void BM_PrintToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("page.pdf");
    vintorp::ui::TForm4 window(std::make_unique<vintorp::bench::PdfChooser>(file));
    const QList<std::pair<const char*, const char*>> values
        = {{"Edit2", "27,5"},  {"Edit3", "44"},    {"Edit4", "39,5"},  {"Edit5", "22,5"},  {"Edit6", "9"},
           {"Edit7", "29,5"},  {"Edit8", "38"},    {"Edit9", "20,5"},  {"Edit10", "22,5"}, {"Edit11", "9"},
           {"Edit12", "29,5"}, {"Edit14", "25,5"}, {"Edit16", "27,5"}, {"Edit15", "1"}};
    for (const auto& [name, text] : values)
        window.setFieldText(QString::fromLatin1(name), QString::fromLatin1(text));
    window.showResults();
    const double before = vintorp::bench::peakMegabytes();
    for (auto _ : state)
        window.btPrintClick();
    const double peak = vintorp::bench::peakMegabytes();
    state.counters["peak_rss_MB"] = peak;
    if (peak >= kMemoryLimitMegabytes)
        state.SkipWithError("peak memory of one print is 200 MB or more");
    state.counters["peak_rss_before_MB"] = before;
    state.counters["pdf_KB"] = static_cast<double>(QFileInfo(file).size()) / 1024.0;
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return vintorp::bench::runWithProgramApplication(argc, argv);
}
