// Finds the values no plan can hold: numbers that are not finite and an end age that is not
// above the start age.
#include "model/plan_checks.h"

#include <cmath>

#include "model/event_views.h"
#include "model/money_format.h"
#include "model/record_counts.h"

namespace tarvel::model {
namespace {

// Collects the problems of one scenario in record order.
class ProblemList {
 public:
  void CheckFinite(float value, PlanRecord record, int index, std::string_view field,
                   int entry = -1) {
    if (!std::isfinite(value)) {
      problems_.push_back({PlanProblemKind::NotFinite, {record, index, field, entry}});
    }
  }
  template <std::size_t N>
  void CheckEntries(const std::array<float, N>& values, int count, PlanRecord record, int index,
                    std::string_view field) {
    for (int entry = 0; entry < count && entry < static_cast<int>(N); ++entry) {
      CheckFinite(values[entry], record, index, field, entry);
    }
  }
  void Add(PlanProblem problem) { problems_.push_back(problem); }
  std::vector<PlanProblem> Take() { return std::move(problems_); }

 private:
  std::vector<PlanProblem> problems_;
};

void CheckInitialValues(const InitialValues& initial, ProblemList& list) {
  constexpr PlanRecord kRecord = PlanRecord::Initial;
  list.CheckFinite(initial.start_age, kRecord, -1, "start_age");
  list.CheckFinite(initial.end_age, kRecord, -1, "end_age");
  list.CheckFinite(initial.inflation_rate, kRecord, -1, "inflation_rate");
  list.CheckFinite(initial.tax_rate, kRecord, -1, "tax_rate");
  list.CheckFinite(initial.dividend_tax_rate, kRecord, -1, "dividend_tax_rate");
  if (std::isfinite(initial.start_age) && std::isfinite(initial.end_age) &&
      !EndAgeIsAboveStartAge(initial.start_age, initial.end_age)) {
    list.Add({PlanProblemKind::EndAgeNotAboveStart,
              {kRecord, -1, "end_age", -1},
              EndAgeOrderText(initial.start_age, initial.end_age)});
  }
}

// The settings an account keeps at its settings slot, under the account's JSON names.
void CheckAccountSlot(const Scenario& scenario, int position, int slot, ProblemList& list) {
  constexpr PlanRecord kRecord = PlanRecord::Account;
  list.CheckFinite(scenario.settings.penalty_age[slot], kRecord, position, "penalty_age");
  list.CheckFinite(scenario.settings.penalty_rate[slot], kRecord, position, "penalty_rate");
  list.CheckFinite(scenario.settings.standard_deviation[slot], kRecord, position,
                   "standard_deviation");
  list.CheckFinite(scenario.dividends.yearly_percent[slot], kRecord, position, "dividend_percent");
  list.CheckFinite(scenario.dividends.taxable_percent[slot], kRecord, position,
                   "dividend_taxable_percent");
  for (int category = 0; category < kAllocationCategories; ++category) {
    list.CheckFinite(scenario.allocation.percent[category][slot], kRecord, position,
                     "allocation_percent", category);
  }
}

void CheckAccounts(const Scenario& scenario, ProblemList& list) {
  constexpr PlanRecord kRecord = PlanRecord::Account;
  const AccountTable& table = scenario.accounts;
  list.CheckFinite(table.allocation_min_withdrawal, PlanRecord::AccountOptions, -1,
                   "allocation_min_withdrawal");
  list.CheckFinite(table.allocation_start_age, PlanRecord::AccountOptions, -1,
                   "allocation_start_age");
  for (int position = 0; position < AccountCount(scenario); ++position) {
    const Account& account = table.records[position];
    list.CheckFinite(account.initial_amount, kRecord, position, "initial_amount");
    list.CheckFinite(account.yearly_rate, kRecord, position, "yearly_rate");
    list.CheckFinite(account.random_min_rate, kRecord, position, "random_min_rate");
    list.CheckFinite(account.random_max_rate, kRecord, position, "random_max_rate");
    if (account.slot < kMaxAccounts) CheckAccountSlot(scenario, position, account.slot, list);
  }
}

void CheckRmdAndGroups(const Scenario& scenario, ProblemList& list) {
  list.CheckFinite(scenario.settings.rmd_penalty_rate, PlanRecord::RmdSettings, -1,
                   "rmd_penalty_rate");
  for (int table = 0; table < kRmdTables; ++table) {
    list.CheckEntries(scenario.settings.rmd_life_expectancy[table], kRmdTableLength,
                      PlanRecord::RmdSettings, table, "rmd_life_expectancy");
  }
  list.CheckEntries(scenario.groups.random_min_rate, kMaxGroups, PlanRecord::Groups, -1,
                    "random_min_rate");
  list.CheckEntries(scenario.groups.random_max_rate, kMaxGroups, PlanRecord::Groups, -1,
                    "random_max_rate");
}

// The stored fields an event's kinds read; the run-time working amounts are left out.
void CheckEvent(const FinancialEvent& event, int slot, ProblemList& list) {
  const struct {
    float value;
    std::string_view name;
  } fields[] = {
      {event.start_age, "start_age"},
      {event.end_age, "end_age"},
      {event.amount, "amount"},
      {event.value_10, "value_10"},
      {event.value_32, "value_32"},
      {event.monthly_payment, "monthly_payment"},
      {event.rate_40, "rate_40"},
      {event.value_60, "value_60"},
      {event.value_134, "value_134"},
      {event.value_138, "value_138"},
      {event.selling_percent, "selling_percent"},
      {event.value_146, "value_146"},
  };
  for (const auto& field : fields) {
    list.CheckFinite(field.value, PlanRecord::Event, slot, field.name);
  }
}

// The amounts of the items of a budget or an income and expense list.
template <typename ItemList>
void CheckItems(const ItemList& items, PlanRecord record, int index, ProblemList& list) {
  const int count = items.item_count;
  list.CheckEntries(items.amount, count, record, index, "amount");
  list.CheckEntries(items.yearly_amount, count, record, index, "yearly_amount");
  list.CheckEntries(items.apply_rate, count, record, index, "apply_rate");
}

void CheckEventsAndBudgets(const Scenario& scenario, ProblemList& list) {
  for (int slot = 0; slot < EventCount(scenario); ++slot) {
    CheckEvent(scenario.events[slot], slot, list);
  }
  for (int b = 0; b < kBudgetCount; ++b) {
    CheckItems(scenario.budgets[b], PlanRecord::Budget, b, list);
    list.CheckFinite(scenario.budgets[b].total, PlanRecord::Budget, b, "total");
  }
  for (int slot = 0; slot < EventCount(scenario); ++slot) {
    CheckItems(scenario.income_expense[slot], PlanRecord::IncomeExpense, slot, list);
  }
}

// A field name as words: "initial_amount" -> "initial amount", "rmd_penalty_rate" -> "RMD
// penalty rate".
std::string Words(std::string_view name) {
  std::string words(name);
  for (char& c : words) {
    if (c == '_') c = ' ';
  }
  if (words.starts_with("rmd ")) words.replace(0, 3, "RMD");
  return words;
}

std::string Numbered(const char* what, int index) {
  return std::string(what) + " " + std::to_string(index + 1);
}

// A record with its position and its name or description: "account 2 \"Savings\"".
std::string Named(const char* what, int index, std::string_view name) {
  return Numbered(what, index) + " \"" + std::string(name) + "\"";
}

std::string RecordWords(const PlanPlace& place, const Scenario& scenario) {
  const int index = place.index;
  switch (place.record) {
    case PlanRecord::Initial:
      return "Initial Values";
    case PlanRecord::AccountOptions:
      return "account options";
    case PlanRecord::Account:
      return Named("account", index, scenario.accounts.records[index].name.view());
    case PlanRecord::RmdSettings:
      return index < 0 ? "RMD settings" : Numbered("RMD table", index);
    case PlanRecord::Groups:
      return Numbered("group", place.entry);
    case PlanRecord::Event:
      return Named("event", index, scenario.events[index].description.view());
    case PlanRecord::Budget:
      return Named("budget", index, scenario.budgets[index].name.view());
    case PlanRecord::IncomeExpense:
      return "income and expense list of " + Numbered("event", index);
  }
  return {};
}

// The field as words; an event field under the name its kind gives it.
std::string FieldWords(const PlanPlace& place, const Scenario& scenario) {
  std::string_view name = place.field;
  if (place.record == PlanRecord::Event) {
    const std::string_view meaning =
        MeaningOf(FieldMeaningsOf(scenario.events[place.index]), place.field);
    if (!meaning.empty()) name = meaning;
  }
  std::string words = Words(name);
  if (place.entry < 0 || place.record == PlanRecord::Groups) return words;
  const char* entry = place.record == PlanRecord::Account       ? "category"
                      : place.record == PlanRecord::RmdSettings ? "entry"
                                                                : "item";
  return words + ", " + Numbered(entry, place.entry);
}

}  // namespace

bool EndAgeIsAboveStartAge(double start_age, double end_age) {
  return std::trunc(end_age) > std::trunc(start_age);
}

std::string EndAgeOrderText(double start_age, double end_age) {
  const std::string first = end_age < start_age ? "The end age comes before the start age."
                                                : "The end age is the same as the start age.";
  return first + Format(" Type an end age after %.0f.", std::trunc(start_age));
}

std::vector<PlanProblem> FindPlanProblems(const Scenario& scenario) {
  ProblemList list;
  CheckInitialValues(scenario.initial, list);
  CheckAccounts(scenario, list);
  CheckRmdAndGroups(scenario, list);
  CheckEventsAndBudgets(scenario, list);
  return list.Take();
}

std::string PlainPlace(const PlanPlace& place, const Scenario& scenario) {
  return RecordWords(place, scenario) + ", " + FieldWords(place, scenario);
}

std::string ProblemText(const PlanProblem& problem, const std::string& place) {
  if (problem.kind == PlanProblemKind::EndAgeNotAboveStart) return problem.text;
  return place + ": not a finite number";
}

}  // namespace tarvel::model
