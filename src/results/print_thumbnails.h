// Print Thumbnails: the net worth, incoming, outgoing, group, asset allocation and account
// reports written as print pages, then drawn as pairs of small charts on pages titled
// "Thumbnails" ("tpage1", "tpage2" ... in the working directory).
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"
#include "results/print_look.h"
#include "results/report_builder.h"

namespace tarvel::results {

inline constexpr char kThumbnailsTitle[] = "Thumbnails";
inline constexpr char kThumbnailPagePrefix[] = "tpage";
inline constexpr int kThumbnailPairsPerPage = 3;
inline constexpr int kThumbnailAccountPages = 5;

// One pair of charts: the report's name and the lines of one of its print pages.
struct ThumbnailSource {
  std::string label;
  std::vector<std::string> lines;
};

// Writes each report's print pages and keeps the pages the thumbnails show; a report whose
// pages cannot be written or read is left out.
std::vector<ThumbnailSource> CollectThumbnails(const ReportSource& source);

// The thumbnail page files, three pairs a page; the number of pages, 0 when nothing could be
// written (problem says which file).
int WriteThumbnailPages(const std::vector<ThumbnailSource>& thumbnails,
                        const std::filesystem::path& folder, std::string& problem);

// The pairs of one thumbnail page file, one under the other between top and the area's bottom.
void DrawThumbnailPageBody(platform::Canvas& canvas, const platform::Rect& area, int top,
                           const std::vector<std::string>& lines, const PrintLook& look);

}  // namespace tarvel::results
