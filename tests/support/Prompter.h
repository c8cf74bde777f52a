#pragma once
#include <QMessageBox>
#include <QString>
#include <initializer_list>
#include <vector>

namespace dorv::test {

// The test line a helper was called from, as a default argument: {__builtin_FILE(),
// __builtin_LINE()} there names the caller (std::source_location is not in every standard
// library the suite builds with).
struct CallSite {
  const char* file;
  int line;
};

// Answers the message boxes of the test that owns it, in the order scripted, and keeps every
// text shown (line breaks as shown). A message beyond the scripted answers fails the test at
// once and is answered as if the box were closed. An inner Prompter answers while it lives.
// While no Prompter lives, every message fails the test (the offscreen main installs that rule).
class Prompter {
 public:
  Prompter(std::initializer_list<QMessageBox::StandardButton> answers = {},
           CallSite where = {__builtin_FILE(), __builtin_LINE()});
  ~Prompter();
  Prompter(const Prompter&) = delete;
  Prompter& operator=(const Prompter&) = delete;

  void Answer(QMessageBox::StandardButton button) { m_answers.push_back(button); }
  // For a test that is not about the messages: every message past the scripted ones gets this.
  void AnswerAllWith(QMessageBox::StandardButton button) { m_fallback = button; }
  const std::vector<QString>& Shown() const { return m_shown; }

 private:
  QMessageBox::StandardButton Respond(const QString& shown, QMessageBox::StandardButtons buttons);
  void Install();

  std::vector<QString> m_shown;
  std::vector<QMessageBox::StandardButton> m_answers;
  std::size_t m_next = 0;
  QMessageBox::StandardButton m_fallback = QMessageBox::NoButton;
  CallSite m_where;
};

// Makes every message shown while no Prompter lives fail the test.
void FailUnscriptedMessages();

// Checks that exactly these texts were shown, in order (stored line breaks count as shown).
void ExpectShown(const Prompter& prompter, std::initializer_list<QString> texts,
                 CallSite where = {__builtin_FILE(), __builtin_LINE()});

}  // namespace dorv::test
