#include "tavrel/win32/message_box_presenter.h"

#include "windows/wide_text.h"

namespace tavrel::win32 {

void MessageBoxPresenter::ShowNoCode(const CharacterKey& key) {
  const std::u16string text = NoCodeMessageText(key);
  MessageBoxW(owner_, windows::WideString(text), kApplicationTitle, MB_OK | MB_APPLMODAL);
}

}  // namespace tavrel::win32
