// The interface between Tavrel's lookup chains and the tables they ask.
//
// A table is cut into slices. Each slice holds the values of a run of
// consecutive table entries and answers a Character key with the value it
// holds for exactly that key, or with the empty string when it does not hold
// it. A chain asks its slices by place, in a fixed order, and the first
// answer that is not empty is the result.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "lookup/table_index.h"

namespace tavrel {

// The string a chain is asked about. The driver always passes exactly one
// UTF-16 code unit; any other length is never held by a slice.
using CharacterKey = std::u16string;

// A named slice of a table ("PinyinOf_A_Bai", "CodeOf_AA_DB", ...), for
// whoever asks one slice alone. The answer points into the table's constant
// data (or is empty), so it stays valid for the life of the program.
using SliceLookup = std::u16string_view (*)(const CharacterKey& key);

// The places of a chain are data: place k (from 1) is slice k - 1 of the
// chain's table, so the chain reads the table's index itself. No key is held
// by two slices of one table, so the first place whose slice holds the key is
// the only one; a chain with no places answers every key as a miss.
struct LookupChain {
  const TableIndex& table;
  std::span<const char* const> place_names;  // place 1 is place_names[0]
};

// The answer of the first place of the chain that holds the key, or the empty
// string when no place holds it.
constexpr std::u16string_view AskChain(const LookupChain& chain, const CharacterKey& key) {
  return chain.table.ValueInFirstSlices(key, chain.place_names.size());
}

}  // namespace tavrel
