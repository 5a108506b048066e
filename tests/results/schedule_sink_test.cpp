// The schedule line sink: what each output mode keeps or drops, the results list's maps,
// and the event listing written at the top of a file.
#include "results/schedule_sink.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace tarvel::results {
namespace {

using engine::OutputMode;

using Lines = std::vector<std::string>;

const char kSummaryRow[] = "65.0 \t   $1,000.00\t       $0.00";

// A temporary file the sink writes to; Text() reads back everything written so far.
class SinkFile {
 public:
  SinkFile() : file_(std::tmpfile()) {}
  ~SinkFile() {
    if (file_ != nullptr) std::fclose(file_);
  }
  std::FILE* get() const { return file_; }
  std::string Text() const {
    std::fflush(file_);
    std::rewind(file_);
    std::string text;
    char buffer[256];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file_)) > 0) text.append(buffer, count);
    return text;
  }

 private:
  std::FILE* file_;
};

TEST(ScheduleSinkResultsList, DropsSeparatorsHeadingsAndLinesBeforeTheFirstShownAge) {
  ScheduleSink sink;
  sink.Begin(OutputMode::ResultsList, nullptr, 50.0f);
  sink.set_current_age(49.0f);
  sink.Emit("  Early - Deposit $10.00 to Savings", 0);
  sink.set_current_age(50.0f);
  sink.Emit("??", 200);
  sink.Emit(std::string(184, '-'), 200);
  sink.Emit("Financial Events:", 200);
  sink.Emit("  -- a line with a short dash run is kept", 3);
  EXPECT_EQ(sink.results().lines,
            (Lines{"Financial Events:", "  -- a line with a short dash run is kept"}));
  EXPECT_EQ(sink.results().line_event, (std::vector<std::int32_t>{200, 3}));
}

TEST(ScheduleSinkResultsList, MapsTheSummaryRowOfEachAge) {
  ScheduleSink sink;
  sink.Begin(OutputMode::ResultsList, nullptr, 45.0f);
  sink.set_current_age(45.4f);
  sink.Emit("Financial Events:", 200);
  sink.Emit("45.4 \t   $1,000.00", 200);  // a fractional first year is not a summary row
  sink.set_current_age(65.0f);
  sink.Emit(kSummaryRow, 200);
  sink.Emit("  Salary - Deposit $1.00 to Savings", 2);
  sink.set_current_age(100.0f);
  sink.Emit("100.0\t   $1,000.00", 200);
  EXPECT_EQ(sink.results().age_line[65], 2);
  EXPECT_EQ(sink.results().age_line[100], 4);
  EXPECT_EQ(sink.results().age_line[45], 0);
}

TEST(ScheduleSinkResultsList, MapsLinesToEventsForTheFirst6000LinesOnly) {
  ScheduleSink sink;
  sink.Begin(OutputMode::ResultsList, nullptr, 45.0f);
  sink.set_current_age(45.0f);
  for (int i = 0; i <= kMappedLines; ++i) sink.Emit("  line", i % 150);
  EXPECT_EQ(sink.line_count(), kMappedLines + 1);
  ASSERT_EQ(sink.results().line_event.size(), static_cast<std::size_t>(kMappedLines));
  EXPECT_EQ(sink.results().line_event[5999], 5999 % 150);
}

TEST(ScheduleSinkResultsList, TheFirstRowOfARunClearsTheList) {
  ScheduleSink sink;
  sink.Begin(OutputMode::ResultsList, nullptr, 45.0f);
  sink.set_current_age(65.0f);
  sink.Emit("  old line", 1);
  sink.Emit(kSummaryRow, 200);

  sink.Begin(OutputMode::ResultsList, nullptr, 45.0f);
  sink.set_current_age(44.0f);
  sink.Emit("  dropped", 1);
  EXPECT_EQ(sink.line_count(), 2);  // nothing shown yet: the previous list stays

  sink.set_current_age(45.0f);
  sink.Emit("  new line", 7);
  EXPECT_EQ(sink.results().lines, Lines{"  new line"});
  EXPECT_EQ(sink.results().line_event, std::vector<std::int32_t>{7});
  EXPECT_EQ(sink.results().age_line[65], 0);
}

TEST(ScheduleSinkSuppressDetail, DropsEveryScheduleLineButNotTheListing) {
  SinkFile file;
  ScheduleSink sink;
  sink.set_suppress_detail(true);
  sink.Begin(OutputMode::PrintFile, file.get(), 45.0f);
  sink.set_current_age(45.0f);
  sink.WriteListingLine(" 45.0 Initial Rates  Tax=15.000%");
  sink.Emit("Financial Events:", 200);
  sink.Emit("??", 200);
  EXPECT_EQ(file.Text(), " 45.0 Initial Rates  Tax=15.000%\n");

  ScheduleSink list_sink;
  list_sink.set_suppress_detail(true);
  list_sink.Begin(OutputMode::ResultsList, nullptr, 45.0f);
  list_sink.set_current_age(45.0f);
  list_sink.Emit("Financial Events:", 200);
  EXPECT_EQ(list_sink.line_count(), 0);
}

TEST(ScheduleSinkFile, WritesEveryLineFromTheFirstShownAgeWithHeadingsSpacedOut) {
  SinkFile file;
  ScheduleSink sink;
  sink.Begin(OutputMode::ResultsFile, file.get(), 50.0f);
  sink.set_current_age(48.0f);
  sink.Emit("  Early - Deposit $10.00 to Savings", 0);
  sink.set_current_age(50.0f);
  sink.Emit("??", 200);
  sink.Emit(std::string(6, '-'), 200);
  sink.Emit(kSummaryRow, 200);
  EXPECT_EQ(file.Text(), "\n\n??\n------\n" + std::string(kSummaryRow) + "\n");
  EXPECT_EQ(sink.line_count(), 0);  // the results list is left alone
}

TEST(ScheduleSinkFile, ListingLinesIgnoreTheAgeAndSpaceOutHeadings) {
  SinkFile file;
  ScheduleSink sink;
  sink.Begin(OutputMode::ResultsFile, file.get(), 50.0f);
  sink.set_current_age(30.0f);
  sink.WriteListingLine(" 50.0 Gift - Deposit $500.00 after taxes to Savings.");
  sink.WriteListingLine("??");
  EXPECT_EQ(file.Text(), " 50.0 Gift - Deposit $500.00 after taxes to Savings.\n\n\n??\n");
}

TEST(ScheduleSinkFile, WithoutAnOpenFileLinesAreDropped) {
  ScheduleSink sink;
  sink.Begin(OutputMode::ResultsFile, nullptr, 50.0f);
  sink.set_current_age(50.0f);
  sink.Emit("??", 200);
  sink.Emit("Financial Events:", 200);
  sink.WriteListingLine(" 50.0 Gift");
  EXPECT_EQ(sink.line_count(), 0);
}

}  // namespace
}  // namespace tarvel::results
