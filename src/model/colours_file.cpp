// Writes the program colours for the sibling graph program.

#include "model/colours_file.h"

#include <cstdio>
#include <filesystem>

#include "model/atomic_file.h"

namespace tarvel::model {

std::string FormatColoursFile(const std::array<std::uint32_t, kColourCount>& colours) {
  std::string text = "16\n";
  for (const std::uint32_t colour : colours) {
    char line[24];
    std::snprintf(line, sizeof line, "%lx\n", static_cast<unsigned long>(colour));
    text += line;
  }
  return text;
}

bool WriteColoursFile(const std::string& folder,
                      const std::array<std::uint32_t, kColourCount>& colours) {
  const std::string path = (std::filesystem::path(folder) / kColoursFileName).string();
  return WriteFileAtomically(path, FormatColoursFile(colours));
}

}  // namespace tarvel::model
