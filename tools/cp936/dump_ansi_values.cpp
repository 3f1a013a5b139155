// Prints the system ANSI code page's value of every UTF-16 code unit, one
// line per code unit: "XXXX VVVV", both in hexadecimal, the value as the
// 16-bit pattern of the signed ANSI value. Run under Wine with code page 936
// by tools/cp936/make-ansi-values; its output is the committed classification
// that the native build of the driver uses.
#include <windows.h>

#include <cstdio>

int main() {
  for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
    const wchar_t wide = static_cast<wchar_t>(unit);
    char bytes[4] = {};
    BOOL used_default = FALSE;
    const int count = WideCharToMultiByte(CP_ACP, 0, &wide, 1, bytes, sizeof bytes, "?", &used_default);
    unsigned value = static_cast<unsigned char>(bytes[0]);
    if (count == 2) value = value << 8 | static_cast<unsigned char>(bytes[1]);
    if (count <= 0) value = '?';
    std::printf("%04X %04X\n", unit, value);
  }
  std::printf("code page %u\n", GetACP());
  return 0;
}
