#pragma once
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>
#include <string>

#include "support/Prompter.h"
#include "platform/Messages.h"
#include "res/Strings.h"

namespace dorv::test {

template <typename T>
T* Child(QWidget& dialog, const char* name) {
  T* child = dialog.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// Replaces a field's text by typing, as a user selecting all and typing over it would.
inline void TypeInto(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

inline void Click(QPushButton* button) {
  ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
  QTest::mouseClick(button, Qt::LeftButton);
}

// Picks an entry of a combo box with the keyboard, which is what marks a dialog changed.
inline void ChooseEntry(QComboBox* box, int index) {
  box->setFocus();
  while (box->currentIndex() < index) QTest::keyClick(box, Qt::Key_Down);
  while (box->currentIndex() > index) QTest::keyClick(box, Qt::Key_Up);
}

// Clicks a row of a list; with Ctrl the row joins the selection.
inline void ClickRow(QAbstractItemView* list, int row,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const QModelIndex index = list->model()->index(row, 0);
  ASSERT_TRUE(index.isValid()) << "row " << row;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualRect(index).center());
}

inline void DoubleClickRow(QAbstractItemView* list, int row) {
  const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

inline QString CellText(QAbstractItemView* list, int row, int column) {
  return list->model()->index(row, column).data().toString();
}

// The texts of one column, top to bottom.
inline QStringList ColumnTexts(const QAbstractItemView* list, int column) {
  QStringList texts;
  for (int row = 0; row < list->model()->rowCount(); ++row)
    texts << list->model()->index(row, column).data().toString();
  return texts;
}

// Shows a dialog on the offscreen screen, ready for clicks and keys.
inline void ShowForUser(QDialog& dialog) {
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
}

// The three answers to a dialog's question about unsaved changes, and how the dialog ends.
struct CloseAnswer {
  const char* name;
  QMessageBox::StandardButton answer;
  bool staysOpen;
  int result;  // once closed
};
inline const CloseAnswer kCloseAnswers[] = {
    {"Yes saves and closes", QMessageBox::Yes, false, QDialog::Accepted},
    {"No closes without saving", QMessageBox::No, false, QDialog::Rejected},
    {"Cancel stays open", QMessageBox::Cancel, true, QDialog::Rejected},
};

// Checks that exactly the question was asked and the dialog ended as the answer says.
inline void ExpectEndedAfterQuestion(const QDialog& dialog,
                                     const dorv::test::Prompter& prompter,
                                     const char* question, const CloseAnswer& answer) {
  ASSERT_EQ(prompter.Shown().size(), 1u);
  EXPECT_EQ(prompter.Shown()[0], platform::ShownText(question));
  EXPECT_EQ(dialog.isVisible(), answer.staysOpen);
  if (!answer.staysOpen) {
    EXPECT_EQ(dialog.result(), answer.result);
  }
}

// An unchanged dialog's Cancel closes it at once, without a question.
inline void ExpectCancelAsksNothing(QDialog& dialog) {
  dorv::test::Prompter prompter;
  ShowForUser(dialog);
  QTest::mouseClick(dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);
  EXPECT_TRUE(prompter.Shown().empty());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// Installs a modal hook for the scope's lifetime, so that a failing assertion cannot leave it
// behind for the next test.
class ScopedModalHook {
 public:
  explicit ScopedModalHook(platform::ModalHook hook) { platform::SetModalHook(std::move(hook)); }
  ~ScopedModalHook() { platform::SetModalHook({}); }
  ScopedModalHook(const ScopedModalHook&) = delete;
  ScopedModalHook& operator=(const ScopedModalHook&) = delete;
};

// Plays the user in every nested dialog for the scope's lifetime: the dialog is shown, the
// action runs, and the hook returns the dialog's result.
class ModalScript {
 public:
  explicit ModalScript(std::function<void(QDialog&)> action)
      : m_hook([this, action](QDialog& dialog) {
          ++m_runs;
          ShowForUser(dialog);
          action(dialog);
          if (dialog.isVisible()) {
            ADD_FAILURE() << "the nested dialog was left open";
            dialog.done(QDialog::Rejected);
          }
          return dialog.result();
        }) {}
  int Runs() const { return m_runs; }

 private:
  int m_runs = 0;
  ScopedModalHook m_hook;
};

}  // namespace dorv::test
