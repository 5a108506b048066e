// The accounts file: its 13008-byte layout, the defaults of a short file and its problems.

#include "model/accounts_file.h"

#include <gtest/gtest.h>

#include "model/block_codec.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::model {
namespace {

TEST(AccountsFile, WritesFiveBlocksAndReadsThemBack) {
  test_support::TempFolder folder;
  auto source = test_support::MakeClearedScenario();
  test_support::AddAccount(*source, AccountType::TaxFree, 500, 4, "Roth");
  source->dividends.yearly_percent[0] = 2;
  source->allocation.percent[1][0] = 60;
  const std::string path = folder.File("mine.acc");
  ASSERT_TRUE(WriteAccountsFile(path, *source, Overwrite::Ask).ok());
  const auto bytes = test_support::ReadAll(path);
  ASSERT_EQ(bytes.size(), 13008u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[2])), "Roth");

  auto target = test_support::MakeClearedScenario();
  ASSERT_TRUE(ReadAccountsFile(path, *target).ok());
  EXPECT_TRUE(target->modified);
  EXPECT_EQ(EncodeAccountsFile(*target), bytes);
}

TEST(AccountsFile, FileOfOnlyTheAccountTableTakesTheDefaults) {
  test_support::TempFolder folder;
  auto source = test_support::MakeClearedScenario();
  test_support::AddAccount(*source, AccountType::Retirement, 100, 3, "401k");
  const std::string path = folder.File("short.acc");
  test_support::WriteAll(path, EncodeBlock(source->accounts));

  auto target = test_support::MakeClearedScenario();
  target->settings.penalty_age[0] = 40;
  target->allocation.percent[0][0] = 10;
  target->categories.names[0].assign("Mine");
  ASSERT_TRUE(ReadAccountsFile(path, *target).ok());
  EXPECT_EQ(target->accounts.records[0].name.str(), "401k");
  EXPECT_EQ(target->settings.penalty_age[0], 59.0f);
  EXPECT_EQ(target->settings.penalty_rate[0], 10.0f);
  EXPECT_EQ(target->dividends.taxable_percent[0], 100.0f);
  EXPECT_EQ(target->dividends.deposit_account[0], -1);
  EXPECT_EQ(target->allocation.percent[0][0], 0.0f);
  EXPECT_TRUE(target->categories.names[0].empty());
}

TEST(AccountsFile, ProblemsNameTheFileAndChangeNothing) {
  test_support::TempFolder folder;
  auto scenario = test_support::MakeClearedScenario();
  const std::string old_file = folder.File("old.acc");
  test_support::WriteText(old_file, "old");
  const std::string bad = folder.File("bad.acc");
  std::vector<std::uint8_t> bad_bytes(13008, 0xFF);  // count -1
  test_support::WriteAll(bad, bad_bytes);
  const struct {
    FileResult result;
    FileProblem problem;
    std::string file;
  } cases[] = {
      {WriteAccountsFile(old_file, *scenario, Overwrite::Ask), FileProblem::Exists, old_file},
      {WriteAccountsFile(folder.File("no/dir.acc"), *scenario, Overwrite::Agreed),
       FileProblem::CannotWrite, folder.File("no/dir.acc")},
      {ReadAccountsFile(folder.File("none.acc"), *scenario), FileProblem::CannotOpen,
       folder.File("none.acc")},
      {ReadAccountsFile(bad, *scenario), FileProblem::Invalid, bad},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.result.problem, c.problem) << c.file;
    EXPECT_EQ(c.result.file, c.file);
  }
  EXPECT_EQ(test_support::ReadText(old_file), "old");
  EXPECT_FALSE(scenario->modified);

  ASSERT_TRUE(WriteAccountsFile(old_file, *scenario, Overwrite::Agreed).ok());
  EXPECT_EQ(test_support::ReadAll(old_file), EncodeAccountsFile(*scenario));
}

TEST(AccountsFile, AccountCountOutsideTheTableIsRefusedAndChangesNothing) {
  auto scenario = test_support::MakeClearedScenario();
  test_support::AddAccount(*scenario, AccountType::Asset, 1, 1, "Kept");
  std::vector<std::uint8_t> bytes(13008, 0xFF);  // count -1
  EXPECT_FALSE(DecodeAccountsFile(bytes, *scenario));
  EXPECT_EQ(scenario->accounts.count, 1);
  EXPECT_EQ(scenario->accounts.records[0].name.str(), "Kept");
}

}  // namespace
}  // namespace tarvel::model
