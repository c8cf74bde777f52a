#pragma once
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdint>
#include <string>
#include <vector>

#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "data/PdbRecord.h"

namespace dorv::reports {

enum class MemoButton { Previous, Next, Close };

// The memos of one entry, one at a time, newest first, with Previous and Next to step through
// them. It only reads.
class CMemoDlg final : public QDialog {
  Q_OBJECT
 public:
  CMemoDlg(data::PdbFiles& pdb, const data::PdbRecord& entry, const data::MyInfo& myInfo,
           QWidget* parent = nullptr);
  CMemoDlg(const CMemoDlg&) = delete;
  CMemoDlg& operator=(const CMemoDlg&) = delete;

  void OnPrevious();
  void OnNext();

  const QLineEdit& FileNumberField() const { return *m_fileNumber; }
  const QLineEdit& NameField() const { return *m_name; }
  const QLineEdit& DateField() const { return *m_date; }
  const QLineEdit& NumberField() const { return *m_number; }
  const QPlainTextEdit& MemoText() const { return *m_text; }
  QPushButton& Button(MemoButton button) const;

 private:
  void BuildControls();
  // Reads every memo of the entry; the memo files are closed again after.
  void ReadMemos(data::PdbFiles& pdb, const data::PdbRecord& entry);
  void ShowMemo(long index);

  const data::MyInfo& m_myInfo;
  std::vector<std::string> m_texts;  // in index order, oldest first
  std::vector<std::uint32_t> m_keys;  // the call start each memo is stored under
  long m_shown = -1;

  QLineEdit* m_fileNumber = nullptr;
  QLineEdit* m_name = nullptr;
  QLineEdit* m_date = nullptr;
  QLineEdit* m_number = nullptr;
  QPlainTextEdit* m_text = nullptr;
  QPushButton* m_previous = nullptr;
  QPushButton* m_next = nullptr;
  QPushButton* m_close = nullptr;
};

}  // namespace dorv::reports
