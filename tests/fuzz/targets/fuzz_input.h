#pragma once
// Reads typed values from a fuzzer's bytes; past the end every value is 0, so a target
// can read as much as it wants from any input.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace kurvex::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return pos_ >= size_; }
  std::size_t Left() const { return size_ - pos_; }

  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  bool Flag() { return (Byte() & 1) != 0; }

  // The next sizeof(T) bytes, the first one lowest.
  template <class T>
  T Raw() {
    static_assert(sizeof(T) <= sizeof(std::uint64_t));
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) bits |= std::uint64_t{Byte()} << (8 * i);
    T value{};
    std::memcpy(&value, &bits, sizeof(T));  // little-endian: the low bytes
    return value;
  }

  // An int that is mostly small, sometimes an end of the range or anything at all.
  int Int() {
    switch (Byte() % 8) {
      case 0: return INT32_MIN;
      case 1: return INT32_MAX;
      case 2: return Raw<std::int32_t>();
      case 3: return static_cast<std::int16_t>(Raw<std::uint16_t>());
      default: return static_cast<std::int8_t>(Byte());
    }
  }

  // A double that is mostly ordinary, sometimes huge, tiny, infinite or NaN.
  double Double() {
    switch (Byte() % 6) {
      case 0: return Raw<double>();
      case 1: return static_cast<double>(Int()) * 1e-3;
      default: return static_cast<double>(static_cast<std::int16_t>(Raw<std::uint16_t>()));
    }
  }

  // A string of up to max_length bytes.
  std::string Text(std::size_t max_length = 40) {
    const std::size_t n = Byte() % (max_length + 1);
    std::string s;
    for (std::size_t i = 0; i < n && !Empty(); ++i) s.push_back(static_cast<char>(Byte()));
    return s;
  }

  // The bytes not read yet.
  std::string Rest() {
    std::string s(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
    pos_ = size_;
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace kurvex::fuzz
