#include "lookup/text1_change.h"

#include <utility>

#include "lookup/code_of.h"
#include "lookup/pinyin_of.h"
#include "lookup/trim_spaces.h"

namespace tavrel {
namespace {

// A line written a stretch at a time into room made ahead: a stretch costs
// one test for room and its stores, with none of a string's bookkeeping.
class LineWriter {
 public:
  explicit LineWriter(std::size_t expected) { text_.resize(expected); }

  void Put(char16_t unit) { Put(std::u16string_view(&unit, 1)); }
  void Put(std::u16string_view units) {
    if (text_.size() - used_ < units.size()) text_.resize(2 * (used_ + units.size()));
    char16_t* const room = text_.data() + used_;
    for (std::size_t i = 0; i < units.size(); ++i) room[i] = units[i];
    used_ += units.size();
  }

  // The line, trimmed of U+0020 at both ends.
  std::u16string Take() && {
    text_.resize(used_);
    TrimSpacesInPlace(text_);
    return std::move(text_);
  }

 private:
  std::u16string text_;
  std::size_t used_ = 0;
};

// A reading of two or more words shows its first word alone and the others in
// parentheses: "hang heng xing" becomes "hang(heng xing)".
void PutParenthesized(LineWriter& line, std::u16string_view reading) {
  const std::size_t space = reading.find(u' ');
  if (space == std::u16string_view::npos) {
    line.Put(reading);
    return;
  }
  line.Put(reading.substr(0, space));
  line.Put(u'(');
  line.Put(reading.substr(space + 1));
  line.Put(u')');
}

}  // namespace

LookupLines BuildLookupLines(std::u16string_view input, const LookupServices& services) {
  const std::u16string_view trimmed = TrimSpaces(input);
  // A code and its space take at most three units for each unit of input; a
  // reading with its parentheses and spaces takes about eight on average.
  LineWriter code_line(3 * trimmed.size());
  LineWriter reading_line(8 * trimmed.size());
  CharacterKey key(1, u'\0');  // the unit looked up, for both chains
  bool after_plain_run = false;

  for (const char16_t unit : trimmed) {
    if (IsPlain(services.code_page.AnsiValue(unit))) {
      code_line.Put(unit);
      reading_line.Put(unit);
      after_plain_run = true;
      continue;
    }

    key[0] = unit;
    const std::u16string_view reading = PinyinOf(key, services.reading_slices);
    const std::u16string_view code = CodeOf(key, services.code_slices, services.no_code);

    code_line.Put(code);
    code_line.Put(u' ');
    if (after_plain_run) {
      after_plain_run = false;
      reading_line.Put(u' ');
    }
    PutParenthesized(reading_line, reading);
    reading_line.Put(u' ');
  }

  return {std::move(code_line).Take(), std::move(reading_line).Take()};
}

void Text1_Change(LookupBoxes& boxes, const LookupServices& services) {
  const std::u16string input = boxes.Text1();
  const LookupLines lines = BuildLookupLines(input, services);
  boxes.SetText2(lines.code_line);
  boxes.SetText3(lines.reading_line);
}

}  // namespace tavrel
