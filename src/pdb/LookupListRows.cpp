#include "pdb/LookupListRows.h"

#include "pdb/LookupDataRules.h"
#include "platform/RecordText.h"

namespace dorv::pdb {

QString ServiceTypeRow::Text(int column) const {
  return column == 0 ? platform::FromRecord(ServiceTypeText(m_type)) : QString();
}

QString ServiceRow::Text(int column) const {
  return column == 0 ? platform::FromRecord(m_callType) : QString();
}

}  // namespace dorv::pdb
