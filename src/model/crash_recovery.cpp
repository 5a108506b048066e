// Writes, finds, takes back and sets aside the scenario copy kept for crash recovery.
#include "model/crash_recovery.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "model/atomic_file.h"
#include "model/scenario_codec.h"
#include "model/scenario_file.h"

namespace tarvel::model {
namespace {

namespace fs = std::filesystem;

std::string InFolder(const std::string& folder, const std::string& name) {
  return (fs::path(folder) / name).string();
}

std::optional<std::time_t> ModificationTime(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return status.st_mtime;
}

// The note: the open name on line 1, the save name on line 2.
std::optional<RecoveryOffer> ReadNote(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(path, 2 * (kMaxFileNameLength + 2), bytes)) return std::nullopt;
  const std::string text(bytes.begin(), bytes.end());
  const auto first_end = text.find('\n');
  if (first_end == std::string::npos) return std::nullopt;
  const auto second_end = text.find('\n', first_end + 1);
  RecoveryOffer offer;
  offer.open_name = text.substr(0, first_end);
  offer.save_name =
      text.substr(first_end + 1,
                  second_end == std::string::npos ? std::string::npos : second_end - first_end - 1);
  if (offer.open_name.empty() || offer.save_name.empty()) return std::nullopt;
  return offer;
}

std::string TimeStamp(std::time_t time) {
  std::tm local{};
  ::localtime_r(&time, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

}  // namespace

bool WriteRecoveryFile(const Program& program, const Scenario& scenario) {
  const std::string& folder = program.working_directory;
  return WriteFileAtomically(InFolder(folder, kRecoveryNoteName),
                             program.open_name + "\n" + program.save_name + "\n") &&
         WriteFileAtomically(InFolder(folder, kRecoveryFileName), EncodeScenario(scenario));
}

void RemoveRecoveryFile(const std::string& folder) {
  std::error_code error;
  fs::remove(InFolder(folder, kRecoveryFileName), error);
  fs::remove(InFolder(folder, kRecoveryNoteName), error);
}

std::optional<RecoveryOffer> FindRecovery(const std::string& folder) {
  const auto written = ModificationTime(InFolder(folder, kRecoveryFileName));
  if (!written) return std::nullopt;
  std::optional<RecoveryOffer> offer = ReadNote(InFolder(folder, kRecoveryNoteName));
  if (!offer) return std::nullopt;
  offer->written = *written;
  Program program;
  program.working_directory = folder;
  const auto saved = ModificationTime(ScenarioPath(program, offer->save_name));
  if (saved && *saved > *written) return std::nullopt;
  return offer;
}

bool TakeRecovery(const RecoveryOffer& offer, Program& program, Scenario& scenario) {
  Program read_program = program;
  read_program.open_name = InFolder(program.working_directory, kRecoveryFileName);
  auto read = std::make_unique<Scenario>();
  if (!ReadScenario(read_program, *read).ok()) return false;
  program = std::move(read_program);
  program.open_name = offer.open_name;
  program.save_name = offer.save_name;
  ClaimScenarioFile(program, ScenarioPath(program, program.save_name));
  scenario = *read;
  scenario.modified = true;
  return true;
}

bool SetRecoveryAside(const std::string& folder, const RecoveryOffer& offer) {
  const std::string stamp = "recovery-" + TimeStamp(offer.written);
  std::error_code error;
  fs::rename(InFolder(folder, kRecoveryNoteName), InFolder(folder, stamp + ".txt"), error);
  fs::rename(InFolder(folder, kRecoveryFileName), InFolder(folder, stamp + ".ret"), error);
  return !error;
}

}  // namespace tarvel::model
