#!/usr/bin/env python3
"""Generates the reading table's C++ sources from tables/pinyin/readings.txt.

Usage: generate_reading_table.py READINGS_TXT OUTPUT_DIR

Writes OUTPUT_DIR/reading_slices.h (the 36 reading slices) and
OUTPUT_DIR/reading_slices.cpp (the table's index, the slices and
ReadingSlices()). The data file is checked first; on any fault the generator
names the line, writes nothing and exits with status 1, which fails the build.
"""

import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from table_generator import DataError, Table, run, table_sources  # noqa: E402

FIRST_KEY = 0x4E00
LAST_KEY = 0x9FA5
SLICE_COUNT = 36
LISTS_PER_SLICE = 100
LISTS_IN_LAST_SLICE = 58

SLICE_LINE = re.compile(r"slice (\S+) (\S+)")
LIST_LINE = re.compile(r'- "([^"]*)": (.*)')
READING_LIST = re.compile(r"[a-z]+( [a-z]+)*")
PLACE = re.compile(r"[1-9][0-9]*")


class Slice:
    def __init__(self, place, name, line_number):
        self.place = place
        self.name = name
        self.line_number = line_number
        self.lists = []  # (reading list, characters) in table order


def slice_name(first_list, last_list):
    def word(reading_list):
        first = reading_list.split(" ")[0]
        return first[0].upper() + first[1:]

    return f"PinyinOf_{word(first_list)}_{word(last_list)}"


def parse(text):
    """Reads the data file into slices, checking each line as it comes."""
    slices = []
    seen_at = {}  # key -> line number
    previous_list = None
    lines = text.split("\n")
    if lines[-1] == "":
        lines.pop()  # the end of the last line
    for number, line in enumerate(lines, start=1):
        if line.startswith("#"):
            continue
        match = SLICE_LINE.fullmatch(line)
        if match:
            place_text, name = match.groups()
            if not PLACE.fullmatch(place_text):
                raise DataError(number, f"the place {place_text!r} is not a number")
            place = int(place_text)
            if place != len(slices) + 1:
                raise DataError(number, f"slice {name} has place {place}, expected {len(slices) + 1}")
            slices.append(Slice(place, name, number))
            continue
        match = LIST_LINE.fullmatch(line)
        if not match:
            raise DataError(number, f"neither a comment, a slice line nor a reading list: {line!r}")
        if not slices:
            raise DataError(number, "a reading list before the first slice line")
        reading_list, characters = match.groups()
        if not READING_LIST.fullmatch(reading_list):
            raise DataError(number, f'"{reading_list}" is not lowercase words separated by single spaces')
        if previous_list is not None and not previous_list < reading_list:
            raise DataError(number, f'"{reading_list}" does not sort after "{previous_list}"')
        previous_list = reading_list
        if not characters:
            raise DataError(number, f'"{reading_list}" has no characters')
        for character in characters:
            code = ord(character)
            if not FIRST_KEY <= code <= LAST_KEY:
                raise DataError(number, f"U+{code:04X} lies outside U+{FIRST_KEY:04X}..U+{LAST_KEY:04X}")
            if character in seen_at:
                raise DataError(number, f"U+{code:04X} {character} already stands on line {seen_at[character]}")
            seen_at[character] = number
        slices[-1].lists.append((reading_list, characters))
    return slices, seen_at


def check_layout(slices, seen_at):
    """Checks the cut into slices, their names and that every key is held."""
    if len(slices) != SLICE_COUNT:
        raise DataError(0, f"{len(slices)} slices, expected {SLICE_COUNT}")
    for current in slices:
        expected = LISTS_IN_LAST_SLICE if current.place == SLICE_COUNT else LISTS_PER_SLICE
        if len(current.lists) != expected:
            raise DataError(current.line_number,
                            f"slice {current.name} holds {len(current.lists)} reading lists, expected {expected}")
        name = slice_name(current.lists[0][0], current.lists[-1][0])
        if current.name != name:
            raise DataError(current.line_number,
                            f"slice {current.name} should be named {name} after the first words of its "
                            "first and last reading lists")
    missing = [code for code in range(FIRST_KEY, LAST_KEY + 1) if chr(code) not in seen_at]
    if missing:
        shown = ", ".join(f"U+{code:04X}" for code in missing[:10])
        raise DataError(0, f"{len(missing)} keys have no reading list: {shown}")


HEADER_COMMENT = """\
// The reading slices of the PinyinTable (module HzPy), in chain order. Each
// answers a key of exactly one code unit that it holds with that key's reading
// list, and every other key with the empty string."""


def build(text):
    if "\r" in text:
        raise DataError(0, "carriage returns in the file; lines end with LF only")
    slices, seen_at = parse(text)
    check_layout(slices, seen_at)
    table = Table(groups=[group for s in slices for group in s.lists], values_per_slice=LISTS_PER_SLICE,
                  slice_names=[s.name for s in slices])
    return table_sources(table,
                         origin="from tables/pinyin/readings.txt by generate_reading_table.py",
                         header="tables/pinyin/reading_slices.h", header_comment=HEADER_COMMENT,
                         chain_header="tables/pinyin/reading_table.h", chain_function="ReadingSlices")


def main(argv):
    return run(argv, __doc__, build)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
