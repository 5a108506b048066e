// The preferences file, the colours file and the working files deleted at exit.

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "model/block_codec.h"
#include "model/colours_file.h"
#include "model/preferences_file.h"
#include "model/working_files.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::model {
namespace {

TEST(ColoursFile, WritesCountThenLowerCaseHexPerLine) {
  std::array<std::uint32_t, kColourCount> colours = kDefaultColours;
  colours[15] = 0xFFFFFFFF;
  const std::string text = FormatColoursFile(colours);
  EXPECT_EQ(text.substr(0, 17), "16\n8e1c52\nff0000\n");
  EXPECT_EQ(text.substr(text.size() - 9), "ffffffff\n");
}

TEST(Preferences, WindowOutsideTheScreenStartsAtZero) {
  test_support::TempFolder folder;
  auto scenario = test_support::MakeClearedScenario();
  WindowSetup stored;
  stored.left = 500;
  stored.top = 120;
  stored.width = 800;
  stored.preference_8 = 3;
  stored.hide_maker_page = 1;
  stored.colour_banding = 0;
  test_support::WriteAll(folder.File("prefinf.dat"), EncodeBlock(stored));
  Program program;
  ASSERT_TRUE(ReadPreferences(folder.path(), program, *scenario));
  EXPECT_EQ(program.window.left, 0);
  EXPECT_EQ(program.window.top, 120);
  EXPECT_EQ(program.window.width, 800);
  EXPECT_EQ(program.preference_8, 3);
  EXPECT_EQ(program.hide_maker_page, 1);
  EXPECT_EQ(program.colour_banding, 1);
  EXPECT_TRUE(program.toolbar_visible);
  EXPECT_EQ(scenario->report_fonts[0].face_name.str(), "Lucida");
}

TEST(Preferences, WrittenBlockHoldsGeometryAndReadsBack) {
  test_support::TempFolder folder;
  auto scenario = test_support::MakeClearedScenario();
  Program program;
  program.window = {10, 20, -640, 480};
  program.preference_24 = 9;
  ASSERT_TRUE(WritePreferences(folder.path(), program, *scenario));
  const auto bytes = test_support::ReadAll(folder.File("prefinf.dat"));
  ASSERT_EQ(bytes.size(), 152u);
  WindowSetup block;
  Decode(bytes, block);
  EXPECT_EQ(block.width, 640);
  EXPECT_EQ(block.preference_24, 9);
  EXPECT_EQ(block.margin_right, 500);
  // A damaged height with no positive counterpart is written as the largest one.
  program.window.height = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(PreferencesBlock(program, *scenario).height, std::numeric_limits<std::int32_t>::max());

  Program fresh;
  EXPECT_FALSE(ReadPreferences(folder.File("missing"), fresh, *scenario));
  EXPECT_EQ(fresh.window.left, 0);
}

TEST(WorkingFiles, ListsPageFilesForThePageCount) {
  const auto names = WorkingFileNames(3);
  EXPECT_EQ(names.size(), 19u + 5u + 2u * 2u);
  EXPECT_EQ(names.front(), "bigfile.tmp");
  EXPECT_EQ(std::count(names.begin(), names.end(), "page5"), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "page6"), 0);
  EXPECT_EQ(std::count(names.begin(), names.end(), "spage2"), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "rpage3"), 0);
}

}  // namespace
}  // namespace tarvel::model
