#include "reports/CallSurchargePane.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "platform/RecordText.h"
#include "rating/Surcharges.h"
#include "res/Strings.h"

namespace dorv::reports {
namespace {

constexpr std::int32_t kPerTimeDuration = 2;

class SurchargeLineRow final : public platform::ListRow {
 public:
  explicit SurchargeLineRow(SurchargeLine line) : m_line(std::move(line)) {}
  QString Text(int column) const override {
    if (column == 0) return m_line.description;
    if (column == 1) return platform::FromRecord(data::MoneyText(m_line.amount, true));
    return {};
  }

 private:
  SurchargeLine m_line;
};

}  // namespace

std::vector<SurchargeLine> SurchargeLinesOf(const CallListItem& call) {
  std::vector<SurchargeLine> lines;
  if (call.EntrySurcharge() != 0) lines.push_back({res::kSurchargeEntryRow, call.EntrySurcharge()});
  for (const data::Surcharge& slot : call.Surcharges()) {
    QString description = platform::FromRecord(data::ReadField(slot.description));
    if (slot.cost == 0 && description.isEmpty()) continue;
    double amount = slot.kind == kPerTimeDuration
                        ? rating::PerTimeCharge(slot, call.Duration())
                        : slot.cost;
    lines.push_back({description, amount});
  }
  return lines;
}

CallSurchargePane::CallSurchargePane(QWidget* parent) : QWidget(parent) {
  // The amounts need room to be read: three quarters for the description, the rest for them.
  m_rows = new platform::ReportListModel(
      {{res::kColumnType, 75, Qt::AlignLeft}, {res::kCallLogColumnCost, 25, Qt::AlignRight}},
      platform::CompareTextsNoCase, this);
  m_list = new platform::ReportList(true, this);
  m_list->setAccessibleName(res::kCallLogLabelCallSurcharges);
  m_list->SetModel(m_rows);
  m_list->header()->setSectionsClickable(false);
  m_list->setSelectionMode(QAbstractItemView::NoSelection);
  m_list->setFocusPolicy(Qt::NoFocus);
  QPalette palette = m_list->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  m_list->setPalette(palette);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_list);
}

void CallSurchargePane::ShowSurchargesOf(const CallListItem& call) {
  std::vector<std::unique_ptr<platform::ListRow>> rows;
  for (SurchargeLine& line : SurchargeLinesOf(call))
    rows.push_back(std::make_unique<SurchargeLineRow>(std::move(line)));
  m_rows->Clear();
  m_rows->AddRows(std::move(rows));
}

}  // namespace dorv::reports
