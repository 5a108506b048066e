// `tarvel rule72t`: the three amounts of the IRS example, the calculator's checks of ages
// and rates, and the life tables found in the working directory first.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/process_runner.h"

namespace {

namespace fs = std::filesystem;
using Outcome = tarvel::test_support::ProcessOutcome;

class Rule72TCommand : public ::testing::Test {
 protected:
  Rule72TCommand() {
    dir_ = fs::temp_directory_path() / ("tarvel_rule72t_cli_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~Rule72TCommand() override { fs::remove_all(dir_); }

  // Runs the command with the test's folder as the working directory.
  Outcome Run(const std::string& arguments) {
    return tarvel::test_support::RunTarvel("rule72t " + arguments, {dir_, {}});
  }

  fs::path dir_;
};

TEST_F(Rule72TCommand, PrintsTheThreeMethodsOfTheIrsExample) {
  const Outcome outcome = Run("--age 50 --beneficiary-age 50 --balance 400000 --rate 4");
  EXPECT_EQ(outcome.status, 0) << outcome.errors;
  EXPECT_EQ(outcome.out, "annuitization: 22030.34\namortization: 21101.63\nminimum: 11049.72\n");
  EXPECT_EQ(outcome.errors, "");
}

TEST_F(Rule72TCommand, TheJointTableUsesTheBeneficiarysAge) {
  const Outcome joint =
      Run("--age 50 --beneficiary-age 45 --balance 400000 --rate 4 --table joint");
  const Outcome single = Run("--age 50 --beneficiary-age 45 --balance 400000 --rate 4");
  EXPECT_EQ(joint.status, 0) << joint.errors;
  EXPECT_NE(joint.out, single.out);
  EXPECT_EQ(joint.out.rfind("annuitization: 22030.34\n", 0), 0u) << joint.out;
}

TEST_F(Rule72TCommand, RefusesWhatTheCalculatorRefuses) {
  const Outcome young = Run("--age 9 --beneficiary-age 40 --balance 1000 --rate 4 --table uniform");
  EXPECT_EQ(young.status, 2);
  EXPECT_EQ(young.errors, "Ages cannot be less than 10 when using the Uniform Life Table.\n");
  EXPECT_EQ(Run("--age 116 --beneficiary-age 40 --balance 1000 --rate 4").errors,
            "Ages cannot be more than 115.\n");
  EXPECT_EQ(Run("--age 0 --beneficiary-age 40 --balance 1000 --rate 4").status, 2);
  EXPECT_EQ(Run("--age 50 --beneficiary-age 40 --balance 1000 --rate -1").errors,
            "Rates must be between 0.0% and 100.0%\n");
  EXPECT_EQ(Run("--age 50 --beneficiary-age 40 --balance -5 --rate 4").status, 2);
  EXPECT_EQ(Run("--age 50 --beneficiary-age 40 --balance 1000 --rate 4 --table both").status, 2);
  EXPECT_EQ(Run("--beneficiary-age 40 --balance 1000 --rate 4").status, 2);
}

TEST_F(Rule72TCommand, RefusesARateOfZeroAsTheCalculatorDoes) {
  const Outcome outcome = Run("--age 50 --beneficiary-age 50 --balance 400000 --rate 0");
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.errors, "Rates must be between 0.0% and 100.0%\n");
}

TEST_F(Rule72TCommand, ReportsTheFirstProblemInTheCalculatorsOrder) {
  // Uniform table ages, then ages above 115, then the rate, then ages above 0.
  EXPECT_EQ(Run("--age 0 --beneficiary-age 40 --balance 1000 --rate 4 --table uniform").errors,
            "Ages cannot be less than 10 when using the Uniform Life Table.\n");
  EXPECT_EQ(Run("--age 5 --beneficiary-age 120 --balance 1000 --rate 4 --table uniform").errors,
            "Ages cannot be less than 10 when using the Uniform Life Table.\n");
  EXPECT_EQ(Run("--age 0 --beneficiary-age 120 --balance 1000 --rate 4").errors,
            "Ages cannot be more than 115.\n");
  EXPECT_EQ(Run("--age 0 --beneficiary-age 40 --balance 1000 --rate 101").errors,
            "Rates must be between 0.0% and 100.0%\n");
  EXPECT_EQ(Run("--age 0 --beneficiary-age 40 --balance 1000 --rate 4").errors,
            "Ages must be greater than 0.0\n");
}

TEST_F(Rule72TCommand, AShortTableInTheWorkingDirectoryIsUsedAndReported) {
  std::ofstream(dir_ / "mort.dat") << "0.01\n0.01\n";
  const Outcome outcome = Run("--age 50 --beneficiary-age 50 --balance 400000 --rate 4");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_NE(outcome.errors.find("holds 2 of its 334 values"), std::string::npos) << outcome.errors;
  EXPECT_NE(outcome.out.find("minimum: 0.00\n"), std::string::npos) << outcome.out;
}

}  // namespace
