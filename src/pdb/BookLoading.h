#pragma once
#include <QAbstractItemView>
#include <QApplication>
#include <QProgressBar>
#include <QTimer>
#include <functional>
#include <vector>

#include "data/PdbFiles.h"
#include "pdb/PdbListRules.h"

namespace dorv::pdb {

// Moves the bar to the step and paints it, when the bar is on screen and the pacer says a paint
// is due; the reading holds the event loop, so the paint is done at once, and only once.
void ShowStep(QProgressBar& bar, long step, PaintPacer& pacer);

// The progress bar of a list that reads a whole book: set up from the record count, stepped
// every so many records, painted as ShowStep paints.
class LoadProgress {
 public:
  explicit LoadProgress(QProgressBar& bar) : m_bar(bar) {}

  void SetUp(long recordCount);
  void Begin();
  void Record();
  void End() { m_bar.hide(); }

  long RecordsPerStep() const { return m_plan.recordsPerStep; }
  long Steps() const { return m_stepper.Steps(); }

 private:
  QProgressBar& m_bar;
  ProgressPlan m_plan{0, 1};
  ProgressStepper m_stepper{1};
  PaintPacer m_pacer;
};

// Shows the wait cursor while it lives.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// A list dialog reads its rows only once it is on screen: the first show arms a one-shot
// timer whose tick runs the load.
class DeferredLoad {
 public:
  DeferredLoad(int delayMs, std::function<void()> load);
  void OnShown();
  // The timer's tick; tests call it directly.
  void Fire();
  QTimer& Timer() { return m_timer; }

 private:
  QTimer m_timer;
  std::function<void()> m_load;
  bool m_started = false;
};

// The selected rows of a list, in list order.
std::vector<int> SelectedRowsOf(const QAbstractItemView& list);

// Reads the first `count` records of a book into the buffer one after the other, calling
// onRecord after each; stops at the first record that cannot be read. Returns how many were
// read.
long ReadBook(data::PdbFiles& pdb, data::PdbKind kind, long count, data::PdbRecord& buffer,
              const std::function<void(long position)>& onRecord,
              data::PdbFields fields = data::PdbFields::All);

}  // namespace dorv::pdb
