// Reading back a manual page in roff for tests: its text without font and hyphen escapes, and
// the names each section's tagged paragraphs describe.
#pragma once

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tarvel::test_support {

inline std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline std::string FirstWord(const std::string& text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return "";
  return text.substr(start, text.find(' ', start) - start);
}

// Roff text as shown: font changes dropped, "\-" as "-", "\&" as nothing.
inline std::string PlainRoff(const std::string& roff) {
  std::string plain;
  for (std::size_t i = 0; i < roff.size(); ++i) {
    if (roff.compare(i, 2, "\\f") == 0) {
      i += 2;
    } else if (roff.compare(i, 2, "\\-") == 0 || roff.compare(i, 2, "\\&") == 0) {
      if (roff[++i] == '-') plain += '-';
    } else {
      plain += roff[i];
    }
  }
  return plain;
}

// For each section or subsection (by title), the names its tagged paragraphs describe:
// "--workdir TEXT" gives "--workdir", "-h, --help" gives both.
inline std::map<std::string, std::set<std::string>> ManPageTerms(const std::string& roff) {
  std::map<std::string, std::set<std::string>> terms;
  std::string title;
  const std::vector<std::string> lines = TextLines(roff);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.rfind(".SS \"", 0) == 0 || line.rfind(".SH \"", 0) == 0) {
      title = PlainRoff(line.substr(5, line.size() - 6));  // inside the quotes
      terms[title];
    } else if (line == ".TP" && i + 1 < lines.size()) {
      std::stringstream names(PlainRoff(lines[i + 1]));
      for (std::string name; std::getline(names, name, ',');) terms[title].insert(FirstWord(name));
    }
  }
  return terms;
}

}  // namespace tarvel::test_support
