// Rows of the accounts folder's list as a printed table.
#include "ui/printing/accounts_list_print.h"

#include "ui/accounts/account_rows.h"

namespace tarvel::ui {

results::ReportTable AccountsListTable(const model::Scenario& scenario,
                                       const std::vector<int>& shown_order) {
  results::ReportTable table;
  const auto& headings = AccountColumnHeadings();
  table.label_title = headings[0];
  for (int column = 1; column < kSortableColumns; ++column)
    table.titles.push_back(headings[column]);
  for (int position : shown_order) {
    const AccountRow row = AccountRowOf(scenario, position);
    results::ReportRow printed{row[0], {}};
    for (int column = 1; column < kSortableColumns; ++column) printed.cells.push_back(row[column]);
    table.rows.push_back(std::move(printed));
  }
  return table;
}

}  // namespace tarvel::ui
