// Checks the stored layout of each block: every byte is read and written back, and the key
// fields sit at their offsets in little-endian order.

#include "model/block_codec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "model/byte_io.h"

namespace tarvel::model {
namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> bytes(size);
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
  return bytes;
}

// Decoding any bytes of the block's size and encoding again gives the same bytes: every
// byte has a field (reserved ones included) and no two fields overlap.
template <typename T>
void ExpectEveryByteKept() {
  for (unsigned seed = 1; seed <= 3; ++seed) {
    const std::vector<std::uint8_t> bytes = RandomBytes(kStoredSize<T>, seed);
    T value{};
    Decode(bytes, value);
    // Two guard bytes after the block stay untouched by the encoder.
    std::vector<std::uint8_t> out(kStoredSize<T> + 2, 0xEE);
    Encode(value, out);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), out.begin())) << typeid(T).name();
    EXPECT_EQ(out[kStoredSize<T>], 0xEE);
    EXPECT_EQ(out[kStoredSize<T> + 1], 0xEE);
  }
}

TEST(BlockCodec, KeepsEveryByteOfEveryBlock) {
  ExpectEveryByteKept<InitialValues>();
  ExpectEveryByteKept<FinancialEvent>();
  ExpectEveryByteKept<Account>();
  ExpectEveryByteKept<AccountTable>();
  ExpectEveryByteKept<GroupTable>();
  ExpectEveryByteKept<ReportHeaders>();
  ExpectEveryByteKept<AccountSettings>();
  ExpectEveryByteKept<LogFont>();
  ExpectEveryByteKept<WindowSetup>();
  ExpectEveryByteKept<Budget>();
  ExpectEveryByteKept<DividendSettings>();
  ExpectEveryByteKept<AllocationCategories>();
  ExpectEveryByteKept<AllocationBlock>();
  ExpectEveryByteKept<ProgramColours>();
  ExpectEveryByteKept<IncomeExpenseList>();
}

std::uint16_t U16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return ByteReader(bytes).U16(offset);
}
std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return ByteReader(bytes).U32(offset);
}
float F32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return ByteReader(bytes).F32(offset);
}
std::string TextAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(bytes.data() + offset));
}

TEST(BlockCodec, StoresLittleEndianAndFloatBitsExactly) {
  InitialValues initial;
  initial.event_count = 0x0102;
  initial.start_age = 65.5f;
  std::uint32_t nan_bits = 0x7FA00001;  // a signalling NaN must survive untouched
  std::memcpy(&initial.dividend_tax_rate, &nan_bits, 4);
  const auto bytes = EncodeBlock(initial);
  EXPECT_EQ(bytes[0], 0x02);
  EXPECT_EQ(bytes[1], 0x01);
  EXPECT_EQ(F32At(bytes, 26), 65.5f);
  EXPECT_EQ(U32At(bytes, 72), nan_bits);
  InitialValues back;
  Decode(bytes, back);
  std::uint32_t back_bits;
  std::memcpy(&back_bits, &back.dividend_tax_rate, 4);
  EXPECT_EQ(back_bits, nan_bits);
}

TEST(BlockCodec, PlacesInitialValuesFields) {
  InitialValues initial;
  initial.end_age = 90;
  initial.use_birthday = 1;
  initial.purchasing_power = 1;
  initial.birth_month = 7;
  initial.birth_day = 23;
  const auto bytes = EncodeBlock(initial);
  EXPECT_EQ(F32At(bytes, 30), 90.0f);
  EXPECT_EQ(U16At(bytes, 34), 1);
  EXPECT_EQ(F32At(bytes, 36), 4.0f);
  EXPECT_EQ(F32At(bytes, 52), 3.0f);
  EXPECT_EQ(U16At(bytes, 68), 1);
  EXPECT_EQ(F32At(bytes, 72), 15.0f);
  EXPECT_EQ(U16At(bytes, 76), 7);
  EXPECT_EQ(U16At(bytes, 78), 23);
}

TEST(BlockCodec, PlacesAccountTableFieldsAtOddOffsets) {
  AccountTable table;
  table.count = 2;
  table.records[1].name.assign("Brokerage");
  table.records[1].access_order.assign("2");
  table.records[1].type = AccountType::Retirement;
  table.records[1].id = 77;
  table.records[1].group = 4;
  table.records[1].slot = 9;
  table.next_id = 78;
  table.rmd_method = 3;
  table.reserved_4120 = {0xAB, 0xCD};
  table.allocation_method = 2;
  const auto bytes = EncodeBlock(table);
  const std::size_t record = 2 + 82;
  EXPECT_EQ(U16At(bytes, 0), 2);
  EXPECT_EQ(TextAt(bytes, record), "Brokerage");
  EXPECT_EQ(TextAt(bytes, record + 30), "2");
  EXPECT_EQ(U16At(bytes, record + 50), 3);
  EXPECT_EQ(U16At(bytes, record + 60), 77);
  EXPECT_EQ(U16At(bytes, record + 78), 4);
  EXPECT_EQ(U16At(bytes, record + 80), 9);
  EXPECT_EQ(U32At(bytes, 4102), 78u);
  EXPECT_EQ(U16At(bytes, 4118), 3);
  EXPECT_EQ(bytes[4120], 0xAB);
  EXPECT_EQ(bytes[4121], 0xCD);
  EXPECT_EQ(U16At(bytes, 4122), 2);
}

TEST(BlockCodec, PlacesEventFields) {
  FinancialEvent event;
  event.start_age = 1065;
  event.kind = EventKind::Mortgage;
  event.word_26 = kCreditCardMarker;
  event.description.assign("House");
  event.number = 12;
  event.equity_account = kNoAccount;
  event.mortgage_link = 3;
  event.todays_dollars = 1;
  event.marker = kRule72TMarker;
  event.word_158 = 0xBEEF;
  const auto bytes = EncodeBlock(event);
  EXPECT_EQ(F32At(bytes, 2), 1065.0f);
  EXPECT_EQ(U16At(bytes, 16), 4);
  EXPECT_EQ(U16At(bytes, 26), 64536);
  EXPECT_EQ(TextAt(bytes, 70), "House");
  EXPECT_EQ(U16At(bytes, 124), 12);
  EXPECT_EQ(U16At(bytes, 128), 65535);
  EXPECT_EQ(U16At(bytes, 130), 3);
  EXPECT_EQ(U16At(bytes, 150), 1);
  EXPECT_EQ(U16At(bytes, 156), 72);
  EXPECT_EQ(U16At(bytes, 158), 0xBEEF);
}

TEST(BlockCodec, PlacesPerAccountSettingsAndRmdTables) {
  AccountSettings settings;
  settings.penalty_age[1] = 55;
  settings.rmd_table[2] = 20;
  settings.rmd_start_age = {70, 71, 72};
  settings.rmd_transfer_account = -1;
  settings.standard_deviation[0] = 12.5f;
  settings.rmd_life_expectancy[1][0] = 27.4f;
  settings.rmd_table_name[2].assign("IRA 3");
  const auto bytes = EncodeBlock(settings);
  EXPECT_EQ(F32At(bytes, 4), 55.0f);
  EXPECT_EQ(U16At(bytes, 804), 20);
  EXPECT_EQ(U32At(bytes, 900), 70u);
  EXPECT_EQ(U16At(bytes, 916), 65535);
  EXPECT_EQ(F32At(bytes, 1038), 12.5f);
  EXPECT_EQ(F32At(bytes, 1458), 27.4f);
  EXPECT_EQ(U32At(bytes, 1698), 71u);
  EXPECT_EQ(U32At(bytes, 1702), 72u);
  EXPECT_EQ(TextAt(bytes, 1802), "IRA 3");
}

TEST(BlockCodec, PlacesGroupBudgetListAndSmallBlockFields) {
  GroupTable groups;
  groups.names[3].assign("Bonds");
  groups.random_max_rate[0] = 8;
  groups.random_method = 2;
  groups.deviation_factor = 6;
  groups.folder_name.assign("Portfolios");
  auto bytes = EncodeBlock(groups);
  EXPECT_EQ(TextAt(bytes, 63), "Bonds");
  EXPECT_EQ(F32At(bytes, 250), 8.0f);
  EXPECT_EQ(U16At(bytes, 456), 2);
  EXPECT_EQ(U16At(bytes, 462), 6);
  EXPECT_EQ(TextAt(bytes, 482), "Portfolios");

  Budget budget;
  budget.item_count = 2;
  budget.track[1] = 1;
  budget.total = 1200;
  budget.account = 5;
  bytes = EncodeBlock(budget);
  EXPECT_EQ(U16At(bytes, 30), 2);
  EXPECT_EQ(U16At(bytes, 1328), 1);
  EXPECT_EQ(F32At(bytes, 1386), 1200.0f);
  EXPECT_EQ(U32At(bytes, 1394), 5u);

  IncomeExpenseList list;
  list.tax[0] = 1;
  list.todays_dollars = 1;
  list.account = -1;
  bytes = EncodeBlock(list);
  EXPECT_EQ(bytes[1236], 1);
  EXPECT_EQ(bytes[1393], 1);
  EXPECT_EQ(U32At(bytes, 1394), 0xFFFFFFFFu);

  WindowSetup window;
  bytes = EncodeBlock(window);
  EXPECT_EQ(U32At(bytes, 28), 1u);
  EXPECT_EQ(U32At(bytes, 132), 1000u);
  EXPECT_EQ(U32At(bytes, 140), 500u);
  EXPECT_EQ(U32At(bytes, 148), 1u);

  ProgramColours colours;
  bytes = EncodeBlock(colours);
  EXPECT_EQ(U32At(bytes, 0), 0x8E1C52u);
  EXPECT_EQ(U32At(bytes, 60), 0u);

  DividendSettings dividends;
  dividends.deposit_account[1] = -1;
  bytes = EncodeBlock(dividends);
  EXPECT_EQ(U16At(bytes, 402), 65535);

  AllocationCategories categories;
  categories.names[1].assign("Small Cap");
  categories.file_names[0].assign("stock1.dat");
  bytes = EncodeBlock(categories);
  EXPECT_EQ(TextAt(bytes, 597), "Small Cap");
  EXPECT_EQ(TextAt(bytes, 366), "stock1.dat");

  AllocationBlock allocation;
  allocation.percent[2][3] = 40;
  bytes = EncodeBlock(allocation);
  EXPECT_EQ(F32At(bytes, 4 * (50 * 2 + 3)), 40.0f);
}

TEST(ByteReader, ReadsZerosPastTheEndAndMarksTheReadShort) {
  const std::vector<std::uint8_t> bytes = {0x34, 0x12, 0x78};
  ByteReader reader(bytes);
  EXPECT_EQ(reader.U16(0), 0x1234);
  EXPECT_FALSE(reader.short_read());
  EXPECT_EQ(reader.U16(2), 0x0078);
  EXPECT_TRUE(reader.short_read());
  EXPECT_EQ(reader.U32(1000000), 0u);
  EXPECT_TRUE(reader.Sub(2, 10).size() == 1);
  TextField<8> text;
  text.assign("old");
  reader.Text(1, text);
  EXPECT_EQ(text.view(), std::string_view("\x12\x78"));
}

TEST(ByteWriter, WritesNothingPastTheEnd) {
  std::vector<std::uint8_t> bytes(3, 0);
  ByteWriter writer(bytes);
  writer.U32(1, 0xFFFFFFFF);
  EXPECT_TRUE(writer.overflow());
  EXPECT_EQ(bytes, std::vector<std::uint8_t>(3, 0));
  EXPECT_TRUE(writer.Sub(2, 5).empty());
}

TEST(BlockCodec, ShortInputReadsMissingFieldsAsZero) {
  Account account;
  account.name.assign("Before");
  account.slot = 7;
  const std::vector<std::uint8_t> bytes = {'A', 'B', 'C'};
  Decode(bytes, account);
  EXPECT_EQ(account.name.str(), "ABC");
  EXPECT_EQ(account.slot, 0);

  // DecodeOver keeps what the bytes do not reach.
  Account kept;
  kept.slot = 7;
  DecodeOver(std::span<const std::uint8_t>(bytes), kept);
  EXPECT_EQ(kept.name.str(), "ABC");
  EXPECT_EQ(kept.slot, 7);
}

}  // namespace
}  // namespace tarvel::model
