// CodeOf through the real code chain: hits in every one of the nine slices,
// and misses, which end at the (here silent) no-code message.
#include <benchmark/benchmark.h>

#include <vector>

#include "lookup/code_of.h"
#include "tables/codes/code_table.h"
#include "tests/support/lookup_fakes.h"

namespace {

using namespace tavrel;
using tavrel::testing::SilentPresenter;

// The first `per_slice` ideographs that each slice holds, slice by slice.
std::vector<CharacterKey> KeysOfEverySlice(std::size_t per_slice) {
  const LookupChain& chain = CodeSlices();
  std::vector<CharacterKey> keys;
  for (std::size_t place = 0; place < chain.place_names.size(); ++place) {
    std::size_t found = 0;
    for (char16_t c = u'\u4E00'; c <= u'\u9FA5' && found < per_slice; ++c) {
      const CharacterKey key(1, c);
      if (chain.table.SliceOf(key) == place) {
        keys.push_back(key);
        ++found;
      }
    }
  }
  return keys;
}

std::vector<CharacterKey> EveryIdeograph() {
  std::vector<CharacterKey> keys;
  for (char16_t c = u'\u4E00'; c <= u'\u9FA5'; ++c) keys.emplace_back(1, c);
  return keys;
}

void RunCodeOf(benchmark::State& state, const std::vector<CharacterKey>& keys) {
  SilentPresenter presenter;
  const LookupChain& chain = CodeSlices();
  for (auto _ : state)
    for (const CharacterKey& key : keys) benchmark::DoNotOptimize(CodeOf(key, chain, presenter));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(keys.size()));
}

void BM_CodeOfHitsInEverySlice(benchmark::State& state) { RunCodeOf(state, KeysOfEverySlice(16)); }

void BM_CodeOfEveryIdeograph(benchmark::State& state) { RunCodeOf(state, EveryIdeograph()); }

void BM_CodeOfFurtherKeys(benchmark::State& state) {
  RunCodeOf(state, {u"\u3007", u"\u304F", u"\u30F0", u"\u3128", u"\uE815", u"\uE831", u"\uE836", u"\uE848",
                    u"\uE855", u"\uFA0C"});
}

void BM_CodeOfMisses(benchmark::State& state) {
  RunCodeOf(state, {u"\uFF0C", u"\u3002", u"\u3000", u"\u3400", u"\u4DFF", u"\u9FA6", u"\uFA0D", u"\u3090",
                    u"\uE81A", u"\U00020000", u"", u"中国"});
}

BENCHMARK(BM_CodeOfHitsInEverySlice);
BENCHMARK(BM_CodeOfEveryIdeograph);
BENCHMARK(BM_CodeOfFurtherKeys);
BENCHMARK(BM_CodeOfMisses);

}  // namespace
