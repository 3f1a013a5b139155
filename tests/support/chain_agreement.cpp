#include "tests/support/chain_agreement.h"

#include <string_view>
#include <vector>

namespace tavrel::testing {
namespace {

std::u16string_view FirstSliceAnswer(std::span<const SliceLookup> slices, const CharacterKey& key) {
  for (const SliceLookup slice : slices) {
    const std::u16string_view answer = slice(key);
    if (!answer.empty()) return answer;
  }
  return {};
}

}  // namespace

std::optional<CharacterKey> FirstKeyWhereChainAndSlicesDiffer(const LookupChain& chain,
                                                              std::span<const SliceLookup> slices) {
  std::vector<CharacterKey> keys;
  for (unsigned unit = 0; unit <= 0xFFFF; ++unit) keys.emplace_back(1, static_cast<char16_t>(unit));
  keys.emplace_back();
  for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
    const CharacterKey held(1, static_cast<char16_t>(unit));
    if (AskChain(chain, held).empty()) continue;
    keys.insert(keys.end(), {held + held, held + u'\0', u'\0' + held, CharacterKey(100, held[0])});
    break;
  }
  for (const CharacterKey& key : keys)
    if (AskChain(chain, key) != FirstSliceAnswer(slices, key)) return key;
  return std::nullopt;
}

}  // namespace tavrel::testing
