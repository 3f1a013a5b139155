#include "tests/support/lookup_fakes.h"

namespace tavrel::testing {
namespace {

struct Row {
  char16_t character;
  std::u16string_view value;
};

std::u16string_view Find(std::span<const Row> rows, const CharacterKey& key) {
  if (key.size() != 1) return {};
  for (const Row& row : rows)
    if (row.character == key[0]) return row.value;
  return {};
}

constexpr Row kReadings[] = {
    {u'中', u"zhong"}, {u'行', u"hang heng xing"}, {u'好', u"hao"}, {u'呵', u"a ha he ke"}};
constexpr Row kCodes[] = {
    {u'中', u"oi"}, {u'行', u"rj"}, {u'好', u"nt"}, {u'呵', u"oj"}, {u'〇', u"oo"}};

}  // namespace

std::u16string_view SmallReadingSlice(const CharacterKey& key) { return Find(kReadings, key); }
std::u16string_view SmallCodeSlice(const CharacterKey& key) { return Find(kCodes, key); }

std::string Utf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | c >> 12);
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | c >> 18);
      out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace tavrel::testing
