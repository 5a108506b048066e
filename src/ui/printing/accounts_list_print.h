// The accounts folder's list on paper: the account name and the list's sortable columns, one
// row per account in the order the list shows them, cut into "apage%d" pages (kind 112).
#pragma once

#include <vector>

#include "model/records.h"
#include "results/report_table.h"

namespace tarvel::ui {

inline constexpr char kAccountsListTitle[] = "Accounts";

results::ReportTable AccountsListTable(const model::Scenario& scenario,
                                       const std::vector<int>& shown_order);

}  // namespace tarvel::ui
