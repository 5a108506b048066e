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

}  // namespace

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
  const int line = metrics.LineHeight();
  if (options.watermark) {
    const platform::Size size = canvas.DeviceSize();
    canvas.DrawImage({0, 0, size.width, size.height}, look.pictures.watermark);
  }
  int top = area.top;
  if (options.banner && request.page >= 1) {
    const int banner_height = 2 * line;
    canvas.DrawImage({area.left, top, area.right, top + banner_height}, look.pictures.banner);
    top += banner_height + line / 2;
  }
  const platform::Font title_font = HeaderTitleFont(body, request.page);
  const int title_line = canvas.Measure(title_font).LineHeight();
  const platform::Rect block{area.left, top, area.right,
                             top + title_line + (kBlockLines - 1) * line + line / 2};
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
  canvas.DrawText({(area.left + area.right) / 2, text_top}, request.title, title_font, centred);
  int y = text_top + title_line;
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
  const int body_lines = request.body == PageBody::Schedule ? 7 : kBlockLines;
  return block.top + title_line + (body_lines - 1) * line + line / 2;
}

}  // namespace tarvel::results
