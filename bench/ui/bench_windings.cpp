// The windings window: reading 20 windings from the table, building them up
// and writing every result, verdict and the section's content back (what
// each key typed into a cell costs; goal: under 1 ms of CPU); the build-up
// alone beside it; and a repaint of the cross-section at a device pixel ratio
// of 2 (goal: under 16 ms, one frame at 60 Hz).
//
//   QT_QPA_PLATFORM=offscreen ./bench_windings
#include "../common/programmain.h"
#include "print/sharedprinter.h"
#include "ui/decimalseparator.h"
#include "ui/windingsection.h"
#include "ui/windingswindow.h"
#include "windings/buildup.h"

#include <QImage>
#include <QPainter>
#include <QTableWidget>

#include <benchmark/benchmark.h>

namespace {

using namespace vintorp;

// The worked example's bobbin (A 20, B 25, C 10, H 30, T 1, E-type) and a
// transformer's worth of windings: a 0.35 mm primary of 1200 turns and
// nineteen secondaries from 0.2 to 1.1 mm, so that some fit and the coil
// runs well past the cheeks, with layers of every size.
constexpr windings::Space kWorked{1, 27.5, 8.5, 22.5, 27.5};

struct Row {
    const char* turns;
    const char* wire;
    const char* between;
    const char* over;
};

std::vector<Row> twentyRows()
{
    std::vector<Row> rows{{"1200", "0,35", "0,05", "0,1"}};
    static const char* const wires[]
        = {"0,2", "0,25", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9", "1,1"};
    static const char* const turns[] = {"300", "40", "120", "60"};
    for (int i = 0; i < 19; ++i)
        rows.push_back({turns[i % 4], wires[i % 10], i % 2 ? "0" : "0,03", "0,05"});
    return rows;
}

void fillTable(ui::WindingsWindow& window)
{
    ui::setSeparatorSource([] { return QStringLiteral(","); });
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("twWindings"));
    for (const Row& row : twentyRows()) {
        window.addWinding();
        const int r = table->rowCount() - 1;
        table->item(r, ui::ColTurns)->setText(QString::fromUtf8(row.turns));
        table->setItem(r, ui::ColWire, new QTableWidgetItem(QString::fromUtf8(row.wire)));
        table->item(r, ui::ColBetween)->setText(QString::fromUtf8(row.between));
        table->item(r, ui::ColOver)->setText(QString::fromUtf8(row.over));
    }
}

void BM_RecalculateTwentyWindings(benchmark::State& state)
{
    print::SharedPrinter printer;
    ui::WindingsWindow window(printer);
    window.setSpace(kWorked);
    fillTable(window);
    if (window.result().windings.size() != 20 || !window.result().build) {
        state.SkipWithError("the twenty windings did not build");
        return;
    }
    for (auto _ : state) {
        window.recalculate();
        benchmark::DoNotOptimize(window.result().build);
    }
}
BENCHMARK(BM_RecalculateTwentyWindings)->Unit(benchmark::kMicrosecond);

void BM_BuildUpTwentyWindings(benchmark::State& state)
{
    std::vector<windings::Winding> list;
    for (const Row& row : twentyRows())
        list.push_back({"", std::stol(row.turns), QString::fromUtf8(row.wire).replace(u',', u'.').toDouble(),
                        QString::fromUtf8(row.between).replace(u',', u'.').toDouble(),
                        QString::fromUtf8(row.over).replace(u',', u'.').toDouble(), std::nullopt});
    for (auto _ : state)
        benchmark::DoNotOptimize(windings::buildUp(kWorked, list, {}));
}
BENCHMARK(BM_BuildUpTwentyWindings)->Unit(benchmark::kMicrosecond);

// The section as the window shows it, 520 × 420, painted into an image of
// twice as many pixels each way.
void BM_SectionRepaintAt2x(benchmark::State& state)
{
    print::SharedPrinter printer;
    ui::WindingsWindow window(printer);
    window.setSpace(kWorked);
    fillTable(window);
    const auto* section = window.findChild<ui::WindingSection*>(QStringLiteral("wsSection"));
    const ui::SectionContent content = section->content();
    const QSize size(520, 420);
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    for (auto _ : state) {
        QPainter painter(&image);
        ui::paintSection(painter, QRectF(QPointF(0, 0), QSizeF(size)), content);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_SectionRepaintAt2x)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::runWithProgramApplication(argc, argv);
}
