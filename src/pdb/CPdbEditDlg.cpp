#include "pdb/CPdbEditDlg.h"

#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>
#include <ctime>

#include "data/FixedText.h"
#include "data/TextPattern.h"
#include "pdb/CAlphaConvertDlg.h"
#include "platform/FieldLabel.h"
#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "platform/WarningNote.h"
#include "res/Strings.h"

namespace dorv::pdb {

using data::ReadField;

namespace {

constexpr int kErrorCodeNoNeighbour = 100;

constexpr const char* kButtonTexts[] = {
    res::kButtonPrevious,  res::kButtonNext,        res::kButtonManualEntry,
    res::kButtonTimeACall, res::kButtonViewMemo,    res::kButtonContactLog,
    res::kButtonPrintRecord, res::kButtonLookupData, res::kButtonCancel,
    res::kButtonOk,        res::kButtonConvert};

QString Q(const std::string& text) { return platform::FromRecord(text); }

}  // namespace

CPdbEditDlg::CPdbEditDlg(const EditorRequest& request, const PdbEditFiles& files,
                         PdbEditOpeners openers)
    : platform::EntryDialog(request.parent),
      m_mode(request.mode),
      m_kind(request.kind),
      m_buffer(request.buffer),
      m_list(request.list),
      m_pdb(files.pdb),
      m_myInfo(files.myInfo),
      m_sample(files.sample),
      m_hours(files.hourDefinitions),
      m_openers(std::move(openers)),
      m_listPosition(request.position),
      m_place(request.mode == PdbEditMode::Edit ? BookPlace::At(request.position)
                                                : BookPlace::Unwritten()),
      m_services(std::make_unique<RateFileSource>(m_rateFile)),
      m_bandSets(std::make_unique<HourFileSource>(m_hours)) {
  setWindowTitle(res::kPdbListCaption);
  BuildControls();
  platform::RefuseNonRecordText(*this);
}

CPdbEditDlg::~CPdbEditDlg() { m_rateFile.Close(); }

void CPdbEditDlg::SetSources(std::unique_ptr<ServiceSource> services,
                             std::unique_ptr<BandSetSource> bandSets) {
  m_services = std::move(services);
  m_bandSets = std::move(bandSets);
}

QLineEdit* CPdbEditDlg::AddMoneyEdit(const QString& name) {
  auto* edit = new QLineEdit(this);
  edit->setAccessibleName(name);
  platform::MarkReadOnly(*edit);
  edit->setMaximumWidth(48);
  return edit;
}

void CPdbEditDlg::BuildControls() {
  auto* top = new QVBoxLayout(this);
  // Two columns of fields keep the dialog within a small screen's height: who and how to
  // dial on the left, where and what else from the address on.
  auto* grid = new QGridLayout;
  top->addLayout(grid);
  int row = 0;
  int labelColumn = 0;
  for (int i = 0; i < static_cast<int>(EditField::BandLine1); ++i) {
    const EditFieldSpec& spec = SpecOf(static_cast<EditField>(i));
    if (spec.field == EditField::Address1) {
      row = 0;
      labelColumn = 2;
    }
    auto* edit = new QLineEdit(this);
    if (spec.limit > 0) edit->setMaxLength(spec.limit);
    if (spec.readOnly) platform::MarkReadOnly(*edit);
    m_fields[i] = edit;
    // The second address line goes unlabelled under the first.
    if (spec.field != EditField::Address2)
      grid->addWidget(platform::LabelFor(spec.label, edit), row, labelColumn);
    else
      edit->setAccessibleName(res::kNameAddressLine2);
    grid->addWidget(edit, row, labelColumn + 1);
    ++row;
  }
  grid->setColumnMinimumWidth(1, 200);
  grid->setColumnMinimumWidth(3, 240);
  m_fields[static_cast<int>(EditField::Address1)]->installEventFilter(this);

  m_warningPlace = new QWidget(this);
  m_warningPlace->setFixedHeight(2);
  top->addSpacing(24);
  top->addWidget(m_warningPlace);

  auto* rates = new QGridLayout;
  top->addLayout(rates);
  rates->addWidget(new QLabel(res::kLabelRateTimeBands, this), 0, 0);
  m_initialHeading = new QLabel(this);
  m_additionalHeading = new QLabel(this);
  rates->addWidget(m_initialHeading, 0, 1, 1, 3);
  rates->addWidget(m_additionalHeading, 0, 4, 1, 3);
  rates->addWidget(new QLabel(res::kLabelDiscount, this), 0, 7, 1, 2);
  for (int band = 0; band < 3; ++band) {
    int line = static_cast<int>(EditField::BandLine1) + band;
    const QString bandName = QString::asprintf(res::kLabelBandNumber, band + 1);
    auto* edit = new QLineEdit(this);
    platform::MarkReadOnly(*edit);
    edit->setAccessibleName(bandName);
    m_fields[line] = edit;
    rates->addWidget(edit, band + 1, 0);
    for (int column = 0; column < 2; ++column)
      for (int part = 0; part < 3; ++part) {
        QLineEdit* money = AddMoneyEdit(platform::MoneyPartName(
            bandName + ", " +
                (column == 0 ? res::kLabelFirstInterval : res::kLabelAdditionalInterval),
            part));
        m_rateFields[(band * 2 + column) * 3 + part] = money;
        rates->addWidget(money, band + 1, 1 + column * 3 + part);
      }
  }
  for (int column = 0; column < 2; ++column)
    for (int band = 1; band < 3; ++band) {
      QLineEdit* discount = AddMoneyEdit(
          QString(res::kLabelDiscount) + ", " + QString::asprintf(res::kLabelBandNumber, band + 1) +
          ", " + (column == 0 ? res::kLabelFirstInterval : res::kLabelAdditionalInterval));
      m_discountFields[column * 2 + band - 1] = discount;
      rates->addWidget(discount, band + 1, 7 + column);
    }
  rates->addWidget(new QLabel(res::kLabelSurcharge, this), 4, 0);
  for (int part = 0; part < 3; ++part) {
    m_surchargeFields[part] = AddMoneyEdit(platform::MoneyPartName(res::kLabelSurcharge, part));
    rates->addWidget(m_surchargeFields[part], 4, 1 + part);
  }

  // The commands in two rows: moving and calling first, then the data and the dialog's end.
  auto* callRow = new QHBoxLayout;
  auto* endRow = new QHBoxLayout;
  top->addLayout(callRow);
  top->addLayout(endRow);
  for (std::size_t i = 0; i < m_buttons.size(); ++i) {
    m_buttons[i] = new QPushButton(kButtonTexts[i], this);
    m_buttons[i]->setAutoDefault(false);
  }
  for (EditButton b : {EditButton::Previous, EditButton::Next, EditButton::ManualEntry,
                       EditButton::TimeACall, EditButton::ViewMemo, EditButton::ContactLog})
    callRow->addWidget(Button(b));
  for (EditButton b : {EditButton::PrintRecord, EditButton::Lookup, EditButton::Convert})
    endRow->addWidget(Button(b));
  endRow->addStretch();
  endRow->addWidget(Button(EditButton::Cancel));
  endRow->addWidget(Button(EditButton::Ok));
  Button(EditButton::Ok)->setDefault(true);
  Button(EditButton::Convert)->hide();

  connect(Button(EditButton::Previous), &QPushButton::clicked, this, &CPdbEditDlg::OnPrevious);
  connect(Button(EditButton::Next), &QPushButton::clicked, this, &CPdbEditDlg::OnNext);
  connect(Button(EditButton::ManualEntry), &QPushButton::clicked, this,
          &CPdbEditDlg::OnManualEntry);
  connect(Button(EditButton::TimeACall), &QPushButton::clicked, this, &CPdbEditDlg::OnTimeACall);
  connect(Button(EditButton::ViewMemo), &QPushButton::clicked, this, &CPdbEditDlg::OnViewMemo);
  connect(Button(EditButton::ContactLog), &QPushButton::clicked, this,
          &CPdbEditDlg::OnContactLog);
  connect(Button(EditButton::PrintRecord), &QPushButton::clicked, this,
          &CPdbEditDlg::OnPrintRecord);
  connect(Button(EditButton::Lookup), &QPushButton::clicked, this, &CPdbEditDlg::OnLookup);
  connect(Button(EditButton::Cancel), &QPushButton::clicked, this, &CPdbEditDlg::reject);
  connect(Button(EditButton::Ok), &QPushButton::clicked, this, &CPdbEditDlg::OnOk);
  connect(Button(EditButton::Convert), &QPushButton::clicked, this, &CPdbEditDlg::OnConvert);
  for (EditField f : {EditField::AreaCode, EditField::Prefix, EditField::Suffix})
    connect(Field(f), &QLineEdit::textChanged, this, [this, f] { OnPhoneChanged(f); });
}

void CPdbEditDlg::EnableIfWired(EditButton button, bool wired, bool enabled) {
  Button(button)->setEnabled(wired && enabled);
}

bool CPdbEditDlg::Open() {
  const bool add = m_mode == PdbEditMode::Add;
  Button(EditButton::Lookup)->setText(add ? res::kButtonLookupData : res::kButtonChangeData);
  EnableIfWired(EditButton::Lookup,
                add ? static_cast<bool>(m_openers.lookupData)
                    : static_cast<bool>(m_openers.changeData),
                true);
  EnableIfWired(EditButton::ViewMemo, static_cast<bool>(m_openers.memoViewer), true);
  EnableIfWired(EditButton::ContactLog, static_cast<bool>(m_openers.contactLog), true);
  EnableIfWired(EditButton::PrintRecord, static_cast<bool>(m_openers.printRecord), true);
  if (add) {
    data::ClearRecord(m_buffer);
    m_working = EditWorking{};
    m_screen = EditScreen{};
    m_screen[EditField::LocalTime].assign(1, ' ');
    for (EditButton b : {EditButton::Previous, EditButton::Next, EditButton::ViewMemo,
                         EditButton::ContactLog})
      Button(b)->hide();
    Button(EditButton::TimeACall)->setEnabled(false);
    Button(EditButton::ManualEntry)->setEnabled(false);
  } else {
    EnableIfWired(EditButton::TimeACall, static_cast<bool>(m_openers.callScreen), true);
    EnableIfWired(EditButton::ManualEntry, static_cast<bool>(m_openers.callScreen), true);
    if (!LoadEntry()) return false;
    UpdateStepButtons(m_list.RowOf(m_listPosition));
  }
  m_screen[EditField::OutsideLine] = ReadField(m_myInfo.outsideLine);
  const bool twelveHour = m_myInfo.clock12 == 1;
  if (add) {
    platform::SetCaption(*this, res::kEditAddCaption);
  } else {
    std::time_t now = std::time(nullptr);
    std::time_t opened = m_buffer.lastOpened != 0 ? m_buffer.lastOpened : now;
    platform::SetCaption(*this, res::kEditEditCaption, Q(OpenedText(opened, twelveHour)));
    m_buffer.lastOpened = static_cast<std::int32_t>(now);
  }
  ShowScreen();
  return true;
}

bool CPdbEditDlg::LoadEntry() {
  if (!m_pdb.ReadAt(m_listPosition, m_buffer, m_kind)) {
    platform::Ask(this, res::kErrorReadEntry);
    return false;
  }
  m_writtenCurrent = false;
  if (m_mode == PdbEditMode::Duplicate) ClearIdentity(m_buffer);
  FillStateOf(m_buffer);
  LoadScreen(m_buffer, m_myInfo, std::time(nullptr), m_screen, m_working);
  return true;
}

void CPdbEditDlg::FillStateOf(data::PdbRecord& entry) {
  if (!ReadField(entry.state).empty()) return;
  std::string name;
  if (!LookUpStateName(m_sample, ReadField(entry.stateCode), ReadField(entry.country), name))
    return;
  data::WriteField(entry.state, name);
  // A duplicate is a new entry: the stored one it was copied from stays as it is.
  if (m_mode == PdbEditMode::Edit) m_pdb.WriteAt(m_listPosition, entry, m_kind);
}

void CPdbEditDlg::ShowScreen() {
  m_showing = true;
  // Texts longer than their field show from their beginning.
  for (int i = 0; i < kEditFieldCount; ++i) {
    m_fields[i]->setText(Q(m_screen.text[i]));
    m_fields[i]->setCursorPosition(0);
  }
  m_showing = false;
  OnPhoneChanged(EditField::AreaCode);
  Button(EditButton::Convert)->setVisible(HasLetter(m_screen[EditField::Prefix]) ||
                                          HasLetter(m_screen[EditField::Suffix]));
  ShowMoney();
  update();
}

void CPdbEditDlg::ShowMoney() {
  MoneyScreen money = MoneyScreenOf(m_working);
  for (int rate = 0; rate < 6; ++rate) {
    const data::MoneyParts& parts = money.rates[rate];
    RateField(rate, 0)->setText(Q(parts.dollars));
    RateField(rate, 1)->setText(Q(parts.cents));
    RateField(rate, 2)->setText(Q(parts.hundredths));
  }
  for (int i = 0; i < 4; ++i) m_discountFields[i]->setText(Q(money.discounts[i]));
  m_surchargeFields[0]->setText(Q(money.surcharge.dollars));
  m_surchargeFields[1]->setText(Q(money.surcharge.cents));
  m_surchargeFields[2]->setText(Q(money.surcharge.hundredths));
  IntervalHeadings headings = HeadingsOf(m_working);
  m_initialHeading->setText(Q(headings.initial));
  m_additionalHeading->setText(Q(headings.additional));
}

void CPdbEditDlg::ReadScreen() {
  for (int i = 0; i < kEditFieldCount; ++i) m_screen.text[i] = platform::ToRecord(m_fields[i]->text());
}

bool CPdbEditDlg::DetectChanges() {
  ReadScreen();
  // The buffer takes the screen at every detection, so a difference found once stays
  // pending until it is written or the entry is left without saving.
  if (StoreScreen(m_screen, m_working, m_myInfo.clock12 == 1, m_buffer)) m_changed = true;
  return m_changed;
}

bool CPdbEditDlg::WriteEntry() {
  if (m_place.Written()) return m_pdb.WriteAt(m_place.Position(), m_buffer, m_kind);
  if (!m_pdb.Append(m_buffer, m_kind)) return false;
  // Later saves of this entry go where it now lies, so that it is not appended twice.
  m_place = BookPlace::At(m_pdb.Count(m_kind) - 1);
  return true;
}

CPdbEditDlg::SaveOutcome CPdbEditDlg::Save() {
  if (!m_changed) return SaveOutcome::NothingToSave;
  if (!WriteEntry()) return SaveOutcome::Failed;
  m_changed = false;
  m_writtenCurrent = true;
  return SaveOutcome::Written;
}

void CPdbEditDlg::End(SaveOutcome outcome) {
  EditResult result = EditResult::Written;
  if (outcome == SaveOutcome::Failed) result = EditResult::WriteFailed;
  // An entry written before (for a call) still has to reach the list.
  if (outcome == SaveOutcome::NothingToSave && !m_writtenCurrent)
    result = EditResult::NothingWritten;
  done(static_cast<int>(result));
}

void CPdbEditDlg::OnOk() {
  DetectChanges();
  End(Save());
}

void CPdbEditDlg::reject() {
  CancelAsking(
      DetectChanges(), res::kAskSavePersonalInformation, [this] { End(Save()); },
      [this] { End(SaveOutcome::NothingToSave); });
}

void CPdbEditDlg::ShowLeftEntry() {
  if (!m_writtenCurrent) return;
  // The buffer may hold edits the user declined to save; the row shows the stored entry.
  data::PdbRecord stored{};
  if (m_pdb.ReadAt(m_place.Position(), stored, m_kind))
    m_list.ShowEntry(m_place.Position(), stored);
}

void CPdbEditDlg::Step(int direction) {
  if (DetectChanges()) {
    switch (platform::Ask(this, res::kAskSavePersonalInformation,
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                          QMessageBox::Question)) {
      case QMessageBox::Yes:
        if (Save() != SaveOutcome::Written) {
          platform::Ask(this, res::kErrorSaveEntry);
          return;
        }
        break;
      case QMessageBox::No: break;
      default: return;
    }
  }
  ShowLeftEntry();
  int row = m_list.RowOf(m_listPosition) + direction;
  if (row < 0 || row >= m_list.RowCount() || m_list.RowOf(m_listPosition) < 0) {
    platform::InternalError(this, kErrorCodeNoNeighbour);
    return;
  }
  m_listPosition = m_list.PositionOf(row);
  m_place = m_mode == PdbEditMode::Edit ? BookPlace::At(m_listPosition) : BookPlace::Unwritten();
  m_changed = false;
  if (!LoadEntry()) {
    done(static_cast<int>(EditResult::NothingWritten));
    return;
  }
  ShowScreen();
  UpdateStepButtons(m_list.SelectRow(row));
}

void CPdbEditDlg::UpdateStepButtons(int row) {
  int last = m_list.RowCount() - 1;
  Button(EditButton::Previous)->setEnabled(row > 0);
  Button(EditButton::Next)->setEnabled(row >= 0 && row < last);
}

bool CPdbEditDlg::MayCall() const { return m_mode != PdbEditMode::Add || m_lookupDone; }

void CPdbEditDlg::OnPhoneChanged(EditField field) {
  if (m_showing) return;
  const std::string prefix = Field(EditField::Prefix)->text().toStdString();
  const std::string suffix = Field(EditField::Suffix)->text().toStdString();
  if (m_openers.callScreen && CallButtonsAllowed(MayCall(), prefix, suffix)) {
    Button(EditButton::ManualEntry)->setEnabled(true);
    Button(EditButton::TimeACall)->setEnabled(true);
  }
  // A letter in either part keeps the conversion at hand.
  if (field == EditField::Prefix || field == EditField::Suffix)
    Button(EditButton::Convert)->setVisible(HasLetter(prefix) || HasLetter(suffix));
}

bool CPdbEditDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Field(EditField::Address1) && event->type() == QEvent::FocusOut &&
      m_mode == PdbEditMode::Add && m_lookupPending && m_openers.lookupData) {
    platform::Ask(this, res::kEditLookupAdvice, QMessageBox::Ok, QMessageBox::Information);
    RunLookupData();
  }
  return platform::EntryDialog::eventFilter(watched, event);
}

void CPdbEditDlg::OnLookup() {
  if (m_mode == PdbEditMode::Add && m_lookupPending)
    RunLookupData();
  else
    RunChangeData();
}

ApplyContext CPdbEditDlg::Context() {
  return {m_myInfo, m_sample, *m_services, *m_bandSets, std::time(nullptr)};
}

void CPdbEditDlg::RunLookupData() {
  if (!m_openers.lookupData) return;
  ReadScreen();
  std::optional<LookupChoice> result = m_openers.lookupData(m_rateFile, this);
  if (!result) {
    m_rateFile.Close();
    return;
  }
  m_lookupPending = false;
  ApplyContext context = Context();
  for (const char* message : ApplyLookup(*result, context, m_screen, m_working))
    platform::Ask(this, message);
  m_rateFile.Close();
  ShowScreen();
  Field(EditField::Prefix)->setFocus();
  Button(EditButton::Lookup)->setText(res::kButtonChangeData);
  Button(EditButton::Lookup)->setEnabled(static_cast<bool>(m_openers.changeData));
  m_lookupDone = true;
  OnPhoneChanged(EditField::AreaCode);
}

void CPdbEditDlg::RunChangeData() {
  if (!m_openers.changeData) return;
  ReadScreen();
  ChangeDataValues values = ChangeValuesOf(m_screen, m_working);
  if (!m_openers.changeData(values, this)) return;
  ApplyChange(values, m_myInfo, m_screen, m_working);
  ShowScreen();
}

void CPdbEditDlg::OnTimeACall() { OpenCallScreen(rating::CallScreenMode::Timing); }
void CPdbEditDlg::OnManualEntry() { OpenCallScreen(rating::CallScreenMode::ManualEntry); }

void CPdbEditDlg::OpenCallScreen(rating::CallScreenMode mode) {
  if (!m_openers.callScreen) return;
  // The call screen writes the entry back at its place when it gives it memo files, so a new
  // entry or a copy is appended first: a call never lands on another entry's record.
  DetectChanges();
  if (m_changed || !m_place.Written()) {
    m_changed = true;
    if (Save() != SaveOutcome::Written) {
      platform::Ask(this, res::kErrorSelectedEntry);
      return;
    }
  }
  m_openers.callScreen(m_place.Position(), m_buffer, m_kind, mode, this);
}

long CPdbEditDlg::ShownPosition() const {
  return m_place.Written() ? m_place.Position() : m_listPosition;
}

void CPdbEditDlg::OnViewMemo() {
  if (m_openers.memoViewer) m_openers.memoViewer(m_buffer, this);
}

void CPdbEditDlg::OnContactLog() {
  if (!m_openers.contactLog) return;
  QString title = platform::FromRecord(data::TypeAndName(m_buffer));
  QString phone = platform::FromRecord(data::FillPattern(
      res::kRecoveryPhone,
      {ReadField(m_buffer.areaCode), ReadField(m_buffer.prefix), ReadField(m_buffer.suffix)}));
  m_openers.contactLog(ShownPosition(), m_buffer, title, phone, this);
}

void CPdbEditDlg::OnPrintRecord() {
  if (!m_openers.printRecord) return;
  m_openers.printRecord(ShownPosition(), m_kind, this);
}

void CPdbEditDlg::OnConvert() {
  CAlphaConvertDlg convert({}, this);
  platform::RunModal(convert);
}

void CPdbEditDlg::paintEvent(QPaintEvent* event) {
  platform::EntryDialog::paintEvent(event);
  if (!ShowsSampleWarning()) return;
  QPainter painter(this);
  QRect place = m_warningPlace->geometry();
  QRect band(place.left(), place.top() - 20, place.width(), 20);
  platform::PaintWarning(painter, band, Qt::AlignHCenter | Qt::AlignTop, res::kWarnSampleRates);
}

EditResult RunPdbEdit(const EditorRequest& request, const PdbEditFiles& files,
                      PdbEditOpeners openers) {
  CPdbEditDlg editor(request, files, std::move(openers));
  if (!editor.Open()) return EditResult::NothingWritten;
  return static_cast<EditResult>(platform::RunModal(editor));
}

}  // namespace dorv::pdb
