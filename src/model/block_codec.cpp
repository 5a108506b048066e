// Field offsets of every scenario block, as the scenario and accounts files store them.
// Arrays are laid out element after element with no padding.

#include "model/block_codec.h"

#include "model/byte_io.h"

namespace tarvel::model {
namespace {

template <std::size_t N>
void PutFloats(ByteWriter& w, std::size_t offset, const std::array<float, N>& values) {
  for (std::size_t i = 0; i < N; ++i) w.F32(offset + 4 * i, values[i]);
}
template <std::size_t N>
void GetFloats(ByteReader& r, std::size_t offset, std::array<float, N>& values) {
  for (std::size_t i = 0; i < N; ++i) values[i] = r.F32(offset + 4 * i);
}
template <std::size_t N>
void PutWords(ByteWriter& w, std::size_t offset, const std::array<std::uint16_t, N>& values) {
  for (std::size_t i = 0; i < N; ++i) w.U16(offset + 2 * i, values[i]);
}
template <std::size_t N>
void GetWords(ByteReader& r, std::size_t offset, std::array<std::uint16_t, N>& values) {
  for (std::size_t i = 0; i < N; ++i) values[i] = r.U16(offset + 2 * i);
}
template <std::size_t N>
void PutFlags(ByteWriter& w, std::size_t offset, const std::array<std::uint8_t, N>& values) {
  for (std::size_t i = 0; i < N; ++i) w.U8(offset + i, values[i]);
}
template <std::size_t N>
void GetFlags(ByteReader& r, std::size_t offset, std::array<std::uint8_t, N>& values) {
  for (std::size_t i = 0; i < N; ++i) values[i] = r.U8(offset + i);
}
template <std::size_t N, std::size_t L>
void PutTexts(ByteWriter& w, std::size_t offset, const std::array<TextField<L>, N>& values) {
  for (std::size_t i = 0; i < N; ++i) w.Text(offset + L * i, values[i]);
}
template <std::size_t N, std::size_t L>
void GetTexts(ByteReader& r, std::size_t offset, std::array<TextField<L>, N>& values) {
  for (std::size_t i = 0; i < N; ++i) r.Text(offset + L * i, values[i]);
}

}  // namespace

void Encode(const InitialValues& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  w.I16(0, v.event_count);
  w.F32(2, v.reserved_2);
  w.F32(6, v.initial_investment);
  w.F32(10, v.initial_tax_free);
  w.F32(14, v.initial_retirement);
  w.F32(18, v.initial_equity);
  w.F32(22, v.initial_assets);
  w.F32(26, v.start_age);
  w.F32(30, v.end_age);
  w.U16(34, v.use_birthday);
  w.F32(36, v.inflation_rate);
  w.F32(40, v.equity_appreciation_rate);
  w.F32(44, v.asset_depreciation_rate);
  w.F32(48, v.tax_rate);
  w.F32(52, v.reserved_52);
  w.F32(56, v.investment_rate);
  w.F32(60, v.tax_free_rate);
  w.F32(64, v.retirement_rate);
  w.U16(68, v.purchasing_power);
  w.Raw(70, v.reserved_70);
  w.F32(72, v.dividend_tax_rate);
  w.I16(76, v.birth_month);
  w.I16(78, v.birth_day);
}

void Decode(std::span<const std::uint8_t> in, InitialValues& v) {
  ByteReader r(in);
  v.event_count = r.I16(0);
  v.reserved_2 = r.F32(2);
  v.initial_investment = r.F32(6);
  v.initial_tax_free = r.F32(10);
  v.initial_retirement = r.F32(14);
  v.initial_equity = r.F32(18);
  v.initial_assets = r.F32(22);
  v.start_age = r.F32(26);
  v.end_age = r.F32(30);
  v.use_birthday = r.U16(34);
  v.inflation_rate = r.F32(36);
  v.equity_appreciation_rate = r.F32(40);
  v.asset_depreciation_rate = r.F32(44);
  v.tax_rate = r.F32(48);
  v.reserved_52 = r.F32(52);
  v.investment_rate = r.F32(56);
  v.tax_free_rate = r.F32(60);
  v.retirement_rate = r.F32(64);
  v.purchasing_power = r.U16(68);
  r.Raw(70, v.reserved_70);
  v.dividend_tax_rate = r.F32(72);
  v.birth_month = r.I16(76);
  v.birth_day = r.I16(78);
}

void Encode(const FinancialEvent& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  w.U16(0, v.list_row);
  w.F32(2, v.start_age);
  w.F32(6, v.end_age);
  w.F32(10, v.value_10);
  w.U16(14, v.flag_14);
  w.U16(16, static_cast<std::uint16_t>(v.kind));
  w.F32(18, v.amount);
  w.U16(22, v.word_22);
  w.U16(24, v.account_24);
  w.U16(26, v.word_26);
  w.F32(28, v.working_amount_28);
  w.F32(32, v.value_32);
  w.F32(36, v.monthly_payment);
  w.F32(40, v.rate_40);
  w.I16(44, v.word_44);
  w.F32(46, v.working_amount_46);
  w.F32(50, v.accumulator_50);
  w.F32(54, v.accumulator_54);
  w.U16(58, v.payment_marker);
  w.F32(60, v.value_60);
  w.I16(64, v.budget_number);
  w.U16(66, v.flag_66);
  w.U16(68, v.status);
  w.Text(70, v.description);
  w.Raw(120, v.reserved_120);
  w.U16(124, v.number);
  w.Raw(126, v.reserved_126);
  w.U16(128, v.equity_account);
  w.U16(130, v.mortgage_link);
  w.Raw(132, v.reserved_132);
  w.F32(134, v.value_134);
  w.F32(138, v.value_138);
  w.F32(142, v.selling_percent);
  w.F32(146, v.value_146);
  w.U16(150, v.todays_dollars);
  w.Raw(152, v.reserved_152);
  w.U16(154, v.step_flag);
  w.U16(156, v.marker);
  w.U16(158, v.word_158);
}

void Decode(std::span<const std::uint8_t> in, FinancialEvent& v) {
  ByteReader r(in);
  v.list_row = r.U16(0);
  v.start_age = r.F32(2);
  v.end_age = r.F32(6);
  v.value_10 = r.F32(10);
  v.flag_14 = r.U16(14);
  v.kind = static_cast<EventKind>(r.U16(16));
  v.amount = r.F32(18);
  v.word_22 = r.U16(22);
  v.account_24 = r.U16(24);
  v.word_26 = r.U16(26);
  v.working_amount_28 = r.F32(28);
  v.value_32 = r.F32(32);
  v.monthly_payment = r.F32(36);
  v.rate_40 = r.F32(40);
  v.word_44 = r.I16(44);
  v.working_amount_46 = r.F32(46);
  v.accumulator_50 = r.F32(50);
  v.accumulator_54 = r.F32(54);
  v.payment_marker = r.U16(58);
  v.value_60 = r.F32(60);
  v.budget_number = r.I16(64);
  v.flag_66 = r.U16(66);
  v.status = r.U16(68);
  r.Text(70, v.description);
  r.Raw(120, v.reserved_120);
  v.number = r.U16(124);
  r.Raw(126, v.reserved_126);
  v.equity_account = r.U16(128);
  v.mortgage_link = r.U16(130);
  r.Raw(132, v.reserved_132);
  v.value_134 = r.F32(134);
  v.value_138 = r.F32(138);
  v.selling_percent = r.F32(142);
  v.value_146 = r.F32(146);
  v.todays_dollars = r.U16(150);
  r.Raw(152, v.reserved_152);
  v.step_flag = r.U16(154);
  v.marker = r.U16(156);
  v.word_158 = r.U16(158);
}

void Encode(const Account& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  w.Text(0, v.name);
  w.Text(30, v.access_order);
  w.F32(34, v.balance);
  w.F32(38, v.rate);
  w.F32(42, v.initial_amount);
  w.F32(46, v.yearly_rate);
  w.U16(50, static_cast<std::uint16_t>(v.type));
  w.F32(52, v.random_min_rate);
  w.F32(56, v.random_max_rate);
  w.U16(60, v.id);
  w.U16(62, v.penalty_flag);
  w.F32(64, v.smallest_drawn_rate);
  w.F32(68, v.largest_drawn_rate);
  w.F32(72, v.drawn_rate_sum);
  w.Raw(76, v.reserved_76);
  w.U16(78, v.group);
  w.U16(80, v.slot);
}

void Decode(std::span<const std::uint8_t> in, Account& v) {
  ByteReader r(in);
  r.Text(0, v.name);
  r.Text(30, v.access_order);
  v.balance = r.F32(34);
  v.rate = r.F32(38);
  v.initial_amount = r.F32(42);
  v.yearly_rate = r.F32(46);
  v.type = static_cast<AccountType>(r.U16(50));
  v.random_min_rate = r.F32(52);
  v.random_max_rate = r.F32(56);
  v.id = r.U16(60);
  v.penalty_flag = r.U16(62);
  v.smallest_drawn_rate = r.F32(64);
  v.largest_drawn_rate = r.F32(68);
  v.drawn_rate_sum = r.F32(72);
  r.Raw(76, v.reserved_76);
  v.group = r.U16(78);
  v.slot = r.U16(80);
}

void Encode(const AccountTable& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  w.I16(0, v.count);
  for (std::size_t i = 0; i < v.records.size(); ++i) {
    Encode(v.records[i], w.Sub(2 + kAccountSize * i, kAccountSize));
  }
  w.U32(4102, v.next_id);
  w.F32(4106, v.allocation_min_withdrawal);
  w.F32(4110, v.allocation_start_age);
  w.Raw(4114, v.reserved_4114);
  w.U16(4118, v.rmd_method);
  w.Raw(4120, v.reserved_4120);
  w.U16(4122, v.allocation_method);
}

void Decode(std::span<const std::uint8_t> in, AccountTable& v) {
  ByteReader r(in);
  v.count = r.I16(0);
  for (std::size_t i = 0; i < v.records.size(); ++i) {
    Decode(r.Sub(2 + kAccountSize * i, kAccountSize), v.records[i]);
  }
  v.next_id = r.U32(4102);
  v.allocation_min_withdrawal = r.F32(4106);
  v.allocation_start_age = r.F32(4110);
  r.Raw(4114, v.reserved_4114);
  v.rmd_method = r.U16(4118);
  r.Raw(4120, v.reserved_4120);
  v.allocation_method = r.U16(4122);
}

void Encode(const GroupTable& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  PutTexts(w, 0, v.names);
  PutFloats(w, 210, v.random_min_rate);
  PutFloats(w, 250, v.random_max_rate);
  w.Raw(290, v.reserved_290);
  w.I16(452, v.reserved_452);
  w.Raw(454, v.reserved_454);
  w.U16(456, v.random_method);
  w.Raw(458, v.reserved_458);
  w.I16(460, v.range_factor);
  w.I16(462, v.deviation_factor);
  w.Raw(464, v.reserved_464);
  w.Text(482, v.folder_name);
}

void Decode(std::span<const std::uint8_t> in, GroupTable& v) {
  ByteReader r(in);
  GetTexts(r, 0, v.names);
  GetFloats(r, 210, v.random_min_rate);
  GetFloats(r, 250, v.random_max_rate);
  r.Raw(290, v.reserved_290);
  v.reserved_452 = r.I16(452);
  r.Raw(454, v.reserved_454);
  v.random_method = r.U16(456);
  r.Raw(458, v.reserved_458);
  v.range_factor = r.I16(460);
  v.deviation_factor = r.I16(462);
  r.Raw(464, v.reserved_464);
  r.Text(482, v.folder_name);
}

void Encode(const ReportHeaders& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  PutTexts(w, 0, v.lines);
  PutWords(w, 180, v.print);
  w.Raw(186, v.reserved_186);
}

void Decode(std::span<const std::uint8_t> in, ReportHeaders& v) {
  ByteReader r(in);
  GetTexts(r, 0, v.lines);
  GetWords(r, 180, v.print);
  r.Raw(186, v.reserved_186);
}

void Encode(const AccountSettings& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  PutFloats(w, 0, v.penalty_age);
  PutFloats(w, 200, v.penalty_rate);
  PutFloats(w, 400, v.drawn_rate_count);
  PutWords(w, 600, v.allocation_flag);
  PutWords(w, 700, v.first_withdrawal_age);
  PutWords(w, 800, v.rmd_table);
  w.I32(900, v.rmd_start_age[0]);
  w.Raw(904, v.reserved_904);
  w.F32(912, v.rmd_penalty_rate);
  w.I16(916, v.rmd_transfer_account);
  w.Raw(918, v.reserved_918);
  PutFloats(w, 1038, v.standard_deviation);
  PutWords(w, 1238, v.reserved_1238);
  for (std::size_t t = 0; t < v.rmd_life_expectancy.size(); ++t) {
    PutFloats(w, 1338 + 120 * t, v.rmd_life_expectancy[t]);
  }
  w.I32(1698, v.rmd_start_age[1]);
  w.I32(1702, v.rmd_start_age[2]);
  w.Raw(1706, v.reserved_1706);
  PutTexts(w, 1738, v.rmd_table_name);
  w.Raw(1834, v.reserved_1834);
}

void Decode(std::span<const std::uint8_t> in, AccountSettings& v) {
  ByteReader r(in);
  GetFloats(r, 0, v.penalty_age);
  GetFloats(r, 200, v.penalty_rate);
  GetFloats(r, 400, v.drawn_rate_count);
  GetWords(r, 600, v.allocation_flag);
  GetWords(r, 700, v.first_withdrawal_age);
  GetWords(r, 800, v.rmd_table);
  v.rmd_start_age[0] = r.I32(900);
  r.Raw(904, v.reserved_904);
  v.rmd_penalty_rate = r.F32(912);
  v.rmd_transfer_account = r.I16(916);
  r.Raw(918, v.reserved_918);
  GetFloats(r, 1038, v.standard_deviation);
  GetWords(r, 1238, v.reserved_1238);
  for (std::size_t t = 0; t < v.rmd_life_expectancy.size(); ++t) {
    GetFloats(r, 1338 + 120 * t, v.rmd_life_expectancy[t]);
  }
  v.rmd_start_age[1] = r.I32(1698);
  v.rmd_start_age[2] = r.I32(1702);
  r.Raw(1706, v.reserved_1706);
  GetTexts(r, 1738, v.rmd_table_name);
  r.Raw(1834, v.reserved_1834);
}

void Encode(const LogFont& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  w.I32(0, v.height);
  w.I32(4, v.width);
  w.I32(8, v.escapement);
  w.I32(12, v.orientation);
  w.I32(16, v.weight);
  w.U8(20, v.italic);
  w.U8(21, v.underline);
  w.U8(22, v.strike_out);
  w.U8(23, v.char_set);
  w.U8(24, v.out_precision);
  w.U8(25, v.clip_precision);
  w.U8(26, v.quality);
  w.U8(27, v.pitch_and_family);
  w.Text(28, v.face_name);
}

void Decode(std::span<const std::uint8_t> in, LogFont& v) {
  ByteReader r(in);
  v.height = r.I32(0);
  v.width = r.I32(4);
  v.escapement = r.I32(8);
  v.orientation = r.I32(12);
  v.weight = r.I32(16);
  v.italic = r.U8(20);
  v.underline = r.U8(21);
  v.strike_out = r.U8(22);
  v.char_set = r.U8(23);
  v.out_precision = r.U8(24);
  v.clip_precision = r.U8(25);
  v.quality = r.U8(26);
  v.pitch_and_family = r.U8(27);
  r.Text(28, v.face_name);
}

void Encode(const WindowSetup& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  w.I32(0, v.left);
  w.I32(4, v.top);
  w.I32(8, v.preference_8);
  w.I32(12, v.colour_banding);
  w.I32(16, v.preference_16);
  w.I32(20, v.hide_maker_page);
  w.I32(24, v.preference_24);
  w.I32(28, v.use_default_fonts);
  w.I32(32, v.use_default_fonts_companion);
  w.I32(36, v.option_36);
  for (std::size_t i = 0; i < v.display_options.size(); ++i) {
    w.I32(40 + 4 * i, v.display_options[i]);
  }
  w.I32(124, v.width);
  w.I32(128, v.height);
  w.I32(132, v.margin_left);
  w.I32(136, v.margin_top);
  w.I32(140, v.margin_right);
  w.I32(144, v.margin_bottom);
  w.I32(148, v.print_option);
}

void Decode(std::span<const std::uint8_t> in, WindowSetup& v) {
  ByteReader r(in);
  v.left = r.I32(0);
  v.top = r.I32(4);
  v.preference_8 = r.I32(8);
  v.colour_banding = r.I32(12);
  v.preference_16 = r.I32(16);
  v.hide_maker_page = r.I32(20);
  v.preference_24 = r.I32(24);
  v.use_default_fonts = r.I32(28);
  v.use_default_fonts_companion = r.I32(32);
  v.option_36 = r.I32(36);
  for (std::size_t i = 0; i < v.display_options.size(); ++i) {
    v.display_options[i] = r.I32(40 + 4 * i);
  }
  v.width = r.I32(124);
  v.height = r.I32(128);
  v.margin_left = r.I32(132);
  v.margin_top = r.I32(136);
  v.margin_right = r.I32(140);
  v.margin_bottom = r.I32(144);
  v.print_option = r.I32(148);
}

void Encode(const Budget& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  w.Text(0, v.name);
  w.I16(30, v.item_count);
  w.I16(32, v.start_age);
  w.I16(34, v.end_age);
  PutTexts(w, 36, v.item_names);
  PutFloats(w, 666, v.yearly_amount);
  PutFloats(w, 786, v.amount);
  PutFloats(w, 906, v.working_amount);
  PutFloats(w, 1026, v.apply_rate);
  PutWords(w, 1146, v.monthly);
  PutWords(w, 1206, v.apply_inflation);
  w.Raw(1266, v.reserved_1266);
  PutWords(w, 1326, v.track);
  w.F32(1386, v.total);
  w.U16(1390, v.active);
  w.U16(1392, v.todays_dollars);
  w.I32(1394, v.account);
}

void Decode(std::span<const std::uint8_t> in, Budget& v) {
  ByteReader r(in);
  r.Text(0, v.name);
  v.item_count = r.I16(30);
  v.start_age = r.I16(32);
  v.end_age = r.I16(34);
  GetTexts(r, 36, v.item_names);
  GetFloats(r, 666, v.yearly_amount);
  GetFloats(r, 786, v.amount);
  GetFloats(r, 906, v.working_amount);
  GetFloats(r, 1026, v.apply_rate);
  GetWords(r, 1146, v.monthly);
  GetWords(r, 1206, v.apply_inflation);
  r.Raw(1266, v.reserved_1266);
  GetWords(r, 1326, v.track);
  v.total = r.F32(1386);
  v.active = r.U16(1390);
  v.todays_dollars = r.U16(1392);
  v.account = r.I32(1394);
}

void Encode(const IncomeExpenseList& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  w.I16(0, v.item_count);
  w.Text(2, v.title);
  w.I16(32, v.start_age);
  w.I16(34, v.end_age);
  PutTexts(w, 36, v.item_names);
  PutFloats(w, 666, v.yearly_amount);
  PutFloats(w, 786, v.amount);
  PutFloats(w, 906, v.working_amount);
  PutFloats(w, 1026, v.apply_rate);
  PutFlags(w, 1146, v.monthly);
  w.Raw(1176, v.reserved_1176);
  PutFlags(w, 1206, v.apply_inflation);
  PutFlags(w, 1236, v.tax);
  PutFlags(w, 1266, v.income);
  w.Raw(1296, v.reserved_1296);
  PutFlags(w, 1326, v.track);
  w.Raw(1356, v.reserved_1356);
  w.Raw(1386, v.reserved_1386);
  w.U8(1393, v.todays_dollars);
  w.I32(1394, v.account);
}

void Decode(std::span<const std::uint8_t> in, IncomeExpenseList& v) {
  ByteReader r(in);
  v.item_count = r.I16(0);
  r.Text(2, v.title);
  v.start_age = r.I16(32);
  v.end_age = r.I16(34);
  GetTexts(r, 36, v.item_names);
  GetFloats(r, 666, v.yearly_amount);
  GetFloats(r, 786, v.amount);
  GetFloats(r, 906, v.working_amount);
  GetFloats(r, 1026, v.apply_rate);
  GetFlags(r, 1146, v.monthly);
  r.Raw(1176, v.reserved_1176);
  GetFlags(r, 1206, v.apply_inflation);
  GetFlags(r, 1236, v.tax);
  GetFlags(r, 1266, v.income);
  r.Raw(1296, v.reserved_1296);
  GetFlags(r, 1326, v.track);
  r.Raw(1356, v.reserved_1356);
  r.Raw(1386, v.reserved_1386);
  v.todays_dollars = r.U8(1393);
  v.account = r.I32(1394);
}

void Encode(const DividendSettings& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  PutFloats(w, 0, v.yearly_percent);
  PutFloats(w, 200, v.taxable_percent);
  for (std::size_t i = 0; i < v.deposit_account.size(); ++i) {
    w.I16(400 + 2 * i, v.deposit_account[i]);
  }
  w.Raw(500, v.reserved_500);
}

void Decode(std::span<const std::uint8_t> in, DividendSettings& v) {
  ByteReader r(in);
  GetFloats(r, 0, v.yearly_percent);
  GetFloats(r, 200, v.taxable_percent);
  for (std::size_t i = 0; i < v.deposit_account.size(); ++i) {
    v.deposit_account[i] = r.I16(400 + 2 * i);
  }
  r.Raw(500, v.reserved_500);
}

void Encode(const AllocationCategories& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  w.Raw(0, v.reserved_0);
  PutTexts(w, 366, v.file_names);
  PutTexts(w, 576, v.names);
}

void Decode(std::span<const std::uint8_t> in, AllocationCategories& v) {
  ByteReader r(in);
  r.Raw(0, v.reserved_0);
  GetTexts(r, 366, v.file_names);
  GetTexts(r, 576, v.names);
}

void Encode(const AllocationBlock& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  for (std::size_t c = 0; c < v.percent.size(); ++c) {
    PutFloats(w, 200 * c, v.percent[c]);
    PutFloats(w, 2000 + 200 * c, v.working[c]);
  }
  w.Raw(4000, v.reserved_4000);
}

void Decode(std::span<const std::uint8_t> in, AllocationBlock& v) {
  ByteReader r(in);
  for (std::size_t c = 0; c < v.percent.size(); ++c) {
    GetFloats(r, 200 * c, v.percent[c]);
    GetFloats(r, 2000 + 200 * c, v.working[c]);
  }
  r.Raw(4000, v.reserved_4000);
}

void Encode(const ProgramColours& v, std::span<std::uint8_t> out) {
  ByteWriter w(out);
  for (std::size_t i = 0; i < v.colours.size(); ++i) w.U32(4 * i, v.colours[i]);
  w.Raw(64, v.reserved_64);
}

void Decode(std::span<const std::uint8_t> in, ProgramColours& v) {
  ByteReader r(in);
  for (std::size_t i = 0; i < v.colours.size(); ++i) v.colours[i] = r.U32(4 * i);
  r.Raw(64, v.reserved_64);
}

}  // namespace tarvel::model
