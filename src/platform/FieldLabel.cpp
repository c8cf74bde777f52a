#include "platform/FieldLabel.h"

#include <QAbstractItemView>
#include <QLabel>

#include "res/Strings.h"

namespace dorv::platform {

QLabel* LabelFor(const QString& text, QWidget* field) {
  auto* label = new QLabel(text, field->parentWidget());
  label->setBuddy(field);
  // A list or table is not named by its label's buddy link; it takes the text as its name.
  if (qobject_cast<QAbstractItemView*>(field) && field->accessibleName().isEmpty())
    field->setAccessibleName(QString(text).remove('&'));
  return label;
}

QString MoneyPartName(const QString& amount, int part) {
  const char* const parts[] = {res::kNameDollars, res::kNameCents, res::kNameHundredths};
  return amount + ", " + parts[part];
}

}  // namespace dorv::platform
