#pragma once
#include <QDialog>
#include <memory>

#include "print/PrintDestination.h"
#include "print/PrintJob.h"

class QCheckBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QVBoxLayout;

namespace dorv::print {

// What a printout dialog prints with.
struct PrintJobSpec {
  const char* caption;
  const char* jobName;
  int pointSize;
  bool landscape;
};

// A printout dialog: check boxes under "Select to Print", a read-only status line, OK, Cancel
// and Preview. OK prints the chosen parts on the default printer (or into a PDF file without
// one) and closes; Preview shows the same pages first.
class CPrintDialog : public QDialog {
  Q_OBJECT

 public:
  // Sets up the job on its destination; false when there is nothing to print on.
  bool SetUpPrinter();
  QPushButton& OkButton() { return *m_ok; }
  QPushButton& PreviewButton() { return *m_preview; }

 protected:
  CPrintDialog(const PrintJobSpec& spec, QWidget* parent);
  QCheckBox& AddBox(const char* label, bool checked = true);
  void SetStatus(const QString& text);
  // Prints the chosen parts on a job whose document has started, ending with Finish; returns
  // Finish's answer.
  virtual bool PrintParts(PrintJob& job) = 0;

 private:
  void OnOk();
  void OnPreview();
  void PaintPreview(QPrinter& printer);
  void EnableOkWhenChosen();
  void PrintFailed();

  PrintJobSpec m_spec;
  std::unique_ptr<PrintDestination> m_destination;
  std::unique_ptr<PrintJob> m_job;
  QVBoxLayout* m_boxes = nullptr;
  QLineEdit* m_status = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_preview = nullptr;
};

// Opens a printout dialog: when the printer cannot be set up it says so and returns Rejected
// without showing the dialog.
int RunPrintDialog(CPrintDialog& dialog);

}  // namespace dorv::print
