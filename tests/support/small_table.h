// A table of a few rows in the shape of the generated tables, for tests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/lookup_chain.h"
#include "lookup/table_index.h"

namespace tavrel::testing {

class SmallTable {
 public:
  // A value and the keys (code units) that have it. Rows stand in table order.
  struct Row {
    std::u16string_view value;
    std::u16string_view keys;
  };

  SmallTable(std::initializer_list<Row> rows, std::size_t values_per_slice);
  SmallTable(const SmallTable&) = delete;
  SmallTable& operator=(const SmallTable&) = delete;

  const TableIndex& index() const { return index_; }

 private:
  std::array<std::uint16_t, 256> page_of_high_byte_{};
  std::vector<std::uint16_t> value_pages_;
  std::vector<std::uint16_t> value_start_{0};
  std::u16string text_;
  TableIndex index_;
};

}  // namespace tavrel::testing
