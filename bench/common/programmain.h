// main() of a benchmark that drives the program's windows: the program's
// own application object, set up as at start, on the offscreen platform
// unless another is asked for.
#pragma once

#include "runbenchmarks.h"
#include "ui/application.h"

#include <cstdlib>

namespace vintorp::bench {

inline int runWithProgramApplication(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ui::Application app(argc, argv);
    ui::setUpApplication(app);
    return runBenchmarks(argc, argv);
}

}  // namespace vintorp::bench
