#include "reports/CallTotals.h"

#include <QHBoxLayout>

#include "platform/FieldLabel.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "res/Strings.h"

namespace dorv::reports {
CallTotalsPane::CallTotalsPane(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  QLabel* label = nullptr;
  auto field = [&](const char* text) {
    auto* edit = new QLineEdit(this);
    platform::MarkReadOnly(*edit);
    label = platform::LabelFor(text, edit);
    layout->addWidget(label);
    layout->addWidget(edit, 1);
    return edit;
  };
  m_minutes = field(res::kCallLogLabelMinutes);
  m_surcharges = field(res::kCallLogLabelSurcharges);
  m_costs = field(res::kCallLogLabelCosts);
  m_total = field(res::kCallLogLabelTotal);
  m_totalLabel = label;
}

void CallTotalsPane::Show(const CallTotals& totals) {
  const CallTotalTexts texts = TextsOf(totals);
  m_minutes->setText(platform::FromRecord(texts.minutes));
  m_surcharges->setText(platform::FromRecord(texts.surcharges));
  m_costs->setText(platform::FromRecord(texts.costs));
  m_total->setText(platform::FromRecord(texts.total));
}

void CallTotalsPane::Clear() {
  for (QLineEdit* field : {m_minutes, m_surcharges, m_costs, m_total}) field->clear();
}

}  // namespace dorv::reports
