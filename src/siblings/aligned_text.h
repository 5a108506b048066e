// The text style of the siblings' printed tables: an alignment and a colour, no background.
#pragma once

#include "platform/canvas.h"

namespace tarvel::siblings {

inline platform::TextStyle Aligned(platform::HorizontalAlign horizontal,
                                   platform::Colour colour = platform::kBlack) {
  platform::TextStyle style;
  style.horizontal = horizontal;
  style.colour = colour;
  return style;
}

}  // namespace tarvel::siblings
