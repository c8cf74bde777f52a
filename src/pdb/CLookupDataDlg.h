#pragma once
#include <array>
#include <optional>

#include "data/LocationSearch.h"
#include "data/MyInfo.h"
#include "data/RateFiles.h"
#include "data/SampleTables.h"
#include "pdb/LocationSearchBar.h"
#include "pdb/PdbEditApply.h"
#include "pdb/PdbListRules.h"
#include "platform/EntryDialog.h"
#include "platform/ReportList.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace dorv::pdb {

// Picks, for a new entry, a location of the sample database and one service of the rate file
// that fits it. The rate file the services were listed from stays open in rateFile for the
// caller, which reads the chosen service from it and closes it.
class CLookupDataDlg final : public platform::EntryDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CLookupDataDlg)
 public:
  CLookupDataDlg(const data::MyInfo& myInfo, data::SampleTables& tables, data::RateFile& rateFile,
                 QWidget* parent = nullptr);

  // What a criterion button does.
  void Search(data::SearchCriterion criterion);
  // The location and service chosen, once the dialog has ended with 1.
  const std::optional<LookupChoice>& Choice() const { return m_choice; }

  QLineEdit* SearchField() const { return m_search; }
  QPushButton* CriterionButton(data::SearchCriterion criterion) const;
  platform::ReportList* LocationList() const { return m_locations; }
  platform::ReportList* TypeList() const { return m_types; }
  platform::ReportList* ServiceList() const { return m_services; }
  QLabel* ServicesCaption() const { return m_servicesCaption; }
  QProgressBar* Progress() const { return m_progress.Bar(); }
  QPushButton* OkButton() const { return m_ok; }
  QPushButton* CancelButton() const { return m_cancel; }
  int SortCode() const { return m_sortCode; }

 private:
  void BuildLayout();
  void ClearRates();
  void SortLocations();
  void OnHeaderClick(int column);
  void OnLocationFocused(const QModelIndex& current);
  void OnTypeFocused(const QModelIndex& current);
  void ListServices(LookupService type);
  void OnOk();

  const data::MyInfo& m_myInfo;
  data::SampleTables& m_tables;
  data::RateFile& m_rateFile;
  int m_sortCode = 0;
  SortDirections m_directions{5};
  double m_distance = 0;
  LookupService m_listedType = LookupService::None;  // the type the services were listed for
  std::optional<LookupChoice> m_choice;

  QLineEdit* m_search = nullptr;
  LocationSearchBar m_searchBar;
  LocationSearchProgress m_progress;
  platform::ReportList* m_locations = nullptr;
  platform::ReportListModel* m_locationRows = nullptr;
  platform::ReportList* m_types = nullptr;
  platform::ReportListModel* m_typeRows = nullptr;
  platform::ReportList* m_services = nullptr;
  platform::ReportListModel* m_serviceRows = nullptr;
  QLabel* m_servicesCaption = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
};

// Runs Lookup Data; the choice on OK, nothing on Cancel. rateFile is left open on the rate file
// the choice's service index refers to.
std::optional<LookupChoice> RunLookupData(const data::MyInfo& myInfo, data::SampleTables& tables,
                                          data::RateFile& rateFile, QWidget* parent);

}  // namespace dorv::pdb
