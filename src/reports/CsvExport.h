#pragma once
#include <QString>
#include <string>

class QWidget;

namespace dorv::reports {

// Export...: asks where to save the report's CSV and writes it there whole. A failed write
// says so and leaves no partial file.
void ExportCsv(QWidget* parent, const QString& suggestedName, const std::string& csv);

}  // namespace dorv::reports
