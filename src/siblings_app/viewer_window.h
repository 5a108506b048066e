// The viewer: a results file ("*.sch") or any text the planner writes, shown read-only in a
// fixed-width font, with search and printing.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStackedWidget>

namespace tarvel::siblings_app {

class ViewerWindow : public QMainWindow {
  Q_OBJECT

 public:
  ViewerWindow();

  // Shows the file, or why it cannot be shown.
  void Load(const QString& path);
  // Finds the text after the cursor, wrapping once to the top; false when it is not there.
  bool FindNext(const QString& text);
  bool showing_text() const { return stack_->currentWidget() == text_; }
  QString problem() const { return showing_text() ? QString() : message_->text(); }
  const QPlainTextEdit& text() const { return *text_; }
  // Asks for a file to show (File, Open).
  void Open();

 private:
  void Print();

  QString path_;
  QStackedWidget* stack_;
  QPlainTextEdit* text_;
  QLabel* message_;
  QLineEdit* search_;
};

}  // namespace tarvel::siblings_app
