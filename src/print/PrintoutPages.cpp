#include "print/PrintoutPages.h"

#include <cstdint>

#include "data/FixedText.h"
#include "data/MoneyText.h"
#include "platform/RecordText.h"
#include "res/Strings.h"

namespace dorv::print {
namespace {
template <std::size_t N>
QString Field(const char (&stored)[N]) {
  return platform::FromRecord(data::ReadField(stored));
}
}  // namespace

PrintedFor PrintedForOf(const data::MyInfo& me, std::time_t now) {
  PrintedFor who;
  who.name = Field(me.name);
  const QString area = Field(me.areaCode), prefix = Field(me.prefix),
                suffix = Field(me.suffix), extension = Field(me.extension);
  who.phone = extension.isEmpty()
                  ? QString::asprintf(res::kPrintUserPhone, qPrintable(area), qPrintable(prefix),
                                      qPrintable(suffix))
                  : QString::asprintf(res::kPrintUserPhoneExt, qPrintable(area),
                                      qPrintable(prefix), qPrintable(suffix),
                                      qPrintable(extension));
  who.printedOn = QString::fromStdString(data::DateTimeText(now, me.clock12 == 1));
  return who;
}

QString PrintedForLine(const PrintedFor& who) {
  return QString::asprintf(res::kPrintPrintedFor, qPrintable(who.name), qPrintable(who.phone));
}

QString PrintedOnLine(const PrintedFor& who, int page) {
  return QString::asprintf(res::kPrintPrintedOn, qPrintable(who.printedOn), page);
}

QString TypeDashName(const QString& type, const QString& name) {
  if (type.isEmpty() || name.isEmpty()) return type + name;
  return QString::asprintf(res::kPrintNameLine, qUtf8Printable(type), qUtf8Printable(name));
}

QString NameLine(const QString& type, const QString& name, const char* fallback,
                 long recordNumber) {
  const QString line = TypeDashName(type, name);
  return line.isEmpty() ? QString::asprintf(fallback, int(recordNumber)) : line;
}

void PrintoutPages::StartPage() {
  m_job.StartPage();
  m_inHeader = true;
  m_header(*this, m_pageNumber++);
  m_inHeader = false;
}

void PrintoutPages::Text(const QString& text, TextAlign align, bool bold, int x, int lines) {
  AfterLine(m_job.PrintText(text, align, bold, x, lines));
}

void PrintoutPages::Blank(int lines) { AfterLine(m_job.Advance(lines)); }

void PrintoutPages::AfterLine(bool pageEnded) {
  // A header too tall for its page goes on as it is rather than starting pages for ever.
  if (pageEnded && !m_inHeader) StartPage();
}

Columns::Columns(const PrintJob& job, std::initializer_list<const char*> samples, int fitWidth) {
  int total = 0;
  std::vector<int> widths;
  for (const char* sample : samples) {
    widths.push_back(job.TextExtent(QString::fromLatin1(sample)).width);
    total += widths.back();
  }
  if (fitWidth > 0 && total > fitWidth) {
    const int wide = total;
    total = 0;
    for (int& width : widths) total += width = int(std::int64_t(width) * fitWidth / wide);
  }
  int edge = (job.PageWidth() - total) / 2 - kLeftMargin;
  m_edges.push_back(edge);
  for (int width : widths) m_edges.push_back(edge += width);
}

}  // namespace dorv::print
