// The life-expectancy data behind Rule 72T distributions: mortality rates, single-life and
// uniform-lifetime expectancies from "mort.dat" and joint-life expectancies from
// "jointtab.dat", found through the planner's data folders.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarvel::engine {

inline constexpr char kMortalityFileName[] = "mort.dat";
inline constexpr char kJointTableFileName[] = "jointtab.dat";

// "mort.dat": q(x) for ages 0..115, single-life expectancy for 0..111, uniform-lifetime
// divisors for 10..115, one value a line in that order.
inline constexpr int kLastMortalityAge = 115;
inline constexpr int kLastSingleLifeAge = 111;
inline constexpr int kFirstUniformAge = 10;
inline constexpr int kLastUniformAge = 115;
inline constexpr int kMortalityLines = (kLastMortalityAge + 1) + (kLastSingleLifeAge + 1) +
                                       (kLastUniformAge - kFirstUniformAge + 1);  // 334
// "jointtab.dat": the triangle of owner ages 0..115 with beneficiaries not older than the
// owner; J(a, b) is on line a(a + 1)/2 + b + 1.
inline constexpr int kLastJointAge = 115;
inline constexpr int kJointLines = (kLastJointAge + 1) * (kLastJointAge + 2) / 2;  // 6786
// A line holds one decimal number in at most this many characters.
inline constexpr int kMaxLifeTableLine = 29;

// The values of both files, line by line. Any value the files did not provide reads as 0.
class LifeTables {
 public:
  LifeTables();
  LifeTables(std::vector<double> mortality_lines, std::vector<double> joint_lines);

  // q(age), a fraction of 1.
  double Mortality(int age) const;
  double SingleLife(int age) const;
  double UniformLifetime(int age) const;
  // The table is symmetric, so an older beneficiary swaps places with the owner.
  double JointLife(int owner_age, int beneficiary_age) const;

 private:
  std::vector<double> mortality_lines_;  // kMortalityLines values
  std::vector<double> joint_lines_;      // kJointLines values
};

// A problem to tell the user about, with its message-box caption.
struct LifeTableProblem {
  std::string file;  // kMortalityFileName or kJointTableFileName
  std::string text;
  std::string caption;
  bool missing = false;  // the file was not found; else it was damaged
};

// What reading the tables found. Each file gives at most one problem.
struct LifeTablesRead {
  LifeTables tables;
  std::vector<LifeTableProblem> problems;
  bool mortality_found = false;
  bool joint_found = false;
};

// Reads both files, each from the first folder that holds it.
LifeTablesRead ReadLifeTables(const std::vector<std::filesystem::path>& folders);
// Reads "mort.dat" only, for its uniform-lifetime divisors; the joint values stay 0.
LifeTablesRead ReadMortalityFile(const std::vector<std::filesystem::path>& folders);

}  // namespace tarvel::engine
