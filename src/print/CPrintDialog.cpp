#include "print/CPrintDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Messages.h"
#include "platform/ReadOnlyField.h"
#include "platform/Texts.h"
#include "print/QtPageDevice.h"
#include "res/Strings.h"

namespace dorv::print {

CPrintDialog::CPrintDialog(const PrintJobSpec& spec, QWidget* parent)
    : QDialog(parent), m_spec(spec) {
  setWindowTitle(spec.caption);
  platform::SetCaption(*this);
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(res::kPrintGroupSelect, this);
  m_boxes = new QVBoxLayout(group);
  layout->addWidget(group);
  m_status = new QLineEdit(this);
  m_status->setObjectName("status");
  m_status->setAccessibleName(res::kNameStatusLine);
  platform::MarkReadOnly(*m_status);
  m_status->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
  layout->addWidget(m_status);
  auto* buttons = new QDialogButtonBox(this);
  m_ok = buttons->addButton(QDialogButtonBox::Ok);
  buttons->addButton(QDialogButtonBox::Cancel);
  m_preview = buttons->addButton(res::kPrintButtonPreview, QDialogButtonBox::ActionRole);
  layout->addWidget(buttons);
  connect(m_ok, &QPushButton::clicked, this, &CPrintDialog::OnOk);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_preview, &QPushButton::clicked, this, &CPrintDialog::OnPreview);
}

QCheckBox& CPrintDialog::AddBox(const char* label, bool checked) {
  auto* box = new QCheckBox(label, this);
  box->setChecked(checked);
  m_boxes->addWidget(box);
  connect(box, &QCheckBox::toggled, this, &CPrintDialog::EnableOkWhenChosen);
  EnableOkWhenChosen();
  return *box;
}

void CPrintDialog::SetStatus(const QString& text) {
  m_status->setText(text);
  m_status->setCursorPosition(0);
  // The status names the whole job: the field grows to show all of it, beyond its usual width.
  const QMargins margins = m_status->textMargins() + m_status->contentsMargins();
  const int wanted = m_status->fontMetrics().horizontalAdvance(text) + margins.left() +
                     margins.right() + 4 * m_status->fontMetrics().averageCharWidth();
  m_status->setMinimumWidth(std::max(fontMetrics().averageCharWidth() * 48, wanted));
}

void CPrintDialog::EnableOkWhenChosen() {
  bool chosen = false;
  for (const QCheckBox* box : findChildren<QCheckBox*>()) chosen = chosen || box->isChecked();
  m_ok->setEnabled(chosen);
  m_preview->setEnabled(chosen);
}

bool CPrintDialog::SetUpPrinter() {
  m_destination = PrintDestination::ForJob(m_spec.jobName);
  m_job = std::make_unique<PrintJob>(m_destination->Device());
  return m_job->Setup(m_spec.pointSize, m_spec.landscape);
}

void CPrintDialog::OnOk() {
  if (!m_job || !m_job->StartDoc(m_spec.jobName)) {
    platform::Ask(this, res::kErrorSetupPrinter);
    return;
  }
  if (!PrintParts(*m_job)) {
    PrintFailed();
  } else if (m_destination->AnnouncesPdf()) {
    platform::Ask(this, QString(res::kPrintSavedAsPdf).arg(m_destination->PdfPath()),
                  QMessageBox::Ok, QMessageBox::Information);
  }
  accept();
}

void CPrintDialog::PrintFailed() {
  // A PDF cut short is no printout: it goes, so that no half file is taken for the whole.
  const QFileInfo pdf(m_destination->PdfPath());
  if (pdf.isFile()) QFile::remove(pdf.filePath());
  platform::Ask(this, res::kErrorPrintUnfinished);
}

void CPrintDialog::OnPreview() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(m_spec.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPrintPreviewDialog preview(&printer, this);
  preview.setWindowTitle(windowTitle());
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* shown) { PaintPreview(*shown); });
  platform::RunModal(preview);
}

void CPrintDialog::PaintPreview(QPrinter& printer) {
  QtPageDevice device(printer);
  PrintJob job(device);
  if (job.Setup(m_spec.pointSize, m_spec.landscape) && job.StartDoc(m_spec.jobName))
    PrintParts(job);
}

int RunPrintDialog(CPrintDialog& dialog) {
  if (!dialog.SetUpPrinter()) {
    platform::Ask(dialog.parentWidget(), res::kErrorSetupPrinter);
    return QDialog::Rejected;
  }
  return platform::RunModal(dialog);
}

}  // namespace dorv::print
