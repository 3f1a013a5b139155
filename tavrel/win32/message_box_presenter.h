#pragma once

#include <windows.h>

#include "lookup/no_code_message.h"
#include "tavrel/win32/application_title.h"

namespace tavrel::win32 {

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
