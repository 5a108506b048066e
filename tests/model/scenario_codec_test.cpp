// The scenario file's bytes: complete files round-trip byte for byte, every short-file
// boundary gives its defaults, and damaged or hostile bytes never break the reader.

#include "model/scenario_codec.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "model/byte_io.h"
#include "model/scenario_ops.h"
#include "support/scenario_builder.h"

namespace tarvel::model {
namespace {

// Where each block starts in a file with n events; index 17 is the end of block 17.
std::vector<std::size_t> BlockStarts(int n) {
  const std::size_t sizes[] = {80,  160u * n, 4124, 740, 246,  1938,  60,  60,    60,
                               152, 6990,     1100, 786, 5060, 10060, 164, 213894};
  std::vector<std::size_t> starts = {0};
  for (std::size_t size : sizes) starts.push_back(starts.back() + size);
  return starts;
}

constexpr std::uint32_t kProgramColourMark = 0x123456;

std::unique_ptr<Scenario> ScenarioWithProgramColours() {
  auto scenario = std::make_unique<Scenario>();
  for (int i = 0; i < kColourCount; ++i) scenario->colours.colours[i] = kProgramColourMark + i;
  return scenario;
}

// A complete file of random bytes, patched where a load would repair the value.
std::vector<std::uint8_t> PatternFile(int n, unsigned seed) {
  const auto starts = BlockStarts(n);
  std::mt19937 random(seed);
  std::vector<std::uint8_t> bytes(starts.back());
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
  ByteWriter w(bytes);
  w.I16(0, static_cast<std::int16_t>(n));
  for (int e = 0; e < n; ++e) w.U16(80 + 160 * e + 124, static_cast<std::uint16_t>(e + 1));
  const std::size_t accounts = starts[2];
  w.I16(accounts, 50);
  for (int a = 0; a < kMaxAccounts; ++a) {
    w.U16(accounts + 2 + 82 * a + 78, static_cast<std::uint16_t>(a % kMaxGroups));
    w.U16(accounts + 2 + 82 * a + 80, static_cast<std::uint16_t>(a));
  }
  const std::size_t groups = starts[3];
  for (int g = 0; g < kMaxGroups; ++g) {
    w.F32(groups + 210 + 4 * g, -10.0f + g);
    w.F32(groups + 250 + 4 * g, 20.0f + g);
  }
  w.U16(groups + 456, 1);
  for (int b = 0; b < kBudgetCount; ++b) {
    bytes[starts[10] + 1398 * b] = 'B';
    w.I16(starts[10] + 1398 * b + 30, static_cast<std::int16_t>(b + 1));
  }
  for (int c = 0; c < 5; ++c) bytes[starts[12] + 576 + 21 * c] = 'C';
  for (int i = 0; i < kColourCount; ++i) w.U32(starts[15] + 4 * i, 0x010101u * (i + 1));
  for (int l = 0; l < kEventSlots; ++l)
    w.I16(starts[16] + 1398 * l, static_cast<std::int16_t>(l % 31));
  return bytes;
}

TEST(CompleteScenarioSize, GrowsBy160BytesPerEvent) {
  EXPECT_EQ(CompleteScenarioSize(0), 245514u);
  EXPECT_EQ(CompleteScenarioSize(3), 245514u + 480u);
  EXPECT_EQ(BlockStarts(0).back(), 245514u);
  EXPECT_EQ(BlockStarts(0)[16], 31620u);
}

TEST(ScenarioCodec, CompleteFileRoundTripsByteForByte) {
  for (int n : {0, 1, 7, 150}) {
    const std::vector<std::uint8_t> bytes = PatternFile(n, 100 + n);
    auto scenario = std::make_unique<Scenario>();
    const ScenarioLoad load = DecodeScenario(bytes, *scenario);
    ASSERT_TRUE(load.valid);
    EXPECT_TRUE(load.colours_valid && load.window_read && load.budgets_read);
    const std::vector<std::uint8_t> again = EncodeScenario(*scenario);
    ASSERT_EQ(again.size(), bytes.size());
    const auto mismatch = std::mismatch(bytes.begin(), bytes.end(), again.begin());
    EXPECT_TRUE(mismatch.first == bytes.end())
        << "n=" << n << " first difference at " << (mismatch.first - bytes.begin());
  }
}

TEST(ScenarioCodec, IgnoresBytesAfterBlock17) {
  std::vector<std::uint8_t> bytes = PatternFile(2, 7);
  const std::size_t complete = bytes.size();
  bytes.resize(complete + 5000, 0x5A);
  auto scenario = std::make_unique<Scenario>();
  ASSERT_TRUE(DecodeScenario(bytes, *scenario).valid);
  const auto again = EncodeScenario(*scenario);
  EXPECT_TRUE(std::equal(again.begin(), again.end(), bytes.begin()));
  EXPECT_EQ(again.size(), complete);
}

// A saved scenario with a few distinctive values, as the writer produces it.
std::vector<std::uint8_t> SavedScenario() {
  auto scenario = test_support::MakeClearedScenario();
  test_support::AddAccount(*scenario, AccountType::Retirement, 1000, 5, "IRA");
  test_support::AddEvent(*scenario, EventKind::Deposit, 40, 50).equity_account = 0;
  test_support::AddEvent(*scenario, EventKind::Withdrawal, 60, 70).equity_account = 0;
  scenario->settings.penalty_age[0] = 52;
  scenario->dividends.taxable_percent[0] = 50;
  scenario->window.margin_left = 750;
  scenario->report_headers.print[0] = 1;
  scenario->budgets[0].name.assign("Household");
  scenario->categories.names[0].assign("Equities");
  scenario->income_expense[0].item_count = 3;
  scenario->income_expense[152].item_count = 4;
  return EncodeScenario(*scenario);
}

TEST(ScenarioCodec, EveryBlockBoundaryOfAShortFileGivesItsDefaults) {
  const std::vector<std::uint8_t> saved = SavedScenario();
  const auto starts = BlockStarts(2);
  const std::size_t first_valid = starts[3];  // blocks 1 to 3 must be whole
  for (std::size_t boundary : starts) {
    for (std::size_t length : {boundary - 1, boundary, boundary + 1}) {
      if (boundary == 0 && length != 0) continue;
      length = std::min(length, saved.size());
      SCOPED_TRACE(length);
      auto scenario = ScenarioWithProgramColours();
      const ScenarioLoad load = DecodeScenario(std::span(saved).first(length), *scenario);
      ASSERT_EQ(load.valid, length >= first_valid);
      if (!load.valid) {
        EXPECT_EQ(scenario->initial.event_count, 0);
        EXPECT_EQ(scenario->accounts.count, 0);
        EXPECT_EQ(scenario->colours.colours[0], kProgramColourMark);
        continue;
      }
      EXPECT_EQ(scenario->initial.event_count, 2);
      EXPECT_EQ(scenario->accounts.records[0].name.str(), "IRA");
      const bool headers_whole = length >= starts[5];
      const bool settings_whole = length >= starts[6];
      EXPECT_EQ(scenario->report_headers.print[0], headers_whole ? 1 : 0);
      EXPECT_EQ(scenario->settings.penalty_age[0], settings_whole ? 52.0f : 59.0f);
      EXPECT_EQ(scenario->settings.penalty_rate[0], 10.0f);
      EXPECT_EQ(load.window_read, length >= starts[10]);
      EXPECT_EQ(scenario->window.margin_left, length >= starts[10] ? 750 : 1000);
      EXPECT_EQ(scenario->window.margin_right, 500);
      EXPECT_EQ(scenario->budgets[0].name.str(), length >= starts[11] ? "Household" : "Budget 1");
      EXPECT_EQ(scenario->budgets[4].account, -1);
      EXPECT_EQ(scenario->dividends.taxable_percent[0], length >= starts[12] ? 50.0f : 100.0f);
      EXPECT_EQ(scenario->dividends.deposit_account[3], length >= starts[12] ? 0 : -1);
      // Unnamed categories get their default names whatever the length.
      EXPECT_EQ(scenario->categories.names[0].str(),
                length >= starts[13] ? "Equities" : "Large Cap");
      EXPECT_EQ(scenario->events[1].equity_account, length >= starts[15] ? 0 : kNoAccount);
      EXPECT_EQ(load.colours_read, length >= starts[16]);
      if (length < starts[16]) {
        EXPECT_EQ(scenario->colours.colours[0], kProgramColourMark);
        EXPECT_EQ(scenario->colours.colours[15], kScrollBarColour);
      } else {
        EXPECT_EQ(scenario->colours.colours, kDefaultColours);
      }
      EXPECT_EQ(scenario->income_expense[0].item_count, length > starts[16] ? 3 : 0);
      EXPECT_EQ(scenario->income_expense[152].item_count, length > starts[17] - 1398 ? 4 : 0);
    }
  }
}

TEST(ScenarioCodec, TellsTheBlockAFileEndsInsideAndNothingAtABoundary) {
  const std::vector<std::uint8_t> saved = SavedScenario();
  const auto starts = BlockStarts(2);
  // starts[b] is where block b + 1 starts; blocks 4 to 17 may be cut short.
  for (int block = 4; block <= 17; ++block) {
    const std::size_t begin = starts[block - 1];
    const std::size_t end = starts[block];
    for (const std::size_t length : {begin + 1, (begin + end) / 2, end - 1}) {
      auto scenario = ScenarioWithProgramColours();
      const ScenarioLoad load = DecodeScenario(std::span(saved).first(length), *scenario);
      EXPECT_EQ(load.cut_block, block) << length;
    }
    auto scenario = ScenarioWithProgramColours();
    EXPECT_EQ(DecodeScenario(std::span(saved).first(end), *scenario).cut_block, 0) << end;
  }
}

TEST(ScenarioCodec, EventCountOutsideTheTableMakesTheFileInvalid) {
  for (std::int16_t count : {std::int16_t{-1}, std::int16_t{151}, std::int16_t{-32768}}) {
    std::vector<std::uint8_t> bytes = PatternFile(0, 3);
    ByteWriter(bytes).I16(0, count);
    bytes.resize(bytes.size() + 160 * 160);
    auto scenario = std::make_unique<Scenario>();
    EXPECT_FALSE(DecodeScenario(bytes, *scenario).valid);
    EXPECT_EQ(scenario->initial.event_count, 0);
    EXPECT_EQ(scenario->initial.start_age, 30.0f);
  }
}

TEST(ScenarioCodec, AccountCountOutsideTheTableMakesTheFileInvalid) {
  std::vector<std::uint8_t> bytes = PatternFile(1, 4);
  ByteWriter(bytes).I16(BlockStarts(1)[2], 51);
  auto scenario = std::make_unique<Scenario>();
  EXPECT_FALSE(DecodeScenario(bytes, *scenario).valid);
  EXPECT_EQ(scenario->accounts.count, 0);
}

TEST(ScenarioCodec, RepairsGroupBoundsAndDistributionFactors) {
  std::vector<std::uint8_t> bytes = PatternFile(0, 5);
  const std::size_t groups = BlockStarts(0)[3];
  ByteWriter w(bytes);
  w.F32(groups + 210, 120);  // minimum out of range
  w.F32(groups + 250, 10);
  w.F32(groups + 214, 20);  // minimum above maximum
  w.F32(groups + 254, 10);
  w.F32(groups + 218, -60);
  w.F32(groups + 258, 101);
  w.U16(groups + 456, 0);
  w.I16(groups + 460, 14);
  w.I16(groups + 462, -3);  // not the method in use: kept
  auto scenario = std::make_unique<Scenario>();
  ASSERT_TRUE(DecodeScenario(bytes, *scenario).valid);
  const GroupTable& table = scenario->groups;
  EXPECT_EQ(table.random_min_rate[0], 0.0f);
  EXPECT_EQ(table.random_max_rate[0], 10.0f);
  EXPECT_EQ(table.random_min_rate[1], 0.0f);
  EXPECT_EQ(table.random_max_rate[1], 0.0f);
  EXPECT_EQ(table.random_min_rate[2], 0.0f);
  EXPECT_EQ(table.random_max_rate[2], 0.0f);
  EXPECT_EQ(table.range_factor, 10);
  EXPECT_EQ(table.deviation_factor, -3);
}

TEST(ScenarioCodec, EqualNeighbouringColoursGiveTheDefaults) {
  std::vector<std::uint8_t> bytes = PatternFile(0, 6);
  const std::size_t colours = BlockStarts(0)[15];
  ByteWriter(bytes).U32(colours + 4 * 10, 0x0A0A0A);  // colour 11 equals colour 10
  auto scenario = ScenarioWithProgramColours();
  const ScenarioLoad load = DecodeScenario(bytes, *scenario);
  EXPECT_TRUE(load.colours_read);
  EXPECT_FALSE(load.colours_valid);
  auto expected = kDefaultColours;
  expected[15] = kScrollBarColour;
  EXPECT_EQ(scenario->colours.colours, expected);
}

TEST(ScenarioCodec, EventNumbersOutOfRangeRenumberEverySlot) {
  for (std::uint16_t bad : {std::uint16_t{0}, std::uint16_t{152}}) {
    std::vector<std::uint8_t> bytes = PatternFile(3, 8);
    ByteWriter w(bytes);
    w.U16(80 + 124, 40);
    w.U16(80 + 160 + 124, bad);
    w.U16(80 + 160 + 130, 5);  // mortgage link
    auto scenario = std::make_unique<Scenario>();
    ASSERT_TRUE(DecodeScenario(bytes, *scenario).valid);
    EXPECT_EQ(scenario->events[0].number, 1);
    EXPECT_EQ(scenario->events[1].number, 2);
    EXPECT_EQ(scenario->events[1].mortgage_link, 0);
    EXPECT_EQ(scenario->events[149].number, 150);
  }
}

TEST(ScenarioCodec, SharedSettingsSlotsAreMadeDistinct) {
  std::vector<std::uint8_t> bytes = PatternFile(0, 9);
  const std::size_t accounts = BlockStarts(0)[2];
  ByteWriter w(bytes);
  w.U16(accounts + 2 + 82 * 1 + 80, 0);    // shares slot 0 with the first record
  w.U16(accounts + 2 + 82 * 2 + 80, 900);  // out of range
  auto scenario = std::make_unique<Scenario>();
  ASSERT_TRUE(DecodeScenario(bytes, *scenario).valid);
  std::array<int, kMaxAccounts> uses{};
  for (const Account& account : scenario->accounts.records) {
    ASSERT_LT(account.slot, kMaxAccounts);
    ++uses[account.slot];
  }
  for (int use : uses) EXPECT_EQ(use, 1);
}

// Whatever the bytes, the scenario comes back within its tables' bounds.
void ExpectWithinBounds(const Scenario& scenario) {
  EXPECT_GE(scenario.initial.event_count, 0);
  EXPECT_LE(scenario.initial.event_count, kMaxEvents);
  EXPECT_GE(scenario.accounts.count, 0);
  EXPECT_LE(scenario.accounts.count, kMaxAccounts);
  for (const Account& account : scenario.accounts.records) {
    EXPECT_LT(account.slot, kMaxAccounts);
    EXPECT_LT(account.group, kMaxGroups);
  }
  for (const Budget& budget : scenario.budgets) {
    EXPECT_GE(budget.item_count, 0);
    EXPECT_LE(budget.item_count, kMaxItems);
  }
  for (const IncomeExpenseList& list : scenario.income_expense) {
    EXPECT_GE(list.item_count, 0);
    EXPECT_LE(list.item_count, kMaxItems);
  }
}

TEST(ScenarioCodec, RandomAndOversizeFilesNeverBreakTheReader) {
  std::mt19937 random(20240601);
  auto scenario = std::make_unique<Scenario>();
  for (int round = 0; round < 60; ++round) {
    std::size_t length = random() % (CompleteScenarioSize(kMaxEvents) + 20000);
    if (round % 3 == 0) length = random() % 200;
    std::vector<std::uint8_t> bytes(length);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    // Every other file gets a plausible header so that the reader goes deeper.
    if (round % 2 == 1 && length >= 2) {
      ByteWriter w(bytes);
      const int n = static_cast<int>(random() % 20);
      w.I16(0, static_cast<std::int16_t>(n));
      w.I16(80 + 160 * n, static_cast<std::int16_t>(random() % 51));
    }
    DecodeScenario(bytes, *scenario);
    ExpectWithinBounds(*scenario);
    EXPECT_LE(EncodeScenario(*scenario).size(), CompleteScenarioSize(kMaxEvents));
  }
}

}  // namespace
}  // namespace tarvel::model
