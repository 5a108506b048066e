// `tarvel graph`: every image format is written, and bad options and files are refused
// with the usual exit statuses.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/process_runner.h"

namespace {

namespace fs = std::filesystem;

class GraphCommand : public ::testing::Test {
 protected:
  GraphCommand() {
    dir_ = fs::temp_directory_path() / ("tarvel_graph_cli_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~GraphCommand() override { fs::remove_all(dir_); }

  static std::string Sample() {
    return std::string(TARVEL_EXAMPLES_BUILD_DIR) + "/couple-saving.ret";
  }

  // The exit status of `tarvel graph ARGUMENTS`, run in the test's folder.
  int Run(const std::string& arguments) {
    last_ = tarvel::test_support::RunTarvel("graph " + arguments, {dir_, {}});
    return last_.status;
  }

  // What the last run wrote to standard error.
  const std::string& Errors() const { return last_.errors; }

  std::string Head(const std::string& name, std::size_t count) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::string bytes(count, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    return bytes.substr(0, static_cast<std::size_t>(in.gcount()));
  }

  fs::path dir_;
  tarvel::test_support::ProcessOutcome last_;
};

TEST_F(GraphCommand, WritesPngSvgAndPdf) {
  ASSERT_EQ(Run(Sample() + " --kind networth --style line --out a.png"), 0) << Errors();
  EXPECT_EQ(Head("a.png", 4), "\x89PNG");
  ASSERT_EQ(Run(Sample() + " --kind outgoing --style 3d --out b.svg --size 640x480"), 0)
      << Errors();
  EXPECT_NE(Head("b.svg", 400).find("<svg"), std::string::npos);
  ASSERT_EQ(Run(Sample() + " --kind accounts:1 --style bar --out c.pdf"), 0) << Errors();
  EXPECT_EQ(Head("c.pdf", 5), "%PDF-");
}

TEST_F(GraphCommand, DrawsEveryKindAndAZoomedRange) {
  for (const char* kind : {"inout", "incoming", "groups", "allocation", "summary"}) {
    EXPECT_EQ(Run(Sample() + " --kind " + std::string(kind) + " --out k.png"), 0) << kind;
    EXPECT_GT(fs::file_size(dir_ / "k.png"), 0u) << kind;
  }
  EXPECT_EQ(Run(Sample() + " --zoom 50-60 --out z.png --workdir run"), 0) << Errors();
  EXPECT_TRUE(fs::exists(dir_ / "run" / "plotinf01.tmp"));
}

TEST_F(GraphCommand, MalformedOptionsAreUsageErrors) {
  EXPECT_EQ(Run(Sample() + " --kind pies --out a.png"), 2);
  EXPECT_NE(Errors().find("--kind"), std::string::npos);
  EXPECT_EQ(Run(Sample() + " --kind accounts:9 --out a.png"), 2);
  EXPECT_EQ(Run(Sample() + " --style round --out a.png"), 2);
  EXPECT_EQ(Run(Sample() + " --out a.gif"), 2);
  EXPECT_EQ(Run(Sample() + " --size 10 --out a.png"), 2);
  EXPECT_EQ(Run(Sample() + " --zoom soon --out a.png"), 2);
  EXPECT_FALSE(fs::exists(dir_ / "a.png"));
}

TEST_F(GraphCommand, BadFilesAndRangesAreBadInput) {
  EXPECT_EQ(Run("missing.ret --out a.png"), 1);
  EXPECT_NE(Errors().find("Cannot open missing.ret: No such file or directory."),
            std::string::npos);
  std::ofstream(dir_ / "junk.ret") << "not a scenario";
  EXPECT_EQ(Run("junk.ret --out a.png"), 1);
  EXPECT_EQ(Run(Sample() + " --zoom 60-61 --out a.png"), 2);
  EXPECT_EQ(Run(Sample() + " --out no-such-folder/a.png"), 1);
  EXPECT_FALSE(fs::exists(dir_ / "a.png"));
}

}  // namespace
