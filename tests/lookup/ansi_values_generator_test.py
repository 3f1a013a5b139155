#!/usr/bin/env python3
"""The generator of the code page 936 value table accepts the committed run
file and refuses, naming the fault and writing nothing, runs that do not
cover every code unit once and in order.

Usage: ansi_values_generator_test.py GENERATOR ANSI_VALUES_936_TXT
"""

import os
import re
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from generator_run import run_generator  # noqa: E402

GENERATOR = RUNS = None


def run(text):
    return run_generator(GENERATOR, text.encode("ascii"), "ansi_values_936.txt")


def committed_lines():
    with open(RUNS, encoding="ascii") as data:
        return data.read().split("\n")


class Generator(unittest.TestCase):
    def test_the_committed_runs_give_a_value_for_every_code_unit(self):
        status, errors, written = run("\n".join(committed_lines()))
        self.assertEqual(status, 0, errors)
        values = [int(n) for n in re.findall(r"-?\d+", written["ansi_values_936.inc"].split("{{", 1)[1])]
        self.assertEqual(len(values), 0x10000)
        # Plain, unrepresentable, a best-fit double-byte code read as signed, and the one-byte euro.
        self.assertEqual([values[0x41], values[0x80], values[0xA2], values[0x20AC]], [0x41, 63, 0xA1E9 - 0x10000, 128])

    def test_runs_that_miss_or_repeat_code_units_are_refused(self):
        lines = committed_lines()
        first = next(i for i, line in enumerate(lines) if line and not line.startswith("#"))
        cases = {
            "a gap": lines[:first + 1] + lines[first + 2:],
            "a run twice": lines[:first + 1] + lines[first:],
            "the last run missing": [line for line in lines if line][:-1],
            "an empty run": lines[:first] + ["0000 0000 0000"] + lines[first:],
            "a line of no known form": lines[:first] + ["0000 0080"] + lines[first + 1:],
        }
        for name, case in cases.items():
            with self.subTest(name):
                status, errors, written = run("\n".join(case))
                self.assertEqual(status, 1, errors)
                self.assertIn("ansi_values_936.txt", errors)
                self.assertEqual(written, {})


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__.strip().split("\n\n")[1], file=sys.stderr)
        sys.exit(2)
    GENERATOR, RUNS = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=1)
