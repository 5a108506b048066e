// The page shown in place of the summary while no plan is open: buttons for a new plan, a
// plan on disk, the sample plans and the recent plans.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/commands/first_start.h"

class QVBoxLayout;

namespace tarvel::app {

class FirstStartPage : public QWidget {
  Q_OBJECT
 public:
  using Choose = std::function<void(const ui::StartChoice&)>;
  FirstStartPage(Choose choose, QWidget* parent = nullptr);

  // Builds the buttons for these choices, replacing the last ones.
  void Fill(const ui::StartPageContent& content);

 private:
  void AddSection(const QString& heading, const std::vector<ui::StartChoice>& choices,
                  const QString& when_empty);

  Choose choose_;
  QWidget* sections_ = nullptr;
  QVBoxLayout* sections_layout_ = nullptr;
};

}  // namespace tarvel::app
