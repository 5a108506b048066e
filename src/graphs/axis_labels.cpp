// Value and age label texts and their thinning.
#include "graphs/axis_labels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/whole_age.h"

namespace tarvel::graphs {
namespace {

constexpr std::size_t kCents = 3;  // ".00", left off the labels beside the axis

// An age label counts whole years toward zero; an age that is no number is labelled 0.
int LabelAge(float age) { return std::max(0, model::WholeAgeTowardZero(age)); }

}  // namespace

int ValueLabelStep(int line_height, int plot_height) {
  int step = 1;
  int count = 10;
  while (count > 0 && count * line_height > plot_height) {
    ++step;
    count /= 2;
  }
  return step;
}

std::string ValueLabelText(float value, const model::Currency& currency) {
  if (value >= 0) return model::FormatMoneyLabel(model::Format("%.2f", value), currency);
  return "-" + model::FormatMoneyLabel(model::Format("%.2f", std::fabs(value)), currency);
}

float GridValue(const ValueScale& scale, int line) {
  return static_cast<float>(line) * scale.step + scale.minimum;
}

bool ValueLabelsKeepCents(const ValueScale& scale) { return scale.step < 1.0f; }

std::string_view ShownValueLabel(std::string_view label, const ValueScale& scale) {
  if (ValueLabelsKeepCents(scale)) return label;
  return label.substr(0, label.size() < kCents ? 0 : label.size() - kCents);
}

int ValueLabelColumnWidth(const platform::Canvas& canvas, const platform::Font& font,
                          const ValueScale& scale, const model::Currency& currency,
                          int label_step) {
  const bool whole = ValueLabelsKeepCents(scale);
  const int spare = whole ? canvas.Measure(font).average_char_width : 0;
  int widest = 0;
  for (int line = 0; line <= kGridLines; line += label_step) {
    const std::string label = ValueLabelText(GridValue(scale, line), currency);
    if (whole && label.size() <= kCents) continue;  // "0" is not written
    const std::string_view measured(label.data(),
                                    whole || label.empty() ? label.size() : label.size() - 1);
    widest = std::max(widest, canvas.TextWidth(font, measured) + spare);
  }
  return widest > 0 ? widest : 15;
}

int AgeLabelStep(int periods, int char_width, int plot_width) {
  int step = 1;
  int count = periods;
  while (count > 0 && 3 * count * char_width > plot_width) {
    step += 2;
    count /= 2;
  }
  return step;
}

std::string AgeLabelText(float age) {
  const int whole = LabelAge(age);
  const char* format = whole < 10 ? "%1d" : whole < 100 ? "%2d" : "%3d";
  char text[16];
  std::snprintf(text, sizeof text, format, whole);
  return text;
}

int AgeLabelShift(float age, int char_width) {
  const int whole = LabelAge(age);
  const int digits = whole < 10 ? 1 : whole < 100 ? 2 : 3;
  return digits * char_width / 2;
}

}  // namespace tarvel::graphs
