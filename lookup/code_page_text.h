// Text through the system's ANSI code page, both ways, as the tray icon's
// record needs it, and the ANSI value of each code unit that the lookup asks
// for, all made from the same two conversions.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "lookup/ansi_code_page.h"
#include "lookup/surrogates.h"

namespace tavrel {

// Text in the system code page, and back: the code page as the lookup sees it
// (AnsiCodePage), the bytes of characters, and the text that bytes stand for.
class SystemCodePageText : public AnsiCodePage {
 public:
  // The text's bytes, converted a character at a time (a surrogate pair is one
  // character). A character that the code page cannot convert, and a lone half
  // of a surrogate pair, give the default character "?".
  virtual std::string ToBytes(std::u16string_view text) const = 0;
  // The text that the bytes stand for, as the code page converts it; empty
  // when the conversion fails.
  virtual std::u16string FromBytes(std::string_view bytes) const = 0;
};

// A code page given by its two conversions of whole texts, for which it
// answers all three by the rules of AnsiCodePage and SystemCodePageText: the
// system's code page on Windows, stand-ins in the native tests.
class ConvertingCodePage : public SystemCodePageText {
 public:
  std::int16_t AnsiValue(char16_t unit) const final;
  std::string ToBytes(std::u16string_view text) const final;
  std::u16string FromBytes(std::string_view bytes) const final;

 private:
  // As windows::ConvertToSystemCodePage and ConvertFromSystemCodePage: each
  // writes the converted text into out and returns its length; given an empty
  // out, writes nothing and returns the length the whole text needs. Returns
  // 0 for an empty text, and when the text cannot be converted or out is too
  // short for it. A character the code page lacks converts to its default
  // character, as the system converts it.
  virtual std::size_t ConvertToBytes(std::u16string_view text, std::span<char> out) const = 0;
  virtual std::size_t ConvertFromBytes(std::string_view bytes, std::span<char16_t> out) const = 0;
};

}  // namespace tavrel
