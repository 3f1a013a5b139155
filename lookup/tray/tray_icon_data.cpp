#include "lookup/tray/tray_icon_data.h"

namespace tavrel::tray {
namespace {

constexpr std::size_t kTipOffset = 24;

void Put32(AnsiRecord& record, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Get32(const AnsiRecord& record, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
  return value;
}

}  // namespace

std::u16string TipField(std::u16string_view tip) {
  std::u16string field(tip.substr(0, kTipLength));
  if (field.size() < kTipLength) field += u'\0';
  field.resize(kTipLength, u' ');
  return field;
}

AnsiRecord ToAnsiRecord(const TrayIconData& data, const SystemCodePageText& code_page) {
  AnsiRecord record{};
  Put32(record, 0, data.cbSize);
  Put32(record, 4, data.hWnd);
  Put32(record, 8, data.uID);
  Put32(record, 12, data.uFlags);
  Put32(record, 16, data.uCallbackMessage);
  Put32(record, 20, data.hIcon);

  // The field converted character by character, as far as it fits.
  std::size_t at = kTipOffset;
  const std::size_t end = kTipOffset + kTipLength;
  std::size_t last_boundary_before_end = at;  // where a cut tip gets its NUL
  bool ended = false;
  for (const char16_t character : data.szTip) {
    const std::string bytes = code_page.CharacterBytes(character);
    if (at + bytes.size() > end) break;
    if (at + bytes.size() < end) last_boundary_before_end = at + bytes.size();
    for (const char byte : bytes) record[at++] = static_cast<std::uint8_t>(byte);
    if (character == u'\0') ended = true;
  }
  if (!ended) {
    // A tip that fills all 64 bytes would have no NUL: cut it between two
    // characters so that the NUL fits.
    at = last_boundary_before_end;
    record[at++] = 0;
  }
  for (; at < end; ++at) record[at] = ' ';
  return record;
}

void ReadBack(TrayIconData& data, const AnsiRecord& record, const SystemCodePageText& code_page) {
  data.cbSize = Get32(record, 0);
  data.hWnd = Get32(record, 4);
  data.uID = Get32(record, 8);
  data.uFlags = Get32(record, 12);
  data.uCallbackMessage = Get32(record, 16);
  data.hIcon = Get32(record, 20);
  const std::string_view bytes(reinterpret_cast<const char*>(record.data() + kTipOffset), kTipLength);
  std::u16string tip = code_page.FromBytes(bytes);
  tip.resize(kTipLength, u' ');
  data.szTip = tip;
}

}  // namespace tavrel::tray
