// The help window: the HTML page of a help context from data/help/, in a text browser with
// back, forward and contents buttons.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/help.h"

class QTextBrowser;

namespace tarvel::app {

// "contents.html", "using-help.html" or "<context>.html".
QString HelpPageName(int context);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  void ShowPage(int context);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

class QtHelp : public platform::Help {
 public:
  explicit QtHelp(QWidget* parent = nullptr) : parent_(parent) {}
  void set_parent(QWidget* parent) { parent_ = parent; }
  void ShowTopic(int context) override;
  HelpWindow* window() const { return window_; }

 private:
  QWidget* parent_;
  QPointer<HelpWindow> window_;
};

}  // namespace tarvel::app
