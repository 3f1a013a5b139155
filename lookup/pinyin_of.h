#pragma once

#include <string_view>

#include "lookup/lookup_chain.h"

namespace tavrel {

// The reading chain (module HzPy): the key's reading list, or the key itself
// when no reading slice holds it. Never empty for a non-empty key.
//
// The answer views either the table's constant data or the key, so the key
// must outlive it; a temporary key is refused at compile time.
inline std::u16string_view PinyinOf(const CharacterKey& key, const LookupChain& reading_slices) {
  const std::u16string_view reading = AskChain(reading_slices, key);
  return reading.empty() ? std::u16string_view(key) : reading;
}
std::u16string_view PinyinOf(CharacterKey&& key, const LookupChain& reading_slices) = delete;

}  // namespace tavrel
