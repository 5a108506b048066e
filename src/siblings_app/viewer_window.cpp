// Files are Windows-1252 like everything the planner writes; they are converted for display
// and back for printing.
#include "siblings_app/viewer_window.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "painting/text_1252.h"
#include "siblings/load_result.h"
#include "siblings/text_lines.h"
#include "siblings/text_pages.h"
#include "siblings_app/sibling_output.h"

namespace tarvel::siblings_app {

ViewerWindow::ViewerWindow()
    : stack_(new QStackedWidget(this)),
      text_(new QPlainTextEdit(stack_)),
      message_(MakeProblemLabel(
          tr("Open a results file (*.sch) or any text the planner writes with File, Open."),
          stack_)),
      search_(new QLineEdit) {
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  stack_->addWidget(message_);
  stack_->addWidget(text_);
  setCentralWidget(stack_);
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("&Open..."), QKeySequence::Open, this, &ViewerWindow::Open);
  file->addAction(tr("&Print..."), QKeySequence::Print, this, &ViewerWindow::Print);
  file->addSeparator();
  file->addAction(tr("E&xit"), QKeySequence::Quit, this, &QWidget::close);
  QToolBar* bar = addToolBar(tr("Search"));
  bar->addWidget(new QLabel(tr(" Find: ")));
  search_->setPlaceholderText(tr("text to find"));
  search_->setClearButtonEnabled(true);
  bar->addWidget(search_);
  QAction* next = bar->addAction(tr("Find &Next"), this, [this] { FindNext(search_->text()); });
  next->setShortcut(QKeySequence::FindNext);
  connect(search_, &QLineEdit::returnPressed, this, [this] { FindNext(search_->text()); });
  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->addAction(tr("&Find..."), QKeySequence::Find, this, [this] {
    search_->setFocus();
    search_->selectAll();
  });
  edit->addAction(next);
  setWindowTitle(tr("Tarvel Viewer"));
  resize(900, 700);
}

void ViewerWindow::Load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    message_->setText(painting::FromWindows1252(siblings::CannotOpenMessage(path.toStdString())));
    stack_->setCurrentWidget(message_);
    return;
  }
  const QByteArray bytes = file.readAll();
  path_ = path;
  text_->setPlainText(painting::FromWindows1252(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
  stack_->setCurrentWidget(text_);
  setWindowTitle(tr("Tarvel Viewer - %1").arg(QFileInfo(path).fileName()));
}

// A match is shown in the middle of the view, with the lines around it.
bool ViewerWindow::FindNext(const QString& text) {
  if (text.isEmpty() || !showing_text()) return false;
  bool found = text_->find(text);
  if (!found) {
    QTextCursor top = text_->textCursor();
    top.movePosition(QTextCursor::Start);
    text_->setTextCursor(top);
    found = text_->find(text);
  }
  if (found) {
    text_->centerCursor();
    return true;
  }
  statusBar()->showMessage(tr("\"%1\" is not in this file.").arg(text), 4000);
  return false;
}

void ViewerWindow::Open() {
  const QString path = QFileDialog::getOpenFileName(
      this, tr("Open"), path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath(),
      tr("Results files (*.sch *.SCH);;Text files (*.txt *.csv *.tmp *.dat);;All files (*)"));
  if (!path.isEmpty()) Load(path);
}

void ViewerWindow::Print() {
  if (!showing_text()) return;
  const std::vector<std::string> lines =
      siblings::SplitLines(painting::ToWindows1252(text_->toPlainText()));
  const std::string title = painting::ToWindows1252(QFileInfo(path_).fileName());
  PrintWithDialog(this, QFileInfo(path_).fileName(), [&](platform::PageSink& sink) {
    return siblings::PrintTextPages(sink, lines, title) > 0;
  });
}

}  // namespace tarvel::siblings_app
