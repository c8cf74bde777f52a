#pragma once
#include <string>

#include "pdb/PdbEditApply.h"
#include "platform/ReportList.h"

namespace dorv::pdb {

// A type of service offered for the focused location.
class ServiceTypeRow final : public platform::ListRow {
 public:
  explicit ServiceTypeRow(LookupService type) : m_type(type) {}
  QString Text(int column) const override;
  LookupService Type() const { return m_type; }

 private:
  LookupService m_type;
};

// A service of the open rate file, listed by its call type.
class ServiceRow final : public platform::ListRow {
 public:
  ServiceRow(std::string company, std::string callType, long index)
      : m_company(std::move(company)), m_callType(std::move(callType)), m_index(index) {}
  QString Text(int column) const override;
  const std::string& Company() const { return m_company; }
  long Index() const { return m_index; }

 private:
  std::string m_company;
  std::string m_callType;
  long m_index;
};

}  // namespace dorv::pdb
