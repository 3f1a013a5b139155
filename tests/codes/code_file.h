// The test's own reader of the committed code data (tables/codes/codes.txt),
// kept apart from the build's generator and from the tool that wrote the
// data, so that the tests judge the committed file on its own.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tavrel::testing {

struct CodeGroup {
  std::string code;            // "aa"
  std::u16string characters;   // in data order
};

// The groups of the code data file, in file order. Fails the current test
// (and returns what it read so far) on a line it cannot read.
const std::vector<CodeGroup>& CodeFile();

// The first letter of the first word of each character's reading list, as
// the committed reading data has it.
const std::map<char16_t, char>& FirstReadingLetters();

}  // namespace tavrel::testing
