#pragma once
// Wall-clock timing shared by the benchmarks.
#include <algorithm>
#include <chrono>
#include <functional>

template <class F>
double kySeconds(F f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The shortest of `runs` runs.
inline double kyBestOf(int runs, const std::function<void()>& f)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, kySeconds(f));
    return best;
}
