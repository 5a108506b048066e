// Text reaches a manual page as written: nothing in it is taken for a roff request or escape.
#include "manpage/roff_page.h"

#include <gtest/gtest.h>

namespace tarvel::manpage {
namespace {

TEST(RoffText, ShowsEveryCharacterLiterally) {
  const struct {
    const char* text;
    const char* roff;
  } cases[] = {
      {"--workdir DIR", "\\-\\-workdir DIR"},
      {"C:\\plans", "C:\\eplans"},
      {".ret files", "\\&.ret files"},
      {"'quoted'", "\\&'quoted'"},
      {"first\n.second", "first\n\\&.second"},
      {"a.b", "a.b"},
      {"caf\xc3\xa9 \xe2\x82\xac", "caf\\[u00E9] \\[u20AC]"},
  };
  for (const auto& c : cases) EXPECT_EQ(RoffText(c.text), c.roff) << c.text;
}

TEST(RoffPage, QuotesHeadingsAndWritesTheNameLineWhatisReads) {
  RoffPage page("tarvel", 1, "tarvel 1.0", "Manual");
  page.NameSection("tarvel", "the command line");
  page.Subsection("say \"hi\" -h");
  EXPECT_EQ(page.text(),
            ".TH \"TARVEL\" 1 \"\" \"tarvel 1.0\" \"Manual\"\n"
            ".SH \"NAME\"\n"
            "tarvel \\- the command line\n"
            ".SS \"say \"\"hi\"\" \\-h\"\n");
}

}  // namespace
}  // namespace tarvel::manpage
