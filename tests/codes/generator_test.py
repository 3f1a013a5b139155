#!/usr/bin/env python3
"""The build's generator of the code slices turns down a malformed data file.

Usage: generator_test.py GENERATE_CODE_TABLE_PY CODES_TXT

Each case spoils the committed data file in one way and expects the generator
to exit with status 1, name the fault and write nothing.
"""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from generator_run import run_generator  # noqa: E402

GENERATOR = CODES = None


def run(data: bytes):
    return run_generator(GENERATOR, data, "codes.txt")


class GeneratorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(CODES, encoding="utf-8") as f:
            cls.lines = f.read().split("\n")[:-1]

    def spoiled(self, lines):
        return ("\n".join(lines) + "\n").encode("utf-8")

    def test_committed_file_gives_the_nine_slices(self):
        status, errors, written = run(self.spoiled(self.lines))
        self.assertEqual(status, 0, errors)
        self.assertEqual(sorted(written), ["code_slices.cpp", "code_slices.h"])

    def test_malformed_files_are_turned_down(self):
        lines = self.lines
        ab = lines[1]
        cases = {
            "no line end at the end": (("\n".join(lines)).encode("utf-8"), "line 675: the last line has no line end"),
            "codes out of order": (self.spoiled([lines[1], lines[0]] + lines[2:]), 'line 1: the code "ab"'),
            "uz present": (self.spoiled(lines[:540] + ["uz \u4e00"] + lines[540:]), 'the code "uz"'),
            "a code missing": (self.spoiled(lines[:-1]), "674 codes, expected 675"),
            "a code twice": (self.spoiled(lines[:2] + [lines[1]] + lines[2:]), 'line 3: the code "ab"'),
            "a code without characters": (self.spoiled([lines[0], "ab "] + lines[2:]), "line 2: not a code"),
            "a capital code": (self.spoiled([lines[0], "A" + ab[1:]] + lines[2:]), "line 2: not a code"),
            "a character twice": (self.spoiled([lines[0] + ab[3]] + lines[1:]), "already stands on line 1"),
            "an ideograph missing": (self.spoiled([lines[0], ab[:-1]] + lines[2:]), "1 ideographs have no code"),
            "a character beyond one code unit": (self.spoiled([lines[0] + "\U00020000"] + lines[1:]),
                                                 "line 1: U+20000 is not a character of one UTF-16 code unit"),
            "an ASCII character": (self.spoiled([lines[0] + "x"] + lines[1:]), "line 1: U+0078"),
            "a space among the characters": (self.spoiled([lines[0] + " "] + lines[1:]), "line 1: U+0020"),
            "not UTF-8": (self.spoiled(lines)[:-2] + b"\xff\n", "not UTF-8"),
        }
        for name, (data, message) in cases.items():
            with self.subTest(name):
                status, errors, written = run(data)
                self.assertEqual(status, 1, errors)
                self.assertIn(message, errors)
                self.assertEqual(written, {})


if __name__ == "__main__":
    GENERATOR, CODES = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2)
