#include "tavrel/win32/message_box_presenter.h"

namespace tavrel::win32 {

void MessageBoxPresenter::ShowNoCode(const CharacterKey& key) {
  const std::u16string text = NoCodeMessageText(key);
  const std::wstring wide(text.begin(), text.end());
  MessageBoxW(owner_, wide.c_str(), kApplicationTitle, MB_OK | MB_APPLMODAL);
}

}  // namespace tavrel::win32
