// Soak: in one process, 10,000 Calculate through the real windows and then
// 500 prints of the real drawing window to a PDF file, with the resident
// memory printed at intervals. After a warm-up (the first tenth of each
// phase) memory must level off: the growth over the rest of both phases
// together stays under 1 MB.
//
//   QT_QPA_PLATFORM=offscreen ./bench_soak
#include "common/pdfprinting.h"
#include "common/programmain.h"
#include "ui/inputwindow.h"
#include "ui/drawingwindow.h"
#include "ui/decimalseparator.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kCalculations = 10'000;
constexpr int kPrints = 500;
constexpr int kSamples = 10;  // memory lines per phase
constexpr double kGrowthLimitMegabytes = 1.0;

// Lets queued work and deferred deletes run, as the event loop would.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Runs `step` `count` times, printing the resident memory every tenth of the
// way; returns the growth after the first tenth, in megabytes.
template <typename Step>
double soak(const char* phase, int count, Step step)
{
    const int interval = count / kSamples;
    double warm = 0;
    for (int i = 1; i <= count; ++i) {
        step(i);
        if (i % interval != 0)
            continue;
        settle();
        const double now = vintorp::bench::residentMegabytes();
        std::printf("%-9s %6d  resident %8.3f MB\n", phase, i, now);
        std::fflush(stdout);
        if (i == interval)
            warm = now;
        else if (i == count)
            return now - warm;
    }
    return 0;
}

void BM_Soak(benchmark::State& state)
{
    QTemporaryDir dir;
    vintorp::ui::setSeparatorSource([] { return QStringLiteral(","); });
    vintorp::ui::TForm4 drawing(std::make_unique<vintorp::bench::PdfChooser>(dir.filePath("page.pdf")));
    vintorp::ui::TForm1 form(drawing);
    form.show();

    // No modal box may stop the run: one that opens is counted and closed.
    int boxes = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&boxes] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++boxes;
            modal->close();
        }
    });
    closer.start(10);

    const auto input = [&form](const char* name) { return form.findChild<QLineEdit*>(name); };
    QPushButton* calculate = form.findChild<QPushButton*>("btShow");
    QRadioButton* eType = form.findChild<QRadioButton*>("item0");
    QRadioButton* uType = form.findChild<QRadioButton*>("item1");

    for (auto _ : state) {
        std::printf("start     %6d  resident %8.3f MB\n", 0, vintorp::bench::residentMegabytes());
        // Every value changes from one calculation to the next, and the core
        // type every other time; some results are too wide for their fields.
        const double calcGrowth = soak("calculate", kCalculations, [&](int i) {
            (i % 2 ? uType : eType)->click();
            input("ed_A")->setText(QString::number(10 + i % 50));
            input("ed_B")->setText(QString::number(15 + i % 37) + QStringLiteral(",5"));
            input("ed_C")->setText(QString::number(5 + i % 23));
            input("ed_H")->setText(QString::number(i % 7 ? 30 + i % 41 : 99999));
            input("edMater")->setText(QStringLiteral("1,") + QString::number(i % 10));
            input("edPLKrep")->setText(QString::number(i % 3));
            calculate->click();
        });
        const double printGrowth = soak("print", kPrints, [&](int) { drawing.btPrintClick(); });
        const double growth = calcGrowth + printGrowth;
        state.counters["calc_growth_MB"] = calcGrowth;
        state.counters["print_growth_MB"] = printGrowth;
        state.counters["growth_MB"] = growth;
        state.counters["resident_MB"] = vintorp::bench::residentMegabytes();
        state.counters["boxes"] = boxes;
        if (boxes > 0)
            state.SkipWithError("a modal box opened during the soak");
        else if (growth >= kGrowthLimitMegabytes)
            state.SkipWithError("memory grew by 1 MB or more after warm-up");
    }
}
BENCHMARK(BM_Soak)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv)
{
    return vintorp::bench::runWithProgramApplication(argc, argv);
}
