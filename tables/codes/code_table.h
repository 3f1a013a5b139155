#pragma once

#include "lookup/lookup_chain.h"

namespace tavrel {

// The CodeTable (module 简繁汉字编码): its nine code slices, places 1 to 9 of
// the chain CodeOf.
const LookupChain& CodeSlices();

}  // namespace tavrel
