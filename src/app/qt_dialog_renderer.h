// Native dialogs built from dialog templates: each control becomes its Qt widget, laid out in
// a grid by its row and column, with the buttons in a row at the bottom; every user action is
// passed to the presenter by control id.
#pragma once

#include <QDialog>
#include <map>
#include <vector>

#include "platform/dialog_view.h"
#include "ui/shell/dialog_template.h"

class QButtonGroup;
class QGridLayout;
class QHBoxLayout;
class QLabel;

namespace tarvel::app {

class TemplateDialog : public QDialog, public platform::DialogView {
  Q_OBJECT

 public:
  TemplateDialog(const ui::DialogTemplate& dialog, ui::DialogPresenter& presenter,
                 QWidget* parent = nullptr);

  // Initialises through the presenter, then runs modally; the presenter's close result.
  int Run();
  // Initialises through the presenter and shows the dialog without waiting; it deletes itself
  // when closed. A tool window has a title bar and stays above the main window.
  enum class Kind { Dialog, ToolWindow };
  void ShowModeless(Kind kind = Kind::Dialog);
  // The widget of a control (objectName "control_<id>"), for layouts and tests.
  QWidget* ControlWidget(int control) const;

  std::string Text(int control) const override;
  void SetText(int control, const std::string& text) override;
  bool Checked(int control) const override;
  void SetChecked(int control, bool checked) override;
  void SetEnabled(int control, bool enabled) override;
  void SetItems(int control, const std::vector<std::string>& items) override;
  int Selection(int control) const override;
  void SetSelection(int control, int index) override;
  int Position(int control) const override;
  void SetPosition(int control, int position) override;
  void SetFocus(int control) override;
  void Close(int result) override;

 public slots:
  void reject() override;

 private:
  void AddControl(const ui::Control& control, QGridLayout* grid, QHBoxLayout* buttons);
  QWidget* MakeWidget(const ui::Control& control);
  void Connect(const ui::Control& control, QWidget* widget);
  void Notify(int control);
  void FixSize();
  void ConnectHelpKey(const ui::DialogTemplate& dialog);

  ui::DialogPresenter& presenter_;
  std::map<int, QWidget*> widgets_;
  // Every label with the widget beside it, for the labels' mnemonics (labels need no id).
  std::vector<std::pair<QLabel*, std::pair<int, int>>> labels_;
  std::map<int, QButtonGroup*> radio_groups_;
  bool closed_ = false;
  bool initialising_ = false;
  Kind kind_ = Kind::Dialog;
};

class QtDialogRenderer : public ui::DialogRunner {
 public:
  explicit QtDialogRenderer(QWidget* parent = nullptr) : parent_(parent) {}
  void set_parent(QWidget* parent) { parent_ = parent; }
  int RunModal(const ui::DialogTemplate& dialog, ui::DialogPresenter& presenter) override;

 private:
  QWidget* parent_;
};

}  // namespace tarvel::app
