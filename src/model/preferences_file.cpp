// Reads and writes the window and page setup block kept in "prefinf.dat".

#include "model/preferences_file.h"

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <vector>

#include "model/atomic_file.h"
#include "model/block_codec.h"

namespace tarvel::model {
namespace {

std::string PreferencesPath(const std::string& folder) {
  return (std::filesystem::path(folder) / kPreferencesFileName).string();
}

// The size of a side however the corners were stored; the most negative value (a damaged
// file) has no positive counterpart and becomes the largest one.
std::int32_t Magnitude(std::int32_t length) {
  return length == std::numeric_limits<std::int32_t>::min()
             ? std::numeric_limits<std::int32_t>::max()
             : std::abs(length);
}

std::int32_t WithinScreen(std::int32_t position) {
  return position < 0 || position > 300 ? 0 : position;
}

}  // namespace

bool ReadPreferences(const std::string& folder, Program& program, Scenario& scenario) {
  program.preference_16 = 0;
  program.preference_24 = 0;
  program.colour_banding = 0;
  program.hide_maker_page = 0;
  scenario.report_fonts[0].face_name.assign("Lucida");

  std::vector<std::uint8_t> bytes;
  const bool found = ReadFileBytes(PreferencesPath(folder), kWindowSetupSize, bytes);
  if (found) {
    // A short file replaces only the fields it covers.
    WindowSetup block = PreferencesBlock(program, scenario);
    DecodeOver(bytes, block);
    program.window = {WithinScreen(block.left), WithinScreen(block.top), block.width, block.height};
    program.preference_8 = block.preference_8;
    program.colour_banding = block.colour_banding;
    program.preference_16 = block.preference_16;
    program.hide_maker_page = block.hide_maker_page;
    program.preference_24 = block.preference_24;
  }
  program.toolbar_visible = true;
  program.colour_banding = 1;
  return found;
}

WindowSetup PreferencesBlock(const Program& program, const Scenario& scenario) {
  WindowSetup block = scenario.window;
  block.left = program.window.left;
  block.top = program.window.top;
  block.preference_8 = program.preference_8;
  block.colour_banding = program.colour_banding;
  block.preference_16 = program.preference_16;
  block.hide_maker_page = program.hide_maker_page;
  block.preference_24 = program.preference_24;
  block.width = Magnitude(program.window.width);
  block.height = Magnitude(program.window.height);
  return block;
}

bool WritePreferences(const std::string& folder, const Program& program, const Scenario& scenario) {
  return WriteFileAtomically(PreferencesPath(folder),
                             EncodeBlock(PreferencesBlock(program, scenario)));
}

}  // namespace tarvel::model
