// The colours file "colors.dat" handed to the sibling graph program: the line "16", then the
// 16 program colours in lower-case hexadecimal, one per line.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/records.h"

namespace tarvel::model {

inline constexpr char kColoursFileName[] = "colors.dat";

std::string FormatColoursFile(const std::array<std::uint32_t, kColourCount>& colours);
// Writes "colors.dat" in the folder; a failure is not reported to the user.
bool WriteColoursFile(const std::string& folder,
                      const std::array<std::uint32_t, kColourCount>& colours);

}  // namespace tarvel::model
