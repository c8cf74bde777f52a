#include "reports/CMemoDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "data/PdbText.h"
#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/RecordText.h"
#include "platform/Texts.h"
#include "reports/MemoSteps.h"
#include "res/Strings.h"

namespace dorv::reports {
namespace {

QLineEdit* NewReadOnlyField(QWidget* parent) {
  auto* field = new QLineEdit(parent);
  platform::MarkReadOnly(*field);
  return field;
}

}  // namespace

CMemoDlg::CMemoDlg(data::PdbFiles& pdb, const data::PdbRecord& entry,
                   const data::MyInfo& myInfo, QWidget* parent)
    : QDialog(parent), m_myInfo(myInfo) {
  BuildControls();
  setWindowTitle(res::kMemoViewerCaption);
  platform::SetCaption(*this);
  m_previous->setEnabled(false);
  m_next->setEnabled(false);
  if (entry.memoFileNumber == 0) return;
  m_fileNumber->setText(QString::number(entry.memoFileNumber));
  m_name->setText(platform::FromRecord(data::TypeAndName(entry)));
  m_number->setText(platform::FromRecord(
      data::DialText(data::NumberPartsOf(entry), data::ReadField(myInfo.country),
                     data::ReadField(myInfo.intlAccessCode), false)));
  ReadMemos(pdb, entry);
  ShowMemo(NewestMemo(m_texts));
}

void CMemoDlg::BuildControls() {
  m_fileNumber = NewReadOnlyField(this);
  m_name = NewReadOnlyField(this);
  m_date = NewReadOnlyField(this);
  m_number = NewReadOnlyField(this);
  m_text = new QPlainTextEdit(this);
  m_text->setReadOnly(true);
  m_text->setAccessibleName(res::kCallLogLabelMemo);
  m_previous = new QPushButton(res::kButtonPrevious, this);
  m_next = new QPushButton(res::kButtonNext, this);
  m_close = new QPushButton(res::kButtonClose, this);

  auto* fields = new QFormLayout;
  fields->addRow(res::kMemoViewerLabelFile, m_fileNumber);
  fields->addRow(res::kMemoViewerLabelName, m_name);
  fields->addRow(res::kMemoViewerLabelDate, m_date);
  fields->addRow(res::kMemoViewerLabelPhone, m_number);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_previous);
  buttons->addWidget(m_next);
  buttons->addStretch();
  buttons->addWidget(m_close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(m_text, 1);
  layout->addLayout(buttons);
  resize(520, 420);

  m_close->setDefault(true);
  connect(m_previous, &QPushButton::clicked, this, &CMemoDlg::OnPrevious);
  connect(m_next, &QPushButton::clicked, this, &CMemoDlg::OnNext);
  connect(m_close, &QPushButton::clicked, this, [this] { done(1); });
}

QPushButton& CMemoDlg::Button(MemoButton button) const {
  switch (button) {
    case MemoButton::Previous: return *m_previous;
    case MemoButton::Next: return *m_next;
    case MemoButton::Close: break;
  }
  return *m_close;
}

void CMemoDlg::ReadMemos(data::PdbFiles& pdb, const data::PdbRecord& entry) {
  if (!pdb.OpenMemoFilesOf(entry)) {
    platform::Ask(this, res::kErrorMemoFileAccess);
    return;
  }
  bool allRead = true;
  const long count = pdb.ScanIndex();
  for (long index = 0; index < count; ++index) {
    std::string text;
    bool isFirst = false, isLast = false;
    std::uint32_t key = 0;
    // A memo that cannot be read is passed over like a deleted one.
    if (!pdb.ReadMemoAt(index, text, isFirst, isLast, key)) {
      allRead = false;
      text.clear();
    }
    m_texts.push_back(std::move(text));
    m_keys.push_back(key);
  }
  pdb.CloseMemoFiles();
  if (!allRead) platform::Ask(this, res::kErrorMemoFileAccess);
}

void CMemoDlg::ShowMemo(long index) {
  m_shown = index;
  m_previous->setEnabled(index >= 0 && NextMemo(m_texts, index, -1) >= 0);
  m_next->setEnabled(index >= 0 && NextMemo(m_texts, index, +1) >= 0);
  if (index < 0) return;
  const auto at = static_cast<std::size_t>(index);
  m_text->setPlainText(platform::ShownText(platform::FromRecord(m_texts[at])));
  m_date->setText(platform::FromRecord(
      data::DateTimeText(static_cast<std::time_t>(m_keys[at]), m_myInfo.clock12 == 1)));
}

void CMemoDlg::OnPrevious() {
  long previous = NextMemo(m_texts, m_shown, -1);
  if (previous >= 0) ShowMemo(previous);
}

void CMemoDlg::OnNext() {
  long next = NextMemo(m_texts, m_shown, +1);
  if (next >= 0) ShowMemo(next);
}

}  // namespace dorv::reports
