// How the code slices find a key: a dense index over the ideographs
// U+4E00..U+9FA5 and a short sorted list of the further keys, both giving the
// number of the key's code (its place among the 675 codes in ascending
// order), and one text holding every code. Slice s holds the codes numbered
// s * codes_per_slice up to (s + 1) * codes_per_slice, so the number of a
// key's code also tells which slice holds the key.
//
// Every lookup is a length test, one range test and one load for an
// ideograph, or a search of the few further keys: constant time.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "lookup/lookup_chain.h"

namespace tavrel {

struct FurtherCodeKey {
  char16_t key;
  std::uint16_t code;  // number of the key's code
};

struct CodeIndex {
  char16_t first_ideograph;                          // the key of code_of_ideograph[0]
  std::span<const std::uint16_t> code_of_ideograph;  // one entry for every key from first_ideograph on
  std::span<const FurtherCodeKey> further_keys;      // the other keys, ascending
  std::u16string_view code_text;                     // code n is code_text[2n, 2n + 2)
  std::size_t codes_per_slice;

  static constexpr std::size_t kCodeLength = 2;
  static constexpr std::size_t kNoCode = std::numeric_limits<std::size_t>::max();

  // The number of the key's code, or kNoCode when the key is not exactly one
  // code unit or is no key of the table.
  constexpr std::size_t CodeNumberOf(const CharacterKey& key) const {
    if (key.size() != 1) return kNoCode;
    const char16_t unit = key[0];
    const std::size_t offset = static_cast<std::size_t>(unit) - first_ideograph;
    if (offset < code_of_ideograph.size()) return code_of_ideograph[offset];
    const auto found = std::lower_bound(further_keys.begin(), further_keys.end(), unit,
                                        [](const FurtherCodeKey& entry, char16_t u) { return entry.key < u; });
    if (found == further_keys.end() || found->key != unit) return kNoCode;
    return found->code;
  }

  constexpr std::u16string_view Code(std::size_t number) const {
    return code_text.substr(number * kCodeLength, kCodeLength);
  }

  // The slice (0 for place 1) that holds the key, or kNoCode.
  constexpr std::size_t SliceOf(const CharacterKey& key) const {
    const std::size_t number = CodeNumberOf(key);
    return number == kNoCode ? kNoCode : number / codes_per_slice;
  }

  // What the slice answers: the key's code when the slice holds the key,
  // else the empty string.
  constexpr std::u16string_view CodeInSlice(const CharacterKey& key, std::size_t slice) const {
    const std::size_t number = CodeNumberOf(key);
    if (number == kNoCode || number / codes_per_slice != slice) return {};
    return Code(number);
  }
};

}  // namespace tavrel
