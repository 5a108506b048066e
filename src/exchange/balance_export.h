// The export of a run's yearly account balances to a tab- or comma-delimited file: a header
// "Age", the account names, "Equity", "Total", then one row per year from the start age on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/file_result.h"
#include "model/program.h"
#include "model/records.h"
#include "platform/clock.h"

namespace tarvel::exchange {

struct YearBalances {
  float age = 0;
  std::vector<float> balances;  // in the table's account order
  float equity = 0;             // the equity category
};

struct BalanceTable {
  std::vector<std::string> names;  // the accounts in the run's order
  std::vector<model::AccountType> types;
  std::vector<YearBalances> rows;
};

// Runs a copy of the scenario without writing any file (whatever the runs-suppressed
// switch says) and keeps the balances at the start of every year and of the final record.
BalanceTable RunForExport(const model::Scenario& scenario, const model::Program& program,
                          const platform::Clock& clock);

// The file's text. Amounts "%.2f"; the total is the sum of the balances with each equity
// account counted once (in the equity column). Comma files quote a field holding a comma, a
// quote or a line break; tab files turn tabs and line breaks in a name into blanks.
std::string ExportText(const BalanceTable& table, char separator);

// One field of a delimited line.
std::string DelimitedField(std::string_view text, char separator);

// The one place an export file is written: replaces the file whole. Exists (nothing written)
// when the file is there and overwriting was not agreed; CannotWrite when it failed.
model::FileResult WriteExportFile(const std::string& path, std::string_view text,
                                  model::Overwrite overwrite);

}  // namespace tarvel::exchange
