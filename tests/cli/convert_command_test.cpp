// `tarvel convert` run as a program: sample scenarios through both forms, damaged input and
// usage errors with their exit statuses and messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Outcome = tarvel::test_support::ProcessOutcome;

using tarvel::test_support::ReadText;

class ConvertCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tarvel-convert-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  Outcome Tarvel(const std::string& arguments) const {
    return tarvel::test_support::RunTarvel(arguments);
  }
  std::string At(const std::string& name) const { return "'" + (folder_ / name).string() + "'"; }

  fs::path folder_;
};

TEST_F(ConvertCommand, SamplesComeBackByteForByteThroughJson) {
  for (const char* name : {"couple-saving", "single-drawdown"}) {
    const fs::path sample = fs::path(TARVEL_EXAMPLES_BUILD_DIR) / (std::string(name) + ".ret");
    const std::string quoted = "'" + sample.string() + "'";
    ASSERT_EQ(Tarvel("convert " + quoted + " " + At("a.json")).status, 0) << name;
    ASSERT_EQ(Tarvel("convert " + At("a.json") + " " + At("b.RET")).status, 0);
    ASSERT_EQ(Tarvel("convert " + At("b.RET") + " " + At("c.ret")).status, 0);
    ASSERT_EQ(Tarvel("convert " + At("c.ret") + " " + At("d.Json")).status, 0);
    EXPECT_EQ(ReadText(folder_ / "b.RET"), ReadText(sample)) << name;
    EXPECT_EQ(ReadText(folder_ / "c.ret"), ReadText(sample)) << name;
    EXPECT_EQ(ReadText(folder_ / "d.Json"), ReadText(folder_ / "a.json")) << name;
  }
}

TEST_F(ConvertCommand, ShortOlderFileComesBackComplete) {
  const std::string sample = ReadText(fs::path(TARVEL_EXAMPLES_BUILD_DIR) / "single-drawdown.ret");
  // Cut after the account table: the later blocks take their defaults.
  const std::size_t events = 8;
  std::ofstream(folder_ / "old.ret", std::ios::binary)
      << sample.substr(0, 80 + 160 * events + 4124);
  ASSERT_EQ(Tarvel("convert " + At("old.ret") + " " + At("new.ret")).status, 0);
  EXPECT_EQ(ReadText(folder_ / "new.ret").size(), sample.size());
}

TEST_F(ConvertCommand, TruncatedFileIsRefusedAndNothingWritten) {
  const std::string sample = ReadText(fs::path(TARVEL_EXAMPLES_BUILD_DIR) / "couple-saving.ret");
  std::ofstream(folder_ / "cut.ret", std::ios::binary) << sample.substr(0, 200);
  const std::string input = (folder_ / "cut.ret").string();
  const Outcome outcome = Tarvel("convert '" + input + "' " + At("out.json"));
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.errors, input + " doesn't seem to be a valid Tarvel Financial Planner file.\n");
  EXPECT_FALSE(fs::exists(folder_ / "out.json"));
}

TEST_F(ConvertCommand, BadJsonGivesOneLineNamingThePath) {
  std::ofstream(folder_ / "bad.json") << R"({"events": [{"kind": "Depost"}]})";
  const Outcome outcome = Tarvel("convert " + At("bad.json") + " " + At("out.ret"));
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.errors.find("events[0].kind: unknown event kind \"Depost\"\n"),
            std::string::npos)
      << outcome.errors;
  EXPECT_FALSE(fs::exists(folder_ / "out.ret"));

  std::ofstream(folder_ / "broken.json") << R"({"events": [)";
  const Outcome broken = Tarvel("convert " + At("broken.json") + " " + At("out.ret"));
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.errors.find("not valid JSON"), std::string::npos) << broken.errors;
}

TEST_F(ConvertCommand, MissingInputIsBadInput) {
  const Outcome outcome = Tarvel("convert " + At("none.ret") + " " + At("out.json"));
  EXPECT_EQ(outcome.status, 1);
  EXPECT_FALSE(outcome.errors.empty());
}

TEST_F(ConvertCommand, UsageErrorsExitWithTwo) {
  EXPECT_EQ(Tarvel("").status, 2);
  EXPECT_EQ(Tarvel("convert " + At("only.ret")).status, 2);
  EXPECT_EQ(Tarvel("convert --frobnicate a.ret b.ret").status, 2);
  EXPECT_EQ(Tarvel("convert " + At("a.txt") + " " + At("b.ret")).status, 2);
  EXPECT_EQ(Tarvel("--version").status, 0);
  EXPECT_EQ(Tarvel("--help").status, 0);
}

}  // namespace
