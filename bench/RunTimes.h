// The times of a benchmark's runs of one job, summed up as the best, the median and the spread.
#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

class RunTimes {
public:
    void add(double seconds) { m_seconds.push_back(seconds); }

    // Runs `job` `runs` times, each after `prepare` (not timed).
    static RunTimes of(int runs, const std::function<void()>& job, const std::function<void()>& prepare = {})
    {
        RunTimes times;
        for (int i = 0; i < runs; ++i) {
            if (prepare)
                prepare();
            QElapsedTimer timer;
            timer.start();
            job();
            times.add(double(timer.nsecsElapsed()) / 1e9);
        }
        return times;
    }

    int count() const { return int(m_seconds.size()); }
    double best() const { return sorted().front(); }
    double worst() const { return sorted().back(); }
    double median() const
    {
        const std::vector<double> s = sorted();
        const size_t n = s.size();
        return n % 2 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2;
    }

    // "median 1.234 s  best 1.200  worst 1.300  (5 runs)", in `unit` ("s" or "ms").
    void print(const char* job, const char* unit = "s", const char* note = "") const
    {
        const double scale = unit[0] == 'm' ? 1e3 : 1.0;
        std::printf("%-22s median %10.4f %-2s best %10.4f  worst %10.4f  (%d runs)%s\n", job, median() * scale, unit,
                    best() * scale, worst() * scale, count(), note);
        std::fflush(stdout);
    }

private:
    std::vector<double> sorted() const
    {
        std::vector<double> s = m_seconds;
        std::sort(s.begin(), s.end());
        return s.empty() ? std::vector<double>{0.0} : s;
    }

    std::vector<double> m_seconds;
};
