// The import and export commands with scripted dialogs and answers: the update flow's
// questions, the preview, the 50-account limit, new accounts from a file and the export.
#include "ui/exchange/exchange_commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "model/record_counts.h"
#include "model/scenario_codec.h"
#include "model/scenario_ops.h"
#include "support/fixed_clock.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "ui/accounts/account_info_dialog.h"
#include "ui/exchange/exchange_choosers.h"
#include "ui/exchange/exchange_file_dialogs.h"
#include "ui/exchange/import_preview_dialog.h"
#include "ui/shell/folders.h"
#include "ui/shell_fixture.h"

namespace tarvel::ui {
namespace {

using platform::Answer;
using test_support::FakeDialogView;
using Script = test_support::ScriptedDialogs::Script;

class ExchangeNoPrinter : public GraphPrinter {
 public:
  bool PrintCurrentGraph(int) override { return false; }
  bool PrintAllGraphs(int, graphs::ChartStyle) override { return false; }
};

Script Press(int control) {
  return [control](FakeDialogView& view, DialogPresenter& presenter) {
    presenter.Command(view, control);
  };
}

class ExchangeCommandsTest : public test_support::ShellFixture {
 protected:
  ExchangeCommandsTest() {
    scripted_files = std::make_unique<FileCommands>(*context, scripted, help, clock);
    exchange = std::make_unique<ExchangeCommands>(
        *context, HandlerServices{scripted, help, launcher, printer, {}, clock, {}});
    flows = std::make_unique<Dispatcher>(*context);
    flows->AddHandler(*scripted_files);
    flows->AddHandler(*exchange);
    model::ClearScenario(*scenario);
    scenario->initial.event_count = 0;
  }

  std::string WriteReport(const std::string& name, const std::string& text) {
    std::ofstream(folder.File(name), std::ios::binary) << text;
    return folder.File(name);
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < model::AccountCount(*scenario); ++i) {
      names.push_back(scenario->accounts.records[i].name.str());
    }
    return names;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& message : prompter.messages)
      texts.push_back(message.caption + ": " + message.text);
    return texts;
  }

  test_support::ScriptedDialogs scripted;
  ExchangeNoPrinter printer;
  std::unique_ptr<FileCommands> scripted_files;
  std::unique_ptr<ExchangeCommands> exchange;
  std::unique_ptr<Dispatcher> flows;
};

TEST_F(ExchangeCommandsTest, UpdateAsksItsQuestionsAndAddsOnlyTheAccountsTheUserWants) {
  test_support::AddAccount(*scenario, model::AccountType::Retirement, 10, 5, "Checking");
  test_support::AddAccount(*scenario, model::AccountType::Asset, 20, 5, "Savings");
  test_support::AddAccount(*scenario, model::AccountType::Asset, 30, 5, "Car");
  state.current_folder = kResultsFolder;
  prompter.open_choices = {WriteReport("bank.txt",
                                       "Account Balances\r\n"
                                       "\tChecking\t1,500.00\r\n"
                                       "\tNewbie Fund\t(99.50)\r\n"
                                       "\tGhost Fund\t5.00\r\n"
                                       "\tChecking\t1,600.00\r\n")};
  prompter.answers = {Answer::Yes, Answer::Yes, Answer::No};
  std::vector<std::string> preview_rows;
  std::string summary;
  std::string dialog_name;
  scripted.scripts = {
      Press(kIdOk),  // the chooser: a tab file
      [&](FakeDialogView& view, DialogPresenter& presenter) {
        preview_rows = view.items[kPreviewList];
        summary = view.texts[kPreviewSummary];
        presenter.Command(view, kIdOk);
      },
      [&](FakeDialogView& view, DialogPresenter& presenter) {
        dialog_name = view.texts[kAccountNameField];
        presenter.Command(view, kIdOk);
      },
  };

  EXPECT_EQ(flows->DispatchCommand(13), DispatchResult::Done);

  EXPECT_EQ(scripted.names,
            (std::vector<std::string>{"updatetab", "importpreview", "accountinfo"}));
  EXPECT_EQ(summary, "2 accounts to update, 2 new accounts, 1 line skipped.");
  ASSERT_EQ(preview_rows.size(), 5u);
  EXPECT_EQ(preview_rows[2], " Newbie Fund (99.50)\tnew: Newbie Fund\t$-99.50");
  EXPECT_EQ(Texts(),
            (std::vector<std::string>{
                "Updating Accounts: Updating 2 out of 3 accounts.\nDo you wish to continue?",
                "New Account Found: Account Newbie Fund is not an existing "
                "account.\nDo you wish to add it?",
                "New Account Found: Account Ghost Fund is not an existing "
                "account.\nDo you wish to add it?",
            }));
  EXPECT_EQ(dialog_name, "Newbie Fund");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Car", "Checking", "Newbie Fund", "Savings"}));
  EXPECT_FLOAT_EQ(scenario->accounts.records[1].initial_amount, 1600.0f);
  EXPECT_EQ(scenario->accounts.records[1].type, model::AccountType::Retirement);
  EXPECT_FLOAT_EQ(scenario->accounts.records[2].initial_amount, -99.5f);
  EXPECT_TRUE(scenario->modified);
  EXPECT_TRUE(state.results_stale);
  EXPECT_TRUE(view.Called("run"));
  EXPECT_EQ(view.folders.back(), kResultsFolder);
}

TEST_F(ExchangeCommandsTest, AnUpdateThatStopsChangesNothing) {
  test_support::AddAccount(*scenario, model::AccountType::Asset, 10, 5, "Checking");
  const std::string report = WriteReport("bank.csv", "\"Checking\",\"$2,000.00\"\n");
  const std::string stranger = WriteReport("other.csv", "\"Somebody Else\",\"$2,000.00\"\n");
  const struct {
    const char* name;
    std::string file;
    std::vector<Answer> answers;
    Script preview;
    std::string last_message;
  } cases[] = {
      {"no account named",
       stranger,
       {},
       Press(kIdOk),
       "Possible incorrect file type.: Found 0 accounts in the file " + stranger +
           ".\nPlease make sure this is the correct delimited file type."},
      {"preview cancelled", report, {}, Press(kIdCancel), ""},
      {"question answered No",
       report,
       {Answer::No},
       Press(kIdOk),
       "Updating Accounts: Updating 1 out of 1 accounts.\nDo you wish to continue?"},
      {"file missing",
       folder.File("gone.csv"),
       {},
       Press(kIdOk),
       "File Open Error: Cannot open " + folder.File("gone.csv") + "."},
  };
  const auto before = model::EncodeScenario(*scenario);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    prompter.messages.clear();
    prompter.open_choices = {c.file};
    prompter.answers = {c.answers.begin(), c.answers.end()};
    scripted.scripts = {Script([](FakeDialogView& view, DialogPresenter& presenter) {
                          view.ChooseRadio(kCommaFileChoice, {kTabFileChoice, kCommaFileChoice});
                          presenter.Command(view, kIdOk);
                        }),
                        c.preview};
    flows->DispatchCommand(13);
    EXPECT_EQ(prompter.open_dialogs.back().title,
              "Update Accounts From a Comma-delimited(*.CSV) File");
    EXPECT_EQ(Texts().empty() ? std::string() : Texts().back(), c.last_message);
    EXPECT_EQ(model::EncodeScenario(*scenario), before);
  }
}

TEST_F(ExchangeCommandsTest, AnUpdateStopsAddingAtFiftyAccounts) {
  for (int i = 0; i < model::kMaxAccounts - 1; ++i) {
    test_support::AddAccount(*scenario, model::AccountType::Asset, 1, 0,
                             "Held " + std::to_string(i));
  }
  prompter.open_choices = {
      WriteReport("full.tvi", "Held 0\t5.00\nFirst New\t1.00\nSecond New\t2.00\n")};
  prompter.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
  scripted.script = Press(kIdOk);
  flows->DispatchCommand(kUpdateFromTabFile);
  EXPECT_EQ(model::AccountCount(*scenario), model::kMaxAccounts);
  EXPECT_EQ(Texts().back(), "Account Error: Number of accounts exceed limit.");
}

TEST_F(ExchangeCommandsTest, NewFromAFileStartsANewScenarioWithTheAccountsTheUserKeeps) {
  test_support::AddAccount(*scenario, model::AccountType::Asset, 10, 5, "Old Account");
  prompter.open_choices = {WriteReport("start.tvi", "Brokerage\t$8,000.00\nCollege\t300\n")};
  scripted.scripts = {Press(kIdOk), Press(kIdOk), Press(kIdOk), Press(kIdCancel)};
  EXPECT_EQ(flows->DispatchCommand(kNewCommand), DispatchResult::Done);
  EXPECT_EQ(scripted.names,
            (std::vector<std::string>{"newtab", "importpreview", "accountinfo", "accountinfo"}));
  EXPECT_EQ(prompter.open_dialogs.back().title, "Read Accounts From a Tab File");
  EXPECT_EQ(Names(), std::vector<std::string>{"Brokerage"});
  const model::Account& made = scenario->accounts.records[0];
  EXPECT_FLOAT_EQ(made.initial_amount, 8000.0f);
  EXPECT_EQ(made.type, model::AccountType::Investment);
  EXPECT_EQ(scenario->settings.rmd_table_name[2].str(), "IRA 3");
  EXPECT_EQ(view.folders.back(), kAccountsFolder);
  EXPECT_TRUE(view.Called("run"));
}

TEST_F(ExchangeCommandsTest, ExportWritesTheBalancesAndAsksBeforeOverwriting) {
  test_support::AddAccount(*scenario, model::AccountType::Investment, 1000, 0, "Smith, Joint");
  test_support::AddAccount(*scenario, model::AccountType::Asset, 50, 0, "Car");
  scenario->initial.start_age = 60;
  scenario->initial.end_age = 62;
  state.keywords.runs_suppressed = true;  // an export runs the scenario all the same
  const std::string path = folder.File("out.csv");
  prompter.save_choices = {path, path};
  prompter.answers = {Answer::No};
  const Script comma = [](FakeDialogView& view, DialogPresenter& presenter) {
    view.ChooseRadio(kCommaFileChoice, {kTabFileChoice, kCommaFileChoice});
    presenter.Command(view, kIdOk);
  };
  scripted.scripts = {comma, comma};
  flows->DispatchCommand(12);
  std::ifstream in(path);
  std::string header;
  std::string first;
  std::getline(in, header);
  std::getline(in, first);
  EXPECT_EQ(scripted.names.front(), "export");
  EXPECT_EQ(prompter.save_dialogs.back().title, "Export Results To a Comma-delimited File (*.CSV)");
  EXPECT_EQ(header, "Age,\"Smith, Joint\",Car,Equity,Total");
  EXPECT_EQ(first, "60.00,1000.00,50.00,0.00,1050.00");

  std::ofstream(path) << "kept";
  flows->DispatchCommand(12);
  EXPECT_EQ(Texts().back(), "FILE WARNING: " + path + " exits - Overwrite anyway?");
  std::ifstream again(path);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), {}), "kept");
}

TEST(ExchangeFileDialog, OffersTheFiltersOfEachCommandAndTheAlternateTabFilter) {
  model::Program program;
  program.working_directory = "/work/dir";
  Keywords plain;
  Keywords alternate;
  alternate.alternate_tab_filter = true;
  const struct {
    ExchangeFile file;
    const Keywords& keywords;
    std::vector<std::string> patterns;
    const char* extension;
    const char* start;
  } cases[] = {
      {ExchangeFile::NewFromTab, plain, {"*.tvi *.TVI", "*.txt *.TXT"}, "tvi", ""},
      {ExchangeFile::UpdateFromTab, plain, {"*.tvi *.TVI", "*.txt *.TXT"}, "tvi", ""},
      {ExchangeFile::NewFromTab, alternate, {"*.tvi *.TVI", "*.txt *.TXT"}, "txt", "/work/dir"},
      {ExchangeFile::UpdateFromTab, alternate, {"*.txt *.TXT"}, "txt", "/work/dir"},
      {ExchangeFile::UpdateFromComma,
       alternate,
       {"*.csv *.CSV", "*.txt *.TXT", "*.prn *.PRN"},
       "csv",
       ""},
      {ExchangeFile::ExportTab, plain, {"*.tve *.TVE", "*.txt *.TXT"}, "tve", ""},
      {ExchangeFile::ExportComma, plain, {"*.csv *.CSV", "*.txt *.TXT", "*.prn *.PRN"}, "csv", ""},
  };
  for (const auto& c : cases) {
    const platform::FileDialog dialog = ExchangeFileDialog(c.file, program, c.keywords);
    SCOPED_TRACE(dialog.title);
    std::vector<std::string> patterns;
    for (const auto& filter : dialog.filters) patterns.push_back(filter.patterns);
    EXPECT_EQ(patterns, c.patterns);
    EXPECT_EQ(dialog.default_extension, c.extension);
    EXPECT_EQ(dialog.start_folder, c.start);
  }
}

}  // namespace
}  // namespace tarvel::ui
