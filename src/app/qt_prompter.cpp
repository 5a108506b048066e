// Native message boxes and file dialogs.
#include "app/qt_prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "painting/text_1252.h"

namespace tarvel::app {
namespace {

QMessageBox::Icon IconOf(platform::Icon icon) {
  switch (icon) {
    case platform::Icon::Information:
      return QMessageBox::Information;
    case platform::Icon::Warning:
      return QMessageBox::Warning;
    case platform::Icon::Error:
      return QMessageBox::Critical;
    case platform::Icon::Question:
      return QMessageBox::Question;
    case platform::Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(platform::Buttons buttons) {
  switch (buttons) {
    case platform::Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case platform::Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case platform::Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case platform::Buttons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

platform::Answer AnswerOf(int button, platform::Buttons buttons) {
  switch (button) {
    case QMessageBox::Yes:
      return platform::Answer::Yes;
    case QMessageBox::No:
      return platform::Answer::No;
    case QMessageBox::Ok:
      return platform::Answer::Ok;
    default:
      // Closing a Yes/No box without choosing counts as No; any other box as Cancel.
      return buttons == platform::Buttons::YesNo ? platform::Answer::No : platform::Answer::Cancel;
  }
}

// Paths are the file system's bytes (UTF-8), not record text.
QString StartPath(const platform::FileDialog& dialog) {
  QString path = QString::fromStdString(dialog.start_folder);
  if (!dialog.initial_name.empty()) {
    const QString name = QString::fromStdString(dialog.initial_name);
    path = path.isEmpty() ? name : path + "/" + name;
  }
  return path;
}

// Room the window manager takes beside the caption: the icon and the title-bar buttons.
constexpr int kTitleBarRoom = 160;

// The window manager shows the caption followed by the program's name and cuts it to the
// box's width; a short message would leave only "FILE E...". The box is made wide enough.
void KeepCaptionWhole(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  QFont title_font = box.font();
  title_font.setBold(true);
  const QString shown =
      box.windowTitle() + QString::fromUtf8(" \u2014 ") + QGuiApplication::applicationDisplayName();
  const int width = QFontMetrics(title_font).horizontalAdvance(shown) + kTitleBarRoom;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

// True when the window was opened by the main window, directly or through its dialogs.
bool BelongsTo(const QWidget* window, const QWidget* main_window) {
  for (const QWidget* widget = window; widget != nullptr; widget = widget->parentWidget()) {
    if (widget == main_window) return true;
  }
  return false;
}

}  // namespace

QString NameFilters(const platform::FileDialog& dialog) {
  QStringList filters;
  for (const platform::FileFilter& filter : dialog.filters) {
    QString label = painting::FromWindows1252(filter.label);
    const qsizetype open = label.indexOf('(');
    if (open > 0) label = label.left(open).trimmed();
    QString patterns = painting::FromWindows1252(filter.patterns);
    patterns.replace(';', ' ');
    filters << QString("%1 (%2)").arg(label, patterns);
  }
  filters << QObject::tr("All Files (*)");
  return filters.join(";;");
}

QWidget* QtPrompter::Owner() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  QWidget* active = QApplication::activeWindow();
  if (active != nullptr && BelongsTo(active, parent_)) return active;
  return parent_;
}

platform::Answer QtPrompter::Ask(const platform::Message& message) {
  // A box over a dialog belongs to that dialog: it stays above it and takes the keyboard.
  QMessageBox box(IconOf(message.icon), painting::FromWindows1252(message.caption),
                  painting::FromWindows1252(message.text), ButtonsOf(message.buttons), Owner());
  box.setWindowModality(message.system_modal ? Qt::ApplicationModal : Qt::WindowModal);
  KeepCaptionWhole(box);
  // The box takes the keyboard focus, even when the planner's window is not the active one.
  QTimer::singleShot(0, &box, [&box] {
    box.raise();
    box.activateWindow();
    if (QAbstractButton* button = box.defaultButton()) button->setFocus();
  });
  return AnswerOf(box.exec(), message.buttons);
}

std::optional<std::string> QtPrompter::ChooseFileToOpen(const platform::FileDialog& dialog) {
  const QString path = QFileDialog::getOpenFileName(
      Owner(), painting::FromWindows1252(dialog.title), StartPath(dialog), NameFilters(dialog));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtPrompter::ChooseFileToSave(const platform::FileDialog& dialog) {
  QFileDialog chooser(Owner(), painting::FromWindows1252(dialog.title), StartPath(dialog),
                      NameFilters(dialog));
  chooser.setAcceptMode(QFileDialog::AcceptSave);
  chooser.setDefaultSuffix(painting::FromWindows1252(dialog.default_extension));
  // The planner asks its own overwrite question, with its own words.
  chooser.setOption(QFileDialog::DontConfirmOverwrite);
  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return chooser.selectedFiles().first().toStdString();
}

}  // namespace tarvel::app
