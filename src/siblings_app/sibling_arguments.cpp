// QCommandLineParser with the usage each sibling states.
#include "siblings_app/sibling_arguments.h"

#include <QCommandLineParser>

namespace tarvel::siblings_app {

QStringList ParseSiblingArguments(const QCoreApplication& application, const SiblingUsage& usage) {
  QCommandLineParser parser;
  parser.setApplicationDescription(usage.description);
  parser.addHelpOption();
  parser.addVersionOption();
  for (int i = 0; i < usage.positional.size(); ++i) {
    parser.addPositionalArgument(usage.positional[i], usage.positional_descriptions.value(i));
  }
  parser.process(application);
  return parser.positionalArguments();
}

QString ArgumentOr(const QStringList& arguments, int index, const QString& fallback) {
  return index < arguments.size() ? arguments[index] : fallback;
}

}  // namespace tarvel::siblings_app
