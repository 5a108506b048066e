// The pages shown under the tab strip until their own folders exist: the maker's start page,
// the graph folders' page, and simple read-only lists of the accounts, the scenario's events
// and the results of the last run.
#pragma once

#include <QWidget>

#include "engine/run.h"
#include "model/money_format.h"
#include "model/records.h"

class QLabel;
class QListWidget;
class QTreeWidget;

namespace tarvel::app {

// The maker's page shown the first time the first folder is selected.
class StartPage : public QWidget {
  Q_OBJECT
 public:
  explicit StartPage(QWidget* parent = nullptr);
};

// A graph folder's title over a note until the graph pages draw here.
class GraphPlaceholderPage : public QWidget {
  Q_OBJECT
 public:
  explicit GraphPlaceholderPage(QWidget* parent = nullptr);
  void Show(const QString& title, const engine::Run* run, const model::Currency& currency);

 private:
  QLabel* title_;
  QLabel* note_;
};

class AccountListPage : public QWidget {
  Q_OBJECT
 public:
  explicit AccountListPage(QWidget* parent = nullptr);
  void Fill(const model::Scenario& scenario, const model::Currency& currency);
  QTreeWidget* list() const { return list_; }

 private:
  QTreeWidget* list_;
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

// The results list of the last run, one schedule line per row, red flags in red.
class ResultsListPage : public QWidget {
  Q_OBJECT
 public:
  explicit ResultsListPage(QWidget* parent = nullptr);
  void Fill(const engine::Run& run, const model::Currency& currency);
  QListWidget* list() const { return list_; }

 private:
  QListWidget* list_;
};

}  // namespace tarvel::app
