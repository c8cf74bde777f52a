#include "reports/CallMemo.h"

#include "platform/Messages.h"
#include "platform/RecordText.h"
#include "res/Strings.h"

namespace dorv::reports {

CallMemoState ReadCallMemo(data::PdbFiles& pdb, std::uint32_t memoFileNumber,
                           std::uint32_t key, std::string& text) {
  text.clear();
  if (memoFileNumber == 0) return CallMemoState::NoMemoFile;
  if (!pdb.OpenMemoFiles(memoFileNumber)) return CallMemoState::NoFiles;
  bool found = pdb.ReadMemoByKey(key, text);
  pdb.CloseMemoFiles();
  if (!found) text.clear();
  return found ? CallMemoState::Found : CallMemoState::Missing;
}

CallMemoPane::CallMemoPane(QWidget* parent) : QPlainTextEdit(parent) { setReadOnly(true); }

bool CallMemoPane::ShowMemo(CallMemoState state, const std::string& text) {
  clear();
  if (state != CallMemoState::Found) {
    platform::Ask(this, res::kCallLogErrorMemoAccess);
    return false;
  }
  setPlainText(platform::ShownText(platform::FromRecord(text)));
  return true;
}

}  // namespace dorv::reports
