// Account choice lists and the account checks of the editors. A list shows the account names
// sorted by name (optionally after "No Selection") and maps a list position back to the
// account's id; positions are never kept across a run, which reorders the accounts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/records.h"
#include "platform/dialog_view.h"
#include "platform/prompter.h"

namespace tarvel::ui {

inline constexpr char kNoSelection[] = "No Selection";
inline constexpr char kAccountWarning[] = "Account Warning";

class AccountChoices {
 public:
  // Which accounts a list offers.
  using Admits = std::function<bool(const model::Account&)>;

  AccountChoices(const model::Scenario& scenario, bool with_no_selection,
                 const Admits& admits = nullptr);

  const std::vector<std::string>& items() const { return items_; }
  // The account id at a list position; kNoAccount for "No Selection" or no position.
  std::uint16_t IdAt(int position) const;
  // The list position of an account id; "No Selection" (0) or -1 when the id is not listed.
  int PositionOf(std::uint16_t id) const;

  // Fills a combo or list box and selects the account (or "No Selection" / nothing).
  void Show(platform::DialogView& view, int control, std::uint16_t selected) const;
  // The id of the account chosen in the control.
  std::uint16_t Chosen(const platform::DialogView& view, int control) const;

 private:
  bool with_no_selection_;
  std::vector<std::string> items_;
  std::vector<std::uint16_t> ids_;  // parallel to the account entries of items_
};

// The three ways an editor checks an account choice.
enum class AccountCheck {
  NoAssetsNoAllocation = 0,  // neither an asset nor an equity account, none in an allocation
  NoAllocation = 1,          // none in an asset allocation
  NoAssets = 3,              // neither an asset nor an equity account
};

// CheckAccountChoice: true when the account may be chosen; otherwise the reason is shown
// (caption "Account Warning"). No account is always accepted.
bool CheckAccountChoice(const model::Scenario& scenario, platform::Prompter& prompter,
                        std::uint16_t account_id, AccountCheck mode);

// AccountUsedByMortgage: true (after the warning) when the account is the equity account of an
// active or inactive mortgage among the first `event_count` events. No account is never used.
bool AccountUsedByMortgage(const model::Scenario& scenario, int event_count,
                           platform::Prompter& prompter, std::uint16_t account_id);

}  // namespace tarvel::ui
