// The fields of every scenario record in their JSON order and names: one Visit function per
// record, walked by the JSON writer (record, baseline) and reader (record to fill).
#pragma once

#include <array>
#include <type_traits>

#include "exchange/json_fields.h"
#include "model/event_fields.h"
#include "model/records.h"

// Visits field `name` of record r against the same field of baseline b.
#define TARVEL_FIELD(name, ...) v.Field(#name, r.name, b.name __VA_OPT__(, ) __VA_ARGS__)
#define TARVEL_FLAGS(name) v.Flags(#name, r.name, b.name)
#define TARVEL_REFERENCE(name, ...) v.Reference(#name, r.name, b.name __VA_OPT__(, ) __VA_ARGS__)

namespace tarvel::exchange::json_internal {

inline constexpr Show kAlways = Show::kAlways;

template <typename V, typename R, typename B>
void VisitInitial(V& v, R& r, const B& b) {
  TARVEL_FIELD(start_age, kAlways);
  TARVEL_FIELD(end_age, kAlways);
  TARVEL_FIELD(use_birthday, kAlways);
  TARVEL_FIELD(birth_month, kAlways);
  TARVEL_FIELD(birth_day, kAlways);
  TARVEL_FIELD(inflation_rate, kAlways);
  TARVEL_FIELD(tax_rate, kAlways);
  TARVEL_FIELD(dividend_tax_rate, kAlways);
  TARVEL_FIELD(purchasing_power, kAlways);
  TARVEL_FIELD(initial_investment);
  TARVEL_FIELD(initial_tax_free);
  TARVEL_FIELD(initial_retirement);
  TARVEL_FIELD(initial_equity);
  TARVEL_FIELD(initial_assets);
  TARVEL_FIELD(equity_appreciation_rate);
  TARVEL_FIELD(asset_depreciation_rate);
  TARVEL_FIELD(investment_rate);
  TARVEL_FIELD(tax_free_rate);
  TARVEL_FIELD(retirement_rate);
  TARVEL_FIELD(reserved_2);
  TARVEL_FIELD(reserved_52);
  TARVEL_FIELD(reserved_70);
}

template <typename V, typename R, typename B>
void VisitAccount(V& v, R& r, const B& b) {
  TARVEL_FIELD(name, kAlways);
  TARVEL_FIELD(type, kAlways);
  TARVEL_FIELD(initial_amount, kAlways);
  TARVEL_FIELD(yearly_rate, kAlways);
  TARVEL_FIELD(access_order, kAlways);
  TARVEL_FIELD(random_min_rate);
  TARVEL_FIELD(random_max_rate);
  TARVEL_FIELD(penalty_flag);
  TARVEL_FIELD(group);
  TARVEL_FIELD(id);
  TARVEL_FIELD(slot);
  TARVEL_FIELD(balance);
  TARVEL_FIELD(rate);
  TARVEL_FIELD(smallest_drawn_rate);
  TARVEL_FIELD(largest_drawn_rate);
  TARVEL_FIELD(drawn_rate_sum);
  TARVEL_FIELD(reserved_76);
}

// The settings an account keeps in the per-account arrays at its settings slot.
template <typename V, typename S>
void VisitAccountSlot(V& v, S& s, const model::Scenario& b, int slot) {
  v.Field("penalty_age", s.settings.penalty_age[slot], b.settings.penalty_age[slot]);
  v.Field("penalty_rate", s.settings.penalty_rate[slot], b.settings.penalty_rate[slot]);
  v.Field("rmd_table", s.settings.rmd_table[slot], b.settings.rmd_table[slot]);
  v.Field("allocation_flag", s.settings.allocation_flag[slot], b.settings.allocation_flag[slot]);
  v.Field("standard_deviation", s.settings.standard_deviation[slot],
          b.settings.standard_deviation[slot]);
  v.Field("dividend_percent", s.dividends.yearly_percent[slot], b.dividends.yearly_percent[slot]);
  v.Field("dividend_taxable_percent", s.dividends.taxable_percent[slot],
          b.dividends.taxable_percent[slot]);
  v.Reference("dividend_deposit_account", s.dividends.deposit_account[slot],
              b.dividends.deposit_account[slot]);
  std::array<float, model::kAllocationCategories> percent{};
  std::array<float, model::kAllocationCategories> base_percent{};
  for (int c = 0; c < model::kAllocationCategories; ++c) {
    percent[c] = s.allocation.percent[c][slot];
    base_percent[c] = b.allocation.percent[c][slot];
  }
  v.Field("allocation_percent", percent, base_percent);
  if constexpr (!std::is_const_v<S>) {
    for (int c = 0; c < model::kAllocationCategories; ++c) {
      s.allocation.percent[c][slot] = percent[c];
    }
  }
  v.Field("drawn_rate_count", s.settings.drawn_rate_count[slot], b.settings.drawn_rate_count[slot]);
  v.Field("first_withdrawal_age", s.settings.first_withdrawal_age[slot],
          b.settings.first_withdrawal_age[slot]);
  v.Field("reserved_1238", s.settings.reserved_1238[slot], b.settings.reserved_1238[slot]);
}

// Copies the per-slot settings of `from` at slot into `to`.
inline void CopyAccountSlot(const model::Scenario& from, model::Scenario& to, int slot) {
  to.settings.penalty_age[slot] = from.settings.penalty_age[slot];
  to.settings.penalty_rate[slot] = from.settings.penalty_rate[slot];
  to.settings.rmd_table[slot] = from.settings.rmd_table[slot];
  to.settings.allocation_flag[slot] = from.settings.allocation_flag[slot];
  to.settings.standard_deviation[slot] = from.settings.standard_deviation[slot];
  to.dividends.yearly_percent[slot] = from.dividends.yearly_percent[slot];
  to.dividends.taxable_percent[slot] = from.dividends.taxable_percent[slot];
  to.dividends.deposit_account[slot] = from.dividends.deposit_account[slot];
  for (int c = 0; c < model::kAllocationCategories; ++c) {
    to.allocation.percent[c][slot] = from.allocation.percent[c][slot];
  }
  to.settings.drawn_rate_count[slot] = from.settings.drawn_rate_count[slot];
  to.settings.first_withdrawal_age[slot] = from.settings.first_withdrawal_age[slot];
  to.settings.reserved_1238[slot] = from.settings.reserved_1238[slot];
}

template <typename V, typename R, typename B>
void VisitAccountOptions(V& v, R& r, const B& b) {
  TARVEL_FIELD(next_id);
  TARVEL_FIELD(rmd_method);
  TARVEL_FIELD(allocation_method);
  TARVEL_FIELD(allocation_min_withdrawal);
  TARVEL_FIELD(allocation_start_age);
  TARVEL_FIELD(reserved_4114);
  TARVEL_FIELD(reserved_4120);
}

template <typename V, typename R, typename B>
void VisitGroups(V& v, R& r, const B& b) {
  TARVEL_FIELD(names);
  TARVEL_FIELD(random_min_rate);
  TARVEL_FIELD(random_max_rate);
  TARVEL_FIELD(random_method);
  TARVEL_FIELD(range_factor);
  TARVEL_FIELD(deviation_factor);
  TARVEL_FIELD(folder_name);
  TARVEL_FIELD(reserved_290);
  TARVEL_FIELD(reserved_452);
  TARVEL_FIELD(reserved_454);
  TARVEL_FIELD(reserved_458);
  TARVEL_FIELD(reserved_464);
}

template <typename V, typename R, typename B>
void VisitReportHeaders(V& v, R& r, const B& b) {
  TARVEL_FIELD(lines);
  TARVEL_FIELD(print);
  TARVEL_FIELD(reserved_186);
}

template <typename V, typename R, typename B>
void VisitSettings(V& v, R& r, const B& b) {
  TARVEL_FIELD(rmd_table_name);
  TARVEL_FIELD(rmd_start_age);
  TARVEL_FIELD(rmd_life_expectancy);
  TARVEL_FIELD(rmd_penalty_rate);
  TARVEL_REFERENCE(rmd_transfer_account);
  TARVEL_FIELD(penalty_age);
  TARVEL_FIELD(penalty_rate);
  TARVEL_FIELD(drawn_rate_count);
  TARVEL_FIELD(allocation_flag);
  TARVEL_FIELD(first_withdrawal_age);
  TARVEL_FIELD(rmd_table);
  TARVEL_FIELD(standard_deviation);
  TARVEL_FIELD(reserved_904);
  TARVEL_FIELD(reserved_918);
  TARVEL_FIELD(reserved_1238);
  TARVEL_FIELD(reserved_1706);
  TARVEL_FIELD(reserved_1834);
}

template <typename V, typename R, typename B>
void VisitLogFont(V& v, R& r, const B& b) {
  TARVEL_FIELD(face_name);
  TARVEL_FIELD(height);
  TARVEL_FIELD(width);
  TARVEL_FIELD(escapement);
  TARVEL_FIELD(orientation);
  TARVEL_FIELD(weight);
  TARVEL_FIELD(italic);
  TARVEL_FIELD(underline);
  TARVEL_FIELD(strike_out);
  TARVEL_FIELD(char_set);
  TARVEL_FIELD(out_precision);
  TARVEL_FIELD(clip_precision);
  TARVEL_FIELD(quality);
  TARVEL_FIELD(pitch_and_family);
}

template <typename V, typename R, typename B>
void VisitWindow(V& v, R& r, const B& b) {
  TARVEL_FIELD(left);
  TARVEL_FIELD(top);
  TARVEL_FIELD(width);
  TARVEL_FIELD(height);
  TARVEL_FIELD(preference_8);
  TARVEL_FIELD(colour_banding);
  TARVEL_FIELD(preference_16);
  TARVEL_FIELD(hide_maker_page);
  TARVEL_FIELD(preference_24);
  TARVEL_FIELD(use_default_fonts);
  TARVEL_FIELD(use_default_fonts_companion);
  TARVEL_FIELD(option_36);
  TARVEL_FIELD(display_options);
  TARVEL_FIELD(margin_left);
  TARVEL_FIELD(margin_top);
  TARVEL_FIELD(margin_right);
  TARVEL_FIELD(margin_bottom);
  TARVEL_FIELD(print_option);
}

template <typename V, typename R, typename B>
void VisitBudget(V& v, R& r, const B& b) {
  TARVEL_FIELD(name);
  TARVEL_FIELD(active);
  TARVEL_FIELD(start_age);
  TARVEL_FIELD(end_age);
  TARVEL_FIELD(todays_dollars);
  TARVEL_REFERENCE(account);
  TARVEL_FIELD(item_count);
  TARVEL_FIELD(item_names);
  TARVEL_FIELD(amount);
  TARVEL_FIELD(monthly);
  TARVEL_FIELD(apply_rate);
  TARVEL_FIELD(apply_inflation);
  TARVEL_FIELD(track);
  TARVEL_FIELD(yearly_amount);
  TARVEL_FIELD(working_amount);
  TARVEL_FIELD(total);
  TARVEL_FIELD(reserved_1266);
}

template <typename V, typename R, typename B>
void VisitDividends(V& v, R& r, const B& b) {
  TARVEL_FIELD(yearly_percent);
  TARVEL_FIELD(taxable_percent);
  TARVEL_FIELD(deposit_account);
  TARVEL_FIELD(reserved_500);
}

template <typename V, typename R, typename B>
void VisitCategories(V& v, R& r, const B& b) {
  TARVEL_FIELD(names);
  TARVEL_FIELD(file_names);
  TARVEL_FIELD(reserved_0);
}

template <typename V, typename R, typename B>
void VisitAllocation(V& v, R& r, const B& b) {
  TARVEL_FIELD(percent);
  TARVEL_FIELD(working);
  TARVEL_FIELD(reserved_4000);
}

template <typename V, typename R, typename B>
void VisitColours(V& v, R& r, const B& b) {
  TARVEL_FIELD(colours);
  TARVEL_FIELD(reserved_64);
}

template <typename V, typename R, typename B>
void VisitIncomeExpense(V& v, R& r, const B& b) {
  TARVEL_FIELD(title);
  TARVEL_FIELD(start_age);
  TARVEL_FIELD(end_age);
  TARVEL_FIELD(todays_dollars);
  TARVEL_REFERENCE(account);
  TARVEL_FIELD(item_count);
  TARVEL_FIELD(item_names);
  TARVEL_FIELD(amount);
  TARVEL_FLAGS(monthly);
  TARVEL_FIELD(apply_rate);
  TARVEL_FLAGS(apply_inflation);
  TARVEL_FLAGS(tax);
  TARVEL_FLAGS(income);
  TARVEL_FLAGS(track);
  TARVEL_FIELD(yearly_amount);
  TARVEL_FIELD(working_amount);
  TARVEL_FIELD(reserved_1176);
  TARVEL_FIELD(reserved_1296);
  TARVEL_FIELD(reserved_1356);
  TARVEL_FIELD(reserved_1386);
}

template <typename V, typename R, typename B>
void VisitEvent(V& v, R& r, const B& b) {
  TARVEL_FIELD(kind, kAlways);
  TARVEL_FIELD(description, kAlways);
  TARVEL_FIELD(start_age, kAlways);
  TARVEL_FIELD(end_age, kAlways);
  model::VisitStoredEventFields(v, r, b);
}

}  // namespace tarvel::exchange::json_internal

#undef TARVEL_FIELD
#undef TARVEL_FLAGS
#undef TARVEL_REFERENCE
