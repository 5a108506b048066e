// Bounded little-endian access to the bytes of a stored block. Reading past the end yields
// zeros and marks the read short; writing past the end writes nothing and marks it too.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

#include "model/records.h"
#include "model/text_field.h"

namespace tarvel::model {

// Reads fields at explicit offsets from a view of one block.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t size() const { return bytes_.size(); }
  bool short_read() const { return short_; }

  std::uint8_t U8(std::size_t offset) {
    std::uint8_t value[1] = {};
    Copy(offset, value, 1);
    return value[0];
  }
  std::uint16_t U16(std::size_t offset) {
    std::uint8_t b[2] = {};
    Copy(offset, b, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }
  std::int16_t I16(std::size_t offset) { return static_cast<std::int16_t>(U16(offset)); }
  std::uint32_t U32(std::size_t offset) {
    std::uint8_t b[4] = {};
    Copy(offset, b, 4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  }
  std::int32_t I32(std::size_t offset) { return static_cast<std::int32_t>(U32(offset)); }
  // The four stored bytes, bit for bit.
  float F32(std::size_t offset) {
    const std::uint32_t bits = U32(offset);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  template <std::size_t N>
  void Raw(std::size_t offset, Bytes<N>& out) {
    out.fill(0);
    Copy(offset, out.data(), N);
  }
  template <std::size_t N>
  void Text(std::size_t offset, TextField<N>& out) {
    out.bytes.fill('\0');
    Copy(offset, reinterpret_cast<std::uint8_t*>(out.bytes.data()), N);
  }
  // A view of count bytes at offset, cut at the end of the block.
  std::span<const std::uint8_t> Sub(std::size_t offset, std::size_t count) {
    if (offset > bytes_.size()) {
      short_ = true;
      return {};
    }
    if (count > bytes_.size() - offset) short_ = true;
    return bytes_.subspan(offset, std::min(count, bytes_.size() - offset));
  }

  // count bytes as they are stored; zeros for those past the end.
  void Block(std::size_t offset, std::uint8_t* out, std::size_t count) {
    std::memset(out, 0, count);
    Copy(offset, out, count);
  }

 private:
  // Copies what lies inside the block; the rest of out keeps its zeros.
  void Copy(std::size_t offset, std::uint8_t* out, std::size_t count) {
    if (offset >= bytes_.size()) {
      short_ = short_ || count > 0;
      return;
    }
    const std::size_t available = std::min(count, bytes_.size() - offset);
    if (available < count) short_ = true;
    std::memcpy(out, bytes_.data() + offset, available);
  }

  std::span<const std::uint8_t> bytes_;
  bool short_ = false;
};

// Writes fields at explicit offsets into a view of one block.
class ByteWriter {
 public:
  explicit ByteWriter(std::span<std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t size() const { return bytes_.size(); }
  bool overflow() const { return overflow_; }

  void U8(std::size_t offset, std::uint8_t value) { Put(offset, &value, 1); }
  void U16(std::size_t offset, std::uint16_t value) {
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(value),
                               static_cast<std::uint8_t>(value >> 8)};
    Put(offset, b, 2);
  }
  void I16(std::size_t offset, std::int16_t value) {
    U16(offset, static_cast<std::uint16_t>(value));
  }
  void U32(std::size_t offset, std::uint32_t value) {
    const std::uint8_t b[4] = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    Put(offset, b, 4);
  }
  void I32(std::size_t offset, std::int32_t value) {
    U32(offset, static_cast<std::uint32_t>(value));
  }
  void F32(std::size_t offset, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    U32(offset, bits);
  }
  template <std::size_t N>
  void Raw(std::size_t offset, const Bytes<N>& value) {
    Put(offset, value.data(), N);
  }
  template <std::size_t N>
  void Text(std::size_t offset, const TextField<N>& value) {
    Put(offset, reinterpret_cast<const std::uint8_t*>(value.bytes.data()), N);
  }
  // count bytes as they are.
  void Block(std::size_t offset, const std::uint8_t* data, std::size_t count) {
    Put(offset, data, count);
  }
  // A writable view of count bytes at offset; empty (and marked) when it does not fit.
  std::span<std::uint8_t> Sub(std::size_t offset, std::size_t count) {
    if (offset > bytes_.size() || count > bytes_.size() - offset) {
      overflow_ = true;
      return {};
    }
    return bytes_.subspan(offset, count);
  }

 private:
  void Put(std::size_t offset, const std::uint8_t* data, std::size_t count) {
    if (offset > bytes_.size() || count > bytes_.size() - offset) {
      overflow_ = true;
      return;
    }
    std::memcpy(bytes_.data() + offset, data, count);
  }

  std::span<std::uint8_t> bytes_;
  bool overflow_ = false;
};

// An enumeration stored as its u16 value.
template <class E>
concept U16Enum = std::is_enum_v<E> && std::is_same_v<std::underlying_type_t<E>, std::uint16_t>;

// Arrays of fields, element after element with no padding, for the adapters below; Io is the
// adapter and A a const or non-const std::array of the element type the name gives.
template <class Io>
class FieldArrays {
 public:
  template <class A>
  void U8s(std::size_t offset, A& values) {
    Elements(offset, values, 1, [this](std::size_t at, auto& v) { io().U8(at, v); });
  }
  template <class A>
  void U16s(std::size_t offset, A& values) {
    Elements(offset, values, 2, [this](std::size_t at, auto& v) { io().U16(at, v); });
  }
  template <class A>
  void I16s(std::size_t offset, A& values) {
    Elements(offset, values, 2, [this](std::size_t at, auto& v) { io().I16(at, v); });
  }
  template <class A>
  void U32s(std::size_t offset, A& values) {
    Elements(offset, values, 4, [this](std::size_t at, auto& v) { io().U32(at, v); });
  }
  template <class A>
  void I32s(std::size_t offset, A& values) {
    Elements(offset, values, 4, [this](std::size_t at, auto& v) { io().I32(at, v); });
  }
  template <class A>
  void F32s(std::size_t offset, A& values) {
    Elements(offset, values, 4, [this](std::size_t at, auto& v) { io().F32(at, v); });
  }
  // Each text takes its field's full length.
  template <class A>
  void Texts(std::size_t offset, A& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
      io().Text(offset + values[i].bytes.size() * i, values[i]);
    }
  }

 private:
  Io& io() { return static_cast<Io&>(*this); }

  // The stored form of each element is its little-endian bytes, so on a little-endian machine
  // the whole array is its stored form and moves in one copy; elsewhere element by element.
  template <class A, class One>
  void Elements(std::size_t offset, A& values, std::size_t width, One one) {
    static_assert(std::is_trivially_copyable_v<std::remove_cvref_t<decltype(values[0])>>);
    if constexpr (std::endian::native == std::endian::little) {
      if (sizeof(values[0]) == width) {
        io().Block(offset, values.data(), values.size() * width);
        return;
      }
    }
    for (std::size_t i = 0; i < values.size(); ++i) one(offset + width * i, values[i]);
  }
};

// FieldWriter and FieldReader give writing and reading one shape, so that one function
// template can list a record's fields once for both: io.F32(offset, v.member) stores the
// member through a FieldWriter and loads it through a FieldReader. The reader takes every
// member by non-const reference of its exact type, so a field listed with the wrong width
// does not compile.
class FieldWriter : public FieldArrays<FieldWriter> {
 public:
  explicit FieldWriter(std::span<std::uint8_t> bytes) : w_(bytes) {}

  void U8(std::size_t offset, std::uint8_t value) { w_.U8(offset, value); }
  void U16(std::size_t offset, std::uint16_t value) { w_.U16(offset, value); }
  template <U16Enum E>
  void U16(std::size_t offset, E value) {
    w_.U16(offset, static_cast<std::uint16_t>(value));
  }
  void I16(std::size_t offset, std::int16_t value) { w_.I16(offset, value); }
  void U32(std::size_t offset, std::uint32_t value) { w_.U32(offset, value); }
  void I32(std::size_t offset, std::int32_t value) { w_.I32(offset, value); }
  void F32(std::size_t offset, float value) { w_.F32(offset, value); }
  template <std::size_t N>
  void Raw(std::size_t offset, const Bytes<N>& value) {
    w_.Raw(offset, value);
  }
  template <std::size_t N>
  void Text(std::size_t offset, const TextField<N>& value) {
    w_.Text(offset, value);
  }
  void Block(std::size_t offset, const void* data, std::size_t count) {
    w_.Block(offset, static_cast<const std::uint8_t*>(data), count);
  }
  // Writes a nested block of count bytes at offset; nothing when it does not fit.
  FieldWriter Sub(std::size_t offset, std::size_t count) {
    return FieldWriter(w_.Sub(offset, count));
  }

 private:
  ByteWriter w_;
};

class FieldReader : public FieldArrays<FieldReader> {
 public:
  explicit FieldReader(std::span<const std::uint8_t> bytes) : r_(bytes) {}

  void U8(std::size_t offset, std::uint8_t& value) { value = r_.U8(offset); }
  void U16(std::size_t offset, std::uint16_t& value) { value = r_.U16(offset); }
  template <U16Enum E>
  void U16(std::size_t offset, E& value) {
    value = static_cast<E>(r_.U16(offset));
  }
  void I16(std::size_t offset, std::int16_t& value) { value = r_.I16(offset); }
  void U32(std::size_t offset, std::uint32_t& value) { value = r_.U32(offset); }
  void I32(std::size_t offset, std::int32_t& value) { value = r_.I32(offset); }
  void F32(std::size_t offset, float& value) { value = r_.F32(offset); }
  template <std::size_t N>
  void Raw(std::size_t offset, Bytes<N>& value) {
    r_.Raw(offset, value);
  }
  template <std::size_t N>
  void Text(std::size_t offset, TextField<N>& value) {
    r_.Text(offset, value);
  }
  void Block(std::size_t offset, void* data, std::size_t count) {
    r_.Block(offset, static_cast<std::uint8_t*>(data), count);
  }
  // Reads a nested block of count bytes at offset, cut at the end of the block.
  FieldReader Sub(std::size_t offset, std::size_t count) {
    return FieldReader(r_.Sub(offset, count));
  }

 private:
  ByteReader r_;
};

}  // namespace tarvel::model
