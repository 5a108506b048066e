// The scenario's fixed-size records as they live in memory. Every field of the stored
// layout has a member here (reserved bytes included), so a complete file reads and writes
// back byte for byte; the codecs in block_codec.h are the one place that knows offsets.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/text_field.h"

namespace tarvel::model {

inline constexpr int kMaxAccounts = 50;
inline constexpr int kMaxGroups = 10;
inline constexpr int kMaxEvents = 150;
inline constexpr int kEventSlots = 153;  // 150 usable slots, three spare ones
inline constexpr int kBudgetCount = 5;
inline constexpr int kMaxItems = 30;
inline constexpr int kAllocationCategories = 10;
inline constexpr int kColourCount = 16;
inline constexpr int kRmdTables = 3;
inline constexpr int kRmdTableLength = 30;
inline constexpr int kReportFonts = 3;

// Stored u16 reference meaning "no account" (-1 when the field is read as signed).
inline constexpr std::uint16_t kNoAccount = 65535;
// Inactive events keep their real start age plus this offset.
inline constexpr float kInactiveOffset = 1000.0f;

template <std::size_t N>
using Bytes = std::array<std::uint8_t, N>;

enum class AccountType : std::uint16_t {
  Asset = 0,
  Equity = 1,
  Investment = 2,
  Retirement = 3,
  TaxFree = 4,
};

// Any stored u16 value is representable; values outside the list are kept as read.
enum class EventKind : std::uint16_t {
  Unset = 0,
  Fundamentals = 1,
  Deposit = 2,
  Loan = 3,
  Mortgage = 4,
  Transfer = 5,
  Withdrawal = 6,
  AllocationOption = 7,
  Empty = 99,
  RmdLine = 65535,
};

// Markers that tell the varieties of one kind apart.
inline constexpr std::uint16_t kCreditCardMarker = 64536;    // -1000 at offset 26 of a Loan
inline constexpr std::uint16_t kEquityLoanMarker = 63536;    // -2000 at offset 26 of a Loan
inline constexpr std::uint16_t kBudgetWithdrawalMarker = 1;  // offset 156 of a Withdrawal
inline constexpr std::uint16_t kRule72TMarker = 72;          // offset 156 of a Transfer
inline constexpr std::uint16_t kChosenAccountMarker = 438;   // an account was picked explicitly

// 80 bytes. The derived totals and averages are refreshed by RecomputeInitialTotals.
struct InitialValues {
  std::int16_t event_count = 0;
  float reserved_2 = 0;
  float initial_investment = 0;
  float initial_tax_free = 0;
  float initial_retirement = 0;
  float initial_equity = 0;
  float initial_assets = 0;
  float start_age = 30.0f;
  float end_age = 84.0f;
  std::uint16_t use_birthday = 0;
  float inflation_rate = 4.0f;
  float equity_appreciation_rate = 0;
  float asset_depreciation_rate = 0;
  float tax_rate = 15.0f;
  float reserved_52 = 3.0f;
  float investment_rate = 9.0f;
  float tax_free_rate = 6.0f;
  float retirement_rate = 9.0f;
  std::uint16_t purchasing_power = 0;  // show net worth in today's purchasing power
  Bytes<2> reserved_70{};
  float dividend_tax_rate = 15.0f;
  std::int16_t birth_month = 0;
  std::int16_t birth_day = 0;
};

// 82 bytes.
struct Account {
  TextField<30> name;
  TextField<4> access_order;  // up to three characters; orders accounts when funding
  float balance = 0;          // run-time
  float rate = 0;             // run-time, percent per year
  float initial_amount = 0;
  float yearly_rate = 0;  // effective yearly rate, percent
  AccountType type = AccountType::Asset;
  float random_min_rate = 0;
  float random_max_rate = 0;
  std::uint16_t id = 0;
  std::uint16_t penalty_flag = 0;  // early withdrawals pay the penalty (Retirement, TaxFree)
  float smallest_drawn_rate = 0;   // run-time rate statistics
  float largest_drawn_rate = 0;
  float drawn_rate_sum = 0;
  Bytes<2> reserved_76{};
  std::uint16_t group = 0;  // index into the group table
  std::uint16_t slot = 0;   // settings slot into every per-account array
};

// 4124 bytes: the count, the 50 records and the table-wide options.
struct AccountTable {
  std::int16_t count = 0;
  std::array<Account, kMaxAccounts> records{};
  std::uint32_t next_id = 0;
  float allocation_min_withdrawal = 0;
  float allocation_start_age = 0;
  Bytes<4> reserved_4114{};
  std::uint16_t rmd_method = 0;  // 1 proportional, 2 equal, 3 account order
  Bytes<2> reserved_4120{};
  std::uint16_t allocation_method = 0;  // 0 off, 1 proportional, 2 equal
};

// 1938 bytes; the arrays of 50 are indexed by an account's settings slot.
struct AccountSettings {
  std::array<float, kMaxAccounts> penalty_age{};
  std::array<float, kMaxAccounts> penalty_rate{};
  std::array<float, kMaxAccounts> drawn_rate_count{};  // run-time
  std::array<std::uint16_t, kMaxAccounts> allocation_flag{};
  std::array<std::uint16_t, kMaxAccounts> first_withdrawal_age{};  // run-time
  std::array<std::uint16_t, kMaxAccounts> rmd_table{};             // 10, 20 or 30; 0 none
  std::array<std::int32_t, kRmdTables> rmd_start_age{};            // stored at 900, 1698, 1702
  Bytes<8> reserved_904{};
  float rmd_penalty_rate = 0;
  std::int16_t rmd_transfer_account = 0;
  Bytes<120> reserved_918{};
  std::array<float, kMaxAccounts> standard_deviation{};
  std::array<std::uint16_t, kMaxAccounts> reserved_1238{};
  std::array<std::array<float, kRmdTableLength>, kRmdTables> rmd_life_expectancy{};
  Bytes<32> reserved_1706{};
  std::array<TextField<32>, kRmdTables> rmd_table_name{};
  Bytes<104> reserved_1834{};
};

// 1100 bytes; indexed by settings slot.
struct DividendSettings {
  std::array<float, kMaxAccounts> yearly_percent{};
  std::array<float, kMaxAccounts> taxable_percent{};
  std::array<std::int16_t, kMaxAccounts> deposit_account{};  // account id, -1 none
  Bytes<600> reserved_500{};
};

// 5060 bytes; percentages by category and settings slot.
struct AllocationBlock {
  std::array<std::array<float, kMaxAccounts>, kAllocationCategories> percent{};
  std::array<std::array<float, kMaxAccounts>, kAllocationCategories> working{};  // run-time
  Bytes<1060> reserved_4000{};
};

// 740 bytes.
struct GroupTable {
  std::array<TextField<21>, kMaxGroups> names{};
  std::array<float, kMaxGroups> random_min_rate{};
  std::array<float, kMaxGroups> random_max_rate{};
  Bytes<162> reserved_290{};
  std::int16_t reserved_452 = 0;
  Bytes<2> reserved_454{};
  std::uint16_t random_method = 0;  // 0 Gaussian range, 1 uniform, 2 Gaussian deviation
  Bytes<2> reserved_458{};
  std::int16_t range_factor = 0;      // method 0, 0..10
  std::int16_t deviation_factor = 0;  // method 2, 0..10
  Bytes<18> reserved_464{};
  TextField<258> folder_name;
};

// 160 bytes. Several fields mean different things by kind; the names give the offset and
// the comment the meanings. Code reads them through the named views of event_views.h; only
// the codec and the views use these names:
//   value_10  : apply rate (Withdrawal, Deposit, Transfer); beneficiary age (Rule 72T);
//               sell age (Loan, Mortgage); months to pay off (credit card); 120 (equity loan)
//   flag_14   : one time only (Withdrawal, Deposit, Transfer); life table (Rule 72T)
//   amount    : amount; new tax rate (Fundamentals); purchase price (Mortgage)
//   word_22   : before taxes (Deposit); from account (Transfer, Rule 72T); RMD table number;
//               run-time debt-step flag (Loan, Mortgage)
//   account_24: account withdrawn from / deposited to / to account / paying account;
//               account whose rate changes (Fundamentals); do not withdraw down payment
//               (Mortgage)
//   word_26   : apply inflation (Withdrawal, Deposit, Transfer, Mortgage taxes); Rule 72T
//               method; credit-card / equity-loan marker
//   value_32  : new inflation rate (Fundamentals); down payment (Loan, Mortgage); total
//               interest (credit card)
//   rate_40   : rate (Loan, Mortgage, Rule 72T); new account rate (Fundamentals)
//   word_44   : 438 when an account was chosen; number of years (Loan, Mortgage)
//   value_60  : deposit account's rate at entry (Loan); appreciation (Mortgage); years to
//               pay off (credit card)
//   value_134 : property taxes (Mortgage); monthly purchases (credit card)
//   value_138 : closing costs (Mortgage); cost of loan (equity loan)
//   value_146 : accelerated monthly amount (Mortgage); source balance (Rule 72T, run-time)
//   word_158  : payment account (Loan, Mortgage, equity loan); beneficiary's age (Rule 72T,
//               run-time)
struct FinancialEvent {
  std::uint16_t list_row = 0;  // run-time
  float start_age = 0;         // whole years; +1000 while inactive
  float end_age = 0;           // payoff age for Loan and Mortgage
  float value_10 = 0;
  std::uint16_t flag_14 = 0;
  EventKind kind = EventKind::Unset;
  float amount = 0;
  std::uint16_t word_22 = 0;
  std::uint16_t account_24 = 0;
  std::uint16_t word_26 = 0;
  float working_amount_28 = 0;  // run-time
  float value_32 = 0;
  float monthly_payment = 0;
  float rate_40 = 0;
  std::int16_t word_44 = 0;
  float working_amount_46 = 0;       // run-time
  float accumulator_50 = 0;          // run-time
  float accumulator_54 = 0;          // run-time
  std::uint16_t payment_marker = 0;  // 438 when a payment account is chosen
  float value_60 = 0;
  std::int16_t budget_number = 0;  // 1..5 for a budget withdrawal
  std::uint16_t flag_66 = 0;       // Transfer: all funds at start age; else run-time
  std::uint16_t status = 0;        // run-time: 0 not started, 1 running, 2 finished
  TextField<50> description;
  Bytes<4> reserved_120{};
  std::uint16_t number = 0;  // stable event number 1..150
  Bytes<2> reserved_126{};
  std::uint16_t equity_account = 0;  // Mortgage, equity loan; 65535 none
  std::uint16_t mortgage_link = 0;   // equity loan: the mortgage's event number
  Bytes<2> reserved_132{};
  float value_134 = 0;
  float value_138 = 0;
  float selling_percent = 0;  // Mortgage: selling expenses, % of the price
  float value_146 = 0;
  std::uint16_t todays_dollars = 0;  // amount given in dollars of the start age
  Bytes<2> reserved_152{};
  std::uint16_t step_flag = 0;  // run-time
  std::uint16_t marker = 0;     // 1 budget withdrawal, 72 Rule 72T; Mortgage: accelerated
  std::uint16_t word_158 = 0;
};

// 1398 bytes.
struct Budget {
  TextField<30> name;
  std::int16_t item_count = 0;
  std::int16_t start_age = 0;
  std::int16_t end_age = 0;
  std::array<TextField<21>, kMaxItems> item_names{};
  std::array<float, kMaxItems> yearly_amount{};  // derived: 12 x amount when monthly
  std::array<float, kMaxItems> amount{};
  std::array<float, kMaxItems> working_amount{};
  std::array<float, kMaxItems> apply_rate{};
  std::array<std::uint16_t, kMaxItems> monthly{};
  std::array<std::uint16_t, kMaxItems> apply_inflation{};
  Bytes<60> reserved_1266{};
  std::array<std::uint16_t, kMaxItems> track{};
  float total = 0;  // derived
  std::uint16_t active = 0;
  std::uint16_t todays_dollars = 0;
  std::int32_t account = -1;  // associated account id
};

// 1398 bytes; one per event slot, moving with its event. The simulation ignores it.
struct IncomeExpenseList {
  std::int16_t item_count = 0;
  TextField<30> title;
  std::int16_t start_age = 0;
  std::int16_t end_age = 0;
  std::array<TextField<21>, kMaxItems> item_names{};
  std::array<float, kMaxItems> yearly_amount{};
  std::array<float, kMaxItems> amount{};
  std::array<float, kMaxItems> working_amount{};
  std::array<float, kMaxItems> apply_rate{};
  std::array<std::uint8_t, kMaxItems> monthly{};
  Bytes<30> reserved_1176{};
  std::array<std::uint8_t, kMaxItems> apply_inflation{};
  std::array<std::uint8_t, kMaxItems> tax{};
  std::array<std::uint8_t, kMaxItems> income{};  // 1 income, 0 expense
  Bytes<30> reserved_1296{};
  std::array<std::uint8_t, kMaxItems> track{};
  Bytes<30> reserved_1356{};
  Bytes<7> reserved_1386{};
  std::uint8_t todays_dollars = 0;
  std::int32_t account = 0;  // -1 none
};

// 786 bytes.
struct AllocationCategories {
  Bytes<366> reserved_0{};
  std::array<TextField<21>, kAllocationCategories> file_names{};
  std::array<TextField<21>, kAllocationCategories> names{};
};

// 246 bytes.
struct ReportHeaders {
  std::array<TextField<60>, 3> lines{};
  std::array<std::uint16_t, 3> print{};
  Bytes<60> reserved_186{};
};

// 60 bytes: a font description as the scenario stores it.
struct LogFont {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strike_out = 0;
  std::uint8_t char_set = 0;
  std::uint8_t out_precision = 0;
  std::uint8_t clip_precision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitch_and_family = 0;
  TextField<32> face_name;
};

// 152 bytes; also the whole content of the preferences file.
struct WindowSetup {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t preference_8 = 0;
  std::int32_t colour_banding = 0;
  std::int32_t preference_16 = 0;
  std::int32_t hide_maker_page = 0;
  std::int32_t preference_24 = 0;
  std::int32_t use_default_fonts = 1;
  std::int32_t use_default_fonts_companion = 1;
  std::int32_t option_36 = 0;
  std::array<std::int32_t, 21> display_options{};  // offsets 40..123
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t margin_left = 1000;  // thousandths of an inch
  std::int32_t margin_top = 1000;
  std::int32_t margin_right = 500;
  std::int32_t margin_bottom = 1000;
  std::int32_t print_option = 1;
};

// Colour references are 0x00BBGGRR.
inline constexpr std::array<std::uint32_t, kColourCount> kDefaultColours = {
    0x8E1C52, 0xFF0000, 0x0000FF, 0x15D0D5, 0xFF00AA, 0x00FF00, 0x480088, 0x55550A,
    0x00AAFF, 0xFF44FF, 0xFFFF34, 0x15D0D5, 0x6400C8, 0x646464, 0x0000FF, 0x000000};
// Stands in for the system scroll-bar colour wherever a colour is derived from it.
inline constexpr std::uint32_t kScrollBarColour = 0xC8C8C8;

// 164 bytes.
struct ProgramColours {
  std::array<std::uint32_t, kColourCount> colours = kDefaultColours;
  Bytes<100> reserved_64{};
};

inline constexpr std::size_t kReservedBlockSize = 10060;

// The whole planning input. Large (about 450 kB): keep it on the heap.
struct Scenario {
  InitialValues initial;
  std::array<FinancialEvent, kEventSlots> events{};
  AccountTable accounts;
  GroupTable groups;
  ReportHeaders report_headers;
  AccountSettings settings;
  std::array<LogFont, kReportFonts> report_fonts{};
  WindowSetup window;
  std::array<Budget, kBudgetCount> budgets{};
  DividendSettings dividends;
  AllocationCategories categories;
  AllocationBlock allocation;
  Bytes<kReservedBlockSize> reserved_block{};
  ProgramColours colours;
  std::array<IncomeExpenseList, kEventSlots> income_expense{};
  bool modified = false;  // the scenario differs from its file
};

// Stored sizes of the blocks, checked against the codecs by the tests.
inline constexpr std::size_t kInitialValuesSize = 80;
inline constexpr std::size_t kEventSize = 160;
inline constexpr std::size_t kAccountSize = 82;
inline constexpr std::size_t kAccountTableSize = 4124;
inline constexpr std::size_t kGroupTableSize = 740;
inline constexpr std::size_t kReportHeadersSize = 246;
inline constexpr std::size_t kAccountSettingsSize = 1938;
inline constexpr std::size_t kLogFontSize = 60;
inline constexpr std::size_t kWindowSetupSize = 152;
inline constexpr std::size_t kBudgetSize = 1398;
inline constexpr std::size_t kDividendSettingsSize = 1100;
inline constexpr std::size_t kAllocationCategoriesSize = 786;
inline constexpr std::size_t kAllocationBlockSize = 5060;
inline constexpr std::size_t kProgramColoursSize = 164;
inline constexpr std::size_t kIncomeExpenseListSize = 1398;

}  // namespace tarvel::model
