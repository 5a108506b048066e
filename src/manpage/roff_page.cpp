// Writing manual pages in the roff "man" macros.
#include "manpage/roff_page.h"

#include <cstdint>
#include <cstdio>

namespace tarvel::manpage {
namespace {

// The code point of the UTF-8 sequence at text[i], advancing i past it; a stray byte stands
// for itself.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  int continuation = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  std::uint32_t code = continuation == 3   ? lead & 0x07u
                       : continuation == 2 ? lead & 0x0Fu
                                           : lead & 0x1Fu;
  if (continuation == 0) return lead;
  while (continuation-- > 0 && i < text.size() &&
         (static_cast<unsigned char>(text[i]) & 0xC0u) == 0x80u) {
    code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3Fu);
  }
  return code;
}

std::string UnicodeEscape(std::uint32_t code) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "\\[u%04X]", static_cast<unsigned>(code));
  return buffer;
}

// roff quotes a macro argument with double quotes; inside one, a quote is written twice.
std::string QuotedArgument(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : RoffText(text)) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

}  // namespace

std::string RoffText(std::string_view text) {
  std::string roff;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (static_cast<unsigned char>(c) >= 0x80) {
      roff += UnicodeEscape(NextCodePoint(text, i));
      continue;
    }
    ++i;
    if (c == '\\') {
      roff += "\\e";
    } else if (c == '-') {
      roff += "\\-";
    } else {
      if ((c == '.' || c == '\'') && (roff.empty() || roff.back() == '\n')) roff += "\\&";
      roff += c;
    }
  }
  return roff;
}

std::string Bold(std::string_view text) { return "\\fB" + RoffText(text) + "\\fR"; }

std::string Italic(std::string_view text) { return "\\fI" + RoffText(text) + "\\fR"; }

RoffPage::RoffPage(std::string_view name, int section, std::string_view source,
                   std::string_view manual) {
  std::string upper(name);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  Line(".TH " + QuotedArgument(upper) + " " + std::to_string(section) + " \"\" " +
       QuotedArgument(source) + " " + QuotedArgument(manual));
}

void RoffPage::NameSection(std::string_view name, std::string_view summary) {
  Section("NAME");
  Line(RoffText(name) + " \\- " + RoffText(summary));
}

void RoffPage::Section(std::string_view title) { Line(".SH " + QuotedArgument(title)); }

void RoffPage::Subsection(std::string_view title) { Line(".SS " + QuotedArgument(title)); }

void RoffPage::Paragraph(std::string_view text) { MarkedParagraph(RoffText(text)); }

void RoffPage::MarkedParagraph(std::string_view roff) {
  Line(".PP");
  Line(roff);
}

void RoffPage::Term(std::string_view term_roff, std::string_view text) {
  Line(".TP");
  Line(term_roff);
  Line(RoffText(text));
}

void RoffPage::Example(const std::vector<std::string>& lines) {
  Line(".PP");
  Line(".RS 4");
  Line(".nf");
  for (const std::string& line : lines) Line(RoffText(line));
  Line(".fi");
  Line(".RE");
}

void RoffPage::Line(std::string_view roff) {
  text_ += roff;
  text_ += '\n';
}

}  // namespace tarvel::manpage
