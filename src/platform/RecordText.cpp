#include "platform/RecordText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>
#include <algorithm>

namespace dorv::platform {

namespace {

class RecordTextValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return IsRecordText(input) ? Acceptable : Invalid;
  }
};

}  // namespace

bool IsRecordText(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

void RefuseNonRecordText(QWidget& dialog) {
  auto* validator = new RecordTextValidator(&dialog);
  for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
    if (!edit->validator()) edit->setValidator(validator);
  // A multi-line box has no validator: what it cannot keep is taken out again at once.
  for (QPlainTextEdit* box : dialog.findChildren<QPlainTextEdit*>())
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [box] {
      const QString text = box->toPlainText();
      if (IsRecordText(text)) return;
      const int caret = box->textCursor().position();
      QString kept;
      int removedBeforeCaret = 0;
      for (int i = 0; i < text.size(); ++i) {
        if (text[i].unicode() <= 0xFF)
          kept += text[i];
        else if (i < caret)
          ++removedBeforeCaret;
      }
      box->setPlainText(kept);
      QTextCursor cursor = box->textCursor();
      cursor.setPosition(caret - removedBeforeCaret);
      box->setTextCursor(cursor);
    });
}

}  // namespace dorv::platform
