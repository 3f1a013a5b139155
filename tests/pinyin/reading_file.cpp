#include "tests/pinyin/reading_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tavrel::testing {
namespace {

// UTF-8 to UTF-16 for the file's text, which holds only ASCII and BMP
// characters; anything else makes the test fail.
std::u16string Utf16(const std::string& text, int line_number) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    if (byte(i) < 0x80) {
      out += static_cast<char16_t>(byte(i));
      i += 1;
    } else if ((byte(i) & 0xF0) == 0xE0 && i + 2 < text.size() && (byte(i + 1) & 0xC0) == 0x80 &&
               (byte(i + 2) & 0xC0) == 0x80) {
      out += static_cast<char16_t>(((byte(i) & 0x0F) << 12) | ((byte(i + 1) & 0x3F) << 6) | (byte(i + 2) & 0x3F));
      i += 3;
    } else {
      ADD_FAILURE() << "readings.txt line " << line_number << ": not a three-byte UTF-8 character at byte " << i;
      return out;
    }
  }
  return out;
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
