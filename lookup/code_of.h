#pragma once

#include <string_view>

#include "lookup/lookup_chain.h"
#include "lookup/no_code_message.h"

namespace tavrel {

// The code chain (module 简繁汉字编码): the key's two-letter code, viewing the
// table's constant data. When no code slice holds the key, shows the no-code
// message, waits until it is closed and returns the empty string.
inline std::u16string_view CodeOf(const CharacterKey& key, const LookupChain& code_slices,
                                  NoCodePresenter& presenter) {
  const std::u16string_view code = AskChain(code_slices, key);
  if (code.empty()) presenter.ShowNoCode(key);
  return code;
}

}  // namespace tavrel
