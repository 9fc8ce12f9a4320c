#pragma once
// TLongTextArray: the long texts of one item list. Text items whose LineWidth is 1..50 show
// the entry of that number instead of their short text.

#include <array>
#include <string>

#include "common/errors.h"

namespace kurvex {

class TLongTextArray {
 public:
  static constexpr int kSize = 50;

  // The text of entry index (1..50); an empty string for any other index.
  const std::string& Text(int index) const {
    static const std::string empty;
    return index >= 1 && index <= kSize ? texts_[static_cast<std::size_t>(index)] : empty;
  }
  // Number of entries in use: the highest entry set so far (0 when none).
  int Count() const { return count_; }

  // Stores text as entry index; raises EKPXKurvexError for an index outside 1..50.
  void SetText(int index, const std::string& text) {
    if (index < 1 || index > kSize) {
      throw EKPXKurvexError("Long text index " + std::to_string(index) + " is out of range (1.." +
                            std::to_string(kSize) + ")");
    }
    texts_[static_cast<std::size_t>(index)] = text;
    if (index > count_) count_ = index;
  }
  // Stores text in the entry after the last one in use and returns its index; raises
  // EKPXKurvexError when all 50 entries are in use.
  int Add(const std::string& text) {
    if (count_ >= kSize) throw EKPXKurvexError("All 50 long texts are in use");
    SetText(count_ + 1, text);
    return count_;
  }
  void Clear() {
    for (auto& t : texts_) t.clear();
    count_ = 0;
  }

  friend bool operator==(const TLongTextArray&, const TLongTextArray&) = default;

 private:
  std::array<std::string, kSize + 1> texts_;  // entry 0 unused
  int count_ = 0;
};

}  // namespace kurvex
