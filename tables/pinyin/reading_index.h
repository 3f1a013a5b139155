// How the reading slices find a key: one dense index over the keys, giving
// each key the number of its reading list, and one text holding all reading
// lists in table order. Slice s holds the reading lists numbered
// s * lists_per_slice up to (s + 1) * lists_per_slice, so the number of a
// key's reading list also tells which slice holds it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "lookup/lookup_chain.h"

namespace tavrel {

struct ReadingIndex {
  char16_t first_key;                          // the key of list_of_key[0]
  std::span<const std::uint16_t> list_of_key;  // one entry for every key from first_key on
  std::span<const std::uint16_t> list_start;   // one more entry than there are reading lists
  std::u16string_view text;                    // reading list n is text[list_start[n], list_start[n + 1])
  std::size_t lists_per_slice;

  static constexpr std::size_t kNoList = std::numeric_limits<std::size_t>::max();

  // The number of the key's reading list, or kNoList when the key is not
  // exactly one code unit or lies outside the keys of the index.
  constexpr std::size_t ListNumber(const CharacterKey& key) const {
    if (key.size() != 1) return kNoList;
    const std::size_t offset = static_cast<std::size_t>(key[0]) - first_key;  // wraps below first_key
    return offset < list_of_key.size() ? list_of_key[offset] : kNoList;
  }

  constexpr std::u16string_view ReadingList(std::size_t list) const {
    return text.substr(list_start[list], list_start[list + 1] - list_start[list]);
  }

  // The slice (0 for place 1) that holds the key, or kNoPlace.
  constexpr std::size_t SliceOf(const CharacterKey& key) const {
    const std::size_t list = ListNumber(key);
    if (list == kNoList) return kNoPlace;
    return list / lists_per_slice;
  }

  // What the slice answers: the key's reading list when the slice holds the
  // key, else the empty string.
  constexpr std::u16string_view ReadingInSlice(const CharacterKey& key, std::size_t slice) const {
    const std::size_t list = ListNumber(key);
    if (list == kNoList || list / lists_per_slice != slice) return {};
    return ReadingList(list);
  }

  // Every list number names a reading list, and every reading list is a
  // non-empty stretch of the text: what makes the lookups above stay in bounds.
  // The generated table asserts it at compile time.
  constexpr bool IsSound() const {
    if (list_start.empty() || list_start.front() != 0 || list_start.back() != text.size()) return false;
    for (std::size_t n = 0; n + 1 < list_start.size(); ++n)
      if (list_start[n] >= list_start[n + 1]) return false;
    for (std::uint16_t list : list_of_key)
      if (list + std::size_t{1} >= list_start.size()) return false;
    return lists_per_slice > 0;
  }
};

}  // namespace tavrel
