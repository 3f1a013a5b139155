#include "tavrel/tray/tray_icon_data.h"

namespace tavrel::tray {
namespace {

void PutInteger(AnsiRecord& record, std::size_t offset, std::size_t size, std::uint64_t value) {
  for (std::size_t i = 0; i < size; ++i) record.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t GetInteger(const AnsiRecord& record, std::size_t offset, std::size_t size) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < size; ++i) value |= static_cast<std::uint64_t>(record.at(offset + i)) << (8 * i);
  return value;
}

}  // namespace

std::u16string TipField(std::u16string_view tip) {
  std::u16string field(tip.substr(0, kTipLength));
  if (field.size() < kTipLength) field += u'\0';
  field.resize(kTipLength, u' ');
  return field;
}

AnsiRecord ToAnsiRecord(const TrayIconData& data, const SystemCodePageText& code_page,
                        const AnsiRecordLayout& layout) {
  AnsiRecord record(layout.size, 0);
  PutInteger(record, 0, 4, data.cbSize);
  PutInteger(record, layout.hwnd, layout.handle_size, data.hWnd);
  PutInteger(record, layout.uid, 4, data.uID);
  PutInteger(record, layout.flags, 4, data.uFlags);
  PutInteger(record, layout.callback_message, 4, data.uCallbackMessage);
  PutInteger(record, layout.icon, layout.handle_size, data.hIcon);

  // The field converted character by character, as far as it fits.
  std::size_t at = layout.tip;
  const std::size_t end = layout.tip + kTipLength;
  std::size_t last_boundary_before_end = at;  // where a cut tip gets its NUL
  bool ended = false;
  const std::u16string_view tip = data.szTip;
  for (std::size_t i = 0; i < tip.size();) {
    // Each character in turn, so that a cut never splits one.
    const std::size_t length = CharacterLength(tip, i);
    const std::u16string_view character = tip.substr(i, length);
    i += length;
    const std::string bytes = code_page.ToBytes(character);
    if (at + bytes.size() > end) break;
    if (at + bytes.size() < end) last_boundary_before_end = at + bytes.size();
    for (const char byte : bytes) record.at(at++) = static_cast<std::uint8_t>(byte);
    if (character.size() == 1 && character[0] == u'\0') ended = true;
  }
  if (!ended) {
    // A tip that fills all 64 bytes would have no NUL: cut it between two
    // characters so that the NUL fits.
    at = last_boundary_before_end;
    record.at(at++) = 0;
  }
  for (; at < end; ++at) record.at(at) = ' ';
  return record;
}

void ReadBack(TrayIconData& data, const AnsiRecord& record, const SystemCodePageText& code_page,
              const AnsiRecordLayout& layout) {
  data.cbSize = static_cast<std::uint32_t>(GetInteger(record, 0, 4));
  data.hWnd = static_cast<Handle>(GetInteger(record, layout.hwnd, layout.handle_size));
  data.uID = static_cast<std::uint32_t>(GetInteger(record, layout.uid, 4));
  data.uFlags = static_cast<std::uint32_t>(GetInteger(record, layout.flags, 4));
  data.uCallbackMessage = static_cast<std::uint32_t>(GetInteger(record, layout.callback_message, 4));
  data.hIcon = static_cast<Handle>(GetInteger(record, layout.icon, layout.handle_size));
  std::string bytes;
  for (std::size_t at = layout.tip; at < layout.tip + kTipLength; ++at) bytes += static_cast<char>(record.at(at));
  std::u16string tip = code_page.FromBytes(bytes);
  tip.resize(kTipLength, u' ');
  data.szTip = tip;
}

}  // namespace tavrel::tray
