#pragma once
#include <array>
#include <ctime>
#include <functional>
#include <optional>

#include "data/LocationSearch.h"
#include "data/MyInfo.h"
#include "data/SampleTables.h"
#include "pdb/LocationSearchBar.h"
#include "pdb/PdbListRules.h"
#include "platform/EntryDialog.h"
#include "platform/ReportList.h"

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace dorv::pdb {

// A location the user chose, with the far end's local time as it was shown.
struct ChosenLocation {
  data::LocationRow location;
  std::string localTime;
};

// Looks locations up in the four region tables; in the select role the user picks one.
class CSampleLookupDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CSampleLookupDlg)
 public:
  using Clock = std::function<std::time_t()>;
  CSampleLookupDlg(data::SampleTables& tables, const data::MyInfo& myInfo, bool selectRole,
                   QWidget* parent = nullptr);

  // What a criterion button does.
  void Search(data::SearchCriterion criterion);
  // The location chosen in the select role (result 1).
  const std::optional<ChosenLocation>& Chosen() const { return m_chosen; }
  void SetClock(Clock now) { m_now = std::move(now); }

  QLineEdit* SearchField() const { return m_search; }
  QPushButton* CriterionButton(data::SearchCriterion criterion) const;
  platform::ReportList* List() const { return m_list; }
  // The information fields in the order Area Code, Country Code, City Code, City, State,
  // Postal Code, Country, Local Time.
  QLineEdit* InfoField(int index) const { return m_info.at(index); }
  QPushButton* OkButton() const { return m_ok; }
  QPushButton* CancelButton() const { return m_cancel; }
  QProgressBar* Progress() const { return m_progress.Bar(); }
  int SortCode() const { return m_sortCode; }

 private:
  void BuildLayout();
  void SortRows();
  void OnHeaderClick(int column);
  void ShowRow(const QModelIndex& current);
  void ClearInfo();
  void OnOk();

  data::SampleTables& m_tables;
  const data::MyInfo& m_myInfo;
  bool m_selectRole;
  Clock m_now = [] { return std::time(nullptr); };
  int m_sortCode = 0;
  SortDirections m_directions{4};
  std::optional<ChosenLocation> m_chosen;

  QLineEdit* m_search = nullptr;
  LocationSearchBar m_searchBar;
  LocationSearchProgress m_progress;
  platform::ReportList* m_list = nullptr;
  platform::ReportListModel* m_rows = nullptr;
  std::array<QLineEdit*, 8> m_info{};
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
};

// Opens the lookup in the select role; the chosen location, or nothing.
std::optional<ChosenLocation> PickLocation(data::SampleTables& tables, const data::MyInfo& myInfo,
                                           QWidget* parent);

}  // namespace dorv::pdb
