// The real main window with a way to drive the template dialogs it shows: the next modal
// dialog is played by a function once it shows, and fields are typed and buttons pressed as a
// person would.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window_fixture.h"
#include "app/qt_dialog_renderer.h"
#include "support/fake_prompter.h"

namespace tarvel::app {

// Typed into a field: an edit's text, a spin box's value, or a radio button chosen.
using Entry = std::pair<int, QString>;

class DialogDrivingFixture : public MainWindowFixture {
 protected:
  // Plays the next modal template dialog with `play` once it shows; records its name in
  // shown_. A play may queue the next (nested) dialog's play.
  void OnNextDialog(std::function<void(TemplateDialog&)> play) {
    play_ = std::move(play);
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    QObject::disconnect(&timer_, nullptr, nullptr, nullptr);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      shown_.push_back(dialog->objectName().toStdString());
      const auto current = play_;
      current(*dialog);
    });
    timer_.start();
  }
  static void Enter(TemplateDialog& dialog, const Entry& entry) {
    QWidget* widget = dialog.ControlWidget(entry.first);
    ASSERT_NE(widget, nullptr) << entry.first;
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
      spin->setValue(entry.second.toInt());
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
      radio->click();
    } else {
      auto* edit = qobject_cast<QLineEdit*>(widget);
      ASSERT_NE(edit, nullptr) << entry.first;
      edit->clear();
      QTest::keyClicks(edit, entry.second);
    }
  }
  static void Type(TemplateDialog& dialog, int control, const QString& text) {
    Enter(dialog, {control, text});
  }
  static void Press(TemplateDialog& dialog, int control) {
    auto* button = qobject_cast<QPushButton*>(dialog.ControlWidget(control));
    ASSERT_NE(button, nullptr) << control;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  static QString Shown(TemplateDialog& dialog, int control) {
    auto* edit = qobject_cast<QLineEdit*>(dialog.ControlWidget(control));
    return edit == nullptr ? QString("(no field %1)").arg(control) : edit->text().trimmed();
  }

  test_support::FakePrompter prompter_;
  QTimer timer_;
  std::function<void(TemplateDialog&)> play_;
  std::vector<std::string> shown_;
};

}  // namespace tarvel::app
