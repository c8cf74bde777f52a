#include "reports/CCostTrendsDlg.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "data/MoneyText.h"
#include "platform/Messages.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "res/Strings.h"

namespace dorv::reports {
namespace {

// "Dec 15", the year and the cycle's total under it, in dollars and cents to fit under a bar.
QString CycleLabel(const CycleCosts& cycle) {
  return QString("%1 %2<br>%3<br><b>$%4</b>")
      .arg(platform::FromRecord(data::MonthName(cycle.from.month)).left(3))
      .arg(cycle.from.day)
      .arg(cycle.from.year)
      .arg(cycle.Total() / 100.0, 0, 'f', 2);
}

}  // namespace

CCostTrendsDlg::CCostTrendsDlg(const CallReportFiles& files, const BillDate& today, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(res::kTrendsCaption);
  platform::SetCaption(*this);
  int unreadable = 0;
  m_cycles = CostTrend(files.callLog, files.myInfo, today, unreadable);

  const char* names[kBillingClassCount + 1] = {res::kTrendsLocal, res::kTrendsLongDistance,
                                               res::kTrendsInternational, res::kTrendsTollFree,
                                               res::kTrendsRecurring};
  auto* series = new QStackedBarSeries;
  QStringList categories;
  double highest = 0;
  for (int part = 0; part <= kBillingClassCount; ++part) {
    auto* set = new QBarSet(names[part]);
    for (const CycleCosts& cycle : m_cycles)
      *set << (part < kBillingClassCount ? cycle.classes[part] : cycle.recurring) / 100.0;
    series->append(set);
  }
  for (const CycleCosts& cycle : m_cycles) {
    categories << CycleLabel(cycle);
    highest = std::max(highest, cycle.Total() / 100.0);
  }
  m_chart = new QChart;
  m_chart->addSeries(series);
  auto* cyclesAxis = new QBarCategoryAxis;
  cyclesAxis->append(categories);
  m_chart->addAxis(cyclesAxis, Qt::AlignBottom);
  series->attachAxis(cyclesAxis);
  auto* dollars = new QValueAxis;
  dollars->setRange(0, highest > 0 ? highest * 1.1 : 1);
  dollars->applyNiceNumbers();
  dollars->setLabelFormat("$%.2f");
  m_chart->addAxis(dollars, Qt::AlignLeft);
  series->attachAxis(dollars);
  m_chart->legend()->setAlignment(Qt::AlignBottom);

  auto* view = new QChartView(m_chart, this);
  view->setAccessibleName(res::kTrendsCaption);
  view->setRenderHint(QPainter::Antialiasing);
  m_close = new QPushButton(res::kButtonClose, this);
  m_close->setDefault(true);
  connect(m_close, &QPushButton::clicked, this, [this] { done(1); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view, 1);
  layout->addLayout(buttons);
  resize(1100, 600);
  if (unreadable > 0) platform::Ask(this, res::kCallLogErrorAccess);
}

}  // namespace dorv::reports
