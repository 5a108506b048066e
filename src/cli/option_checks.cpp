// Option value checks shared by the commands.
#include "cli/option_checks.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tarvel::cli {

std::optional<std::uint64_t> ParseSeed(std::string_view text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

CLI::Option* AddSeedOption(CLI::App& command, std::uint64_t& seed, const std::string& description) {
  return command
      .add_option_function<std::string>(
          "--seed",
          [&seed](const std::string& text) {
            const std::optional<std::uint64_t> value = ParseSeed(text);
            if (!value) {
              throw CLI::ValidationError(
                  "--seed must be a whole number from 0 to 18446744073709551615, not \"" + text +
                  "\".");
            }
            seed = *value;
          },
          description)
      ->type_name("UINT");
}

namespace {

// A finite number as strtod reads it, the whole text used; blanks around it are allowed.
bool IsFiniteNumber(const std::string& text) {
  const char* start = text.c_str();
  char* end = nullptr;
  const double value = std::strtod(start, &end);
  if (end == start) return false;
  while (*end == ' ') ++end;
  return *end == '\0' && std::isfinite(value);
}

}  // namespace

void RefuseNonFiniteNumbers(CLI::App& command) {
  const CLI::Validator finite(
      [](std::string& text) {
        return IsFiniteNumber(text) ? std::string() : "\"" + text + "\" is not a number.";
      },
      "", "finite");
  for (CLI::Option* option : command.get_options()) {
    const std::string type = option->get_type_name();
    const bool number =
        type.starts_with("FLOAT") || type.starts_with("INT") || type.starts_with("UINT");
    if (number && option->get_expected_max() > 0) option->check(finite);
  }
}

std::string InapplicableOption(const CLI::App& command, std::span<const OptionUse> uses) {
  for (const OptionUse& use : uses) {
    if (!use.applies && command.count(use.option) > 0) {
      return std::string(use.option) + " needs " + use.needs + ".";
    }
  }
  return {};
}

}  // namespace tarvel::cli
