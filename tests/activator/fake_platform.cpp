#include "fake_platform.h"

#include <algorithm>
#include <utility>

namespace vesktal::testing {
namespace {

// The double-byte characters the tests use, with their GBK bytes.
constexpr std::pair<char16_t, const char*> kDoubleByte[] = {
    {u'中', "\xD6\xD0"}, {u'文', "\xCE\xC4"}, {u'输', "\xCA\xE4"},
    {u'入', "\xC8\xEB"}, {u'法', "\xB7\xA8"}, {u'版', "\xB0\xE6"},
};

// UTF-16 as UTF-8, for failure output only.
std::string Utf8(std::u16string_view text) {
  std::string bytes;
  for (const char16_t unit : text) {
    if (unit < 0x80) {
      bytes += static_cast<char>(unit);
    } else if (unit < 0x800) {
      bytes += static_cast<char>(0xC0 | (unit >> 6));
      bytes += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      bytes += static_cast<char>(0xE0 | (unit >> 12));
      bytes += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return bytes;
}

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    if (value >= 0x20 && value < 0x7F) {
      text += byte;
    } else {
      text += "\\x";
      text += kDigits[value >> 4];
      text += kDigits[value & 0xF];
    }
  }
  return text;
}

}  // namespace

void PrintTo(const InstallCall& call, std::ostream* out) {
  *out << "ImmInstallIMEA(\"" << Hex(call.file) << "\", \"" << Hex(call.layout_text) << "\")";
}

void PrintTo(const MessageBoxCall& call, std::ostream* out) {
  *out << "MessageBox(\"" << Utf8(call.text) << "\", style " << call.style << ")";
}

std::uint32_t FakePlatform::GetSystemDirectoryA(std::span<char> buffer) {
  directory_buffer_sizes.push_back(buffer.size());
  if (system_directory_fails) return 0;
  const std::string& directory =
      directory_buffer_sizes.size() > 1 && system_directory_later ? *system_directory_later
                                                                  : system_directory;
  const auto length = static_cast<std::uint32_t>(directory.size());
  if (buffer.size() < directory.size() + 1) return length + 1;
  std::copy(directory.begin(), directory.end(), buffer.begin());
  buffer[directory.size()] = '\0';
  return length;
}

Text FakePlatform::FromSystemCodePage(std::string_view bytes) {
  std::u16string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) {
      text += static_cast<char16_t>(byte);
      continue;
    }
    char16_t character = u'?';
    if (i + 1 < bytes.size()) {
      for (const auto& [unit, pair] : kDoubleByte) {
        if (bytes.substr(i, 2) == pair) character = unit;
      }
      ++i;
    }
    text += character;
  }
  return Text(std::u16string_view(text));
}

CodePageText FakePlatform::ToSystemCodePage(std::u16string_view text) {
  std::string bytes;
  for (const char16_t unit : text) {
    if (unit < 0x80) {
      bytes += static_cast<char>(unit);
      continue;
    }
    const char* pair = "?";
    for (const auto& [character, gbk] : kDoubleByte) {
      if (character == unit) pair = gbk;
    }
    bytes += pair;
  }
  return CodePageText(std::string_view(bytes));
}

std::optional<FileEntry> FakePlatform::FindEntry(const Text& path) {
  entries_asked.emplace_back(path.view());
  const auto found = entries.find(std::u16string(path.view()));
  if (found == entries.end()) return std::nullopt;
  return found->second;
}

std::uintptr_t FakePlatform::ImmInstallIMEA(const CodePageText& file, const CodePageText& layout_text) {
  installs.push_back({std::string(file.view()), std::string(layout_text.view())});
  return installed_layout;
}

void FakePlatform::ShowMessageBox(const Text& text, std::uint32_t style) {
  message_boxes.push_back({std::u16string(text.view()), style});
}

}  // namespace vesktal::testing
