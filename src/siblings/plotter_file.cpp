// Reads the file in its written order; each keyword line must be one of its two words.
#include "siblings/plotter_file.h"

#include <cstdlib>
#include <sstream>

#include "siblings/text_lines.h"

namespace tarvel::siblings {
namespace {

constexpr char kEndOfData[] = "ENDOFDATA";
constexpr std::size_t kYearFields = 5;

// A schedule's year is a whole number a loan can reach: 0 up to a few thousand.
bool IsYearNumber(double value) {
  return value >= 0 && value <= 9999 && value == static_cast<double>(static_cast<int>(value));
}

class PlotterParser {
 public:
  PlotterParser(const std::vector<std::string>& lines, const std::string& path)
      : cursor_(lines), path_(path) {}

  PlotterLoad Parse() {
    PlotterFile file;
    if (!Flag("BANNER", file.banner) || !Expect("COLOR") || !Colours(file) ||
        !Flag("LOGO", file.logo) || !Flag("WATERMARK", file.watermark) || !Texts(file.titles) ||
        !Flag("PLOT", file.plot) || !Expect("DATA") || !Texts(file.details) || !Columns(file) ||
        !Years(file)) {
      return PlotterLoad::Failed(DamagedMessage(path_, problem_));
    }
    return {std::move(file), {}};
  }

 private:
  bool Fail(const std::string& why) {
    problem_ = why;
    return false;
  }
  bool FailAtLine(const std::string& why) {
    return Fail("line " + std::to_string(cursor_.line_number()) + " " + why);
  }
  std::optional<std::string> Next() {
    auto line = cursor_.Take();
    if (!line) Fail("it is cut short");
    return line;
  }
  // "WORD" or "NOWORD".
  bool Flag(const std::string& word, bool& on) {
    const auto line = Next();
    if (!line) return false;
    if (*line != word && *line != "NO" + word) {
      return FailAtLine("should be \"" + word + "\" or \"NO" + word + "\"");
    }
    on = *line == word;
    return true;
  }
  bool Expect(const std::string& word) {
    const auto line = Next();
    if (!line) return false;
    return *line == word || FailAtLine("should be \"" + word + "\"");
  }
  bool Colours(PlotterFile& file) {
    for (auto& colour : file.colours) {
      const auto line = Next();
      if (!line) return false;
      char* end = nullptr;
      colour = static_cast<std::uint32_t>(std::strtoul(line->c_str(), &end, 16));
      if (line->empty() || *end != '\0') return FailAtLine("is not a colour");
    }
    return true;
  }
  template <std::size_t N>
  bool Texts(std::array<std::string, N>& texts) {
    for (auto& text : texts) {
      const auto line = Next();
      if (!line) return false;
      text = *line;
    }
    return true;
  }
  bool Columns(PlotterFile& file) {
    const auto line = Next();
    if (!line) return false;
    std::istringstream names(*line);
    for (std::string name; std::getline(names, name, '\t');) {
      const auto first = name.find_first_not_of(' ');
      const auto last = name.find_last_not_of(' ');
      if (first != std::string::npos) file.columns.push_back(name.substr(first, last - first + 1));
    }
    return file.columns.size() == kYearFields || FailAtLine("is not the column header");
  }
  bool Years(PlotterFile& file) {
    while (const auto line = Next()) {
      if (*line == kEndOfData) return true;
      std::string spaced = *line;
      for (char& c : spaced) c = c == '\t' ? ' ' : c;
      const auto numbers = NumbersOf(spaced);
      if (!numbers || numbers->size() != kYearFields) return FailAtLine("is not a year line");
      const auto& n = *numbers;
      if (!IsYearNumber(n[0])) return FailAtLine("does not start with a year number");
      file.years.push_back({static_cast<int>(n[0]), n[1], n[2], n[3], n[4]});
    }
    return Fail("it ends before \"ENDOFDATA\"");
  }

  LineCursor cursor_;
  const std::string& path_;
  std::string problem_;
};

}  // namespace

PlotterLoad ParsePlotterText(const std::vector<std::string>& lines, const std::string& path) {
  if (lines.empty()) return PlotterLoad::Failed(DamagedMessage(path, "it is empty"));
  return PlotterParser(lines, path).Parse();
}

PlotterLoad ReadPlotterFile(const std::string& path) {
  const auto lines = ReadLines(path);
  if (!lines) return PlotterLoad::Failed(CannotOpenMessage(path));
  return ParsePlotterText(*lines, path);
}

}  // namespace tarvel::siblings
