// The effective yearly rate of a compounded nominal rate.
#include "calculators/effective_rate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tarvel::calculators {
namespace {

std::string Shown(float rate) {
  char text[32];
  std::snprintf(text, sizeof text, "%-8.4f", rate);
  return text;
}

TEST(EffectiveRate, CompoundsTheNominalRateAsShown) {
  struct Case {
    float nominal;
    int periods;
    const char* shown;
  };
  const Case cases[] = {
      {12, 12, "12.6825 "}, {12, 1, "12.0000 "}, {12, 0, "12.0000 "},   {10, 4, "10.3813 "},
      {6, 365, "6.1831  "}, {0, 12, "0.0000  "}, {-12, 12, "-11.3615"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shown(EffectiveRate(c.nominal, c.periods)), c.shown)
        << c.nominal << "% x" << c.periods;
  }
}

}  // namespace
}  // namespace tarvel::calculators
