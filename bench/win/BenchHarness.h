// A minimal side-by-side timer: each case runs in batches, the fastest batch
// stands for it (the least disturbed by the rest of the machine).
#pragma once
#include <windows.h>

#include <cstdio>
#include <functional>

namespace bench {

inline double SecondsPerRun(const std::function<void()>& run, int runsPerBatch, int batches = 7) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    double best = 1e300;
    for (int b = 0; b < batches; ++b) {
        QueryPerformanceCounter(&start);
        for (int i = 0; i < runsPerBatch; ++i) run();
        QueryPerformanceCounter(&end);
        const double seconds = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart) / runsPerBatch;
        if (seconds < best) best = seconds;
    }
    return best;
}

inline void Report(const char* name, double ours, double baseline) {
    std::printf("%-40s %12.1f us   baseline %12.1f us   %8.1fx faster\n", name, ours * 1e6, baseline * 1e6,
                baseline / ours);
}

}  // namespace bench
