// The Rule 72T calculator's figures are the engine's, the function `tarvel rule72t` prints.
#include "siblings/rule72t_series.h"

#include <gtest/gtest.h>

#include "engine/data_folders.h"

namespace tarvel::siblings {
namespace {

using engine::LifeExpectancySource;
using engine::Rule72TMethod;

engine::LifeTables Tables() {
  const auto read = engine::ReadLifeTables({TARVEL_SOURCE_DATA_DIR});
  EXPECT_TRUE(read.mortality_found && read.joint_found);
  return read.tables;
}

TEST(Rule72TSeries, RunsFiveYearsOrTo59AndAHalfWhicheverIsLonger) {
  const struct {
    int age;
    int years;
  } cases[] = {{45, 15}, {50, 10}, {54, 6}, {55, 5}, {58, 5}, {62, 5}};
  for (const auto& c : cases) EXPECT_EQ(SeriesYears(c.age), c.years) << c.age;
}

TEST(Rule72TSeries, PaysTheEnginesDistributionEachYear) {
  const engine::LifeTables tables = Tables();
  for (const auto source : {LifeExpectancySource::SingleLife, LifeExpectancySource::UniformLifetime,
                            LifeExpectancySource::JointLife}) {
    for (const auto method :
         {Rule72TMethod::Annuitization, Rule72TMethod::Amortization, Rule72TMethod::Minimum}) {
      const Rule72TInputs inputs{52, 49, 400000, 4.5f, source, method};
      const auto years = Rule72TSeries(tables, inputs);
      ASSERT_EQ(years.size(), 8u);
      const auto first = engine::Rule72TResults(tables, 52, 49, 400000, 4.5f, source);
      const float first_payment = method == Rule72TMethod::Annuitization  ? first.annuitization
                                  : method == Rule72TMethod::Amortization ? first.amortization
                                                                          : first.minimum;
      EXPECT_GT(first_payment, 0);
      EXPECT_FLOAT_EQ(static_cast<float>(years[0].payment), first_payment);
      for (std::size_t k = 0; k < years.size(); ++k) {
        const SeriesYear& year = years[k];
        EXPECT_EQ(year.age, 52 + static_cast<int>(k));
        EXPECT_NEAR(year.end_balance, year.start_balance + year.growth - year.payment, 0.01);
        EXPECT_NEAR(year.growth, year.start_balance * 0.045, 0.01);
        // Fixed methods pay the first amount; the minimum is recomputed on the year's balance.
        const float expected =
            method == Rule72TMethod::Minimum
                ? engine::Rule72TDistribution(
                      tables, static_cast<float>(year.age), static_cast<float>(49 + k),
                      static_cast<float>(year.start_balance), 4.5f,
                      static_cast<std::uint16_t>(source), static_cast<std::uint16_t>(method))
                : first_payment;
        EXPECT_NEAR(year.payment, expected, 0.01) << "year " << k;
        if (k > 0) {
          EXPECT_DOUBLE_EQ(year.start_balance, years[k - 1].end_balance);
        }
      }
    }
  }
}

TEST(Rule72TRateNote, WarnsAboveFivePercentOnly) {
  EXPECT_EQ(RateLimitNote(5.0).find("above"), std::string::npos);
  EXPECT_NE(RateLimitNote(6.25).find("6.25% is above 5%"), std::string::npos);
  EXPECT_NE(RateLimitNote(1).find("120% of the federal mid-term rate"), std::string::npos);
}

}  // namespace
}  // namespace tarvel::siblings
