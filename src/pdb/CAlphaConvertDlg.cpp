#include "pdb/CAlphaConvertDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/PdbText.h"
#include "platform/ReadOnlyField.h"
#include "platform/Texts.h"
#include "res/Strings.h"

namespace dorv::pdb {

CAlphaConvertDlg::CAlphaConvertDlg(const QString& alpha, QWidget* parent)
    : EntryDialog(parent), m_alpha(new QLineEdit(alpha, this)), m_numeric(new QLineEdit(this)) {
  platform::SetCaption(*this, res::kAlphaConvertCaption);
  platform::MarkReadOnly(*m_numeric);
  auto* fields = new QFormLayout;
  fields->addRow(res::kLabelAlpha, m_alpha);
  fields->addRow(res::kLabelNumeric, m_numeric);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(res::kButtonClose, QDialogButtonBox::AcceptRole);
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, [this] { done(1); });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(buttons);
  connect(m_alpha, &QLineEdit::textChanged, this, &CAlphaConvertDlg::ShowDigits);
  ShowDigits();
  m_alpha->setFocus();
}

void CAlphaConvertDlg::ShowDigits() {
  m_numeric->setText(
      QString::fromStdString(data::AlphaToDigits(m_alpha->text().toStdString())));
}

}  // namespace dorv::pdb
