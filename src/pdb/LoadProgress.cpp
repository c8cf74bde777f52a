#include "pdb/LoadProgress.h"

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
