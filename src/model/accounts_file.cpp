// Reads and writes the accounts file of 13008 bytes.

#include "model/accounts_file.h"

#include <filesystem>

#include "model/atomic_file.h"
#include "model/block_codec.h"
#include "model/scenario_ops.h"

namespace tarvel::model {
namespace {

// The account part of a scenario, decoded apart so that a refused file changes nothing.
struct AccountPart {
  AccountTable accounts;
  AccountSettings settings;
  DividendSettings dividends;
  AllocationCategories categories;
  AllocationBlock allocation;
};

std::span<const std::uint8_t> Block(std::span<const std::uint8_t> bytes, std::size_t offset,
                                    std::size_t size) {
  if (offset >= bytes.size()) return {};
  return bytes.subspan(offset, std::min(size, bytes.size() - offset));
}

}  // namespace

std::vector<std::uint8_t> EncodeAccountsFile(const Scenario& scenario) {
  std::vector<std::uint8_t> bytes(kAccountsFileSize);
  std::span<std::uint8_t> out(bytes);
  Encode(scenario.accounts, out.subspan(0, kAccountTableSize));
  Encode(scenario.settings, out.subspan(4124, kAccountSettingsSize));
  Encode(scenario.dividends, out.subspan(6062, kDividendSettingsSize));
  Encode(scenario.categories, out.subspan(7162, kAllocationCategoriesSize));
  Encode(scenario.allocation, out.subspan(7948, kAllocationBlockSize));
  return bytes;
}

bool DecodeAccountsFile(std::span<const std::uint8_t> bytes, Scenario& scenario) {
  AccountPart part{scenario.accounts, scenario.settings, scenario.dividends, scenario.categories,
                   scenario.allocation};
  // The table is taken as far as the file goes.
  DecodeOver(Block(bytes, 0, kAccountTableSize), part.accounts);
  if (part.accounts.count < 0 || part.accounts.count > kMaxAccounts) return false;

  const auto settings = Block(bytes, 4124, kAccountSettingsSize);
  const bool settings_read = settings.size() == kAccountSettingsSize;
  if (settings_read) Decode(settings, part.settings);
  const auto dividends = Block(bytes, 6062, kDividendSettingsSize);
  const bool dividends_read = dividends.size() == kDividendSettingsSize;
  if (dividends_read) Decode(dividends, part.dividends);
  const auto categories = Block(bytes, 7162, kAllocationCategoriesSize);
  part.categories = AllocationCategories{};
  if (categories.size() == kAllocationCategoriesSize) Decode(categories, part.categories);
  const auto allocation = Block(bytes, 7948, kAllocationBlockSize);
  part.allocation = AllocationBlock{};
  if (allocation.size() == kAllocationBlockSize) Decode(allocation, part.allocation);

  scenario.accounts = part.accounts;
  scenario.settings = part.settings;
  scenario.dividends = part.dividends;
  scenario.categories = part.categories;
  scenario.allocation = part.allocation;
  if (!settings_read) ApplyPerAccountDefaults(scenario);
  if (!dividends_read) ApplyDividendDefaults(scenario);
  for (Account& account : scenario.accounts.records) {
    if (account.group >= kMaxGroups) account.group = 0;
  }
  return true;
}

FileResult WriteAccountsFile(const std::string& path, const Scenario& scenario,
                             Overwrite overwrite) {
  std::error_code error;
  if (overwrite != Overwrite::Agreed && std::filesystem::exists(path, error)) {
    return FileResult::Fail(FileProblem::Exists, path);
  }
  if (!WriteFileAtomically(path, EncodeAccountsFile(scenario))) {
    return FileResult::Fail(FileProblem::CannotWrite, path);
  }
  return {};
}

FileResult ReadAccountsFile(const std::string& path, Scenario& scenario) {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(path, kAccountsFileSize, bytes)) {
    return FileResult::Fail(FileProblem::CannotOpen, path);
  }
  if (!DecodeAccountsFile(bytes, scenario)) return FileResult::Fail(FileProblem::Invalid, path);
  scenario.modified = true;
  return {};
}

}  // namespace tarvel::model
