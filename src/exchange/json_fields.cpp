// Field values of the JSON scenario form: numbers, hex bytes, text and the enum names.
#include "exchange/json_fields.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "model/windows_1252.h"

namespace tarvel::exchange::json_internal {
namespace {

constexpr std::uint32_t kDefaultNanBits = 0x7FC00000;

struct KindName {
  model::EventKind kind;
  const char* name;
};
constexpr KindName kKindNames[] = {
    {model::EventKind::Fundamentals, "Fundamentals"},
    {model::EventKind::Deposit, "Deposit"},
    {model::EventKind::Loan, "Loan"},
    {model::EventKind::Mortgage, "Mortgage"},
    {model::EventKind::Transfer, "Transfer"},
    {model::EventKind::Withdrawal, "Withdrawal"},
    {model::EventKind::AllocationOption, "AllocationOption"},
    {model::EventKind::RmdLine, "RmdLine"},
    {model::EventKind::Empty, "Empty"},
};
constexpr const char* kTypeNames[] = {"Asset", "Equity", "Investment", "Retirement", "TaxFree"};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Whether a text field needs the exact hex form: bytes after the terminating NUL, no NUL at
// all, or bytes Windows-1252 leaves undefined.
bool NeedsHex(const char* bytes, std::size_t size) {
  const std::size_t length = strnlen(bytes, size);
  if (length == size) return true;
  for (std::size_t i = 0; i < length; ++i) {
    if (model::IsUndefinedIn1252(static_cast<unsigned char>(bytes[i]))) return true;
  }
  for (std::size_t i = length; i < size; ++i) {
    if (bytes[i] != '\0') return true;
  }
  return false;
}

}  // namespace

json FloatToJson(float value) {
  if (std::isnan(value)) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    if (bits == kDefaultNanBits) return "nan";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "nan:%08x", static_cast<unsigned>(bits));
    return buffer;
  }
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  if (value == 0.0f) return std::signbit(value) ? json(-0.0) : json(0);
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return json::parse(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

float FloatFromJson(const json& value, const std::string& path) {
  if (value.is_string()) {
    const std::string text = value.get<std::string>();
    if (text == "nan") return std::bit_cast<float>(kDefaultNanBits);
    if (text == "inf") return std::numeric_limits<float>::infinity();
    if (text == "-inf") return -std::numeric_limits<float>::infinity();
    std::uint32_t bits = 0;
    if (text.size() == 12 && text.starts_with("nan:")) {
      const auto result = std::from_chars(text.data() + 4, text.data() + 12, bits, 16);
      const float nan = std::bit_cast<float>(bits);
      if (result.ec == std::errc() && result.ptr == text.data() + 12 && std::isnan(nan)) {
        return nan;
      }
    }
    throw JsonError(path, "expected a number, \"nan\", \"inf\" or \"-inf\", not \"" + text + "\"");
  }
  if (value.is_number_integer()) {
    // Whole numbers are read through their text so that large ones round like the file's.
    const std::string text = value.dump();
    float out = 0;
    std::from_chars(text.data(), text.data() + text.size(), out);
    return out;
  }
  if (!value.is_number_float()) throw JsonError(path, "expected a number");
  const double number = value.get<double>();
  if (number == 0.0) return std::signbit(number) ? -0.0f : 0.0f;
  // The shortest text of the double is the text the float was written as.
  char buffer[40];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, number);
  float out = 0;
  const auto result = std::from_chars(buffer, written.ptr, out);
  if (result.ec == std::errc::result_out_of_range || std::isinf(out)) {
    throw JsonError(path, "number out of range for a 4-byte float");
  }
  return out;
}

std::string HexOf(const std::uint8_t* bytes, std::size_t size) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(size * 2);
  for (std::size_t i = 0; i < size; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

void HexInto(const json& value, const std::string& path, std::uint8_t* bytes, std::size_t size) {
  if (!value.is_string()) throw JsonError(path, "expected a string of hex digits");
  const std::string text = value.get<std::string>();
  if (text.size() > size * 2 || text.size() % 2 != 0) {
    throw JsonError(path, "expected at most " + std::to_string(size * 2) + " hex digits, in pairs");
  }
  std::memset(bytes, 0, size);
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = HexDigit(text[i]);
    const int low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0) throw JsonError(path, "expected hex digits 0-9 and a-f");
    bytes[i / 2] = static_cast<std::uint8_t>(high * 16 + low);
  }
}

json TextToJson(const char* bytes, std::size_t size) {
  if (!NeedsHex(bytes, size)) {
    return model::Utf8From1252(std::string_view(bytes, strnlen(bytes, size)));
  }
  std::size_t used = size;
  while (used > 0 && bytes[used - 1] == '\0') --used;
  return json{{"hex", HexOf(reinterpret_cast<const std::uint8_t*>(bytes), used)}};
}

void TextFromJson(const json& value, const std::string& path, char* bytes, std::size_t size) {
  if (value.is_object()) {
    if (value.size() != 1 || !value.contains("hex")) {
      throw JsonError(path, "expected a text or {\"hex\": \"...\"}");
    }
    HexInto(value["hex"], path + ".hex", reinterpret_cast<std::uint8_t*>(bytes), size);
    return;
  }
  if (!value.is_string()) throw JsonError(path, "expected a text");
  std::string problem;
  const auto text = model::Utf8To1252(value.get<std::string>(), problem);
  if (!text) throw JsonError(path, problem);
  if (text->size() > size - 1) {
    throw JsonError(path, "text longer than " + std::to_string(size - 1) + " bytes");
  }
  if (text->find('\0') != std::string::npos) throw JsonError(path, "text holds a NUL character");
  std::memset(bytes, 0, size);
  std::memcpy(bytes, text->data(), text->size());
}

json AccountTypeToJson(model::AccountType type) {
  const auto value = static_cast<std::uint16_t>(type);
  if (value < std::size(kTypeNames)) return kTypeNames[value];
  return value;
}

model::AccountType AccountTypeFromJson(const json& value, const std::string& path) {
  if (value.is_string()) {
    const std::string name = value.get<std::string>();
    for (std::size_t i = 0; i < std::size(kTypeNames); ++i) {
      if (name == kTypeNames[i]) return static_cast<model::AccountType>(i);
    }
    throw JsonError(path, "unknown account type \"" + name + "\"");
  }
  return static_cast<model::AccountType>(IntegerFromJson(value, path, 0, 65535));
}

json EventKindToJson(model::EventKind kind) {
  for (const KindName& entry : kKindNames) {
    if (entry.kind == kind) return entry.name;
  }
  return static_cast<std::uint16_t>(kind);
}

model::EventKind EventKindFromJson(const json& value, const std::string& path) {
  if (value.is_string()) {
    const std::string name = value.get<std::string>();
    for (const KindName& entry : kKindNames) {
      if (name == entry.name) return entry.kind;
    }
    throw JsonError(path, "unknown event kind \"" + name + "\"");
  }
  return static_cast<model::EventKind>(IntegerFromJson(value, path, 0, 65535));
}

std::int64_t IntegerFromJson(const json& value, const std::string& path, std::int64_t low,
                             std::int64_t high) {
  const auto range = [&] {
    return "expected a whole number from " + std::to_string(low) + " to " + std::to_string(high);
  };
  if (value.is_number_unsigned()) {
    const auto number = value.get<std::uint64_t>();
    if (number > static_cast<std::uint64_t>(high)) throw JsonError(path, range());
    return static_cast<std::int64_t>(number);
  }
  if (!value.is_number_integer()) throw JsonError(path, range());
  const auto number = value.get<std::int64_t>();
  if (number < low || number > high) throw JsonError(path, range());
  return number;
}

std::string FieldWriter::Rename(std::string_view name) const {
  const std::string_view meaning = model::MeaningOf(aliases_, name);
  return std::string(meaning.empty() ? name : meaning);
}

FieldReader::FieldReader(const json& object, std::string path, const AccountNames* names)
    : object_(object), path_(std::move(path)), names_(names) {
  if (!object_.is_object()) throw JsonError(path_, "expected an object");
}

const json* FieldReader::Find(std::string_view name) {
  const json* found = nullptr;
  const std::string_view meaning = model::MeaningOf(aliases_, name);
  if (!meaning.empty()) {
    const auto entry = object_.find(std::string(meaning));
    if (entry != object_.end()) {
      found = &*entry;
      used_.insert(std::string(meaning));
    }
  }
  const auto entry = object_.find(std::string(name));
  if (entry != object_.end()) {
    if (found != nullptr) {
      throw JsonError(PathOf(name), "given twice, also as \"" + std::string(name) + "\"");
    }
    found = &*entry;
    used_.insert(std::string(name));
  }
  return found;
}

std::string FieldReader::Join(std::string_view name) const {
  return path_.empty() ? std::string(name) : path_ + "." + std::string(name);
}

std::string FieldReader::PathOf(std::string_view name) const {
  const std::string_view meaning = model::MeaningOf(aliases_, name);
  if (!meaning.empty() && object_.contains(std::string(meaning))) return Join(meaning);
  return Join(name);
}

void FieldReader::Finish() const {
  for (const auto& [key, value] : object_.items()) {
    if (!used_.contains(key)) throw JsonError(path_, "unknown field \"" + key + "\"");
  }
}

std::int64_t FieldReader::ResolveName(const json& value, const std::string& path) const {
  const std::string name = value.get<std::string>();
  if (names_ != nullptr) {
    const auto found = names_->find(name);
    if (found != names_->end()) {
      if (found->second < 0) {
        throw JsonError(path, "more than one account is named \"" + name + "\"");
      }
      return found->second;
    }
  }
  throw JsonError(path, "no account is named \"" + name + "\"");
}

}  // namespace tarvel::exchange::json_internal
