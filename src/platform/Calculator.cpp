#include "Calculator.h"

#include <QProcess>

namespace dorv::platform {

bool StartDetached(const QString& program) { return QProcess::startDetached(program, {}); }

QStringList CalculatorPrograms() {
  return {"gnome-calculator", "kcalc",     "qalculate-qt", "qalculate-gtk",
          "galculator",       "mate-calc", "xcalc"};
}

bool StartCalculator(const ProgramStarter& start) {
  for (const QString& program : CalculatorPrograms())
    if (start(program)) return true;
  return false;
}

}  // namespace dorv::platform
