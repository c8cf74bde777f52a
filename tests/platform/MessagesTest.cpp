#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QWidget>
#include <QtEndian>

#include "platform/MessageNotices.h"
#include "platform/Messages.h"
#include "platform/StartupSound.h"
#include "platform/Texts.h"
#include "platform/WarningNote.h"
#include "res/Strings.h"
#include "support/Prompter.h"

using namespace dorv::platform;

TEST(Messages, PrompterAnswersInOrderAndAStrayMessageFailsTheTest) {
  dorv::test::Prompter prompter{QMessageBox::No};
  EXPECT_EQ(Ask(nullptr, "one\r\ntwo\n\rthree", QMessageBox::Yes | QMessageBox::No),
            QMessageBox::No);
  EXPECT_NONFATAL_FAILURE(
      EXPECT_EQ(Ask(nullptr, "again", QMessageBox::Yes | QMessageBox::Cancel), QMessageBox::Cancel),
      "a message no test scripted: again");
  dorv::test::ExpectShown(prompter, {"one\ntwo\r\nthree", "again"});
  EXPECT_NONFATAL_FAILURE(dorv::test::ExpectShown(prompter, {"one\ntwo\nthree"}), "expected:");
}

TEST(Messages, AMessageWithNoPrompterFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(Ask(nullptr, "nobody answers"), "a message no test scripted");
}

TEST(Messages, InternalErrorShowsTheCodeAndNoticesShowInAMessageBox) {
  dorv::test::Prompter prompter{QMessageBox::Ok, QMessageBox::Ok};
  InternalError(nullptr, 42);
  MessageNotices().Notice("a notice");
  dorv::test::ExpectShown(prompter,
                          {QString(dorv::res::kErrorInternal).replace("%i", "42"), "a notice"});
}

TEST(Texts, FitTextShortensOnlyWhatDoesNotFit) {
  QFontMetrics metrics(QFont("Sans Serif", 10));
  QString text = "A rather long entry name";
  int exact = metrics.horizontalAdvance(text) + 4;
  EXPECT_EQ(FitText(metrics, text, exact, 4), text);
  EXPECT_EQ(FitText(metrics, "", 1, 4), "");
  QString fitted = FitText(metrics, text, exact - 1, 4);
  EXPECT_TRUE(fitted.endsWith("..."));
  EXPECT_LE(metrics.horizontalAdvance(fitted) + 4, exact - 1);
  EXPECT_TRUE(text.startsWith(fitted.chopped(3)));
  // Nothing fits: one character and the dots remain.
  EXPECT_EQ(FitText(metrics, text, 1, 4), "A...");
}

TEST(StartupSound, ChimeIsAWellFormedWav) {
  QByteArray wav = MakeChimeWav();
  ASSERT_GT(wav.size(), 44);
  EXPECT_TRUE(wav.startsWith("RIFF"));
  EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
  auto le32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
  EXPECT_EQ(le32(4), quint32(wav.size() - 8));
  EXPECT_EQ(wav.mid(36, 4), "data");
  EXPECT_EQ(le32(40), quint32(wav.size() - 44));
}

TEST(Texts, CaptionsJoinTheirPartsWithoutAStrayBlank) {
  const struct Row { const char *old, *text, *subTitle, *expected; } rows[] = {
      {"Call Log", "", "", "Dorv - (Call Log)"},
      {"", "Sample Database Lookup", "", "Dorv - (Sample Database Lookup)"},
      {"Edit", "Entry", "opened", "Dorv - (Edit Entry - opened)"},
  };
  for (const Row& row : rows) {
    QWidget window;
    window.setWindowTitle(row.old);
    SetCaption(window, row.text, row.subTitle);
    EXPECT_EQ(window.windowTitle(), row.expected);
  }
}

TEST(Texts, TheSampleRatesNotesReadOnTheirBand) {
  EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 0.01);
  EXPECT_LT(ContrastRatio(kWarningText, QColor(239, 239, 239)), 1.1) << "yellow on a light grey";
  EXPECT_GE(ContrastRatio(kWarningText, kWarningBand), 4.5);
}
