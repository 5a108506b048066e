// Field offsets of every scenario block, as the scenario and accounts files store them.
// Arrays are laid out element after element with no padding.

#include "model/block_codec.h"

#include <concepts>
#include <type_traits>

#include "model/byte_io.h"

namespace tarvel::model {
namespace {

// R is T or const T: each block's Fields serves Encode (const record, FieldWriter) and
// Decode (record, FieldReader) alike.
template <class R, class T>
concept MaybeConst = std::same_as<std::remove_const_t<R>, T>;

template <class Io, MaybeConst<InitialValues> R>
void Fields(Io& io, R& v) {
  io.I16(0, v.event_count);
  io.F32(2, v.reserved_2);
  io.F32(6, v.initial_investment);
  io.F32(10, v.initial_tax_free);
  io.F32(14, v.initial_retirement);
  io.F32(18, v.initial_equity);
  io.F32(22, v.initial_assets);
  io.F32(26, v.start_age);
  io.F32(30, v.end_age);
  io.U16(34, v.use_birthday);
  io.F32(36, v.inflation_rate);
  io.F32(40, v.equity_appreciation_rate);
  io.F32(44, v.asset_depreciation_rate);
  io.F32(48, v.tax_rate);
  io.F32(52, v.reserved_52);
  io.F32(56, v.investment_rate);
  io.F32(60, v.tax_free_rate);
  io.F32(64, v.retirement_rate);
  io.U16(68, v.purchasing_power);
  io.Raw(70, v.reserved_70);
  io.F32(72, v.dividend_tax_rate);
  io.I16(76, v.birth_month);
  io.I16(78, v.birth_day);
}

template <class Io, MaybeConst<FinancialEvent> R>
void Fields(Io& io, R& v) {
  io.U16(0, v.list_row);
  io.F32(2, v.start_age);
  io.F32(6, v.end_age);
  io.F32(10, v.value_10);
  io.U16(14, v.flag_14);
  io.U16(16, v.kind);
  io.F32(18, v.amount);
  io.U16(22, v.word_22);
  io.U16(24, v.account_24);
  io.U16(26, v.word_26);
  io.F32(28, v.working_amount_28);
  io.F32(32, v.value_32);
  io.F32(36, v.monthly_payment);
  io.F32(40, v.rate_40);
  io.I16(44, v.word_44);
  io.F32(46, v.working_amount_46);
  io.F32(50, v.accumulator_50);
  io.F32(54, v.accumulator_54);
  io.U16(58, v.payment_marker);
  io.F32(60, v.value_60);
  io.I16(64, v.budget_number);
  io.U16(66, v.flag_66);
  io.U16(68, v.status);
  io.Text(70, v.description);
  io.Raw(120, v.reserved_120);
  io.U16(124, v.number);
  io.Raw(126, v.reserved_126);
  io.U16(128, v.equity_account);
  io.U16(130, v.mortgage_link);
  io.Raw(132, v.reserved_132);
  io.F32(134, v.value_134);
  io.F32(138, v.value_138);
  io.F32(142, v.selling_percent);
  io.F32(146, v.value_146);
  io.U16(150, v.todays_dollars);
  io.Raw(152, v.reserved_152);
  io.U16(154, v.step_flag);
  io.U16(156, v.marker);
  io.U16(158, v.word_158);
}

template <class Io, MaybeConst<Account> R>
void Fields(Io& io, R& v) {
  io.Text(0, v.name);
  io.Text(30, v.access_order);
  io.F32(34, v.balance);
  io.F32(38, v.rate);
  io.F32(42, v.initial_amount);
  io.F32(46, v.yearly_rate);
  io.U16(50, v.type);
  io.F32(52, v.random_min_rate);
  io.F32(56, v.random_max_rate);
  io.U16(60, v.id);
  io.U16(62, v.penalty_flag);
  io.F32(64, v.smallest_drawn_rate);
  io.F32(68, v.largest_drawn_rate);
  io.F32(72, v.drawn_rate_sum);
  io.Raw(76, v.reserved_76);
  io.U16(78, v.group);
  io.U16(80, v.slot);
}

template <class Io, MaybeConst<AccountTable> R>
void Fields(Io& io, R& v) {
  io.I16(0, v.count);
  for (std::size_t i = 0; i < v.records.size(); ++i) {
    Io record = io.Sub(2 + kAccountSize * i, kAccountSize);
    Fields(record, v.records[i]);
  }
  io.U32(4102, v.next_id);
  io.F32(4106, v.allocation_min_withdrawal);
  io.F32(4110, v.allocation_start_age);
  io.Raw(4114, v.reserved_4114);
  io.U16(4118, v.rmd_method);
  io.Raw(4120, v.reserved_4120);
  io.U16(4122, v.allocation_method);
}

template <class Io, MaybeConst<GroupTable> R>
void Fields(Io& io, R& v) {
  io.Texts(0, v.names);
  io.F32s(210, v.random_min_rate);
  io.F32s(250, v.random_max_rate);
  io.Raw(290, v.reserved_290);
  io.I16(452, v.reserved_452);
  io.Raw(454, v.reserved_454);
  io.U16(456, v.random_method);
  io.Raw(458, v.reserved_458);
  io.I16(460, v.range_factor);
  io.I16(462, v.deviation_factor);
  io.Raw(464, v.reserved_464);
  io.Text(482, v.folder_name);
}

template <class Io, MaybeConst<ReportHeaders> R>
void Fields(Io& io, R& v) {
  io.Texts(0, v.lines);
  io.U16s(180, v.print);
  io.Raw(186, v.reserved_186);
}

template <class Io, MaybeConst<AccountSettings> R>
void Fields(Io& io, R& v) {
  io.F32s(0, v.penalty_age);
  io.F32s(200, v.penalty_rate);
  io.F32s(400, v.drawn_rate_count);
  io.U16s(600, v.allocation_flag);
  io.U16s(700, v.first_withdrawal_age);
  io.U16s(800, v.rmd_table);
  io.I32(900, v.rmd_start_age[0]);
  io.Raw(904, v.reserved_904);
  io.F32(912, v.rmd_penalty_rate);
  io.I16(916, v.rmd_transfer_account);
  io.Raw(918, v.reserved_918);
  io.F32s(1038, v.standard_deviation);
  io.U16s(1238, v.reserved_1238);
  for (std::size_t t = 0; t < v.rmd_life_expectancy.size(); ++t) {
    io.F32s(1338 + 120 * t, v.rmd_life_expectancy[t]);
  }
  io.I32(1698, v.rmd_start_age[1]);
  io.I32(1702, v.rmd_start_age[2]);
  io.Raw(1706, v.reserved_1706);
  io.Texts(1738, v.rmd_table_name);
  io.Raw(1834, v.reserved_1834);
}

template <class Io, MaybeConst<LogFont> R>
void Fields(Io& io, R& v) {
  io.I32(0, v.height);
  io.I32(4, v.width);
  io.I32(8, v.escapement);
  io.I32(12, v.orientation);
  io.I32(16, v.weight);
  io.U8(20, v.italic);
  io.U8(21, v.underline);
  io.U8(22, v.strike_out);
  io.U8(23, v.char_set);
  io.U8(24, v.out_precision);
  io.U8(25, v.clip_precision);
  io.U8(26, v.quality);
  io.U8(27, v.pitch_and_family);
  io.Text(28, v.face_name);
}

template <class Io, MaybeConst<WindowSetup> R>
void Fields(Io& io, R& v) {
  io.I32(0, v.left);
  io.I32(4, v.top);
  io.I32(8, v.preference_8);
  io.I32(12, v.colour_banding);
  io.I32(16, v.preference_16);
  io.I32(20, v.hide_maker_page);
  io.I32(24, v.preference_24);
  io.I32(28, v.use_default_fonts);
  io.I32(32, v.use_default_fonts_companion);
  io.I32(36, v.option_36);
  io.I32s(40, v.display_options);
  io.I32(124, v.width);
  io.I32(128, v.height);
  io.I32(132, v.margin_left);
  io.I32(136, v.margin_top);
  io.I32(140, v.margin_right);
  io.I32(144, v.margin_bottom);
  io.I32(148, v.print_option);
}

template <class Io, MaybeConst<Budget> R>
void Fields(Io& io, R& v) {
  io.Text(0, v.name);
  io.I16(30, v.item_count);
  io.I16(32, v.start_age);
  io.I16(34, v.end_age);
  io.Texts(36, v.item_names);
  io.F32s(666, v.yearly_amount);
  io.F32s(786, v.amount);
  io.F32s(906, v.working_amount);
  io.F32s(1026, v.apply_rate);
  io.U16s(1146, v.monthly);
  io.U16s(1206, v.apply_inflation);
  io.Raw(1266, v.reserved_1266);
  io.U16s(1326, v.track);
  io.F32(1386, v.total);
  io.U16(1390, v.active);
  io.U16(1392, v.todays_dollars);
  io.I32(1394, v.account);
}

template <class Io, MaybeConst<IncomeExpenseList> R>
void Fields(Io& io, R& v) {
  io.I16(0, v.item_count);
  io.Text(2, v.title);
  io.I16(32, v.start_age);
  io.I16(34, v.end_age);
  io.Texts(36, v.item_names);
  io.F32s(666, v.yearly_amount);
  io.F32s(786, v.amount);
  io.F32s(906, v.working_amount);
  io.F32s(1026, v.apply_rate);
  io.U8s(1146, v.monthly);
  io.Raw(1176, v.reserved_1176);
  io.U8s(1206, v.apply_inflation);
  io.U8s(1236, v.tax);
  io.U8s(1266, v.income);
  io.Raw(1296, v.reserved_1296);
  io.U8s(1326, v.track);
  io.Raw(1356, v.reserved_1356);
  io.Raw(1386, v.reserved_1386);
  io.U8(1393, v.todays_dollars);
  io.I32(1394, v.account);
}

template <class Io, MaybeConst<DividendSettings> R>
void Fields(Io& io, R& v) {
  io.F32s(0, v.yearly_percent);
  io.F32s(200, v.taxable_percent);
  io.I16s(400, v.deposit_account);
  io.Raw(500, v.reserved_500);
}

template <class Io, MaybeConst<AllocationCategories> R>
void Fields(Io& io, R& v) {
  io.Raw(0, v.reserved_0);
  io.Texts(366, v.file_names);
  io.Texts(576, v.names);
}

template <class Io, MaybeConst<AllocationBlock> R>
void Fields(Io& io, R& v) {
  for (std::size_t c = 0; c < v.percent.size(); ++c) {
    io.F32s(200 * c, v.percent[c]);
    io.F32s(2000 + 200 * c, v.working[c]);
  }
  io.Raw(4000, v.reserved_4000);
}

template <class Io, MaybeConst<ProgramColours> R>
void Fields(Io& io, R& v) {
  io.U32s(0, v.colours);
  io.Raw(64, v.reserved_64);
}

template <class T>
void Write(const T& v, std::span<std::uint8_t> out) {
  FieldWriter io(out);
  Fields(io, v);
}

template <class T>
void Read(std::span<const std::uint8_t> in, T& v) {
  FieldReader io(in);
  Fields(io, v);
}

}  // namespace

void Encode(const InitialValues& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, InitialValues& v) { Read(in, v); }
void Encode(const FinancialEvent& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, FinancialEvent& v) { Read(in, v); }
void Encode(const Account& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, Account& v) { Read(in, v); }
void Encode(const AccountTable& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, AccountTable& v) { Read(in, v); }
void Encode(const GroupTable& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, GroupTable& v) { Read(in, v); }
void Encode(const ReportHeaders& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, ReportHeaders& v) { Read(in, v); }
void Encode(const AccountSettings& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, AccountSettings& v) { Read(in, v); }
void Encode(const LogFont& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, LogFont& v) { Read(in, v); }
void Encode(const WindowSetup& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, WindowSetup& v) { Read(in, v); }
void Encode(const Budget& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, Budget& v) { Read(in, v); }
void Encode(const IncomeExpenseList& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, IncomeExpenseList& v) { Read(in, v); }
void Encode(const DividendSettings& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, DividendSettings& v) { Read(in, v); }
void Encode(const AllocationCategories& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, AllocationCategories& v) { Read(in, v); }
void Encode(const AllocationBlock& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, AllocationBlock& v) { Read(in, v); }
void Encode(const ProgramColours& v, std::span<std::uint8_t> out) { Write(v, out); }
void Decode(std::span<const std::uint8_t> in, ProgramColours& v) { Read(in, v); }

}  // namespace tarvel::model
