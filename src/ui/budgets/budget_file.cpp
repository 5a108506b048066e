// Writing and reading the budget working files.
#include "ui/budgets/budget_file.h"

#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include "model/atomic_file.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"
#include "ui/budgets/budget_items.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

constexpr char kEndMarker[] = "Dooone";

std::string PathOf(const std::string& directory, BudgetFileKind which) {
  return directory + "/" + BudgetFileName(which);
}

// Item names travel between tabs and line ends: those characters become blanks.
std::string OneField(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

// An item name as the budget stores and the file writes it: cut at the first NUL and to the
// field's length, with tabs and line ends as blanks. Items are sorted on this form, so a
// budget written back sorts, and reads, the same.
std::string StoredItemName(std::string_view cell) {
  decltype(model::Budget::item_names)::value_type stored;
  stored.assign(cell);
  return OneField(stored.str());
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> cells;
  std::size_t start = 0;
  for (std::size_t tab = line.find('\t'); tab != std::string_view::npos;
       tab = line.find('\t', start)) {
    cells.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  cells.push_back(line.substr(start));
  return cells;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool ReadInt(std::string_view text, int& value) {
  text = Trimmed(text);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool ReadFloat(std::string_view text, float& value) {
  text = Trimmed(text);
  double number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  // The amount is kept as a float; a number beyond its range is no amount.
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(number) ||
      std::fabs(number) > std::numeric_limits<float>::max()) {
    return false;
  }
  value = static_cast<float>(number);
  return true;
}

bool ReadItem(std::string_view line, BudgetItem& item) {
  const std::vector<std::string_view> cells = SplitTabs(line);
  if (cells.size() != 6) return false;
  int monthly = 0;
  int track = 0;
  int inflation = 0;
  item.name = StoredItemName(cells[0]);
  const bool read = ReadFloat(cells[1], item.amount) && ReadInt(cells[2], monthly) &&
                    ReadInt(cells[3], track) && ReadFloat(cells[4], item.apply_rate) &&
                    ReadInt(cells[5], inflation);
  item.monthly = monthly != 0;
  item.track = track != 0;
  item.apply_inflation = inflation != 0;
  return read;
}

void ShowFileProblem(platform::Prompter& prompter, std::string text, const char* caption) {
  ShowStop(prompter, std::move(text), caption);
}

}  // namespace

const char* BudgetFileName(BudgetFileKind which) {
  switch (which) {
    case BudgetFileKind::Copy:
      return "budout.tmp";
    case BudgetFileKind::Report:
      return "pbudout.tmp";
    case BudgetFileKind::Snapshot:
      return "sbudout.tmp";
  }
  return "budout.tmp";
}

std::string BudgetFileText(const model::Budget& budget) {
  const std::vector<BudgetItem> items = BudgetItems(budget);
  std::string text = model::Format("%d\n", static_cast<int>(items.size()));
  text += model::Format("%-30s\n", OneField(budget.name.str()).c_str());
  for (int value : {int{budget.start_age}, int{budget.end_age}, int{budget.active},
                    int{budget.todays_dollars}}) {
    text += model::Format("%3d\n", value);
  }
  for (const BudgetItem& item : items) {
    text += model::Format("%s\t%f\t%d\t%d\t%f\t%d\n", OneField(item.name).c_str(),
                          double{item.amount}, item.monthly ? 1 : 0, item.track ? 1 : 0,
                          double{item.apply_rate}, item.apply_inflation ? 1 : 0);
  }
  text += kEndMarker;
  text += "\n";
  return text;
}

BudgetFileStatus ParseBudgetFileText(std::string_view text, model::Budget& budget) {
  const std::vector<std::string_view> lines = SplitLines(text);
  int count = 0;
  if (lines.size() < 7 || !ReadInt(lines[0], count) || count < 0) {
    return BudgetFileStatus::Invalid;
  }
  const auto end_line = static_cast<std::size_t>(count) + 6;
  if (lines.size() <= end_line || Trimmed(lines[end_line]) != kEndMarker) {
    return BudgetFileStatus::Invalid;
  }
  std::array<int, 4> header{};
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (!ReadInt(lines[2 + i], header[i])) return BudgetFileStatus::Invalid;
  }
  std::vector<BudgetItem> items(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    if (!ReadItem(lines[6 + i], items[i])) return BudgetFileStatus::Invalid;
  }
  if (count > model::kMaxItems) return BudgetFileStatus::TooManyItems;
  std::string_view name = lines[1];
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  budget.name.assign(name);
  budget.start_age = static_cast<std::int16_t>(header[0]);
  budget.end_age = static_cast<std::int16_t>(header[1]);
  budget.active = header[2] != 0 ? 1 : 0;
  budget.todays_dollars = header[3] != 0 ? 1 : 0;
  SetBudgetItems(budget, std::move(items));
  return BudgetFileStatus::Read;
}

bool WriteBudgetFile(const model::Budget& budget, BudgetFileKind which,
                     const std::string& directory, platform::Prompter& prompter) {
  if (model::WriteFileAtomically(PathOf(directory, which), BudgetFileText(budget))) return true;
  ShowFileProblem(prompter,
                  model::Format("Cannot open the budget output file %s.", BudgetFileName(which)),
                  "File Open Error");
  return false;
}

bool ReadBudgetFile(model::Budget& budget, BudgetFileKind which, const std::string& directory,
                    platform::Prompter& prompter) {
  std::ifstream file(PathOf(directory, which), std::ios::binary);
  if (!file) {
    ShowFileProblem(
        prompter,
        model::Format("Cannot open the budget input file %s file.", BudgetFileName(which)),
        "File Open Error");
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  switch (ParseBudgetFileText(text.str(), budget)) {
    case BudgetFileStatus::Read:
      return true;
    case BudgetFileStatus::TooManyItems: {
      model::Budget full;
      full.item_count = model::kMaxItems;
      const model::CapacityProblem problem = model::CheckRoomForBudgetItem(full);
      ShowFileProblem(prompter, problem.text, problem.caption.c_str());
      return false;
    }
    case BudgetFileStatus::Invalid:
      break;
  }
  ShowFileProblem(prompter,
                  model::Format("The budget input file %s doesn't seem to be a valid file.",
                                BudgetFileName(which)),
                  "Budget File Error");
  return false;
}

}  // namespace tarvel::ui
