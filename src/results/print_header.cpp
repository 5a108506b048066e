// The page header block of printed reports and schedules.
#include "results/print_header.h"

#include <cstdio>
#include <vector>

namespace tarvel::results {
namespace {

constexpr int kLogoInset = 4;
constexpr int kPageNumberChars = 10;
constexpr int kBlockLines = 4;

// Lines 2 to 4 of the block: the file, date and time, each replaced by its title line when
// that line is in use.
std::vector<std::string> BlockLines(const PrintLook& look) {
  const model::ReportOptions& options = look.options;
  std::vector<std::string> lines;
  lines.push_back(options.use_title[0] ? options.titles[0] : " File: " + look.file_name);
  if (options.use_title[1]) {
    char text[64];
    std::snprintf(text, sizeof text, " %20s", options.titles[1].c_str());
    lines.emplace_back(text);
  } else {
    lines.push_back(HeaderDate(look.date));
  }
  lines.push_back(options.use_title[2] ? options.titles[2] : HeaderTime(look.time));
  return lines;
}

struct HeaderGeometry {
  platform::Rect block;
  int line = 0;
  int title_line = 0;
  int body_top = 0;
};

// Where the block sits: below the banner on numbered pages, as high as the title and three
// lines; the schedule's body starts half a line below it, a report's right under it.
HeaderGeometry MeasureHeader(const platform::Canvas& canvas, const platform::Rect& area,
                             const PrintLook& look, const HeaderRequest& request) {
  const platform::Font body = BodyFont(canvas, look.font);
  HeaderGeometry geometry;
  geometry.line = canvas.Measure(body).LineHeight();
  geometry.title_line = canvas.Measure(HeaderTitleFont(body, request.page)).LineHeight();
  int top = area.top;
  if (look.options.banner && request.page >= 1) top += 2 * geometry.line + geometry.line / 2;
  geometry.block = {
      area.left, top, area.right,
      top + geometry.title_line + (kBlockLines - 1) * geometry.line + geometry.line / 2};
  geometry.body_top = geometry.block.bottom;
  if (request.body == PageBody::Schedule) geometry.body_top += geometry.line / 2;
  return geometry;
}

}  // namespace

int PageBodyTop(const platform::Canvas& canvas, const platform::Rect& area, const PrintLook& look,
                const HeaderRequest& request) {
  return MeasureHeader(canvas, area, look, request).body_top;
}

platform::Font HeaderTitleFont(const platform::Font& body, int page) {
  platform::Font font = body;
  if (page > 0) font.height = body.height * 3 / 2;
  font.weight = platform::kBoldWeight;
  return font;
}

int DrawPageHeader(platform::Canvas& canvas, const platform::Rect& area, const PrintLook& look,
                   const HeaderRequest& request) {
  const model::ReportOptions& options = look.options;
  const platform::Font body = BodyFont(canvas, look.font);
  const platform::TextMetrics metrics = canvas.Measure(body);
  const HeaderGeometry geometry = MeasureHeader(canvas, area, look, request);
  const int line = geometry.line;
  const platform::Rect& block = geometry.block;
  if (options.watermark) {
    const platform::Size size = canvas.DeviceSize();
    canvas.DrawImage({0, 0, size.width, size.height}, look.pictures.watermark);
  }
  if (options.banner && request.page >= 1) {
    canvas.DrawImage({area.left, area.top, area.right, area.top + 2 * line}, look.pictures.banner);
  }
  if (options.banding) {
    canvas.DrawRectangle(block, platform::Pen::None(), platform::Brush::Solid(look.band_colour));
  }
  if (options.boxing) {
    canvas.DrawRectangle(block, platform::Pen::Solid(platform::kBlack), platform::Brush::Hollow());
  }
  int text_left = area.left + metrics.average_char_width;
  if (options.logo && request.page >= 1) {
    const int side = block.Height() - 2 * kLogoInset;
    canvas.DrawImage({block.left + kLogoInset, block.top + kLogoInset,
                      block.left + kLogoInset + side, block.top + kLogoInset + side},
                     look.pictures.logo);
    text_left = block.left + 2 * kLogoInset + side;
  }
  const int text_top = block.top + line / 4;
  platform::TextStyle centred;
  centred.horizontal = platform::HorizontalAlign::Centre;
  canvas.DrawText({(area.left + area.right) / 2, text_top}, request.title,
                  HeaderTitleFont(body, request.page), centred);
  int y = text_top + geometry.title_line;
  for (const std::string& text : BlockLines(look)) {
    canvas.DrawText({text_left, y}, text, body, {});
    y += line;
  }
  if (request.page >= 1) {
    char page_text[32];
    std::snprintf(page_text, sizeof page_text, "Page %d", request.page);
    canvas.DrawText({area.right - kPageNumberChars * metrics.average_char_width, text_top},
                    page_text, body, {});
  }
  return geometry.body_top;
}

}  // namespace tarvel::results
