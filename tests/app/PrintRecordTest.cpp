#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTemporaryDir>

#include "app/MainFrame.h"
#include "pdb/CPdbListDlg.h"
#include "print/CPrintPdbDlg.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/FakeMemoCounter.h"
#include "support/PdfText.h"
#include "support/SampleFixture.h"

using namespace dorv;

// Print Record in the toll book's list opens the record printout of the chosen entry; OK
// prints its data and its memos.
TEST(PrintRecord, FromTheBookListIntoThePrintout) {
  test::TempDatabase db;
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  test::WriteMinimalSampleFiles(db);
  test::WriteStoredSettings(db);
  app::DataFiles files;
  files.memoCounter = std::make_unique<test::FakeMemoCounter>();
  app::CMainFrame frame(files, [] { return true; });
  ASSERT_TRUE(frame.OnCreate());
  data::PdbRecord entry = test::FullEntry("Family", "Aunt Rosa", "555");
  entry.memoFileNumber = 0;
  ASSERT_TRUE(files.pdb.CreateMemoFiles(*files.memoCounter, entry, entry.memoFileNumber) &&
              files.pdb.AddMemo("Asked about the party", 915148800) &&
              files.pdb.Append(entry, data::PdbKind::Toll));
  files.pdb.CloseMemoFiles();

  QTemporaryDir folder;
  const QString pdf = folder.filePath("record.pdf");
  qputenv("DORV_PRINT_PDF", pdf.toLocal8Bit());
  QString status;
  test::ModalScript user([&](QDialog& dialog) {
    if (auto* list = qobject_cast<pdb::CPdbListDlg*>(&dialog)) {
      list->OnLoadTimer();
      test::ClickRow(&list->List(), 0);
      test::Click(&list->Button(pdb::ListButton::PrintRecord));
      dialog.reject();
    } else if (auto* printout = qobject_cast<print::CPrintPdbDlg*>(&dialog)) {
      status = dialog.findChild<QLineEdit*>("status")->text();
      test::Click(&printout->OkButton());
    }
  });
  frame.OnToll();
  qunsetenv("DORV_PRINT_PDF");

  EXPECT_EQ(status, "Family - Aunt Rosa");
  const std::string printed = test::PdfText(pdf.toStdString());
  for (const char* shown : {"PERSONAL DATABASE ENTRY", "Aunt Rosa", "RATE DATA",
                            "PERSONAL DATABASE MEMO", "Asked about the party",
                            "***END OF PRINTOUT***"})
    EXPECT_NE(printed.find(shown), std::string::npos) << shown << "\n" << printed;
}
