#include "rating/callscreen/CSampleTimeCalculationsDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "platform/Messages.h"
#include "platform/Texts.h"
#include "rating/callscreen/CallFields.h"
#include "res/Strings.h"

namespace dorv::rating {

namespace {
constexpr int kMostSampleMinutes = 999;
}

CSampleTimeCalculationsDlg::CSampleTimeCalculationsDlg(
    const std::array<std::int32_t, 3>& minutes, QWidget* parent)
    : EntryDialog(parent),
      m_minutes(minutes),
      m_ok(new QPushButton(res::kButtonOk, this)),
      m_cancel(new QPushButton(res::kButtonCancel, this)) {
  auto* form = new QFormLayout;
  for (int i = 0; i < 3; ++i) {
    m_fields[i] = new QLineEdit(QString::number(minutes[i]), this);
    m_fields[i]->setObjectName(QString("sample%1").arg(i));
    form->addRow(res::kSampleTimeLabels[i], m_fields[i]);
  }
  m_ok->setObjectName("ok");
  m_cancel->setObjectName("cancel");
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(m_ok, QDialogButtonBox::AcceptRole);
  buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  setWindowTitle(res::kSampleTimesCaption);
  platform::SetCaption(*this);
  m_fields[0]->setFocus();
  connect(m_ok, &QPushButton::clicked, this, &CSampleTimeCalculationsDlg::accept);
  connect(m_cancel, &QPushButton::clicked, this, &CSampleTimeCalculationsDlg::reject);
}

void CSampleTimeCalculationsDlg::accept() {
  std::array<std::int32_t, 3> typed{};
  for (int i = 0; i < 3; ++i) {
    auto value = ParseNumber(m_fields[i]->text().toStdString(), 1, kMostSampleMinutes);
    if (!value) {
      platform::Ask(this, res::kErrorSampleTime);
      m_fields[i]->setFocus();
      m_fields[i]->selectAll();
      return;
    }
    typed[i] = *value;
  }
  m_minutes = typed;
  QDialog::accept();
}

}  // namespace dorv::rating
