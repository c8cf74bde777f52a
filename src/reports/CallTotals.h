#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "reports/CallListItem.h"

namespace dorv::reports {

// The running totals of a call list.
struct CallTotals {
  double costs = 0;       // cents
  double surcharges = 0;  // cents, the calls' surcharge totals
  std::int64_t seconds = 0;

  void Add(const CallListItem& call) {
    costs += call.Cost();
    surcharges += call.SurchargeTotal();
    seconds += call.Duration();
  }
  void Remove(const CallListItem& call) {
    costs -= call.Cost();
    surcharges -= call.SurchargeTotal();
    seconds -= call.Duration();
  }
};

// The totals as shown, always in the unmarked money form.
struct CallTotalTexts {
  QString minutes, surcharges, costs, total;
};
CallTotalTexts TextsOf(const CallTotals& totals);

// The four read-only totals under a call list: "Minutes:", "Surcharges:", "Costs:" and
// "Total Costs and Surcharges:".
class CallTotalsPane final : public QWidget {
 public:
  explicit CallTotalsPane(QWidget* parent = nullptr);
  void Show(const CallTotals& totals);
  // Empties the four fields.
  void Clear();
  // Reports word the last total differently.
  void SetTotalLabel(const QString& label) { m_totalLabel->setText(label); }

  const QLineEdit& Minutes() const { return *m_minutes; }
  const QLineEdit& Surcharges() const { return *m_surcharges; }
  const QLineEdit& Costs() const { return *m_costs; }
  const QLineEdit& Total() const { return *m_total; }

 private:
  QLineEdit* m_minutes;
  QLineEdit* m_surcharges;
  QLineEdit* m_costs;
  QLineEdit* m_total;
  QLabel* m_totalLabel = nullptr;
};

}  // namespace dorv::reports
