// Opening a design of the worked example's bobbin with 20 windings, from the
// file to the drawing and the windings window painted (goal: under 50 ms):
// into windows that are already open, and into the windows of a fresh start,
// made, shown and painted within the iteration.
//
//   QT_QPA_PLATFORM=offscreen ./bench_open_design
#include "../common/programmain.h"
#include "design/design.h"
#include "ui/inputwindow.h"
#include "ui/drawingwindow.h"
#include "ui/decimalseparator.h"
#include "ui/designkeeper.h"
#include "ui/windingswindow.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace vintorp;

// The file: the worked example (A 20, B 25, C 10, H 30, T 1) and a 0.35 mm
// primary of 1200 turns with nineteen secondaries from 0.2 to 1.1 mm.
QString writeDesignFile(const QTemporaryDir& dir)
{
    design::Design d;
    d.inputs = {"20", "25", "10", "30", "0", "1"};
    d.windings.push_back({"I", 1200, 0.35, 0.05, 0.1, {}, {}, windings::kDefaultGrade});
    const double wires[] = {0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.1};
    const long turns[] = {300, 40, 120, 60};
    for (int i = 0; i < 19; ++i)
        d.windings.push_back({"II-" + std::to_string(i), turns[i % 4], wires[i % 10], i % 2 ? 0 : 0.03, 0.05, {}, {}, windings::kDefaultGrade});
    const QString path = dir.filePath(QStringLiteral("twenty.vintorp"));
    QFile file(path);
    const std::string bytes = design::writeDesign(d, ".");
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        return {};
    return path;
}

// The windows of a start and the keeper of their design.
struct Windows {
    ui::TForm4 drawing;
    ui::TForm1 input{drawing};
    ui::DesignKeeper keeper{input, drawing};

    // Opens the design and paints what it shows; false when it did not open.
    bool openAndPaint(const QString& path)
    {
        if (!keeper.open(path) || !drawing.windingsWindow() || drawing.windingsWindow()->result().windings.size() != 20)
            return false;
        drawing.repaint();
        drawing.windingsWindow()->repaint();
        QCoreApplication::processEvents();
        return drawing.isVisible() && drawing.windingsWindow()->isVisible();
    }

    // Shows the input window first, as the program does at start.
    bool showAndOpen(const QString& path)
    {
        input.show();
        return QTest::qWaitForWindowExposed(&input) && openAndPaint(path);
    }
};

void didNotOpen(benchmark::State& state)
{
    state.SkipWithError("the design did not open");
}

void BM_OpenDesignIntoOpenWindows(benchmark::State& state)
{
    ui::setSeparatorSource([] { return QStringLiteral(","); });
    const QTemporaryDir dir;
    const QString path = writeDesignFile(dir);
    Windows windows;
    if (!windows.showAndOpen(path))
        return didNotOpen(state);
    for (auto _ : state) {
        if (!windows.openAndPaint(path))
            return didNotOpen(state);
    }
}
BENCHMARK(BM_OpenDesignIntoOpenWindows)->Unit(benchmark::kMillisecond);

void BM_OpenDesignAtStart(benchmark::State& state)
{
    ui::setSeparatorSource([] { return QStringLiteral(","); });
    const QTemporaryDir dir;
    const QString path = writeDesignFile(dir);
    for (auto _ : state) {
        Windows windows;
        if (!windows.showAndOpen(path))
            return didNotOpen(state);
    }
}
BENCHMARK(BM_OpenDesignAtStart)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return vintorp::bench::runWithProgramApplication(argc, argv);
}
