// Summary text and CSV table of an analysis.
#include "analysis/analysis_report.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace tarvel::analysis {
namespace {

constexpr int kAgeStep = 5;

std::string Format(const char* format, auto... values) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format, values...);
  return buffer;
}

void AppendTable(std::string& text, const char* title, const PercentileTable& table,
                 const AnalysisResult& result) {
  text += title;
  text += "\n  Age";
  for (int level : kPercentileLevels) text += Format("%14s", (std::to_string(level) + "%").c_str());
  text += '\n';
  for (const int p : SummaryPeriods(result)) {
    text += Format("%5s", AgeText(result.ages[p]).c_str());
    for (std::size_t level = 0; level < kPercentileLevels.size(); ++level) {
      text += Format("%14.0f", static_cast<double>(table.At(static_cast<int>(level), p)));
    }
    text += '\n';
  }
}

void AppendCauses(std::string& text, const FailureCauses& causes) {
  text += "Failure causes (share of runs, median first age):\n";
  for (const FlagCause& cause : causes.flags) {
    if (cause.runs == 0) {
      text += Format("  %5.1f %%         %s\n", 0.0, cause.text.c_str());
    } else {
      text += Format("  %5.1f %%  %5.1f  %s\n", cause.share * 100.0,
                     static_cast<double>(cause.median_age), cause.text.c_str());
    }
  }
  text += "First age of liquid depletion:\n";
  for (const AgeBin& bin : causes.depletion) {
    text +=
        Format("  %3d-%-3d %6d\n", bin.first_age, bin.first_age + kDepletionBinYears - 1, bin.runs);
  }
}

void AppendLevels(std::string& line, const PercentileTable& table, int period) {
  for (std::size_t level = 0; level < kPercentileLevels.size(); ++level) {
    line += Format(",%.2f", static_cast<double>(table.At(static_cast<int>(level), period)));
  }
}

}  // namespace

const PercentileTable& NetWorthTable(const AnalysisResult& result, MoneyBasis basis) {
  return basis == MoneyBasis::Today ? result.networth_today : result.networth;
}

std::vector<int> SummaryPeriods(const AnalysisResult& result) {
  std::vector<int> periods;
  const int count = std::min(static_cast<int>(result.ages.size()), result.networth.periods());
  for (int p = 0; p < count; ++p) {
    if (p == count - 1 || p % kAgeStep == 0) periods.push_back(p);
  }
  return periods;
}

std::string AgeText(float age) {
  return Format(age == static_cast<float>(static_cast<int>(age)) ? "%.0f" : "%.1f",
                static_cast<double>(age));
}

std::string SuccessText(double probability) { return Format("%.1f %%", probability * 100.0); }

std::string RunKeyText(RateSource source, const RunOutcome& outcome) {
  switch (source) {
    case RateSource::Historical:
      return Format("start year %d", outcome.start_year);
    case RateSource::Bootstrap:
      return Format("bootstrap seed %" PRIu64, outcome.seed);
    default:
      return Format("seed %" PRIu64, outcome.seed);
  }
}

std::string AnalysisSummaryText(const AnalysisResult& result, MoneyBasis basis) {
  std::string text = "success probability: " + SuccessText(result.success_probability) + "\n";
  text += Format("runs: %d, source: %s, seed: %" PRIu64 "\n", result.runs,
                 std::string(RateSourceName(result.options.source)).c_str(), result.options.seed);
  if (!result.note.empty()) text += result.note + "\n";
  AppendTable(text,
              basis == MoneyBasis::Today ? "Net worth by age in today's money:"
                                         : "Net worth by age in the money of each year (nominal):",
              NetWorthTable(result, basis), result);
  AppendCauses(text, result.causes);
  return text;
}

std::string AnalysisCsv(const AnalysisResult& result) {
  std::string text = "age";
  for (const char* prefix : {"", "today_", "liquid_"}) {
    for (int level : kPercentileLevels) text += Format(",%sp%d", prefix, level);
  }
  text += '\n';
  for (int p = 0; p < result.networth.periods(); ++p) {
    text += AgeText(result.ages[p]);
    AppendLevels(text, result.networth, p);
    AppendLevels(text, result.networth_today, p);
    AppendLevels(text, result.liquid, p);
    text += '\n';
  }
  return text;
}

}  // namespace tarvel::analysis
