#pragma once
#include "data/Charges.h"
#include "platform/ReportList.h"

namespace dorv::rating {

// The cost as money, followed by "/hr" for a per-time surcharge.
QString SurchargeCostText(const data::Surcharge& surcharge);

// One row of the surcharge lists: a copy of a surcharge and its slot number. Columns:
// description, cost, type and interval (the picker shows the first two).
class SurchargeRow final : public platform::ListRow {
 public:
  SurchargeRow(const data::Surcharge& surcharge, int slot) : m_surcharge(surcharge), m_slot(slot) {}
  QString Text(int column) const override;
  const data::Surcharge& Value() const { return m_surcharge; }
  int Slot() const { return m_slot; }

 private:
  data::Surcharge m_surcharge;
  int m_slot;
};

// Sorts the cost column by amount and every other column by its text.
int CompareSurchargeRows(const SurchargeRow& a, const SurchargeRow& b, int column);

}  // namespace dorv::rating
