// Cutting the print file of a run into schedule pages: the Print Results Report pages (the
// scenario listing, then the schedule) and the Print Scenario pages (the listing only).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/run.h"

namespace tarvel::results {

enum class ScheduleKind { ResultsReport, Scenario };

// The printed title of each kind: "Financial Schedule" and "Financial Scenario".
const char* ScheduleTitle(ScheduleKind kind);

// The room a page's body has, in half lines of the body font: "?Bo" lines and the rules
// between the years take half a line, rules and other "?" lines none, every other line one.
// The printed layout measures it from the font and the paper (ScheduleLayoutFor).
inline constexpr int kScheduleLinesPerPage = 40;
inline constexpr int kDefaultPageHalfLines = 2 * kScheduleLinesPerPage;

// The half lines one line of a schedule page takes when it is drawn.
int HalfLinesOf(const std::string& line);

using PageLines = std::vector<std::string>;

// The table heading every page after the first starts with.
PageLines ScheduleHeading();

// The pages of the print file's lines, each line indented by 10 spaces, each page holding
// at most page_half_lines of drawn height. The rules between the years become half a line
// of space ("?Bo").
std::vector<PageLines> CutSchedulePages(const std::vector<std::string>& print_lines,
                                        ScheduleKind kind,
                                        int page_half_lines = kDefaultPageHalfLines);

// The lines of a text file up to its end marker ("Dooooone" or "Dooone"); nothing when the
// file cannot be opened.
std::optional<std::vector<std::string>> ReadPageFile(const std::filesystem::path& path);

// Writes "page1", "page2", ... into folder, each ending with "Dooooone". On failure returns
// false and names the file that could not be created.
bool WriteSchedulePageFiles(const std::filesystem::path& folder,
                            const std::vector<PageLines>& pages, std::string& failed_name);

// The run that writes the print file of a kind: print-file mode, no run files, and for the
// scenario pages the listing only.
engine::RunOptions SchedulePrintRunOptions(engine::RunOptions options, ScheduleKind kind);

// Cuts the print file in folder (written by a run in print-file mode) into page files. The
// page count, or nothing with failed_name set to the file that could not be read or written.
std::optional<int> MakeSchedulePageFiles(const std::filesystem::path& folder, ScheduleKind kind,
                                         std::string& failed_name,
                                         int page_half_lines = kDefaultPageHalfLines);

}  // namespace tarvel::results
