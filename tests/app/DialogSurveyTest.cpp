// Opens every dialog of the program through the main frame's commands and the buttons that
// lead on, and checks that each fits a 1024x768 screen with its buttons in view and that a
// screen reader can name each of its fields, lists and buttons.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <map>

#include "app/MainFrame.h"
#include "pdb/CPdbListDlg.h"
#include "platform/ReportList.h"
#include "rating/callscreen/CSampleTimeCalculationsDlg.h"
#include "reports/CMonthlyBillingDlg.h"
#include "res/Strings.h"
#include "support/Builders.h"
#include "support/DialogDriver.h"
#include "support/FakeMemoCounter.h"
#include "support/SampleFixture.h"

using namespace dorv;

namespace {

// The screen a dialog must fit: 1024x768 less a 48-pixel panel.
const QRect kRoom(0, 0, 1024, 768 - 48);

// What keeps a dialog off a 1024x768 screen or keeps a screen reader from naming its controls.
QStringList Faults(QDialog& dialog) {
  QStringList faults;
  for (const QSize size : {dialog.minimumSizeHint(), dialog.sizeHint()})
    if (!kRoom.contains(QRect(QPoint(), size)))
      faults << QString("size %1x%2").arg(size.width()).arg(size.height());
  dialog.move(0, 0);
  dialog.resize(dialog.sizeHint().boundedTo(kRoom.size()));
  for (QWidget* widget : dialog.findChildren<QWidget*>()) {
    // The inner parts of a spin box or combo box, and a list's header, speak through their owner.
    if (!widget->isVisibleTo(&dialog) || widget->window() != &dialog ||
        qobject_cast<QHeaderView*>(widget) || qobject_cast<QAbstractSpinBox*>(widget->parent()) ||
        qobject_cast<QComboBox*>(widget->parent()))
      continue;
    const QString name =
        QString("%1 %2").arg(widget->metaObject()->className(), widget->objectName());
    auto* button = qobject_cast<QPushButton*>(widget);
    if (button && !kRoom.contains(QRect(widget->mapTo(&dialog, QPoint()), widget->size())))
      faults << name + " " + button->text() + " off the screen";
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (edit && edit->isReadOnly() &&
        ((edit->focusPolicy() & Qt::TabFocus) ||
         edit->palette().color(QPalette::Base) == dialog.palette().color(QPalette::Base)))
      faults << name + " is read-only but looks editable";
    if (edit && edit->isReadOnly() && edit->toolTip() != edit->text() &&
        edit->fontMetrics().horizontalAdvance(edit->text()) > edit->width())
      faults << name + " is cut short without a tool tip";
    if (button || edit || qobject_cast<QAbstractSpinBox*>(widget) ||
        qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractScrollArea*>(widget))
      if (QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty())
        faults << name + " has no name";
  }
  return faults;
}

// Presses the enabled buttons among those named, as the user would to reach the dialogs
// behind them; which dialogs were reached is checked at the end.
std::function<void(QDialog&)> Pressing(std::initializer_list<const char*> texts) {
  return [all = std::vector<const char*>(texts)](QDialog& dialog) {
    for (const char* text : all)
      for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text().remove('&') == QString(text).remove('&') && button->isEnabled())
          QTest::mouseClick(button, Qt::LeftButton);
  };
}

}  // namespace

TEST(DialogSurvey, EveryDialogFitsTheSmallScreenAndNamesItsControls) {
  test::TempDatabase db;
  test::WriteMinimalSampleFiles(db);
  test::WriteStoredSettings(db);
  const data::PdbRecord entry = test::FullEntry("Toll", "Pat Doe", "555");
  db.WriteFile("DORV21", test::RecordBytes(entry));
  db.WriteFile("DORV22", "");
  db.WriteFile("DORV23", "");
  const data::CallLogRecord call = test::MakeCall({"Pat Doe", 912470400 + 3600, 125, 150});
  db.WriteFile("LOG/December1998.LOG", test::RecordBytes(call));
  app::DataFiles files;
  files.memoCounter = std::make_unique<test::FakeMemoCounter>();
  app::CMainFrame frame(files, [] { return true; });
  ASSERT_TRUE(frame.OnCreate());
  frame.SetProgramStarter([](const QString&) { return false; });
  test::Prompter prompter;
  prompter.AnswerAllWith(QMessageBox::Yes);

  const std::map<QString, std::function<void(QDialog&)>> onward = {
      {"dorv::settings::CMyInfoDlg",
       Pressing({res::kMyInfoButtonLookupLocation, res::kMyInfoButtonChangeTelco,
                 res::kMyInfoButtonDialingInformation, res::kSurchargeListCaption,
                 res::kMyInfoButtonMonthlyDefaults})},
      {"dorv::rating::CSurchargeListDlg", Pressing({res::kButtonAdd})},
      {"dorv::reports::CRecurringChargesDlg", Pressing({res::kButtonAdd})},
      {"dorv::pdb::CPdbListDlg",
       [](QDialog& dialog) {
         auto& list = static_cast<pdb::CPdbListDlg&>(dialog);
         list.OnLoadTimer();
         list.OnAdd();
         list.OnRecover();
         test::ClickRow(&list.List(), 0);
         Pressing({res::kButtonEdit, res::kButtonTimeACall})(dialog);
       }},
      {"dorv::pdb::CPdbEditDlg",
       Pressing({res::kButtonLookupData, res::kButtonChangeData, res::kButtonViewMemo,
                 res::kButtonContactLog, res::kButtonPrintRecord})},
      {"dorv::pdb::CChangePdbDlg", Pressing({res::kButtonChangeRateTimeBands})},
      {"dorv::rating::CCallScreenDlg",
       Pressing({res::kButtonAddSurcharge, res::kButtonChangeSamples})},
      {"dorv::reports::CCallLogDlg",
       [](QDialog& dialog) {
         test::ClickRow(dialog.findChild<platform::ReportList*>(), 0);
         Pressing({res::kButtonEdit, res::kCallLogButtonPrint})(dialog);
       }},
      {"dorv::reports::CMonthlyBillingDlg",
       [](QDialog& dialog) {
         auto& bill = static_cast<reports::CMonthlyBillingDlg&>(dialog);
         bill.OnRecurringDetail();
         bill.OnClassDetail(reports::BillingClass::LongDistance);
         bill.OnPrint();
       }},
  };
  std::map<QString, QStringList> found;
  test::ScopedModalHook hook([&](QDialog& dialog) {
    test::ShowForUser(dialog);
    const QString name = dialog.metaObject()->className();
    found[name] += Faults(dialog);
    if (const auto next = onward.find(name); next != onward.end()) next->second(dialog);
    dialog.done(QDialog::Rejected);
    return QDialog::Rejected;
  });
  frame.OnPersonalPreferences();
  frame.OnToll();
  frame.OnAlphaConvert();
  frame.OnSampleLookup();
  frame.OnTelcoAccess();
  frame.OnCallLog();
  frame.OnMonthlyBilling();
  frame.OnCostTrends();
  rating::CSampleTimeCalculationsDlg samples({1, 5, 10});
  platform::RunModal(samples);

  QStringList seen;
  for (const auto& [name, faults] : found) {
    EXPECT_TRUE(faults.isEmpty()) << name.toStdString() << ":\n  "
                                  << faults.join("\n  ").toStdString();
    seen << name.section("::", -1);
  }
  EXPECT_EQ(seen.join(" ").toStdString(),
            "CAlphaConvertDlg CChangePdbDlg CLookupDataDlg CPdbEditDlg CPdbListDlg CPdbRecoveryDlg "
            "CSampleLookupDlg CTelcoAccessDlg CMonthlyBillPrintDlg CPrintDialog CPrintPdbDlg "
            "CCallScreenDlg CCallSurchargesDlg CChangeRateBandsDlg CSampleTimeCalculationsDlg "
            "CSurchargeDlg CSurchargeListDlg CCallLogDlg CCallSummaryDlg CContactLogDlg "
            "CCostTrendsDlg CMemoDlg CMonthlyBillingDlg CRecurringChargesDlg CRecurringDlg "
            "CMyAdvancedDlg CMyInfoDlg");
}
