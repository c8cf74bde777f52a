#pragma once
#include <algorithm>
#include <array>
#include <chrono>
#include <vector>
#include <cstdint>

namespace dorv::pdb {

// How a progress bar follows a file being read: at most about a hundred steps.
struct ProgressPlan {
  int maximum;         // the bar's range is 0 to maximum
  long recordsPerStep;  // at least 1
};
ProgressPlan ProgressPlanFor(long recordCount);

// Counts records read and says when the bar is due for its next step.
class ProgressStepper {
 public:
  explicit ProgressStepper(long recordsPerStep) : m_perStep(recordsPerStep < 1 ? 1 : recordsPerStep) {}
  // One more record read; true when the bar steps now.
  bool Advance() {
    if (++m_sinceStep < m_perStep) return false;
    m_sinceStep = 0;
    ++m_steps;
    return true;
  }
  long Steps() const { return m_steps; }

 private:
  long m_perStep;
  long m_sinceStep = 0;
  long m_steps = 0;
};

// Whether a step of a progress bar is painted: the first at once, each later one only when a
// frame's time (a sixtieth of a second) has passed since the last paint. The eye sees no more,
// and every paint holds up the reading that runs on the same thread.
class PaintPacer {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kFrame{16};

  bool Due(Clock::time_point now) {
    if (m_painted && now - m_last < kFrame) return false;
    m_painted = true;
    m_last = now;
    return true;
  }
  void Reset() { m_painted = false; }

 private:
  bool m_painted = false;
  Clock::time_point m_last{};
};

// Sort codes of the lists: column × 2, plus 1 for descending; a code outside the columns is 0.
struct SortOrder {
  int column;
  bool ascending;
};
SortOrder SortOrderOf(int sortCode, int columns = 3);

// One direction flag per column: a click sorts ascending when the flag is clear and
// descending when it is set, and flips it. The book list's load sets Type's, so its first
// click sorts descending.
class SortDirections {
 public:
  explicit SortDirections(std::size_t columns = 3) : m_flags(columns, 0) {}
  void Reset() { std::fill(m_flags.begin(), m_flags.end(), 0); }
  void SetFlag(int column) { m_flags.at(column) = 1; }
  bool Flag(int column) const { return m_flags.at(column) != 0; }
  // A click on a column header: the new sort code, the column's flag flipped.
  int Click(int column);

 private:
  std::vector<std::uint8_t> m_flags;
};

// What a change of the focused row does to the buttons.
struct SelectionButtons {
  bool rowButtons;     // Delete, and the call, memo and contact log buttons shown and enabled
  bool singleButtons;  // Edit, Duplicate and Print Record
};
SelectionButtons ButtonsForSelection(int selectedCount);

// The question asked before deleting; null when nothing is selected.
const char* DeleteQuestion(int selectedCount);

}  // namespace dorv::pdb
