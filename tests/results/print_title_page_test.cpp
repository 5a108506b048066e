// The title page names the document and the plan, and printed documents are named after both.
#include "results/print_title_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "support/recording_canvas.h"

namespace tarvel::results {
namespace {

TEST(PrintedDocumentName, NamesThePlanAndTheDocument) {
  struct Case {
    std::string file_name;
    std::string title;
    std::string name;
  };
  const Case cases[] = {
      {"couple-saving.ret", "Financial Schedule", "couple-saving \xE2\x80\x94 Financial Schedule"},
      {"/home/ann/plans/Ann.RET", "Net Worth", "Ann \xE2\x80\x94 Net Worth"},
      {"", "Financial Scenario", "Financial Scenario"},
      // Record text is Windows-1252; the name is UTF-8.
      {"a.ret", "Caf\xE9", "a \xE2\x80\x94 Caf\xC3\xA9"},
  };
  for (const Case& c : cases) EXPECT_EQ(PrintedDocumentName(c.file_name, c.title), c.name);
}

TEST(DrawTitlePage, ShowsTheTitlePlanDateAndPageCountBelowTheHeader) {
  test_support::RecordingCanvas canvas({816, 1056});
  PrintLook look;
  look.file_name = "couple-saving.ret";
  look.date = {2026, 12, 7};
  DrawTitlePage(canvas, {96, 96, 768, 960}, look, "Financial Schedule", PageBody::Schedule, 30);
  const std::vector<std::string> texts = canvas.Texts();
  EXPECT_THAT(texts, testing::IsSupersetOf({" File: couple-saving.ret", "couple-saving",
                                            "Printed December 7, 2026", "30 pages"}));
  // The title is printed twice: in the header block and large on the page.
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Financial Schedule"), 2);
}

}  // namespace
}  // namespace tarvel::results
