#!/usr/bin/env python3
"""Checks from the host, without running them, that the built programs are
Windows programs of the graphical subsystem for the build's processor, and
no larger than they should be.

    program_headers_test.py PROCESSOR PROGRAM.exe[:MAX_BYTES]...

PROCESSOR is i686 (32-bit programs, PE32) or x86_64 (64-bit, PE32+).
"""
import os
import struct
import sys

# processor: (machine, optional header magic)
KINDS = {"i686": (0x014C, 0x10B), "x86_64": (0x8664, 0x20B)}
SUBSYSTEM_WINDOWS_GUI = 2


def header_faults(path, machine, magic):
    faults = []
    path, _, most = path.partition(":")
    if most and os.path.getsize(path) > int(most):
        faults.append(f"{os.path.getsize(path)} bytes, more than {most}")
    with open(path, "rb") as program:
        data = program.read(4096)
    if data[:2] != b"MZ" or len(data) < 0x40:
        return faults + ["not a program file: no MZ header"]
    (pe_offset,) = struct.unpack_from("<I", data, 0x3C)
    if len(data) < pe_offset + 24 + 70 or data[pe_offset:pe_offset + 4] != b"PE\0\0":
        return faults + ["no PE header"]
    (file_machine,) = struct.unpack_from("<H", data, pe_offset + 4)
    optional = pe_offset + 24
    (file_magic,) = struct.unpack_from("<H", data, optional)
    # The subsystem stands at the same offset in PE32 and PE32+ headers.
    (subsystem,) = struct.unpack_from("<H", data, optional + 68)
    if file_machine != machine:
        faults.append(f"machine {file_machine:#06x}, expected {machine:#06x}")
    if file_magic != magic:
        faults.append(f"optional header magic {file_magic:#x}, expected {magic:#x}")
    if subsystem != SUBSYSTEM_WINDOWS_GUI:
        faults.append(f"subsystem {subsystem}, expected {SUBSYSTEM_WINDOWS_GUI} (graphical)")
    return faults


def main(argv):
    if len(argv) < 3 or argv[1] not in KINDS:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    machine, magic = KINDS[argv[1]]
    failed = 0
    for path in argv[2:]:
        faults = header_faults(path, machine, magic)
        for fault in faults:
            print(f"{path.partition(':')[0]}: {fault}")
        failed += bool(faults)
    passed = len(argv) - 2 - failed
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
