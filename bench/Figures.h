#pragma once
// Summaries of measured times for the benchmarks' printed figures.
#include <windows.h>

#include <algorithm>
#include <numeric>
#include <vector>

struct Figures {
    double mean;
    double median;
    double worst;
};

// Of a non-empty list of measurements.
inline Figures Summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const double sum = std::accumulate(values.begin(), values.end(), 0.0);
    return {sum / static_cast<double>(values.size()), values[values.size() / 2], values.back()};
}

// The performance counter in milliseconds.
class Stopwatch {
public:
    Stopwatch()
    {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        m_frequency = static_cast<double>(frequency.QuadPart);
        Restart();
    }
    void Restart() { m_start = Now(); }
    double ElapsedMilliseconds() const { return static_cast<double>(Now() - m_start) * 1000.0 / m_frequency; }

private:
    static LONGLONG Now()
    {
        LARGE_INTEGER counter;
        ::QueryPerformanceCounter(&counter);
        return counter.QuadPart;
    }

    double m_frequency;
    LONGLONG m_start = 0;
};
