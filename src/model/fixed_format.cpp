// Fixed-point number text as printf writes it: std::to_chars gives the correctly rounded
// digits (ties broken on the exact binary value, as glibc does), then the field is padded.
#include "model/fixed_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tarvel::model {
namespace {

// printf writes "nan"/"-nan" and "inf"/"-inf"; the sign follows the sign bit.
char* WriteNonFinite(char* out, double value) {
  if (std::signbit(value)) *out++ = '-';
  const char* word = std::isnan(value) ? "nan" : "inf";
  std::memcpy(out, word, 3);
  return out + 3;
}

// Up to three decimals of a number below 1e15, the common case of amounts, ages and rates,
// without to_chars: |value| x 10^precision is exact in a 64-bit long double significand (53 bits
// times at most 10 bits of 1000), so its whole part and the rest are exact, and the rounding
// follows the exact binary value with ties to even, as printf rounds.
constexpr bool kExactScaling = std::numeric_limits<long double>::digits >= 64;

bool FitsSmallFixed(double value, int precision) {
  return kExactScaling && precision >= 0 && precision <= 3 && std::fabs(value) < 1e15;
}

// "00" to "99": two digits a step.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The decimal digits of `number` written leftwards ending just before `end`; returns the first.
char* WriteDigitsBackwards(char* end, std::uint64_t number) {
  while (number >= 100) {
    const auto pair = static_cast<std::size_t>(number % 100) * 2;
    number /= 100;
    *--end = kDigitPairs[pair + 1];
    *--end = kDigitPairs[pair];
  }
  if (number >= 10) {
    const auto pair = static_cast<std::size_t>(number) * 2;
    *--end = kDigitPairs[pair + 1];
    *--end = kDigitPairs[pair];
  } else {
    *--end = static_cast<char>('0' + number);
  }
  return end;
}

char* WriteSmallFixed(char* out, double value, int precision) {
  static constexpr std::uint64_t kPower[] = {1, 10, 100, 1000};
  std::uint64_t whole = *ScaledDigits(value, precision);
  char text[32];
  char* const end = text + sizeof text;
  char* first = end;
  if (precision > 0) {
    std::uint64_t fraction = whole % kPower[precision];
    whole /= kPower[precision];
    for (int i = 0; i < precision; ++i, fraction /= 10)
      *--first = static_cast<char>('0' + fraction % 10);
    *--first = '.';
  }
  first = WriteDigitsBackwards(first, whole);
  if (std::signbit(value)) *--first = '-';
  const auto length = static_cast<std::size_t>(end - first);
  std::memcpy(out, first, length);
  return out + length;
}

// The unpadded number at the end of `buffer`, leaving room in front for right-justification.
std::string_view Digits(std::array<char, kFixedTextCapacity>& buffer, double value, int precision) {
  char* first = buffer.data() + buffer.size() / 2;
  char* const last = buffer.data() + buffer.size();
  if (!std::isfinite(value))
    return {first, static_cast<std::size_t>(WriteNonFinite(first, value) - first)};
  if (FitsSmallFixed(value, precision)) {
    return {first, static_cast<std::size_t>(WriteSmallFixed(first, value, precision) - first)};
  }
  // Numbers whose digits cannot fit (beyond ~1e170) are written from the start of the buffer.
  if (std::fabs(value) >= 1e150) first = buffer.data();
  const auto result = std::to_chars(first, last, value, std::chars_format::fixed, precision);
  return {first, static_cast<std::size_t>(result.ptr - first)};
}

}  // namespace

std::optional<std::uint64_t> ScaledDigits(double value, int precision) {
  if (!std::isfinite(value) || !FitsSmallFixed(value, precision)) return std::nullopt;
  static constexpr long double kScale[] = {1.0L, 10.0L, 100.0L, 1000.0L};
  const long double scaled = std::fabs(static_cast<long double>(value)) * kScale[precision];
  auto whole = static_cast<std::uint64_t>(scaled);
  const long double rest = scaled - static_cast<long double>(whole);
  if (rest > 0.5L || (rest == 0.5L && (whole & 1U) != 0)) ++whole;
  return whole;
}

std::string_view FixedText::Write(double value, FixedFormat format) {
  const std::string_view digits = Digits(buffer_, value, format.precision);
  const auto padding = static_cast<std::size_t>(
      std::max<std::ptrdiff_t>(0, format.width - static_cast<std::ptrdiff_t>(digits.size())));
  if (padding == 0) return digits;
  char* const begin = buffer_.data();
  const char* const digits_begin = digits.data();
  if (format.left) {
    std::memmove(begin, digits_begin, digits.size());
    std::memset(begin + digits.size(), ' ', padding);
  } else {
    std::memmove(begin + padding, digits_begin, digits.size());
    std::memset(begin, ' ', padding);
  }
  return {begin, digits.size() + padding};
}

void AppendFixed(std::string& out, double value, FixedFormat format) {
  FixedText text;
  out.append(text.Write(value, format));
}

void AppendRightAligned(std::string& out, std::string_view text, int width) {
  if (static_cast<std::ptrdiff_t>(text.size()) < width) out.append(width - text.size(), ' ');
  out.append(text);
}

}  // namespace tarvel::model
