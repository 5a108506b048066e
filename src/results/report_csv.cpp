// CSV text of report tables.
#include "results/report_csv.h"

#include <string_view>

#include "model/atomic_file.h"

namespace tarvel::results {
namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void AppendField(std::string& out, std::string_view text) {
  text = Trimmed(text);
  if (text.find_first_of(",\"\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

std::string ReportCsv(const ReportTable& table) {
  std::string out;
  AppendField(out, table.label_title);
  for (const std::string& title : table.titles) {
    out += ',';
    AppendField(out, title);
  }
  out += '\n';
  for (const ReportRow& row : table.rows) {
    AppendField(out, row.label);
    for (const std::string& cell : row.cells) {
      out += ',';
      AppendField(out, cell);
    }
    out += '\n';
  }
  return out;
}

bool WriteReportCsv(const ReportTable& table, const std::filesystem::path& path) {
  return model::WriteFileAtomically(path.string(), ReportCsv(table));
}

}  // namespace tarvel::results
