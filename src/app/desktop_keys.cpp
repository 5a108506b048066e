// The keys preference and the folder keys.
#include "app/desktop_keys.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>
#include <fstream>

#include "app/menu_builder.h"

namespace tarvel::app {
namespace {

constexpr char kKeysFile[] = "keys.dat";
constexpr char kDesktopWord[] = "desktop";

void AddFolderKeys(QMainWindow& window, std::span<const std::string_view> keys,
                   std::function<void()> move) {
  for (std::string_view key : keys) {
    auto* shortcut =
        new QShortcut(QKeySequence(QString::fromUtf8(key.data(), key.size())), &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, move);
  }
}

}  // namespace

ui::KeyScheme ReadKeyScheme(const std::string& folder) {
  std::ifstream file(folder + "/" + kKeysFile);
  std::string word;
  if (file >> word && word == kDesktopWord) return ui::KeyScheme::Desktop;
  return ui::KeyScheme::Planner;
}

bool WriteKeyScheme(const std::string& folder, ui::KeyScheme scheme) {
  std::ofstream file(folder + "/" + kKeysFile, std::ios::trunc);
  file << (scheme == ui::KeyScheme::Desktop ? kDesktopWord : "planner") << "\n";
  return static_cast<bool>(file);
}

DesktopKeys::DesktopKeys(QMainWindow& window, MenuBuilder& menus, std::string folder,
                         std::function<void(int step)> step)
    : QObject(&window), menus_(menus), folder_(std::move(folder)) {
  preference_ = new QAction(tr("Use the Desktop's Standard Keys"), this);
  preference_->setObjectName("desktop_keys");
  preference_->setCheckable(true);
  if (QMenu* edit = menus_.menu("Edit")) {
    edit->addSeparator();
    edit->addAction(preference_);
  }
  AddFolderKeys(window, ui::NextFolderKeys(), [step] { step(1); });
  AddFolderKeys(window, ui::PreviousFolderKeys(), [step] { step(-1); });
  Apply(ReadKeyScheme(folder_));
  connect(preference_, &QAction::toggled, this, [this](bool desktop) {
    const ui::KeyScheme scheme = desktop ? ui::KeyScheme::Desktop : ui::KeyScheme::Planner;
    Apply(scheme);
    WriteKeyScheme(folder_, scheme);
  });
}

void DesktopKeys::Apply(ui::KeyScheme scheme) {
  scheme_ = scheme;
  menus_.ApplyKeyScheme(scheme);
  const QSignalBlocker quiet(preference_);
  preference_->setChecked(scheme == ui::KeyScheme::Desktop);
}

}  // namespace tarvel::app
