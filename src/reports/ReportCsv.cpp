#include "reports/ReportCsv.h"

#include <cstdio>
#include <ctime>

#include "data/FixedText.h"

namespace dorv::reports {
namespace {

std::string Number(long long value) { return std::to_string(value); }

// The fields every call row shares, after the bill's class.
std::vector<std::string> CallFields(const CallRow& call) {
  return {IsoLocalTime(call.start),     Utf8FromLatin1(call.name),
          CallRowText(call, kCallType), Utf8FromLatin1(call.numberText),
          Number(call.duration),        CsvAmount(call.surchargeTotal),
          CsvAmount(call.cost),         call.sampleRates ? "1" : "0"};
}

const std::vector<std::string> kCallHeader = {"start",  "name",       "direction", "number",
                                              "length", "surcharges", "cost",      "sample_rates"};

}  // namespace

std::string Utf8FromLatin1(const std::string& latin1) {
  std::string utf8;
  utf8.reserve(latin1.size());
  for (unsigned char c : latin1) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    const std::string& field = fields[i];
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
      line += field;
      continue;
    }
    line += '"';
    for (char c : field) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  return line + "\r\n";
}

std::string CsvAmount(double cents) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", cents / 100.0);
  return text;
}

std::string IsoLocalTime(std::uint32_t time) {
  const std::time_t when = time;
  std::tm parts{};
  if (localtime_r(&when, &parts) == nullptr) return {};
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &parts);
  return text;
}

std::string CallsCsv(const std::vector<CallRow>& calls) {
  std::string csv = CsvLine(kCallHeader);
  for (const CallRow& call : calls) csv += CsvLine(CallFields(call));
  return csv;
}

std::vector<BillRow> BillRowsOf(const Bill& bill, const data::MyInfo& myInfo) {
  std::vector<BillRow> rows;
  rows.reserve(bill.calls.size());
  for (const BilledCall& call : bill.calls)
    rows.push_back({call.billingClass, CallRowOf(call.record, myInfo, call.where)});
  return rows;
}

std::string BillCsv(const std::vector<data::RecurringCharge>& charges,
                    const std::vector<BillRow>& calls) {
  std::vector<std::string> header = {"class"};
  header.insert(header.end(), kCallHeader.begin(), kCallHeader.end());
  std::string csv = CsvLine(header);
  for (const data::RecurringCharge& charge : charges) {
    const std::string name = data::ReadField(charge.name);
    if (name.empty()) continue;
    csv += CsvLine({"", "", Utf8FromLatin1(name), "", "", "", "", CsvAmount(charge.amount), ""});
  }
  for (const BillRow& row : calls) {
    std::vector<std::string> fields = {Number(static_cast<int>(row.billingClass))};
    std::vector<std::string> call = CallFields(row.call);
    fields.insert(fields.end(), call.begin(), call.end());
    csv += CsvLine(fields);
  }
  return csv;
}

std::string MonthKey(const data::LogMonth& month) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d", month.year, month.month);
  return text;
}

std::string MonthsCsv(const std::vector<MonthSummary>& months) {
  std::string csv = CsvLine({"month", "calls", "total"});
  for (const MonthSummary& summary : months)
    csv += CsvLine({MonthKey(summary.month), Number(summary.calls), CsvAmount(summary.total)});
  return csv;
}

}  // namespace dorv::reports
