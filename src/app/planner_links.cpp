// The bug-report mail and the manual's location.
#include "app/planner_links.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSysInfo>
#include <QUrl>

#include "app/data_paths.h"

namespace tarvel::app {
namespace {

constexpr char kManualFile[] = "tarvel-planner-manual.pdf";

QString ScreenText() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return "none";
  return QString("%1 x %2 at %3 %")
      .arg(screen->size().width())
      .arg(screen->size().height())
      .arg(qRound(screen->devicePixelRatio() * 100));
}

}  // namespace

SystemDetails CurrentSystemDetails() {
  SystemDetails details;
  details.version = QCoreApplication::applicationVersion();
  details.qt_version = qVersion();
  details.system = QSysInfo::prettyProductName();
  details.kernel = QSysInfo::kernelType() + " " + QSysInfo::kernelVersion();
  const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP", "unknown");
  details.desktop = desktop + " (" + QGuiApplication::platformName() + ")";
  details.screen = ScreenText();
  details.locale = QLocale().name();
  return details;
}

QString BugReportMail(const SystemDetails& details) {
  const QString subject = "Tarvel Financial Planner " + details.version;
  const QString body =
      "What happened, and what did you expect?\n\n\n"
      "--\n"
      "Program: Tarvel Financial Planner " +
      details.version + "\n" + "Qt: " + details.qt_version + "\n" + "System: " + details.system +
      "\n" + "Kernel: " + details.kernel + "\n" + "Desktop: " + details.desktop + "\n" +
      "Screen: " + details.screen + "\n" + "Language: " + details.locale + "\n";
  return "mailto:?subject=" + QString::fromLatin1(QUrl::toPercentEncoding(subject)) +
         "&body=" + QString::fromLatin1(QUrl::toPercentEncoding(body));
}

QString ManualAddress() {
  QString manual = FindDataFile(kManualFile);
  if (manual.isEmpty()) {
    const QString beside = QCoreApplication::applicationDirPath() + "/" + kManualFile;
    if (QFileInfo::exists(beside)) manual = beside;
  }
  if (manual.isEmpty()) manual = FindDataFile("help/contents.html");
  return QUrl::fromLocalFile(QFileInfo(manual).absoluteFilePath()).toString();
}

}  // namespace tarvel::app
