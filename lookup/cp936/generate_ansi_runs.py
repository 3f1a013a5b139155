#!/usr/bin/env python3
"""Generates the C++ run table of code page 936 from ansi_values_936.txt."""
import sys


def main(source: str, target: str) -> int:
    rows = []
    expected_start = 0
    with open(source, encoding="ascii") as data:
        for number, line in enumerate(data, 1):
            if line.startswith("#") or not line.strip():
                continue
            start, count, value = line.split()
            start, count = int(start, 16), int(count, 16)
            if start != expected_start or count == 0:
                print(f"{source}:{number}: runs must cover every code unit in order", file=sys.stderr)
                return 1
            expected_start = start + count
            rows.append((start, "0x3F, false" if value == "?" else f"0x{int(value, 16):04X}, true"))
    if expected_start != 0x10000:
        print(f"{source}: the runs end at {expected_start:#x}, not at 0x10000", file=sys.stderr)
        return 1

    with open(target, "w", encoding="ascii") as out:
        out.write("// Generated from lookup/cp936/ansi_values_936.txt. Do not edit.\n")
        out.write(f"inline constexpr std::size_t kAnsiRunCount = {len(rows)};\n")
        out.write("inline constexpr AnsiRun kAnsiRuns[kAnsiRunCount] = {\n")
        for start, rest in rows:
            out.write(f"    {{0x{start:04X}, {rest}}},\n")
        out.write("};\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
