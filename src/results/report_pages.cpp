// Paging of report tables: every page file starts with the title lines, counts its lines
// from the report's starting count, and ends with the end marker.
#include "results/report_pages.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "engine/run_files.h"
#include "model/money_format.h"

namespace tarvel::results {
namespace {

constexpr char kSeparator[] = "---------------------------";

// The cell columns one page series carries.
struct ColumnBlock {
  std::size_t first = 0;
  std::size_t end = 0;
};

std::vector<ColumnBlock> BlocksOf(const ReportTable& table, const PageOptions& options) {
  const std::size_t columns = table.titles.size();
  if (options.target != PageTarget::Print || !table.column_blocks || columns == 0) {
    return {ColumnBlock{0, columns}};
  }
  std::vector<ColumnBlock> blocks;
  for (std::size_t first = 0; first < columns; first += kPrintColumnsPerBlock) {
    blocks.push_back({first, std::min(columns, first + kPrintColumnsPerBlock)});
  }
  return blocks;
}

class PageWriter {
 public:
  PageWriter(const ReportTable& table, const std::filesystem::path& folder,
             const PageOptions& options)
      : table_(table),
        folder_(folder),
        options_(options),
        length_(PageLength(options)),
        page_number_(std::max(0, options.first_page - 1)) {}

  bool WriteBlock(const ColumnBlock& block) {
    block_ = block;
    if (!OpenNextPage()) return false;
    for (const ReportRow& row : table_.rows) {
      if (count_ % length_ == 0 || count_ >= length_) {
        if (!ClosePage() || !OpenNextPage()) return false;
      }
      WriteRow(row);
      ++count_;
    }
    return ClosePage();
  }

  int pages() const { return page_number_; }
  const std::string& problem() const { return problem_; }

 private:
  bool OpenNextPage() {
    const std::string name = PageFilePrefix(options_.target) + std::to_string(page_number_ + 1);
    if (!file_.Open(folder_ / name)) {
      problem_ = "Cannot open " + name;
      return false;
    }
    ++page_number_;
    WriteTitles();
    count_ = table_.first_line_count;
    return true;
  }

  void WriteTitles() {
    std::string line = table_.label_title;
    for (std::size_t column = block_.first; column < block_.end; ++column) {
      line += '\t';
      line += table_.titles[column];
    }
    std::fprintf(file_.get(), "%s\n%s\n\n", line.c_str(), kSeparator);
  }

  void WriteRow(const ReportRow& row) {
    std::string line = row.label;
    // A page series of every column writes each cell of the row, titled or not.
    const std::size_t end =
        block_.end == table_.titles.size() ? std::max(block_.end, row.cells.size()) : block_.end;
    for (std::size_t column = block_.first; column < end; ++column) {
      line += '\t';
      if (column < row.cells.size()) line += row.cells[column];
    }
    std::fprintf(file_.get(), "%s\n", line.c_str());
  }

  // False when the page did not reach its file whole.
  bool ClosePage() {
    if (!file_) return true;
    std::fprintf(file_.get(), "%s\n", table_.end_marker.c_str());
    if (file_.Close()) return true;
    problem_ = model::CannotWriteMessage(file_.path().string(), file_.error());
    return false;
  }

  const ReportTable& table_;
  const std::filesystem::path& folder_;
  const PageOptions& options_;
  const int length_;
  ColumnBlock block_;
  engine::FileHandle file_;
  int page_number_;
  int count_ = 0;
  std::string problem_;
};

}  // namespace

std::string AmountCell(double amount) { return model::Format("%13.2f", amount); }

std::string PercentCell(double part, double whole) {
  if (!(part > 0) || !(whole > 0)) return "0.00%";
  return model::Format("%13.2f%%", part / whole * 100.0);
}

std::string AgeLabel(float age) { return model::Format("%5.1f", static_cast<double>(age)); }

const char* PageFilePrefix(PageTarget target) {
  switch (target) {
    case PageTarget::Print:
      return "rpage";
    case PageTarget::AccountsFolder:
      return "apage";
    default:
      return "spage";
  }
}

int PageLength(const PageOptions& options) {
  if (options.target == PageTarget::Screen) return kScreenPageLines;
  return options.report_graphs ? kPrintPageLinesWithGraphs : kPrintPageLines;
}

PagesWritten WriteReportPages(const ReportTable& table, const std::filesystem::path& folder,
                              const PageOptions& options) {
  PageWriter writer(table, folder, options);
  for (const ColumnBlock& block : BlocksOf(table, options)) {
    if (!writer.WriteBlock(block)) return PagesWritten{0, writer.problem()};
  }
  return PagesWritten{writer.pages(), {}};
}

}  // namespace tarvel::results
