// Vesktal's texts: UTF-16 inside the program, bytes of the system code page
// at its calls. Each text is made once at its full length and then only read,
// so it is an owned run of code units with a null after them for the system's
// calls. (std::basic_string would draw the C++ runtime's exception machinery
// into the program, several times the size of everything else in it.)
#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <utility>

namespace vesktal {

template <typename Unit>
class OwnedText {
 public:
  OwnedText() : OwnedText(0, Unit{}) {}
  // length units, each fill.
  OwnedText(std::size_t length, Unit fill) : units_(new Unit[length + 1]), size_(length) {
    std::fill_n(units_.get(), length, fill);
    units_[length] = Unit{};
  }
  explicit OwnedText(std::basic_string_view<Unit> text) : OwnedText(text.size(), Unit{}) {
    std::copy(text.begin(), text.end(), units_.get());
  }
  // A text moved from is empty.
  OwnedText(OwnedText&& other) noexcept
      : units_(std::move(other.units_)), size_(std::exchange(other.size_, 0)) {}
  OwnedText& operator=(OwnedText&& other) noexcept {
    units_ = std::move(other.units_);
    size_ = std::exchange(other.size_, 0);
    return *this;
  }

  Unit* data() { return units_.get(); }
  const Unit* data() const { return units_.get(); }
  const Unit* c_str() const { return units_ ? units_.get() : kEmpty; }
  std::size_t size() const { return size_; }
  Unit* begin() { return data(); }
  Unit* end() { return data() + size_; }
  const Unit* begin() const { return data(); }
  const Unit* end() const { return data() + size_; }

  std::basic_string_view<Unit> view() const { return {units_.get(), size_}; }
  operator std::basic_string_view<Unit>() const { return view(); }

 private:
  static constexpr Unit kEmpty[1] = {};

  std::unique_ptr<Unit[]> units_;
  std::size_t size_;
};

// UTF-16 text.
using Text = OwnedText<char16_t>;
// Bytes in the system code page.
using CodePageText = OwnedText<char>;

// The parts one after another.
inline Text Joined(std::initializer_list<std::u16string_view> parts) {
  std::size_t length = 0;
  for (const std::u16string_view part : parts) length += part.size();
  Text text(length, u'\0');
  char16_t* at = text.data();
  for (const std::u16string_view part : parts) at = std::copy(part.begin(), part.end(), at);
  return text;
}

}  // namespace vesktal
