// Tavrel: the window abc is created from its description, loaded and shown;
// from then on everything happens in its event handlers, and the program
// ends when the window is unloaded.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "lookup/text1_change.h"
#include "tavrel/win32/abc_window.h"
#include "tavrel/win32/message_box_presenter.h"
#include "tavrel/win32/system_code_page.h"
#include "tavrel/win32/tray_shell.h"
#include "tables/codes/code_table.h"
#include "tables/pinyin/reading_table.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  const tavrel::win32::SystemAnsiCodePage code_page;
  tavrel::win32::MessageBoxPresenter no_code;
  const tavrel::LookupServices services{code_page, tavrel::ReadingSlices(), tavrel::CodeSlices(), no_code};

  tavrel::win32::TrayShellWin32 tray_shell;
  const auto hook = reinterpret_cast<tavrel::tray::Handle>(&tavrel::win32::TrayWindowProc);
  tavrel::tray::FormR tray(tray_shell, code_page, hook);

  tavrel::win32::AbcWindow abc(instance, services, tray);
  abc.Create();
  no_code.SetOwner(abc.Handle());
  abc.Load();
  abc.ShowFirstTime(show_command);

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab and Shift+Tab go from box to box.
    if (abc.Handle() != nullptr && IsDialogMessageW(abc.Handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  OleUninitialize();
  return 0;
}
