#include "pdb/LookupListRows.h"

#include "pdb/LookupDataRules.h"

namespace dorv::pdb {

QString ServiceTypeRow::Text(int column) const {
  return column == 0 ? QString::fromLatin1(ServiceTypeText(m_type)) : QString();
}

QString ServiceRow::Text(int column) const {
  return column == 0 ? QString::fromLatin1(m_callType) : QString();
}

}  // namespace dorv::pdb
