#include "lookup/lookup_chain.h"

namespace tavrel {

std::u16string_view AskChain(const LookupChain& chain, const CharacterKey& key) {
  std::size_t first = 0;
  if (chain.locate != nullptr) {
    const std::optional<std::size_t> place = chain.locate(key);
    if (!place) return {};
    first = *place;
  }
  for (std::size_t place = first; place < chain.places.size(); ++place) {
    const TableSlice& slice = chain.places[place];
    if (slice.lookup == nullptr) continue;
    const std::u16string_view answer = slice.lookup(key);
    if (!answer.empty()) return answer;
  }
  return {};
}

}  // namespace tavrel
