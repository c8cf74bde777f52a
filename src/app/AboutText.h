#pragma once
#include <QString>

namespace dorv::app {

// The folder where `cmake --install` puts the program's licence and the sample data's notices,
// found from the installed program's own folder (<prefix>/libexec/dorv); empty when the program
// does not run from an installation, e.g. from a build tree.
QString InstalledDocFolder(const QString& programDir);

// What Help > About shows: the version, the data sources with their licences, the program's
// licence and the folder holding the licence texts.
QString AboutText(const QString& programDir);

}  // namespace dorv::app
