#!/usr/bin/env python3
"""Generates the code table's C++ sources from tables/codes/codes.txt.

Usage: generate_code_table.py CODES_TXT OUTPUT_DIR

Writes OUTPUT_DIR/code_slices.h (the nine code slices) and
OUTPUT_DIR/code_slices.cpp (the table's index, the slices and
CodeSlices()). The data file is checked first; on any fault the generator
names the line, writes nothing and exits with status 1, which fails the build.

The data file has one line per code, in ascending code order: the code, one
space, then the characters that have the code, with nothing between them.
"""

import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from table_generator import DataError, Table, run, table_sources  # noqa: E402

FIRST_IDEOGRAPH = 0x4E00
LAST_IDEOGRAPH = 0x9FA5
CODES = [a + b for a in "abcdefghijklmnopqrstuvwxyz" for b in "abcdefghijklmnopqrstuvwxyz" if a + b != "uz"]
CODES_PER_SLICE = 80

LINE = re.compile(r"([a-z][a-z]) (.+)")


def parse(text):
    """Reads the data file into (code, characters) groups, checking each line."""
    if text and not text.endswith("\n"):
        raise DataError(text.count("\n") + 1, "the last line has no line end")
    lines = text.split("\n")[:-1] if text else []
    groups = []
    seen_at = {}  # character -> line number
    for number, line in enumerate(lines, start=1):
        match = LINE.fullmatch(line)
        if not match:
            raise DataError(number, f"not a code, one space and its characters: {line!r}")
        code, characters = match.groups()
        if number > len(CODES):
            raise DataError(number, f"more than {len(CODES)} codes")
        if code != CODES[number - 1]:
            raise DataError(number, f'the code "{code}" stands where "{CODES[number - 1]}" belongs '
                                    '(every pair "aa" to "zz" but "uz", ascending)')
        for character in characters:
            point = ord(character)
            if point > 0xFFFF or 0xD800 <= point <= 0xDFFF or point < 0x80:
                raise DataError(number, f"U+{point:04X} is not a character of one UTF-16 code unit "
                                        "outside ASCII")
            if character in seen_at:
                raise DataError(number, f"U+{point:04X} {character} already stands on line {seen_at[character]}")
            seen_at[character] = number
        groups.append((code, characters))
    if len(groups) != len(CODES):
        raise DataError(0, f"{len(groups)} codes, expected {len(CODES)}")
    missing = [p for p in range(FIRST_IDEOGRAPH, LAST_IDEOGRAPH + 1) if chr(p) not in seen_at]
    if missing:
        shown = ", ".join(f"U+{p:04X}" for p in missing[:10])
        raise DataError(0, f"{len(missing)} ideographs have no code: {shown}")
    return groups


def slice_names(groups):
    names = []
    for start in range(0, len(groups), CODES_PER_SLICE):
        run = groups[start:start + CODES_PER_SLICE]
        names.append(f"CodeOf_{run[0][0].upper()}_{run[-1][0].upper()}")
    return names


HEADER_COMMENT = """\
// The code slices of the CodeTable (module 简繁汉字编码), in chain order. Each
// answers the code of a key it holds, else the empty string; the answer
// points into constant data."""


def build(text):
    groups = parse(text)
    return table_sources(Table(groups=groups, values_per_slice=CODES_PER_SLICE, slice_names=slice_names(groups)),
                         origin="from tables/codes/codes.txt by generate_code_table.py",
                         header="tables/codes/code_slices.h", header_comment=HEADER_COMMENT,
                         chain_header="tables/codes/code_table.h", chain_function="CodeSlices")


def main(argv):
    return run(argv, __doc__, build)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
