#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace dorv::platform {

// Starts a program detached from Dorv; false when it could not be started.
using ProgramStarter = std::function<bool(const QString& program)>;
bool StartDetached(const QString& program);

// The desktop calculators tried, in this order.
QStringList CalculatorPrograms();

// Starts the first calculator that can be started; false when none could.
bool StartCalculator(const ProgramStarter& start = StartDetached);

}  // namespace dorv::platform
