// The maker's page shown the first time the first folder is selected.
#pragma once

#include <QWidget>

namespace tarvel::app {

class StartPage : public QWidget {
  Q_OBJECT
 public:
  explicit StartPage(QWidget* parent = nullptr);
};

}  // namespace tarvel::app
