#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

// The benchmarks that paint dialogs run them on Qt's offscreen platform, with the clock in UTC
// unless the caller chose a zone.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("TZ", "UTC", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
