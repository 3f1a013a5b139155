#!/usr/bin/env python3
"""Turns the output of dump_ansi_values.exe into the committed run form.

Each line of the run form covers consecutive code units:
  "SSSS NNNN VVVV"  N code units from S whose values are V, V+1, ... (16-bit)
  "SSSS NNNN ?"     N code units from S that the code page cannot represent
All numbers are hexadecimal. The lines cover U+0000 to U+FFFF in order.
"""
import sys

HEADER = """\
# ANSI values of all UTF-16 code units in code page 936, as Windows converts
# them (WideCharToMultiByte, CP_ACP, default character "?"), taken from a run
# under Wine by tools/cp936/make-ansi-values. Do not edit by hand.
# start count value: count code units from start, values value, value+1, ...
# start count ?:     count code units from start that convert to "?" (63)
"""


def main() -> int:
    values = {}
    for line in sys.stdin:
        parts = line.split()
        if len(parts) == 2 and len(parts[0]) == 4:
            values[int(parts[0], 16)] = int(parts[1], 16)
    if sorted(values) != list(range(0x10000)):
        print("runs_from_dump: the dump does not cover all 65,536 code units", file=sys.stderr)
        return 1

    runs = []  # [start, count, first value or None]
    for unit in range(0x10000):
        value = values[unit]
        unrepresentable = value == 0x3F and unit != 0x3F
        if runs:
            start, count, first = runs[-1]
            if unrepresentable and first is None:
                runs[-1][1] += 1
                continue
            if not unrepresentable and first is not None and (first + count) & 0xFFFF == value:
                runs[-1][1] += 1
                continue
        runs.append([unit, 1, None if unrepresentable else value])

    sys.stdout.write(HEADER)
    for start, count, first in runs:
        sys.stdout.write(f"{start:04X} {count:04X} {'?' if first is None else f'{first:04X}'}\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
