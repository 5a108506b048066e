// The schedule's lines kept end to end in one text: adding a line costs no heap allocation of
// its own, and the next run reuses the room of the last.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::results {

class ScheduleLines {
 public:
  class const_iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator() = default;
    const_iterator(const ScheduleLines* lines, std::size_t index) : lines_(lines), index_(index) {}
    std::string_view operator*() const { return (*lines_)[index_]; }
    std::string_view operator[](difference_type n) const { return (*lines_)[index_ + n]; }
    const_iterator& operator++() { return ++index_, *this; }
    const_iterator operator++(int) { return {lines_, index_++}; }
    const_iterator& operator--() { return --index_, *this; }
    const_iterator operator--(int) { return {lines_, index_--}; }
    const_iterator& operator+=(difference_type n) { return index_ += n, *this; }
    const_iterator& operator-=(difference_type n) { return index_ -= n, *this; }
    friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
    friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
    friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const_iterator a, const_iterator b) {
      return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
    }
    friend bool operator==(const_iterator a, const_iterator b) { return a.index_ == b.index_; }
    friend auto operator<=>(const_iterator a, const_iterator b) { return a.index_ <=> b.index_; }

   private:
    const ScheduleLines* lines_ = nullptr;
    std::size_t index_ = 0;
  };
  using iterator = const_iterator;
  using value_type = std::string_view;
  using size_type = std::size_t;
  using difference_type = std::ptrdiff_t;
  using reference = std::string_view;
  using const_reference = std::string_view;

  void push_back(std::string_view line) {
    text_.append(line);
    ends_.push_back(static_cast<std::uint32_t>(text_.size()));
  }
  void clear() {
    text_.clear();
    ends_.clear();
  }
  std::size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::string_view operator[](std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
  }
  std::string_view front() const { return (*this)[0]; }
  std::string_view back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  friend bool operator==(const ScheduleLines& a, const ScheduleLines& b) {
    return a.ends_ == b.ends_ && a.text_ == b.text_;
  }
  friend bool operator==(const ScheduleLines& lines, const std::vector<std::string>& expected) {
    if (lines.size() != expected.size()) return false;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      if (lines[i] != expected[i]) return false;
    }
    return true;
  }

 private:
  std::string text_;
  std::vector<std::uint32_t> ends_;  // where each line ends in the text
};

}  // namespace tarvel::results
