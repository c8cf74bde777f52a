#pragma once
#include <gtest/gtest.h>

#include <QDialog>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/LocationSearch.h"
#include "data/MyInfo.h"
#include "support/Builders.h"
#include "support/TempDatabase.h"
#include "settings/MyInfoOpeners.h"

namespace dorv::test {


// A settings file holding the record, open in the fixture; the record as the file holds it.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void StoreInfo();  // writes m_info to the file
  data::MyInfo StoredInfo() const;
  std::string StoredBytes() const { return m_database.ReadFile("MYINFO.BIN"); }
  // Plays each answer to the question that Cancel asks after `change`: Yes must have stored
  // (`expectSaved` checks what), No and Cancel leave the file byte for byte as it was. The
  // record and its file are put back after each answer.
  void ExpectCancelAnswers(const std::function<std::unique_ptr<QDialog>()>& open,
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
  int telcoChoices = 0;

  settings::MyInfoOpeners Openers();
};

}  // namespace dorv::test
