// The header block at the top of every printed page: watermark and banner pictures, the
// banded or boxed block with the title, file, date and time (or the title lines in use), the
// logo and the page number.
#pragma once

#include <string>

#include "platform/canvas.h"
#include "results/print_look.h"

namespace tarvel::results {

enum class PageBody { Report, Schedule, Thumbnails };

struct HeaderRequest {
  std::string title;
  int page = 0;  // 0: the title page, which has no page number, banner or logo
  PageBody body = PageBody::Report;
};

// Draws the block inside area and returns the y where the page's body starts: right under
// the block for reports, half a line lower for the schedule.
int DrawPageHeader(platform::Canvas& canvas, const platform::Rect& area, const PrintLook& look,
                   const HeaderRequest& request);
// The y DrawPageHeader returns, without drawing.
int PageBodyTop(const platform::Canvas& canvas, const platform::Rect& area, const PrintLook& look,
                const HeaderRequest& request);

// The header title's font: the body font, 1.5 times as high on pages after the title page.
platform::Font HeaderTitleFont(const platform::Font& body, int page);

}  // namespace tarvel::results
