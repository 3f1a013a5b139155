// Feeds the driver arbitrary UTF-16 text with the real tables and checks what
// must hold of every run: both lines trimmed, every plain character of the
// input but spaces on both lines in input order, one message per looked-up character
// without a code.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lookup/code_of.h"
#include "lookup/cp936/fixed_cp936.h"
#include "lookup/text1_change.h"
#include "lookup/trim_spaces.h"
#include "tables/codes/code_table.h"
#include "tables/pinyin/reading_table.h"

namespace {

using namespace tavrel;

class CountingPresenter final : public NoCodePresenter {
 public:
  void ShowNoCode(const CharacterKey&) override { ++count; }
  std::size_t count = 0;
};

void Require(bool condition) {
  if (!condition) std::abort();
}

// Whether the plain characters of the input appear on the line in their order.
// Spaces are left out: a plain space can end up at an end of a line, where
// the final trimming takes it away.
bool HoldsPlainInOrder(std::u16string_view input, std::u16string_view line, const AnsiCodePage& page) {
  std::size_t at = 0;
  for (const char16_t unit : input) {
    if (unit == u' ' || !IsPlain(page.AnsiValue(unit))) continue;
    at = line.find(unit, at);
    if (at == std::u16string_view::npos) return false;
    ++at;
  }
  return true;
}

bool Trimmed(std::u16string_view line) { return TrimSpaces(line) == line; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string input;
  for (std::size_t i = 0; i + 1 < size; i += 2) input.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));

  static const FixedCp936 gbk;
  CountingPresenter presenter;
  const LookupLines lines = BuildLookupLines(input, {gbk, ReadingSlices(), CodeSlices(), presenter});

  Require(Trimmed(lines.code_line));
  Require(Trimmed(lines.reading_line));
  const std::u16string_view walked = TrimSpaces(input);
  Require(HoldsPlainInOrder(walked, lines.code_line, gbk));
  Require(HoldsPlainInOrder(walked, lines.reading_line, gbk));

  std::size_t without_code = 0;
  for (const char16_t unit : walked) {
    if (IsPlain(gbk.AnsiValue(unit))) continue;
    if (AskChain(CodeSlices(), CharacterKey(1, unit)).empty()) ++without_code;
  }
  Require(presenter.count == without_code);
  return 0;
}
