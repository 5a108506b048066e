// The stored fields of an event record under their record names, for walkers that copy every
// field (the scenario's JSON form). Named meanings by kind are in event_views.h.
#pragma once

namespace tarvel::model {

// The fields that tell the varieties of one kind apart (a Loan's credit-card and equity-loan
// marker, a Transfer's or Withdrawal's marker): a reader needs them before the others.
template <typename V, typename R>
void VisitVarietyMarkers(V& v, R& r) {
  v.Field("word_26", r.word_26, r.word_26);
  v.Field("marker", r.marker, r.marker);
}

// Every field after the kind, description, start and end ages, in the JSON form's order; the
// visitor gets each field of record r beside the same field of baseline b. References name
// an account by id.
template <typename V, typename R, typename B>
void VisitStoredEventFields(V& v, R& r, const B& b) {
  v.Field("amount", r.amount, b.amount);
  v.Field("todays_dollars", r.todays_dollars, b.todays_dollars);
  v.Field("value_10", r.value_10, b.value_10);
  v.Field("flag_14", r.flag_14, b.flag_14);
  v.Reference("word_22", r.word_22, b.word_22);
  v.Reference("account_24", r.account_24, b.account_24);
  v.Field("word_26", r.word_26, b.word_26);
  v.Field("value_32", r.value_32, b.value_32);
  v.Field("monthly_payment", r.monthly_payment, b.monthly_payment);
  v.Field("rate_40", r.rate_40, b.rate_40);
  v.Field("word_44", r.word_44, b.word_44);
  v.Field("value_60", r.value_60, b.value_60);
  v.Field("budget_number", r.budget_number, b.budget_number);
  v.Field("flag_66", r.flag_66, b.flag_66);
  v.Field("payment_marker", r.payment_marker, b.payment_marker);
  v.Reference("word_158", r.word_158, b.word_158);
  v.Reference("equity_account", r.equity_account, b.equity_account);
  v.Field("mortgage_link", r.mortgage_link, b.mortgage_link);
  v.Field("value_134", r.value_134, b.value_134);
  v.Field("value_138", r.value_138, b.value_138);
  v.Field("selling_percent", r.selling_percent, b.selling_percent);
  v.Field("value_146", r.value_146, b.value_146);
  v.Field("marker", r.marker, b.marker);
  v.Field("number", r.number, b.number);
  v.Field("list_row", r.list_row, b.list_row);
  v.Field("working_amount_28", r.working_amount_28, b.working_amount_28);
  v.Field("working_amount_46", r.working_amount_46, b.working_amount_46);
  v.Field("accumulator_50", r.accumulator_50, b.accumulator_50);
  v.Field("accumulator_54", r.accumulator_54, b.accumulator_54);
  v.Field("status", r.status, b.status);
  v.Field("step_flag", r.step_flag, b.step_flag);
  v.Field("reserved_120", r.reserved_120, b.reserved_120);
  v.Field("reserved_126", r.reserved_126, b.reserved_126);
  v.Field("reserved_132", r.reserved_132, b.reserved_132);
  v.Field("reserved_152", r.reserved_152, b.reserved_152);
}

}  // namespace tarvel::model
