// Where the contact and manual commands lead: a mail to the makers addressed by the person
// writing it, carrying what a bug report needs, and the PDF manual shipped with the planner.
#pragma once

#include <QString>

namespace tarvel::app {

// What a bug report needs to know about the program and the system it runs on.
struct SystemDetails {
  QString version;     // the planner's version
  QString qt_version;  // the Qt library in use
  QString system;      // the distribution and its release
  QString kernel;      // kernel type and version
  QString desktop;     // $XDG_CURRENT_DESKTOP and the window-system platform
  QString screen;      // size and scale of the primary screen
  QString locale;      // the language and number format
};

// The details of the running program and system.
SystemDetails CurrentSystemDetails();

// A "mailto:" address without a recipient: the subject names the program and its version,
// the body lists the details under a place for the person's own description.
QString BugReportMail(const SystemDetails& details);

// The PDF manual of the installed data folder, or the one made beside the program in its
// build; the help contents when neither exists. A file URL.
QString ManualAddress();

}  // namespace tarvel::app
