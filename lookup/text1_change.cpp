#include "lookup/text1_change.h"

#include <utility>

#include "lookup/code_of.h"
#include "lookup/pinyin_of.h"
#include "lookup/trim_spaces.h"

namespace tavrel {
namespace {

// A line written a stretch at a time into room made ahead: a stretch costs
// one test for room and one copy, with none of a string's bookkeeping.
class LineWriter {
 public:
  explicit LineWriter(std::size_t expected) { text_.resize(expected); }

  void Put(char16_t unit) { *Room(1) = unit; }
  void Put(std::u16string_view units) { std::char_traits<char16_t>::copy(Room(units.size()), units.data(), units.size()); }

  // A reading of two or more words shows its first word alone and the others
  // in parentheses, and a space follows: "hang heng xing" becomes
  // "hang(heng xing) ".
  void PutReading(std::u16string_view reading) {
    char16_t* const room = Room(reading.size() + 2);
    std::char_traits<char16_t>::copy(room, reading.data(), reading.size());
    char16_t* end = room + reading.size();
    if (const char16_t* const space = std::char_traits<char16_t>::find(room, reading.size(), u' ')) {
      room[space - room] = u'(';
      *end++ = u')';
    }
    *end++ = u' ';
    used_ = static_cast<std::size_t>(end - text_.data());
  }

  // The line, trimmed of U+0020 at both ends.
  std::u16string Take() && {
    text_.resize(used_);
    TrimSpacesInPlace(text_);
    return std::move(text_);
  }

 private:
  // Room for `count` more units, counted as written.
  char16_t* Room(std::size_t count) {
    if (text_.size() - used_ < count) text_.resize(2 * (used_ + count));
    char16_t* const room = text_.data() + used_;
    used_ += count;
    return room;
  }

  std::u16string text_;
  std::size_t used_ = 0;
};

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
    reading_line.PutReading(reading);
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
