// The one path by which every schedule line leaves a run: to the in-memory results list
// (mode 0), to a results file (mode 1) or to the print file (mode 2).
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::engine {

enum class OutputMode { ResultsList = 0, ResultsFile = 1, PrintFile = 2 };

// Tags for lines that belong to no event.
inline constexpr int kInitialRatesTag = 7000;
inline constexpr int kAccountRatesTag = 8000;
inline constexpr int kMappedLines = 6000;
inline constexpr int kMappedAges = 121;

// What the results folder shows after a run in mode 0.
struct ResultsList {
  std::vector<std::string> lines;
  std::vector<std::int32_t> line_event;              // first 6000 lines: event index or tag
  std::array<std::int32_t, kMappedAges> age_line{};  // summary row of each whole age (0: none)

  void Clear();
};

class ScheduleSink {
 public:
  // Starts a run: mode, the open file for modes 1 and 2 (may be null), the first shown age.
  void Begin(OutputMode mode, std::FILE* file, float first_shown_age);
  // EmitScheduleLine: sends one line on, or drops it by the sink's rules.
  void Emit(std::string_view text, int event_index);
  // Writes a line to the file regardless of age (the event listing before the schedule);
  // a "??" line gets two empty lines before it. The print-file pass writes it too.
  void WriteListingLine(std::string_view text);

  void set_current_age(float age) { current_age_ = age; }
  float current_age() const { return current_age_; }
  void set_suppress_detail(bool on) { suppress_detail_ = on; }
  void set_saving(bool on) { saving_ = on; }
  bool saving() const { return saving_; }
  OutputMode mode() const { return mode_; }

  const ResultsList& results() const { return results_; }
  ResultsList& results() { return results_; }
  int line_count() const { return static_cast<int>(results_.lines.size()); }

 private:
  OutputMode mode_ = OutputMode::ResultsList;
  std::FILE* file_ = nullptr;
  float current_age_ = 0;
  float first_shown_age_ = 0;
  bool suppress_detail_ = false;
  bool saving_ = false;
  bool list_started_ = false;  // the first row of a run clears the list
  ResultsList results_;
};

}  // namespace tarvel::engine
