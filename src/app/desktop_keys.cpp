// The keys preference and the folder keys.
#include "app/desktop_keys.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>
#include <fstream>
#include <optional>

#include "app/menu_builder.h"
#include "app/planner_session.h"
#include "model/planner_options_file.h"

namespace tarvel::app {
namespace {

// Where an earlier version of the planner kept the choice: "desktop" or "planner".
constexpr char kOldKeysFile[] = "keys.dat";

void AddFolderKeys(QMainWindow& window, std::span<const std::string_view> keys,
                   std::function<void()> move) {
  for (std::string_view key : keys) {
    auto* shortcut =
        new QShortcut(QKeySequence(QString::fromUtf8(key.data(), key.size())), &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, move);
  }
}

// The first word of the older keys file; an empty word when the file exists without one.
std::optional<std::string> OldKeysFileWord(const std::string& folder) {
  std::ifstream file(folder + "/" + kOldKeysFile);
  if (!file) return std::nullopt;
  std::string word;
  file >> word;
  return word;
}

}  // namespace

ui::KeyScheme ReadKeyScheme(const std::string& folder) {
  const std::optional<std::string> options_word =
      model::ReadPlannerOption(folder, ui::kKeySchemeOption);
  const std::optional<std::string> old_word = OldKeysFileWord(folder);
  return ui::ChosenKeyScheme(options_word, old_word);
}

DesktopKeys::DesktopKeys(QMainWindow& window, MenuBuilder& menus, PlannerSession& session,
                         std::function<void(int step)> step)
    : QObject(&window), menus_(menus), session_(session) {
  preference_ = new QAction(MenuText(ui::kClassicKeysText), this);
  preference_->setObjectName("classic_keys");
  preference_->setCheckable(true);
  if (QMenu* edit = menus_.menu("Edit")) {
    edit->addSeparator();
    edit->addAction(preference_);
  }
  AddFolderKeys(window, ui::NextFolderKeys(), [step] { step(1); });
  AddFolderKeys(window, ui::PreviousFolderKeys(), [step] { step(-1); });
  Apply(ReadKeyScheme(session_.program().working_directory));
  connect(preference_, &QAction::toggled, this, [this](bool classic) {
    Choose(classic ? ui::KeyScheme::Classic : ui::KeyScheme::Standard);
  });
}

void DesktopKeys::Apply(ui::KeyScheme scheme) {
  scheme_ = scheme;
  menus_.ApplyKeyScheme(scheme);
  const QSignalBlocker quiet(preference_);
  preference_->setChecked(scheme == ui::KeyScheme::Classic);
}

// The keys change at once; a choice that cannot be written lasts until the planner closes.
void DesktopKeys::Choose(ui::KeyScheme scheme) {
  Apply(scheme);
  const model::FileResult written = model::WritePlannerOption(
      session_.program().working_directory, ui::kKeySchemeOption, ui::KeySchemeWord(scheme));
  if (!written.ok()) {
    session_.prompter().Ask(
        {"Cannot write " + written.file +
             ". The keys are changed until the planner closes; the next start uses "
             "the keys chosen before.",
         "FILE ERROR", platform::Buttons::Ok, platform::Icon::Warning});
  }
}

}  // namespace tarvel::app
