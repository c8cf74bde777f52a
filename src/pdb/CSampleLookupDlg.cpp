#include "pdb/CSampleLookupDlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/PdbText.h"
#include "pdb/LocationListRow.h"
#include "pdb/LocationSearchBar.h"
#include "platform/FieldLabel.h"
#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "res/Strings.h"

namespace dorv::pdb {
namespace {

constexpr const char* kInfoLabels[8] = {res::kLabelAreaCode,   res::kLabelCountryCode,
                                        res::kLabelCityCode,   res::kLabelCity,
                                        res::kLabelState,      res::kLabelPostalCode,
                                        res::kLabelCountry,    res::kLabelLocalTime};
enum InfoField { kAreaCode, kCountryCode, kCityCode, kCity, kState, kPostalCode, kCountry, kLocalTime };

}  // namespace

CSampleLookupDlg::CSampleLookupDlg(data::SampleTables& tables, const data::MyInfo& myInfo,
                                   bool selectRole, QWidget* parent)
    : EntryDialog(parent),
      m_tables(tables),
      m_myInfo(myInfo),
      m_selectRole(selectRole),
      m_progress(tables, *this) {
  platform::SetCaption(*this, res::kSampleLookupCaption);
  BuildLayout();
  m_search->setFocus();
}

void CSampleLookupDlg::BuildLayout() {
  auto* layout = new QVBoxLayout(this);
  m_searchBar = AddLocationSearchBar(
      *this, *layout, [this](data::SearchCriterion criterion) { Search(criterion); });
  m_search = m_searchBar.text;

  m_list = new platform::ReportList(!m_selectRole, this);
  m_list->setAccessibleName(res::kSampleLookupCaption);
  m_rows = new platform::ReportListModel(LocationColumns(),
                                         platform::CompareAs(CompareLocationRows), this);
  m_list->SetModel(m_rows);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->SetHeaderClickHandler([this](int column) { OnHeaderClick(column); });
  connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { ShowRow(current); });
  layout->addWidget(m_list, 1);

  auto* info = new QGridLayout;
  for (int i = 0; i < 8; ++i) {
    m_info[i] = new QLineEdit(this);
    platform::MarkReadOnly(*m_info[i]);
    info->addWidget(platform::LabelFor(kInfoLabels[i], m_info[i]), i / 2, (i % 2) * 2);
    info->addWidget(m_info[i], i / 2, (i % 2) * 2 + 1);
  }
  layout->addLayout(info);

  layout->addWidget(m_progress.Bar());

  auto* buttons = new QHBoxLayout;
  m_ok = new QPushButton(m_selectRole ? res::kButtonOk : res::kButtonClose, this);
  m_cancel = new QPushButton(res::kButtonCancel, this);
  connect(m_ok, &QPushButton::clicked, this, &CSampleLookupDlg::OnOk);
  connect(m_cancel, &QPushButton::clicked, this, [this] { done(2); });
  buttons->addStretch(1);
  buttons->addWidget(m_ok);
  if (m_selectRole) {
    buttons->addWidget(m_cancel);
  } else {
    // In the view role the one button, "Close", stands alone in the middle.
    m_cancel->hide();
    buttons->addStretch(1);
  }
  layout->addLayout(buttons);
  resize(640, 560);
}

QPushButton* CSampleLookupDlg::CriterionButton(data::SearchCriterion criterion) const {
  return m_searchBar.Button(criterion);
}

void CSampleLookupDlg::ClearInfo() {
  for (QLineEdit* field : m_info) field->clear();
}

void CSampleLookupDlg::Search(data::SearchCriterion criterion) {
  ClearInfo();
  const std::string typed = platform::ToRecord(m_search->text());
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_list->setUpdatesEnabled(false);
  m_rows->Clear();
  auto finish = [this] {
    m_list->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
  };
  if (typed.empty()) {
    finish();
    platform::Ask(this, res::kErrorNoSearchParameters);
    return;
  }
  data::SearchOutcome outcome = m_progress.Run(criterion, typed);
  if (outcome.failedRegion != 0) {
    finish();
    platform::Ask(this, res::kErrorRegionTables[outcome.failedRegion - 1]);
    // Nothing was chosen, so the dialog never ends as if a location had been.
    done(2);
    return;
  }
  std::vector<std::unique_ptr<platform::ListRow>> rows;
  rows.reserve(outcome.rows.size());
  for (data::LocationRow& row : outcome.rows)
    rows.push_back(std::make_unique<LocationListRow>(std::move(row)));
  m_rows->AddRows(std::move(rows));
  finish();
  SortRows();
  m_directions.Reset();
  m_directions.SetFlag(0);
}

void CSampleLookupDlg::SortRows() {
  SortOrder order = SortOrderOf(m_sortCode, 4);
  m_rows->Sort(order.column, order.ascending);
}

void CSampleLookupDlg::OnHeaderClick(int column) {
  if (m_rows->rowCount() < 2) return;
  m_sortCode = m_directions.Click(column);
  SortRows();
  QModelIndexList selected = m_list->selectionModel()->selectedRows();
  if (!selected.isEmpty()) m_list->scrollTo(selected.first());
}

void CSampleLookupDlg::ShowRow(const QModelIndex& current) {
  const auto* row = current.isValid() ? m_rows->RowAs<LocationListRow>(current.row()) : nullptr;
  if (!row) return;
  const data::LocationRow& location = row->Location();
  m_info[kAreaCode]->setText(location.areaCode ? QString::number(location.areaCode) : QString());
  m_info[kCountryCode]->setText(QString::number(location.countryCode));
  m_info[kCityCode]->setText(platform::FromRecord(location.cityCode));
  m_info[kCity]->setText(platform::FromRecord(location.city));
  m_info[kState]->setText(location.stateCode.empty() ? QString()
                                                     : platform::FromRecord(location.state));
  m_info[kPostalCode]->setText(platform::FromRecord(location.postalCode));
  m_info[kCountry]->setText(platform::FromRecord(location.country));
  if (!location.city.empty() && !location.country.empty())
    m_info[kLocalTime]->setText(platform::FromRecord(
        data::LocalTimeText(m_now(), location.timeZone, location.country, m_myInfo.clock12 == 1)));
}

void CSampleLookupDlg::OnOk() {
  QModelIndexList selected = m_list->selectionModel()->selectedRows();
  if (!m_selectRole || selected.isEmpty()) {
    done(2);
    return;
  }
  const auto* row = m_rows->RowAs<LocationListRow>(selected.first().row());
  m_chosen = ChosenLocation{row->Location(), platform::ToRecord(m_info[kLocalTime]->text())};
  done(1);
}

std::optional<ChosenLocation> PickLocation(data::SampleTables& tables, const data::MyInfo& myInfo,
                                           QWidget* parent) {
  CSampleLookupDlg dialog(tables, myInfo, true, parent);
  if (platform::RunModal(dialog) != 1) return std::nullopt;
  return dialog.Chosen();
}

}  // namespace dorv::pdb
