// Reads the run files a run leaves for the reports: the event file "bigfile.tmp" (event and
// category amounts by age) and the account files "infile.tmp" and "outfile.tmp" (money
// entering and leaving each account by age). Reading stops at the "Dooone" line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvel::results {

struct EventAmount {
  float age = 0;
  std::string name;
  int code = 0;  // the event kind: 2 incoming, 6 outgoing
  double amount = 0;
};

struct AccountAmount {
  float age = 0;
  std::string account;
  double amount = 0;
};

struct AccountFlows {
  std::vector<std::string> account_names;  // from the head of the incoming file
  std::vector<AccountAmount> incoming;
  std::vector<AccountAmount> outgoing;
};

// Nothing when the file cannot be opened. Lines that do not read as a record are skipped.
std::optional<std::vector<EventAmount>> ReadEventFile(const std::filesystem::path& path);
std::optional<AccountFlows> ReadAccountFlows(const std::filesystem::path& incoming,
                                             const std::filesystem::path& outgoing);

}  // namespace tarvel::results
