#include "pdb/BookLoading.h"

#include <QItemSelectionModel>
#include <algorithm>

namespace dorv::pdb {

void ShowStep(QProgressBar& bar, long step, PaintPacer& pacer) {
  if (!bar.isVisible() || !pacer.Due(PaintPacer::Clock::now())) return;
  // Books just above a multiple of a hundred take more steps than the bar has room for.
  // setValue repaints at once when the change shows.
  bar.setValue(static_cast<int>(std::min<long>(step, bar.maximum())));
}

void LoadProgress::SetUp(long recordCount) {
  m_plan = ProgressPlanFor(recordCount);
  m_bar.setRange(0, std::max(1, m_plan.maximum));
  m_bar.setValue(0);
}

void LoadProgress::Begin() {
  m_stepper = ProgressStepper(m_plan.recordsPerStep);
  m_pacer.Reset();
  m_bar.setValue(0);
  m_bar.show();
}

void LoadProgress::Record() {
  if (m_stepper.Advance()) ShowStep(m_bar, m_stepper.Steps(), m_pacer);
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
              const std::function<void(long position)>& onRecord, data::PdbFields fields) {
  // About a megabyte a read: a large book comes in few system calls.
  constexpr long kBlock = 720;
  std::vector<data::PdbRecord> block(static_cast<std::size_t>(std::clamp(count, 0L, kBlock)));
  long position = 0;
  for (long size; position < count; position += size) {
    size = std::min(kBlock, count - position);
    if (!pdb.ReadRecords(position, size, block.data(), kind, fields)) break;
    for (long i = 0; i < size; ++i) {
      buffer = block[static_cast<std::size_t>(i)];
      onRecord(position + i);
    }
  }
  // A block that cannot be read whole is read record by record, up to the one that fails.
  for (; position < count; ++position) {
    if (!pdb.ReadAt(position, buffer, kind, fields)) break;
    onRecord(position);
  }
  return position;
}

}  // namespace dorv::pdb
