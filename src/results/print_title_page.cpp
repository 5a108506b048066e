// The title page and the document name of printed documents.
#include "results/print_title_page.h"

#include <cstdlib>
#include <filesystem>

#include "model/windows_1252.h"

namespace tarvel::results {
namespace {

constexpr int kTitleScale = 3;
constexpr int kNameScale = 2;

void DrawCentred(platform::Canvas& canvas, const platform::Rect& area, int y,
                 const std::string& text, const platform::Font& font) {
  platform::TextStyle centred;
  centred.horizontal = platform::HorizontalAlign::Centre;
  canvas.DrawText({(area.left + area.right) / 2, y}, text, font, centred);
}

platform::Font Scaled(const platform::Font& font, int scale, int weight) {
  platform::Font scaled = font;
  scaled.height = font.height * scale;
  scaled.weight = weight;
  return scaled;
}

}  // namespace

std::string PlanName(const std::string& file_name) {
  std::filesystem::path name = std::filesystem::path(file_name).filename();
  const std::string extension = name.extension().string();
  if (extension == ".ret" || extension == ".RET") name.replace_extension();
  return name.string();
}

std::string PrintedDocumentName(const std::string& file_name, const std::string& title) {
  const std::string plan = PlanName(file_name);
  const std::string shown_title = model::Utf8From1252(title);
  return plan.empty() ? shown_title : plan + " \xE2\x80\x94 " + shown_title;
}

void DrawTitlePage(platform::Canvas& canvas, const platform::Rect& area, const PrintLook& look,
                   const std::string& title, PageBody body, int page_count) {
  DrawPageHeader(canvas, area, look, {title, 0, body});
  const platform::Font font = BodyFont(canvas, look.font);
  const platform::Font title_font = Scaled(font, kTitleScale, platform::kBoldWeight);
  const platform::Font name_font = Scaled(font, kNameScale, platform::kNormalWeight);
  int y = area.top + area.Height() / 3;
  DrawCentred(canvas, area, y, title, title_font);
  y += 2 * canvas.Measure(title_font).LineHeight();
  const std::string plan = PlanName(look.file_name);
  if (!plan.empty()) {
    DrawCentred(canvas, area, y, plan, name_font);
    y += 2 * canvas.Measure(name_font).LineHeight();
  }
  const int line = canvas.Measure(font).LineHeight();
  DrawCentred(canvas, area, y, "Printed " + HeaderDate(look.date), font);
  y += line;
  DrawCentred(canvas, area, y, page_count == 1 ? "1 page" : std::to_string(page_count) + " pages",
              font);
}

}  // namespace tarvel::results
