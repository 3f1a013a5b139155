#pragma once

#include <string>

#include "lookup/lookup_chain.h"

namespace tavrel {

// Shows the message that a character has no code and returns once the user
// has closed it. On Windows a modal message box; in tests a recorder.
class NoCodePresenter {
 public:
  virtual ~NoCodePresenter() = default;
  virtual void ShowNoCode(const std::u16string& text) = 0;
};

// "无法给 " + key + " 编码", the key as it stands, whatever its length.
std::u16string NoCodeMessageText(const CharacterKey& key);

}  // namespace tavrel
