#include "print/PdbPrintout.h"

#include "data/FixedText.h"
#include "data/HourDefinitions.h"
#include "data/MoneyText.h"
#include "data/PdbText.h"
#include "platform/RecordText.h"
#include "print/PrintoutPages.h"
#include "res/Strings.h"

namespace dorv::print {
namespace {

template <std::size_t N>
QString Field(const char (&stored)[N]) {
  return platform::FromRecord(data::ReadField(stored));
}

QString Text(const char* pattern) { return QString::fromLatin1(pattern); }

QString PhoneText(const data::PdbRecord& entry, const data::MyInfo& me) {
  return platform::FromRecord(data::DialText(data::NumberPartsOf(entry),
                                             data::ReadField(me.country),
                                             data::ReadField(me.intlAccessCode), true));
}

// The entry's data: labels in bold at the left edge, values in a column beside them.
class EntryData {
 public:
  EntryData(PrintoutPages& pages, const PdbPrintout& printout)
      : m_pages(pages),
        m_entry(printout.entry),
        m_valueX(pages.Job().TextExtent(Text(res::kPrintRecordValueColumn)).width) {}

  void Print(const data::MyInfo& me, std::time_t now) {
    const bool twelveHour = me.clock12 == 1;
    Heading(res::kPrintRecordPersonal);
    Line(res::kPrintRecordName, Field(m_entry.name));
    Line(res::kPrintRecordMenuId, Field(m_entry.type));
    Line(res::kPrintRecordContact, Field(m_entry.contact));
    Line(res::kPrintRecordDepartment, Field(m_entry.deptMailStop));
    Line(res::kPrintRecordAddress, Field(m_entry.address1));
    Value(Field(m_entry.address2));
    Value(CityLine());
    Line(res::kPrintRecordCountry, Field(m_entry.country));
    Line(res::kPrintRecordLocalTime,
         QString::fromStdString(data::LocalTimeText(now, m_entry.timeZone,
                                                    data::ReadField(m_entry.country), twelveHour)));
    Line(res::kPrintRecordPhone, PhoneText(m_entry, me));
    Line(res::kPrintRecordEmail, Field(m_entry.email));
    Line(res::kPrintRecordWebSite, Field(m_entry.webSite));
    Line(res::kPrintRecordNote, Field(m_entry.note));
    m_pages.Blank(1);

    Heading(res::kPrintRecordRateData);
    Line(res::kPrintRecordService, Field(m_entry.telco));
    Line(res::kPrintRecordDateEffective, Field(m_entry.rateEffective));
    Line(res::kPrintRecordCallType, Field(m_entry.callType));
    Line(res::kPrintRecordSurcharge,
         QString::fromStdString(data::MoneyText(m_entry.surcharge, true)));
    Line(res::kPrintRecordComment, Field(m_entry.comment));
    for (int band = 0; band < 3; ++band) {
      m_pages.Blank(1);
      m_pages.Text(Field(m_entry.bandTitle[band]), TextAlign::Left, true, 0, 1);
      Value(platform::FromRecord(data::BandTextOfEntry(m_entry, band, twelveHour)));
      const data::BandRates& rates = m_entry.rates[band];
      Value(QString::asprintf(res::kPrintRecordFirstInterval,
                              qUtf8Printable(CentsText(rates.initial)),
                              static_cast<int>(m_entry.initialInterval)));
      Value(QString::asprintf(res::kPrintRecordEachAdditional,
                              qUtf8Printable(CentsText(rates.additional)),
                              static_cast<int>(m_entry.additionalInterval)));
    }
  }

 private:
  void Heading(const char* heading) {
    m_pages.Text(Text(heading), TextAlign::Left, true, 0, 1);
    m_pages.Rule(0, m_pages.Job().PageWidth() - 2 * kLeftMargin);
  }

  void Line(const char* label, const QString& value) {
    m_pages.Text(Text(label), TextAlign::Left, true, 0, 0);
    Value(value);
  }

  // A value too long for the rest of the line goes on over the next lines of its column.
  void Value(const QString& value) {
    const PrintJob& job = m_pages.Job();
    const auto tooWide = [&job, this](const QString& line) {
      return IsTooWide(m_valueX + job.TextExtent(line).width, job.PageWidth());
    };
    for (const QString& line : BreakIntoLines(value, tooWide))
      m_pages.Text(line, TextAlign::Left, false, m_valueX, 1);
  }

  QString CityLine() const {
    const QString city = Field(m_entry.city), state = Field(m_entry.state),
                  postalCode = Field(m_entry.postalCode);
    return state.isEmpty() ? QString::asprintf(res::kPrintRecordCityLineNoState,
                                               qUtf8Printable(city), qUtf8Printable(postalCode))
                           : QString::asprintf(res::kPrintRecordCityLine, qUtf8Printable(city),
                                               qUtf8Printable(state), qUtf8Printable(postalCode));
  }

  PrintoutPages& m_pages;
  const data::PdbRecord& m_entry;
  int m_valueX;
};

void PrintMemos(PrintoutPages& pages, const EntryMemos& memos, bool twelveHour) {
  const auto say = [&pages](const char* text) {
    pages.Text(Text(text), TextAlign::Left, false, 0, 1);
  };
  if (!memos.accessible) return say(res::kErrorMemoFileAccess);
  if (memos.memos.empty()) return say(res::kPrintRecordNoMemos);
  const PrintJob& job = pages.Job();
  const auto tooWide = [&job](const QString& line) { return job.TooWide(line); };
  for (const PrintedMemo& memo : memos.memos) {
    if (!memo.readable) {
      say(res::kErrorMemoFileAccess);
    } else {
      pages.Text(QString::fromStdString(data::DateTimeText(memo.key, twelveHour)), TextAlign::Left,
                 true, 0, 1);
      for (const QString& line : BreakIntoLines(platform::FromRecord(memo.text), tooWide))
        pages.Text(line, TextAlign::Left, false, 0, 1);
    }
    pages.Blank(1);
  }
}

}  // namespace

EntryMemos ReadEntryMemos(data::PdbFiles& pdb, const data::PdbRecord& entry) {
  EntryMemos read;
  if (entry.memoFileNumber == 0) return read;
  if (!pdb.OpenMemoFilesOf(entry)) {
    read.accessible = false;
    return read;
  }
  const long count = pdb.ScanIndex();
  for (long position = 0; position < count; ++position) {
    PrintedMemo memo;
    bool isFirst = false, isLast = false;
    memo.readable = pdb.ReadMemoAt(position, memo.text, isFirst, isLast, memo.key);
    const bool deleted = memo.key == 0 || memo.text.empty();
    if (!memo.readable || !deleted) read.memos.push_back(std::move(memo));
  }
  pdb.CloseMemoFiles();
  return read;
}

QStringList BreakIntoLines(const QString& text,
                           const std::function<bool(const QString&)>& tooWide) {
  QStringList lines;
  QString paragraphs = text;
  paragraphs.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
  for (QString rest : paragraphs.split('\n')) {
    bool broken = false;
    while (!rest.isEmpty() && tooWide(rest)) {
      // The longest start that fits; one character at least, so that every turn moves on.
      qsizetype fit = 1, high = rest.size() - 1;
      while (fit < high) {
        const qsizetype middle = (fit + high + 1) / 2;
        if (tooWide(rest.left(middle)))
          high = middle - 1;
        else
          fit = middle;
      }
      // Break at the last blank within reach; a blank right behind the fitting start counts.
      const qsizetype blank = rest.lastIndexOf(' ', fit);
      QString line = rest.left(blank > 0 ? blank : fit);
      while (line.endsWith(' ')) line.chop(1);
      if (line.isEmpty()) line = rest.left(fit);
      rest.remove(0, line.size());
      while (rest.startsWith(' ')) rest.remove(0, 1);
      lines << line;
      broken = true;
    }
    if (!broken || !rest.isEmpty()) lines << rest;
  }
  return lines;
}

QString EntryNameLine(const data::PdbRecord& entry) {
  return TypeDashName(Field(entry.type), Field(entry.name));
}

QString RecordStatusLine(const data::PdbRecord& entry, long position) {
  return NameLine(Field(entry.type), Field(entry.name), res::kPrintRecordNumber, position);
}

QString CentsText(double cents) { return QString::asprintf("%.2f", cents); }

bool PrintPdbRecord(PrintJob& job, const PdbPrintout& printout) {
  const PrintedFor who = PrintedForOf(printout.me, printout.now);
  const QString contact =
      QString::asprintf(res::kPrintContactLine, qUtf8Printable(EntryNameLine(printout.entry)),
                        qUtf8Printable(PhoneText(printout.entry, printout.me)));
  const auto headerFor = [&who, &contact](const char* heading) {
    return [&who, &contact, heading](PrintoutPages& pages, int pageNumber) {
      for (const QString& line : {Text(res::kProductTitle), Text(heading), PrintedForLine(who),
                                  PrintedOnLine(who, pageNumber), contact})
        pages.Text(line, TextAlign::Centred, true, 0, 1);
      pages.Blank(1);
    };
  };
  PrintoutPages pages(job, headerFor(res::kPrintRecordEntryHeading));
  if (printout.data) {
    pages.StartPage();
    EntryData(pages, printout).Print(printout.me, printout.now);
    if (!printout.memo) return job.Finish();
    job.EndPage();
  }
  if (printout.memo) {
    pages.SetHeader(headerFor(res::kPrintRecordMemoHeading));
    pages.StartPage();
    PrintMemos(pages, printout.memos, printout.me.clock12 == 1);
  } else {
    pages.StartPage();  // nothing chosen: the page header alone
  }
  return job.Finish();
}

}  // namespace dorv::print
