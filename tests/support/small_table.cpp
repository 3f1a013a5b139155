#include "tests/support/small_table.h"

namespace tavrel::testing {

SmallTable::SmallTable(std::initializer_list<Row> rows, std::size_t values_per_slice)
    : value_pages_(TableIndex::kPageSize, TableIndex::kNoValue),
      index_{page_of_high_byte_, value_pages_, value_start_, text_, values_per_slice} {
  for (const Row& row : rows) {
    const auto number = static_cast<std::uint16_t>(value_start_.size() - 1);
    text_ += row.value;
    value_start_.push_back(static_cast<std::uint16_t>(text_.size()));
    for (const char16_t key : row.keys) {
      std::uint16_t& page = page_of_high_byte_[key >> 8];
      if (page == 0) {
        page = static_cast<std::uint16_t>(value_pages_.size() / TableIndex::kPageSize);
        value_pages_.resize(value_pages_.size() + TableIndex::kPageSize, TableIndex::kNoValue);
      }
      value_pages_[page * TableIndex::kPageSize + (key & 0xFF)] = number;
    }
  }
  // The vectors have reached their size: the index views them from now on.
  index_ = TableIndex{page_of_high_byte_, value_pages_, value_start_, text_, values_per_slice};
}

}  // namespace tavrel::testing
