// The accounts file: its 13008-byte layout, the defaults of a short file and the messages.

#include "model/accounts_file.h"

#include <gtest/gtest.h>

#include "model/block_codec.h"
#include "support/fake_prompter.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::model {
namespace {

TEST(AccountsFile, WritesFiveBlocksAndReadsThemBack) {
  test_support::TempFolder folder;
  test_support::FakePrompter prompter;
  auto source = test_support::MakeClearedScenario();
  test_support::AddAccount(*source, AccountType::TaxFree, 500, 4, "Roth");
  source->dividends.yearly_percent[0] = 2;
  source->allocation.percent[1][0] = 60;
  const std::string path = folder.File("mine.acc");
  ASSERT_TRUE(WriteAccountsFile(path, *source, prompter));
  const auto bytes = test_support::ReadAll(path);
  ASSERT_EQ(bytes.size(), 13008u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[2])), "Roth");

  auto target = test_support::MakeClearedScenario();
  ASSERT_TRUE(ReadAccountsFile(path, *target, prompter));
  EXPECT_TRUE(target->modified);
  EXPECT_EQ(EncodeAccountsFile(*target), bytes);
}

TEST(AccountsFile, FileOfOnlyTheAccountTableTakesTheDefaults) {
  test_support::TempFolder folder;
  test_support::FakePrompter prompter;
  auto source = test_support::MakeClearedScenario();
  test_support::AddAccount(*source, AccountType::Retirement, 100, 3, "401k");
  const std::string path = folder.File("short.acc");
  test_support::WriteAll(path, EncodeBlock(source->accounts));

  auto target = test_support::MakeClearedScenario();
  target->settings.penalty_age[0] = 40;
  target->allocation.percent[0][0] = 10;
  target->categories.names[0].assign("Mine");
  ASSERT_TRUE(ReadAccountsFile(path, *target, prompter));
  EXPECT_EQ(target->accounts.records[0].name.str(), "401k");
  EXPECT_EQ(target->settings.penalty_age[0], 59.0f);
  EXPECT_EQ(target->settings.penalty_rate[0], 10.0f);
  EXPECT_EQ(target->dividends.taxable_percent[0], 100.0f);
  EXPECT_EQ(target->dividends.deposit_account[0], -1);
  EXPECT_EQ(target->allocation.percent[0][0], 0.0f);
  EXPECT_TRUE(target->categories.names[0].empty());
}

TEST(AccountsFile, OverwriteQuestionAndFailuresAreShown) {
  test_support::TempFolder folder;
  test_support::FakePrompter prompter;
  auto scenario = test_support::MakeClearedScenario();
  const std::string path = folder.File("old.acc");
  test_support::WriteText(path, "old");
  prompter.answers = {platform::Answer::No};
  EXPECT_FALSE(WriteAccountsFile(path, *scenario, prompter));
  EXPECT_EQ(prompter.messages[0].text, path + " exists - Overwrite anyway?");
  EXPECT_EQ(test_support::ReadText(path), "old");
  ASSERT_EQ(prompter.messages.size(), 1u);

  EXPECT_FALSE(WriteAccountsFile(folder.File("no/dir.acc"), *scenario, prompter));
  EXPECT_EQ(prompter.messages.back().text,
            "Cannot write " + folder.File("no/dir.acc") + " accounts file!");
  EXPECT_EQ(prompter.messages.back().caption, "Write Error");

  EXPECT_FALSE(ReadAccountsFile(folder.File("none.acc"), *scenario, prompter));
  EXPECT_EQ(prompter.messages.back().caption, "Read Error");
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
