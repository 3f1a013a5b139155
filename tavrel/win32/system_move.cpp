#include "tavrel/win32/system_move.h"

#include <cstdint>

#include "tavrel/win32/entry_point.h"

namespace tavrel::win32 {
namespace {

using ReleaseCaptureFunction = BOOL(WINAPI*)();
using SendMessageFunction = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

EntryPoint<ReleaseCaptureFunction> release_capture("user32.dll", "ReleaseCapture");
EntryPoint<SendMessageFunction> send_message("user32.dll", "SendMessageA");

}  // namespace

void BeginSystemMove(HWND window) {
  std::int32_t no_position = 0;
  release_capture();
  send_message(window, WM_NCLBUTTONDOWN, HTCAPTION, reinterpret_cast<LPARAM>(&no_position));
}

}  // namespace tavrel::win32
