#pragma once
#include <QString>
#include <functional>
#include <optional>

#include "data/PdbFiles.h"
#include "data/PdbRecord.h"
#include "rating/CallScreenMode.h"

class QWidget;

namespace dorv::pdb {

enum class PdbEditMode { Add = 1, Edit = 2, Duplicate = 3 };

// How the record editor ended, which tells the list what to do with its row.
enum class EditResult { WriteFailed = 0, Written = 1, NothingWritten = 2 };

// The dialogs of other tasks that the list window and the editor open on an entry.
using CallScreenOpener = std::function<void(long position, data::PdbRecord& entry,
                                            data::PdbKind kind, rating::CallScreenMode mode,
                                            QWidget* parent)>;
using MemoViewerOpener = std::function<void(data::PdbRecord& entry, QWidget* parent)>;
using ContactLogOpener = std::function<void(long position, data::PdbRecord& entry,
                                            const QString& title, const QString& phone,
                                            QWidget* parent)>;
using PrintRecordOpener = std::function<void(long position, data::PdbKind kind, QWidget* parent)>;

// Where an entry lies in its book. A new entry, or a copy of one, has no place of its own
// until it is appended.
class BookPlace {
 public:
  static BookPlace Unwritten() { return BookPlace(); }
  static BookPlace At(long position) {
    BookPlace place;
    place.m_position = position;
    return place;
  }
  bool Written() const { return m_position.has_value(); }
  // The record index; only meaningful when written.
  long Position() const { return m_position.value_or(-1); }

 private:
  std::optional<long> m_position;
};

// What the record editor needs of the list it was opened from to step through its rows.
class EditorList {
 public:
  virtual ~EditorList() = default;
  virtual int RowCount() const = 0;
  // The row showing the entry at this position; -1 when none does.
  virtual int RowOf(long position) const = 0;
  virtual long PositionOf(int row) const = 0;
  // Selects and focuses this row alone, re-sorts and scrolls to it; returns its new index.
  virtual int SelectRow(int row) = 0;
  // The row of the entry at this position shows the entry; added when no row shows it.
  virtual void ShowEntry(long position, const data::PdbRecord& entry) = 0;
};

// What the list window hands the record editor.
struct EditorRequest {
  PdbEditMode mode;
  data::PdbKind kind;
  long position;            // Edit and Duplicate: the entry's position; Add: -1
  data::PdbRecord& buffer;  // the list window's work buffer, where the editor leaves the entry
  EditorList& list;
  QWidget* parent;
};

}  // namespace dorv::pdb
