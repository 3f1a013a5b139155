// PinyinOf over the real reading table: hits spread over all 36 places, every
// character of the table, and misses. Items are lookups.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "lookup/pinyin_of.h"
#include "tables/pinyin/reading_table.h"

namespace {

using namespace tavrel;

std::vector<CharacterKey> AllCharacters() {
  std::vector<CharacterKey> keys;
  for (char16_t unit = 0x4E00; unit <= 0x9FA5; ++unit) keys.emplace_back(1, unit);
  return keys;
}

// One character of every place, chosen by the table's own index.
std::vector<CharacterKey> OneCharacterOfEveryPlace() {
  const LookupChain& chain = ReadingSlices();
  std::vector<CharacterKey> keys(chain.place_names.size());
  for (const CharacterKey& key : AllCharacters()) {
    const std::size_t place = chain.table.SliceOf(key);
    if (keys[place].empty()) keys[place] = key;
  }
  return keys;
}

std::vector<CharacterKey> Misses() {
  return {u"A", u"\u3007", u"\uFF0C", u"\u3000", u"\u4DFF", u"\u9FA6", u"\uE815", CharacterKey(1, char16_t{0xD800}),
          u"", u"中行"};
}

void Lookups(benchmark::State& state, const std::vector<CharacterKey>& keys) {
  const LookupChain& chain = ReadingSlices();
  for (auto _ : state)
    for (const CharacterKey& key : keys) benchmark::DoNotOptimize(PinyinOf(key, chain));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(keys.size()));
  state.counters["keys"] = static_cast<double>(keys.size());
}

void BM_PinyinOfHitEveryPlace(benchmark::State& state) { Lookups(state, OneCharacterOfEveryPlace()); }
void BM_PinyinOfHitEveryCharacter(benchmark::State& state) { Lookups(state, AllCharacters()); }
void BM_PinyinOfMiss(benchmark::State& state) { Lookups(state, Misses()); }


BENCHMARK(BM_PinyinOfHitEveryPlace);
BENCHMARK(BM_PinyinOfHitEveryCharacter);
BENCHMARK(BM_PinyinOfMiss);

}  // namespace
