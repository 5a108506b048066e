// Thumbnail pages: each pair begins with the line "?Chart<tab>label" followed by the rows of
// the report page it was drawn from.
#include "results/print_thumbnails.h"

#include <algorithm>
#include <fstream>

#include "results/print_schedule_pages.h"
#include "results/report_graphs.h"

namespace tarvel::results {
namespace {

constexpr char kChartMark[] = "?Chart\t";
constexpr char kPageEnd[] = "Dooooone";

struct ThumbnailReport {
  ReportKind kind;
  const char* label;
  int pages;  // how many of its pages are shown, a pair each
};

constexpr ThumbnailReport kThumbnailReports[] = {
    {ReportKind::NetWorth, "Net Worth", 1},
    {ReportKind::Incoming, "Incoming", 1},
    {ReportKind::Outgoing, "Outgoing", 1},
    {ReportKind::Groups, "Groups", 1},
    {ReportKind::AssetByAllocation, "Accounts By Asset Allocation", 1},
    {ReportKind::Accounts, "Accounts", kThumbnailAccountPages},
};

std::vector<std::string> WithoutPageEnd(std::vector<std::string> lines) {
  while (!lines.empty() && lines.back().starts_with("Dooo")) lines.pop_back();
  return lines;
}

}  // namespace

std::vector<ThumbnailSource> CollectThumbnails(const ReportSource& source) {
  std::vector<ThumbnailSource> thumbnails;
  for (const ThumbnailReport& report : kThumbnailReports) {
    const ReportPages written = WriteReportPages(report.kind, source, {PageTarget::Print});
    for (int page = 1; page <= std::min(written.pages, report.pages); ++page) {
      const auto lines = ReadPageFile(source.workdir / ("rpage" + std::to_string(page)));
      if (!lines || ReportTableOfPage(*lines).rows.empty()) continue;
      thumbnails.push_back({report.label, WithoutPageEnd(*lines)});
    }
  }
  return thumbnails;
}

int WriteThumbnailPages(const std::vector<ThumbnailSource>& thumbnails,
                        const std::filesystem::path& folder, std::string& problem) {
  const int count = static_cast<int>(thumbnails.size());
  const int pages = (count + kThumbnailPairsPerPage - 1) / kThumbnailPairsPerPage;
  for (int page = 1; page <= pages; ++page) {
    const std::string name = kThumbnailPagePrefix + std::to_string(page);
    std::ofstream file(folder / name, std::ios::binary);
    const int first = (page - 1) * kThumbnailPairsPerPage;
    for (int index = first; index < std::min(count, first + kThumbnailPairsPerPage); ++index) {
      file << kChartMark << thumbnails[static_cast<std::size_t>(index)].label << "\n";
      for (const std::string& line : thumbnails[static_cast<std::size_t>(index)].lines) {
        file << line << "\n";
      }
    }
    file << kPageEnd << "\n";
    if (!file.flush()) {
      problem = name;
      return 0;
    }
  }
  return pages;
}

void DrawThumbnailPageBody(platform::Canvas& canvas, const platform::Rect& area, int top,
                           const std::vector<std::string>& lines, const PrintLook& look) {
  std::vector<ThumbnailSource> pairs;
  for (const std::string& line : lines) {
    if (line.starts_with(kChartMark)) {
      pairs.push_back({line.substr(sizeof kChartMark - 1), {}});
    } else if (!pairs.empty()) {
      pairs.back().lines.push_back(line);
    }
  }
  const int gap = canvas.Measure(BodyFont(canvas, look.font)).LineHeight();
  const int height = (area.bottom - top) / kThumbnailPairsPerPage;
  for (std::size_t index = 0; index < pairs.size(); ++index) {
    const int pair_top = top + static_cast<int>(index) * height;
    const platform::Rect box{area.left, pair_top, area.right, pair_top + height - gap};
    DrawReportChartPair(canvas, box, pairs[index].label, ReportTableOfPage(pairs[index].lines),
                        look);
  }
}

}  // namespace tarvel::results
