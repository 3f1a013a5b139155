#include "lookup/text1_change.h"

#include "lookup/code_of.h"
#include "lookup/pinyin_of.h"
#include "lookup/trim_spaces.h"

namespace tavrel {
namespace {

// A reading of two or more words shows its first word alone and the others in
// parentheses: "hang heng xing" becomes "hang(heng xing)".
void ParenthesizeAfterFirstWord(std::u16string& reading) {
  const std::size_t space = reading.find(u' ');
  if (space == std::u16string::npos) return;
  reading[space] = u'(';
  reading.push_back(u')');
}

}  // namespace

LookupLines BuildLookupLines(std::u16string_view input, const LookupServices& services) {
  const std::u16string_view trimmed = TrimSpaces(input);
  std::u16string code_line;
  std::u16string reading_line;
  bool after_plain_run = false;

  for (const char16_t unit : trimmed) {
    if (IsPlain(services.code_page.AnsiValue(unit))) {
      code_line.push_back(unit);
      reading_line.push_back(unit);
      after_plain_run = true;
      continue;
    }

    std::u16string reading = PinyinOf(CharacterKey(1, unit), services.reading_slices);
    const std::u16string code =
        CodeOf(CharacterKey(1, unit), services.code_slices, services.no_code);
    ParenthesizeAfterFirstWord(reading);

    code_line += code;
    code_line += u' ';
    if (after_plain_run) {
      after_plain_run = false;
      reading_line += u' ';
    }
    reading_line += reading;
    reading_line += u' ';
  }

  return {std::u16string(TrimSpaces(code_line)), std::u16string(TrimSpaces(reading_line))};
}

void Text1_Change(LookupBoxes& boxes, const LookupServices& services) {
  const std::u16string input = boxes.Text1();
  const LookupLines lines = BuildLookupLines(input, services);
  boxes.SetText2(lines.code_line);
  boxes.SetText3(lines.reading_line);
}

}  // namespace tavrel
