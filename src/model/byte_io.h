// Bounded little-endian access to the bytes of a stored block. Reading past the end yields
// zeros and marks the read short; writing past the end writes nothing and marks it too.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

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

}  // namespace tarvel::model
