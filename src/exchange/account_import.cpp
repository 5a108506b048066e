// The account import's preview and its changes to the scenario.
#include "exchange/account_import.h"

#include <algorithm>
#include <cstdio>

#include "model/account_defaults.h"
#include "model/name_order.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"

namespace tarvel::exchange {
namespace {

constexpr float kImportedRandomMax = 20.0f;

bool HasAccountNamed(const model::Scenario& scenario, const std::string& name) {
  return CountAccountsNamed(scenario, name) > 0;
}

std::string AmountText(double amount, const model::Currency& currency) {
  char number[64];
  std::snprintf(number, sizeof number, "%.2f", amount);
  return model::FormatMoney(number, currency);
}

std::string MarkText(const PreviewLine& line) {
  switch (line.mark) {
    case PreviewMark::Matched:
      return "matched: " + line.name;
    case PreviewMark::New:
      return "new: " + line.name;
    case PreviewMark::Skipped:
      return "skipped: " + line.reason;
  }
  return "";
}

}  // namespace

std::vector<PreviewLine> BuildImportPreview(const ParsedReport& report,
                                            const model::Scenario& scenario, ImportMode mode) {
  std::vector<PreviewLine> preview;
  for (const ReportLine& line : report.lines) {
    PreviewLine shown;
    shown.text = line.text;
    if (line.mark != LineMark::Account) {
      shown.reason = MarkReason(line);
    } else {
      shown.name = line.name;
      shown.amount = line.value;
      const bool known = mode == ImportMode::Update && HasAccountNamed(scenario, line.name);
      shown.mark = known ? PreviewMark::Matched : PreviewMark::New;
    }
    preview.push_back(std::move(shown));
  }
  return preview;
}

std::vector<std::string> PreviewRows(const std::vector<PreviewLine>& preview,
                                     const model::Currency& currency) {
  std::vector<std::string> rows;
  for (const PreviewLine& line : preview) {
    std::string text = line.text;
    std::replace(text.begin(), text.end(), '\t', ' ');
    const bool skipped = line.mark == PreviewMark::Skipped;
    rows.push_back(text + "\t" + MarkText(line) + "\t" +
                   (skipped ? std::string() : AmountText(line.amount, currency)));
  }
  return rows;
}

int CountMarked(const std::vector<PreviewLine>& preview, PreviewMark mark) {
  return static_cast<int>(
      std::count_if(preview.begin(), preview.end(),
                    [mark](const PreviewLine& line) { return line.mark == mark; }));
}

model::Account ImportedAccount(const model::Scenario& scenario, const std::string& name,
                               double amount) {
  model::Account account;
  account.name.assign(name);
  account.initial_amount = account.balance = static_cast<float>(amount);
  account.type = model::AccountType::Investment;
  account.yearly_rate = account.rate = model::DefaultRateForType(scenario, account.type);
  account.random_min_rate = 0;
  account.random_max_rate = kImportedRandomMax;
  account.penalty_flag = 0;
  account.access_order.assign(model::NextFreeAccessOrder(scenario));
  return account;
}

int AppendImportedAccount(model::Scenario& scenario, const std::string& name, double amount) {
  if (!model::CheckRoomForAccount(scenario).ok()) return -1;
  const int position = model::AccountCount(scenario);
  const int slot = model::FreeSettingsSlot(scenario);
  model::ResetSettingsSlot(scenario, slot);
  model::Account account = ImportedAccount(scenario, name, amount);
  account.slot = static_cast<std::uint16_t>(slot);
  scenario.accounts.records[position] = account;
  model::AssignAccountId(scenario);
  model::RepairSettingsSlots(scenario);
  model::RecomputeInitialTotals(scenario);
  scenario.modified = true;
  return position;
}

int UpdateAccountsNamed(model::Scenario& scenario, const std::string& name, double amount) {
  int updated = 0;
  const int count = model::AccountCount(scenario);
  for (int position = 0; position < count; ++position) {
    model::Account& account = scenario.accounts.records[position];
    if (account.name.view() != name) continue;
    account.initial_amount = account.balance = static_cast<float>(amount);
    ++updated;
  }
  if (updated > 0) {
    model::RecomputeInitialTotals(scenario);
    scenario.modified = true;
  }
  return updated;
}

int CountAccountsNamed(const model::Scenario& scenario, const std::string& name) {
  const int count = model::AccountCount(scenario);
  const auto& records = scenario.accounts.records;
  return static_cast<int>(std::count_if(
      records.begin(), records.begin() + count,
      [&name](const model::Account& account) { return account.name.view() == name; }));
}

void SortAndRemoveAddedDuplicates(model::Scenario& scenario, const std::set<std::uint16_t>& added) {
  const int count = model::AccountCount(scenario);
  auto& records = scenario.accounts.records;
  std::stable_sort(records.begin(), records.begin() + count,
                   [](const model::Account& first, const model::Account& second) {
                     return model::NameBefore(first.name.view(), second.name.view());
                   });
  for (int position = model::AccountCount(scenario) - 1; position >= 0; --position) {
    const model::Account& account = records[position];
    if (!added.contains(account.id) || CountAccountsNamed(scenario, account.name.str()) < 2) {
      continue;
    }
    model::RemoveAccount(scenario, position);
  }
  model::RecomputeInitialTotals(scenario);
}

void StartNewScenario(model::Scenario& scenario) {
  model::FillAllocationCategoryDefaults(scenario);
  scenario.initial.event_count = 0;
  model::ClearScenario(scenario);
  model::ApplyNewScenarioDefaults(scenario);
}

std::vector<std::string> ApplyImport(model::Scenario& scenario,
                                     const std::vector<PreviewLine>& preview, ImportMode mode,
                                     bool add_new) {
  std::vector<std::string> left_out;
  std::set<std::uint16_t> added;
  for (const PreviewLine& line : preview) {
    if (line.mark == PreviewMark::Skipped) continue;
    if (mode == ImportMode::Update && UpdateAccountsNamed(scenario, line.name, line.amount) > 0) {
      continue;
    }
    const int position = mode == ImportMode::NewAccounts || add_new
                             ? AppendImportedAccount(scenario, line.name, line.amount)
                             : -1;
    if (position < 0) {
      left_out.push_back(line.name);
      continue;
    }
    added.insert(scenario.accounts.records[position].id);
  }
  if (mode == ImportMode::Update) SortAndRemoveAddedDuplicates(scenario, added);
  return left_out;
}

}  // namespace tarvel::exchange
