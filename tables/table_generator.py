"""What the generators of the C++ sources share: the error of a data file, the
run from data file to sources, and the C++ text helpers."""
import os
import sys


class DataError(Exception):
    """A fault of the data file, at a line of it (0: of the file as a whole)."""

    def __init__(self, line_number, message):
        super().__init__(f"line {line_number}: {message}" if line_number else message)


def cpp_numbers(numbers, per_line=16):
    """The numbers as the lines of a C++ initializer list, per_line a line."""
    lines = []
    for i in range(0, len(numbers), per_line):
        lines.append("    " + ", ".join(str(n) for n in numbers[i:i + per_line]) + ",")
    return "\n".join(lines)


def cpp_text_literal(text, width=96):
    """A u"" literal over several source lines; the text is plain ASCII."""
    lines = [text[i:i + width] for i in range(0, len(text), width)] or [""]
    return "\n".join(f'    u"{line}"' for line in lines)


def write_if_changed(path, content):
    """Writes the file unless it holds the content already, so that an
    unchanged table is not compiled again."""
    try:
        with open(path, encoding="utf-8") as existing:
            if existing.read() == content:
                return
    except FileNotFoundError:
        pass
    temporary = path + ".tmp"
    with open(temporary, "w", encoding="utf-8", newline="\n") as out:
        out.write(content)
    os.replace(temporary, path)


def usage(doc):
    """The paragraph of a generator's docstring that starts with "Usage:"."""
    return next(p for p in doc.strip().split("\n\n") if p.startswith("Usage:"))


def run(argv, doc, build):
    """The generator's command line: DATA_FILE OUTPUT_DIR. build(text) checks
    the data and returns {file name: C++ source}; nothing is written when the
    data has a fault, which is reported with the file and the line. A wrong
    command line is answered with the Usage paragraph of doc."""
    if len(argv) != 3:
        print(usage(doc), file=sys.stderr)
        return 2
    data_path, output_dir = argv[1], argv[2]
    try:
        with open(data_path, encoding="utf-8", newline="") as data:
            text = data.read()
        outputs = build(text)
    except UnicodeDecodeError as error:
        print(f"{data_path}: not UTF-8: {error}", file=sys.stderr)
        return 1
    except DataError as error:
        print(f"{data_path}: {error}", file=sys.stderr)
        return 1
    os.makedirs(output_dir, exist_ok=True)
    for name, content in outputs.items():
        write_if_changed(os.path.join(output_dir, name), content)
    return 0


PAGE_SIZE = 256
NO_VALUE = 0xFFFF


def index_pages(value_of_key):
    """The two levels of a table index (lookup/table_index.h): the page of
    every high byte, and the pages, page 0 holding no value."""
    page_of_high_byte = [0] * 256
    pages = [[NO_VALUE] * PAGE_SIZE]
    for key, number in sorted(value_of_key.items()):
        high = key >> 8
        if page_of_high_byte[high] == 0:
            page_of_high_byte[high] = len(pages)
            pages.append([NO_VALUE] * PAGE_SIZE)
        pages[page_of_high_byte[high]][key & 0xFF] = number
    return page_of_high_byte, [number for page in pages for number in page]


class Table:
    """A checked table: its groups in table order, each a value (plain ASCII)
    and the characters (of one code unit each) that have it, and its slices."""

    def __init__(self, *, groups, values_per_slice, slice_names):
        self.values = [value for value, _ in groups]
        self.value_of_key = {ord(character): number
                             for number, (_, characters) in enumerate(groups) for character in characters}
        self.values_per_slice = values_per_slice
        self.slice_names = slice_names  # in place order


def table_sources(table, *, origin, header, header_comment, chain_header, chain_function):
    """{file name: C++ source} of a table: the header `header` declaring the
    named slices, and the source holding the table's index, the slices and
    the chain function `chain_function`, declared in `chain_header`.

    origin says what the sources were generated from and by what, for their
    first line; header_comment opens the header."""
    names = table.slice_names
    starts = [0]
    for value in table.values:
        starts.append(starts[-1] + len(value))
    if len(table.values) >= NO_VALUE or starts[-1] > 0xFFFF:
        raise DataError(0, "the values no longer fit 16-bit numbers")
    page_of_high_byte, value_pages = index_pages(table.value_of_key)
    declarations = "\n".join(
        f"std::u16string_view {name}(const CharacterKey& key);  // place {place}"
        for place, name in enumerate(names, start=1))
    slice_functions = "\n".join(
        f"std::u16string_view {name}(const CharacterKey& key) {{ return kIndex.ValueInSlice(key, {number}); }}"
        for number, name in enumerate(names))
    place_names = "\n".join(f'    "{name}",' for name in names)
    header_source = f"""// Generated {origin}; do not edit.
//
{header_comment}
#pragma once

#include <string_view>

#include "lookup/lookup_chain.h"

namespace tavrel {{

{declarations}

}}  // namespace tavrel
"""
    table_source = f"""// Generated {origin}; do not edit.
#include "{header}"

#include <array>
#include <cstdint>

#include "lookup/table_index.h"
#include "{chain_header}"

namespace tavrel {{
namespace {{

// The page of the index of every high byte of a code unit.
constexpr std::array<std::uint16_t, 256> kPageOfHighByte{{{{
{cpp_numbers(page_of_high_byte)}
}}}};

// The number of the value of every code unit, page by page; {NO_VALUE}: none.
constexpr std::array<std::uint16_t, {len(value_pages)}> kValuePages{{{{
{cpp_numbers(value_pages)}
}}}};

// The {len(table.values)} values in table order, written one after another.
constexpr char16_t kText[] =
{cpp_text_literal("".join(table.values))};

// Value n is kText[kValueStart[n], kValueStart[n + 1]).
constexpr std::array<std::uint16_t, {len(starts)}> kValueStart{{{{
{cpp_numbers(starts)}
}}}};

constexpr TableIndex kIndex{{
    .page_of_high_byte = kPageOfHighByte,
    .value_pages = kValuePages,
    .value_start = kValueStart,
    .text = {{kText, {starts[-1]}}},
    .values_per_slice = {table.values_per_slice},
}};
static_assert(kIndex.IsSound());
static_assert((kIndex.ValueCount() + kIndex.values_per_slice - 1) / kIndex.values_per_slice == {len(names)});

constexpr std::array<const char*, {len(names)}> kPlaceNames{{{{
{place_names}
}}}};

constexpr LookupChain kChain{{kIndex, kPlaceNames}};

}}  // namespace

{slice_functions}

const LookupChain& {chain_function}() {{ return kChain; }}

}}  // namespace tavrel
"""
    base = os.path.splitext(os.path.basename(header))[0]
    return {base + ".h": header_source, base + ".cpp": table_source}
