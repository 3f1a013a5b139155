#include "lookup/pinyin_of.h"

namespace tavrel {

std::u16string PinyinOf(const CharacterKey& key, const LookupChain& reading_slices) {
  const std::u16string_view reading = AskChain(reading_slices, key);
  if (reading.empty()) return key;
  return std::u16string(reading);
}

}  // namespace tavrel
