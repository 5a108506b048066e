// The stored byte layout of every scenario block: one Encode/Decode pair per block, each
// field at its explicit offset in little-endian order. The one place that knows offsets.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/records.h"

namespace tarvel::model {

// Encode writes the whole block into out, which holds at least the block's size; Decode
// reads a view of the block's bytes. A view shorter than the block reads the missing
// fields as zero bytes; callers that must tell short blocks apart check the size first.
void Encode(const InitialValues& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, InitialValues& value);
void Encode(const FinancialEvent& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, FinancialEvent& value);
void Encode(const Account& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, Account& value);
void Encode(const AccountTable& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, AccountTable& value);
void Encode(const GroupTable& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, GroupTable& value);
void Encode(const ReportHeaders& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, ReportHeaders& value);
void Encode(const AccountSettings& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, AccountSettings& value);
void Encode(const LogFont& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, LogFont& value);
void Encode(const WindowSetup& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, WindowSetup& value);
void Encode(const Budget& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, Budget& value);
void Encode(const DividendSettings& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, DividendSettings& value);
void Encode(const AllocationCategories& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, AllocationCategories& value);
void Encode(const AllocationBlock& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, AllocationBlock& value);
void Encode(const ProgramColours& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, ProgramColours& value);
void Encode(const IncomeExpenseList& value, std::span<std::uint8_t> out);
void Decode(std::span<const std::uint8_t> in, IncomeExpenseList& value);

// Stored size of each block type.
template <typename T>
inline constexpr std::size_t kStoredSize = 0;
template <>
inline constexpr std::size_t kStoredSize<InitialValues> = kInitialValuesSize;
template <>
inline constexpr std::size_t kStoredSize<FinancialEvent> = kEventSize;
template <>
inline constexpr std::size_t kStoredSize<Account> = kAccountSize;
template <>
inline constexpr std::size_t kStoredSize<AccountTable> = kAccountTableSize;
template <>
inline constexpr std::size_t kStoredSize<GroupTable> = kGroupTableSize;
template <>
inline constexpr std::size_t kStoredSize<ReportHeaders> = kReportHeadersSize;
template <>
inline constexpr std::size_t kStoredSize<AccountSettings> = kAccountSettingsSize;
template <>
inline constexpr std::size_t kStoredSize<LogFont> = kLogFontSize;
template <>
inline constexpr std::size_t kStoredSize<WindowSetup> = kWindowSetupSize;
template <>
inline constexpr std::size_t kStoredSize<Budget> = kBudgetSize;
template <>
inline constexpr std::size_t kStoredSize<DividendSettings> = kDividendSettingsSize;
template <>
inline constexpr std::size_t kStoredSize<AllocationCategories> = kAllocationCategoriesSize;
template <>
inline constexpr std::size_t kStoredSize<AllocationBlock> = kAllocationBlockSize;
template <>
inline constexpr std::size_t kStoredSize<ProgramColours> = kProgramColoursSize;
template <>
inline constexpr std::size_t kStoredSize<IncomeExpenseList> = kIncomeExpenseListSize;

// The block's bytes as a new buffer of its stored size.
template <typename T>
std::vector<std::uint8_t> EncodeBlock(const T& value) {
  std::vector<std::uint8_t> bytes(kStoredSize<T>);
  Encode(value, bytes);
  return bytes;
}

// Reads the bytes that arrived over the block's current content, as a plain read into the
// record would: the fields the bytes cover are replaced, the rest keep their values.
template <typename T>
void DecodeOver(std::span<const std::uint8_t> in, T& value) {
  std::vector<std::uint8_t> bytes = EncodeBlock(value);
  const std::size_t count = in.size() < bytes.size() ? in.size() : bytes.size();
  std::copy_n(in.begin(), count, bytes.begin());
  Decode(bytes, value);
}

}  // namespace tarvel::model
