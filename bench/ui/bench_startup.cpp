// Start-up of the program's windows against a minimal Qt Widgets window with
// one field and one button, in the same process and the same run.
//
//   QT_QPA_PLATFORM=offscreen ./bench_startup
#include "ui/Unit1.h"
#include "ui/Unit4.h"
#include "ui/application.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <benchmark/benchmark.h>

namespace {

void showAndWait(QWidget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("window never exposed");
    QCoreApplication::processEvents();
}

void BM_ProgramWindows(benchmark::State& state)
{
    for (auto _ : state) {
        vintorp::ui::TForm4 drawing;
        vintorp::ui::TForm1 input(drawing);
        showAndWait(input);
        benchmark::DoNotOptimize(drawing.isVisible());
    }
}
BENCHMARK(BM_ProgramWindows)->Unit(benchmark::kMillisecond);

void BM_MinimalWindow(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget window;
        window.resize(325, 220);
        QLineEdit field(&window);
        QPushButton button(QStringLiteral("OK"), &window);
        button.move(0, 30);
        showAndWait(window);
    }
}
BENCHMARK(BM_MinimalWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    vintorp::ui::Application app(argc, argv);
    vintorp::ui::setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
