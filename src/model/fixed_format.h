// Fixed-point number text written exactly as the printf formats of the schedule, the results
// files, the plot file and the periods file write it ("%-13.2f", "%5.1f", "%.6f"...), without
// printf and without allocating: the digits come from std::to_chars, which rounds correctly.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel::model {

// A "%[-][width].[precision]f" format: the field width (0: as wide as the number), the digits
// after the point, and whether the number is padded on its right (left-justified).
struct FixedFormat {
  int width = 0;
  int precision = 6;
  bool left = false;
};

inline constexpr FixedFormat kMoneyLeft{13, 2, true};    // "%-13.2f"
inline constexpr FixedFormat kMoneyRight{13, 2, false};  // "%13.2f"
inline constexpr FixedFormat kAmountLeft{11, 2, true};   // "%-11.2f"
inline constexpr FixedFormat kAge{5, 1, false};          // "%5.1f"
inline constexpr FixedFormat kAgeLeft{5, 1, true};       // "%-5.1f"
inline constexpr FixedFormat kRate{7, 3, true};          // "%-7.3f"
inline constexpr FixedFormat kTwoPlaces{0, 2, false};    // "%.2f"
inline constexpr FixedFormat kSixPlaces{0, 6, false};    // "%.6f" and "%f"

// Room for any double (309 digits before the point) with up to 17 decimals and padding.
inline constexpr std::size_t kFixedTextCapacity = 360;

// A reusable buffer holding one formatted number; the view stays valid until the next call.
class FixedText {
 public:
  // The text printf writes for `value` with `format` (precision 0 to 17, width up to 40).
  std::string_view Write(double value, FixedFormat format);

 private:
  std::array<char, kFixedTextCapacity> buffer_;  // filled by Write before it is read
};

// |value| x 10^precision rounded to a whole number as printf rounds the digits it writes, when
// that is exact: a finite value below 1e15 with at most three decimals. Nothing otherwise.
std::optional<std::uint64_t> ScaledDigits(double value, int precision);

// Appends the text printf writes for `value` with `format` to `out` (no allocation when `out`
// has the room).
void AppendFixed(std::string& out, double value, FixedFormat format);

// Appends `text` to `out` as "%<width>s" writes it: blanks in front up to `width` characters.
void AppendRightAligned(std::string& out, std::string_view text, int width);

}  // namespace tarvel::model
