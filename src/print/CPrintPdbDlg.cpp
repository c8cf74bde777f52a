#include "print/CPrintPdbDlg.h"

#include <QCheckBox>

#include "platform/Messages.h"
#include "print/PdbPrintout.h"
#include "res/Strings.h"

namespace dorv::print {

CPrintPdbDlg::CPrintPdbDlg(data::PdbFiles& pdb, data::MyInfoFile& myInfoFile, data::PdbKind kind,
                           long position, std::time_t now, QWidget* parent)
    : CPrintDialog({res::kPrintRecordCaption, res::kPrintRecordJob, 9, false}, parent),
      m_pdb(pdb),
      m_now(now),
      m_data(&AddBox(res::kPrintBoxData)),
      m_memo(&AddBox(res::kPrintBoxMemo)) {
  // A failed read leaves the neutral settings behind.
  if (!myInfoFile.Read(m_me)) platform::Ask(parent, res::kErrorMyInfo);
  if (!pdb.ReadAt(position, m_entry, kind)) {
    platform::Ask(parent, res::kErrorSelectedEntry);
    data::ClearRecord(m_entry);
  }
  SetStatus(RecordStatusLine(m_entry, position));
}

bool CPrintPdbDlg::PrintParts(PrintJob& job) {
  const bool memo = m_memo->isChecked();
  return PrintPdbRecord(job, {m_entry, m_me, m_now, m_data->isChecked(), memo,
                              memo ? ReadEntryMemos(m_pdb, m_entry) : EntryMemos{}});
}

}  // namespace dorv::print
