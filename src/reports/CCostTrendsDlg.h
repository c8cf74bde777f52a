#pragma once
#include <QDialog>
#include <QPushButton>
#include <vector>

#include "reports/CallReports.h"
#include "reports/CostTrends.h"

class QChart;

namespace dorv::reports {

// The bills of the last twelve billing cycles as stacked bars: the four sections of calls and
// the recurring charges, each cycle labelled with its total.
class CCostTrendsDlg final : public QDialog {
  Q_OBJECT
 public:
  CCostTrendsDlg(const CallReportFiles& files, const BillDate& today, QWidget* parent = nullptr);
  CCostTrendsDlg(const CCostTrendsDlg&) = delete;
  CCostTrendsDlg& operator=(const CCostTrendsDlg&) = delete;

  const std::vector<CycleCosts>& Cycles() const { return m_cycles; }
  QChart& Chart() const { return *m_chart; }

 private:
  std::vector<CycleCosts> m_cycles;
  QChart* m_chart = nullptr;
  QPushButton* m_close = nullptr;
};

}  // namespace dorv::reports
