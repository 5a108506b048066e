// Fixed-point number text as printf writes it: std::to_chars gives the correctly rounded
// digits (ties broken on the exact binary value, as glibc does), then the field is padded.
#include "model/fixed_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace tarvel::model {
namespace {

// printf writes "nan"/"-nan" and "inf"/"-inf"; the sign follows the sign bit.
char* WriteNonFinite(char* out, double value) {
  if (std::signbit(value)) *out++ = '-';
  const char* word = std::isnan(value) ? "nan" : "inf";
  std::memcpy(out, word, 3);
  return out + 3;
}

// The unpadded number at the end of `buffer`, leaving room in front for right-justification.
std::string_view Digits(std::array<char, kFixedTextCapacity>& buffer, double value, int precision) {
  char* first = buffer.data() + buffer.size() / 2;
  char* const last = buffer.data() + buffer.size();
  if (!std::isfinite(value))
    return {first, static_cast<std::size_t>(WriteNonFinite(first, value) - first)};
  // Numbers whose digits cannot fit (beyond ~1e170) are written from the start of the buffer.
  if (std::fabs(value) >= 1e150) first = buffer.data();
  const auto result = std::to_chars(first, last, value, std::chars_format::fixed, precision);
  return {first, static_cast<std::size_t>(result.ptr - first)};
}

}  // namespace

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
