#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace ormitan::bench {

// Google Benchmark's console output as usual, and each benchmark's median real time kept for
// the ratios.
class MedianReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }
    std::map<std::string, double> medians;
};

// Initialises Google Benchmark for medians of repeated runs that take turns in a random order,
// so that a change of the machine's load falls on every benchmark alike, unless the command line
// says otherwise (later flags win). Leaves in argc and argv what the application should see.
class MedianRuns {
  public:
    MedianRuns(int& argc, char**& argv) : args_(argv, argv + argc) {
        std::vector<char*> defaults;
        for (std::string& flag : defaults_) {
            defaults.push_back(flag.data());
        }
        args_.insert(args_.begin() + 1, defaults.begin(), defaults.end());
        args_.push_back(nullptr);
        argc = int(args_.size()) - 1;
        argv = args_.data();
        benchmark::Initialize(&argc, argv);
    }
    MedianRuns(const MedianRuns&) = delete;
    MedianRuns& operator=(const MedianRuns&) = delete;

  private:
    std::vector<std::string> defaults_ = {"--benchmark_repetitions=15",
                                          "--benchmark_report_aggregates_only=true",
                                          "--benchmark_enable_random_interleaving=true"};
    std::vector<char*> args_;
};

}  // namespace ormitan::bench
