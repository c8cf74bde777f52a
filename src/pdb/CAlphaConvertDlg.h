#pragma once
#include "platform/EntryDialog.h"

class QLineEdit;

namespace dorv::pdb {

// Shows the digits of a telephone number written with letters, as the user types it.
class CAlphaConvertDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CAlphaConvertDlg)
 public:
  explicit CAlphaConvertDlg(const QString& alpha = {}, QWidget* parent = nullptr);

  QLineEdit* AlphaField() const { return m_alpha; }
  QLineEdit* NumericField() const { return m_numeric; }

 private:
  void ShowDigits();

  QLineEdit* m_alpha;
  QLineEdit* m_numeric;
};

}  // namespace dorv::pdb
