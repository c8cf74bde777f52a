#pragma once
#include <QString>
#include <ctime>
#include <functional>
#include <initializer_list>
#include <vector>

#include "data/MyInfo.h"
#include "print/PrintJob.h"

// What every printout shares: who it is for, the page header's numbering, and table columns.

namespace dorv::print {

// The user and the moment a printout names on every page header.
struct PrintedFor {
  QString name;
  QString phone;
  QString printedOn;
};

// The user's name and number "%s.%s.%s" (with " ext. %s" when there is one) from the personal
// settings, and now as date and time text in the user's clock.
PrintedFor PrintedForOf(const data::MyInfo& me, std::time_t now);
// "Printed for: ...          Phone Number: ..."
QString PrintedForLine(const PrintedFor& who);
// "Printed on: ...          Page Number: n"
QString PrintedOnLine(const PrintedFor& who, int page);

// "type - name", or whichever of the two is not empty.
QString TypeDashName(const QString& type, const QString& name);
// The status line of a contact log or record printout: "type - name", or whichever of the two
// is not empty, or the fallback with the record number when both are empty.
QString NameLine(const QString& type, const QString& name, const char* fallback, long recordNumber);

// Prints through a job and, whenever a line ends a page, starts the next page and prints the
// header on it. The header is given the page number, which grows by one per header printed.
class PrintoutPages {
 public:
  using Header = std::function<void(PrintoutPages& pages, int pageNumber)>;
  PrintoutPages(PrintJob& job, Header header) : m_job(job), m_header(std::move(header)) {}

  // Starts a page and prints its header.
  void StartPage();
  void Text(const QString& text, TextAlign align, bool bold, int x, int lines);
  void Rule(int x1, int x2) { m_job.Rule(x1, x2); }
  void Blank(int lines);
  // What follows the header on pages to come, as a bill section's own header does.
  void SetHeader(Header header) { m_header = std::move(header); }
  PrintJob& Job() { return m_job; }
  int NextPageNumber() const { return m_pageNumber; }

 private:
  void AfterLine(bool pageEnded);

  PrintJob& m_job;
  Header m_header;
  int m_pageNumber = 1;
  bool m_inHeader = false;
};

// Table columns whose widths are the printed widths of sample texts, the table centred on the
// page. Positions are those a printout gives (the job adds the left margin).
class Columns {
 public:
  // With fitWidth, a table wider than that is narrowed to it, every column by the same share.
  Columns(const PrintJob& job, std::initializer_list<const char*> samples, int fitWidth = 0);
  int Left(std::size_t column) const { return m_edges[column]; }
  int Right(std::size_t column) const { return m_edges[column + 1]; }
  std::size_t Count() const { return m_edges.size() - 1; }

 private:
  std::vector<int> m_edges;
};

}  // namespace dorv::print
