// Field texts of the editors.
#include "ui/editors/field_text.h"

namespace tarvel::ui {

std::string FieldText(double value, model::FixedFormat format) {
  std::string text;
  model::AppendFixed(text, value, format);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string MoneyFieldText(double amount, const model::Currency& currency) {
  return model::FormatMoney(FieldText(amount, kAmountField), currency);
}

std::string TodaysDollarsCaption(double initial_start_age, const model::Currency& currency) {
  std::string caption = "Use amount in age ";
  model::AppendFixed(caption, initial_start_age, {3, 1, false});
  caption += ' ';
  caption += currency.word;
  return caption;
}

}  // namespace tarvel::ui
