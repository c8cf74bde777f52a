#pragma once
#include <ctime>

#include "data/MyInfo.h"
#include "data/PdbFiles.h"
#include "data/PdbRecord.h"
#include "print/CPrintDialog.h"

class QCheckBox;

namespace dorv::print {

// Prints one entry of a book: its data ("Data") and its memos ("Memo"). The entry and the
// personal settings are read when the dialog opens; when either cannot be read the user is
// told, and an empty entry or the neutral settings are printed instead.
class CPrintPdbDlg final : public CPrintDialog {
  Q_OBJECT

 public:
  CPrintPdbDlg(data::PdbFiles& pdb, data::MyInfoFile& myInfoFile, data::PdbKind kind, long position,
               std::time_t now, QWidget* parent = nullptr);
  QCheckBox& DataBox() { return *m_data; }
  QCheckBox& MemoBox() { return *m_memo; }

 protected:
  bool PrintParts(PrintJob& job) override;

 private:
  data::PdbFiles& m_pdb;
  data::MyInfo m_me{};
  data::PdbRecord m_entry{};
  std::time_t m_now;
  QCheckBox* m_data;
  QCheckBox* m_memo;
};

}  // namespace dorv::print
