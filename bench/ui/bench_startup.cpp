// Start-up of the program against a minimal Qt Widgets program with one field
// and one button, measured in the same run.
//
// Each iteration starts a fresh process (this binary again, in a child role)
// that does what a start-up does: create the application, then the windows,
// show the main window and wait until it is on screen, then exit. The
// program's role is the real start-up (fonts, translations, both windows
// with their pictures, the drawing window hidden).
//
//   QT_QPA_PLATFORM=offscreen ./bench_startup
// The counters give the mean of each and the ratio program / minimal.
#include "../common/runbenchmarks.h"
#include "ui/inputwindow.h"
#include "ui/drawingwindow.h"
#include "ui/application.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>

extern char** environ;

namespace {

constexpr char kChildFlag[] = "--child=";

std::string selfPath;

int showAndExit(QWidget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 2;
    QCoreApplication::processEvents();
    return 0;
}

int programChild(int argc, char** argv)
{
    vintorp::ui::Application app(argc, argv);
    vintorp::ui::setUpApplication(app);
    vintorp::ui::TForm4 drawing;
    vintorp::ui::TForm1 input(drawing);
    return showAndExit(input);
}

int minimalChild(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(325, 220);
    QLineEdit field(&window);
    QPushButton button(QStringLiteral("OK"), &window);
    button.move(0, 30);
    return showAndExit(window);
}

// Runs this binary in a child role, waits for it and returns the wall time
// it took in milliseconds, or a negative value when it failed.
double runChild(const char* role)
{
    const std::string flag = std::string(kChildFlag) + role;
    char* args[] = {selfPath.data(), const_cast<char*>(flag.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, selfPath.c_str(), nullptr, nullptr, args, environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? took.count() : -1;
}

// The two start-ups alternate, so that a change in the machine's load hits
// both alike; the counters give each one's mean and their ratio.
void BM_Startup(benchmark::State& state)
{
    double program = 0;
    double minimal = 0;
    for (auto _ : state) {
        const double p = runChild("program");
        const double m = runChild("minimal");
        if (p < 0 || m < 0) {
            state.SkipWithError("a child process failed");
            return;
        }
        program += p;
        minimal += m;
    }
    const auto n = double(state.iterations());
    state.counters["program_ms"] = program / n;
    state.counters["minimal_ms"] = minimal / n;
    state.counters["ratio"] = program / minimal;
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5.0);

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strncmp(argv[1], kChildFlag, std::strlen(kChildFlag)) == 0) {
        const std::string role = argv[1] + std::strlen(kChildFlag);
        int childArgc = 1;
        return role == "program" ? programChild(childArgc, argv) : minimalChild(childArgc, argv);
    }
    selfPath = std::filesystem::read_symlink("/proc/self/exe").string();
    return vintorp::bench::runBenchmarks(argc, argv);
}
