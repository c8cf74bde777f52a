#include "pdb/CChangePdbDlg.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "data/HourDefinitions.h"
#include "data/MoneyText.h"
#include "data/PdbRecord.h"
#include "pdb/CTelcoAccessDlg.h"
#include "pdb/ChangePdbRules.h"
#include "pdb/PdbEditRules.h"
#include "platform/FieldLabel.h"
#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "rating/dialogs/CChangeRateBandsDlg.h"
#include "res/Strings.h"

namespace dorv::pdb {

namespace {

using F = ChangePdbField;
using B = ChangePdbButton;

QString Q(const std::string& text) { return platform::FromRecord(text); }
std::string S(const QString& text) { return platform::ToRecord(text); }

constexpr int kTelcoLimit = sizeof(data::PdbRecord::telco) - 1;

int Limit(EditField field) { return SpecOf(field).limit; }

QLineEdit* MoneyPart(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setMaximumWidth(48);
  return edit;
}

void ShowMoney(const std::array<QLineEdit*, 3>& parts, double cents) {
  const data::MoneyParts split = data::SplitMoney(cents);
  parts[0]->setText(Q(split.dollars));
  parts[1]->setText(Q(split.cents));
  parts[2]->setText(Q(split.hundredths));
}

data::MoneyParts TypedMoney(const std::array<QLineEdit*, 3>& parts) {
  return {S(parts[0]->text()), S(parts[1]->text()), S(parts[2]->text())};
}

}  // namespace

CChangePdbDlg::CChangePdbDlg(const ChangeDataValues& values, const data::MyInfo& myInfo,
                             ChangePdbOpeners openers, QWidget* parent)
    : EntryDialog(parent),
      m_values(values),
      m_twelveHour(myInfo.clock12 == 1),
      m_openers(std::move(openers)) {
  if (!m_openers.changeBands) {
    m_openers.changeBands = [&myInfo](rating::RateBandValues& bands, QWidget* parent) {
      return rating::RunChangeRateBands(bands, myInfo, parent);
    };
  }
  setWindowTitle(res::kChangePdbCaption);
  platform::SetCaption(*this);
  BuildLayout();
  platform::RefuseNonRecordText(*this);
  // Every change of a field's text marks the dialog changed, the filling below included.
  auto markChanged = [this] { m_changed = true; };
  for (QLineEdit* field : m_fields) connect(field, &QLineEdit::textChanged, this, markChanged);
  for (QLineEdit* part : m_rateParts) connect(part, &QLineEdit::textChanged, this, markChanged);
  for (QLineEdit* part : m_surchargeParts)
    connect(part, &QLineEdit::textChanged, this, markChanged);
  Fill();

  Button(B::ChangeLocation)->setEnabled(static_cast<bool>(m_openers.pickLocation));
  Button(B::ChangeTelco)->setEnabled(static_cast<bool>(m_openers.chooseTelco));
  connect(Button(B::ChangeLocation), &QPushButton::clicked, this, &CChangePdbDlg::OnChangeLocation);
  connect(Button(B::ChangeTelco), &QPushButton::clicked, this, &CChangePdbDlg::OnChangeTelco);
  connect(Button(B::ChangeBands), &QPushButton::clicked, this, &CChangePdbDlg::OnChangeBands);
  connect(Button(B::Ok), &QPushButton::clicked, this, &CChangePdbDlg::OnOk);
  connect(Button(B::Cancel), &QPushButton::clicked, this, &CChangePdbDlg::reject);
}

QLineEdit* CChangePdbDlg::AddField(ChangePdbField field, int limit) {
  auto* edit = new QLineEdit(this);
  if (limit > 0) edit->setMaxLength(limit);
  m_fields[static_cast<int>(field)] = edit;
  return edit;
}

void CChangePdbDlg::BuildLayout() {
  // Two columns, so that the dialog fits a screen 768 pixels high with its buttons in view.
  auto* layout = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  layout->addLayout(columns);
  auto addButton = [this](ChangePdbButton button, const char* text) {
    auto* push = new QPushButton(text, this);
    push->setAutoDefault(false);
    m_buttons[static_cast<int>(button)] = push;
    return push;
  };

  auto* location = new QGroupBox(res::kChangePdbGroupLocation, this);
  auto* locationForm = new QFormLayout(location);
  locationForm->addRow(res::kLabelCity, AddField(F::City, Limit(EditField::City)));
  locationForm->addRow(res::kLabelState, AddField(F::State, Limit(EditField::State)));
  locationForm->addRow(res::kLabelCountry, AddField(F::Country, Limit(EditField::Country)));
  locationForm->addRow(res::kLabelPostalCodeShort,
                       AddField(F::PostalCode, Limit(EditField::PostalCode)));
  locationForm->addRow(res::kLabelLocalTime, AddField(F::LocalTime, 0));
  locationForm->addRow(addButton(B::ChangeLocation, res::kButtonChangeLocation));
  left->addWidget(location);

  auto* service = new QGroupBox(res::kChangePdbGroupService, this);
  auto* serviceForm = new QFormLayout(service);
  serviceForm->addRow(res::kLabelTelcoAccess,
                      AddField(F::TelcoAccess, Limit(EditField::TelcoAccess)));
  serviceForm->addRow(res::kLabelTelcoName, AddField(F::Telco, kTelcoLimit));
  serviceForm->addRow(res::kLabelRateEffective,
                      AddField(F::RateEffective, Limit(EditField::RateEffective)));
  serviceForm->addRow(res::kLabelComment, AddField(F::Comment, Limit(EditField::Comment)));
  serviceForm->addRow(res::kLabelCallType, AddField(F::CallType, Limit(EditField::CallType)));
  auto* surcharge = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    m_surchargeParts[i] = MoneyPart(this);
    m_surchargeParts[i]->setAccessibleName(platform::MoneyPartName(res::kLabelSurchargeParts, i));
    surcharge->addWidget(m_surchargeParts[i]);
  }
  surcharge->addStretch();
  serviceForm->addRow(res::kLabelSurchargeParts, surcharge);
  serviceForm->addRow(addButton(B::ChangeTelco, res::kButtonChangeTelco));
  left->addWidget(service);
  left->addStretch();

  auto* bands = new QGroupBox(res::kChangePdbGroupRateBands, this);
  auto* bandLines = new QVBoxLayout(bands);
  for (F line : {F::BandLine1, F::BandLine2, F::BandLine3}) {
    QLineEdit* edit = AddField(line, 0);
    platform::MarkReadOnly(*edit);
    edit->setAccessibleName(QString::asprintf(
        res::kLabelBandNumber, static_cast<int>(line) - static_cast<int>(F::BandLine1) + 1));
    bandLines->addWidget(edit);
  }
  bandLines->addWidget(addButton(B::ChangeBands, res::kButtonChangeRateTimeBands));
  right->addWidget(bands);

  auto* rates = new QGroupBox(res::kChangePdbGroupRates, this);
  auto* grid = new QGridLayout(rates);
  grid->addWidget(new QLabel(res::kLabelFirstInterval, this), 0, 1, 1, 3);
  grid->addWidget(new QLabel(res::kLabelAdditionalInterval, this), 0, 4, 1, 3);
  for (int band = 0; band < 3; ++band) {
    const QString bandName = QString::asprintf(res::kLabelBandNumber, band + 1);
    grid->addWidget(new QLabel(bandName, this), band + 1, 0);
    for (int column = 0; column < 2; ++column)
      for (int part = 0; part < 3; ++part) {
        QLineEdit* edit = MoneyPart(this);
        edit->setAccessibleName(platform::MoneyPartName(
            bandName + ", " +
                (column == 0 ? res::kLabelFirstInterval : res::kLabelAdditionalInterval),
            part));
        m_rateParts[(band * 2 + column) * 3 + part] = edit;
        grid->addWidget(edit, band + 1, 1 + column * 3 + part);
      }
  }
  auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]{0,9}"), this);
  for (int column = 0; column < 2; ++column) {
    QLineEdit* seconds = AddField(column == 0 ? F::InitialInterval : F::AdditionalInterval, 9);
    seconds->setValidator(digits);
    seconds->setAccessibleName(
        QString(column == 0 ? res::kLabelFirstInterval : res::kLabelAdditionalInterval) + ", " +
        res::kLabelSeconds);
    grid->addWidget(seconds, 4, 1 + column * 3, 1, 2);
    grid->addWidget(new QLabel(res::kLabelSeconds, this), 4, 3 + column * 3);
  }
  right->addWidget(rates);
  right->addStretch();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* ok = addButton(B::Ok, res::kButtonOk);
  QPushButton* cancel = addButton(B::Cancel, res::kButtonCancel);
  ok->setObjectName("ok");
  cancel->setObjectName("cancel");
  ok->setDefault(true);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
}

void CChangePdbDlg::Fill() {
  for (int band = 0; band < 3; ++band) {
    for (int column = 0; column < 2; ++column) {
      const double rate = m_values.rates[band * 2 + column];
      if (rate != 0 && !m_values.bandTitle[band].empty())
        ShowMoney({RatePart(band, column, 0), RatePart(band, column, 1),
                   RatePart(band, column, 2)},
                  rate);
    }
    Field(static_cast<F>(static_cast<int>(F::BandLine1) + band))
        ->setText(Q(m_values.bandLines[band]));
    EnableRates(band, !m_values.bandLines[band].empty());
  }
  ShowMoney(m_surchargeParts, m_values.surcharge);
  for (int rate = 0; rate < 6; ++rate) m_shownMoney[rate] = TypedRate(rate);
  m_shownMoney[6] = TypedMoney(m_surchargeParts);
  Field(F::InitialInterval)->setText(QString::number(m_values.initialInterval));
  Field(F::AdditionalInterval)->setText(QString::number(m_values.additionalInterval));
  Field(F::Telco)->setText(Q(m_values.telco));
  Field(F::Comment)->setText(Q(m_values.comment));
  Field(F::RateEffective)->setText(Q(m_values.rateEffective));
  Field(F::CallType)->setText(Q(m_values.callType));
  ShowLocation();
  Field(F::TelcoAccess)->setText(Q(TelcoAccessFieldText(m_values.telcoAccessCode)));
}

void CChangePdbDlg::ShowLocation() {
  Field(F::City)->setText(Q(m_values.city));
  Field(F::State)->setText(Q(m_values.state));
  Field(F::PostalCode)->setText(Q(m_values.postalCode));
  Field(F::Country)->setText(Q(m_values.country));
  Field(F::LocalTime)->setText(Q(m_values.localTime));
}

void CChangePdbDlg::EnableRates(int band, bool enabled) {
  for (int column = 0; column < 2; ++column)
    for (int part = 0; part < 3; ++part) RatePart(band, column, part)->setEnabled(enabled);
}

data::MoneyParts CChangePdbDlg::TypedRate(int rate) const {
  const int band = rate / 2;
  const bool additional = rate % 2 == 1;
  return TypedMoney({RatePart(band, additional, 0), RatePart(band, additional, 1),
                     RatePart(band, additional, 2)});
}

QString CChangePdbDlg::Text(ChangePdbField field) const { return Field(field)->text(); }

void CChangePdbDlg::OnChangeLocation() {
  if (!m_openers.pickLocation) return;
  const std::optional<ChosenLocation> chosen = m_openers.pickLocation(this);
  if (!chosen) return;
  TakeLocation(*chosen, m_values);
  ShowLocation();
  m_changed = true;
}

void CChangePdbDlg::OnChangeTelco() {
  if (!m_openers.chooseTelco) return;
  std::int32_t accessCode = static_cast<std::int32_t>(NumericValue(S(Text(F::TelcoAccess))));
  std::string company = S(Text(F::Telco));
  if (!m_openers.chooseTelco(accessCode, company, this)) return;
  Field(F::Telco)->setText(Q(company));
  m_values.telcoAccessCode = accessCode >= 1 ? std::to_string(accessCode) : std::string();
  Field(F::TelcoAccess)->setText(Q(m_values.telcoAccessCode));
  m_changed = true;
}

void CChangePdbDlg::OnChangeBands() {
  rating::RateBandValues bands{m_values.bandTitle, m_values.bandNotes, m_values.bandHours};
  if (!m_openers.changeBands(bands, this)) return;
  m_values.bandTitle = bands.bandTitle;
  m_values.bandNotes = bands.bandNotes;
  m_values.bandHours = bands.bandHours;
  for (int band = 0; band < 3; ++band) {
    std::uint16_t hours[6];
    for (int hour = 0; hour < 6; ++hour) hours[hour] = bands.bandHours[band * 6 + hour];
    const std::string line =
        data::BandText(bands.bandTitle[band], hours, m_twelveHour, true);
    Field(static_cast<F>(static_cast<int>(F::BandLine1) + band))->setText(Q(line));
    // A band that has a description now takes rates; one without has none.
    EnableRates(band, !line.empty());
  }
  m_changed = true;
}

QLineEdit* CChangePdbDlg::RefusedMoneyPart() {
  auto refused = [this](const std::array<QLineEdit*, 3>& parts, const QString& name) {
    for (QLineEdit* part : parts)
      if (part->isEnabled() && !IsMoneyPart(S(part->text()))) {
        platform::Ask(this, QString::asprintf(res::kErrorMoneyPart, qPrintable(name)));
        return part;
      }
    return static_cast<QLineEdit*>(nullptr);
  };
  for (int band = 0; band < 3; ++band)
    for (int column = 0; column < 2; ++column) {
      const QString name = QString::asprintf(res::kLabelBandNumber, band + 1) + " " +
                           (column == 0 ? res::kLabelFirstInterval : res::kLabelAdditionalInterval);
      if (QLineEdit* part = refused({RatePart(band, column, 0), RatePart(band, column, 1),
                                     RatePart(band, column, 2)},
                                    name))
        return part;
    }
  return refused(m_surchargeParts, res::kFieldSurcharge);
}

void CChangePdbDlg::Collect() {
  for (int rate = 0; rate < 6; ++rate)
    m_values.rates[rate] =
        CollectedAmount(m_values.rates[rate], m_shownMoney[rate], TypedRate(rate));
  m_values.surcharge = static_cast<float>(
      CollectedAmount(m_values.surcharge, m_shownMoney[6], TypedMoney(m_surchargeParts)));
  for (int band = 0; band < 3; ++band)
    m_values.bandLines[band] = S(Text(static_cast<F>(static_cast<int>(F::BandLine1) + band)));
  m_values.initialInterval =
      static_cast<std::uint32_t>(NumericValue(S(Text(F::InitialInterval))));
  m_values.additionalInterval =
      static_cast<std::uint32_t>(NumericValue(S(Text(F::AdditionalInterval))));
  m_values.telco = S(Text(F::Telco));
  m_values.comment = S(Text(F::Comment));
  m_values.rateEffective = S(Text(F::RateEffective));
  m_values.callType = S(Text(F::CallType));
  m_values.city = S(Text(F::City));
  m_values.state = S(Text(F::State));
  m_values.postalCode = S(Text(F::PostalCode));
  m_values.country = S(Text(F::Country));
  m_values.localTime = S(Text(F::LocalTime));
  // Telco Access is shown only: the code changes through Change Telco alone.
}

void CChangePdbDlg::OnOk() {
  if (QLineEdit* refused = RefusedMoneyPart()) {
    refused->setFocus();
    return;
  }
  Collect();
  QDialog::accept();
}

void CChangePdbDlg::reject() {
  CancelAsking(m_changed, res::kAskSavePersonalInformation, [this] { OnOk(); });
}

ChangePdbOpeners StandardChangePdbOpeners(data::SampleTables& sample,
                                          const data::MyInfo& myInfo) {
  ChangePdbOpeners openers;
  openers.pickLocation = [&sample, &myInfo](QWidget* parent) {
    return PickLocation(sample, myInfo, parent);
  };
  openers.chooseTelco = [&sample](std::int32_t& accessCode, std::string& company,
                                  QWidget* parent) {
    return ChooseTelco(sample.telcos, accessCode, company, parent);
  };
  openers.changeBands = [&myInfo](rating::RateBandValues& bands, QWidget* parent) {
    return rating::RunChangeRateBands(bands, myInfo, parent);
  };
  return openers;
}

bool RunChangePdb(ChangeDataValues& values, const data::MyInfo& myInfo, ChangePdbOpeners openers,
                  QWidget* parent) {
  CChangePdbDlg dialog(values, myInfo, std::move(openers), parent);
  if (platform::RunModal(dialog) != QDialog::Accepted) return false;
  values = dialog.Values();
  return true;
}

}  // namespace dorv::pdb
