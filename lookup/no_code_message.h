#pragma once

#include <string>

#include "lookup/lookup_chain.h"

namespace tavrel {

// Shows the message that a key has no code, NoCodeMessageText(key), and
// returns once the user has closed it. On Windows a modal message box; in
// tests a recorder.
class NoCodePresenter {
 public:
  virtual ~NoCodePresenter() = default;
  virtual void ShowNoCode(const CharacterKey& key) = 0;
};

// "无法给 " + key + " 编码", the key as it stands, whatever its length.
std::u16string NoCodeMessageText(const CharacterKey& key);

}  // namespace tavrel
