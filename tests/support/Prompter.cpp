#include "support/Prompter.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Messages.h"

namespace dorv::test {
namespace {

// What closing the box would answer.
QMessageBox::StandardButton Dismissal(QMessageBox::StandardButtons buttons) {
  if (buttons & QMessageBox::Cancel) return QMessageBox::Cancel;
  if (buttons & QMessageBox::No) return QMessageBox::No;
  return QMessageBox::Ok;
}

// The living prompters, newest last; the newest answers.
std::vector<Prompter*> g_living;

QMessageBox::StandardButton FailUnscripted(const QString& shown,
                                           QMessageBox::StandardButtons buttons) {
  ADD_FAILURE() << "a message no test scripted: " << shown.toStdString();
  return Dismissal(buttons);
}

}  // namespace

Prompter::Prompter(std::initializer_list<QMessageBox::StandardButton> answers,
                   CallSite where)
    : m_answers(answers), m_where(where) {
  g_living.push_back(this);
  Install();
}

Prompter::~Prompter() {
  std::erase(g_living, this);
  if (g_living.empty())
    FailUnscriptedMessages();
  else
    g_living.back()->Install();
}

void Prompter::Install() {
  platform::SetPromptHook([this](const QString& shown, QMessageBox::StandardButtons buttons) {
    return Respond(shown, buttons);
  });
}

QMessageBox::StandardButton Prompter::Respond(const QString& shown,
                                              QMessageBox::StandardButtons buttons) {
  m_shown.push_back(shown);
  if (m_next < m_answers.size()) return m_answers[m_next++];
  if (m_fallback != QMessageBox::NoButton) return m_fallback;
  ADD_FAILURE_AT(m_where.file, m_where.line)
      << "a message no test scripted: " << shown.toStdString();
  return Dismissal(buttons);
}

void FailUnscriptedMessages() { platform::SetPromptHook(FailUnscripted); }

void ExpectShown(const Prompter& prompter, std::initializer_list<QString> texts,
                 CallSite where) {
  std::vector<QString> expected;
  for (const QString& text : texts) expected.push_back(platform::ShownText(text));
  if (prompter.Shown() == expected) return;
  auto listed = [](const std::vector<QString>& list) {
    std::string out;
    for (const QString& text : list) out += "\n  \"" + text.toStdString() + '"';
    return out;
  };
  ADD_FAILURE_AT(where.file, where.line)
      << "messages shown:" << listed(prompter.Shown()) << "\nexpected:" << listed(expected);
}

}  // namespace dorv::test
