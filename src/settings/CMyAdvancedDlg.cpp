#include "settings/CMyAdvancedDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <map>
#include <optional>
#include <string>

#include "data/FixedText.h"
#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "res/Strings.h"
#include "settings/RateChoices.h"

namespace dorv::settings {
namespace {

struct EditDef {
  const char* objectName;
  const char* label;
  TextPlace place;
  const char* explanation;  // beside the special dialling codes only
};

struct GroupDef {
  const char* title;
  std::vector<EditDef> edits;
};

std::vector<GroupDef> EditGroups() {
  return {
      {res::kMyAdvancedGroupAccess,
       {{"outsideLine", res::kMyAdvancedLabelOutsideLine, DORV_MYINFO_PLACE(outsideLine), nullptr},
        {"longDistanceAccess", res::kMyAdvancedLabelLongDistance,
         DORV_MYINFO_PLACE(longDistanceAccess), nullptr},
        {"intlAccessCode", res::kMyAdvancedLabelInternational, DORV_MYINFO_PLACE(intlAccessCode),
         nullptr}}},
      {res::kMyAdvancedGroupInformation,
       {{"infoLocal", res::kMyAdvancedLabelLocal, DORV_MYINFO_PLACE(infoLocal), nullptr},
        {"infoLongDistance", res::kMyAdvancedLabelLongDistance, DORV_MYINFO_PLACE(infoLongDistance),
         nullptr},
        {"infoInternational", res::kMyAdvancedLabelInternational,
         DORV_MYINFO_PLACE(infoInternational), nullptr},
        {"infoTollFree", res::kMyAdvancedLabelTollFree, DORV_MYINFO_PLACE(infoTollFree), nullptr},
        {"infoAudioTex", res::kMyAdvancedLabelAudioTex, DORV_MYINFO_PLACE(infoAudioTex), nullptr}}},
      {res::kMyAdvancedGroupOperator,
       {{"operatorLocal", res::kMyAdvancedLabelLocal, DORV_MYINFO_PLACE(operatorLocal), nullptr},
        {"operatorLongDistance", res::kMyAdvancedLabelLongDistance,
         DORV_MYINFO_PLACE(operatorLongDistance), nullptr},
        {"operatorInternational", res::kMyAdvancedLabelInternational,
         DORV_MYINFO_PLACE(operatorInternational), nullptr}}},
      {res::kMyAdvancedGroupSpecialDialing,
       {{"repeatDialing", res::kMyAdvancedLabelRepeatDialing, DORV_MYINFO_PLACE(repeatDialing),
         res::kMyAdvancedAboutRepeatDialing},
        {"callReturn", res::kMyAdvancedLabelCallReturn, DORV_MYINFO_PLACE(callReturn),
         res::kMyAdvancedAboutCallReturn},
        {"callForwardingOn", res::kMyAdvancedLabelCallForwardingOn,
         DORV_MYINFO_PLACE(callForwardingOn), res::kMyAdvancedAboutCallForwardingOn},
        {"speedDial", res::kMyAdvancedLabelSpeedDial, DORV_MYINFO_PLACE(speedDial),
         res::kMyAdvancedAboutSpeedDial},
        {"callWaiting", res::kMyAdvancedLabelCallWaiting, DORV_MYINFO_PLACE(callWaiting),
         res::kMyAdvancedAboutCallWaiting},
        {"callWaitingOff", res::kMyAdvancedLabelCallWaitingOff, DORV_MYINFO_PLACE(callWaitingOff),
         res::kMyAdvancedAboutCallWaitingOff},
        {"internationalCall", res::kMyAdvancedLabelInternationalCall,
         DORV_MYINFO_PLACE(internationalCall), res::kMyAdvancedAboutInternationalCall},
        {"threeWayCalling", res::kMyAdvancedLabelThreeWayCalling,
         DORV_MYINFO_PLACE(threeWayCalling), res::kMyAdvancedAboutThreeWayCalling}}},
  };
}

struct RateDef {
  const char* objectName;
  const char* label;
  TextPlace place;
};
const RateDef kRateDefs[] = {
    {"defaultRateLocal", res::kMyAdvancedLabelLocal, DORV_MYINFO_PLACE(defaultRateLocal)},
    {"defaultRateLongDistance", res::kMyAdvancedLabelLongDistance,
     DORV_MYINFO_PLACE(defaultRateLongDistance)},
    {"defaultRateInternational", res::kMyAdvancedLabelInternational,
     DORV_MYINFO_PLACE(defaultRateInternational)},
};

}  // namespace

CMyAdvancedDlg::CMyAdvancedDlg(int mode, data::MyInfo& info, data::MyInfoFile& file,
                               QWidget* parent)
    : EntryDialog(parent),
      m_mode(mode),
      m_info(info),
      m_file(file),
      m_ok(new QPushButton(res::kButtonOk, this)),
      m_cancel(new QPushButton(res::kButtonCancel, this)) {
  m_ok->setObjectName("ok");
  m_cancel->setObjectName("cancel");
  setWindowTitle(res::kMyAdvancedCaption);
  platform::SetCaption(*this);
  BuildLayout();
  platform::RefuseNonRecordText(*this);
  FillRateChoices();
  if (m_mode == kReadOnly) MakeReadOnly();
  connect(m_ok, &QPushButton::clicked, this, &CMyAdvancedDlg::accept);
  connect(m_cancel, &QPushButton::clicked, this, &CMyAdvancedDlg::reject);
}

void CMyAdvancedDlg::BuildLayout() {
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);

  auto addGroup = [this](QVBoxLayout* column, const GroupDef& group) {
    auto* box = new QGroupBox(group.title, this);
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (const EditDef& def : group.edits) {
      auto* edit = new QLineEdit(platform::FromRecord(ReadPlace(m_info, def.place)), box);
      edit->setObjectName(def.objectName);
      // Room for the terminating NUL: what is typed is what is stored.
      edit->setMaxLength(static_cast<int>(def.place.size) - 1);
      grid->addWidget(new QLabel(def.label, box), row, 0);
      grid->addWidget(edit, row, 1);
      if (def.explanation) {
        auto* about = new QLabel(def.explanation, box);
        about->setWordWrap(true);
        grid->addWidget(about, row, 2);
      }
      connect(edit, &QLineEdit::textEdited, this, [this] { m_changed = true; });
      m_edits.push_back({def.place, edit});
      ++row;
    }
    column->addWidget(box);
  };

  const std::vector<GroupDef> groups = EditGroups();
  addGroup(left, groups[0]);

  auto* rates = new QGroupBox(res::kMyAdvancedGroupDefaultRates, this);
  auto* rateGrid = new QGridLayout(rates);
  int row = 0;
  for (const RateDef& def : kRateDefs) {
    auto* box = new QComboBox(rates);
    box->setObjectName(def.objectName);
    rateGrid->addWidget(new QLabel(def.label, rates), row++, 0);
    rateGrid->addWidget(box, row - 1, 1);
    connect(box, &QComboBox::activated, this, [this] { m_changed = true; });
    m_rates.push_back({def.place, box});
  }
  left->addWidget(rates);
  addGroup(left, groups[1]);
  addGroup(left, groups[2]);
  left->addStretch();
  addGroup(right, groups[3]);
  right->addStretch();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_ok);
  buttons->addWidget(m_cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  m_ok->setDefault(true);
}

void CMyAdvancedDlg::FillRateChoices() {
  const auto files = DefaultRateFileNames(data::ReadField(m_info.country));
  // Each file is read once, however many boxes list it, and a failure is told once.
  std::map<std::string, std::optional<std::vector<std::string>>> read;
  for (std::size_t i = 0; i < m_rates.size(); ++i) {
    auto found = read.find(files[i]);
    if (found == read.end()) {
      found = read.emplace(files[i], ReadServiceNames(files[i])).first;
      if (!found->second) platform::Ask(this, res::kErrorRateFile);
    }
    QComboBox* box = m_rates[i].box;
    if (found->second)
      for (const std::string& name : *found->second) box->addItem(platform::FromRecord(name));
    box->setCurrentIndex(box->findText(platform::FromRecord(ReadPlace(m_info, m_rates[i].place))));
  }
}

void CMyAdvancedDlg::MakeReadOnly() {
  for (const Edit& edit : m_edits) platform::MarkReadOnly(*edit.edit);
  for (const RateChoice& rate : m_rates) {
    rate.box->setEnabled(false);
    rate.box->setFocusPolicy(Qt::NoFocus);
  }
  m_ok->setFocus();
}

void CMyAdvancedDlg::Store() {
  for (const Edit& edit : m_edits) WritePlace(m_info, edit.place, platform::ToRecord(edit.edit->text()));
  // A box without a selection (its name is not among the services) keeps the stored name.
  for (const RateChoice& rate : m_rates)
    if (rate.box->currentIndex() >= 0)
      WritePlace(m_info, rate.place, platform::ToRecord(rate.box->currentText()));
  if (!m_file.Write(m_info)) platform::Ask(this, res::kErrorMyInfo);
  m_changed = false;
}

void CMyAdvancedDlg::accept() {
  if (m_mode == kEditing) Store();
  QDialog::accept();
}

void CMyAdvancedDlg::reject() {
  CancelAsking(m_mode == kEditing && m_changed, res::kAskSavePersonalInformation, [this] {
    Store();
    QDialog::accept();
  });
}

}  // namespace dorv::settings
