// The values a scenario must hold to be a plan at all: a finite number in every field a run,
// an editor or a report reads, and an end age above the start age. Every way of opening a
// scenario (its file, its JSON form, the command line, the desktop) refuses one that fails.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/records.h"

namespace tarvel::model {

// Told wherever an end age is not above the start age, the editors included: "The end age
// comes before the start age. Type an end age after 62." (or "is the same as").
std::string EndAgeOrderText(double start_age, double end_age);

// Whether the whole end age lies above the whole start age, as the Initial Values dialog asks.
bool EndAgeIsAboveStartAge(double start_age, double end_age);

// The records a checked value can sit in.
enum class PlanRecord {
  Initial,         // the initial values
  AccountOptions,  // the account table's options
  Account,         // an account, with the settings kept at its settings slot
  RmdSettings,     // the minimum-distribution settings and life-expectancy tables
  Groups,          // the group table
  Event,           // an event within the event count
  Budget,          // one of the five budgets
  IncomeExpense,   // the income and expense list of an event
};

// Where a value sits: the record, its position (account, event, budget, list or RMD table;
// -1 for a record there is one of), the field under its name in the scenario's JSON form
// (an event field under its stored name) and the entry of a list field (-1 for none).
struct PlanPlace {
  PlanRecord record = PlanRecord::Initial;
  int index = -1;
  std::string_view field;
  int entry = -1;
};

enum class PlanProblemKind {
  NotFinite,            // infinite or not a number
  EndAgeNotAboveStart,  // the place is the initial end age
};

struct PlanProblem {
  PlanProblemKind kind = PlanProblemKind::NotFinite;
  PlanPlace place;
  std::string text;  // the end-age message, for that kind
};

// Every problem of the scenario, in record order. Only records in use are checked (accounts
// and events within their counts, budget and list items within theirs); run-time, derived and
// reserved fields are left alone, as a run or an opening refreshes them.
std::vector<PlanProblem> FindPlanProblems(const Scenario& scenario);

// The place in plain words, record text as the records hold it (Windows-1252):
// "account 2 \"Savings\", initial amount".
std::string PlainPlace(const PlanPlace& place, const Scenario& scenario);

// The text of a problem at the place named as given: "<place>: not a finite number", or the
// end-age message on its own.
std::string ProblemText(const PlanProblem& problem, const std::string& place);

}  // namespace tarvel::model
