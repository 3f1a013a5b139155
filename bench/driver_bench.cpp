// One run of the driver over an input of about twenty characters.
#include <benchmark/benchmark.h>

#include "lookup/cp936/fixed_cp936.h"
#include "lookup/text1_change.h"
#include "tables/codes/code_table.h"
#include "tables/pinyin/reading_table.h"
#include "tests/support/lookup_fakes.h"

namespace {

using namespace tavrel;
using tavrel::testing::SilentPresenter;

void RunDriver(benchmark::State& state, const std::u16string& input) {
  const FixedCp936 gbk;
  SilentPresenter presenter;
  const LookupServices services{gbk, ReadingSlices(), CodeSlices(), presenter};
  for (auto _ : state) benchmark::DoNotOptimize(BuildLookupLines(input, services));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}

void BM_DriverChinese(benchmark::State& state) { RunDriver(state, u"中行好呵一龥中华人民共和国的天下山川"); }
void BM_DriverMixed(benchmark::State& state) { RunDriver(state, u"ab 中行 cd，好 ef 〇 gh"); }

BENCHMARK(BM_DriverChinese);
BENCHMARK(BM_DriverMixed);

}  // namespace
