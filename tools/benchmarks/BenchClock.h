#pragma once
// Timing and printing helpers shared by the benchmark modes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

// Milliseconds since an arbitrary start, from the performance counter.
inline double NowMs()
{
    static const double perMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / perMs;
}

inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Median time of runs calls of work, in milliseconds.
template <typename Work>
double MedianMs(int runs, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = NowMs();
        work();
        times.push_back(NowMs() - start);
    }
    return Median(times);
}

// One result line, "key value", read by tools/bench.
inline void Report(const char* key, double value)
{
    std::printf("%s %.6f\n", key, value);
    std::fflush(stdout);
}
