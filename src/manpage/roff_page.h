// A manual page in the roff "man" macros, built section by section from plain text, so that
// the programs can print their own pages from the definitions their --help is made of.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvel::manpage {

// Plain text as roff shows it literally: backslashes and hyphens escaped (options and paths
// stay copyable), a leading dot or apostrophe defused, other than ASCII as \[uXXXX].
std::string RoffText(std::string_view text);
// Plain text in bold or italic, escaped.
std::string Bold(std::string_view text);
std::string Italic(std::string_view text);

class RoffPage {
 public:
  // The title line: the program's name, the manual section (1 for commands), the source (the
  // program and its version) and the manual's title.
  RoffPage(std::string_view name, int section, std::string_view source, std::string_view manual);

  // The NAME section as whatis reads it: "name \- summary".
  void NameSection(std::string_view name, std::string_view summary);
  void Section(std::string_view title);     // a top-level heading, upper case by convention
  void Subsection(std::string_view title);  // plain text
  void Paragraph(std::string_view text);    // plain text
  // A paragraph of already-marked-up roff (from Bold, Italic and RoffText); "\n.br\n" breaks
  // its lines.
  void MarkedParagraph(std::string_view roff);
  // A tagged paragraph: the term in marked-up roff, the text plain, indented under it.
  void Term(std::string_view term_roff, std::string_view text);
  // Lines shown as typed, indented and unfilled.
  void Example(const std::vector<std::string>& lines);

  const std::string& text() const { return text_; }

 private:
  void Line(std::string_view roff);
  std::string text_;
};

}  // namespace tarvel::manpage
