// The end of a benchmark program's main(), once the program has made what
// its benchmarks need: Google Benchmark's own steps.
#pragma once

#include <benchmark/benchmark.h>

namespace vintorp::bench {

inline int runBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace vintorp::bench
