#pragma once
#include <gtest/gtest.h>

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "data/LocationSearch.h"
#include "data/MyInfo.h"
#include "settings/MyInfoOpeners.h"
#include "support/Builders.h"
#include "support/TempDatabase.h"

namespace dorv::test {

// A settings file holding the record, open in the fixture; the record as the file holds it.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void StoreInfo();  // writes m_info to the file
  data::MyInfo StoredInfo() const;
  std::string StoredBytes() const { return m_database.ReadFile("MYINFO.BIN"); }
  // Cancel after `change` asks the personal information question: No leaves the record and its
  // file byte for byte as they were; Yes stores (`expectSaved` checks what). The shared
  // question's answers themselves are the platform test's.
  void ExpectCancelAsksThenYesStores(const std::function<std::unique_ptr<QDialog>()>& open,
                                     const std::function<void(QDialog&)>& change,
                                     const std::function<void()>& expectSaved);

  TempDatabase m_database;
  data::MyInfoFile m_file;
  data::MyInfo m_info{};
};

// Openers whose pickers answer from what the test set, and count how often they ran.
struct FakeOpeners {
  std::optional<data::LocationRow> location;
  int locationPicks = 0;
  bool telcoOk = true;
  std::int32_t telcoCode = 0;
  std::string telcoName;
  std::int32_t telcoCodeOffered = -1;
  std::string telcoNameOffered;

  settings::MyInfoOpeners Openers();
};

}  // namespace dorv::test
