#pragma once

#include <string>

#include "lookup/lookup_chain.h"

namespace tavrel {

// The reading chain (module HzPy): the key's reading list, or a copy of the
// key itself when no reading slice holds it. Never empty for a non-empty key.
std::u16string PinyinOf(const CharacterKey& key, const LookupChain& reading_slices);

}  // namespace tavrel
