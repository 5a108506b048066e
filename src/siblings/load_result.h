// What loading a sibling's input file gives: the data, or the message the window shows.
#pragma once

#include <optional>
#include <string>

namespace tarvel::siblings {

template <typename Data>
struct LoadResult {
  std::optional<Data> data;
  std::string message;  // why nothing was loaded, for the window; empty on success

  bool ok() const { return data.has_value(); }
  static LoadResult Failed(std::string why) { return {std::nullopt, std::move(why)}; }
};

// "Cannot open FILE." / "FILE is damaged: WHY." texts shared by every reader.
std::string CannotOpenMessage(const std::string& path);
std::string DamagedMessage(const std::string& path, const std::string& why);

}  // namespace tarvel::siblings
