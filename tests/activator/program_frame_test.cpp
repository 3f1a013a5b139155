// What Vesktal.exe carries besides its code, read back from the built file:
// its imports, the version resource and the program icon. (The kind of
// executable is checked from the host, without Wine.)
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "program_paths.h"

namespace vesktal::testing {
namespace {

// The entry points that one import directory names, "library!name".
template <typename NtHeaders, typename Thunk>
std::vector<std::string> ImportsOf(const std::uint8_t* base, const NtHeaders* nt, bool (*by_ordinal)(const Thunk&)) {
  std::vector<std::string> imported;
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  const auto* library = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
  for (; directory.VirtualAddress != 0 && library->Name != 0; ++library) {
    std::string library_name = reinterpret_cast<const char*>(base + library->Name);
    for (char& c : library_name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const DWORD names = library->OriginalFirstThunk != 0 ? library->OriginalFirstThunk : library->FirstThunk;
    for (const auto* thunk = reinterpret_cast<const Thunk*>(base + names); thunk->u1.AddressOfData != 0; ++thunk) {
      if (by_ordinal(*thunk)) continue;
      const auto* by_name = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + thunk->u1.AddressOfData);
      imported.push_back(library_name + "!" + reinterpret_cast<const char*>(by_name->Name));
    }
  }
  return imported;
}

// The entry points that the program file imports, read from the image mapped
// without running it, in the format of a 32-bit or of a 64-bit program.
std::vector<std::string> ImportedEntryPoints(const std::wstring& path) {
  HMODULE image = LoadLibraryExW(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (image == nullptr) return {};
  const auto* base = reinterpret_cast<const std::uint8_t*>(image);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt32 = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
  std::vector<std::string> imported;
  if (nt32->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
    imported = ImportsOf<IMAGE_NT_HEADERS64, IMAGE_THUNK_DATA64>(
        base, reinterpret_cast<const IMAGE_NT_HEADERS64*>(nt32),
        [](const IMAGE_THUNK_DATA64& thunk) { return IMAGE_SNAP_BY_ORDINAL64(thunk.u1.Ordinal); });
  } else {
    imported = ImportsOf<IMAGE_NT_HEADERS32, IMAGE_THUNK_DATA32>(
        base, nt32, [](const IMAGE_THUNK_DATA32& thunk) { return IMAGE_SNAP_BY_ORDINAL32(thunk.u1.Ordinal); });
  }
  FreeLibrary(image);
  return imported;
}

TEST(VesktalProgramFrame, BindsItsTwoEntryPointsAtRunTimeOnly) {
  const std::vector<std::string> imported = ImportedEntryPoints(VesktalExe());
  // The reader sees the imports that are there: the message box is one.
  ASSERT_NE(std::find(imported.begin(), imported.end(), "user32.dll!MessageBoxW"), imported.end());
  for (const std::string& entry : imported) {
    EXPECT_EQ(entry.find("GetSystemDirectoryA"), std::string::npos) << entry;
    EXPECT_EQ(entry.find("ImmInstallIME"), std::string::npos) << entry;
    EXPECT_NE(entry.rfind("imm32", 0), 0u) << entry;
  }
}

class VesktalVersion : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring exe = VesktalExe();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &handle);
    ASSERT_GT(size, 0u);
    data_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, data_.data()));
  }

  std::wstring String(const std::wstring& block, const wchar_t* field) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\" + block + L"\\" + field;
    if (!VerQueryValueW(data_.data(), path.c_str(), &value, &length) || value == nullptr) return L"(none)";
    return static_cast<const wchar_t*>(value);
  }

  std::vector<char> data_;
};

TEST_F(VesktalVersion, FixedPartIsVersion1OfAnApplicationFor32BitWindows) {
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data_.data(), L"\\", &value, &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileFlags, 0u);
  EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VesktalVersion, OneTranslationChinesePrcUtf16) {
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &value, &length));
  ASSERT_EQ(length, 4u);
  const auto* pair = static_cast<const WORD*>(value);
  EXPECT_EQ(pair[0], 2052);
  EXPECT_EQ(pair[1], 1200);
}

TEST_F(VesktalVersion, StringFields) {
  struct Field {
    const wchar_t* name;
    const wchar_t* value;
  };
  const Field fields[] = {
      {L"CompanyName", L"Vesktal developers"}, {L"ProductName", L"Ombrik输入法"},
      {L"FileVersion", L"1.00"},               {L"ProductVersion", L"1.00"},
      {L"InternalName", L"Vesktal"},           {L"OriginalFilename", L"Vesktal.exe"},
  };
  for (const Field& field : fields) {
    EXPECT_EQ(String(L"080404b0", field.name), field.value)
        << std::string(field.name, field.name + wcslen(field.name));
  }
}

// The resource types, as wide-character identifiers.
const LPCWSTR kIcon = MAKEINTRESOURCEW(3);
const LPCWSTR kIconGroup = MAKEINTRESOURCEW(14);

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
  reinterpret_cast<std::vector<ULONG_PTR>*>(param)->push_back(reinterpret_cast<ULONG_PTR>(name));
  return TRUE;
}

// Numbered resources of one type (names given as text would not be numbers).
std::vector<ULONG_PTR> ResourceNames(HMODULE module, LPCWSTR type) {
  std::vector<ULONG_PTR> names;
  EnumResourceNamesW(module, type, CountName, reinterpret_cast<LONG_PTR>(&names));
  return names;
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bits_per_pixel;
  DWORD bytes;
  WORD id;
};
struct IconGroup {
  WORD reserved, type, count;
  IconGroupEntry entries[1];
};
#pragma pack(pop)

TEST(VesktalProgramFrame, IconGroup1HoldsTheOpaque16By16Image30001) {
  HMODULE exe = LoadLibraryExW(VesktalExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  EXPECT_EQ(ResourceNames(exe, kIconGroup), std::vector<ULONG_PTR>{1});
  EXPECT_EQ(ResourceNames(exe, kIcon), std::vector<ULONG_PTR>{30001});

  HRSRC group_info = FindResourceW(exe, MAKEINTRESOURCEW(1), kIconGroup);
  ASSERT_NE(group_info, nullptr);
  ASSERT_GE(SizeofResource(exe, group_info), sizeof(IconGroup));
  const auto* group = static_cast<const IconGroup*>(LockResource(LoadResource(exe, group_info)));
  EXPECT_EQ(group->type, 1);
  ASSERT_EQ(group->count, 1);
  EXPECT_EQ(group->entries[0].width, 16);
  EXPECT_EQ(group->entries[0].height, 16);
  EXPECT_EQ(group->entries[0].bits_per_pixel, 8);
  EXPECT_EQ(group->entries[0].id, 30001);

  HRSRC image_info = FindResourceW(exe, MAKEINTRESOURCEW(30001), kIcon);
  ASSERT_NE(image_info, nullptr);
  const DWORD size = SizeofResource(exe, image_info);
  const auto* image = static_cast<const BYTE*>(LockResource(LoadResource(exe, image_info)));
  EXPECT_EQ(group->entries[0].bytes, size);
  BITMAPINFOHEADER header;
  ASSERT_GE(size, sizeof header);
  std::memcpy(&header, image, sizeof header);
  EXPECT_EQ(header.biWidth, 16);
  EXPECT_EQ(header.biHeight, 32);  // the colour bitmap and the mask
  EXPECT_EQ(header.biBitCount, 8);
  EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_TRUE(header.biClrUsed == 0 || header.biClrUsed == 256);

  const DWORD palette = 256 * 4, pixels = 16 * 16, mask = 16 * 4;
  ASSERT_EQ(size, header.biSize + palette + pixels + mask);
  const BYTE* mask_bits = image + header.biSize + palette + pixels;
  EXPECT_EQ(std::vector<BYTE>(mask_bits, mask_bits + mask), std::vector<BYTE>(mask, 0)) << "not fully opaque";

  // The system takes it as an icon.
  HICON icon = static_cast<HICON>(LoadImageW(exe, MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0));
  EXPECT_NE(icon, nullptr);
  if (icon != nullptr) DestroyIcon(icon);
  FreeLibrary(exe);
}

}  // namespace
}  // namespace vesktal::testing
