#!/usr/bin/env python3
"""Checks from the host, without running them, that the built programs are
Windows programs of the graphical subsystem for the build's processor, and
no larger than they should be.

    program_headers_test.py [--refused] PROCESSOR PROGRAM.exe[:MAX_BYTES]...

PROCESSOR is i686 (32-bit programs, PE32) or x86_64 (64-bit, PE32+). With
--refused, every program must instead be refused as one of PROCESSOR's: the
check itself is tested on programs of the other processor.
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
    refused = argv[1:2] == ["--refused"]
    if refused:
        argv = argv[:1] + argv[2:]
    if len(argv) < 3 or argv[1] not in KINDS:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    machine, magic = KINDS[argv[1]]
    programs = [(path.partition(":")[0], header_faults(path, machine, magic)) for path in argv[2:]]
    if refused:
        accepted = [path for path, faults in programs if not faults]
        for path, faults in programs:
            print(f"{path}: refused as an {argv[1]} program: {'; '.join(faults)}" if faults
                  else f"{path}: accepted as an {argv[1]} program, but it is not one")
        return 1 if accepted else 0
    failed = 0
    for path, faults in programs:
        for fault in faults:
            print(f"{path}: {fault}")
        failed += bool(faults)
    print(f"{len(programs) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
