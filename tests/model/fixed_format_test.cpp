// Number texts written without printf are the very texts printf writes.
#include "model/fixed_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "model/money_format.h"

namespace tarvel::model {
namespace {

struct NamedFormat {
  const char* printf_format;
  FixedFormat format;
};

const NamedFormat kFormats[] = {
    {"%-13.2f", kMoneyLeft}, {"%13.2f", kMoneyRight}, {"%-11.2f", kAmountLeft},
    {"%5.1f", kAge},         {"%-5.1f", kAgeLeft},    {"%-7.3f", kRate},
    {"%.2f", kTwoPlaces},    {"%.6f", kSixPlaces},    {"%f", kSixPlaces},
};

std::string Printf(const char* format, double value) {
  std::vector<char> text(400);
  const int length = std::snprintf(text.data(), text.size(), format, value);
  return std::string(text.data(), static_cast<std::size_t>(length));
}

// Values of every kind the runs can meet: amounts, exact and near halfway points, any float,
// any double bit pattern (huge, tiny, NaN, infinities), and the signed zeros.
std::vector<double> Values() {
  std::mt19937_64 random(20240305);
  std::vector<double> values = {0.0,
                                -0.0,
                                -0.001,
                                -0.004999,
                                0.005,
                                0.015,
                                0.025,
                                2.675,
                                1.005,
                                0.125,
                                -0.375,
                                0.05,
                                0.25,
                                99.995,
                                1e15,
                                std::nextafter(1e15, 0.0),
                                -std::nextafter(1e15, 0.0),
                                4503599627370495.5,
                                -1e22,
                                1e300,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::lowest(),
                                std::numeric_limits<double>::denorm_min(),
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN(),
                                -std::numeric_limits<double>::quiet_NaN()};
  std::uniform_real_distribution<double> amount(-2e7, 2e7);
  std::uniform_real_distribution<double> large(-1e15, 1e15);
  std::uniform_int_distribution<std::int64_t> thousandths(-2'000'000'000, 2'000'000'000);
  for (int i = 0; i < 250'000; ++i) {
    values.push_back(amount(random));
    values.push_back(large(random));
    // n + 0.5 units of the last printed place: halfway in decimal, rarely so in binary.
    values.push_back(static_cast<double>(thousandths(random) * 10 + 5) / 1000.0);
    values.push_back(
        static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(random()))));
    values.push_back(std::bit_cast<double>(random()));
  }
  // Exact binary halfway points of one and two decimals (x.5, x.25, x.125 ...).
  for (int i = -4000; i <= 4000; ++i) values.push_back(i / 8.0);
  return values;
}

TEST(FixedText, WritesWhatPrintfWritesForEveryValueAndFormat) {
  FixedText text;
  int mismatches = 0;
  for (const double value : Values()) {
    for (const auto& [printf_format, format] : kFormats) {
      const std::string expected = Printf(printf_format, value);
      if (text.Write(value, format) == expected) continue;
      if (++mismatches <= 10) {
        ADD_FAILURE() << printf_format << " of " << std::hexfloat << value << ": printf \""
                      << expected << "\", written \"" << text.Write(value, format) << "\"";
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(Money, IsThePrintfTextGroupedForEveryValue) {
  const Currency dollars = Currency::Dollars();
  for (const double value : Values()) {
    ASSERT_EQ(Money(value, dollars), FormatMoney(Printf("%-13.2f", value), dollars)) << value;
    std::string rate = Printf("%-7.3f", value);
    rate.erase(rate.find_last_not_of(' ') + 1);
    ASSERT_EQ(RateText(value), rate + "%") << value;
  }
}

TEST(AppendFixed, AppendsToWhatTheLineHolds) {
  std::string line = "  Tax Rate = ";
  AppendFixed(line, 22.0, kRate);
  AppendFixed(line, -1234.5, kMoneyRight);
  EXPECT_EQ(line, "  Tax Rate = 22.000      -1234.50");
}

}  // namespace
}  // namespace tarvel::model
