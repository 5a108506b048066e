// The scenario's event listing: the "Initial Rates" first line and, for every event in table
// order, its description line and detail lines, as the event list and the top of a results
// or print file show them.
#pragma once

#include <string>
#include <vector>

#include "model/money_format.h"
#include "model/records.h"

namespace tarvel::model {

// Kind value of a stand-alone budget event (-2 as a signed value); kept in older files.
inline constexpr std::uint16_t kBudgetKindValue = 65534;

struct ListingLine {
  std::string text;
  int event_slot = -1;  // -1 for the first line
  bool is_description = false;
};

// Where a listing goes: the Scenario folder adds facts the results and print files leave out,
// so those files keep their layout (a Rule 72T transfer's yearly distribution).
enum class ListingFor { File, Screen };

// Every listing line of the scenario, first line included. Amounts are shown in the given
// currency; today's-dollars lines name its word. Nothing in the scenario changes.
std::vector<ListingLine> DescribeEvents(const Scenario& scenario, const Currency& currency,
                                        ListingFor target = ListingFor::File);

}  // namespace tarvel::model
