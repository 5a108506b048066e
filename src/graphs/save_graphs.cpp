// The graph file is the plot file's header, account names, yearly blocks and group lines,
// ended by "Done"; the purchasing-power values and colours of the plot file are left out.
#include "graphs/save_graphs.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

#include "model/atomic_file.h"

namespace tarvel::graphs {
namespace {

constexpr char kPlotPrefix[] = "plotinf";
constexpr int kHeaderLines = 4;
constexpr int kGroupLines = 10;
constexpr char kFileError[] = "FILE ERROR";
constexpr char kFileWarning[] = "FILE WARNING";
constexpr char kProblem[] = "Problem saving graphs.\nPlease try again.";

void Tell(platform::Prompter& prompter, const std::string& text, const char* caption) {
  prompter.Ask({text, caption, platform::Buttons::Ok, platform::Icon::Error});
}

bool NamedLikePlotFile(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  if (name.size() < sizeof kPlotPrefix - 1) return false;
  for (std::size_t i = 0; i + 1 < sizeof kPlotPrefix; ++i) {
    if (std::tolower(static_cast<unsigned char>(name[i])) != kPlotPrefix[i]) return false;
  }
  return true;
}

// Whether the file opens for writing; an existing one is left unchanged, a new one removed.
bool OpensForWriting(const std::filesystem::path& file, bool exists) {
  std::FILE* probe = std::fopen(file.c_str(), "ab");
  if (probe == nullptr) return false;
  std::fclose(probe);
  std::error_code error;
  if (!exists) std::filesystem::remove(file, error);
  return true;
}

std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// A whole number from the start of a line ("55.00" gives 55); none when it is not a number.
std::optional<long> LeadingNumber(const std::string& line) {
  const char* begin = line.c_str();
  char* end = nullptr;
  const double value = std::strtod(begin, &end);
  if (end == begin || !(value > -1e9 && value < 1e9)) return std::nullopt;
  return static_cast<long>(value);
}

// The graph file's text, or none when the plot file does not hold a savable run.
std::optional<std::string> GraphFileText(const std::vector<std::string>& plot) {
  std::string text;
  std::size_t next = 0;
  auto copy = [&](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i, ++next) {
      if (next >= plot.size()) return false;
      text += plot[next] + "\n";
    }
    return true;
  };
  if (!copy(kHeaderLines) || next >= plot.size()) return std::nullopt;
  const std::optional<long> years = LeadingNumber(plot[next]);
  if (!years || *years < 0 || *years > kMostSavedYears || !copy(1)) return std::nullopt;
  if (next >= plot.size()) return std::nullopt;
  const std::optional<long> accounts = LeadingNumber(plot[next]);
  if (!accounts || *accounts < 0 || *accounts > 50) return std::nullopt;
  if (!copy(1) || !copy(static_cast<std::size_t>(*accounts))) return std::nullopt;

  const std::size_t block_lines = static_cast<std::size_t>(*accounts) + 1;
  for (std::size_t i = 0; i < static_cast<std::size_t>(*years) * block_lines; ++i, ++next) {
    if (next >= plot.size()) return std::nullopt;
    if (plot[next].rfind("Done", 0) == 0) return text + "Done\n";
    text += plot[next] + "\n";
  }
  if (!copy(kGroupLines) || !copy(static_cast<std::size_t>(*accounts))) return std::nullopt;
  return text + "Done\n";
}

}  // namespace

bool SaveGraphs(platform::Prompter& prompter, const std::filesystem::path& plot_file,
                const std::string& start_folder) {
  platform::FileDialog dialog;
  dialog.title = "Save Graphs To a File";
  dialog.filters = {{"Plot Files (*.TVP)", "*.tvp;*.TVP"}};
  dialog.default_extension = "tvp";
  dialog.start_folder = start_folder;
  const std::optional<std::string> chosen = prompter.ChooseFileToSave(dialog);
  if (!chosen) return false;
  return SaveGraphsTo(prompter, plot_file, *chosen);
}

bool SaveGraphsTo(platform::Prompter& prompter, const std::filesystem::path& plot_file,
                  const std::filesystem::path& graph_file) {
  std::error_code error;
  const bool exists = std::filesystem::exists(graph_file, error);
  const std::string name = graph_file.string();
  if (exists) {
    if (NamedLikePlotFile(graph_file)) {
      prompter.Ask({"Cannot overwrite the system file plotinf. \nChoose another file name.",
                    kFileWarning, platform::Buttons::Ok, platform::Icon::Warning});
      return false;
    }
    const platform::Answer answer =
        prompter.Ask({name + " exists - Overwrite anyway?", kFileWarning, platform::Buttons::YesNo,
                      platform::Icon::Question});
    if (answer != platform::Answer::Yes) return false;
  }
  if (!OpensForWriting(graph_file, exists)) {
    Tell(prompter, exists ? "Cannot open " + name + "!" : std::string("Cannot open file!"),
         kFileError);
    return false;
  }
  const std::optional<std::vector<std::string>> plot = ReadLines(plot_file);
  if (!plot) {
    Tell(prompter, "Cannot open plotinf for reading!", kFileError);
    return false;
  }
  const std::optional<std::string> text = GraphFileText(*plot);
  if (!text) {
    Tell(prompter, kProblem, kFileError);
    return false;
  }
  if (!model::WriteFileAtomically(name, *text)) {
    Tell(prompter, "Cannot open " + name + " for writing!", kFileError);
    return false;
  }
  return true;
}

}  // namespace tarvel::graphs
