// The results folder's behaviour: runs in their variants, positioning after each run, the
// "Go To" check, double-click rules, the three runs of a save and the look of each row.
#include "ui/shell/results_folder.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <numeric>
#include <optional>
#include <string_view>

#include "graphs/graph_program.h"
#include "model/money_format.h"
#include "model/records.h"
#include "ui/shell/band_colours.h"
#include "ui/shell/run_problem_boxes.h"

namespace tarvel::ui {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr int kRedFlagColourIndex = 14;
constexpr int kBandColourIndex = 15;
constexpr std::size_t kGoToLength = 9;
constexpr std::size_t kAgePrefixLength = 6;
constexpr double kLowestAge = 1.0;
constexpr double kHighestAge = 120.0;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The number at the start of the text after leading blanks, as atof reads it (but in every
// locale); nothing when the text does not start with one.
std::optional<double> LeadingNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc()) return std::nullopt;
  return value;
}

// A typed age: the whole text (blanks aside) must be a plain decimal number.
std::optional<double> TypedAge(std::string_view text) {
  text = TrimBlanks(text.substr(0, std::min(text.size(), kGoToLength)));
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (!IsDigit(c) && c != '.' && c != '-' && c != '+') return std::nullopt;
  }
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The age a row starts with, when its first characters read as one.
std::optional<int> RowAge(std::string_view text) {
  const std::string_view prefix = text.substr(0, std::min(text.size(), kAgePrefixLength));
  const bool first_digit = !prefix.empty() && IsDigit(prefix[0]);
  const bool second_digit = prefix.size() > 1 && prefix[1] >= '1' && prefix[1] <= '9';
  if (!first_digit && !second_digit) return std::nullopt;
  const std::optional<double> value = LeadingNumber(prefix);
  if (!value || *value < 0 || *value > kHighestAge) return -1;
  return static_cast<int>(*value);
}

}  // namespace

std::array<int, kColumnCount> ColumnWidths(int width) { return ColumnWidths(width, {}); }

std::array<int, kColumnCount> ColumnWidths(int width, const std::array<int, kColumnCount>& least) {
  std::array<int, kColumnCount> widths = least;
  std::array<bool, kColumnCount> at_least{};
  // A column whose share is too narrow keeps its least width; the others share the rest.
  for (bool settled = false; !settled;) {
    settled = true;
    int rest = width;
    int shares = 0;
    for (int column = 0; column < kColumnCount; ++column) {
      if (at_least[column]) {
        rest -= least[column];
      } else {
        shares += kColumnShares[column];
      }
    }
    if (shares == 0 || rest <= 0) return least;
    int used = 0;
    int last_free = 0;
    for (int column = 0; column < kColumnCount; ++column) {
      if (at_least[column]) continue;
      widths[column] = kColumnShares[column] * rest / shares;
      used += widths[column];
      last_free = column;
      if (widths[column] < least[column]) {
        widths[column] = least[column];
        at_least[column] = true;
        settled = false;
      }
    }
    if (settled) widths[last_free] += rest - used;
  }
  return widths;
}

ResultsFolder::ResultsFolder(ResultsFolderHost& host, platform::Prompter& prompter,
                             platform::Launcher& launcher, const Keywords& keywords)
    : host_(host), prompter_(prompter), launcher_(launcher), keywords_(keywords) {}

void ResultsFolder::Attach(ResultsFolderView* view) {
  view_ = view;
  if (view_ == nullptr) return;
  view_->SetDetailedChecked(detailed_);
  view_->SetShowAccountsChecked(show_accounts_);
  ShowLastRun();
}

void ResultsFolder::ShowLastRun() {
  TakeResults(host_.LastRun());
  Reposition();
}

engine::RunOptions ResultsFolder::ListOptions() const {
  engine::RunOptions options;
  options.mode = engine::OutputMode::ResultsList;
  options.detailed = detailed_;
  options.show_accounts = show_accounts_;
  return options;
}

bool ResultsFolder::HandleCommand(int id) {
  switch (static_cast<ResultsCommand>(id)) {
    case ResultsCommand::EditInitialValues:
      if (host_.EditInitialValues()) RunList(ListOptions());
      Reposition();
      return true;
    case ResultsCommand::Save:
      Save();
      return true;
    case ResultsCommand::Print:
      host_.PrintResults();
      return true;
    case ResultsCommand::Help:
      host_.ShowHelp(kResultsHelpTopic);
      return true;
    case ResultsCommand::Top:
      SetScrollMode(ScrollMode::Top);
      return true;
    case ResultsCommand::Bottom:
      SetScrollMode(ScrollMode::Bottom);
      return true;
    case ResultsCommand::RunAgain:
      RunList(ListOptions());
      Reposition();
      return true;
    case ResultsCommand::ShowDetailed:
      ToggleDetailed();
      return true;
    case ResultsCommand::ShowAccounts:
      ToggleShowAccounts();
      return true;
    case ResultsCommand::GoTo:
      GoTo();
      return true;
    case ResultsCommand::RandomAccountRates:
      RunWithRandomRates(true);
      return true;
    case ResultsCommand::RandomGroupRates:
      RunWithRandomRates(false);
      return true;
    case ResultsCommand::Close:
      Close();
      return true;
    case ResultsCommand::GraphWindow:
      StartGraphWindow();
      return true;
    case ResultsCommand::EditAccounts:
      EditAccounts();
      return true;
    case ResultsCommand::GoToEdit:
      break;
  }
  return false;
}

void ResultsFolder::ActivateRow(int row) {
  if (row < 0 || row >= RowCount() || host_.EditorIsOpen()) return;
  const std::optional<int> age = RowAge(results_.lines[row]);
  const int start = static_cast<int>(host_.StartAge());
  const int end = static_cast<int>(host_.EndAge());
  // A number that is no age of the plan leaves the line to its event.
  if (age && *age >= start && *age <= end) {
    target_age_ = *age;
    scroll_mode_ = ScrollMode::TargetAge;
    if (view_ != nullptr) view_->SetGoToText(model::Format("%3d", *age));
    host_.MarkAge(*age);
    Reposition();
    return;
  }
  if (row < static_cast<int>(results_.line_event.size())) {
    const int event = results_.line_event[row];
    if (event >= 0 && event < model::kMaxEvents) host_.EditEvent(event);
  }
}

void ResultsFolder::ScrollToAge(int age) {
  target_age_ = age;
  SetScrollMode(ScrollMode::TargetAge);
}

int ResultsFolder::FirstAge() const { return static_cast<int>(host_.StartAge()); }

int ResultsFolder::LastAge() const { return static_cast<int>(host_.EndAge()); }

ResultsRow ResultsFolder::Row(int row) const {
  const std::string_view text = results_.lines[row];
  ResultsRow shown;
  shown.background = row % 2 == 0 ? kWhite : BandColour();
  shown.text_colour = results::UsesRedFlagColour(text, currency_symbol_)
                          ? host_.Colour(kRedFlagColourIndex)
                          : kBlack;
  const results::LineClass line_class = results::ClassifyLine(text, currency_symbol_);
  if (line_class == results::LineClass::SummaryRow) {
    shown.kind = RowKind::Summary;
    shown.cells = results::SplitSummaryRow(text);
  } else if (line_class == results::LineClass::PurchasingPower && host_.ShowsPurchasingPower()) {
    shown.kind = RowKind::PurchasingPower;
    results::PurchasingPowerCells cells =
        results::SplitPurchasingPowerRow(text, host_.StartAge(), currency_symbol_);
    shown.cells[6] = std::move(cells.label);
    shown.cells[7] = std::move(cells.value);
  } else {
    shown.kind = RowKind::Text;
    shown.text = text;
  }
  return shown;
}

void ResultsFolder::RunList(const engine::RunOptions& options) {
  const results::ScheduleRun& run = host_.RunScenario(options);
  ShowRunProblems(run, prompter_);
  TakeResults(run);
}

bool ResultsFolder::RunToFile(const engine::RunOptions& options) {
  const engine::Run& run = host_.RunScenario(options);
  ShowRunProblems(run, prompter_);
  // The run is abandoned when its results or print file cannot be opened.
  for (const engine::RunProblem& problem : run.problems) {
    if (problem.kind == engine::RunProblemKind::ResultsFileNotOpened ||
        problem.kind == engine::RunProblemKind::PrintFileNotOpened) {
      return false;
    }
  }
  return true;
}

void ResultsFolder::TakeResults(const results::ScheduleRun& run) {
  results_ = run.results();
  currency_symbol_ = run.options.currency.symbol;
  if (view_ != nullptr) view_->ReloadRows();
}

void ResultsFolder::Reposition() {
  if (view_ == nullptr || RowCount() == 0) return;
  const int last = RowCount() - 1;
  switch (scroll_mode_) {
    case ScrollMode::Bottom:
      view_->ScrollToRow(last, RowPlacement::Visible);
      break;
    case ScrollMode::Top:
      view_->ScrollToRow(0, RowPlacement::Visible);
      break;
    case ScrollMode::TargetAge: {
      int row = 0;
      if (target_age_ >= 0 && target_age_ < results::kMappedAges) {
        row = std::min(results_.age_line[target_age_], last);
      }
      view_->ScrollToRow(last, RowPlacement::Visible);
      view_->ScrollToRow(row, RowPlacement::AtTop);
      break;
    }
  }
}

void ResultsFolder::GoTo() {
  const std::optional<double> typed = view_ ? TypedAge(view_->GoToText()) : std::nullopt;
  if (!typed || !(*typed >= kLowestAge && *typed <= kHighestAge)) {
    platform::Message message;
    message.text = "This age must be between 1.0 and 120.0.";
    message.caption = "AGE ERROR";
    message.icon = platform::Icon::Warning;
    prompter_.Ask(message);
    return;
  }
  const int age = static_cast<int>(*typed);
  target_age_ = age;
  // Beyond either end the list shows that end, and later runs keep showing it.
  if (age > static_cast<int>(host_.EndAge())) {
    SetScrollMode(ScrollMode::Bottom);
  } else if (age < static_cast<int>(host_.StartAge())) {
    SetScrollMode(ScrollMode::Top);
  } else {
    SetScrollMode(ScrollMode::TargetAge);
  }
}

void ResultsFolder::Save() {
  platform::FileDialog dialog;
  dialog.title = "Save Results To A File";
  dialog.filters = {{"Result Files (*.SCH)", "*.sch;*.SCH"}};
  dialog.default_extension = "sch";
  const std::optional<std::string> path = prompter_.ChooseFileToSave(dialog);
  if (!path) return;

  engine::RunOptions schedule = ListOptions();
  schedule.mode = engine::OutputMode::ResultsFile;
  schedule.saving = true;
  schedule.output_file = *path;
  schedule.write_run_files = false;
  if (RunToFile(schedule)) {
    engine::RunOptions print = ListOptions();
    print.mode = engine::OutputMode::PrintFile;
    print.suppress_detail = true;
    print.write_run_files = false;  // the print file goes to the working directory
    RunToFile(print);
  }
  // Always rebuilt, so the graphs and reports keep the results of a complete run.
  RunList(ListOptions());
  Reposition();
}

void ResultsFolder::RunWithRandomRates(bool accounts) {
  host_.ResetRateStatistics();
  engine::RunOptions options = ListOptions();
  options.random_accounts = accounts;
  options.random_groups = !accounts;
  RunList(options);
  Reposition();
}

void ResultsFolder::ToggleDetailed() {
  detailed_ = !detailed_;
  if (view_ != nullptr) view_->SetDetailedChecked(detailed_);
  RunList(ListOptions());
  Reposition();
}

void ResultsFolder::ToggleShowAccounts() {
  show_accounts_ = !show_accounts_;
  if (view_ != nullptr) view_->SetShowAccountsChecked(show_accounts_);
  RunList(ListOptions());
  Reposition();
}

void ResultsFolder::SetScrollMode(ScrollMode mode) {
  scroll_mode_ = mode;
  Reposition();
}

// The banding colour of the odd rows.
std::uint32_t ResultsFolder::BandColour() const {
  return ScreenBandColour(host_.Colour(kBandColourIndex), keywords_);
}

void ResultsFolder::Close() {
  host_.RefreshEventList();
  host_.CloseResultsFolder();
}

// The graph program reads the plot file the last run wrote.
void ResultsFolder::StartGraphWindow() {
  const engine::RunOptions& run = host_.LastRun().options;
  graphs::StartGraphProgram(launcher_, run.plot_file_name, run.currency.word);
}

void ResultsFolder::EditAccounts() {
  host_.EditAccounts();
  RunList(ListOptions());
  Reposition();
}

}  // namespace tarvel::ui
