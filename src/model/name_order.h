// The order of names in every list of the program: by name, ignoring case.
#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tarvel::model {

inline bool NameBefore(std::string_view first, std::string_view second) {
  return std::lexicographical_compare(first.begin(), first.end(), second.begin(), second.end(),
                                      [](char x, char y) {
                                        return std::tolower(static_cast<unsigned char>(x)) <
                                               std::tolower(static_cast<unsigned char>(y));
                                      });
}

}  // namespace tarvel::model
