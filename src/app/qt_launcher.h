// Starts sibling programs, the desktop calculator and addresses without waiting for them.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/launcher.h"

namespace tarvel::app {

class QtLauncher : public platform::Launcher {
 public:
  bool StartProgram(const std::string& name, const std::vector<std::string>& arguments,
                    bool shown) override;
  bool StartCalculator() override;
  bool OpenAddress(const std::string& address) override;
};

// The program beside the planner's executable, else in the installed planner's
// libexec/tarvel-planner folder, else on the search path; empty when missing.
QString FindProgram(const QString& name);
// The desktop calculators tried, in order.
QStringList CalculatorPrograms();

}  // namespace tarvel::app
