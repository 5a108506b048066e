// Shared pieces of the event listing: the line collector with its number texts, and the
// describers of the debt kinds that live in their own file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/event_listing.h"
#include "model/money_format.h"
#include "model/records.h"

namespace tarvel::model::listing {

// Collects the lines of one listing and formats amounts, rates, ages and account names the
// way every listing line shows them.
class ListingBuilder {
 public:
  ListingBuilder(const Scenario& scenario, const Currency& currency,
                 std::vector<ListingLine>& lines, ListingFor target = ListingFor::File)
      : scenario_(scenario), currency_(currency), lines_(lines), target_(target) {}

  const Scenario& scenario() const { return scenario_; }
  const Currency& currency() const { return currency_; }
  bool for_screen() const { return target_ == ListingFor::Screen; }
  void set_slot(int slot) { slot_ = slot; }

  void Description(std::string text);
  void Detail(std::string text);

  // "%-11.2f" through FormatMoney: "$1,234.50".
  std::string Amount(double amount) const;
  // "%-7.3f" compacted, then "%": "4.250%".
  std::string Rate(double rate) const;
  // " until age " and the age "%5.2f" compacted: " until age 70.00".
  std::string UntilAge(double age) const;
  // The name of the account with this id, or an empty text when no account has it.
  std::string AccountName(std::uint16_t account_id) const;
  bool HasAccount(std::uint16_t account_id) const;
  // An account picked explicitly: the chosen-account marker is set and the account exists.
  bool ChosenAccount(std::uint16_t marker, std::uint16_t account_id) const;
  // "        This <noun> amount will be calculated using age 45.0 Dollars."
  std::string TodaysDollarsLine(const char* noun) const;

 private:
  const Scenario& scenario_;
  const Currency& currency_;
  std::vector<ListingLine>& lines_;
  ListingFor target_;
  int slot_ = -1;
};

// The event's stored start age "%5.1f", so inactive events show 1000 more.
std::string StartAge(const FinancialEvent& event);

// The payoff line of a loan or mortgage shows only for a payoff age before the natural end.
bool PaidOffEarly(const FinancialEvent& event);

void DescribeLoan(ListingBuilder& builder, const FinancialEvent& event);
void DescribeCreditCard(ListingBuilder& builder, const FinancialEvent& event);
void DescribeMortgage(ListingBuilder& builder, const FinancialEvent& event);

}  // namespace tarvel::model::listing
