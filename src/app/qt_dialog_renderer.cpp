// Building, filling and reading the widgets of a template dialog.
#include "app/qt_dialog_renderer.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "painting/text_1252.h"

namespace tarvel::app {

using ui::ControlKind;

namespace {

// A list view shows its filled columns whole, up to a width that still fits on a screen.
void WidenToColumns(QTreeWidget* tree) {
  constexpr int kWidestList = 760;
  int width = 2 * tree->frameWidth() + tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int padding = 2 * tree->fontMetrics().averageCharWidth();
  for (int column = 0; column < tree->columnCount(); ++column) {
    int widest = tree->header()->sectionSizeHint(column);
    for (int row = 0; row < tree->topLevelItemCount(); ++row) {
      const QString text = tree->topLevelItem(row)->text(column);
      widest = std::max(widest, tree->fontMetrics().horizontalAdvance(text) + padding);
    }
    width += widest;
  }
  tree->setMinimumWidth(std::max(tree->minimumWidth(), std::min(width, kWidestList)));
}

// An edit holds at most max_chars bytes of Windows-1252 text, the form the scenario stores;
// a character the code page lacks still takes one byte ("?").
class Windows1252LengthValidator : public QValidator {
 public:
  Windows1252LengthValidator(int max_bytes, QObject* parent)
      : QValidator(parent), max_bytes_(max_bytes) {}
  State validate(QString& input, int& /*position*/) const override {
    return static_cast<int>(painting::ToWindows1252(input).size()) <= max_bytes_ ? Acceptable
                                                                                 : Invalid;
  }

 private:
  int max_bytes_;
};

// The title as the window manager shows it: the desktop adds the program's name when it has
// been given one.
QString ShownTitle(const QString& title) {
  const QString program = QGuiApplication::applicationDisplayName();
  if (program.isEmpty() || program == QGuiApplication::applicationName() || program == title) {
    return title;
  }
  return title + QString::fromUtf8(" \u2014 ") + program;
}

}  // namespace

TemplateDialog::TemplateDialog(const ui::DialogTemplate& dialog, ui::DialogPresenter& presenter,
                               QWidget* parent)
    : QDialog(parent), presenter_(presenter) {
  setObjectName(QString::fromStdString(dialog.name));
  setWindowTitle(painting::FromWindows1252(dialog.title));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  layout->addLayout(grid);
  layout->addStretch(1);
  // Button rows at the bottom, the row numbered highest on top, each aligned to the right.
  int top_row = 0;
  for (const ui::Control& control : dialog.controls) {
    top_row = std::max(top_row, control.button_row);
  }
  std::vector<QHBoxLayout*> button_rows(static_cast<std::size_t>(top_row) + 1);
  for (int row = top_row; row >= 0; --row) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    layout->addLayout(buttons);
    button_rows[static_cast<std::size_t>(row)] = buttons;
  }
  for (const ui::Control& control : dialog.controls) {
    const int row = std::max(control.button_row, 0);
    AddControl(control, grid, button_rows[static_cast<std::size_t>(row)]);
  }
  // A label with a mnemonic moves the focus to the control beside it.
  for (const auto& [label, place] : labels_) {
    if (QLayoutItem* item = grid->itemAtPosition(place.first, place.second)) {
      if (item->widget()) label->setBuddy(item->widget());
    }
  }
  ConnectHelpKey(dialog);
  FixSize();
}

// F1 answers as the dialog's Help button does: its presenter opens the dialog's help page.
void TemplateDialog::ConnectHelpKey(const ui::DialogTemplate& dialog) {
  for (const ui::Control& control : dialog.controls) {
    const bool button =
        control.kind == ControlKind::PushButton || control.kind == ControlKind::DefaultButton;
    QString label = QString::fromStdString(control.label).remove('&');
    if (!button || label.compare("Help", Qt::CaseInsensitive) != 0) continue;
    auto* shortcut = new QShortcut(QKeySequence::HelpContents, this);
    connect(shortcut, &QShortcut::activated, this, [this, id = control.id] { Notify(id); });
    return;
  }
}

// A dialog keeps its laid-out size, at least wide enough for its whole title, and has no
// minimise or maximise button.
void TemplateDialog::FixSize() {
  setWindowFlags((kind_ == Kind::ToolWindow ? Qt::Tool : Qt::Dialog) | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  // Window managers draw titles in bold, beside an icon and up to three buttons.
  const int title_bar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
  QFont title_font = font();
  title_font.setBold(true);
  const int title_width =
      QFontMetrics(title_font).horizontalAdvance(ShownTitle(windowTitle())) + 5 * title_bar;
  // Widgets filled before the dialog is shown do not tell the layout their new size.
  for (QLayout* inner : layout()->findChildren<QLayout*>()) inner->invalidate();
  layout()->invalidate();
  const QSize hint = sizeHint();
  setFixedSize(std::max(hint.width(), title_width), hint.height());
}

void TemplateDialog::AddControl(const ui::Control& control, QGridLayout* grid,
                                QHBoxLayout* buttons) {
  QWidget* widget = MakeWidget(control);
  widget->setObjectName(QString("control_%1").arg(control.id));
  widget->setEnabled(control.enabled);
  // Labels and headings without an id are fixed text nobody asks for.
  if (control.id != 0 || widgets_.count(0) == 0) widgets_[control.id] = widget;
  if (control.kind == ControlKind::Label) {
    labels_.push_back(
        {static_cast<QLabel*>(widget), {control.row, control.column + control.column_span}});
  }
  const bool button =
      control.kind == ControlKind::PushButton || control.kind == ControlKind::DefaultButton;
  if (button && !control.on_grid) {
    buttons->addWidget(widget);
  } else {
    grid->addWidget(widget, control.row, control.column, control.row_span, control.column_span);
  }
  Connect(control, widget);
}

QWidget* TemplateDialog::MakeWidget(const ui::Control& control) {
  const QString label = painting::FromWindows1252(control.label);
  switch (control.kind) {
    case ControlKind::Label:
      return new QLabel(label, this);
    case ControlKind::GroupBox: {
      auto* heading = new QLabel(label, this);
      QFont font = heading->font();
      font.setBold(true);
      heading->setFont(font);
      return heading;
    }
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(label, this);
      if (control.max_chars > 0) {
        edit->setMaxLength(control.max_chars);
        edit->setValidator(new Windows1252LengthValidator(control.max_chars, edit));
      }
      return edit;
    }
    case ControlKind::CheckBox:
      return new QCheckBox(label, this);
    case ControlKind::RadioButton: {
      auto* radio = new QRadioButton(label, this);
      QButtonGroup*& group = radio_groups_[control.group];
      if (group == nullptr) group = new QButtonGroup(this);
      group->addButton(radio, control.id);
      return radio;
    }
    case ControlKind::PushButton:
    case ControlKind::DefaultButton: {
      auto* button = new QPushButton(label, this);
      button->setAutoDefault(false);
      button->setDefault(control.kind == ControlKind::DefaultButton);
      return button;
    }
    case ControlKind::ComboBox: {
      // A choice list is wide enough for its longest item.
      auto* combo = new QComboBox(this);
      combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      return combo;
    }
    case ControlKind::ListBox:
      return new QListWidget(this);
    case ControlKind::ListView: {
      auto* list = new QTreeWidget(this);
      list->setRootIsDecorated(false);
      list->setAlternatingRowColors(true);
      list->setHeaderLabels([&control] {
        QStringList headers;
        for (const std::string& column : control.columns)
          headers << painting::FromWindows1252(column);
        return headers;
      }());
      list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
      return list;
    }
    case ControlKind::UpDown: {
      auto* spin = new QSpinBox(this);
      spin->setRange(control.minimum, control.maximum);
      return spin;
    }
  }
  return new QLabel(label, this);
}

void TemplateDialog::Connect(const ui::Control& control, QWidget* widget) {
  const int id = control.id;
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    connect(button, &QAbstractButton::clicked, this, [this, id] { Notify(id); });
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    connect(combo, &QComboBox::activated, this, [this, id] { Notify(id); });
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    connect(list, &QListWidget::currentRowChanged, this, [this, id] { Notify(id); });
  } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
    connect(tree, &QTreeWidget::itemSelectionChanged, this, [this, id] { Notify(id); });
  } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
    connect(spin, &QSpinBox::valueChanged, this, [this, id] { Notify(id); });
  }
}

void TemplateDialog::Notify(int control) {
  if (!initialising_ && !closed_) presenter_.Command(*this, control);
}

int TemplateDialog::Run() {
  initialising_ = true;
  presenter_.Initialise(*this);
  initialising_ = false;
  if (closed_) return result();
  FixSize();  // the presenter's texts and items may have widened the controls
  return exec();
}

void TemplateDialog::ShowModeless(Kind kind) {
  kind_ = kind;
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  initialising_ = true;
  presenter_.Initialise(*this);
  initialising_ = false;
  if (closed_) {
    deleteLater();
    return;
  }
  FixSize();
  show();
}

QWidget* TemplateDialog::ControlWidget(int control) const {
  const auto found = widgets_.find(control);
  return found == widgets_.end() ? nullptr : found->second;
}

std::string TemplateDialog::Text(int control) const {
  QWidget* widget = ControlWidget(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return painting::ToWindows1252(edit->text());
  if (auto* label = qobject_cast<QLabel*>(widget)) return painting::ToWindows1252(label->text());
  if (auto* combo = qobject_cast<QComboBox*>(widget))
    return painting::ToWindows1252(combo->currentText());
  if (auto* button = qobject_cast<QAbstractButton*>(widget))
    return painting::ToWindows1252(button->text());
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) return std::to_string(spin->value());
  return {};
}

// Changes the presenter makes are not reported back to it as user actions.
void TemplateDialog::SetText(int control, const std::string& text) {
  QWidget* widget = ControlWidget(control);
  const QSignalBlocker blocker(widget);
  const QString value = painting::FromWindows1252(text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(value);
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(value);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->setCurrentText(value);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(value);
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) spin->setValue(value.toInt());
}

bool TemplateDialog::Checked(int control) const {
  auto* button = qobject_cast<QAbstractButton*>(ControlWidget(control));
  return button != nullptr && button->isChecked();
}

void TemplateDialog::SetChecked(int control, bool checked) {
  auto* button = qobject_cast<QAbstractButton*>(ControlWidget(control));
  if (button == nullptr) return;
  const QSignalBlocker blocker(button);
  button->setCheckable(true);
  button->setChecked(checked);
}

void TemplateDialog::SetEnabled(int control, bool enabled) {
  if (QWidget* widget = ControlWidget(control)) widget->setEnabled(enabled);
}

void TemplateDialog::SetItems(int control, const std::vector<std::string>& items) {
  QWidget* widget = ControlWidget(control);
  const QSignalBlocker blocker(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->clear();
    for (const std::string& item : items) combo->addItem(painting::FromWindows1252(item));
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    list->clear();
    for (const std::string& item : items) list->addItem(painting::FromWindows1252(item));
  } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
    tree->clear();
    for (const std::string& item : items) {
      tree->addTopLevelItem(new QTreeWidgetItem(painting::FromWindows1252(item).split('\t')));
    }
    WidenToColumns(tree);
  }
}

int TemplateDialog::Selection(int control) const {
  QWidget* widget = ControlWidget(control);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentIndex();
  if (auto* list = qobject_cast<QListWidget*>(widget)) return list->currentRow();
  if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
    QTreeWidgetItem* item = tree->currentItem();
    return item == nullptr ? -1 : tree->indexOfTopLevelItem(item);
  }
  return -1;
}

void TemplateDialog::SetSelection(int control, int index) {
  QWidget* widget = ControlWidget(control);
  const QSignalBlocker blocker(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->setCurrentIndex(index);
  if (auto* list = qobject_cast<QListWidget*>(widget)) list->setCurrentRow(index);
  if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
    if (QTreeWidgetItem* item = tree->topLevelItem(index)) tree->setCurrentItem(item);
  }
}

int TemplateDialog::Position(int control) const {
  auto* spin = qobject_cast<QSpinBox*>(ControlWidget(control));
  return spin == nullptr ? 0 : spin->value();
}

void TemplateDialog::SetPosition(int control, int position) {
  if (auto* spin = qobject_cast<QSpinBox*>(ControlWidget(control))) {
    const QSignalBlocker blocker(spin);
    spin->setValue(position);
  }
}

void TemplateDialog::SetFocus(int control) {
  if (QWidget* widget = ControlWidget(control)) widget->setFocus();
}

void TemplateDialog::Close(int result) {
  closed_ = true;
  setResult(result);
  if (isVisible()) done(result);
}

void TemplateDialog::reject() {
  // Escape and the close box are the dialog's Cancel; a presenter that keeps the dialog open
  // on Cancel is not asked again, so the window can always be closed.
  if (!closed_) presenter_.Command(*this, ui::kIdCancel);
  if (!closed_) Close(ui::kIdCancel);
}

int QtDialogRenderer::RunModal(const ui::DialogTemplate& dialog, ui::DialogPresenter& presenter) {
  // A dialog opened from another dialog belongs to it, so it stays above it and is not
  // blocked by it.
  QWidget* opener = QApplication::activeModalWidget();
  TemplateDialog window(dialog, presenter, opener != nullptr ? opener : parent_);
  return window.Run();
}

}  // namespace tarvel::app
