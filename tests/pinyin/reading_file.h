// The test's own reader of tables/pinyin/readings.txt, kept apart from the
// build's generator, so that the tests judge the committed file and the
// generated table independently.
#pragma once

#include <string>
#include <vector>

namespace tavrel::testing {

struct ReadingRow {
  std::u16string reading_list;  // "a ha he ke"
  std::u16string characters;    // in stored order
};

struct ReadingFileSlice {
  int place = 0;
  std::string name;  // "PinyinOf_A_Bai"
  std::vector<ReadingRow> rows;
};

// The slices of the committed data file, in file order. Fails the current
// test (and returns what it read so far) on a line it cannot read.
const std::vector<ReadingFileSlice>& ReadingFile();

// Every row of the file in table order, with the place of its slice.
struct PlacedRow {
  int place;
  const ReadingRow* row;
};
std::vector<PlacedRow> AllRows();

}  // namespace tavrel::testing
