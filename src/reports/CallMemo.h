#pragma once
#include <QPlainTextEdit>
#include <cstdint>
#include <string>

#include "data/PdbFiles.h"
#include "reports/CallListItem.h"

namespace dorv::reports {

enum class CallMemoState {
  Found,      // the memo files hold a memo under the call's start time
  Missing,    // the memo files open but hold no readable memo under it
  NoFiles,    // the call's memo files cannot be opened
  NoMemoFile  // the call has no memo files (number 0)
};

// Reads the memo of a call from its memo files, which are closed again after.
CallMemoState ReadCallMemo(data::PdbFiles& pdb, std::uint32_t memoFileNumber,
                           std::uint32_t key, std::string& text);

// The read-only memo of the focused call of a call list.
class CallMemoPane final : public QPlainTextEdit {
 public:
  explicit CallMemoPane(QWidget* parent = nullptr);
  // Shows a call's memo as read; when there is none to show, the pane stays empty and the user
  // is told that the memo file cannot be accessed. Returns whether a memo was shown.
  bool ShowMemo(CallMemoState state, const std::string& text);
};

}  // namespace dorv::reports
