// The handler factory: a dispatcher given its handlers carries out every family it makes.
#include "ui/shell/command_handlers.h"

#include "support/fixed_clock.h"
#include "ui/shell_fixture.h"

namespace tarvel::ui {
namespace {

class NoPrinter : public GraphPrinter {
 public:
  bool PrintCurrentGraph(int) override { return false; }
  bool PrintAllGraphs(int, graphs::ChartStyle) override { return false; }
};

class CommandHandlersTest : public test_support::ShellFixture {};

TEST_F(CommandHandlersTest, EveryFamilyItMakesIsHandledAndOthersAreNotAvailableYet) {
  NoPrinter printer;
  test_support::FixedClock clock;
  int choosers_shown = 0;
  CommandHandlers handlers(
      *context,
      HandlerServices{
          dialogs, help, launcher, printer, {"mailto:a@example.org", "file:///m"}, clock, [&] {
            ++choosers_shown;
          }});
  Dispatcher made(*context);
  handlers.AddTo(made);
  const struct {
    int id;
    DispatchResult result;
  } cases[] = {
      {kSaveAccountsCommand, DispatchResult::Done},          // file
      {kRecentFileCommands[5], DispatchResult::Done},        // file: a recent file
      {kNewAccountsByHand, DispatchResult::Done},            // file: posted by the chooser
      {kHelpContentsCommand, DispatchResult::Done},          // help
      {kAboutCommand, DispatchResult::Done},                 // help
      {kEmailCommand, DispatchResult::Done},                 // links
      {kCompareScenariosCommand, DispatchResult::Done},      // sibling programs
      {kToggleRunsSuppressed, DispatchResult::Done},         // keywords
      {kPrintLineGraphsCommand, DispatchResult::Done},       // graphs
      {kGraphWindowCommand, DispatchResult::Done},           // graphs
      {kInitialValuesCommand, DispatchResult::Done},         // editors
      {kAddEventChooserCommand, DispatchResult::Done},       // the chooser
      {881, DispatchResult::Done},                           // a calculator
      {kPrintResultsCommand, DispatchResult::NotAvailable},  // printing
      {kNewAccountsFromTabFile, DispatchResult::Done},       // import: the file dialog
      {12, DispatchResult::Done},                            // export: the chooser
  };
  for (const auto& c : cases) EXPECT_EQ(made.DispatchCommand(c.id), c.result) << c.id;
  EXPECT_EQ(choosers_shown, 1);
}

}  // namespace
}  // namespace tarvel::ui
