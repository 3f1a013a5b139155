// UTF-8 and UTF-16 for tests: readable failure messages and the data files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrel::testing {

// UTF-16 to UTF-8; a surrogate pair becomes one four-byte character.
std::string Utf8(std::u16string_view text);

// UTF-8 of characters of one UTF-16 code unit each (one to three bytes) to
// UTF-16, or nothing when the text holds anything else.
std::optional<std::u16string> Utf16FromUtf8(std::string_view text);

}  // namespace tavrel::testing
