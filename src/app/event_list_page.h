// The Scenario folder's page: the two-column event list with banded rows and inactive events
// in their colour, the folder's buttons and hints. Every action goes to the folder presenter.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "ui/scenario/event_list_folder.h"
#include "ui/shell/keywords.h"

class QTreeWidget;
class QHBoxLayout;
class QPushButton;

namespace tarvel::app {

class EventListPage : public QWidget, public ui::EventListView {
  Q_OBJECT

 public:
  // colour gives a program colour (0x00BBGGRR) by index; the keywords shade the band.
  EventListPage(ui::EventListFolder& folder, std::function<std::uint32_t(int)> colour,
                const ui::Keywords& keywords, QWidget* parent = nullptr);

  void ShowRows(const std::vector<ui::EventListRow>& rows, int selection) override;
  QTreeWidget* list() const { return list_; }
  QPushButton* button(ui::EventListButton id) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void AddButton(QHBoxLayout* row, const QString& text, ui::EventListButton id);
  int CurrentRow() const;

  ui::EventListFolder& folder_;
  std::function<std::uint32_t(int)> colour_;
  const ui::Keywords& keywords_;
  std::vector<ui::EventListRow> rows_;  // as last shown
  QTreeWidget* list_;
  std::vector<std::pair<ui::EventListButton, QPushButton*>> buttons_;
};

}  // namespace tarvel::app
