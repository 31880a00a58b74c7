// One print of a window laid out like the drawing window to a PDF file at
// the printer's high resolution; reports the process's peak memory.
#include "print/drawingprinter.h"
#include "print/printerchooser.h"
#include "standinwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <memory>

namespace {

class PdfChooser final : public vintorp::print::PrinterChooser {
public:
    explicit PdfChooser(QString file) : file_(std::move(file)) { }
    bool choose(QPrinter& printer, QWidget*) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file_);
        return true;
    }

private:
    QString file_;
};

constexpr double kMemoryLimitMegabytes = 200;

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void BM_PrintToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    vintorp::print::testing::StandInWindow window;
    const QString file = dir.filePath("page.pdf");
    vintorp::print::DrawingPrinter printer(std::make_unique<PdfChooser>(file));
    const double before = peakMegabytes();
    for (auto _ : state)
        printer.print(window, window.kPictureArea);
    const double peak = peakMegabytes();
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
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
