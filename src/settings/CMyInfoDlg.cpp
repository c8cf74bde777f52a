#include "settings/CMyInfoDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/FixedText.h"
#include "platform/FieldLabel.h"
#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "rating/dialogs/CSurchargeListDlg.h"
#include "reports/MonthRecurring.h"
#include "res/Strings.h"
#include "settings/CMyAdvancedDlg.h"

namespace dorv::settings {
namespace {

// The text fields in Tab order. Typing is limited to what the place can hold (one byte stays
// for the terminating NUL) or to the field's own shorter limit.
struct TextDef {
  const char* objectName;
  TextPlace place;
  int typedLimit;  // 0: the place's size - 1
  bool fromLocation;
};
const TextDef kTextDefs[] = {
    {"name", DORV_MYINFO_PLACE(name), 0, false},
    {"address", DORV_MYINFO_PLACE(address), 32, false},
    {"city", DORV_MYINFO_PLACE(city), 0, true},
    {"state", DORV_MYINFO_PLACE(state), 0, true},
    {"postalCode", DORV_MYINFO_PLACE(postalCode), 0, true},
    {"country", DORV_MYINFO_PLACE(country), 0, true},
    {"areaCode", DORV_MYINFO_PLACE(areaCode), 0, true},
    {"prefix", DORV_MYINFO_PLACE(prefix), 0, false},
    {"suffix", DORV_MYINFO_PLACE(suffix), 8, false},
    {"extension", DORV_MYINFO_PLACE(extension), 0, false},
    {"faxAreaCode", DORV_MYINFO_PLACE(faxAreaCode), 0, true},
    {"faxPrefix", DORV_MYINFO_PLACE(faxPrefix), 0, false},
    {"faxSuffix", DORV_MYINFO_PLACE(faxSuffix), 0, false},
    {"email", DORV_MYINFO_PLACE(email), 0, false},
    {"telcoName", DORV_MYINFO_PLACE(telcoName), 0, false},
};

struct DigitsDef {
  const char* objectName;
  const char* label;
  std::int32_t& (*place)(data::MyInfo&);
};
const DigitsDef kDigitsDefs[] = {
    {"telcoAccessNumber", res::kMyInfoLabelTelcoAccess,
     [](data::MyInfo& i) -> std::int32_t& { return i.telcoAccessNumber; }},
    {"reminderMinutes", res::kMyInfoLabelReminder,
     [](data::MyInfo& i) -> std::int32_t& { return i.reminderMinutes; }},
    {"sampleMinutes1", res::kMyInfoLabelFirstInterval,
     [](data::MyInfo& i) -> std::int32_t& { return i.sampleMinutes[0]; }},
    {"sampleMinutes2", res::kMyInfoLabelSecondInterval,
     [](data::MyInfo& i) -> std::int32_t& { return i.sampleMinutes[1]; }},
    {"sampleMinutes3", res::kMyInfoLabelThirdInterval,
     [](data::MyInfo& i) -> std::int32_t& { return i.sampleMinutes[2]; }},
};

std::string Stored(const QLineEdit* edit) { return platform::ToRecord(edit->text()); }

}  // namespace

CMyInfoDlg::CMyInfoDlg(int mode, data::MyInfo& info, data::MyInfoFile& file, MyInfoOpeners openers,
                       QWidget* parent)
    : EntryDialog(parent),
      m_mode(mode),
      m_info(info),
      m_file(file),
      m_openers(std::move(openers)),
      m_edit(info) {
  setWindowTitle(res::kMyInfoCaption);
  platform::SetCaption(*this);
  BuildControls();
  BuildLayout();
  platform::RefuseNonRecordText(*this);
  FillFields();

  const bool firstTime = m_mode == kFirstTimeSetup;
  m_lookupLocation->setEnabled(bool(m_openers.pickLocation));
  m_changeTelco->setEnabled(bool(m_openers.chooseTelco));
  m_dialingInformation->setEnabled(!firstTime);
  m_callSurcharges->setEnabled(!firstTime);
  m_monthlyDefaults->setEnabled(!firstTime);

  for (const TextEdit& text : m_texts)
    connect(text.edit, &QLineEdit::textEdited, this, [this] { m_changed = true; });
  for (const DigitsEdit& digits : m_digits)
    connect(digits.edit, &QLineEdit::textEdited, this, [this] { m_changed = true; });
  for (QAbstractButton* button :
       {static_cast<QAbstractButton*>(m_soundOff), static_cast<QAbstractButton*>(m_clock24),
        static_cast<QAbstractButton*>(m_clock12)})
    connect(button, &QAbstractButton::clicked, this, [this] { m_changed = true; });
  if (firstTime) {
    TextField("address")->installEventFilter(this);
    auto* intro = new QLabel(res::kMyInfoFirstTimeIntro, this);
    intro->setObjectName("firstTimeIntro");
    static_cast<QBoxLayout*>(layout())->insertWidget(0, intro);
  }

  connect(m_lookupLocation, &QPushButton::clicked, this, &CMyInfoDlg::LookupLocation);
  connect(m_changeTelco, &QPushButton::clicked, this, &CMyInfoDlg::ChangeTelco);
  connect(m_dialingInformation, &QPushButton::clicked, this, &CMyInfoDlg::OpenDialingInformation);
  connect(m_callSurcharges, &QPushButton::clicked, this, &CMyInfoDlg::OpenCallSurcharges);
  connect(m_monthlyDefaults, &QPushButton::clicked, this, &CMyInfoDlg::OpenMonthlyDefaults);
  connect(m_ok, &QPushButton::clicked, this, &CMyInfoDlg::accept);
  connect(m_cancel, &QPushButton::clicked, this, &CMyInfoDlg::reject);
  TextField("name")->setFocus();
}

void CMyInfoDlg::BuildControls() {
  for (const TextDef& def : kTextDefs) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(def.objectName);
    const int room = static_cast<int>(def.place.size) - 1;
    edit->setMaxLength(def.typedLimit > 0 && def.typedLimit < room ? def.typedLimit : room);
    if (def.fromLocation) platform::MarkReadOnly(*edit);
    m_texts.push_back({def.place, edit});
  }
  for (const DigitsDef& def : kDigitsDefs) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(def.objectName);
    edit->setMaxLength(11);  // any 32-bit number
    m_digits.push_back({def.label, def.place, edit});
  }
  m_soundOff = new QCheckBox(res::kMyInfoDisableSound, this);
  m_soundOff->setObjectName("soundOff");
  m_clock24 = new QRadioButton(res::kMyInfo24Hour, this);
  m_clock24->setObjectName("clock24");
  m_clock12 = new QRadioButton(res::kMyInfoAmPm, this);
  m_clock12->setObjectName("clock12");
  auto* clock = new QButtonGroup(this);
  clock->addButton(m_clock24);
  clock->addButton(m_clock12);

  auto button = [this](const char* text, const char* objectName) {
    auto* made = new QPushButton(text, this);
    made->setObjectName(objectName);
    return made;
  };
  m_lookupLocation = button(res::kMyInfoButtonLookupLocation, "lookupLocation");
  m_changeTelco = button(res::kMyInfoButtonChangeTelco, "changeTelco");
  m_dialingInformation = button(res::kMyInfoButtonDialingInformation, "dialingInformation");
  m_callSurcharges = button(res::kSurchargeListCaption, "callSurcharges");
  m_monthlyDefaults = button(res::kMyInfoButtonMonthlyDefaults, "monthlyDefaults");
  m_ok = button(res::kButtonOk, "ok");
  m_cancel = button(res::kButtonCancel, "cancel");
  m_ok->setDefault(true);
}

QLineEdit* CMyInfoDlg::TextField(const char* objectName) const {
  for (const TextEdit& text : m_texts)
    if (text.edit->objectName() == QLatin1String(objectName)) return text.edit;
  for (const DigitsEdit& digits : m_digits)
    if (digits.edit->objectName() == QLatin1String(objectName)) return digits.edit;
  return nullptr;
}

void CMyInfoDlg::BuildLayout() {
  auto* grid = new QGridLayout;
  auto label = [](const char* text, QWidget* field) { return platform::LabelFor(text, field); };
  auto row = [&](int at, const char* text, std::initializer_list<QWidget*> widgets) {
    if (text) grid->addWidget(label(text, *widgets.begin()), at, 0);
    auto* line = new QHBoxLayout;
    for (QWidget* widget : widgets) line->addWidget(widget);
    grid->addLayout(line, at, 1);
  };
  row(0, res::kMyInfoLabelName, {TextField("name")});
  row(1, res::kMyInfoLabelAddress, {TextField("address")});
  row(2, res::kMyInfoLabelCity,
      {TextField("city"), label(res::kMyInfoLabelState, TextField("state")), TextField("state")});
  row(3, res::kMyInfoLabelPostalCode,
      {TextField("postalCode"), label(res::kMyInfoLabelCountry, TextField("country")),
       TextField("country"), m_lookupLocation});
  row(4, res::kMyInfoLabelTelephone,
      {TextField("areaCode"), TextField("prefix"), TextField("suffix"),
       label(res::kMyInfoLabelExtension, TextField("extension")), TextField("extension")});
  row(5, res::kMyInfoLabelFax,
      {TextField("faxAreaCode"), TextField("faxPrefix"), TextField("faxSuffix")});
  row(6, res::kMyInfoLabelEmail, {TextField("email")});
  row(7, res::kMyInfoLabelTelcoAccess,
      {TextField("telcoAccessNumber"), label(res::kMyInfoLabelTelcoName, TextField("telcoName")),
       TextField("telcoName"), m_changeTelco});
  row(8, res::kMyInfoLabelReminder,
      {TextField("reminderMinutes"), new QLabel(res::kSurchargeLabelMinutes, this), m_soundOff});

  auto* clockBox = new QGroupBox(res::kMyInfoTimeDisplay, this);
  auto* clockLine = new QHBoxLayout(clockBox);
  clockLine->addWidget(m_clock24);
  clockLine->addWidget(m_clock12);
  grid->addWidget(clockBox, 9, 0, 1, 2);
  row(10, res::kMyInfoLabelFirstInterval,
      {TextField("sampleMinutes1"),
       label(res::kMyInfoLabelSecondInterval, TextField("sampleMinutes2")),
       TextField("sampleMinutes2"),
       label(res::kMyInfoLabelThirdInterval, TextField("sampleMinutes3")),
       TextField("sampleMinutes3")});

  // The parts of the telephone numbers after the first, which the row's label names.
  struct PartName {
    const char* field;
    const char* row;
    const char* part;
  };
  for (const PartName& name : {PartName{"prefix", res::kMyInfoLabelTelephone, res::kNamePrefix},
                               PartName{"suffix", res::kMyInfoLabelTelephone, res::kNameSuffix},
                               PartName{"faxPrefix", res::kMyInfoLabelFax, res::kNamePrefix},
                               PartName{"faxSuffix", res::kMyInfoLabelFax, res::kNameSuffix}})
    TextField(name.field)->setAccessibleName(QString(name.row) + " " + name.part);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {m_dialingInformation, m_callSurcharges, m_monthlyDefaults})
    buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(m_ok);
  buttons->addWidget(m_cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  // Tab and Enter go through the fields as they stand on the screen.
  const std::vector<QWidget*> order{TextField("name"),
                                    TextField("address"),
                                    TextField("city"),
                                    TextField("state"),
                                    TextField("postalCode"),
                                    TextField("country"),
                                    m_lookupLocation,
                                    TextField("areaCode"),
                                    TextField("prefix"),
                                    TextField("suffix"),
                                    TextField("extension"),
                                    TextField("faxAreaCode"),
                                    TextField("faxPrefix"),
                                    TextField("faxSuffix"),
                                    TextField("email"),
                                    TextField("telcoAccessNumber"),
                                    TextField("telcoName"),
                                    m_changeTelco,
                                    TextField("reminderMinutes"),
                                    m_soundOff,
                                    m_clock24,
                                    m_clock12,
                                    TextField("sampleMinutes1"),
                                    TextField("sampleMinutes2"),
                                    TextField("sampleMinutes3"),
                                    m_dialingInformation,
                                    m_callSurcharges,
                                    m_monthlyDefaults,
                                    m_ok,
                                    m_cancel};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void CMyInfoDlg::FillFields() {
  for (const TextEdit& text : m_texts) text.edit->setText(platform::FromRecord(ReadPlace(m_edit, text.place)));
  for (const DigitsEdit& digits : m_digits)
    digits.edit->setText(QString::number(digits.place(m_edit)));
  m_soundOff->setChecked(m_edit.soundOff != 0);
  (m_edit.clock12 == 1 ? m_clock12 : m_clock24)->setChecked(true);
}

void CMyInfoDlg::ShowLocation() {
  for (const TextDef& def : kTextDefs)
    if (def.fromLocation)
      TextField(def.objectName)->setText(platform::FromRecord(ReadPlace(m_edit, def.place)));
}

bool CMyInfoDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && watched == TextField("address") && isVisible()) {
    // Focus lost to another window (a message box, another program) is not leaving the field.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) AddressLeft();
  }
  return EntryDialog::eventFilter(watched, event);
}

void CMyInfoDlg::AddressLeft() {
  if (m_addressLeft || !m_openers.pickLocation) return;
  m_addressLeft = true;
  platform::Ask(this, res::kMyInfoPickLocation, QMessageBox::Ok, QMessageBox::Information);
  LookupLocation();
}

void CMyInfoDlg::LookupLocation() {
  if (!m_openers.pickLocation) return;
  const std::optional<data::LocationRow> chosen = m_openers.pickLocation(this);
  if (!chosen) return;
  ApplyChosenLocation(m_edit, *chosen);
  ShowLocation();
  m_changed = true;
}

void CMyInfoDlg::ChangeTelco() {
  if (!m_openers.chooseTelco) return;
  QLineEdit* accessField = TextField("telcoAccessNumber");
  QLineEdit* nameField = TextField("telcoName");
  const std::int32_t shownCode = ParseDigits(Stored(accessField)).value;
  const std::string shownName = Stored(nameField);
  std::int32_t code = shownCode;
  std::string name = shownName;
  if (!m_openers.chooseTelco(code, name, this)) return;
  if (code == shownCode && name == shownName) return;
  nameField->setText(platform::FromRecord(name));
  accessField->setText(QString::number(code));
  m_changed = true;
}

void CMyInfoDlg::OpenDialingInformation() {
  CMyAdvancedDlg dialog(CMyAdvancedDlg::kEditing, m_info, m_file, this);
  platform::RunModal(dialog);
  // That dialog stored its part itself; the copy keeps it when this one stores.
  CopyDialingInformation(m_info, m_edit);
}

void CMyInfoDlg::OpenCallSurcharges() {
  rating::CSurchargeListDlg dialog(m_info, m_file, this);
  platform::RunModal(dialog);
  std::copy(std::begin(m_info.surcharges), std::end(m_info.surcharges),
            std::begin(m_edit.surcharges));
}

void CMyInfoDlg::OpenMonthlyDefaults() {
  reports::RunRecurringDefaults(this, m_info, m_file);
  // That dialog stored its part itself; the copy keeps it when this one stores.
  m_edit.billingFromDay = m_info.billingFromDay;
  m_edit.billingThruDay = m_info.billingThruDay;
  std::copy(std::begin(m_info.recurringDefaults), std::end(m_info.recurringDefaults),
            std::begin(m_edit.recurringDefaults));
}

PersonalEntries CMyInfoDlg::Entries() const {
  auto text = [this](const char* objectName) { return Stored(TextField(objectName)); };
  return {text("name"),    text("address"),  text("city"),   text("state"), text("postalCode"),
          text("country"), text("areaCode"), text("prefix"), text("suffix")};
}

bool CMyInfoDlg::Store() {
  if (const std::string_view missing = FirstMissingEntry(Entries()); !missing.empty()) {
    platform::Ask(this, res::kMyInfoIncomplete);
    // Fields filled from the location are read-only: the lookup is the way to fill them.
    QLineEdit* field = TextField(std::string(missing).c_str());
    if (field->isReadOnly())
      m_lookupLocation->setFocus();
    else
      field->setFocus();
    return false;
  }
  for (const DigitsEdit& digits : m_digits) {
    if (ParseDigits(Stored(digits.edit)).isNumber) continue;
    QString field = digits.label;
    if (field.endsWith(':')) field.chop(1);
    const QString question = QString(res::kAskStoreNotANumber).replace("%s", field);
    if (platform::Ask(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) !=
        QMessageBox::Yes) {
      digits.edit->setFocus();
      digits.edit->selectAll();
      return false;
    }
  }
  for (const TextEdit& text : m_texts) WritePlace(m_edit, text.place, Stored(text.edit));
  for (const DigitsEdit& digits : m_digits)
    digits.place(m_edit) = ParseDigits(Stored(digits.edit)).value;
  m_edit.soundOff = m_soundOff->isChecked() ? 1 : 0;
  m_edit.clock12 = m_clock12->isChecked() ? 1 : 0;
  m_edit.infoStored = 1;
  m_info = m_edit;
  // On failure the record keeps the values and the dialog still closes.
  if (!m_file.Write(m_info)) platform::Ask(this, res::kErrorMyInfo);
  m_changed = false;
  return true;
}

void CMyInfoDlg::accept() {
  if (Store()) QDialog::accept();
}

void CMyInfoDlg::reject() {
  CancelAsking(m_changed, res::kAskSavePersonalInformation, [this] {
    if (Store()) QDialog::accept();
  });
}

}  // namespace dorv::settings
