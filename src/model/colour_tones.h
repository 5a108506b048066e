// Tones of the program colours: contrast by relative luminance, and a colour moved in
// lightness while it keeps its hue and saturation. Colours are 0x00BBGGRR.
#pragma once

#include "platform/canvas.h"

namespace tarvel::model {

using platform::Colour;

// The contrast of two colours by their relative luminance: 1 for the same colour, 21 for
// black on white. 4.5 is the least that reads comfortably as body text, 3 the least at which
// a line or a filled shape stands out from what is around it.
double ContrastRatio(Colour first, Colour second);
inline constexpr double kReadableContrast = 4.5;
inline constexpr double kVisibleContrast = 3.0;

// True when the first colour looks lighter than the second (by relative luminance); a palette
// whose text is lighter than its background is a dark one.
bool LighterThan(Colour first, Colour second);

// The lightness of a colour, 0 (black) to 1 (white), as hue, saturation and lightness count it.
double Lightness(Colour colour);

// The colour's hue and saturation at another lightness (0 to 1).
Colour WithLightness(Colour colour, double lightness);

// The colour's hue, lightened in small steps until its contrast with the background reaches
// the given ratio (white at the end); a colour that stands out already is kept.
Colour LightenedUntil(Colour colour, Colour background, double contrast);

}  // namespace tarvel::model
