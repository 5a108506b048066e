// Applying an account-balances report to the scenario: the preview of what each line will do
// (update which account, make a new one, or nothing and why), the new accounts made from a
// file, the updates of initial amounts and the tidy-up after an update.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "exchange/report_parser.h"
#include "model/money_format.h"
#include "model/records.h"

namespace tarvel::exchange {

enum class ImportMode { NewAccounts, Update };
enum class PreviewMark { Matched, New, Skipped };

struct PreviewLine {
  std::string text;  // the line as read
  PreviewMark mark = PreviewMark::Skipped;
  std::string reason;  // why a line is skipped
  std::string name;
  double amount = 0;
};

// What each line of the report does in this mode: with Update, a line whose name is an
// account's is Matched and any other account line New; with NewAccounts every account line is
// New.
std::vector<PreviewLine> BuildImportPreview(const ParsedReport& report,
                                            const model::Scenario& scenario, ImportMode mode);
// The preview list's rows: line, mark ("matched: NAME", "new", "skipped: REASON"), amount.
std::vector<std::string> PreviewRows(const std::vector<PreviewLine>& preview,
                                     const model::Currency& currency);
int CountMarked(const std::vector<PreviewLine>& preview, PreviewMark mark);

// An account as a file makes it for this scenario: type Investment Savings at the scenario's
// rate for that type, random rates 0 to 20, no penalty, the next free access order, no
// allocation and no RMD table.
model::Account ImportedAccount(const model::Scenario& scenario, const std::string& name,
                               double amount);
// Appends the imported account with a fresh settings slot and id; its position, or -1 when
// the scenario holds 50 accounts already.
int AppendImportedAccount(model::Scenario& scenario, const std::string& name, double amount);
// Sets the initial amount (and balance) of every account with exactly this name; how many.
int UpdateAccountsNamed(model::Scenario& scenario, const std::string& name, double amount);
// The number of accounts with exactly this name.
int CountAccountsNamed(const model::Scenario& scenario, const std::string& name);

// Puts the accounts in name order (case-insensitive, equal names keep their order) and
// removes an account this import added (its id in added) whose name another account holds,
// so accounts that were there before the import, and the events that use them, stay.
void SortAndRemoveAddedDuplicates(model::Scenario& scenario, const std::set<std::uint16_t>& added);

// A new scenario's empty start: no events, cleared tables, RMD tables "IRA 1".."IRA 3" at 70.
void StartNewScenario(model::Scenario& scenario);

// Without dialogs: NewAccounts appends every account line (stopping at 50 accounts);
// Update sets the amounts of every account a line names (a later line wins), appends the new
// ones when add_new is set, and sorts the accounts. Returns the names of account lines that
// changed nothing: unknown accounts not added, and accounts over the limit of 50.
std::vector<std::string> ApplyImport(model::Scenario& scenario,
                                     const std::vector<PreviewLine>& preview, ImportMode mode,
                                     bool add_new);

}  // namespace tarvel::exchange
