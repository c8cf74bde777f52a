#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "print/CPrintCallLogDlg.h"
#include "support/DialogDriver.h"
#include "support/PdfText.h"

using namespace dorv;
using namespace dorv::print;

namespace {

CallLogPrintout OneCall() {
  return {{"Ann", "555.123.4567", "Mon Dec 07, 2026  15:05"},
          "December 2026",
          {{{"Mon Dec 07, 2026  09:00", "Bob", "Out", "555.222.3333", "00:01:00", "$0.0000",
             "$0.1000"}}},
          {"00:01:00", "$0.0000", "$0.1000", "$0.1000"}};
}

// Sets an environment variable until the scope ends.
auto SetForScope(const char* name, const QString& value) {
  const bool had = qEnvironmentVariableIsSet(name);
  const QByteArray old = qgetenv(name);
  qputenv(name, value.toLocal8Bit());
  return qScopeGuard([=] { had ? qputenv(name, old) : qunsetenv(name); });
}

}  // namespace

TEST(PrintDialog, PreviewShowsThePagesAndPrintsNothing) {
  QTemporaryDir dir;
  const auto pdf = SetForScope("DORV_PRINT_PDF", dir.filePath("never.pdf"));
  CPrintCallLogDlg dialog(OneCall());
  ASSERT_TRUE(dialog.SetUpPrinter());
  int pages = 0;
  {
    test::ScopedModalHook hook([&](QDialog& shown) {
      if (auto* preview = shown.findChild<QPrintPreviewWidget*>())
        preview->updatePreview(), pages = preview->pageCount();
      return 0;
    });
    test::Click(&dialog.PreviewButton());
  }
  EXPECT_EQ(pages, 1);
  EXPECT_FALSE(QFile::exists(dir.filePath("never.pdf"))) << "a preview prints nothing";
}

// Without a printer the job becomes a new PDF in the documents folder, and the user is told
// where; a PDF that cannot be written is not called printed.
TEST(PrintDialog, WithoutAPrinterThePrintoutIsAPdfInTheDocumentsFolder) {
  if (HasDefaultPrinter()) GTEST_SKIP() << "this machine has a printer";
  QTemporaryDir home;
  const auto homeDir = SetForScope("HOME", home.path());
  const auto config = SetForScope("XDG_CONFIG_HOME", home.filePath(".config"));
  CPrintCallLogDlg(OneCall()).SetUpPrinter();
  EXPECT_FALSE(QFileInfo::exists(home.filePath("Documents"))) << "a print not made leaves none";
  CPrintCallLogDlg dialog(OneCall());
  ASSERT_TRUE(dialog.SetUpPrinter());
  test::Prompter prompter{QMessageBox::Ok};
  test::Click(&dialog.OkButton());
  const QString pdf = home.filePath("Documents/Dorv Call Log Print Job " +
                                    QDate::currentDate().toString(Qt::ISODate) + ".pdf");
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_TRUE(prompter.Shown()[0].endsWith("\n" + pdf)) << prompter.Shown()[0].toStdString();
  EXPECT_NE(test::PdfText(pdf.toStdString()).find("***END OF PRINTOUT***"), std::string::npos);

  // A PDF that cannot be made, or a disk that fills up while it is written.
  for (const auto& [path, message] :
       {std::pair{home.filePath("missing/folder.pdf"), res::kErrorSetupPrinter},
        std::pair{QString("/dev/full"), res::kErrorPrintUnfinished}}) {
    const auto target = SetForScope("DORV_PRINT_PDF", path);
    CPrintCallLogDlg failing(OneCall());
    ASSERT_TRUE(failing.SetUpPrinter());
    test::Prompter told{QMessageBox::Ok};
    test::Click(&failing.OkButton());
    test::ExpectShown(told, {message});
  }
  EXPECT_TRUE(QFileInfo::exists("/dev/full")) << "only a PDF the job wrote is removed";
}
