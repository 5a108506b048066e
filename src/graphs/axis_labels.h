// The value labels beside the value axis and the age labels under the periods: their texts
// and the thinning rules that keep them from overlapping.
#pragma once

#include <string>
#include <string_view>

#include "graphs/value_scale.h"
#include "model/money_format.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

inline constexpr int kGridLines = 10;  // grid lines 0 to 10

// Every k-th value label is drawn: k starts at 1 with c = 10; while c x L > H, k grows by 1
// and c halves.
int ValueLabelStep(int line_height, int plot_height);

// The full label of a value, cents included: "$1,000.00", "-$480.00", or "0" for zero.
// The axis shows it without its last three characters.
std::string ValueLabelText(float value, const model::Currency& currency);

// The value on grid line i: i x S + m.
float GridValue(const ValueScale& scale, int line);

// Below a dollar a grid step, labels without their cents would all read "$0": they keep them.
bool ValueLabelsKeepCents(const ValueScale& scale);

// The part of a value label written beside the axis: the label without its last three
// characters (the cents), or the whole label when the scale keeps cents.
std::string_view ShownValueLabel(std::string_view label, const ValueScale& scale);

// Width of the value-label column: the widest label shown (each measured without its last
// character), or 15 when no label has width. Labels that keep their cents are measured whole
// and one character wider, so they end C/2 left of the axis and stay inside the chart.
int ValueLabelColumnWidth(const platform::Canvas& canvas, const platform::Font& font,
                          const ValueScale& scale, const model::Currency& currency, int label_step);

// Every step-th period gets an age label: step 1, 3, 5 ... while 3 x c x C exceeds the plot
// width, with c starting at the period count and halving.
int AgeLabelStep(int periods, int char_width, int plot_width);

// The whole age, "%1d", "%2d" or "%3d" by its number of digits.
std::string AgeLabelText(float age);

// How far left of its column's x a 2-D age label starts: C/2, C or 3C/2 by its digits.
int AgeLabelShift(float age, int char_width);

}  // namespace tarvel::graphs
