// Stand-ins for what the driver needs from around it: small tables and
// presenters of the no-code message (code pages: tests/support/code_pages.h).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/lookup_chain.h"
#include "lookup/no_code_message.h"
#include "tests/support/small_table.h"
#include "tests/support/utf8.h"

namespace tavrel::testing {

class RecordingPresenter final : public NoCodePresenter {
 public:
  void ShowNoCode(const CharacterKey& key) override { texts.push_back(NoCodeMessageText(key)); }
  std::vector<std::u16string> texts;
};

class SilentPresenter final : public NoCodePresenter {
 public:
  void ShowNoCode(const CharacterKey&) override {}
};

// A few rows of the real tables, enough for the driver's cases, each table in
// one slice: 中 行 好 呵 with their readings and codes, and 〇 U+3007, which
// has a code but no reading.
const SmallTable& SmallReadingTable();
const SmallTable& SmallCodeTable();

inline constexpr std::array<const char*, 1> kSmallReadingPlaces{"SmallReadings"};
inline constexpr std::array<const char*, 1> kSmallCodePlaces{"SmallCodes"};
inline const LookupChain kSmallReadingChain{SmallReadingTable().index(), kSmallReadingPlaces};
inline const LookupChain kSmallCodeChain{SmallCodeTable().index(), kSmallCodePlaces};

}  // namespace tavrel::testing
