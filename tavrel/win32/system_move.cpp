#include "tavrel/win32/system_move.h"

#include <cstdint>

#include "tavrel/win32/entry_point.h"

namespace tavrel::win32 {
namespace {

EntryPoint<decltype(&::ReleaseCapture)> release_capture("user32.dll", "ReleaseCapture");
EntryPoint<decltype(&::SendMessageA)> send_message("user32.dll", "SendMessageA");

}  // namespace

void BeginSystemMove(HWND window) {
  std::int32_t no_position = 0;
  release_capture();
  send_message(window, WM_NCLBUTTONDOWN, HTCAPTION, reinterpret_cast<LPARAM>(&no_position));
}

}  // namespace tavrel::win32
