// The results folder's behaviour through a fake page and a fake shell: Go To, double-click,
// positioning, the save flow, random-rate runs, check boxes and the look of each row.
#include "ui/shell/results_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/fake_launcher.h"
#include "support/fake_prompter.h"

namespace tarvel::ui {
namespace {

using engine::OutputMode;

// One line of a scripted run: the age it belongs to, its text and its event index.
struct ScriptedLine {
  float age;
  std::string text;
  int event = -1;
};

class FakeHost : public ResultsFolderHost {
 public:
  const results::ScheduleRun& RunScenario(const engine::RunOptions& options) override {
    runs.push_back(options);
    run_.options = options;
    run_.problems.clear();
    if (options.mode == OutputMode::ResultsList) Fill();
    if (on_run) on_run(run_);
    return run_;
  }
  const results::ScheduleRun& LastRun() const override { return run_; }
  float StartAge() const override { return start_age; }
  float EndAge() const override { return end_age; }
  std::uint32_t Colour(int index) const override { return colours[index]; }
  bool ShowsPurchasingPower() const override { return purchasing_power; }
  void ResetRateStatistics() override { calls.push_back("reset statistics"); }
  bool EditorIsOpen() override { return editor_open; }
  bool EditInitialValues() override {
    calls.push_back("edit initial values");
    return initial_values_changed;
  }
  void EditEvent(int slot) override { calls.push_back("edit event " + std::to_string(slot)); }
  void PrintResults() override { calls.push_back("print"); }
  void ShowHelp(int context) override { calls.push_back("help " + std::to_string(context)); }
  void MarkAge(int age) override { calls.push_back("mark " + std::to_string(age)); }
  void RefreshEventList() override { calls.push_back("event list"); }
  void CloseResultsFolder() override { calls.push_back("close"); }
  void EditAccounts() override { calls.push_back("edit accounts"); }

  // Sends the script through a real sink, so the age and event maps are the results sink's.
  void Fill() {
    run_.sink.Begin(OutputMode::ResultsList, nullptr, start_age);
    for (const ScriptedLine& line : script) {
      run_.sink.set_current_age(line.age);
      run_.sink.Emit(line.text, line.event);
    }
  }

  std::vector<ScriptedLine> script;
  std::function<void(results::ScheduleRun&)> on_run;
  std::vector<engine::RunOptions> runs;
  std::vector<std::string> calls;
  std::array<std::uint32_t, model::kColourCount> colours = model::kDefaultColours;
  float start_age = 50;
  float end_age = 90;
  bool purchasing_power = false;
  bool editor_open = false;
  bool initial_values_changed = false;

 private:
  results::ScheduleRun run_;
};

class FakeView : public ResultsFolderView {
 public:
  void ReloadRows() override { ++reloads; }
  void ScrollToRow(int row, RowPlacement placement) override {
    scrolls.emplace_back(row, placement);
  }
  std::string GoToText() const override { return go_to_text; }
  void SetGoToText(const std::string& text) override { go_to_text = text; }
  void SetDetailedChecked(bool checked) override { detailed = checked; }
  void SetShowAccountsChecked(bool checked) override { show_accounts = checked; }

  int reloads = 0;
  std::vector<std::pair<int, RowPlacement>> scrolls;
  std::string go_to_text;
  bool detailed = false;
  bool show_accounts = false;
};

// Ages 50 to 90, each year a summary row and a deposit line of event 3.
std::vector<ScriptedLine> YearlyScript() {
  std::vector<ScriptedLine> script;
  for (int age = 50; age <= 90; ++age) {
    const std::string summary =
        model::Format("%d.0 $1,000.00 $0.00 $0.00 $0.00 $0.00 $0.00 $1,000.00", age);
    script.push_back({static_cast<float>(age), summary, -1});
    script.push_back({static_cast<float>(age), "  Deposit $100.00 into Savings", 3});
  }
  return script;
}

class ResultsFolderTest : public ::testing::Test {
 protected:
  ResultsFolderTest() {
    host_.script = YearlyScript();
    host_.Fill();
    folder_.Attach(&view_);
    view_.scrolls.clear();
  }

  void Press(ResultsCommand command) {
    EXPECT_TRUE(folder_.HandleCommand(static_cast<int>(command)));
  }
  void GoTo(const std::string& text) {
    view_.go_to_text = text;
    Press(ResultsCommand::GoTo);
  }
  int Last() const { return folder_.RowCount() - 1; }
  // The row of the summary of this age (two rows a year from age 50).
  static int RowOfAge(int age) { return (age - 50) * 2; }

  FakeHost host_;
  test_support::FakePrompter prompter_;
  test_support::FakeLauncher launcher_;
  Keywords keywords_;
  FakeView view_;
  ResultsFolder folder_{host_, prompter_, launcher_, keywords_};
};

using Scroll = std::pair<int, RowPlacement>;
using Scrolls = std::vector<Scroll>;

TEST_F(ResultsFolderTest, GoToRejectsAgesOutsideOneToOneHundredTwentyWithoutMoving) {
  for (const std::string text : {"200", "0.5", "-3", "abc", "", "65x", "120.5"}) {
    prompter_.messages.clear();
    GoTo(text);
    ASSERT_EQ(prompter_.messages.size(), 1u) << text;
    EXPECT_EQ(prompter_.messages[0].text, "This age must be between 1.0 and 120.0.");
    EXPECT_EQ(prompter_.messages[0].caption, "AGE ERROR");
  }
  EXPECT_TRUE(view_.scrolls.empty());
  EXPECT_EQ(folder_.scroll_mode(), ScrollMode::Bottom);
}

TEST_F(ResultsFolderTest, GoToAnAgeInRangePutsItsSummaryRowAtTheTop) {
  GoTo(" 65.7 ");
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_EQ(folder_.scroll_mode(), ScrollMode::TargetAge);
  EXPECT_EQ(folder_.target_age(), 65);
  EXPECT_EQ(view_.scrolls,
            (Scrolls{{Last(), RowPlacement::Visible}, {RowOfAge(65), RowPlacement::AtTop}}));
}

TEST_F(ResultsFolderTest, GoToReadsOnlyTheFirstNineCharacters) {
  GoTo("60       999");
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_EQ(folder_.target_age(), 60);
}

TEST_F(ResultsFolderTest, GoToBelowTheStartShowsTheFirstRowAndAboveTheEndTheLast) {
  GoTo("10");
  EXPECT_EQ(view_.scrolls, (Scrolls{{0, RowPlacement::Visible}}));
  view_.scrolls.clear();
  GoTo("99");
  EXPECT_EQ(view_.scrolls, (Scrolls{{Last(), RowPlacement::Visible}}));
  EXPECT_TRUE(prompter_.messages.empty());
}

TEST_F(ResultsFolderTest, PositionAfterARunFollowsTheScrollMode) {
  Press(ResultsCommand::RunAgain);
  EXPECT_EQ(view_.scrolls, (Scrolls{{Last(), RowPlacement::Visible}}));

  view_.scrolls.clear();
  Press(ResultsCommand::Top);
  Press(ResultsCommand::RunAgain);
  EXPECT_EQ(view_.scrolls, (Scrolls{{0, RowPlacement::Visible}, {0, RowPlacement::Visible}}));

  GoTo("70");
  view_.scrolls.clear();
  Press(ResultsCommand::RunAgain);
  EXPECT_EQ(view_.scrolls,
            (Scrolls{{Last(), RowPlacement::Visible}, {RowOfAge(70), RowPlacement::AtTop}}));

  view_.scrolls.clear();
  Press(ResultsCommand::Bottom);
  EXPECT_EQ(view_.scrolls, (Scrolls{{Last(), RowPlacement::Visible}}));
}

TEST_F(ResultsFolderTest, PositioningAnEmptyListDoesNothing) {
  host_.script.clear();
  host_.on_run = [](results::ScheduleRun& run) { run.results().Clear(); };
  Press(ResultsCommand::RunAgain);
  GoTo("70");
  EXPECT_EQ(folder_.RowCount(), 0);
  EXPECT_TRUE(view_.scrolls.empty());
}

TEST_F(ResultsFolderTest, DoubleClickOnASummaryRowGoesToItsAgeAndMarksIt) {
  folder_.ActivateRow(RowOfAge(65));
  EXPECT_EQ(folder_.scroll_mode(), ScrollMode::TargetAge);
  EXPECT_EQ(folder_.target_age(), 65);
  EXPECT_EQ(view_.go_to_text, " 65");
  EXPECT_EQ(host_.calls, std::vector<std::string>{"mark 65"});
  EXPECT_EQ(view_.scrolls.back(), Scroll(RowOfAge(65), RowPlacement::AtTop));
}

TEST_F(ResultsFolderTest, DoubleClickOnALineStartingWithAnAgeFieldGoesToThatAge) {
  host_.script = {{50, "50.0 $1.00", -1}, {50, " 72.0  Transfer of $5.00", 4}};
  Press(ResultsCommand::RunAgain);
  folder_.ActivateRow(1);
  EXPECT_EQ(folder_.target_age(), 72);
  EXPECT_EQ(host_.calls, std::vector<std::string>{"mark 72"});
}

TEST_F(ResultsFolderTest, DoubleClickOnAnEventLineOpensThatEventsEditor) {
  folder_.ActivateRow(RowOfAge(60) + 1);
  EXPECT_EQ(host_.calls, std::vector<std::string>{"edit event 3"});
  EXPECT_EQ(folder_.scroll_mode(), ScrollMode::Bottom);
}

TEST_F(ResultsFolderTest, DoubleClickOnAnEventLineStartingWithNoAgeOfThePlanOpensItsEditor) {
  host_.script = {{50, "50.0 $1.00", -1}, {50, "1st payment of $5.00 on the loan", 4}};
  Press(ResultsCommand::RunAgain);
  folder_.ActivateRow(1);
  EXPECT_EQ(host_.calls, std::vector<std::string>{"edit event 4"});
  EXPECT_EQ(folder_.scroll_mode(), ScrollMode::Bottom);
}

TEST_F(ResultsFolderTest, DoubleClickDoesNothingOnLinesOfNoEventOrAgesOutOfRange) {
  host_.script = {{50, "  Tax Rate = 15.000", engine::kInitialRatesTag},
                  {50, "  Average Savings Rate = 5.00", engine::kAccountRatesTag},
                  {50, "  Red flags at age(s):", -1},
                  {50, "95.0 $1.00", -1},
                  {50, "45.0 $1.00", -1}};
  Press(ResultsCommand::RunAgain);
  view_.scrolls.clear();
  for (int row = 0; row < folder_.RowCount(); ++row) folder_.ActivateRow(row);
  EXPECT_TRUE(host_.calls.empty());
  EXPECT_TRUE(view_.scrolls.empty());
}

TEST_F(ResultsFolderTest, DoubleClickIsRefusedWhileAnEditorIsOpen) {
  host_.editor_open = true;
  folder_.ActivateRow(RowOfAge(65));
  folder_.ActivateRow(RowOfAge(65) + 1);
  EXPECT_TRUE(host_.calls.empty());
  EXPECT_EQ(folder_.scroll_mode(), ScrollMode::Bottom);
}

TEST_F(ResultsFolderTest, LinesBeyondTheSixThousandthOpenNoEditor) {
  host_.script.clear();
  for (int line = 0; line < results::kMappedLines + 2; ++line) {
    host_.script.push_back({50, "  Deposit $1.00", 7});
  }
  Press(ResultsCommand::RunAgain);
  folder_.ActivateRow(results::kMappedLines + 1);
  folder_.ActivateRow(folder_.RowCount());  // beyond the list
  EXPECT_TRUE(host_.calls.empty());
  folder_.ActivateRow(results::kMappedLines - 1);
  EXPECT_EQ(host_.calls, std::vector<std::string>{"edit event 7"});
}

TEST_F(ResultsFolderTest, SaveRunsToTheFileThenThePrintFileThenTheList) {
  prompter_.save_choices = {"/tmp/plan.sch"};
  host_.runs.clear();
  Press(ResultsCommand::Save);

  ASSERT_EQ(prompter_.save_dialogs.size(), 1u);
  const platform::FileDialog& dialog = prompter_.save_dialogs[0];
  EXPECT_EQ(dialog.title, "Save Results To A File");
  ASSERT_EQ(dialog.filters.size(), 1u);
  EXPECT_EQ(dialog.filters[0].label, "Result Files (*.SCH)");
  EXPECT_EQ(dialog.default_extension, "sch");

  ASSERT_EQ(host_.runs.size(), 3u);
  EXPECT_EQ(host_.runs[0].mode, OutputMode::ResultsFile);
  EXPECT_TRUE(host_.runs[0].saving);
  EXPECT_FALSE(host_.runs[0].suppress_detail);
  EXPECT_EQ(host_.runs[0].output_file, "/tmp/plan.sch");
  EXPECT_EQ(host_.runs[1].mode, OutputMode::PrintFile);
  EXPECT_TRUE(host_.runs[1].suppress_detail);
  EXPECT_TRUE(host_.runs[1].output_file.empty());  // the working directory's print file
  EXPECT_EQ(host_.runs[2].mode, OutputMode::ResultsList);
  EXPECT_FALSE(host_.runs[2].saving);
  EXPECT_FALSE(host_.runs[2].suppress_detail);
  EXPECT_TRUE(prompter_.messages.empty());
}

TEST_F(ResultsFolderTest, CancellingTheSaveDialogRunsNothing) {
  host_.runs.clear();
  Press(ResultsCommand::Save);
  EXPECT_EQ(prompter_.save_dialogs.size(), 1u);
  EXPECT_TRUE(host_.runs.empty());
  EXPECT_TRUE(prompter_.messages.empty());
}

TEST_F(ResultsFolderTest, AResultsFileThatCannotBeCreatedEndsTheSaveWithTheMessage) {
  prompter_.save_choices = {"/nowhere/plan.sch"};
  host_.on_run = [](engine::Run& run) {
    if (run.options.mode != OutputMode::ResultsFile) return;
    run.problems.push_back({engine::RunProblemKind::ResultsFileNotOpened, "/nowhere/plan.sch", {}});
  };
  host_.runs.clear();
  Press(ResultsCommand::Save);
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].text, "Cannot open /nowhere/plan.sch");
  EXPECT_EQ(prompter_.messages[0].caption, "FILE ERROR");
  ASSERT_EQ(host_.runs.size(), 2u);  // no print-file run; the list is rebuilt
  EXPECT_EQ(host_.runs[1].mode, OutputMode::ResultsList);
  EXPECT_EQ(folder_.RowCount(), 82);
}

TEST_F(ResultsFolderTest, APrintFileThatCannotBeCreatedIsReported) {
  prompter_.save_choices = {"/tmp/plan.sch"};
  host_.on_run = [](engine::Run& run) {
    if (run.options.mode != OutputMode::PrintFile) return;
    run.problems.push_back({engine::RunProblemKind::PrintFileNotOpened, "/tmp/ptmpsch.dat", {}});
  };
  host_.runs.clear();
  Press(ResultsCommand::Save);
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].text, "Cannot open temporary print file");
  EXPECT_EQ(host_.runs.size(), 3u);
}

TEST_F(ResultsFolderTest, RandomRatesAreSetForExactlyOneRunAfterAStatisticsReset) {
  host_.runs.clear();
  host_.on_run = [this](engine::Run&) { host_.calls.push_back("run"); };
  Press(ResultsCommand::RandomAccountRates);
  Press(ResultsCommand::RandomGroupRates);
  Press(ResultsCommand::RunAgain);

  EXPECT_EQ(host_.calls, (std::vector<std::string>{"reset statistics", "run", "reset statistics",
                                                   "run", "run"}));
  ASSERT_EQ(host_.runs.size(), 3u);
  EXPECT_TRUE(host_.runs[0].random_accounts);
  EXPECT_FALSE(host_.runs[0].random_groups);
  EXPECT_FALSE(host_.runs[1].random_accounts);
  EXPECT_TRUE(host_.runs[1].random_groups);
  EXPECT_FALSE(host_.runs[2].random_accounts || host_.runs[2].random_groups);
  for (const auto& run : host_.runs) EXPECT_EQ(run.mode, OutputMode::ResultsList);
  EXPECT_FALSE(folder_.ListOptions().random_accounts || folder_.ListOptions().random_groups);
}

TEST_F(ResultsFolderTest, AnswersTheShellsCloseGraphWindowAndAccountsCommands) {
  const struct {
    int command;
    std::vector<std::string> calls;  // of the host, a run shown as "run"
    bool graph_program;
  } cases[] = {
      {106, {"event list", "close"}, false},
      {109, {}, true},
      {113, {"edit accounts", "run"}, false},
  };
  host_.on_run = [this](engine::Run&) { host_.calls.push_back("run"); };
  for (const auto& c : cases) {
    host_.calls.clear();
    launcher_.programs.clear();
    EXPECT_TRUE(folder_.HandleCommand(c.command)) << c.command;
    EXPECT_EQ(host_.calls, c.calls) << c.command;
    ASSERT_EQ(launcher_.programs.size(), c.graph_program ? 1u : 0u) << c.command;
    if (c.graph_program) {
      EXPECT_EQ(launcher_.programs[0].name, "tarvelplot3");
      EXPECT_EQ(launcher_.programs[0].arguments,
                (std::vector<std::string>{"plotinf01.tmp", "Dollars"}));
      EXPECT_TRUE(launcher_.programs[0].shown);
    }
  }
}

TEST_F(ResultsFolderTest, TheAgeScrollBarPutsTheAgeAtTheTop) {
  folder_.ScrollToAge(70);
  EXPECT_EQ(folder_.scroll_mode(), ScrollMode::TargetAge);
  EXPECT_EQ(folder_.target_age(), 70);
  EXPECT_EQ(view_.scrolls,
            (Scrolls{{Last(), RowPlacement::Visible}, {RowOfAge(70), RowPlacement::AtTop}}));
  EXPECT_EQ(folder_.FirstAge(), 50);
  EXPECT_EQ(folder_.LastAge(), 90);
}

TEST_F(ResultsFolderTest, CheckBoxesToggleReRunAndStayForLaterRuns) {
  host_.runs.clear();
  Press(ResultsCommand::ShowDetailed);
  Press(ResultsCommand::ShowAccounts);
  Press(ResultsCommand::RunAgain);
  ASSERT_EQ(host_.runs.size(), 3u);
  EXPECT_TRUE(host_.runs[0].detailed);
  EXPECT_FALSE(host_.runs[0].show_accounts);
  EXPECT_TRUE(host_.runs[2].detailed && host_.runs[2].show_accounts);
  EXPECT_TRUE(view_.detailed && view_.show_accounts);

  FakeView reopened;
  folder_.Attach(&reopened);
  EXPECT_TRUE(reopened.detailed && reopened.show_accounts);
  Press(ResultsCommand::ShowDetailed);
  EXPECT_FALSE(host_.runs.back().detailed);
  EXPECT_FALSE(reopened.detailed);
}

TEST_F(ResultsFolderTest, EditInitialValuesReRunsOnlyWhenSomethingChanged) {
  host_.runs.clear();
  Press(ResultsCommand::EditInitialValues);
  EXPECT_TRUE(host_.runs.empty());
  EXPECT_EQ(view_.scrolls.size(), 1u);
  host_.initial_values_changed = true;
  Press(ResultsCommand::EditInitialValues);
  EXPECT_EQ(host_.runs.size(), 1u);
}

TEST_F(ResultsFolderTest, RunMessagesAreShown) {
  host_.on_run = [](engine::Run& run) {
    run.problems.push_back({engine::RunProblemKind::PlotFileNotOpened, "plotinf01.tmp", {}});
  };
  Press(ResultsCommand::RunAgain);
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].caption, "FILE ERROR");
}

class ResultsRowTest : public ResultsFolderTest {
 protected:
  void Show(std::vector<ScriptedLine> script) {
    host_.script = std::move(script);
    Press(ResultsCommand::RunAgain);
  }
};

TEST_F(ResultsRowTest, SummaryRowIsSplitIntoEightCells) {
  Show({{50, "50.0 $1,000.00 $2.00\t$3.00 $4.00 $5.00 $6.00 $7.00", -1}});
  const ResultsRow row = folder_.Row(0);
  EXPECT_EQ(row.kind, RowKind::Summary);
  EXPECT_EQ(row.cells[0], "50.0");
  EXPECT_EQ(row.cells[3], "$3.00");
  EXPECT_EQ(row.cells[7], "$7.00");
  EXPECT_EQ(row.text_colour, 0x000000u);
}

TEST_F(ResultsRowTest, RedFlagAndNegativeLinesUseColourFourteen) {
  host_.colours[14] = 0x1020F0;
  Show({{50, "  Minimum age for withdrawal not reached", -1},
        {50, "51.0 $-5.00 $0.00 $0.00 $0.00 $0.00 $0.00 $-5.00", -1},
        {50, "-5.00 left over", -1},
        {50, "  Deposit $-5.00", 2}});
  EXPECT_EQ(folder_.Row(0).text_colour, 0x1020F0u);
  EXPECT_EQ(folder_.Row(1).text_colour, 0x1020F0u);
  EXPECT_EQ(folder_.Row(1).kind, RowKind::Summary);
  EXPECT_EQ(folder_.Row(2).text_colour, 0x000000u);
  EXPECT_EQ(folder_.Row(3).text_colour, 0x000000u);  // begins with a blank
}

TEST_F(ResultsRowTest, EvenRowsAreWhiteAndOddRowsTheLightenedBand) {
  host_.colours[15] = 0xC8C8C8;
  Show({{50, "a", -1}, {50, "b", -1}, {50, "c", -1}});
  EXPECT_EQ(folder_.Row(0).background, 0xFFFFFFu);
  EXPECT_EQ(folder_.Row(1).background, 0xDADADAu);
  EXPECT_EQ(folder_.Row(2).background, 0xFFFFFFu);
}

TEST_F(ResultsRowTest, TheBandIsTheBandingColourOfTheStartKeywords) {
  const struct {
    const char* command_line;
    std::uint32_t colour;
    std::uint32_t band;
  } cases[] = {
      {"", 0x404060, 0x757595u},  // red 96 leaves the least headroom, 160: each channel + 53
      {"DARKYELLOW", 0x404060, 0x404060u},
      {"LIGHTER DARKYELLOW", 0x404060, 0x757595u},
      // 0 is the stored default, never a chosen colour: the scroll-bar colour stands in.
      {"LIGHTER", 0x000000, 0xDADADAu},
      {"DARKYELLOW", 0x000000, 0xC8C8C8u},
  };
  Show({{50, "a", -1}, {50, "b", -1}});
  for (const auto& c : cases) {
    keywords_ = ParseKeywords(c.command_line);
    host_.colours[15] = c.colour;
    EXPECT_EQ(folder_.Row(0).background, 0xFFFFFFu) << c.command_line;
    EXPECT_EQ(folder_.Row(1).background, c.band) << c.command_line << " " << c.colour;
  }
}

TEST_F(ResultsRowTest, PurchasingPowerRowHasTwoCellsOnlyWhenTheOptionIsOn) {
  const std::string text = "Net Worth in Purchasing Power $12,345.00";
  Show({{50, text, -1}});
  EXPECT_EQ(folder_.Row(0).kind, RowKind::Text);
  host_.purchasing_power = true;
  const ResultsRow row = folder_.Row(0);
  EXPECT_EQ(row.kind, RowKind::PurchasingPower);
  EXPECT_EQ(row.cells[6], "Net Worth in Age 50.00 Purchasing Power");
  EXPECT_EQ(row.cells[7], "$12,345.00");
}

TEST_F(ResultsRowTest, OtherLinesKeepTheirWholeText) {
  Show({{50, "  Deposit $100.00 into Savings", 3}});
  const ResultsRow row = folder_.Row(0);
  EXPECT_EQ(row.kind, RowKind::Text);
  EXPECT_EQ(row.text, "  Deposit $100.00 into Savings");
}

TEST(ColumnWidths, FillTheWidthInProportionToTheShares) {
  const auto widths = ColumnWidths(1060);
  EXPECT_EQ(widths[0], 60);
  EXPECT_EQ(widths[1], 144);
  EXPECT_EQ(widths[4], 140);
  int total = 0;
  for (int width : widths) total += width;
  EXPECT_EQ(total, 1060);
  EXPECT_EQ(ColumnWidths(1001)[0] + 0, 30 * 1001 / 530);
  EXPECT_EQ(ColumnWidths(-5), (std::array<int, kColumnCount>{}));
}

TEST(ColumnWidths, NoColumnIsNarrowerThanItsTextAndTheOthersShareTheRest) {
  using Widths = std::array<int, kColumnCount>;
  const struct {
    int width;
    Widths least;
  } cases[] = {
      {1060, {40, 100, 100, 100, 100, 100, 100, 100}},  // room enough: the shares alone
      {1060, {0, 0, 0, 0, 0, 0, 0, 400}},               // one wide column
      {1060, {20, 150, 150, 150, 150, 150, 150, 150}},  // the money columns need more
      {500, {50, 140, 140, 140, 140, 140, 140, 140}},   // too narrow: the list scrolls
  };
  for (const auto& c : cases) {
    const Widths widths = ColumnWidths(c.width, c.least);
    int total = 0;
    int least_total = 0;
    for (int column = 0; column < kColumnCount; ++column) {
      EXPECT_GE(widths[column], c.least[column]) << c.width << " column " << column;
      total += widths[column];
      least_total += c.least[column];
    }
    EXPECT_EQ(total, std::max(c.width, least_total)) << c.width;
  }
  EXPECT_EQ(ColumnWidths(1060, {40, 100, 100, 100, 100, 100, 100, 100}), ColumnWidths(1060));
  // 400 for the net worth; 660 shared by the rest in proportion, the odd pixels to the last.
  EXPECT_EQ(ColumnWidths(1060, {0, 0, 0, 0, 0, 0, 0, 400}),
            (Widths{43, 103, 103, 103, 100, 100, 108, 400}));
}

}  // namespace
}  // namespace tarvel::ui
