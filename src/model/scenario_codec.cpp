// The scenario file's bytes: the blocks in their fixed order, read back with the defaults
// for every block an older, shorter file lacks and the repairs a load makes.

#include "model/scenario_codec.h"

#include <algorithm>
#include <string>

#include "model/block_codec.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"

namespace tarvel::model {
namespace {

// Bytes after the event records, up to the end of block 17.
constexpr std::size_t kBlocksAfterEvents =
    kAccountTableSize + kGroupTableSize + kReportHeadersSize + kAccountSettingsSize +
    kReportFonts * kLogFontSize + kWindowSetupSize + kBudgetCount * kBudgetSize +
    kDividendSettingsSize + kAllocationCategoriesSize + kAllocationBlockSize + kReservedBlockSize +
    kProgramColoursSize + kEventSlots * kIncomeExpenseListSize;

// Hands out the file's bytes block after block, as consecutive reads of the file would.
class BlockCursor {
 public:
  explicit BlockCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // The next size bytes of block number `block`, or fewer when the file ends inside it.
  std::span<const std::uint8_t> Next(std::size_t size, int block = 0) {
    const std::size_t available = std::min(size, bytes_.size() - position_);
    if (available > 0 && available < size) cut_block_ = block;
    const auto bytes = bytes_.subspan(position_, available);
    position_ += available;
    return bytes;
  }

  // The block the file ended inside; 0 when it ended at a block boundary.
  int cut_block() const { return cut_block_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
  int cut_block_ = 0;
};

// Appends the blocks in file order.
class BlockSink {
 public:
  explicit BlockSink(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

  template <typename T>
  void Put(const T& value) {
    const std::size_t start = bytes_.size();
    bytes_.resize(start + kStoredSize<T>);
    Encode(value, std::span<std::uint8_t>(bytes_).subspan(start));
  }
  void PutRaw(std::span<const std::uint8_t> raw) {
    bytes_.insert(bytes_.end(), raw.begin(), raw.end());
  }

 private:
  std::vector<std::uint8_t>& bytes_;
};

// Reads a whole block into value; false (value untouched) when the block is cut short.
template <typename T>
bool ReadWhole(std::span<const std::uint8_t> block, T& value) {
  if (block.size() < kStoredSize<T>) return false;
  Decode(block, value);
  return true;
}

// Zeroes the parts a load replaces and names the budgets, before the blocks arrive.
void PrepareForLoad(Scenario& scenario) {
  scenario.events[0] = FinancialEvent{};
  scenario.settings = AccountSettings{};
  scenario.dividends = DividendSettings{};
  scenario.categories = AllocationCategories{};
  scenario.allocation = AllocationBlock{};
  for (int b = 0; b < kBudgetCount; ++b) {
    Budget& budget = scenario.budgets[b];
    budget = Budget{};
    budget.name.assign("Budget " + std::to_string(b + 1));
    budget.account = -1;
  }
  for (IncomeExpenseList& list : scenario.income_expense) list = IncomeExpenseList{};
}

void ClearReportHeaders(ReportHeaders& headers) {
  for (auto& line : headers.lines) line.clear();
  headers.print.fill(0);
}

bool NeighbouringColoursEqual(const ProgramColours& colours) {
  for (std::size_t i = 0; i + 1 < colours.colours.size(); ++i) {
    if (colours.colours[i] == colours.colours[i + 1]) return true;
  }
  return false;
}

// A budget with an empty name takes its default name again.
void NameUnnamedBudgets(Scenario& scenario) {
  for (int b = 0; b < kBudgetCount; ++b) {
    if (scenario.budgets[b].name.empty()) {
      scenario.budgets[b].name.assign("Budget " + std::to_string(b + 1));
    }
  }
}

void RepairGroupBounds(GroupTable& groups) {
  for (int g = 0; g < kMaxGroups; ++g) {
    float& low = groups.random_min_rate[g];
    float& high = groups.random_max_rate[g];
    if (!(low >= -50.0f && low <= 100.0f)) low = 0;
    if (!(high >= -50.0f && high <= 100.0f)) high = 0;
    if (low > high) low = high = 0;
  }
  if (groups.random_method == 0) {
    groups.range_factor = std::clamp<std::int16_t>(groups.range_factor, 0, 10);
  } else if (groups.random_method == 2) {
    groups.deviation_factor = std::clamp<std::int16_t>(groups.deviation_factor, 0, 10);
  }
}

// Counts and indexes that would reach past a table only come from damaged files; they are
// brought into range so that no later step reads outside the records.
void RepairIndexes(Scenario& scenario) {
  for (Account& account : scenario.accounts.records) {
    if (account.group >= kMaxGroups) account.group = 0;
  }
  for (Budget& budget : scenario.budgets) {
    budget.item_count = std::clamp<std::int16_t>(budget.item_count, 0, kMaxItems);
  }
  for (IncomeExpenseList& list : scenario.income_expense) {
    list.item_count = std::clamp<std::int16_t>(list.item_count, 0, kMaxItems);
  }
}

// Blocks 4 to 17: none of them can make the file invalid.
void ReadTrailingBlocks(BlockCursor& cursor, Scenario& scenario, ScenarioLoad& load,
                        const ProgramColours& program_colours) {
  DecodeOver(cursor.Next(kGroupTableSize, 4), scenario.groups);
  if (!ReadWhole(cursor.Next(kReportHeadersSize, 5), scenario.report_headers)) {
    ClearReportHeaders(scenario.report_headers);
    ApplyPerAccountDefaults(scenario);
  }
  if (!ReadWhole(cursor.Next(kAccountSettingsSize, 6), scenario.settings)) {
    ApplyPerAccountDefaults(scenario);
  }
  RepairSettingsSlots(scenario);
  for (int f = 0; f < kReportFonts; ++f) {
    DecodeOver(cursor.Next(kLogFontSize, 7 + f), scenario.report_fonts[f]);
  }

  load.window_read = ReadWhole(cursor.Next(kWindowSetupSize, 10), scenario.window);
  if (!load.window_read) {
    WindowSetup defaults;
    scenario.window.margin_left = defaults.margin_left;
    scenario.window.margin_top = defaults.margin_top;
    scenario.window.margin_right = defaults.margin_right;
    scenario.window.margin_bottom = defaults.margin_bottom;
    scenario.window.print_option = defaults.print_option;
  }
  const auto budgets = cursor.Next(kBudgetCount * kBudgetSize, 11);
  load.budgets_read = budgets.size() == kBudgetCount * kBudgetSize;
  if (load.budgets_read) {
    for (int b = 0; b < kBudgetCount; ++b) {
      Decode(budgets.subspan(b * kBudgetSize, kBudgetSize), scenario.budgets[b]);
    }
    NameUnnamedBudgets(scenario);
  }
  if (!ReadWhole(cursor.Next(kDividendSettingsSize, 12), scenario.dividends)) {
    ApplyDividendDefaults(scenario);
  }
  if (!ReadWhole(cursor.Next(kAllocationCategoriesSize, 13), scenario.categories)) {
    scenario.categories = AllocationCategories{};
  }
  if (!ReadWhole(cursor.Next(kAllocationBlockSize, 14), scenario.allocation)) {
    scenario.allocation = AllocationBlock{};
  }
  const auto reserved = cursor.Next(kReservedBlockSize, 15);
  if (reserved.size() == kReservedBlockSize) {
    std::copy(reserved.begin(), reserved.end(), scenario.reserved_block.begin());
  } else {
    scenario.reserved_block.fill(0);
    for (int slot = 0; slot < kMaxEvents; ++slot) {
      scenario.events[slot].equity_account = kNoAccount;
    }
  }
  load.colours_read = ReadWhole(cursor.Next(kProgramColoursSize, 16), scenario.colours);
  load.colours_valid = load.colours_read && !NeighbouringColoursEqual(scenario.colours);
  if (!load.colours_read) {
    scenario.colours = program_colours;
    scenario.colours.colours[kColourCount - 1] = kScrollBarColour;
  } else if (!load.colours_valid) {
    scenario.colours.colours = kDefaultColours;
    scenario.colours.colours[kColourCount - 1] = kScrollBarColour;
  }
  // The lists are one block: a file that ends between two lists ends inside it.
  const auto lists = cursor.Next(kEventSlots * kIncomeExpenseListSize, 17);
  for (std::size_t slot = 0; slot * kIncomeExpenseListSize < lists.size(); ++slot) {
    const std::size_t start = slot * kIncomeExpenseListSize;
    DecodeOver(lists.subspan(start, std::min(kIncomeExpenseListSize, lists.size() - start)),
               scenario.income_expense[slot]);
  }
  load.cut_block = cursor.cut_block();
}

}  // namespace

std::size_t CompleteScenarioSize(int event_count) {
  return kInitialValuesSize + kEventSize * static_cast<std::size_t>(std::max(event_count, 0)) +
         kBlocksAfterEvents;
}

std::vector<std::uint8_t> EncodeScenario(const Scenario& scenario) {
  const int event_count = EventCount(scenario);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(CompleteScenarioSize(event_count));
  BlockSink sink(bytes);
  InitialValues initial = scenario.initial;
  initial.event_count = static_cast<std::int16_t>(event_count);
  sink.Put(initial);
  for (int slot = 0; slot < event_count; ++slot) sink.Put(scenario.events[slot]);
  sink.Put(scenario.accounts);
  sink.Put(scenario.groups);
  sink.Put(scenario.report_headers);
  sink.Put(scenario.settings);
  for (const LogFont& font : scenario.report_fonts) sink.Put(font);
  sink.Put(scenario.window);
  for (const Budget& budget : scenario.budgets) sink.Put(budget);
  sink.Put(scenario.dividends);
  sink.Put(scenario.categories);
  sink.Put(scenario.allocation);
  sink.PutRaw(scenario.reserved_block);
  sink.Put(scenario.colours);
  for (const IncomeExpenseList& list : scenario.income_expense) sink.Put(list);
  return bytes;
}

ScenarioLoad DecodeScenario(std::span<const std::uint8_t> bytes, Scenario& scenario) {
  ScenarioLoad load;
  const ProgramColours program_colours = scenario.colours;
  const InitialValues before = scenario.initial;
  PrepareForLoad(scenario);
  ClearScenario(scenario);

  BlockCursor cursor(bytes);
  bool valid = ReadWhole(cursor.Next(kInitialValuesSize), scenario.initial) &&
               scenario.initial.event_count >= 0 && scenario.initial.event_count <= kMaxEvents;
  for (int slot = 0; valid && slot < scenario.initial.event_count; ++slot) {
    valid = ReadWhole(cursor.Next(kEventSize), scenario.events[slot]);
  }
  if (valid) {
    RenumberEvents(scenario);
    valid = ReadWhole(cursor.Next(kAccountTableSize), scenario.accounts) &&
            scenario.accounts.count >= 0 && scenario.accounts.count <= kMaxAccounts;
  }
  if (!valid) {
    // What the damaged file put into block 1 is not kept; the fields a clear leaves alone
    // go back to what they were before the load.
    scenario.initial = before;
    scenario.initial.event_count = 0;
    ClearScenario(scenario);
    scenario.colours = program_colours;
    return load;
  }
  load.valid = true;
  ReadTrailingBlocks(cursor, scenario, load, program_colours);
  FillAllocationCategoryDefaults(scenario);
  RepairGroupBounds(scenario.groups);
  RepairIndexes(scenario);
  return load;
}

}  // namespace tarvel::model
