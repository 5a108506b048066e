// Run-file records are tab-separated: age, name (event files: then the kind), amount.
#include "results/report_run_files.h"

#include <cstdlib>
#include <fstream>
#include <string_view>

#include "results/report_table.h"

namespace tarvel::results {
namespace {

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::optional<double> NumberOf(std::string_view text) {
  const std::string copy(text);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end == copy.c_str()) return std::nullopt;
  return value;
}

// The middle fields joined again, so a name holding a tab stays whole.
std::string JoinedName(const std::vector<std::string_view>& fields, std::size_t first,
                       std::size_t end) {
  std::string name;
  for (std::size_t i = first; i < end; ++i) {
    if (i > first) name += '\t';
    name += fields[i];
  }
  return name;
}

bool IsEnd(std::string_view line) { return line.rfind(kRunFileEndMarker, 0) == 0; }

std::string WithoutReturn(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::optional<AccountAmount> AccountRecord(std::string_view line) {
  const std::vector<std::string_view> fields = SplitTabs(line);
  if (fields.size() < 3) return std::nullopt;
  const std::optional<double> age = NumberOf(fields.front());
  const std::optional<double> amount = NumberOf(fields.back());
  if (!age || !amount) return std::nullopt;
  return AccountAmount{static_cast<float>(*age), JoinedName(fields, 1, fields.size() - 1), *amount};
}

void ReadAccountRecords(std::istream& in, std::vector<AccountAmount>& records) {
  std::string line;
  while (std::getline(in, line)) {
    line = WithoutReturn(std::move(line));
    if (IsEnd(line)) return;
    if (auto record = AccountRecord(line)) records.push_back(std::move(*record));
  }
}

}  // namespace

std::optional<std::vector<EventAmount>> ReadEventFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  std::vector<EventAmount> records;
  std::string line;
  while (std::getline(in, line)) {
    line = WithoutReturn(std::move(line));
    if (IsEnd(line)) break;
    const std::vector<std::string_view> fields = SplitTabs(line);
    if (fields.size() < 4) continue;
    const std::optional<double> age = NumberOf(fields.front());
    const std::optional<double> code = NumberOf(fields[fields.size() - 2]);
    const std::optional<double> amount = NumberOf(fields.back());
    if (!age || !code || !amount) continue;
    records.push_back({static_cast<float>(*age), JoinedName(fields, 1, fields.size() - 2),
                       static_cast<int>(*code), *amount});
  }
  return records;
}

std::optional<AccountFlows> ReadAccountFlows(const std::filesystem::path& incoming,
                                             const std::filesystem::path& outgoing) {
  std::ifstream in(incoming);
  std::ifstream out(outgoing);
  if (!in || !out) return std::nullopt;
  AccountFlows flows;
  std::string line;
  int count = 0;
  if (std::getline(in, line)) count = std::atoi(line.c_str());
  for (int i = 0; i < count && std::getline(in, line); ++i) {
    flows.account_names.push_back(WithoutReturn(std::move(line)));
  }
  ReadAccountRecords(in, flows.incoming);
  ReadAccountRecords(out, flows.outgoing);
  return flows;
}

}  // namespace tarvel::results
