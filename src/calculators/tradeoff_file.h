// "tradeinf.dat": the trade-off analysis's inputs kept between program runs. Text: the three
// option names, one a line, then 15 values "%f" one a line: the fixed costs, the costs per
// period, the fixed amounts and the incomes per period of options 1, 2 and 3, the number of
// periods, the tax flag (1.0 or 0.0) and a last value written back as read.
#pragma once

#include <string>

#include "model/calculator_inputs.h"

namespace tarvel::calculators {

inline constexpr char kTradeOffInputsFileName[] = "tradeinf.dat";

// The inputs the file holds; a missing or unreadable file gives "Option 1", "Option 2",
// "Option 3" and zeros. Names longer than 19 characters are cut.
model::TradeOffInputs ReadTradeOffFile(const std::string& path);

std::string TradeOffFileText(const model::TradeOffInputs& inputs);

// False when the file cannot be written.
bool WriteTradeOffFile(const std::string& path, const model::TradeOffInputs& inputs);

}  // namespace tarvel::calculators
