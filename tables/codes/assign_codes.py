#!/usr/bin/env python3
"""Writes codes.txt, Tavrel's own assignment of Ombrik codes to characters.

Run by hand, never by the build; the build reads only the committed
codes.txt. The table it writes keeps these rules: there are 675 codes, every
pair of lowercase letters from "aa" to "zz" but "uz"; each of the 20,902
ideographs U+4E00..U+9FA5 and each of 36 further characters (FURTHER_KEYS)
has exactly one code; the codes, in ascending order, fall into nine slices of
80 (the last holds 35); a code holds from 1 to 106 characters, 28 at the
median; and for exactly 936 characters the first letter of the code is the
first letter of the character's first reading. The assignment is
deterministic:

1. The table's shape is fixed first: for each of the 675 codes the number of
   characters it holds, so that the characters per slice and first letter
   (SEGMENT_TOTALS), the sizes of the named groups (FIXED_SIZES) and the
   median hold, with the rest spread by a fixed hash of the code.
2. The characters of U+4E00..U+9FA5 are ordered by radical and residual
   strokes (kRSUnicode from the Unihan files of the unicode-data package), so
   that the characters of one radical fall into neighbouring codes.
3. The pinned characters (PINNED, FURTHER_KEYS) go to their codes; the
   remaining characters, in radical-stroke order, are cut into the code
   groups.
4. Characters on either side of a boundary between two first letters are
   swapped until the first letter of the code equals the first letter of the
   first reading (from the reading table's data file) for exactly 936
   characters. Nothing else about readings steers the assignment.

Usage:
  assign_codes.py [--unihan Unihan_IRGSources.txt.bz2] [--readings readings.txt]
                  [--output codes.txt]
"""

import argparse
import bz2
import hashlib
import math
import pathlib
import re
import sys

from generate_code_table import CODES, CODES_PER_SLICE, FIRST_IDEOGRAPH, LAST_IDEOGRAPH

HERE = pathlib.Path(__file__).resolve().parent

# Characters per (slice, first letter of the code).
SEGMENT_TOTALS = {
    (0, "a"): 410, (0, "b"): 564, (0, "c"): 602, (0, "d"): 84,
    (1, "d"): 951, (1, "e"): 538, (1, "f"): 568, (1, "g"): 58,
    (2, "g"): 267, (2, "h"): 1221, (2, "i"): 427, (2, "j"): 159,
    (3, "j"): 406, (3, "k"): 768, (3, "l"): 570, (3, "m"): 418,
    (4, "m"): 760, (4, "n"): 1055, (4, "o"): 1110, (4, "p"): 422,
    (5, "p"): 475, (5, "q"): 895, (5, "r"): 839, (5, "s"): 584,
    (6, "s"): 524, (6, "t"): 724, (6, "u"): 635, (6, "v"): 938,
    (7, "v"): 506, (7, "w"): 953, (7, "x"): 639, (7, "y"): 751,
    (8, "y"): 261, (8, "z"): 856,
}

# Groups whose size is given: the single and double groups, the smallest and
# largest group of each slice and the next ones named beside them.
FIXED_SIZES = {
    "bz": 1, "fz": 1, "cz": 2, "pz": 2,
    "fi": 3, "fs": 3, "iz": 3, "jz": 3, "qz": 3, "xz": 3, "up": 4, "yz": 7, "nz": 8,
    "da": 52, "dk": 78, "hc": 81, "kn": 87, "pc": 106,
    "pl": 77, "vc": 85, "va": 82, "vk": 78, "yc": 83, "yy": 65,
}

# Bounds of every other group, per slice: strictly between the slice's
# smallest and largest groups (and the next ones named beside them).
SLICE_BOUNDS = [(3, 51), (4, 77), (4, 77), (4, 77), (9, 77), (5, 76), (5, 76), (5, 76), (8, 64)]

MEDIAN = 28
MATCHES = 936

# The 36 keys outside U+4E00..U+9FA5.
FURTHER_KEYS = {
    0x3007: "oo", 0x304F: "pn", 0x30B3: "uu", 0x30CE: "pp", 0x30EA: "ip", 0x30F0: "ff",
    0x3105: "pc", 0x310B: "yc", 0x3128: "xx",
    0xE815: "cc", 0xE816: "ff", 0xE817: "ll", 0xE818: "cc", 0xE819: "ye", 0xE81C: "nn",
    0xE81D: "lc", 0xE81E: "jd", 0xE822: "bb", 0xE823: "bd", 0xE826: "pf", 0xE82B: "ky",
    0xE82C: "hy", 0xE830: "pk", 0xE831: "fd", 0xE832: "bb", 0xE833: "jy", 0xE836: "zz",
    0xE838: "bh", 0xE839: "vf", 0xE83A: "vw", 0xE83B: "ke", 0xE843: "bd", 0xE848: "zz",
    0xE854: "ff", 0xE855: "vb", 0xFA0C: "yh",
}

# Characters of U+4E00..U+9FA5 whose codes are fixed in advance.
PINNED = {
    "中": "oi", "行": "rj", "好": "nt", "呵": "oj",
    "一": "yy", "龥": "va", "糙": "bz", "轋": "fz",
    "庭": "cz", "翴": "cz", "艇": "pz", "鼮": "pz",
    "口": "oo", "囗": "oo", "木": "mm", "禾": "mm", "氵": "ss", "水": "ss",
    "扌": "tt", "亻": "rr", "彳": "rr", "宀": "bb", "艹": "hh", "辶": "zz",
    "兀": "yh", "丿": "pp", "匚": "uu", "十": "ff", "乂": "xx",
    "月": "aa", "豄": "aa", "賸": "aa", "誇": "dc", "夸": "dc", "赎": "gd",
    "国": "qw", "他": "rl", "山": "ui", "人": "vv", "天": "yd", "这": "zx",
    "盡": "uy", "焩": "va", "劓": "pj", "的": "pc",
}

# Fixed places inside a group: these open or close it, in this order.
GROUP_FRONT = {"aa": ["豄", "月", "賸"], "dc": ["誇"]}
GROUP_BACK = {"gd": ["赎"]}


def slice_of(code):
    return CODES.index(code) // CODES_PER_SLICE


def spread(code):
    """A fixed number from -1 to 1 for a code, from a hash of its letters."""
    digest = hashlib.sha256(("ombrik:" + code).encode()).digest()
    return int.from_bytes(digest[:4], "big") / 0xFFFFFFFF * 2 - 1


def weight(code):
    # Pairs ending in "z" are the rarest keystrokes, so their groups are small.
    base = 0.35 if code[1] == "z" else 1.0
    return base * math.exp(0.55 * spread(code))


def group_sizes(pinned_count):
    sizes = dict(FIXED_SIZES)
    segments = {}
    for code in CODES:
        segments.setdefault((slice_of(code), code[0]), []).append(code)
    bounds = {}
    for (slice_index, _), codes in segments.items():
        lo, hi = SLICE_BOUNDS[slice_index]
        for code in codes:
            if code not in FIXED_SIZES:
                bounds[code] = (max(lo, pinned_count.get(code, 0)), hi)
    for key, codes in segments.items():
        free = [c for c in codes if c not in FIXED_SIZES]
        total = SEGMENT_TOTALS[key] - sum(FIXED_SIZES.get(c, 0) for c in codes)
        sizes.update(share_out(total, free, bounds))
    fix_median(sizes, segments, bounds)
    return sizes


def share_out(total, codes, bounds):
    """Splits total over codes by weight, within each code's bounds."""
    clamped = {}
    while True:
        open_codes = [c for c in codes if c not in clamped]
        left = total - sum(clamped.values())
        scale = left / sum(weight(c) for c in open_codes)
        changed = False
        for c in open_codes:
            lo, hi = bounds[c]
            ideal = weight(c) * scale
            if ideal < lo or ideal > hi:
                clamped[c] = lo if ideal < lo else hi
                changed = True
        if not changed:
            break
    ideal = {c: weight(c) * scale for c in open_codes}
    result = dict(clamped)
    for c in open_codes:
        result[c] = math.floor(ideal[c])
    rest = total - sum(result.values())
    by_remainder = sorted(open_codes, key=lambda c: (-(ideal[c] - math.floor(ideal[c])), c))
    for c in by_remainder[:rest]:
        result[c] += 1
    for c in codes:
        lo, hi = bounds[c]
        if not lo <= result[c] <= hi:
            sys.exit(f"cannot share {total} over {codes}")
    return result


def fix_median(sizes, segments, bounds):
    """Moves characters between groups of one segment until the median is right."""
    segment_of = {c: key for key, codes in segments.items() for c in codes}
    while True:
        ordered = sorted(sizes.values())
        median = ordered[len(ordered) // 2]
        if median == MEDIAN:
            return
        free = sorted(bounds, key=lambda c: (abs(sizes[c] - MEDIAN), c))
        for code in free:
            if (median > MEDIAN) != (sizes[code] > MEDIAN) or sizes[code] == MEDIAN:
                continue
            delta = sizes[code] - MEDIAN  # to move to the donor or taker
            partners = [c for c in segments[segment_of[code]] if c in bounds and c != code
                        and sizes[c] > MEDIAN + abs(delta)
                        and bounds[c][0] <= sizes[c] + delta <= bounds[c][1]]
            if partners:
                partner = max(partners, key=lambda c: (sizes[c], c))
                sizes[code] -= delta
                sizes[partner] += delta
                break
        else:
            sys.exit("cannot reach the median")


def radical_strokes(unihan_path):
    """kRSUnicode as a sort key per code point: radical, simplified marks, strokes."""
    opener = bz2.open if str(unihan_path).endswith(".bz2") else open
    keys = {}
    with opener(unihan_path, "rt", encoding="utf-8") as source:
        for line in source:
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 3 or fields[1] != "kRSUnicode":
                continue
            point = int(fields[0][2:], 16)
            match = re.fullmatch(r"(\d+)('*)\.(-?\d+)", fields[2].split(" ")[0])
            keys[point] = (int(match.group(1)), len(match.group(2)), int(match.group(3)), point)
    return keys


def first_letters(readings_path):
    """The first letter of each character's first reading."""
    letters = {}
    with open(readings_path, encoding="utf-8") as source:
        for line in source:
            match = re.fullmatch(r'- "([a-z ]+)": (.+)', line.rstrip("\n"))
            if match:
                for ch in match.group(2):
                    letters[ch] = match.group(1)[0]
    return letters


def count_matches(code_of, letters):
    return sum(1 for ch, code in code_of.items() if ch in letters and letters[ch] == code[0])


WINDOW = 400  # characters looked at on either side of a boundary


def closest_pairs(left, right):
    """Pairs of one character from each side, the closest to the boundary first."""
    for distance in range(len(left) + len(right) - 1):
        for i in range(max(0, distance - len(right) + 1), min(distance, len(left) - 1) + 1):
            yield left[i], right[distance - i]


def reach_matches(order, code_of, letters, pinned):
    """Swaps characters across first-letter boundaries until MATCHES hold.

    A boundary is a place in the radical-stroke order where the first letter
    of the code changes. Each round makes at most one swap per boundary, of
    the closest pair of characters around it that moves the count the right
    way; no character is swapped twice.
    """
    boundaries = [i for i in range(1, len(order))
                  if code_of[order[i - 1]][0] != code_of[order[i]][0]]
    sides = []
    for boundary in boundaries:
        left_letter = code_of[order[boundary - 1]][0]
        right_letter = code_of[order[boundary]][0]
        left = [ch for ch in reversed(order[:boundary]) if code_of[ch][0] == left_letter]
        right = [ch for ch in order[boundary:] if code_of[ch][0] == right_letter]
        sides.append((left_letter, right_letter, list(closest_pairs(left[:WINDOW], right[:WINDOW]))))
    need = MATCHES - count_matches(code_of, letters)
    swapped = set()
    while need != 0:
        progress = False
        for left_letter, right_letter, pairs in sides:
            if need == 0:
                break
            for a, b in pairs:
                if a in swapped or b in swapped or a in pinned or b in pinned:
                    continue
                before = (letters[a] == left_letter) + (letters[b] == right_letter)
                after = (letters[a] == right_letter) + (letters[b] == left_letter)
                delta = after - before
                if delta != 0 and (delta > 0) == (need > 0) and abs(delta) <= abs(need):
                    code_of[a], code_of[b] = code_of[b], code_of[a]
                    swapped.update((a, b))
                    need -= delta
                    progress = True
                    break
        if not progress:
            sys.exit("cannot reach the number of matching first letters")
    return len(swapped) // 2


def assign(unihan_path, readings_path):
    rs = radical_strokes(unihan_path)
    letters = first_letters(readings_path)
    pinned = dict(PINNED)
    pinned.update({chr(p): c for p, c in FURTHER_KEYS.items()})
    pinned_count = {}
    for code in pinned.values():
        pinned_count[code] = pinned_count.get(code, 0) + 1
    sizes = group_sizes(pinned_count)

    order = sorted((chr(p) for p in range(FIRST_IDEOGRAPH, LAST_IDEOGRAPH + 1) if chr(p) not in pinned),
                   key=lambda ch: rs[ord(ch)])
    code_of = dict(pinned)
    cursor = 0
    for code in CODES:
        quota = sizes[code] - pinned_count.get(code, 0)
        for ch in order[cursor:cursor + quota]:
            code_of[ch] = code
        cursor += quota
    assert cursor == len(order)

    print(f"{count_matches(code_of, letters)} first letters match after the cut")
    swaps = reach_matches(order, code_of, letters, pinned)
    print(f"{swaps} swaps across first-letter boundaries")

    groups = {code: [] for code in CODES}
    no_rs = (10**6, 0, 0)
    for ch in sorted(code_of, key=lambda ch: rs.get(ord(ch), no_rs + (ord(ch),))):
        groups[code_of[ch]].append(ch)
    for code, front in GROUP_FRONT.items():
        groups[code] = front + [ch for ch in groups[code] if ch not in front]
    for code, back in GROUP_BACK.items():
        groups[code] = [ch for ch in groups[code] if ch not in back] + back
    return groups, letters


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--unihan", default="/usr/share/unicode/Unihan_IRGSources.txt.bz2")
    parser.add_argument("--readings", default=str(HERE.parent / "pinyin" / "readings.txt"))
    parser.add_argument("--output", default=str(HERE / "codes.txt"))
    args = parser.parse_args()
    groups, letters = assign(args.unihan, args.readings)
    code_of = {ch: code for code, chars in groups.items() for ch in chars}
    print(f"{len(code_of)} characters, {count_matches(code_of, letters)} first letters match")
    with open(args.output, "w", encoding="utf-8", newline="\n") as out:
        for code in CODES:
            out.write(f"{code} {''.join(groups[code])}\n")


if __name__ == "__main__":
    main()
