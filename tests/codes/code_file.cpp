#include "tests/codes/code_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "tests/pinyin/reading_file.h"
#include "tests/support/utf8.h"

namespace tavrel::testing {
namespace {

std::vector<CodeGroup> ReadCodes() {
  std::vector<CodeGroup> groups;
  std::ifstream file(TAVREL_CODES_FILE, std::ios::binary);
  if (!file) {
    ADD_FAILURE() << "cannot open " << TAVREL_CODES_FILE;
    return groups;
  }
  std::string line;
  for (int line_number = 1; std::getline(file, line); ++line_number) {
    const std::optional<std::u16string> characters = line.size() > 3 ? Utf16FromUtf8(line.substr(3)) : std::nullopt;
    const bool code_ok = line.size() > 3 && line[0] >= 'a' && line[0] <= 'z' && line[1] >= 'a' &&
                         line[1] <= 'z' && line[2] == ' ';
    if (!code_ok || !characters) {
      ADD_FAILURE() << "codes.txt line " << line_number << " is not a code, a space and characters: " << line;
      continue;
    }
    groups.push_back({line.substr(0, 2), *characters});
  }
  return groups;
}

std::map<char16_t, char> ReadFirstLetters() {
  std::map<char16_t, char> letters;
  for (const PlacedRow& placed : AllRows())
    for (const char16_t character : placed.row->characters)
      letters[character] = static_cast<char>(placed.row->reading_list.at(0));
  return letters;
}

}  // namespace

const std::vector<CodeGroup>& CodeFile() {
  static const std::vector<CodeGroup> groups = ReadCodes();
  return groups;
}

const std::map<char16_t, char>& FirstReadingLetters() {
  static const std::map<char16_t, char> letters = ReadFirstLetters();
  return letters;
}

}  // namespace tavrel::testing
