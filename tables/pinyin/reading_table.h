#pragma once

#include "lookup/lookup_chain.h"

namespace tavrel {

// The PinyinTable (module HzPy): its 36 reading slices, places 1 to 36 of the
// chain PinyinOf.
const LookupChain& ReadingSlices();

}  // namespace tavrel
