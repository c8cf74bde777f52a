#include "rating/callscreen/MoneyField.h"

#include <QHBoxLayout>

#include "data/MoneyText.h"

namespace dorv::rating {

MoneyField::MoneyField(QWidget* parent)
    : QWidget(parent),
      m_dollars(new QLabel(this)),
      m_cents(new QLabel(this)),
      m_hundredths(new QLabel(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  layout->addWidget(new QLabel("$", this));
  layout->addWidget(m_dollars);
  layout->addWidget(new QLabel(".", this));
  layout->addWidget(m_cents);
  layout->addWidget(m_hundredths);
  layout->addStretch();
  SetAmount(0.0);
}

void MoneyField::SetAmount(double cents) {
  const data::MoneyParts parts = data::SplitMoney(cents);
  m_dollars->setText(QString::fromStdString((cents < 0 ? "-" : "") + parts.dollars));
  m_cents->setText(QString::fromStdString(parts.cents));
  m_hundredths->setText(QString::fromStdString(parts.hundredths));
}

QString MoneyField::Text() const {
  return "$" + m_dollars->text() + "." + m_cents->text() + m_hundredths->text();
}

void MoneyField::SetFieldFont(const QFont& font) {
  for (QLabel* label : findChildren<QLabel*>()) label->setFont(font);
}

}  // namespace dorv::rating
