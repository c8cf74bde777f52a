#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QStandardPaths>
#include <filesystem>

#include "platform/SaveFileName.h"
#include "reports/CCallLogDlg.h"
#include "reports/CMonthlyBillingDlg.h"
#include "reports/CallLogTestFiles.h"
#include "res/Strings.h"
#include "support/Prompter.h"

using namespace dorv;

// Export... in the call log and the monthly bill saves what dorv-report --csv prints; a file
// that cannot be written is reported and not left behind.
TEST(Export, TheDialogsSaveTheCsvOfTheCommandLineReports) {
  test::CallLogTestFiles files;
  files.WriteReportFiles();
  const std::string root = test::DataDirOf(files.db);
  QString saveAs, suggested;
  platform::SetSaveNameHook([&](const QString& offered) { return suggested = offered, saveAs; });
  auto exported = [&](QPushButton& button, const std::string& name) {
    saveAs = QString::fromStdString(root + '/' + name);
    button.click();
    return files.db.ReadFile("../" + name);
  };
  test::Prompter prompter{QMessageBox::Ok};

  reports::CCallLogDlg log(files.Files(), {}, nullptr, test::kDec1st1998 + 19 * 86400);
  EXPECT_EQ(exported(log.Button(reports::CallLogButton::Export), "log.csv"),
            test::RunDorvReport("--data " + root + " --csv log 1998-12").out);
  EXPECT_EQ(suggested, QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                           .filePath("calls-1998-12.csv"));
  reports::CMonthlyBillingDlg bill(files.Files(), {12, 20, 1998});
  EXPECT_EQ(exported(bill.ExportButton(), "bill.csv"),
            test::RunDorvReport("--data " + root + " --csv bill --from 1998-12-15").out);

  saveAs = QString::fromStdString(root + "/missing/bill.csv");
  bill.ExportButton().click();
  test::ExpectShown(prompter, {QString(res::kExportErrorWrite).replace("%s", saveAs)});
  EXPECT_FALSE(std::filesystem::exists(root + "/missing"));
  platform::SetSaveNameHook({});
}
