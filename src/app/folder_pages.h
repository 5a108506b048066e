// The pages shown under the tab strip until their own folders exist: the maker's start page
// and a simple read-only list of the scenario's events.
#pragma once

#include <QWidget>

#include "engine/run.h"
#include "model/money_format.h"
#include "model/records.h"

class QListWidget;

namespace tarvel::app {

// The maker's page shown the first time the first folder is selected.
class StartPage : public QWidget {
  Q_OBJECT
 public:
  explicit StartPage(QWidget* parent = nullptr);
};

class EventListPage : public QWidget {
  Q_OBJECT
 public:
  explicit EventListPage(QWidget* parent = nullptr);
  void Fill(const model::Scenario& scenario, const model::Currency& currency);
  QListWidget* list() const { return list_; }

 private:
  QListWidget* list_;
};

}  // namespace tarvel::app
