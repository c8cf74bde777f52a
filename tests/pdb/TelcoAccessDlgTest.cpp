#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "support/SampleFixture.h"
#include "pdb/CTelcoAccessDlg.h"
#include "support/DialogDriver.h"
#include "res/Strings.h"

using namespace dorv;
using pdb::CTelcoAccessDlg;

namespace {

struct Telcos {
  test::TempDatabase db;
  data::TelcoFile file;
  Telcos() {
    db.WriteFile(data::kTelcoFileName,
                 test::EncodedImage({test::MakeTelco("Northwind Long Lines", 1010220),
                                     test::MakeTelco("acme dial", 1010321),
                                     test::MakeTelco("Bluebird Telephone", 1010105)},
                                    data::EncodeTelco));
    file.Open();
  }
};

QStringList SelectedNames(const CTelcoAccessDlg& dialog) {
  QStringList names;
  for (const QModelIndex& index : dialog.List()->selectionModel()->selectedRows())
    names << dialog.List()->Model()->Row(index.row())->Text(0);
  return names;
}

}  // namespace

// From the menu the list is by name and only closes. Choosing preselects the current company
// (one not in the file nothing), and OK hands the new choice to the opener.
TEST(TelcoAccessDlg, ChoosingPreselectsTheCurrentCompanyAndTakesTheNewOne) {
  Telcos telcos;
  {
    CTelcoAccessDlg dialog(telcos.file, true, 0, {});
    dialog.show();
    EXPECT_EQ(test::ColumnTexts(dialog.List(), 0),
              (QStringList{"acme dial", "Bluebird Telephone", "Northwind Long Lines"}));
    EXPECT_EQ(test::ColumnTexts(dialog.List(), 1), (QStringList{"1010321", "1010105", "1010220"}));
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_TRUE(SelectedNames(CTelcoAccessDlg(telcos.file, false, 5, "Gone Telephone")).isEmpty());
  std::int32_t code = 1010220;
  std::string company = "Northwind Long Lines";
  test::ModalScript script([](QDialog& d) {
    auto& dialog = static_cast<CTelcoAccessDlg&>(d);
    EXPECT_EQ(SelectedNames(dialog), (QStringList{"Northwind Long Lines"}));
    test::ClickRow(dialog.List(), 0);
    test::Click(dialog.OkButton());
  });
  ASSERT_TRUE(pdb::ChooseTelco(telcos.file, code, company, nullptr));
  EXPECT_EQ(company + " " + std::to_string(code), "acme dial 1010321");
}

TEST(TelcoAccessDlg, AnUnreadableFileSaysSoAndEnds) {
  Telcos telcos;
  telcos.file.Close();
  test::Prompter prompter{QMessageBox::Ok};
  CTelcoAccessDlg dialog(telcos.file, true, 0, {});
  test::ExpectShown(prompter, {res::kErrorTelcoDatabase});
  EXPECT_EQ(dialog.exec(), 2);
}
