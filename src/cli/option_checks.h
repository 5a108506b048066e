// The checks of option values the commands share: the seed as a whole number, numbers that
// are finite, and options that the other options given make pointless. A value refused here
// is a usage error (exit status 2), as CLI11's own checks are.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvel::cli {

// Decimal digits only, 0 to 18446744073709551615 (2^64 - 1); nothing for any other text.
std::optional<std::uint64_t> ParseSeed(std::string_view text);

// Registers --seed with that form; any other text is refused with
// "--seed must be a whole number from 0 to 18446744073709551615, not "TEXT"."
CLI::Option* AddSeedOption(CLI::App& command, std::uint64_t& seed, const std::string& description);

// Adds to every number option of the command a check that refuses a text that is no finite
// number ("--income1: "inf" is not a number."), as the calculators' fields refuse it.
void RefuseNonFiniteNumbers(CLI::App& command);

// An option and whether it applies with the other options given; `needs` says what it needs
// ("--kind fan").
struct OptionUse {
  const char* option;
  bool applies;
  const char* needs;
};

// "--runs needs --kind fan." for the first option given on the command line that does not
// apply; empty when every option given applies.
std::string InapplicableOption(const CLI::App& command, std::span<const OptionUse> uses);

}  // namespace tarvel::cli
