#include "rating/dialogs/CChangeRateBandsDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/BandTitles.h"
#include "data/HourDefinitions.h"
#include "platform/FieldLabel.h"
#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "rating/dialogs/HourSpinBox.h"
#include "res/Strings.h"

namespace dorv::rating {

namespace {
constexpr int kEmptyEntry = 0;
constexpr int kUnlisted = -1;  // the band's own title is not in the titles file

QString Q(const std::string& text) { return platform::FromRecord(text); }
}  // namespace

CChangeRateBandsDlg::CChangeRateBandsDlg(const RateBandValues& values,
                                         const data::MyInfo& myInfo, QWidget* parent)
    : EntryDialog(parent), m_values(values), m_twelveHour(myInfo.clock12 == 1) {
  setWindowTitle(res::kChangeRateBandsCaption);
  platform::SetCaption(*this);
  BuildLayout();
  LoadHours();
  for (int band = 0; band < 3; ++band) EnableBand(band, !m_values.bandTitle[band].empty());
  m_titlesRead = LoadTitles();
  SelectTitles();
  for (int band = 0; band < 3; ++band) ShowBandText(band);
  m_titleBoxes[0]->setFocus();

  // Only what the user does from here on marks the dialog changed.
  for (int band = 0; band < 3; ++band) {
    connect(m_titleBoxes[band], &QComboBox::activated, this,
            [this, band](int index) { OnTitleChosen(band, index); });
    for (int hour = 0; hour < 6; ++hour)
      connect(HourSpin(band, hour), &QSpinBox::valueChanged, this,
              [this, band, hour](int value) { OnHourChanged(band, hour, value); });
  }
  connect(m_ok, &QPushButton::clicked, this, &CChangeRateBandsDlg::accept);
  connect(m_cancel, &QPushButton::clicked, this, &CChangeRateBandsDlg::reject);
}

void CChangeRateBandsDlg::Open() {
  if (!m_titlesRead) platform::Ask(this, res::kErrorTitlesFile);
}

void CChangeRateBandsDlg::BuildLayout() {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(res::kRateBandsColumnTitle, this), 0, 1);
  const char* days[3] = {res::kRateBandsColumnWeekday, res::kRateBandsColumnSaturday,
                         res::kRateBandsColumnSunday};
  for (int day = 0; day < 3; ++day) grid->addWidget(new QLabel(days[day], this), 0, 2 + day * 2, 1, 2);
  for (int band = 0; band < 3; ++band) {
    const int row = 1 + band * 2;
    const QString bandName = QString::asprintf(res::kLabelBandNumber, band + 1);
    m_titleBoxes[band] = new QComboBox(this);
    grid->addWidget(platform::LabelFor(bandName, m_titleBoxes[band]), row, 0);
    grid->addWidget(m_titleBoxes[band], row, 1);
    for (int hour = 0; hour < 6; ++hour) {
      auto* spin = new HourSpinBox(this);
      spin->setAccessibleName(bandName + ", " + days[hour / 2] + ", " +
                              (hour % 2 == 0 ? res::kNameStarts : res::kNameEnds));
      m_hourSpins[band * 6 + hour] = spin;
      grid->addWidget(spin, row, 2 + hour);
    }
    m_bandTexts[band] = new QLineEdit(this);
    platform::MarkReadOnly(*m_bandTexts[band]);
    m_bandTexts[band]->setAccessibleName(bandName + ", " + res::kLabelBandText);
    grid->addWidget(new QLabel(res::kLabelBandText, this), row + 1, 0);
    grid->addWidget(m_bandTexts[band], row + 1, 1, 1, 7);
  }
  m_ok = new QPushButton(res::kButtonOk, this);
  m_cancel = new QPushButton(res::kButtonCancel, this);
  m_ok->setObjectName("ok");
  m_cancel->setObjectName("cancel");
  m_ok->setDefault(true);
  m_cancel->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_ok);
  buttons->addWidget(m_cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
}

void CChangeRateBandsDlg::LoadHours() {
  for (int i = 0; i < 18; ++i) {
    const int hour = EditorHourOf(m_values.bandHours[i]);
    // A time past Mid cannot be shown; it is taken as no time.
    if (m_values.bandHours[i] / 100 != hour) m_values.bandHours[i] = 0;
    m_hourSpins[i]->setValue(hour);
  }
}

bool CChangeRateBandsDlg::LoadTitles() {
  for (QComboBox* box : m_titleBoxes) box->addItem(QString());
  data::BandTitleFile file;
  if (!file.Open()) return false;
  const long count = file.Count();
  bool complete = count >= 0;
  for (long i = 0; complete && i < count; ++i) {
    std::string title;
    complete = file.ReadNextTitle(title);
    if (complete) m_titles.push_back(title);
  }
  file.Close();
  for (QComboBox* box : m_titleBoxes)
    for (const std::string& title : m_titles) box->addItem(Q(title));
  return complete;
}

void CChangeRateBandsDlg::SelectTitles() {
  for (int band = 0; band < 3; ++band) {
    const std::string& own = m_values.bandTitle[band];
    int index = own.empty() ? kEmptyEntry : kUnlisted;
    for (std::size_t i = 0; index == kUnlisted && i < m_titles.size(); ++i)
      if (m_titles[i] == own) index = static_cast<int>(i) + 1;
    m_titleBoxes[band]->setCurrentIndex(index);
  }
}

void CChangeRateBandsDlg::OnHourChanged(int band, int hour, int value) {
  m_values.bandHours[band * 6 + hour] = static_cast<std::uint16_t>(value * 100);
  ShowBandText(band);
  m_changed = true;
}

void CChangeRateBandsDlg::OnTitleChosen(int band, int index) {
  m_changed = true;
  if (index == kEmptyEntry) {
    for (int hour = 0; hour < 6; ++hour) {
      HourSpin(band, hour)->setValue(0);
      m_values.bandHours[band * 6 + hour] = 0;
    }
    EnableBand(band, false);
    m_bandTexts[band]->clear();
    return;
  }
  EnableBand(band, true);
  ShowBandText(band);
}

void CChangeRateBandsDlg::EnableBand(int band, bool enabled) {
  for (int hour = 0; hour < 6; ++hour) HourSpin(band, hour)->setEnabled(enabled);
}

std::string CChangeRateBandsDlg::ShownTitle(int band) const {
  const int index = m_titleBoxes[band]->currentIndex();
  if (index == kUnlisted) return m_values.bandTitle[band];
  if (index == kEmptyEntry || index > static_cast<int>(m_titles.size())) return {};
  return m_titles[index - 1];
}

void CChangeRateBandsDlg::ShowBandText(int band) {
  std::uint16_t hours[6];
  for (int hour = 0; hour < 6; ++hour) hours[hour] = m_values.bandHours[band * 6 + hour];
  m_bandTexts[band]->setText(Q(data::BandText(ShownTitle(band), hours, m_twelveHour, true)));
}

BandHourGrid CChangeRateBandsDlg::SpinHours() const {
  BandHourGrid grid{};
  for (int band = 0; band < 3; ++band)
    for (int hour = 0; hour < 6; ++hour) grid[band][hour] = HourSpin(band, hour)->value();
  return grid;
}

bool CChangeRateBandsDlg::TakeBands(RateBandValues& taken) {
  const BandHourGrid hours = SpinHours();
  taken = m_values;
  taken.bandHours.fill(0);
  data::BandTitleFile file;
  bool opened = false;
  for (int band = 0; band < 3; ++band) {
    const int index = m_titleBoxes[band]->currentIndex();
    if (index == kEmptyEntry) {
      taken.bandTitle[band].clear();
      continue;
    }
    // A title is fetched again by its position; an unlisted own title stays as it is.
    if (index != kUnlisted) {
      if (!opened && !(opened = file.Open())) {
        platform::Ask(this, res::kErrorTitlesFile);
        return false;
      }
      if (!file.ReadTitle(index, taken.bandTitle[band])) {
        file.Close();
        platform::Ask(this, res::kErrorTitlesFile);
        return false;
      }
    }
    for (int hour = 0; hour < 6; ++hour)
      taken.bandHours[band * 6 + hour] = static_cast<std::uint16_t>(hours[band][hour] * 100);
  }
  if (opened) file.Close();
  return true;
}

void CChangeRateBandsDlg::accept() {
  const std::string fault = RateTimesFault(SpinHours());
  if (!fault.empty()) {
    platform::Ask(this, Q(fault));
    return;
  }
  RateBandValues taken;
  if (!TakeBands(taken)) return;
  m_values = taken;
  QDialog::accept();
}

void CChangeRateBandsDlg::reject() {
  CancelAsking(m_changed, res::kAskSaveRateBands, [this] { accept(); });
}

bool RunChangeRateBands(RateBandValues& values, const data::MyInfo& myInfo, QWidget* parent) {
  CChangeRateBandsDlg dialog(values, myInfo, parent);
  dialog.Open();
  if (platform::RunModal(dialog) != QDialog::Accepted) return false;
  values = dialog.Values();
  return true;
}

}  // namespace dorv::rating
