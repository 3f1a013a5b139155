#!/usr/bin/env python3
"""Generates the value table of code page 936 from lookup/cp936/ansi_values_936.txt.

Usage: generate_ansi_values.py ANSI_VALUES_936_TXT OUTPUT_DIR

Writes OUTPUT_DIR/ansi_values_936.inc, the signed 16-bit ANSI value of every
UTF-16 code unit. Each data line is a run: "start count value" gives count
code units from start the values value, value + 1, ..., and "start count ?"
gives them the default character "?". The runs must cover U+0000 to U+FFFF in
order; on any fault the generator names the line, writes nothing and exits
with status 1, which fails the build.
"""

import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tables"))
from table_generator import DataError, cpp_numbers, run  # noqa: E402

RUN_LINE = re.compile(r"([0-9A-F]{4}) ([0-9A-F]{4,5}) ([0-9A-F]{4}|\?)")
UNITS = 0x10000


def signed_16_bit(value):
    """The value as a signed 16-bit number: a two-byte code is negative from
    lead byte 0x80 up."""
    value %= UNITS
    return value - UNITS if value >= 0x8000 else value


def values(text):
    """The value of every code unit, from the runs of the data file."""
    result = []
    for number, line in enumerate(text.split("\n"), start=1):
        if line.startswith("#") or not line.strip():
            continue
        match = RUN_LINE.fullmatch(line)
        if not match:
            raise DataError(number, f"not a run of the form \"start count value\": {line!r}")
        start, count = int(match.group(1), 16), int(match.group(2), 16)
        if start != len(result) or count == 0 or start + count > UNITS:
            raise DataError(number, "the runs must cover every code unit once, in order")
        if match.group(3) == "?":
            result += [ord("?")] * count
        else:
            first = int(match.group(3), 16)
            result += [signed_16_bit(first + i) for i in range(count)]
    if len(result) != UNITS:
        raise DataError(0, f"the runs end at {len(result):#x}, not at {UNITS:#x}")
    return result


def build(text):
    table = values(text)
    return {"ansi_values_936.inc": f"""// Generated from lookup/cp936/ansi_values_936.txt by generate_ansi_values.py; do not edit.
// The ANSI value of every UTF-16 code unit in code page 936.
inline constexpr std::array<std::int16_t, {UNITS}> kAnsiValues{{{{
{cpp_numbers(table)}
}}}};
"""}


def main(argv):
    return run(argv, __doc__, build)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
