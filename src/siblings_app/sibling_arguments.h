// The command line of a sibling program: its positional files and currency word, --help and
// --version.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace tarvel::siblings_app {

struct SiblingUsage {
  QString description;                  // one paragraph for --help
  QStringList positional;               // names, e.g. "PLOTFILE", "CURRENCY"
  QStringList positional_descriptions;  // same order
};

// Handles --help and --version (the program exits there) and returns the positional words.
QStringList ParseSiblingArguments(const QCoreApplication& application, const SiblingUsage& usage);

// The word at index, or fallback when the command line is shorter.
QString ArgumentOr(const QStringList& arguments, int index, const QString& fallback);

}  // namespace tarvel::siblings_app
