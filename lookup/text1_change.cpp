#include "lookup/text1_change.h"

#include "lookup/code_of.h"
#include "lookup/pinyin_of.h"
#include "lookup/trim_spaces.h"

namespace tavrel {
namespace {

// A reading of two or more words shows its first word alone and the others in
// parentheses: "hang heng xing" becomes "hang(heng xing)".
void AppendParenthesized(std::u16string& line, std::u16string_view reading) {
  const std::size_t space = reading.find(u' ');
  if (space == std::u16string_view::npos) {
    line += reading;
    return;
  }
  line += reading.substr(0, space);
  line += u'(';
  line += reading.substr(space + 1);
  line += u')';
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

    // Each chain gets a fresh key of its own.
    const CharacterKey reading_key(1, unit);
    const std::u16string_view reading = PinyinOf(reading_key, services.reading_slices);
    const CharacterKey code_key(1, unit);
    const std::u16string_view code = CodeOf(code_key, services.code_slices, services.no_code);

    code_line += code;
    code_line += u' ';
    if (after_plain_run) {
      after_plain_run = false;
      reading_line += u' ';
    }
    AppendParenthesized(reading_line, reading);
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
