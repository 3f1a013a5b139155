#pragma once

#include <windows.h>

#include "lookup/no_code_message.h"

namespace tavrel::win32 {

// Tavrel's title, the caption of its message boxes.
inline constexpr wchar_t kApplicationTitle[] = L"Zelvaran";

// The no-code message as a message box: OK only, no icon, modal to the
// application, captioned with the application title. Returns when closed.
class MessageBoxPresenter final : public NoCodePresenter {
 public:
  explicit MessageBoxPresenter(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  void ShowNoCode(const CharacterKey& key) override;

 private:
  HWND owner_;
};

}  // namespace tavrel::win32
