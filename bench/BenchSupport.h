#pragma once
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include <QMessageBox>

namespace dorv::bench {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start);

// Kilobytes of the process's resident memory: "VmRSS:" now, "VmHWM:" at its peak.
long MemoryKb(const char* field);

// Milliseconds a plain read of the files takes: the reference every benchmark
// measures its path against, in the same run.
double ReadFilesMs(const std::vector<std::string>& paths);

// Runs the event loop, waiting for events, until the condition holds; then handles what is
// still queued, so the window is painted.
void RunEventsUntil(const std::function<bool()>& done);

// Collects the path's and the reference's time of each iteration and reports their medians
// and ratio as counters; the benchmark's own time is the path's.
class PathTimes {
 public:
  explicit PathTimes(benchmark::State& state) : m_state(state) {}
  void Add(double pathMs, double referenceMs);
  ~PathTimes();

 private:
  benchmark::State& m_state;
  std::vector<double> m_path;
  std::vector<double> m_reference;
};

// Answers every message box with the given button while it lives.
class AnswerEvery {
 public:
  explicit AnswerEvery(QMessageBox::StandardButton answer);
  ~AnswerEvery();
  int Shown() const { return *m_shown; }

 private:
  std::shared_ptr<int> m_shown = std::make_shared<int>(0);
};

}  // namespace dorv::bench
