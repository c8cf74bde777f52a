#pragma once
#include <QString>
#include <functional>

#include "data/MyInfo.h"
#include "data/PdbRecord.h"
#include "platform/ReportList.h"

namespace dorv::pdb {

// The row object of the personal database lists: the entry's texts and where it lies in its
// book.
class PdbListItem final : public platform::ListRow {
 public:
  enum Column { kType = 0, kName = 1, kPhone = 2 };

  PdbListItem(QString typeText, QString nameText, QString phoneText, long position)
      : m_typeText(std::move(typeText)),
        m_nameText(std::move(nameText)),
        m_phoneText(std::move(phoneText)),
        m_position(position) {}

  QString Text(int column) const override;
  const QString& TypeText() const { return m_typeText; }
  const QString& NameText() const { return m_nameText; }
  const QString& PhoneText() const { return m_phoneText; }
  long Position() const { return m_position; }

 private:
  QString m_typeText;
  QString m_nameText;
  QString m_phoneText;
  long m_position;
};

// A row of the list window: the phone text is the dialling text as the user dials it, without
// the keypad digits of letters.
PdbListItem ListItemOf(const data::PdbRecord& record, const data::MyInfo& myInfo, long position);

// A row of the recovery list: the phone text is area code, prefix and suffix joined by dots.
PdbListItem RecoveryItemOf(const data::PdbRecord& record, long position);

// The list columns "Type", "Name" and "Phone Number" in hundredths of the list's width.
std::vector<platform::ListColumn> ListColumns(int typeUnits, int nameUnits, int phoneUnits);

// A list of entries over the rows, several selectable at once, header clicks going to the
// dialog's sorting.
platform::ReportList* NewEntryList(QWidget& parent, platform::ReportListModel& rows,
                                   std::function<void(int column)> onHeaderClick);

}  // namespace dorv::pdb
