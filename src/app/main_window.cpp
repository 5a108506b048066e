// The main window: start-up of the window, folder switching, the shell view for the command
// handlers, the results folder's host, and closing.
#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <chrono>

#include "app/accounts_folder_page.h"
#include "app/data_paths.h"
#include "app/desktop_keys.h"
#include "app/event_list_page.h"
#include "app/first_start_page.h"
#include "app/folder_area.h"
#include "app/graph_folders.h"
#include "app/menu_builder.h"
#include "app/monte_carlo_page.h"
#include "app/planner_links.h"
#include "app/qt_dialog_renderer.h"
#include "app/report_window.h"
#include "app/results_folder_page.h"
#include "app/start_page.h"
#include "app/tool_window_place.h"
#include "app/window_placement.h"
#include "engine/data_folders.h"
#include "engine/random_rates.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "model/startup_file.h"
#include "painting/text_1252.h"
#include "ui/accounts/account_commands.h"
#include "ui/analysis/monte_carlo_folder.h"
#include "ui/commands/scenario_file_steps.h"
#include "ui/editors/add_event_chooser.h"
#include "ui/options/rmd_table_fill.h"
#include "ui/scenario/event_editor_command.h"
#include "ui/shell/budget_menu.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"
#include "ui/shell/recent_menu.h"

namespace tarvel::app {
namespace {

constexpr char kProgramTitle[] = "Tarvel Financial Planner";
// The first tab while it shows the first-start page.
constexpr char kStartCaption[] = "Start";
constexpr int kStartPageMilliseconds = 2000;
constexpr int kMinimumWidth = 600;
constexpr int kMinimumHeight = 300;
constexpr int kImportAccountDataCommand = 13;  // the Accounts folder's Import button
// A saved width below the minimum opens this wide.
constexpr int kNarrowSavedWidth = 640;
// With no saved window at all (a first start) the window opens wide enough for the toolbar.
constexpr int kFirstStartWidth = 1000;
constexpr int kFirstStartHeight = 680;
constexpr int kStatusMilliseconds = 5000;

// The saved window: a width below the minimum opens 640 wide and the saved height is kept.
QRect SavedWindowRect(const model::WindowGeometry& saved) {
  if (saved.width == 0 && saved.height == 0) {
    return QRect(saved.left, saved.top, kFirstStartWidth, kFirstStartHeight);
  }
  const int width = saved.width < kMinimumWidth ? kNarrowSavedWidth : saved.width;
  return QRect(saved.left, saved.top, width, std::max(saved.height, kMinimumHeight));
}

}  // namespace

ui::LinkAddresses PlannerAddresses() {
  return {BugReportMail(CurrentSystemDetails()).toStdString(), ManualAddress().toStdString()};
}

MainWindow::MainWindow(PlannerSession& session, Options options)
    : session_(session),
      options_(options),
      context_{session.program(), session.scenario(), session.state(), *this,
               session.editors(), session.prompter()},
      dispatcher_(context_),
      results_folder_(*this, session.prompter(), session.launcher(), session.state().keywords),
      event_list_(session.scenario(), session.program(), session.state(), session.prompter(),
                  *this) {
  setObjectName("main_window");
  setWindowTitle(kProgramTitle);
  setWindowIcon(QIcon::fromTheme(
      "tarvel-planner",
      QIcon(QStringLiteral(TARVEL_SOURCE_DATA_DIR "/desktop/icons/tarvel-planner.svg"))));
  session_.SetParentWindow(this);
  menus_ = new MenuBuilder(*this, [this](int id) { DispatchCommand(id); });
  folders_ = new FolderArea(this);
  setCentralWidget(folders_);
  BuildFolderPages();
  page_printer_ = std::make_unique<QtPagePrinter>(
      this, [this] { session_.help().ShowTopic(ui::kPrintPreviewHelpTopic); });
  report_windows_ = std::make_unique<ReportWindows>(
      session, *this, [this](const results::ReportPrintRequest& request) {
        if (print_commands_ != nullptr) print_commands_->PrintReport(request);
      });
  handlers_ = std::make_unique<ui::CommandHandlers>(
      context_, ui::HandlerServices{session.dialogs(), session.help(), session.launcher(),
                                    *graph_folders_, PlannerAddresses(), session.clock(),
                                    [this] { ShowEventChooser(); }, report_windows_.get(),
                                    &page_printer_->printer()});
  print_commands_ = &handlers_->AddPrintCommands(
      context_,
      ui::PrintCommandServices{*page_printer_, session.dialogs(), *graph_folders_, session.clock(),
                               [this](const engine::RunOptions& options) -> const engine::Run& {
                                 return RunScenario(options);
                               }});
  handlers_->AddTo(dispatcher_);
  start_presenter_ = std::make_unique<ui::StartPagePresenter>(context_, dispatcher_);
  connect(folders_, &FolderArea::FolderRequested, this, &MainWindow::SwitchFolder);
  keys_ = new DesktopKeys(*this, *menus_, session, [this](int step) {
    // Steps by tab: the tabs carry their folder numbers, which need not follow their order.
    const int count = tab_bar()->count();
    if (count == 0) return;
    const int index = (tab_bar()->currentIndex() + step + count) % count;
    SwitchFolder(tab_bar()->tabData(index).toInt());
  });
  statusBar()->showMessage(tr("Ready"), kStatusMilliseconds);
}

MainWindow::~MainWindow() {
  results_folder_.Attach(nullptr);
  event_list_.Attach(nullptr);
  CloseEventChooser();
}

void MainWindow::BuildFolderPages() {
  start_page_ = new StartPage(folders_);
  first_start_page_ = new FirstStartPage(
      [this](const ui::StartChoice& choice) {
        start_presenter_->Choose(choice);
        NoticeFirstEdit();
      },
      folders_);
  accounts_page_ = new AccountsFolderPage(
      session_.scenario(), session_.prompter(), session_.help(),
      AccountsFolderActions{[this] { return EditorIsOpen(); },
                            [this](int position) { OpenAccountDialog(position); },
                            [this] { AccountsChanged(); },
                            [this] { DispatchCommand(kImportAccountDataCommand); },
                            [this](const std::vector<int>& order) {
                              if (print_commands_ != nullptr)
                                print_commands_->PrintAccountsList(order);
                            }},
      folders_);
  events_page_ = new EventListPage(
      event_list_, [this](int index) { return Colour(index); }, session_.state().keywords,
      folders_);
  results_page_ = new ResultsFolderPage(results_folder_, folders_);
  for (QWidget* page : std::initializer_list<QWidget*>{
           start_page_, first_start_page_, accounts_page_, events_page_, results_page_}) {
    folders_->AddPage(page);
  }
  // A zoom re-runs so that the plot file holds the zoomed ages.
  graph_folders_ = std::make_unique<GraphFolders>(
      *folders_, [this] { RunForGraphRange(); },
      [this](const QString& hint) { statusBar()->showMessage(hint); });
  graph_folders_->SetCurrency(session_.program().currency);
  graph_folders_->UsePageMargins(session_.program().margins);
  BuildMonteCarloPage();
}

void MainWindow::PlaceWindow() {
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  PlaceInsideScreen(*this, SavedWindowRect(session_.program().window));
}

void MainWindow::StartUp(const std::string& scenario_path) {
  PlaceWindow();
  session_.CheckWorkingFolder();
  ui::ShellState& state = session_.state();
  const bool known_start = session_.ReadStartupFile();
  if (!scenario_path.empty()) {
    session_.program().open_name = scenario_path;
    model::AddRecentFile(session_.program(), scenario_path);
  }
  // A start-up file that names no plan of the user's (a first start ended without saving
  // one) starts as a first start does.
  const bool names_a_plan = !ui::IsWorkingScenarioName(session_.program().open_name);
  if ((known_start && names_a_plan) || !scenario_path.empty()) {
    // Only a first start greys the scenario commands: a last scenario that cannot be read
    // leaves an empty scenario to work on.
    state.scenario_loaded = true;
    RebuildRecentMenu();
    if (session_.ReadLastScenario()) {
      SetTitle(ui::WindowTitle(session_.program().open_name));
      RunScenario();
    }
  } else {
    StartWithoutAPlan();
  }
  if (session_.OfferRecovery()) {
    state.scenario_loaded = true;
    SetTitle(ui::WindowTitle(session_.program().open_name));
    RunScenario();
  }
  EnableScenarioCommands(state.scenario_loaded);
  RebuildBudgetMenu();
  menus_->SetChecked(ui::kKeepBackupsCommand, session_.program().keep_backups);
  RefreshFolders();
  SwitchFolder(ui::kSummaryFolder);
  // Unsaved edits are copied for crash recovery every two minutes (and before each run).
  auto* recovery_timer = new QTimer(this);
  connect(recovery_timer, &QTimer::timeout, this, [this] { session_.KeepRecoveryCopy(); });
  recovery_timer->start(std::chrono::minutes(2));
}

void MainWindow::StartWithoutAPlan() {
  model::Scenario& scenario = session_.scenario();
  model::FillAllocationCategoryDefaults(scenario);
  model::ApplyNewScenarioDefaults(scenario);
  ui::FillNewPlanRmdTables(scenario, session_.program(),
                           engine::NewPlanRmdStartAge(scenario.initial, session_.clock().Today()));
  scenario.modified = false;
  session_.program().open_name = model::kFallbackScenarioName;
  session_.program().save_name = model::kFallbackScenarioName;
  SetTitle(ui::WindowTitle(session_.program().open_name));
}

void MainWindow::NoticeFirstEdit() {
  ui::ShellState& state = session_.state();
  if (state.scenario_loaded || !session_.scenario().modified) return;
  state.scenario_loaded = true;
  EnableScenarioCommands(true);
  SetTitle(ui::WindowTitle(session_.program().open_name));
  RefreshFolders();
}

ui::DispatchResult MainWindow::DispatchCommand(int id) {
  const ui::DispatchResult result = dispatcher_.DispatchCommand(id);
  NoticeFirstEdit();
  // A budget item's check mark follows the budget, not the click.
  if (id >= ui::kFirstBudgetCommand && id < ui::kFirstBudgetCommand + ui::kBudgetCommandCount) {
    RebuildBudgetMenu();
  }
  // So does the backup item's, which stays as it was when the choice could not be written.
  if (id == ui::kKeepBackupsCommand) {
    menus_->SetChecked(id, session_.program().keep_backups);
  }
  return result;
}

QTabBar* MainWindow::tab_bar() const { return folders_->tab_bar(); }

QWidget* MainWindow::current_page() const { return folders_->current_page(); }

int MainWindow::AccountCount() const { return model::AccountCount(session_.scenario()); }

std::string MainWindow::GroupFolderName() const {
  return session_.scenario().groups.folder_name.str();
}

void MainWindow::SwitchFolder(int index) {
  if (index == ui::kMonteCarloFolder) {
    ShowMonteCarloFolder();
    return;
  }
  ui::ShellState& state = session_.state();
  ui::FolderSwitchState switch_state;
  switch_state.current_folder = state.current_folder;
  switch_state.editor_open = session_.editors().EditorIsOpen(state.printing);
  switch_state.results_stale = state.results_stale;
  switch_state.results_folder_built = !session_.last_run().periods.empty();
  switch_state.event_chooser_open = event_chooser_ != nullptr;
  const ui::FolderSwitch decision = ui::DecideFolderSwitch(switch_state, index);
  if (decision.refused) {
    folders_->SelectTabQuietly(state.current_folder);
    return;
  }
  if (decision.recompute_and_run && state.scenario_loaded) {
    model::RecomputeInitialTotals(session_.scenario());
    RunScenario();
  }
  if (decision.leave_results_folder) state.results_folder_open = false;
  if (decision.close_event_chooser) CloseEventChooser();
  state.current_folder = index;
  EnablePrintCurrentGraph();
  if (index == ui::kSummaryFolder && state.start_page_pending) {
    // Without a plan the first-start page takes the place of the maker's page.
    const bool show = options_.show_start_page && session_.program().hide_maker_page == 0 &&
                      !ui::ShowsStartPage(state, session_.scenario());
    if (show && !start_page_showing_) {
      start_page_showing_ = true;
      folders_->ShowPage(start_page_);
      RefreshFolders();
      QTimer::singleShot(kStartPageMilliseconds, this, &MainWindow::FinishStartPage);
      return;
    }
    if (!show) state.start_page_pending = false;
  }
  RefreshFolders();
  ShowFolderPage(index);
}

void MainWindow::FinishStartPage() {
  start_page_showing_ = false;
  session_.state().start_page_pending = false;
  RefreshFolders();
  if (session_.state().current_folder == ui::kSummaryFolder) ShowFolderPage(ui::kSummaryFolder);
}

void MainWindow::ShowFolderPage(int index) {
  const model::Currency& currency = session_.program().currency;
  switch (index) {
    case ui::kAccountsFolder:
      accounts_page_->Fill(currency);
      folders_->ShowPage(accounts_page_);
      return;
    case ui::kScenarioFolder:
      event_list_.Attach(events_page_);
      folders_->ShowPage(events_page_);
      events_page_->list()->setFocus();
      return;
    case ui::kResultsFolder:
      session_.state().results_folder_open = true;
      results_folder_.ShowLastRun();
      folders_->ShowPage(results_page_);
      return;
    default:
      break;
  }
  if (index == ui::kSummaryFolder && ui::ShowsStartPage(session_.state(), session_.scenario())) {
    ui::StartPageContent content = ui::StartPageChoices(
        session_.program(), ui::FindSamplePlans(engine::ProgramSamplePlanFolders()));
    content.keys_note = ui::KeySchemeNote(keys_->scheme());
    first_start_page_->Fill(content);
    folders_->ShowPage(first_start_page_);
    return;
  }
  GraphPage* page = graph_folders_->Prepare(index, AccountCount());
  if (page == nullptr) page = graph_folders_->page(ui::kSummaryFolder);
  folders_->ShowPage(page);
  page->setFocus();
}

void MainWindow::EnablePrintCurrentGraph() {
  const ui::ShellState& state = session_.state();
  const bool enabled = state.scenario_loaded && ui::IsGraphFolder(state.current_folder);
  menus_->Action(ui::kPrintCurrentGraphCommand)->setEnabled(enabled);
  menus_->Action(ui::kPrintCurrentGraphKeyCommand)->setEnabled(enabled);
}

const results::ScheduleRun& MainWindow::RunWithGraphRange(engine::RunOptions options,
                                                          bool show_messages) {
  options.graph_range = graph_folders_->graph_range();
  const results::ScheduleRun& run = session_.Run(options, show_messages);
  if (options.mode == engine::OutputMode::ResultsList) {
    graph_folders_->SetRun(session_.last_run(), session_.scenario());
  }
  return run;
}

void MainWindow::OpenAccountDialog(int position) {
  session_.state().edit_target = position;
  DispatchCommand(ui::kAddAccountCommand);
  session_.state().edit_target = -1;
}

// A deletion: the results are stale, the tabs follow the count and the folder is rebuilt.
void MainWindow::AccountsChanged() {
  session_.state().results_stale = true;
  model::RecomputeInitialTotals(session_.scenario());
  RefreshFolders();
  NoticeFirstEdit();
}

// --- ui::ShellView ---

void MainWindow::SetTitle(const std::string& title) {
  setWindowTitle(QString::fromStdString(title));
}

void MainWindow::RunScenario() {
  MarkAnalysisStale();
  RunForGraphRange();
}

void MainWindow::SelectFolder(int folder) {
  const int count = ui::FolderCount(AccountCount());
  SwitchFolder(folder >= 0 && folder < count ? folder : ui::kSummaryFolder);
}

void MainWindow::RefreshFolders() {
  const ui::ShellState& state = session_.state();
  std::vector<std::string> captions =
      ui::FolderCaptions(AccountCount(), GroupFolderName(), state.start_page_pending);
  if (ui::ShowsStartPage(state, session_.scenario())) captions.front() = kStartCaption;
  folders_->RebuildTabs(captions, state.current_folder);
  folders_->InsertFolderTab(ui::kResultsFolder + 1, ui::kMonteCarloCaption, ui::kMonteCarloFolder);
  if (state.current_folder == ui::kMonteCarloFolder) {
    folders_->SelectTabQuietly(ui::kMonteCarloFolder);
  }
  menus_->SetGroupFolderName(GroupFolderName());
}

// Another scenario or other accounts: the zoom of the old ones does not apply.
void MainWindow::CloseFolderWindows() {
  session_.state().results_folder_open = false;
  graph_folders_->ResetZoom();
}

void MainWindow::RebuildRecentMenu() {
  menus_->SetRecentFiles(ui::RecentMenuItems(session_.program()));
}

void MainWindow::RebuildBudgetMenu() {
  menus_->SetBudgets(ui::UpdateBudgetMenu(session_.scenario()));
}

void MainWindow::RefreshEventList() {
  if (session_.state().current_folder == ui::kScenarioFolder) event_list_.Refresh();
}

void MainWindow::RunAgainInResultsFolder() {
  MarkAnalysisStale();
  results_folder_.HandleCommand(static_cast<int>(ui::ResultsCommand::RunAgain));
}

void MainWindow::Repaint() { update(); }

void MainWindow::EnableScenarioCommands(bool enabled) {
  menus_->EnableScenarioCommands(enabled);
  EnablePrintCurrentGraph();
}

void MainWindow::ShowStatus(const std::string& text) {
  statusBar()->showMessage(painting::FromWindows1252(text), kStatusMilliseconds);
}

void MainWindow::ShowAbout() {
  QMessageBox::about(
      this, tr("About Tarvel Financial Planner"),
      tr("<h3>Tarvel Financial Planner</h3><p>Version %1</p>"
         "<p>A retirement planner: describe your accounts, budgets and financial events, "
         "and see your plan simulated year by year over the rest of your life.</p>"
         "<p>Working directory: <tt>%2</tt></p>")
          .arg(TARVEL_VERSION, QDir::toNativeSeparators(
                                   QString::fromStdString(session_.program().working_directory))));
}

void MainWindow::RequestClose() { QTimer::singleShot(0, this, &QWidget::close); }

// --- ui::ResultsFolderHost ---

const results::ScheduleRun& MainWindow::RunScenario(const engine::RunOptions& options) {
  return RunWithGraphRange(options, /*show_messages=*/false);
}

const results::ScheduleRun& MainWindow::LastRun() const { return session_.last_run(); }

float MainWindow::StartAge() const { return session_.scenario().initial.start_age; }

float MainWindow::EndAge() const { return session_.scenario().initial.end_age; }

std::uint32_t MainWindow::Colour(int index) const {
  const auto& colours = session_.program().colours;
  return index >= 0 && index < static_cast<int>(colours.size()) ? colours[index] : 0;
}

bool MainWindow::ShowsPurchasingPower() const {
  return session_.scenario().initial.purchasing_power != 0;
}

void MainWindow::ResetRateStatistics() { engine::ResetAccountRateStatistics(session_.scenario()); }

bool MainWindow::EditorIsOpen() {
  return session_.editors().EditorIsOpen(session_.state().printing);
}

// The dispatcher runs the results folder again after the change, so the folder need not.
bool MainWindow::EditInitialValues() {
  DispatchCommand(ui::kInitialValuesCommand);
  return false;
}

void MainWindow::EditEvent(int slot) {
  if (slot < 0 || slot >= model::EventCount(session_.scenario())) return;
  const std::optional<int> command = ui::EditorCommandOf(session_.scenario().events[slot]);
  if (!command) return;
  session_.state().edit_target = slot;
  DispatchCommand(*command);
  session_.state().edit_target = -1;
}

void MainWindow::PrintResults() { DispatchCommand(ui::kPrintResultsCommand); }

void MainWindow::ShowHelp(int context) { session_.help().ShowTopic(context); }

void MainWindow::MarkAge(int age) { graph_folders_->SetMarkedAge(age); }

void MainWindow::CloseResultsFolder() {
  session_.state().results_folder_open = false;
  if (session_.state().current_folder == ui::kResultsFolder) SwitchFolder(ui::kSummaryFolder);
}

void MainWindow::EditAccounts() { ShowStatus(ui::kNotAvailableStatus); }

// --- ui::EventListHost ---

void MainWindow::PostCommand(int id) { DispatchCommand(id); }

void MainWindow::EnableCommand(int id, bool enabled) {
  if (QAction* action = menus_->Action(id)) action->setEnabled(enabled);
}

void MainWindow::ShowEventChooser() {
  if (event_chooser_ != nullptr) {
    event_chooser_->raise();
    event_chooser_->activateWindow();
    return;
  }
  chooser_presenter_ = std::make_unique<ui::AddEventChooser>(
      session_.scenario(), session_.state(), session_.prompter(), session_.help(),
      [this](int id) { DispatchCommand(id); });
  event_chooser_ = new TemplateDialog(ui::AddEventChooserTemplate(), *chooser_presenter_, this);
  connect(event_chooser_, &QObject::destroyed, this, [this] { event_chooser_ = nullptr; });
  event_chooser_->ShowModeless(TemplateDialog::Kind::ToolWindow);
  if (event_chooser_ != nullptr) PlaceToolWindowBeside(*event_chooser_, *events_page_);
}

void MainWindow::CloseEventChooser() {
  if (event_chooser_ == nullptr) return;
  TemplateDialog* chooser = event_chooser_;
  event_chooser_ = nullptr;
  chooser->disconnect(this);
  delete chooser;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  const QRect frame = frameGeometry();
  const model::WindowGeometry window{frame.x(), frame.y(), width(), height()};
  if (!session_.CloseDown(window)) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace tarvel::app
