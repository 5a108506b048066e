// The legend box at the top right of a full chart: a colour swatch and a name per series.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "graphs/chart_context.h"
#include "graphs/chart_geometry.h"
#include "model/money_format.h"
#include "platform/canvas.h"

namespace tarvel::graphs {

// The extra row of a net-worth graph with the purchasing-power option, inserted after the
// first row and coloured like the series after the named ones.
struct PurchasingPowerRow {
  float start_age = 0;
};

// " Age %-5.2f %s" with the start age and the currency word.
std::string PurchasingPowerLegendText(float start_age, const model::Currency& currency);

// Width of a legend for these names: the widest name + C + C/2.
int LegendWidth(const platform::Canvas& canvas, const platform::Font& font,
                std::span<const std::string> names);

// The left edge of the legend's frame on a full chart; plots end left of it.
int LegendLeft(const platform::Canvas& canvas, const ChartContext& context,
               std::span<const std::string> names,
               std::optional<PurchasingPowerRow> purchasing_power = std::nullopt);

// Draws the legend of a full chart (thumbnails have none); name k gets series colour k.
// Returns the rectangle of the framed box (without its shadow), empty when nothing is drawn.
platform::Rect DrawLegend(platform::Canvas& canvas, const ChartContext& context,
                          const ChartGeometry& geometry, std::span<const std::string> names,
                          std::optional<PurchasingPowerRow> purchasing_power = std::nullopt);

}  // namespace tarvel::graphs
