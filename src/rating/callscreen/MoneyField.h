#pragma once
#include <QLabel>
#include <QWidget>

namespace dorv::rating {

// An amount of cents shown as dollars, cents and hundredths of a cent.
class MoneyField final : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(MoneyField)

 public:
  explicit MoneyField(QWidget* parent = nullptr);
  void SetAmount(double cents);
  // The amount as shown, "$d.cchh".
  QString Text() const;
  void SetFieldFont(const QFont& font);

 private:
  QLabel* m_dollars;
  QLabel* m_cents;
  QLabel* m_hundredths;
};

}  // namespace dorv::rating
