// The yearly balances export.
#include "exchange/balance_export.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "engine/data_folders.h"
#include "engine/run.h"
#include "engine/run_scenario.h"
#include "model/atomic_file.h"

namespace tarvel::exchange {
namespace {

void AppendAmount(std::string& text, double amount) {
  char number[64];
  std::snprintf(number, sizeof number, "%.2f", amount);
  text += number;
}

BalanceTable TableOf(const engine::Run& run) {
  BalanceTable table;
  for (const model::Account& account : run.state.Accounts()) {
    table.names.push_back(account.name.str());
    table.types.push_back(account.type);
  }
  const std::size_t accounts = table.names.size();
  for (std::size_t year = 0; year < run.periods.size() && year < run.balance_rows.size(); ++year) {
    const engine::PeriodResult& period = run.periods[year];
    const engine::BalanceRow& balances = run.balance_rows[year];
    YearBalances row;
    row.age = period[engine::IndexOf(engine::PeriodColumn::Age)];
    row.equity = period[engine::IndexOf(engine::PeriodColumn::Equity)];
    row.balances.assign(balances.begin(), balances.begin() + accounts);
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace

BalanceTable RunForExport(const model::Scenario& scenario, const model::Program& program,
                          const platform::Clock& clock) {
  auto copy = std::make_unique<model::Scenario>(scenario);
  auto run = std::make_unique<engine::Run>();
  run->clock = &clock;
  run->options.analysis = true;
  run->options.workdir = program.working_directory;
  run->options.currency = program.currency;
  run->options.data_folders = engine::ProgramDataFolders(program.working_directory);
  engine::RunScenario(*copy, *run);
  return TableOf(*run);
}

std::string DelimitedField(std::string_view text, char separator) {
  std::string field(text);
  if (separator != ',') {
    for (char& c : field) {
      if (c == separator || c == '\n' || c == '\r') c = ' ';
    }
    return field;
  }
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string ExportText(const BalanceTable& table, char separator) {
  std::string text = "Age";
  text += separator;
  for (const std::string& name : table.names) {
    text += DelimitedField(name, separator);
    text += separator;
  }
  text += "Equity";
  text += separator;
  text += "Total\n";
  for (const YearBalances& row : table.rows) {
    AppendAmount(text, row.age);
    text += separator;
    double total = row.equity;
    for (std::size_t i = 0; i < row.balances.size(); ++i) {
      AppendAmount(text, row.balances[i]);
      text += separator;
      if (i < table.types.size() && table.types[i] != model::AccountType::Equity) {
        total += row.balances[i];
      }
    }
    AppendAmount(text, row.equity);
    text += separator;
    AppendAmount(text, total);
    text += '\n';
  }
  return text;
}

model::FileResult WriteExportFile(const std::string& path, std::string_view text,
                                  model::Overwrite overwrite) {
  std::error_code error;
  if (overwrite != model::Overwrite::Agreed && std::filesystem::exists(path, error)) {
    return model::FileResult::Fail(model::FileProblem::Exists, path);
  }
  if (!model::WriteFileAtomically(path, text)) {
    return model::FileResult::Fail(model::FileProblem::CannotWrite, path);
  }
  return {};
}

}  // namespace tarvel::exchange
