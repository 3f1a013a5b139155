// Whether a chain answers every key as its named slices, asked one by one in
// place order, do.
#pragma once

#include <optional>
#include <span>

#include "lookup/lookup_chain.h"

namespace tavrel::testing {

// The first key for which AskChain differs from the first answer that is not
// empty of slices[0], slices[1], ..., or nothing when they agree on every key:
// each of the 65,536 keys of one code unit, the empty key, and keys of two and
// more units made of a unit the chain holds.
std::optional<CharacterKey> FirstKeyWhereChainAndSlicesDiffer(const LookupChain& chain,
                                                              std::span<const SliceLookup> slices);

}  // namespace tavrel::testing
