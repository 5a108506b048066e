// The graph kinds of the graph pages: their titles, their series with the legend names, and
// the components their breakdown pies split into.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "graphs/chart_data.h"
#include "graphs/chart_source.h"

namespace tarvel::graphs {

enum class GraphKind {
  NetWorth = 1,
  InOut = 2,
  Incoming = 3,
  Outgoing = 4,
  Accounts = 5,
  Breakdown = 6,  // the pie of one age, shown in place of the kind it was opened from
  Groups = 7,
  Allocation = 8,
};

inline constexpr int kAccountsPerFolder = 10;

// Account positions of an accounts folder, first to last inclusive (at most ten shown).
struct AccountRange {
  int first = 0;
  int last = kAccountsPerFolder - 1;
};

struct KindSeries {
  std::string title;
  std::vector<std::string> names;  // legend names, in series order
  std::vector<SeriesRef> series;
  bool flows = false;             // one point fewer in the line and 3-D styles
  bool purchasing_power = false;  // net worth with the purchasing-power line
};

// "ACCOUNTS %d to %d" for account positions first to last (shown 1-based).
std::string AccountsTitle(AccountRange range);

// The title and series of a kind; caller_title names an allocation graph.
KindSeries SeriesOfKind(GraphKind kind, const ChartSource& source, AccountRange accounts,
                        std::string_view caller_title = {});

// One slice candidate of a breakdown pie.
struct PieComponent {
  std::string name;
  SeriesRef series;
  bool whole_dollars = false;  // group totals are summed in whole dollars
};

// The components a kind's breakdown pie splits into, in slice order.
std::vector<PieComponent> BreakdownComponents(GraphKind kind, const ChartSource& source,
                                              AccountRange accounts);

// Slice k is filled with palette entry k + 1 in account and group pies, k + 2 in the others.
int SliceColourEntry(GraphKind kind, int slice);

}  // namespace tarvel::graphs
