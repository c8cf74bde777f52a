#include "pdb/CLookupDataDlg.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>

#include "data/FixedText.h"
#include "pdb/LocationListRow.h"
#include "pdb/LocationSearchBar.h"
#include "pdb/LookupDataRules.h"
#include "pdb/LookupListRows.h"
#include "platform/Messages.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "res/Strings.h"

namespace dorv::pdb {
namespace {

// Internal error codes of the location search.
constexpr int kErrorRegionCount = 105;
constexpr int kErrorRegionRead = 106;

}  // namespace

CLookupDataDlg::CLookupDataDlg(const data::MyInfo& myInfo, data::SampleTables& tables,
                               data::RateFile& rateFile, QWidget* parent)
    : EntryDialog(parent),
      m_myInfo(myInfo),
      m_tables(tables),
      m_rateFile(rateFile),
      m_progress(tables, *this) {
  platform::SetCaption(*this, res::kLookupDataCaption);
  BuildLayout();
  m_search->setFocus();
}

void CLookupDataDlg::BuildLayout() {
  auto* layout = new QVBoxLayout(this);
  m_searchBar = AddLocationSearchBar(
      *this, *layout, [this](data::SearchCriterion criterion) { Search(criterion); });
  m_search = m_searchBar.text;

  auto* lists = new QHBoxLayout;
  auto* locationGroup = new QGroupBox(res::kLookupGroupLocation, this);
  auto* locationLayout = new QVBoxLayout(locationGroup);
  m_locations = new platform::ReportList(false, locationGroup);
  m_locations->setAccessibleName(res::kLookupGroupLocation);
  m_locationRows = new platform::ReportListModel(LocationColumns(LocationColumnSet::WithPostalCode),
                                                 platform::CompareAs(CompareLocationRows), this);
  m_locations->SetModel(m_locationRows);
  m_locations->setSelectionMode(QAbstractItemView::SingleSelection);
  m_locations->SetHeaderClickHandler([this](int column) { OnHeaderClick(column); });
  connect(m_locations->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { OnLocationFocused(current); });
  locationLayout->addWidget(m_locations);
  lists->addWidget(locationGroup, 3);

  auto* ratesGroup = new QGroupBox(res::kLookupGroupRates, this);
  auto* ratesLayout = new QVBoxLayout(ratesGroup);
  m_types = new platform::ReportList(false, ratesGroup);
  m_types->setAccessibleName(res::kColumnTypesOfService);
  m_typeRows = new platform::ReportListModel({{res::kColumnTypesOfService, 100}},
                                             platform::CompareTextsNoCase, this);
  m_types->SetModel(m_typeRows);
  m_types->setSelectionMode(QAbstractItemView::SingleSelection);
  m_types->SetHeaderClickHandler([](int) {});  // the types keep the order they are offered in
  m_types->setEnabled(false);
  connect(m_types->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { OnTypeFocused(current); });
  ratesLayout->addWidget(m_types, 1);
  m_servicesCaption = new QLabel(ratesGroup);
  m_servicesCaption->hide();
  ratesLayout->addWidget(m_servicesCaption);
  m_services = new platform::ReportList(false, ratesGroup);
  m_services->setAccessibleName(res::kColumnServiceType);
  m_serviceRows = new platform::ReportListModel({{res::kColumnServiceType, 100}},
                                                platform::CompareTextsNoCase, this);
  m_services->SetModel(m_serviceRows);
  m_services->setSelectionMode(QAbstractItemView::SingleSelection);
  m_services->SetHeaderClickHandler([](int) {});  // the services keep the rate file's order
  m_services->setEnabled(false);
  ratesLayout->addWidget(m_services, 2);
  lists->addWidget(ratesGroup, 2);
  layout->addLayout(lists, 1);

  layout->addWidget(m_progress.Bar());

  auto* buttons = new QHBoxLayout;
  m_ok = new QPushButton(res::kButtonOk, this);
  m_cancel = new QPushButton(res::kButtonCancel, this);
  connect(m_ok, &QPushButton::clicked, this, &CLookupDataDlg::OnOk);
  connect(m_cancel, &QPushButton::clicked, this, [this] { done(0); });
  buttons->addStretch(1);
  buttons->addWidget(m_ok);
  buttons->addWidget(m_cancel);
  layout->addLayout(buttons);
  resize(900, 520);
}

QPushButton* CLookupDataDlg::CriterionButton(data::SearchCriterion criterion) const {
  return m_searchBar.Button(criterion);
}

void CLookupDataDlg::ClearRates() {
  m_serviceRows->Clear();
  m_listedType = LookupService::None;
  m_typeRows->Clear();
  m_services->setEnabled(false);
  m_types->setEnabled(false);
}

void CLookupDataDlg::Search(data::SearchCriterion criterion) {
  const std::string typed = platform::ToRecord(m_search->text());
  if (typed.empty()) {
    platform::Ask(this, res::kErrorNoSearchParameters);
    return;
  }
  ClearRates();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_locations->setUpdatesEnabled(false);
  m_locationRows->Clear();
  data::SearchOutcome outcome = m_progress.Run(criterion, typed);
  std::vector<std::unique_ptr<platform::ListRow>> rows;
  rows.reserve(outcome.rows.size());
  for (data::LocationRow& row : outcome.rows)
    rows.push_back(
        std::make_unique<LocationListRow>(std::move(row), LocationColumnSet::WithPostalCode));
  m_locationRows->AddRows(std::move(rows));
  m_locations->setUpdatesEnabled(true);
  SortLocations();
  m_directions.Reset();
  m_directions.SetFlag(0);
  QApplication::restoreOverrideCursor();

  for (std::size_t i = 0; i < outcome.unreadRegions.size(); ++i)
    platform::InternalError(this, kErrorRegionRead);
  if (outcome.failedRegion != 0) {
    platform::InternalError(this, kErrorRegionCount);
    // Nothing was chosen, so the dialog ends as cancelled rather than as if it had been.
    done(0);
  }
}

void CLookupDataDlg::SortLocations() {
  SortOrder order = SortOrderOf(m_sortCode, 5);
  m_locationRows->Sort(order.column, order.ascending);
}

void CLookupDataDlg::OnHeaderClick(int column) {
  if (m_locationRows->rowCount() < 2) return;
  m_sortCode = m_directions.Click(column);
  SortLocations();
}

void CLookupDataDlg::OnLocationFocused(const QModelIndex& current) {
  // An invalid index means a row lost the focus or the list was emptied: nothing to offer.
  if (!current.isValid()) return;
  const auto* row = m_locationRows->RowAs<LocationListRow>(current.row());
  m_serviceRows->Clear();
  m_listedType = LookupService::None;
  m_services->setEnabled(false);
  m_types->setEnabled(true);
  m_typeRows->Clear();
  for (LookupService type :
       ServiceTypesFor(row->Location().country, data::ReadField(m_myInfo.country)))
    m_typeRows->AddRow(std::make_unique<ServiceTypeRow>(type));
}

void CLookupDataDlg::OnTypeFocused(const QModelIndex& current) {
  if (!current.isValid()) return;
  m_services->setEnabled(true);
  ListServices(m_typeRows->RowAs<ServiceTypeRow>(current.row())->Type());
}

void CLookupDataDlg::ListServices(LookupService type) {
  m_serviceRows->Clear();
  m_listedType = LookupService::None;
  m_rateFile.Close();
  m_distance = 0;
  QModelIndexList selected = m_locations->selectionModel()->selectedRows();
  if (!selected.isEmpty()) {
    const auto* row = m_locationRows->RowAs<LocationListRow>(selected.first().row());
    m_distance = DistanceFromUser(m_myInfo, row->Location());
  }
  if (!m_rateFile.OpenRateFile(RateFileFor(type, m_distance))) {
    platform::Ask(this, res::kErrorRateFile);
    return;
  }
  const long count = m_rateFile.ServiceCount();
  if (count < 0) {
    platform::Ask(this, res::kErrorRateFile);
    // As with an unreadable region table, nothing was chosen: the dialog ends as cancelled.
    done(0);
    return;
  }
  std::vector<std::unique_ptr<platform::ListRow>> rows;
  std::string lastCompany;
  data::Service service;
  for (long index = 0; index < count; ++index) {
    std::memset(&service, 0, sizeof service);
    if (!m_rateFile.ReadService(index, service)) break;
    lastCompany = data::ReadField(service.company);
    rows.push_back(
        std::make_unique<ServiceRow>(lastCompany, data::ReadField(service.callType), index));
  }
  if (!rows.empty()) {
    // The caption names the company of the last service read.
    m_servicesCaption->setText(
        QString(res::kLookupServicesFor).replace("%s", platform::FromRecord(lastCompany)));
    m_servicesCaption->show();
  }
  m_serviceRows->AddRows(std::move(rows));
  m_listedType = type;
}

void CLookupDataDlg::OnOk() {
  QModelIndexList location = m_locations->selectionModel()->selectedRows();
  QModelIndexList service = m_services->selectionModel()->selectedRows();
  if (location.isEmpty() || service.isEmpty()) {
    platform::Ask(this, res::kErrorSelectFromEachList);
    return;
  }
  const auto* place = m_locationRows->RowAs<LocationListRow>(location.first().row());
  const auto* chosen = m_serviceRows->RowAs<ServiceRow>(service.first().row());
  // The type is the one the services were listed for, so it always matches their rate file.
  m_choice = ChoiceOf(place->Location(), m_listedType, chosen->Index(), m_distance);
  done(1);
}

std::optional<LookupChoice> RunLookupData(const data::MyInfo& myInfo, data::SampleTables& tables,
                                          data::RateFile& rateFile, QWidget* parent) {
  CLookupDataDlg dialog(myInfo, tables, rateFile, parent);
  if (platform::RunModal(dialog) != 1) return std::nullopt;
  return dialog.Choice();
}

}  // namespace dorv::pdb
