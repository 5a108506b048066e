// Reads a scenario from its JSON form: starts from the new-scenario defaults, resolves account
// names to ids and reports the first unusable value with its JSON path.
#include <memory>
#include <string>

#include "exchange/event_json.h"
#include "exchange/json_fields.h"
#include "exchange/scenario_baseline.h"
#include "exchange/scenario_json.h"

namespace tarvel::exchange {
namespace {

using namespace json_internal;
using model::Scenario;
using json = nlohmann::ordered_json;

const json& ListAt(FieldReader& top, const char* key, std::size_t capacity) {
  static const json kEmpty = json::array();
  const json* found = top.Find(key);
  if (found == nullptr) return kEmpty;
  if (!found->is_array()) throw JsonError(key, "expected a list");
  if (found->size() > capacity) {
    throw JsonError(key, "holds " + std::to_string(found->size()) + " entries, at most " +
                             std::to_string(capacity) + " fit");
  }
  return *found;
}

// Account names as written in the JSON, each with the id its account will get.
AccountNames CollectNames(const json& accounts) {
  AccountNames names;
  for (std::size_t i = 0; i < accounts.size(); ++i) {
    const json& account = accounts[i];
    if (!account.is_object() || !account.contains("name") || !account["name"].is_string()) {
      continue;
    }
    std::int64_t id = static_cast<std::int64_t>(i);
    if (account.contains("id") && account["id"].is_number_integer()) {
      id = account["id"].get<std::int64_t>();
    }
    const auto [entry, added] = names.emplace(account["name"].get<std::string>(), id);
    if (!added) entry->second = -1;  // ambiguous: a reference by this name is refused
  }
  return names;
}

template <typename Record, typename Visit>
void ReadBlock(FieldReader& top, const char* key, const AccountNames& names, Record& record,
               Visit visit) {
  const json* found = top.Find(key);
  if (found == nullptr) return;
  FieldReader reader(*found, key, &names);
  visit(reader, record, record);
  reader.Finish();
}

template <typename Record, std::size_t N, typename Visit>
void ReadRecordList(FieldReader& top, const char* key, const AccountNames& names,
                    std::array<Record, N>& records, Visit visit) {
  const json& list = ListAt(top, key, N);
  for (std::size_t i = 0; i < list.size(); ++i) {
    FieldReader reader(list[i], std::string(key) + "[" + std::to_string(i) + "]", &names);
    visit(reader, records[i], records[i]);
    reader.Finish();
  }
}

// Calls read(index, value, path) for each entry of an object keyed by record index.
template <typename Read>
void ReadSpare(FieldReader& top, const char* key, int first, int last, Read read) {
  const json* found = top.Find(key);
  if (found == nullptr) return;
  if (!found->is_object()) throw JsonError(key, "expected an object keyed by position");
  for (const auto& [index_text, value] : found->items()) {
    const std::string path = std::string(key) + "." + index_text;
    int index = -1;
    try {
      std::size_t used = 0;
      index = std::stoi(index_text, &used);
      if (used != index_text.size()) index = -1;
    } catch (const std::exception&) {
      index = -1;
    }
    if (index < first || index > last) {
      throw JsonError(path, "expected a position from " + std::to_string(first) + " to " +
                                std::to_string(last));
    }
    read(index, value, path);
  }
}

void ReadAccounts(const json& list, const AccountNames& names, Scenario& scenario) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    model::Account& account = scenario.accounts.records[i];
    FieldReader reader(list[i], "accounts[" + std::to_string(i) + "]", &names);
    VisitAccount(reader, account, account);
    if (account.slot < model::kMaxAccounts) {
      VisitAccountSlot(reader, scenario, scenario, account.slot);
    }
    reader.Finish();
  }
}

void ReadEvents(FieldReader& top, const json& list, const AccountNames& names, Scenario& scenario) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    EventFromJson(list[i], "events[" + std::to_string(i) + "]", names, scenario.events[i]);
  }
  ReadSpare(top, "spare_events", static_cast<int>(list.size()), model::kEventSlots - 1,
            [&](int index, const json& value, const std::string& path) {
              EventFromJson(value, path, names, scenario.events[index]);
            });
  ReadSpare(top, "income_expense", 0, model::kEventSlots - 1,
            [&](int index, const json& value, const std::string& path) {
              FieldReader reader(value, path, &names);
              VisitIncomeExpense(reader, scenario.income_expense[index],
                                 scenario.income_expense[index]);
              reader.Finish();
            });
}

void ReadScenario(const json& in, Scenario& scenario) {
  if (!in.is_object()) throw JsonError("", "a JSON scenario must be an object");
  FieldReader top(in, "");
  const json& accounts = ListAt(top, "accounts", model::kMaxAccounts);
  const json& events = ListAt(top, "events", model::kMaxEvents);
  const AccountNames names = CollectNames(accounts);
  scenario = *MakeBaseline(static_cast<int>(accounts.size()), static_cast<int>(events.size()));

  ReadBlock(top, "initial", names, scenario.initial, kVisitInitial);
  ReadBlock(top, "account_options", names, scenario.accounts, kVisitOptions);
  ReadRecordList(top, "budgets", names, scenario.budgets, kVisitBudget);
  ReadBlock(top, "groups", names, scenario.groups, kVisitGroups);
  ReadBlock(top, "settings", names, scenario.settings, kVisitSettings);
  ReadBlock(top, "dividends", names, scenario.dividends, kVisitDividends);
  ReadBlock(top, "allocation", names, scenario.allocation, kVisitAllocation);
  ReadBlock(top, "categories", names, scenario.categories, kVisitCategories);
  ReadBlock(top, "report_headers", names, scenario.report_headers, kVisitHeaders);
  ReadRecordList(top, "report_fonts", names, scenario.report_fonts, kVisitFont);
  ReadBlock(top, "window", names, scenario.window, kVisitWindow);
  ReadBlock(top, "colours", names, scenario.colours, kVisitColours);
  if (const json* found = top.Find("reserved_block")) {
    HexInto(*found, "reserved_block", scenario.reserved_block.data(),
            scenario.reserved_block.size());
  }
  // Accounts after the blocks: their per-slot settings override the blocks' arrays.
  ReadAccounts(accounts, names, scenario);
  ReadSpare(top, "spare_accounts", static_cast<int>(accounts.size()), model::kMaxAccounts - 1,
            [&](int index, const json& value, const std::string& path) {
              FieldReader reader(value, path, &names);
              VisitAccount(reader, scenario.accounts.records[index],
                           scenario.accounts.records[index]);
              reader.Finish();
            });
  ReadEvents(top, events, names, scenario);
  // Counts outside the lists' range are kept as the scenario held them.
  top.Field("account_count", scenario.accounts.count, scenario.accounts.count);
  top.Field("event_count", scenario.initial.event_count, scenario.initial.event_count);
  top.Finish();
}

}  // namespace

JsonLoad ScenarioFromJson(const json& in, Scenario& scenario) {
  try {
    ReadScenario(in, scenario);
    return {true, ""};
  } catch (const JsonError& error) {
    scenario = *MakeBaseline(0, 0);
    return {false, error.what()};
  }
}

}  // namespace tarvel::exchange
