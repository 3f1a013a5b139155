#include "lookup/code_of.h"

namespace tavrel {

std::u16string_view CodeOf(const CharacterKey& key, const LookupChain& code_slices,
                           NoCodePresenter& presenter) {
  const std::u16string_view code = AskChain(code_slices, key);
  if (code.empty()) presenter.ShowNoCode(key);
  return code;
}

}  // namespace tavrel
