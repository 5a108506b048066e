// A planner's claim on the scenario file it has open, so that another planner (working in
// another folder) opening the same file can warn that saves in one would undo the other's.
// The claim is an exclusive flock on the file; a save puts a new file in the old one's
// place, so the claim is taken again on the new file after every save.
#pragma once

#include <memory>
#include <string>

namespace tarvel::model {

class ScenarioFileClaim {
 public:
  ScenarioFileClaim(const ScenarioFileClaim&) = delete;
  ScenarioFileClaim& operator=(const ScenarioFileClaim&) = delete;
  ~ScenarioFileClaim();

  // The claim on the file, or nothing when another process holds one or the file cannot be
  // opened.
  static std::unique_ptr<ScenarioFileClaim> Take(const std::string& path);

  // Whether the claim is on the file now at path (the same file, not only the same name).
  bool Covers(const std::string& path) const;

 private:
  explicit ScenarioFileClaim(int fd) : fd_(fd) {}
  int fd_;
};

// True when another planner holds a claim on the file at path.
bool ClaimedElsewhere(const std::string& path, const ScenarioFileClaim* own_claim);

// "NAME is open in another Tarvel Financial Planner. ... Open it anyway?"
std::string ClaimedElsewhereQuestion(const std::string& name);

}  // namespace tarvel::model
