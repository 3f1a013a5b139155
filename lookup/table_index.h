// How a table finds the value of a key. The table's values (reading lists,
// codes) stand one after another in one text, in table order, and a two-level
// index gives every UTF-16 code unit the number of its value. Slice s of the
// table holds the values numbered s * values_per_slice up to
// (s + 1) * values_per_slice, so the number of a key's value also tells which
// slice holds the key.
//
// The index is cut into pages of 256 code units by the high byte of the code
// unit; the high bytes without keys share one page that holds no value. A
// lookup is a length test and two loads: constant time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

namespace tavrel {

// No slice, and so no place of a chain, holds the key.
inline constexpr std::size_t kNoPlace = std::numeric_limits<std::size_t>::max();

struct TableIndex {
  static constexpr std::size_t kPageSize = 256;
  static constexpr std::uint16_t kNoValue = 0xFFFF;  // in value_pages: the code unit has no value

  std::span<const std::uint16_t, 256> page_of_high_byte;  // the page of every high byte
  std::span<const std::uint16_t> value_pages;             // page p is value_pages[256 p, 256 p + 256)
  std::span<const std::uint16_t> value_start;             // one more entry than there are values
  std::u16string_view text;                               // value n is text[value_start[n], value_start[n + 1])
  std::size_t values_per_slice;

  constexpr std::size_t ValueCount() const { return value_start.size() - 1; }

  // The number of the key's value, or kNoValue when the key is not exactly
  // one code unit or has no value.
  constexpr std::uint16_t ValueNumber(std::u16string_view key) const {
    if (key.size() != 1) return kNoValue;
    const std::size_t unit = key[0];
    return value_pages[page_of_high_byte[unit >> 8] * kPageSize + (unit & 0xFF)];
  }

  constexpr std::u16string_view Value(std::size_t number) const {
    return {text.data() + value_start[number], static_cast<std::size_t>(value_start[number + 1] - value_start[number])};
  }

  // The slice (0 for place 1) that holds the key, or kNoPlace.
  constexpr std::size_t SliceOf(std::u16string_view key) const {
    const std::uint16_t number = ValueNumber(key);
    return number == kNoValue ? kNoPlace : number / values_per_slice;
  }

  // What slice `slice` answers: the key's value when the slice holds the key,
  // else the empty string.
  constexpr std::u16string_view ValueInSlice(std::u16string_view key, std::size_t slice) const {
    const std::size_t number = ValueNumber(key);
    if (number == kNoValue || number < slice * values_per_slice || number >= (slice + 1) * values_per_slice) return {};
    return Value(number);
  }

  // What the first `slice_count` slices answer together: the key's value when
  // one of them holds the key, else the empty string.
  constexpr std::u16string_view ValueInFirstSlices(std::u16string_view key, std::size_t slice_count) const {
    const std::size_t number = ValueNumber(key);
    // kNoValue is never below the count of values.
    if (number >= ValueCount() || number >= slice_count * values_per_slice) return {};
    return Value(number);
  }

  // Every page number names a page, every entry of a page is kNoValue or the
  // number of a value, and every value is a non-empty stretch of the text:
  // what keeps the lookups above in bounds. Each generated table asserts it
  // at compile time.
  constexpr bool IsSound() const {
    if (values_per_slice == 0 || value_pages.empty() || value_pages.size() % kPageSize != 0) return false;
    for (const std::uint16_t page : page_of_high_byte)
      if (page >= value_pages.size() / kPageSize) return false;
    if (value_start.empty() || value_start.size() - 1 >= kNoValue) return false;
    if (value_start.front() != 0 || value_start.back() != text.size()) return false;
    for (std::size_t n = 0; n < ValueCount(); ++n)
      if (value_start[n] >= value_start[n + 1]) return false;
    for (const std::uint16_t number : value_pages)
      if (number != kNoValue && number >= ValueCount()) return false;
    return true;
  }
};

}  // namespace tavrel
