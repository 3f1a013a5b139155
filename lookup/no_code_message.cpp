#include "lookup/no_code_message.h"

namespace tavrel {

std::u16string NoCodeMessageText(const CharacterKey& key) {
  return u"无法给 " + key + u" 编码";
}

}  // namespace tavrel
