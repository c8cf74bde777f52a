#pragma once
#include <QMessageBox>
#include <QString>
#include <initializer_list>
#include <source_location>
#include <vector>

namespace dorv::test {

// Answers the message boxes of the test that owns it, in the order scripted, and keeps every
// text shown (line breaks as shown). A message beyond the scripted answers fails the test at
// once and is answered as if the box were closed. An inner Prompter answers while it lives. While no Prompter lives, every message fails
// the test (the offscreen main installs that rule).
class Prompter {
 public:
  Prompter(std::initializer_list<QMessageBox::StandardButton> answers = {},
           std::source_location where = std::source_location::current());
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
  std::source_location m_where;
};

// Makes every message shown while no Prompter lives fail the test.
void FailUnscriptedMessages();

// Checks that exactly these texts were shown, in order (stored line breaks count as shown).
void ExpectShown(const Prompter& prompter, std::initializer_list<QString> texts,
                 std::source_location where = std::source_location::current());

}  // namespace dorv::test
