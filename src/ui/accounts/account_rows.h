// The rows of the Accounts folder: the 18 columns of each account with their formats, the
// view's sort orders, and the count and total shown below the list.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/money_format.h"
#include "model/records.h"

namespace tarvel::ui {

inline constexpr int kAccountColumns = 18;
inline constexpr int kSortableColumns = 9;
inline constexpr int kOrderColumn = 8;

using AccountRow = std::array<std::string, kAccountColumns>;

const std::array<const char*, kAccountColumns>& AccountColumnHeadings();
// Relative widths of the first nine columns on a 520-pixel reference width.
const std::array<int, kSortableColumns>& AccountColumnWidths();
// The five type names as the lists show them, padded to 18 characters.
std::vector<std::string> AccountTypeNames();

AccountRow AccountRowOf(const model::Scenario& scenario, int position);
// One row per account, in position order.
std::vector<AccountRow> AccountRows(const model::Scenario& scenario);

// Account positions ordered by a sortable column (names case-insensitive, numbers by value);
// equal rows keep their position order.
std::vector<int> SortedPositions(const model::Scenario& scenario, int column, bool ascending);

// "Number of Accounts:" and "Total:" below the list.
std::string AccountCountText(const model::Scenario& scenario);
std::string AccountTotalText(const model::Scenario& scenario, const model::Currency& currency);

}  // namespace tarvel::ui
