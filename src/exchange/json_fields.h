// How one record field becomes a JSON value and back: shortest round-tripping floats, hex for
// raw bytes, Windows-1252 text as UTF-8, and the writer and reader that walk a record's fields.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "model/event_views.h"
#include "model/records.h"
#include "model/text_field.h"

namespace tarvel::exchange::json_internal {

using json = nlohmann::ordered_json;

// A JSON value that cannot become a field; the message names the JSON path.
class JsonError : public std::runtime_error {
 public:
  JsonError(const std::string& path, const std::string& problem)
      : std::runtime_error(path.empty() ? problem : path + ": " + problem) {}
};

// When a field appears in the JSON form.
enum class Show { kAlways, kIfChanged };

json FloatToJson(float value);
float FloatFromJson(const json& value, const std::string& path);
std::string HexOf(const std::uint8_t* bytes, std::size_t size);
void HexInto(const json& value, const std::string& path, std::uint8_t* bytes, std::size_t size);
json TextToJson(const char* bytes, std::size_t size);
void TextFromJson(const json& value, const std::string& path, char* bytes, std::size_t size);
json AccountTypeToJson(model::AccountType type);
model::AccountType AccountTypeFromJson(const json& value, const std::string& path);
json EventKindToJson(model::EventKind kind);
model::EventKind EventKindFromJson(const json& value, const std::string& path);
std::int64_t IntegerFromJson(const json& value, const std::string& path, std::int64_t low,
                             std::int64_t high);

// Bit-exact equality, so that -0 differs from 0 and a NaN equals itself.
inline bool SameBits(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}
template <typename T>
requires std::is_integral_v<T> || std::is_enum_v<T>
bool SameBits(T a, T b) { return a == b; }
template <std::size_t N>
bool SameBits(const model::TextField<N>& a, const model::TextField<N>& b) {
  return a.bytes == b.bytes;
}
template <typename T, std::size_t N>
bool SameBits(const std::array<T, N>& a, const std::array<T, N>& b) {
  for (std::size_t i = 0; i < N; ++i) {
    if (!SameBits(a[i], b[i])) return false;
  }
  return true;
}

inline json ToJson(float value) { return FloatToJson(value); }
inline json ToJson(model::AccountType value) { return AccountTypeToJson(value); }
inline json ToJson(model::EventKind value) { return EventKindToJson(value); }
template <typename T>
requires std::is_integral_v<T> json ToJson(T value) { return value; }
template <std::size_t N>
json ToJson(const model::TextField<N>& value) {
  return TextToJson(value.bytes.data(), N);
}
template <std::size_t N>
json ToJson(const model::Bytes<N>& value) {
  return HexOf(value.data(), N);
}
template <typename T, std::size_t N>
requires(!std::is_same_v<T, std::uint8_t>) json ToJson(const std::array<T, N>& value) {
  json list = json::array();
  for (const T& element : value) list.push_back(ToJson(element));
  return list;
}
// Byte arrays that are not reserved bytes (flags) are lists of numbers too.
template <std::size_t N>
json FlagsToJson(const std::array<std::uint8_t, N>& value) {
  json list = json::array();
  for (const std::uint8_t element : value) list.push_back(element);
  return list;
}

inline void FromJson(const json& value, const std::string& path, float& out) {
  out = FloatFromJson(value, path);
}
inline void FromJson(const json& value, const std::string& path, model::AccountType& out) {
  out = AccountTypeFromJson(value, path);
}
inline void FromJson(const json& value, const std::string& path, model::EventKind& out) {
  out = EventKindFromJson(value, path);
}
template <typename T>
requires std::is_integral_v<T>
void FromJson(const json& value, const std::string& path, T& out) {
  out = static_cast<T>(
      IntegerFromJson(value, path, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}
template <std::size_t N>
void FromJson(const json& value, const std::string& path, model::TextField<N>& out) {
  TextFromJson(value, path, out.bytes.data(), N);
}
template <typename T, std::size_t N>
void FromJson(const json& value, const std::string& path, std::array<T, N>& out) {
  if constexpr (std::is_same_v<T, std::uint8_t>) {
    if (value.is_string()) {
      HexInto(value, path, out.data(), N);
      return;
    }
  }
  if (!value.is_array()) throw JsonError(path, "expected a list");
  if (value.size() > N) {
    throw JsonError(path, "expected at most " + std::to_string(N) + " entries");
  }
  for (std::size_t i = 0; i < value.size(); ++i) {
    FromJson(value[i], path + "[" + std::to_string(i) + "]", out[i]);
  }
}

// Builds the JSON object of one record: a field appears when it is shown always or differs
// from the same field of the baseline record.
class FieldWriter {
 public:
  explicit FieldWriter(bool only_changes) : only_changes_(only_changes) {}

  template <typename T>
  void Field(std::string_view name, const T& value, const T& base, Show show = Show::kIfChanged) {
    // A listed record shows the fields its kind gives a name to, even at their defaults.
    const bool named = !only_changes_ && !model::MeaningOf(aliases_, name).empty();
    if ((show == Show::kIfChanged && !named) || only_changes_) {
      if (SameBits(value, base)) return;
    }
    out_[Rename(name)] = ToJson(value);
  }
  template <std::size_t N>
  void Flags(std::string_view name, const std::array<std::uint8_t, N>& value,
             const std::array<std::uint8_t, N>& base) {
    if (!SameBits(value, base)) out_[Rename(name)] = FlagsToJson(value);
  }
  template <typename T>
  void Reference(std::string_view name, const T& value, const T& base,
                 Show show = Show::kIfChanged) {
    Field(name, value, base, show);
  }
  void set_aliases(model::FieldMeanings aliases) { aliases_ = aliases; }
  json& out() { return out_; }

 private:
  std::string Rename(std::string_view name) const;

  bool only_changes_;
  model::FieldMeanings aliases_{};
  json out_ = json::object();
};

// Account names a hand-written JSON may use in place of account ids.
using AccountNames = std::map<std::string, std::int64_t>;

// Reads the fields of one record from its JSON object; fields the object lacks keep their
// value. Finish() rejects keys that name no field.
class FieldReader {
 public:
  FieldReader(const json& object, std::string path, const AccountNames* names = nullptr);

  template <typename T, typename B>
  void Field(std::string_view name, T& value, const B& /*base*/, Show = Show::kIfChanged) {
    if (const json* found = Find(name)) FromJson(*found, PathOf(name), value);
  }
  template <std::size_t N, typename B>
  void Flags(std::string_view name, std::array<std::uint8_t, N>& value, const B& base) {
    Field(name, value, base);
  }
  // An account id, or (in hand-written JSON) an account's name or null for no account.
  template <typename T, typename B>
  void Reference(std::string_view name, T& value, const B& base, Show show = Show::kIfChanged) {
    const json* found = Find(name);
    if (found == nullptr) return;
    if (found->is_null()) {
      value = static_cast<T>(-1);
    } else if (found->is_string()) {
      value = static_cast<T>(ResolveName(*found, PathOf(name)));
    } else {
      Field(name, value, base, show);
    }
  }
  void set_aliases(model::FieldMeanings aliases) { aliases_ = aliases; }
  const json* Find(std::string_view name);
  std::string PathOf(std::string_view name) const;
  void Finish() const;

 private:
  std::int64_t ResolveName(const json& value, const std::string& path) const;
  std::string Join(std::string_view name) const;

  const json& object_;
  std::string path_;
  const AccountNames* names_;
  model::FieldMeanings aliases_{};
  std::set<std::string> used_;
};

}  // namespace tarvel::exchange::json_internal
