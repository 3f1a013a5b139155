#!/usr/bin/env python3
"""The reading-table generator accepts the committed data file and refuses,
with a message naming the fault and without writing anything, every slip that
would give a wrong table.

Usage: generate_reading_table_test.py GENERATOR READINGS_TXT
"""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from generator_run import run_generator  # noqa: E402

GENERATOR = None
READINGS = None


def run(text):
    """Runs the generator on TEXT; returns (exit status, stderr, {file written: text})."""
    return run_generator(GENERATOR, text.encode("utf-8"), "readings.txt")


def committed_lines():
    with open(READINGS, encoding="utf-8") as data:
        return data.read().split("\n")


def index_of(lines, prefix, start=0):
    return next(i for i in range(start, len(lines)) if lines[i].startswith(prefix))


def joined(lines):
    return "\n".join(lines)


class CommittedFile(unittest.TestCase):
    def test_is_accepted_and_gives_the_header_and_the_source(self):
        status, errors, written = run(joined(committed_lines()))
        self.assertEqual(status, 0, errors)
        self.assertEqual(sorted(written), ["reading_slices.cpp", "reading_slices.h"])


class Refused(unittest.TestCase):
    def assertRefused(self, lines, message):
        status, errors, written = run(lines if isinstance(lines, str) else joined(lines))
        self.assertEqual(status, 1, errors)
        self.assertIn(message, errors)
        self.assertEqual(written, {}, "nothing is written for a refused file")

    def test_reading_lists_out_of_order(self):
        lines = committed_lines()
        first = index_of(lines, '- "a ha he ke"')
        lines[first], lines[first + 1] = lines[first + 1], lines[first]
        self.assertRefused(lines, '"a ha he ke" does not sort after "a yan"')

    def test_a_reading_list_twice(self):
        lines = committed_lines()
        first = index_of(lines, '- "a yan"')
        lines[first] = '- "a ha he ke": ' + lines[first].split(": ")[1]
        self.assertRefused(lines, '"a ha he ke" does not sort after "a ha he ke"')

    def test_a_character_twice(self):
        lines = committed_lines()
        first = index_of(lines, '- "a yan"')
        lines[first] += "呵"
        self.assertRefused(lines, "U+5475 呵 already stands on line")

    def test_a_character_missing(self):
        lines = committed_lines()
        first = index_of(lines, '- "yi"')
        lines[first] = lines[first].replace("一", "")
        self.assertRefused(lines, "1 keys have no reading list: U+4E00")

    def test_a_character_outside_the_range(self):
        for stray, code in (("〇", "U+3007"), ("A", "U+0041"), ("龦", "U+9FA6"), ("\U00020000", "U+20000")):
            with self.subTest(code=code):
                lines = committed_lines()
                first = index_of(lines, '- "yi"')
                lines[first] += stray
                self.assertRefused(lines, f"{code} lies outside U+4E00..U+9FA5")

    def test_a_reading_list_without_characters(self):
        lines = committed_lines()
        first = index_of(lines, '- "a yan"')
        lines[first] = '- "a yan": '
        self.assertRefused(lines, '"a yan" has no characters')

    def test_malformed_reading_lists(self):
        for bad in ("a  yan", " a yan", "a yan ", "A yan", "a-yan", "a y\u00e1n", ""):
            with self.subTest(reading_list=bad):
                lines = committed_lines()
                first = index_of(lines, '- "a yan"')
                lines[first] = f'- "{bad}": 腌'
                self.assertRefused(lines, "is not lowercase words separated by single spaces")

    def test_a_line_of_no_known_form(self):
        for bad in ("", "slice", "- a yan: 腌", '- "a yan" 腌', "slice 2"):
            with self.subTest(line=bad):
                lines = committed_lines()
                first = index_of(lines, '- "a yan"')
                lines.insert(first, bad)
                self.assertRefused(lines, "neither a comment, a slice line nor a reading list")

    def test_a_reading_list_before_the_first_slice(self):
        lines = committed_lines()
        first = index_of(lines, "slice 1 ")
        lines[first], lines[first + 1] = lines[first + 1], lines[first]
        self.assertRefused(lines, "a reading list before the first slice line")

    def test_places_out_of_sequence(self):
        for bad, message in (("slice 3 PinyinOf_Bai_Bi", "has place 3, expected 2"),
                             ("slice 1 PinyinOf_Bai_Bi", "has place 1, expected 2"),
                             ("slice 02 PinyinOf_Bai_Bi", "the place '02' is not a number"),
                             ("slice two PinyinOf_Bai_Bi", "the place 'two' is not a number")):
            with self.subTest(line=bad):
                lines = committed_lines()
                lines[index_of(lines, "slice 2 ")] = bad
                self.assertRefused(lines, message)

    def test_a_slice_named_against_the_rule(self):
        for bad in ("PinyinOf_A_Ba", "PinyinOf_a_bai", "CodeOf_A_Bai", "PinyinOf_A_Bai_"):
            with self.subTest(name=bad):
                lines = committed_lines()
                lines[index_of(lines, "slice 1 ")] = f"slice 1 {bad}"
                self.assertRefused(lines, f"slice {bad} should be named PinyinOf_A_Bai")

    def test_a_cut_that_is_not_every_hundred_lists(self):
        lines = committed_lines()
        second = index_of(lines, "slice 2 ")
        lines[second - 1], lines[second] = lines[second], lines[second - 1]
        self.assertRefused(lines, "slice PinyinOf_A_Bai holds 99 reading lists, expected 100")

    def test_a_last_slice_of_another_size(self):
        lines = committed_lines()
        last = index_of(lines, '- "zuo"')
        del lines[last]
        self.assertRefused(lines, "slice PinyinOf_Zha_Zuo holds 57 reading lists, expected 58")

    def test_a_slice_missing(self):
        lines = committed_lines()
        self.assertRefused(lines[:index_of(lines, "slice 36 ")], "35 slices, expected 36")

    def test_windows_line_ends(self):
        self.assertRefused("\r\n".join(committed_lines()), "carriage returns")

    def test_text_that_is_not_utf8(self):
        status, errors, written = run_generator(GENERATOR, joined(committed_lines()).encode("utf-8") + b"\xff\n",
                                                "readings.txt")
        self.assertEqual(status, 1)
        self.assertIn("not UTF-8", errors)
        self.assertEqual(written, {})

if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__.strip().split("\n\n")[1], file=sys.stderr)
        sys.exit(2)
    GENERATOR, READINGS = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=1)
