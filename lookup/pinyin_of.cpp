#include "lookup/pinyin_of.h"

namespace tavrel {

std::u16string_view PinyinOf(const CharacterKey& key, const LookupChain& reading_slices) {
  const std::u16string_view reading = AskChain(reading_slices, key);
  return reading.empty() ? std::u16string_view(key) : reading;
}

}  // namespace tavrel
