// The windings window: one cell edited through the table's model (what a key
// typed into a cell does) up to the verdict, with the window painted again
// after it (goal: under 16 ms, one frame at 60 Hz, at the largest table a
// design holds); the build-up alone beside it; and a repaint of the
// cross-section at a device pixel ratio of 2 (goal: under 16 ms); and a
// transformer of eight secondaries worked out from its voltages and filled
// into the table, up to the table's verdict (goal: under 2 ms).
//
//   QT_QPA_PLATFORM=offscreen ./bench_windings
#include "../common/programmain.h"
#include "design/design.h"
#include "print/sharedprinter.h"
#include "ui/decimalseparator.h"
#include "ui/transformerdialog.h"
#include "ui/windingsection.h"
#include "ui/windingswindow.h"
#include "windings/buildup.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QDoubleSpinBox>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

using namespace vintorp;

// The worked example's bobbin (A 20, B 25, C 10, H 30, T 1, E-type).
constexpr windings::Space kWorked{1, 27.5, 8.5, 22.5, 27.5};

// A transformer's worth of windings: a 0.35 mm primary of 1200 turns and
// secondaries from 0.2 to 1.1 mm, so that the coil runs well past the
// cheeks, with layers of every size.
std::vector<windings::Winding> someWindings(std::size_t count)
{
    std::vector<windings::Winding> list{{"Primary", 1200, 0.35, 0.05, 0.1, std::nullopt, {}, windings::kDefaultGrade}};
    static const double wires[] = {0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.1};
    static const long turns[] = {300, 40, 120, 60};
    for (std::size_t i = 0; list.size() < count; ++i)
        list.push_back({"Secondary " + std::to_string(i + 1), turns[i % 4], wires[i % 10], i % 2 ? 0 : 0.03,
                        0.05, std::nullopt, std::nullopt, windings::kDefaultGrade});
    return list;
}

// The turns of the first winding typed again, alternately "1200" and
// "1210": every winding's wire length changes with it; then the window is
// painted as the screen would show it.
void BM_EditCellAndRepaint(benchmark::State& state)
{
    ui::setSeparatorSource([] { return QStringLiteral(","); });
    print::SharedPrinter printer;
    ui::WindingsWindow window(printer);
    window.setSpace(kWorked);
    window.setWindings(someWindings(std::size_t(state.range(0))), {});
    window.show();
    QCoreApplication::processEvents();
    auto* view = window.findChild<QAbstractItemView*>(QStringLiteral("twWindings"));
    if (!view || window.result().windings.size() != std::size_t(state.range(0))) {
        state.SkipWithError("the windings did not build");
        return;
    }
    QAbstractItemModel& model = *view->model();
    const QModelIndex turns = model.index(0, 1);
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    bool other = false;
    for (auto _ : state) {
        other = !other;
        model.setData(turns, other ? QStringLiteral("1210") : QStringLiteral("1200"), Qt::EditRole);
        QCoreApplication::processEvents();
        window.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    if (window.result().windings.front().build <= 0)
        state.SkipWithError("the edit did not reach the build-up");
}
BENCHMARK(BM_EditCellAndRepaint)
    ->Arg(3)
    ->Arg(int(vintorp::design::kMaxWindings))
    ->Unit(benchmark::kMillisecond);

void BM_BuildUp(benchmark::State& state)
{
    const std::vector<windings::Winding> list = someWindings(std::size_t(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(windings::buildUp(kWorked, list, {}));
}
BENCHMARK(BM_BuildUp)->Arg(3)->Arg(int(vintorp::design::kMaxWindings))->Unit(benchmark::kMicrosecond);

// The section as the window shows it, 520 × 420, painted into an image of
// twice as many pixels each way.
void BM_SectionRepaintAt2x(benchmark::State& state)
{
    ui::setSeparatorSource([] { return QStringLiteral(","); });
    print::SharedPrinter printer;
    ui::WindingsWindow window(printer);
    window.setSpace(kWorked);
    window.setWindings(someWindings(20), {});
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

// The mains typed again, alternately 230 and 231 V, the transformer worked
// out again in the dialog (its figures and its table of windings set and
// sized), and «Заполнить таблицу» pressed: the table's build-up and verdict
// follow. The dialog is hidden (Arg 0: nothing painted) or shown and
// painted as the screen would show it (Arg 1). A 20, B 40, C 12.5, H 32, T 1,
// E-type.
void BM_FromVoltagesToVerdict(benchmark::State& state)
{
    ui::setSeparatorSource([] { return QStringLiteral(","); });
    print::SharedPrinter printer;
    ui::WindingsWindow window(printer);
    window.setCore({false, 20, 40, 12.5, 32});
    window.setSpace(windings::Space{1, 29.5, 11, 22.5, 42.5});
    window.openFromVoltages();
    auto* dialog = window.findChild<ui::TransformerDialog*>(QStringLiteral("dlgFromVoltages"));
    auto* fill = dialog ? dialog->findChild<QPushButton*>(QStringLiteral("btFillTable")) : nullptr;
    if (!fill) {
        state.SkipWithError("no dialog");
        return;
    }
    if (state.range(0) == 0)
        dialog->hide();
    windings::TransformerInputs inputs = ui::defaultTransformerInputs();
    inputs.secondaries.clear();
    static const char* const names[] = {"II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    for (int i = 0; i < int(std::size(names)); ++i)
        inputs.secondaries.push_back({names[i], 3.0 + i, 0.2});
    dialog->setInputs(inputs);
    auto* mains = dialog->findChild<QDoubleSpinBox*>(QStringLiteral("seMains"));
    bool other = false;
    for (auto _ : state) {
        other = !other;
        mains->setValue(other ? 231 : 230);
        fill->click();
        QCoreApplication::processEvents();
    }
    if (window.result().windings.size() != inputs.secondaries.size() + 1 || !window.result().build)
        state.SkipWithError("the table did not reach a verdict");
}
BENCHMARK(BM_FromVoltagesToVerdict)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::runWithProgramApplication(argc, argv);
}
