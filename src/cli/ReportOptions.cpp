#include "cli/ReportOptions.h"

#include <cctype>
#include <charconv>

#include "data/Calendar.h"
#include "res/Strings.h"

namespace dorv::cli {
namespace {

// The number of exactly `digits` decimal digits at text[at]; -1 when there are not.
int DigitsAt(const std::string& text, std::size_t at, std::size_t digits) {
  if (text.size() < at + digits) return -1;
  int value = 0;
  for (std::size_t i = at; i < at + digits; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

std::optional<long> ParseEntry(const std::string& text) {
  long value = -1;
  const char* end = text.data() + text.size();
  auto [stop, fault] = std::from_chars(text.data(), end, value);
  if (text.empty() || fault != std::errc() || stop != end || value < 0) return std::nullopt;
  return value;
}

std::optional<data::PdbKind> ParseBook(const std::string& text) {
  if (text == "toll") return data::PdbKind::Toll;
  if (text == "tollfree") return data::PdbKind::TollFree;
  if (text == "audiotex") return data::PdbKind::AudioTex;
  return std::nullopt;
}

}  // namespace

std::optional<data::LogMonth> ParseMonth(const std::string& text) {
  if (text.size() != 7 || text[4] != '-') return std::nullopt;
  const int year = DigitsAt(text, 0, 4), month = DigitsAt(text, 5, 2);
  if (year < 0 || month < 1 || month > 12) return std::nullopt;
  return data::LogMonth{month, year};
}

std::optional<reports::BillDate> ParseDay(const std::string& text) {
  if (text.size() != 10 || text[7] != '-') return std::nullopt;
  const auto month = ParseMonth(text.substr(0, 7));
  const int day = DigitsAt(text, 8, 2);
  if (!month || month->year < reports::kFirstBillYear || month->year > reports::kLastBillYear ||
      day < 1 || day > data::DaysInMonth(month->month, month->year))
    return std::nullopt;
  return reports::BillDate{month->month, day, month->year};
}

ParsedOptions ParseReportOptions(const std::vector<std::string>& arguments) {
  ReportOptions options;
  std::vector<std::string> words;
  // Options of a command, by name, with their values.
  std::optional<std::string> book, entry, from, thru;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    auto value = [&](std::optional<std::string>& into) {
      if (i + 1 >= arguments.size()) return false;
      into = arguments[++i];
      return true;
    };
    std::optional<std::string> dataDir;
    if (word == "--csv") {
      options.csv = true;
    } else if (word == "--data") {
      if (!value(dataDir)) return {std::nullopt, res::kReportErrorDataNeedsDir};
      options.dataDir = *dataDir;
    } else if (word == "--book" || word == "--entry" || word == "--from" || word == "--thru") {
      auto& into = word == "--book"    ? book
                   : word == "--entry" ? entry
                   : word == "--from"  ? from
                                       : thru;
      if (!value(into)) return {std::nullopt, word + res::kReportErrorNeedsValue};
    } else if (word.size() > 1 && word[0] == '-') {
      return {std::nullopt, res::kReportErrorUnknownOption + word};
    } else {
      words.push_back(word);
    }
  }
  if (words.empty()) return {std::nullopt, res::kReportErrorNoCommand};
  const std::string& command = words[0];
  const std::size_t wanted = command == "log" ? 2 : 1;
  if (words.size() != wanted) return {std::nullopt, res::kReportErrorArgumentCount + command};
  const bool contact = command == "contact", bill = command == "bill";
  if ((book || entry || thru) && !contact) return {std::nullopt, res::kReportErrorOptionNotUsed + command};
  if (from && !contact && !bill) return {std::nullopt, res::kReportErrorFromNotUsed + command};

  if (command == "months") {
    options.command = Command::Months;
  } else if (command == "log") {
    const auto month = ParseMonth(words[1]);
    if (!month) return {std::nullopt, res::kReportErrorNotMonth + words[1]};
    options.command = Command::Log;
    options.month = *month;
  } else if (contact) {
    options.command = Command::Contact;
    if (!book || !entry || !from || !thru)
      return {std::nullopt, res::kReportErrorContactOptions};
    const auto kind = ParseBook(*book);
    if (!kind) return {std::nullopt, res::kReportErrorNotBook + *book};
    const auto number = ParseEntry(*entry);
    if (!number) return {std::nullopt, res::kReportErrorNotEntry + *entry};
    const auto first = ParseMonth(*from), last = ParseMonth(*thru);
    if (!first) return {std::nullopt, res::kReportErrorNotMonth + *from};
    if (!last) return {std::nullopt, res::kReportErrorNotMonth + *thru};
    options.book = *kind;
    options.entry = *number;
    options.from = *first;
    options.thru = *last;
  } else if (bill) {
    options.command = Command::Bill;
    if (!from) return {std::nullopt, res::kReportErrorBillFrom};
    const auto day = ParseDay(*from);
    if (!day) return {std::nullopt, res::kReportErrorNotDay + *from};
    options.billFrom = *day;
  } else {
    return {std::nullopt, res::kReportErrorUnknownCommand + command};
  }
  return {options, {}};
}

}  // namespace dorv::cli
