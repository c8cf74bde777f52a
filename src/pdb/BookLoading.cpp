#include "pdb/BookLoading.h"

#include <QItemSelectionModel>
#include <algorithm>

namespace dorv::pdb {

void LoadProgress::SetUp(long recordCount) {
  m_plan = ProgressPlanFor(recordCount);
  m_bar.setRange(0, std::max(1, m_plan.maximum));
  m_bar.setValue(0);
}

void LoadProgress::Begin() {
  m_stepper = ProgressStepper(m_plan.recordsPerStep);
  m_bar.setValue(0);
  m_bar.show();
}

void LoadProgress::Record() {
  if (!m_stepper.Advance()) return;
  // Books just above a multiple of a hundred take more steps than the bar has room for.
  m_bar.setValue(std::min(m_bar.value() + 1, m_bar.maximum()));
  if (m_bar.isVisible()) m_bar.repaint();
}

DeferredLoad::DeferredLoad(int delayMs, std::function<void()> load) : m_load(std::move(load)) {
  m_timer.setSingleShot(true);
  m_timer.setInterval(delayMs);
  QObject::connect(&m_timer, &QTimer::timeout, [this] { Fire(); });
}

void DeferredLoad::OnShown() {
  if (m_started) return;
  m_started = true;
  m_timer.start();
}

void DeferredLoad::Fire() {
  m_timer.stop();
  m_started = true;
  m_load();
}

std::vector<int> SelectedRowsOf(const QAbstractItemView& list) {
  std::vector<int> rows;
  for (const QModelIndex& index : list.selectionModel()->selectedRows())
    rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

long ReadBook(data::PdbFiles& pdb, data::PdbKind kind, long count, data::PdbRecord& buffer,
              const std::function<void(long position)>& onRecord) {
  long position = 0;
  for (; position < count; ++position) {
    bool read = position == 0 ? pdb.ReadAt(0, buffer, kind) : pdb.ReadNext(buffer, kind);
    if (!read) break;
    onRecord(position);
  }
  return position;
}

}  // namespace dorv::pdb
