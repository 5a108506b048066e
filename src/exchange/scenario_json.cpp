// Scenario <-> JSON: the top-level layout (blocks, account and event lists, spare records
// beyond the counts) and the defaults that fill in what a hand-written JSON leaves out.
#include "exchange/scenario_json.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>

#include "exchange/event_json.h"
#include "exchange/json_fields.h"
#include "exchange/json_records.h"
#include "exchange/scenario_baseline.h"
#include "model/record_counts.h"

namespace tarvel::exchange {
namespace {

using namespace json_internal;
using model::Scenario;
using json = nlohmann::ordered_json;

// Whether the listed accounts can carry their per-slot settings: distinct slots below 50.
bool SlotsAreDistinct(const Scenario& scenario, int account_count) {
  std::set<int> seen;
  for (int i = 0; i < account_count; ++i) {
    const int slot = scenario.accounts.records[i].slot;
    if (slot >= model::kMaxAccounts || !seen.insert(slot).second) return false;
  }
  return true;
}

template <typename Record, typename Visit>
json BlockToJson(const Record& record, const Record& base, Visit visit) {
  FieldWriter writer(true);
  visit(writer, record, base);
  return std::move(writer.out());
}

template <typename Record, typename Visit>
void PutBlock(json& out, const char* key, const Record& record, const Record& base, Visit visit) {
  json block = BlockToJson(record, base, visit);
  if (!block.empty()) out[key] = std::move(block);
}

// A fixed array of records as a list, when any of them differs from its baseline.
template <typename Record, std::size_t N, typename Visit>
void PutRecordList(json& out, const char* key, const std::array<Record, N>& records,
                   const std::array<Record, N>& base, Visit visit) {
  json list = json::array();
  bool changed = false;
  for (std::size_t i = 0; i < N; ++i) {
    list.push_back(BlockToJson(records[i], base[i], visit));
    changed = changed || !list.back().empty();
  }
  if (changed) out[key] = std::move(list);
}

void PutAccounts(json& out, const Scenario& scenario, const Scenario& base, int count,
                 bool slots_in_accounts) {
  json list = json::array();
  for (int i = 0; i < count; ++i) {
    FieldWriter writer(false);
    VisitAccount(writer, scenario.accounts.records[i], base.accounts.records[i]);
    if (slots_in_accounts) {
      VisitAccountSlot(writer, scenario, base, scenario.accounts.records[i].slot);
    }
    list.push_back(std::move(writer.out()));
  }
  out["accounts"] = std::move(list);
  json spare = json::object();
  for (int i = count; i < model::kMaxAccounts; ++i) {
    json record =
        BlockToJson(scenario.accounts.records[i], base.accounts.records[i], kVisitAccount);
    if (!record.empty()) spare[std::to_string(i)] = std::move(record);
  }
  if (!spare.empty()) out["spare_accounts"] = std::move(spare);
}

void PutEvents(json& out, const Scenario& scenario, const Scenario& base, int count) {
  json list = json::array();
  for (int i = 0; i < count; ++i) {
    list.push_back(EventToJson(scenario.events[i], base.events[i], true));
  }
  out["events"] = std::move(list);
  json spare = json::object();
  for (int i = count; i < model::kEventSlots; ++i) {
    json record = EventToJson(scenario.events[i], base.events[i], false);
    if (!record.empty()) spare[std::to_string(i)] = std::move(record);
  }
  if (!spare.empty()) out["spare_events"] = std::move(spare);
  json lists = json::object();
  for (int i = 0; i < model::kEventSlots; ++i) {
    json record = BlockToJson(scenario.income_expense[i], base.income_expense[i], kVisitList);
    if (!record.empty()) lists[std::to_string(i)] = std::move(record);
  }
  if (!lists.empty()) out["income_expense"] = std::move(lists);
}

}  // namespace

json ScenarioToJson(const Scenario& scenario) {
  const int account_count = model::AccountCount(scenario);
  const int event_count = model::EventCount(scenario);
  const auto base = MakeBaseline(account_count, event_count);
  const bool slots_in_accounts = SlotsAreDistinct(scenario, account_count);
  // The per-slot settings shown with their accounts are left out of the blocks.
  auto blocks = std::make_unique<Scenario>(scenario);
  if (slots_in_accounts) {
    for (int i = 0; i < account_count; ++i) {
      CopyAccountSlot(*base, *blocks, scenario.accounts.records[i].slot);
    }
  }
  json out = json::object();
  FieldWriter initial(false);
  VisitInitial(initial, scenario.initial, base->initial);
  out["initial"] = std::move(initial.out());
  if (account_count != scenario.accounts.count) out["account_count"] = scenario.accounts.count;
  if (event_count != scenario.initial.event_count)
    out["event_count"] = scenario.initial.event_count;
  PutAccounts(out, scenario, *base, account_count, slots_in_accounts);
  PutBlock(out, "account_options", scenario.accounts, base->accounts, kVisitOptions);
  PutEvents(out, scenario, *base, event_count);
  PutRecordList(out, "budgets", scenario.budgets, base->budgets, kVisitBudget);
  PutBlock(out, "groups", scenario.groups, base->groups, kVisitGroups);
  PutBlock(out, "settings", blocks->settings, base->settings, kVisitSettings);
  PutBlock(out, "dividends", blocks->dividends, base->dividends, kVisitDividends);
  PutBlock(out, "allocation", blocks->allocation, base->allocation, kVisitAllocation);
  PutBlock(out, "categories", scenario.categories, base->categories, kVisitCategories);
  PutBlock(out, "report_headers", scenario.report_headers, base->report_headers, kVisitHeaders);
  PutRecordList(out, "report_fonts", scenario.report_fonts, base->report_fonts, kVisitFont);
  PutBlock(out, "window", scenario.window, base->window, kVisitWindow);
  PutBlock(out, "colours", scenario.colours, base->colours, kVisitColours);
  if (scenario.reserved_block != base->reserved_block) {
    out["reserved_block"] = HexOf(scenario.reserved_block.data(), scenario.reserved_block.size());
  }
  return out;
}

}  // namespace tarvel::exchange
