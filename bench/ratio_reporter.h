#pragma once
// Benchmarks here print their figures as ratios to a floor measured in the
// same run: this reporter shows the runs as usual and keeps each one's real
// time per iteration, by benchmark name.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal; a plain table when the output is kept.
  TRatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        Seconds[run.run_name.function_name] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    ConsoleReporter::ReportRuns(runs);
  }

  // measured / floor, or none when either did not run.
  std::optional<double> Ratio(const std::string& measured, const std::string& floor) const {
    auto m = Seconds.find(measured), f = Seconds.find(floor);
    if (m == Seconds.end() || f == Seconds.end() || f->second <= 0) return std::nullopt;
    return m->second / f->second;
  }

  std::map<std::string, double> Seconds;
};
