// Calls an entry point of a library that does not exist, the way Vesktal
// calls its own: the call must end the program with a report.
#include <windows.h>

#include "activator/win32/entry_point.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // No header declares this entry point, which exists in no library: its
  // type is written by hand.
  vesktal::win32::EntryPoint<int(WINAPI*)()> missing{"vesktal_no_such_library", "NoSuchEntryPoint"};
  missing();
  return 0;  // not reached
}
