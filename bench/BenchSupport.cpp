#include "BenchSupport.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <unistd.h>

#include "platform/Messages.h"

namespace dorv::bench {
namespace {

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  std::size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long MemoryKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string(field).size());
  return -1;
}

double ReadFilesMs(const std::vector<std::string>& paths) {
  // Through one buffer of a megabyte, as a plain copy of the file would read it.
  static std::vector<char> buffer(1 << 20);
  auto start = Clock::now();
  for (const std::string& path : paths) {
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) continue;
    while (::read(fd, buffer.data(), buffer.size()) > 0) benchmark::ClobberMemory();
    ::close(fd);
  }
  return MsSince(start);
}

void RunEventsUntil(const std::function<bool()>& done) {
  while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents();
}

void PathTimes::Add(double pathMs, double referenceMs) {
  m_path.push_back(pathMs);
  m_reference.push_back(referenceMs);
  m_state.SetIterationTime(pathMs / 1000);
}

PathTimes::~PathTimes() {
  double path = Median(m_path), reference = Median(m_reference);
  m_state.counters["median_ms"] = path;
  m_state.counters["ref_ms"] = reference;
  m_state.counters["ratio"] = reference > 0 ? path / reference : 0;
}

AnswerEvery::AnswerEvery(QMessageBox::StandardButton answer) {
  platform::SetPromptHook([answer, shown = m_shown](const QString&, QMessageBox::StandardButtons) {
    ++*shown;
    return answer;
  });
}

AnswerEvery::~AnswerEvery() { platform::SetPromptHook(nullptr); }

}  // namespace dorv::bench
