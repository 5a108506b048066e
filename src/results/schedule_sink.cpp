// The schedule line sink: drops or forwards each line by the run's output mode, and in mode 0
// builds the results list with its line-to-event and age-to-line maps.
#include "results/schedule_sink.h"

namespace tarvel::results {
namespace {

bool IsHeadingMarker(std::string_view text) { return text.starts_with("??"); }

// The yearly summary row starts with its age: the first "." among the first four characters
// is followed by "0".
bool LooksLikeSummaryRow(std::string_view text) {
  const std::size_t point = text.substr(0, 4).find('.');
  return point != std::string_view::npos && point + 1 < text.size() && text[point + 1] == '0';
}

}  // namespace

void ScheduleSink::Begin(engine::OutputMode mode, std::FILE* file, float first_shown_age) {
  mode_ = mode;
  file_ = file;
  first_shown_age_ = first_shown_age;
  list_started_ = false;
}

void ScheduleSink::WriteListingLine(std::string_view text) {
  if (file_ == nullptr) return;
  if (IsHeadingMarker(text)) std::fputs("\n\n", file_);
  std::fwrite(text.data(), 1, text.size(), file_);
  std::fputc('\n', file_);
}

void ScheduleSink::Emit(std::string_view text, int event_index) {
  if (suppress_detail_) return;
  if (mode_ != engine::OutputMode::ResultsList) {
    if (file_ == nullptr) return;
    if (IsHeadingMarker(text)) std::fputs("\n\n", file_);
    if (current_age_ < first_shown_age_) return;
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fputc('\n', file_);
    return;
  }
  if (text.find("------") != std::string_view::npos || IsHeadingMarker(text)) return;
  if (current_age_ < first_shown_age_) return;
  if (!list_started_) {
    results_.Clear();
    list_started_ = true;
  }
  const int line = line_count();
  if (LooksLikeSummaryRow(text)) {
    const int age = static_cast<int>(current_age_);
    if (age >= 0 && age < kMappedAges) results_.age_line[age] = line;
  }
  if (line < kMappedLines) results_.line_event.push_back(event_index);
  results_.lines.push_back(text);
}

}  // namespace tarvel::results
