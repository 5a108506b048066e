// The pages shown under the tab strip until their own folders exist: the maker's start page
// and a simple read-only list of the accounts.
#pragma once

#include <QWidget>

#include "engine/run.h"
#include "model/money_format.h"
#include "model/records.h"

class QTreeWidget;

namespace tarvel::app {

// The maker's page shown the first time the first folder is selected.
class StartPage : public QWidget {
  Q_OBJECT
 public:
  explicit StartPage(QWidget* parent = nullptr);
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

}  // namespace tarvel::app
