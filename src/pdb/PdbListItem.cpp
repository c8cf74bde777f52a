#include "pdb/PdbListItem.h"

#include "data/FixedText.h"
#include "data/PdbText.h"
#include "data/TextPattern.h"
#include "platform/RecordText.h"
#include "res/Strings.h"

namespace dorv::pdb {
namespace {

template <std::size_t N>
QString TextOf(const char (&field)[N]) {
  return platform::FromRecord(data::ReadField(field));
}

}  // namespace

QString PdbListItem::Text(int column) const {
  switch (column) {
    case kType: return m_typeText;
    case kName: return m_nameText;
    case kPhone: return m_phoneText;
    default: return {};
  }
}

PdbListItem ListItemOf(const data::PdbRecord& record, const data::MyInfo& myInfo, long position) {
  std::string phone =
      data::DialText(data::NumberPartsOf(record), data::ReadField(myInfo.country),
                     data::ReadField(myInfo.intlAccessCode), false);
  return {TextOf(record.type), TextOf(record.name), platform::FromRecord(phone), position};
}

PdbListItem RecoveryItemOf(const data::PdbRecord& record, long position) {
  std::string phone =
      data::FillPattern(res::kRecoveryPhone, {data::ReadField(record.areaCode),
                                              data::ReadField(record.prefix),
                                              data::ReadField(record.suffix)});
  return {TextOf(record.type), TextOf(record.name), platform::FromRecord(phone), position};
}

std::vector<platform::ListColumn> ListColumns(int typeUnits, int nameUnits, int phoneUnits) {
  return {{res::kColumnType, typeUnits}, {res::kColumnName, nameUnits},
          {res::kColumnPhoneNumber, phoneUnits}};
}

platform::ReportList* NewEntryList(QWidget& parent, platform::ReportListModel& rows,
                                   std::function<void(int column)> onHeaderClick) {
  auto* list = new platform::ReportList(false, &parent);
  list->setAccessibleName(res::kPdbListCaption);
  list->SetModel(&rows);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->SetHeaderClickHandler(std::move(onHeaderClick));
  return list;
}

}  // namespace dorv::pdb
