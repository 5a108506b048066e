// `tarvel print`: the results report and the scenario pages of a sample land in PDF files,
// and bad options are refused with the usual exit statuses.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "support/process_runner.h"

namespace {

namespace fs = std::filesystem;

class PrintCommandCli : public ::testing::Test {
 protected:
  PrintCommandCli() {
    dir_ = fs::temp_directory_path() / ("tarvel_print_cli_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~PrintCommandCli() override { fs::remove_all(dir_); }

  static std::string Sample() {
    return std::string(TARVEL_EXAMPLES_BUILD_DIR) + "/couple-saving.ret";
  }

  int Run(const std::string& arguments) {
    last_ = tarvel::test_support::RunTarvel("print " + arguments, {dir_, {}});
    return last_.status;
  }

  // Pages of a PDF file, counted by its page objects.
  int Pages(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(std::sregex_iterator(text.begin(), text.end(), page),
                                          std::sregex_iterator()));
  }

  std::string Bytes(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  fs::path dir_;
  tarvel::test_support::ProcessOutcome last_;
};

TEST_F(PrintCommandCli, WritesTheResultsReportAndTheScenarioPages) {
  const std::string work = (dir_ / "work").string();
  fs::create_directories(work);
  ASSERT_EQ(
      Run(Sample() + " --schedule --out report.pdf --workdir " + work + " --today 2026-12-07"), 0)
      << last_.errors;
  int page_files = 0;
  while (fs::exists(fs::path(work) / ("page" + std::to_string(page_files + 1)))) ++page_files;
  EXPECT_GT(page_files, 5);
  EXPECT_EQ(Pages("report.pdf"), page_files);

  ASSERT_EQ(Run(Sample() + " --scenario --title-page --banding --boxing --out scenario.pdf"), 0)
      << last_.errors;
  EXPECT_GE(Pages("scenario.pdf"), 2);  // the title page and the listing
}

// The PDF's title as its writer stores it: UTF-16 with a byte-order mark.
std::string Utf16Title(const std::string& ascii_plan, const std::string& ascii_title) {
  std::string text = "\xFE\xFF";
  for (char c : ascii_plan) text += std::string{'\0', c};
  text += std::string("\0 \x20\x14\0 ", 6);  // " — "
  for (char c : ascii_title) text += std::string{'\0', c};
  return text;
}

TEST_F(PrintCommandCli, TheFileIsTitledAfterThePlanAndPrintedOnThePaperAskedFor) {
  ASSERT_EQ(Run(Sample() + " --schedule --paper a4 --out a4.pdf --today 2026-12-07"), 0)
      << last_.errors;
  ASSERT_EQ(Run(Sample() + " --schedule --paper Letter --out letter.pdf --today 2026-12-07"), 0)
      << last_.errors;
  EXPECT_NE(Bytes("a4.pdf").find(Utf16Title("couple-saving", "Financial Schedule")),
            std::string::npos);
  EXPECT_NE(Bytes("a4.pdf").find("/MediaBox [0 0 595"), std::string::npos);
  EXPECT_NE(Bytes("letter.pdf").find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
  // Each page is filled: the longer A4 page needs fewer pages than Letter, and far fewer
  // than the 50 a page of 40 short lines took.
  EXPECT_LE(Pages("a4.pdf"), Pages("letter.pdf"));
  EXPECT_LT(Pages("letter.pdf"), 40);
  EXPECT_EQ(Run(Sample() + " --schedule --paper legal --out legal.pdf"), 2);
}

TEST_F(PrintCommandCli, RefusesBadOptionsAndFiles) {
  EXPECT_EQ(Run(Sample() + " --out a.pdf"), 2);
  EXPECT_EQ(Run(Sample() + " --schedule --scenario --out a.pdf"), 2);
  EXPECT_EQ(Run(Sample() + " --schedule --out a.png"), 2);
  EXPECT_EQ(Run((dir_ / "missing.ret").string() + " --schedule --out a.pdf"), 1);
  EXPECT_FALSE(fs::exists(dir_ / "a.pdf"));
}

}  // namespace
