// The interface between Tavrel's lookup chains and the tables they ask.
//
// A table is cut into slices. Each slice holds the values of a run of
// consecutive table entries and answers a Character key with the value it
// holds for exactly that key, or with the empty string when it does not hold
// it. A chain asks its slices by place, in a fixed order, and the first
// answer that is not empty is the result.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tavrel {

// The string a chain is asked about. The driver always passes exactly one
// UTF-16 code unit; any other length is never held by a slice.
using CharacterKey = std::u16string;

// One slice of a table. The answer points into the table's constant data
// (or is empty), so it stays valid for the life of the program.
using SliceLookup = std::u16string_view (*)(const CharacterKey& key);

struct TableSlice {
  const char* name;    // "PinyinOf_A_Bai", "CodeOf_AA_DB", ...
  SliceLookup lookup;  // null while the slice is not built: its place is skipped
};

// Which place of a chain holds a key, as the table's own index knows it (0
// for place 1), or kNoPlace. Slices at earlier places cannot hold the key, so
// asking them changes no answer; the chain starts at the located place instead.
using SliceLocator = std::size_t (*)(const CharacterKey& key);
inline constexpr std::size_t kNoPlace = static_cast<std::size_t>(-1);

struct LookupChain {
  std::span<const TableSlice> places;  // place 1 is places[0]
  SliceLocator locate = nullptr;       // null: ask every place from the first
};

// Asks the places of a chain in order and returns the first answer that is
// not empty, or the empty string when no place holds the key.
inline std::u16string_view AskChain(const LookupChain& chain, const CharacterKey& key) {
  std::size_t place = 0;
  if (chain.locate != nullptr) {
    place = chain.locate(key);
    if (place == kNoPlace) return {};
  }
  for (; place < chain.places.size(); ++place) {
    const SliceLookup lookup = chain.places[place].lookup;
    if (lookup == nullptr) continue;
    const std::u16string_view answer = lookup(key);
    if (!answer.empty()) return answer;
  }
  return {};
}

}  // namespace tavrel
