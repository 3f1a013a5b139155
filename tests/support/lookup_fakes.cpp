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

}  // namespace tavrel::testing
