// Program start through QProcess and addresses through the desktop's default programs.
#include "app/qt_launcher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tarvel::app {

QString FindProgram(const QString& name) {
  if (name.isEmpty() || name.contains('/')) return {};
  const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(name));
  if (beside.isFile() && beside.isExecutable()) return beside.absoluteFilePath();
  // An installed planner keeps its siblings in its private program folder.
  const QFileInfo installed(
      QDir(QCoreApplication::applicationDirPath()).filePath("../libexec/tarvel-planner/" + name));
  if (installed.isFile() && installed.isExecutable()) return installed.absoluteFilePath();
  return QStandardPaths::findExecutable(name);
}

QStringList CalculatorPrograms() { return {"gnome-calculator", "kcalc", "galculator", "xcalc"}; }

bool QtLauncher::StartProgram(const std::string& name, const std::vector<std::string>& arguments,
                              bool /*shown: every program here opens its own window or none*/) {
  const QString path = FindProgram(QString::fromStdString(name));
  if (path.isEmpty()) return false;
  QStringList list;
  for (const std::string& argument : arguments) list << QString::fromStdString(argument);
  return QProcess::startDetached(path, list, QDir::currentPath());
}

bool QtLauncher::StartCalculator() {
  for (const QString& name : CalculatorPrograms()) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) return QProcess::startDetached(path, {});
  }
  return false;
}

bool QtLauncher::OpenAddress(const std::string& address) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace tarvel::app
