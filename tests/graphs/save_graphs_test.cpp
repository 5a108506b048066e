// Saving the plot file as a graph file: what is copied, and every refusal and message.
#include "graphs/save_graphs.h"

#include <gtest/gtest.h>

#include "support/fake_prompter.h"
#include "support/temp_folder.h"

namespace tarvel::graphs {
namespace {

using test_support::FakePrompter;
using test_support::ReadText;
using test_support::TempFolder;
using test_support::WriteText;

// A plot file of `years` yearly blocks for two accounts, then the trailer.
std::string PlotFile(int years) {
  std::string text = "1 Groups\nFile: a.ret\nDate: May 1, 2024\nTime: 9:00:00 AM \n";
  text += std::to_string(years) + ".00\n2\nSavings\nHouse\n";
  for (int year = 0; year < years; ++year) {
    text += "100.00\n200.00\n" + std::to_string(60 + year) + ".0 1 2 3\n";
  }
  for (int group = 0; group < 10; ++group) text += "Group" + std::to_string(group) + "\n";
  text += "0\n1\n12345.000000\nff\nDone\n";
  return text;
}

struct SaveGraphsFixture : ::testing::Test {
  TempFolder folder;
  FakePrompter prompter;
  std::string plot = folder.File("plotinf01.tmp");
  std::string graph = folder.File("mine.tvp");
};

using SaveGraphsCopy = SaveGraphsFixture;

TEST_F(SaveGraphsCopy, CopiesHeaderBlocksAndGroupLinesThenEndsWithDone) {
  WriteText(plot, PlotFile(2));
  ASSERT_TRUE(SaveGraphsTo(prompter, plot, graph));
  std::string expected = PlotFile(2);
  expected = expected.substr(0, expected.find("12345.000000"));
  EXPECT_EQ(ReadText(graph), expected + "Done\n");
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SaveGraphsCopy, ADoneLineInTheBlocksEndsTheCopy) {
  WriteText(plot, "1 Groups\nFile: a\nDate: b\nTime: c\n3.00\n0\n60.0 1\nDone\n");
  ASSERT_TRUE(SaveGraphsTo(prompter, plot, graph));
  EXPECT_EQ(ReadText(graph), "1 Groups\nFile: a\nDate: b\nTime: c\n3.00\n0\n60.0 1\nDone\n");
}

TEST_F(SaveGraphsCopy, AHundredYearRunCannotBeSaved) {
  WriteText(plot, PlotFile(100));
  EXPECT_FALSE(SaveGraphsTo(prompter, plot, graph));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Problem saving graphs.\nPlease try again.");
  EXPECT_EQ(prompter.messages[0].caption, "FILE ERROR");
  EXPECT_FALSE(std::filesystem::exists(graph));
}

TEST_F(SaveGraphsCopy, NinetyNineYearsCanBeSaved) {
  WriteText(plot, PlotFile(99));
  EXPECT_TRUE(SaveGraphsTo(prompter, plot, graph));
}

TEST_F(SaveGraphsCopy, ACutShortPlotFileLeavesTheOldGraphFileAlone) {
  WriteText(plot, PlotFile(5).substr(0, 120));
  WriteText(graph, "old graphs");
  prompter.answers = {platform::Answer::Yes};
  EXPECT_FALSE(SaveGraphsTo(prompter, plot, graph));
  EXPECT_EQ(prompter.messages.back().text, "Problem saving graphs.\nPlease try again.");
  EXPECT_EQ(ReadText(graph), "old graphs");
}

TEST_F(SaveGraphsCopy, AMissingPlotFileIsReported) {
  EXPECT_FALSE(SaveGraphsTo(prompter, plot, graph));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Cannot open plotinf for reading!");
  EXPECT_EQ(prompter.messages[0].caption, "FILE ERROR");
}

using SaveGraphsChecks = SaveGraphsFixture;

TEST_F(SaveGraphsChecks, RefusesToOverwriteTheSystemFile) {
  WriteText(plot, PlotFile(2));
  const std::string system_file = folder.File("PLOTINF02.tvp");
  WriteText(system_file, "keep");
  EXPECT_FALSE(SaveGraphsTo(prompter, plot, system_file));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Cannot overwrite the system file plotinf. \nChoose another file name.");
  EXPECT_EQ(prompter.messages[0].caption, "FILE WARNING");
  EXPECT_EQ(ReadText(system_file), "keep");
}

TEST_F(SaveGraphsChecks, AsksBeforeOverwritingAndNoKeepsTheFile) {
  WriteText(plot, PlotFile(2));
  WriteText(graph, "keep");
  prompter.answers = {platform::Answer::No};
  EXPECT_FALSE(SaveGraphsTo(prompter, plot, graph));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, graph + " exists - Overwrite anyway?");
  EXPECT_EQ(prompter.messages[0].buttons, platform::Buttons::YesNo);
  EXPECT_EQ(ReadText(graph), "keep");

  prompter.answers = {platform::Answer::Yes};
  EXPECT_TRUE(SaveGraphsTo(prompter, plot, graph));
  EXPECT_NE(ReadText(graph), "keep");
}

TEST_F(SaveGraphsChecks, AGraphFileThatCannotBeWrittenIsReported) {
  WriteText(plot, PlotFile(2));
  const std::string taken_by_folder = folder.File("folder.tvp");
  std::filesystem::create_directory(taken_by_folder);
  // Opens, but leaves no room in its name for the file written before it takes its place.
  const std::string longest_name = folder.File(std::string(251, 'g') + ".tvp");
  const struct {
    std::string file;
    std::string message;
  } cases[] = {
      {folder.File("no-such-folder/mine.tvp"), "Cannot open file!"},
      {taken_by_folder, "Cannot open " + taken_by_folder + "!"},
      {longest_name, "Cannot open " + longest_name + " for writing!"},
  };
  for (const auto& one : cases) {
    prompter.messages.clear();
    prompter.answers = {platform::Answer::Yes};
    EXPECT_FALSE(SaveGraphsTo(prompter, plot, one.file));
    ASSERT_FALSE(prompter.messages.empty()) << one.file;
    EXPECT_EQ(prompter.messages.back().text, one.message);
    EXPECT_EQ(prompter.messages.back().caption, "FILE ERROR");
  }
  EXPECT_FALSE(std::filesystem::exists(longest_name));
  EXPECT_TRUE(std::filesystem::is_directory(taken_by_folder));
}

TEST_F(SaveGraphsChecks, TheDialogAsksForAPlotFileAndCancelSavesNothing) {
  WriteText(plot, PlotFile(2));
  EXPECT_FALSE(SaveGraphs(prompter, plot));
  ASSERT_EQ(prompter.save_dialogs.size(), 1u);
  EXPECT_EQ(prompter.save_dialogs[0].title, "Save Graphs To a File");
  EXPECT_EQ(prompter.save_dialogs[0].filters[0].label, "Plot Files (*.TVP)");
  prompter.save_choices = {graph};
  EXPECT_TRUE(SaveGraphs(prompter, plot));
  EXPECT_TRUE(std::filesystem::exists(graph));
}

}  // namespace
}  // namespace tarvel::graphs
