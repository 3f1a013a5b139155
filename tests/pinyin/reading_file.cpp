#include "tests/pinyin/reading_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/utf8.h"

namespace tavrel::testing {
namespace {

// The file holds only ASCII and characters of one UTF-16 code unit; anything
// else makes the test fail.
std::u16string Utf16(const std::string& text, int line_number) {
  const std::optional<std::u16string> converted = Utf16FromUtf8(text);
  if (!converted) ADD_FAILURE() << "readings.txt line " << line_number << ": not UTF-8 of one-unit characters";
  return converted.value_or(u"");
}

std::vector<ReadingFileSlice> Read() {
  std::vector<ReadingFileSlice> slices;
  std::ifstream file(TAVREL_READINGS_FILE, std::ios::binary);
  if (!file) {
    ADD_FAILURE() << "cannot open " << TAVREL_READINGS_FILE;
    return slices;
  }
  std::string line;
  int line_number = 0;
  while (std::getline(file, line)) {
    ++line_number;
    if (line.starts_with("#")) continue;
    if (line.starts_with("slice ")) {
      std::istringstream fields(line.substr(6));
      ReadingFileSlice slice;
      fields >> slice.place >> slice.name;
      if (!fields || !fields.eof()) ADD_FAILURE() << "readings.txt line " << line_number << ": " << line;
      slices.push_back(slice);
      continue;
    }
    const std::size_t end_quote = line.find("\": ", 3);
    if (!line.starts_with("- \"") || end_quote == std::string::npos || slices.empty()) {
      ADD_FAILURE() << "readings.txt line " << line_number << ": " << line;
      continue;
    }
    slices.back().rows.push_back({Utf16(line.substr(3, end_quote - 3), line_number),
                                  Utf16(line.substr(end_quote + 3), line_number)});
  }
  return slices;
}

}  // namespace

const std::vector<ReadingFileSlice>& ReadingFile() {
  static const std::vector<ReadingFileSlice> slices = Read();
  return slices;
}

std::vector<PlacedRow> AllRows() {
  std::vector<PlacedRow> rows;
  for (const ReadingFileSlice& slice : ReadingFile())
    for (const ReadingRow& row : slice.rows) rows.push_back({slice.place, &row});
  return rows;
}

}  // namespace tavrel::testing
