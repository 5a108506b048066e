// Schedule page cutting: page 1 runs to the first rule; later pages start with the table
// heading and take rules and "??" markers as the two print commands want them. Pages are
// filled to the drawn height the layout measured, counted in half lines.
#include "results/print_schedule_pages.h"

#include <algorithm>
#include <fstream>

#include "model/working_file_names.h"

namespace tarvel::results {
namespace {

constexpr char kIndent[] = "          ";
constexpr char kPageEnd[] = "Dooooone";

bool IsRule(const std::string& line) { return line.find("-----") != std::string::npos; }
bool IsHeadingMarker(const std::string& line) { return line.starts_with("??"); }

constexpr char kHalfLineSpace[] = "?Bo";

class PageCutter {
 public:
  PageCutter(ScheduleKind kind, int page_half_lines)
      : kind_(kind), capacity_(std::max(page_half_lines, 2 * kHeadingLines + 2)) {
    pages_.emplace_back();
  }

  // Page 1: up to the first rule. Afterwards one line of the schedule at a time.
  void Take(const std::string& line) {
    if (done_) return;
    if (kind_ == ScheduleKind::Scenario && IsHeadingMarker(line)) {
      done_ = true;
      return;
    }
    if (on_first_page_) {
      if (IsHeadingMarker(line)) return;
      if (IsRule(line)) {
        on_first_page_ = false;
        StartPage();
      } else {
        Write(line);
      }
      return;
    }
    if (kind_ == ScheduleKind::ResultsReport) {
      TakeForResults(line);
    } else {
      TakeForScenario(line);
    }
  }

  void Write(const std::string& line) {
    std::string indented = kIndent + line;
    const int needed = HalfLinesOf(indented);
    if (used_ + needed > capacity_) StartPage();
    used_ += needed;
    pages_.back().push_back(std::move(indented));
  }

  std::vector<PageLines> Pages() && {
    while (pages_.size() > 1 && IsOnlyHeading(pages_.back())) pages_.pop_back();
    return std::move(pages_);
  }

 private:
  // The heading's two lines and the half line below them.
  static constexpr int kHeadingLines = 2;

  int RemainingLines() const { return (capacity_ - used_) / 2; }

  void TakeForResults(const std::string& line) {
    if (IsRule(line)) {
      if (RemainingLines() < 2) {
        StartPage();
      } else {
        WriteSpace();
      }
    } else if (IsHeadingMarker(line)) {
      if (RemainingLines() >= 4 && used_ > heading_half_lines_) AddHeading();
    } else {
      Write(line);
    }
  }

  void TakeForScenario(const std::string& line) {
    if (IsRule(line) && RemainingLines() < 4) {
      StartPage();
    } else if (IsRule(line)) {
      WriteSpace();
    } else {
      Write(line);
    }
  }

  // A rule between the years is printed as half a line of space.
  void WriteSpace() {
    if (used_ + 1 > capacity_) return;
    ++used_;
    pages_.back().push_back(kHalfLineSpace);
  }

  void StartPage() {
    pages_.emplace_back();
    used_ = 0;
    AddHeading();
  }

  void AddHeading() {
    for (const std::string& line : ScheduleHeading()) {
      pages_.back().push_back(line);
      used_ += HalfLinesOf(line);
    }
  }

  static bool IsOnlyHeading(const PageLines& page) { return page == ScheduleHeading(); }

  ScheduleKind kind_;
  int capacity_;
  int heading_half_lines_ = [] {
    int half_lines = 0;
    for (const std::string& line : ScheduleHeading()) half_lines += HalfLinesOf(line);
    return half_lines;
  }();
  std::vector<PageLines> pages_;
  int used_ = 0;
  bool on_first_page_ = true;
  bool done_ = false;
};

}  // namespace

int HalfLinesOf(const std::string& line) {
  if (line.starts_with(kHalfLineSpace)) return 1;
  if (line.starts_with("?") || IsRule(line)) return 0;
  return 2;
}

const char* ScheduleTitle(ScheduleKind kind) {
  return kind == ScheduleKind::ResultsReport ? "Financial Schedule" : "Financial Scenario";
}

PageLines ScheduleHeading() {
  const std::string rule = std::string(kIndent) + std::string(120, '-');
  return {"?BO",
          rule,
          "          \t      Investment\t       Tax-Free\t      Retirement\t           Asset\t"
          "          Equity",
          "          Age\t       Accounts\t       Accounts\t       Accounts\t       Accounts\t"
          "       Accounts\t    Liabilities\t       Net Worth",
          rule,
          "?Bo"};
}

std::vector<PageLines> CutSchedulePages(const std::vector<std::string>& print_lines,
                                        ScheduleKind kind, int page_half_lines) {
  PageCutter cutter(kind, page_half_lines);
  if (kind == ScheduleKind::ResultsReport) cutter.Write("Financial Scenario:");
  for (const std::string& line : print_lines) cutter.Take(line);
  return std::move(cutter).Pages();
}

std::optional<std::vector<std::string>> ReadPageFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("Dooooone") || line.starts_with("Dooone")) break;
    lines.push_back(line);
  }
  return lines;
}

bool WriteSchedulePageFiles(const std::filesystem::path& folder,
                            const std::vector<PageLines>& pages, std::string& failed_name) {
  for (std::size_t index = 0; index < pages.size(); ++index) {
    const std::string name = "page" + std::to_string(index + 1);
    std::ofstream file(folder / name, std::ios::binary | std::ios::trunc);
    for (const std::string& line : pages[index]) file << line << '\n';
    file << kPageEnd << '\n';
    if (!file) {
      failed_name = name;
      return false;
    }
  }
  return true;
}

engine::RunOptions SchedulePrintRunOptions(engine::RunOptions options, ScheduleKind kind) {
  options.mode = engine::OutputMode::PrintFile;
  options.output_file.clear();  // the print file in the working directory
  options.write_run_files = false;
  options.saving = false;
  options.suppress_detail = false;
  options.scenario_print = kind == ScheduleKind::Scenario;
  return options;
}

std::optional<int> MakeSchedulePageFiles(const std::filesystem::path& folder, ScheduleKind kind,
                                         std::string& failed_name, int page_half_lines) {
  const std::optional<std::vector<std::string>> print_lines =
      ReadPageFile(folder / model::kPrintFileName);
  if (!print_lines) {
    failed_name = model::kPrintFileName;
    return std::nullopt;
  }
  if (print_lines->empty()) return 0;
  const std::vector<PageLines> pages = CutSchedulePages(*print_lines, kind, page_half_lines);
  if (!WriteSchedulePageFiles(folder, pages, failed_name)) return std::nullopt;
  return static_cast<int>(pages.size());
}

}  // namespace tarvel::results
