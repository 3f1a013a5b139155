#!/usr/bin/env python3
"""Checks from the host, without running them, that the built programs are
Windows programs of the graphical subsystem for the build's processor, no
larger than they should be, and that they import only DLLs that Windows
itself has: a program that needs a DLL of the compiler's runtime beside it
does not start on a user's Windows.

    program_headers_test.py [--refused] PROCESSOR PROGRAM.exe[:MAX_BYTES]...

PROCESSOR is i686 (32-bit programs, PE32) or x86_64 (64-bit, PE32+). With
--refused, every program must instead be refused, for one fault or more: the
check itself is tested on programs that have them.
"""
import os
import struct
import sys

# processor: (machine, optional header magic)
KINDS = {"i686": (0x014C, 0x10B), "x86_64": (0x8664, 0x20B)}
SUBSYSTEM_WINDOWS_GUI = 2
# Where the data directories begin in the optional header, and the index of
# the import table's among them.
DATA_DIRECTORIES = {0x10B: 96, 0x20B: 112}
IMPORT_TABLE = 1

# DLLs that every Windows from XP on has in its system directory.
WINDOWS_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "imm32.dll", "kernel32.dll",
    "msvcrt.dll", "ole32.dll", "oleaut32.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "usp10.dll", "version.dll", "winmm.dll",
}


def c_string(data, offset):
    end = data.find(b"\0", offset)
    return data[offset:end if end >= 0 else len(data)].decode("ascii", "replace")


def imported_dlls(data, optional, magic, sections):
    """The names of the DLLs that the import table names, in its order."""
    directory = optional + DATA_DIRECTORIES[magic] + 8 * IMPORT_TABLE
    (table_rva, _) = struct.unpack_from("<II", data, directory)
    if table_rva == 0:
        return []

    def offset_of(rva):
        for virtual_address, virtual_size, raw_offset, raw_size in sections:
            if virtual_address <= rva < virtual_address + max(virtual_size, raw_size):
                return raw_offset + rva - virtual_address
        raise ValueError(f"address {rva:#x} lies in no section")

    names = []
    at = offset_of(table_rva)
    while True:
        # An import descriptor of 20 bytes; the name's address at 12. The
        # table ends with one that is all zero.
        descriptor = data[at:at + 20]
        if len(descriptor) < 20 or descriptor == bytes(20):
            return names
        (name_rva,) = struct.unpack_from("<I", descriptor, 12)
        names.append(c_string(data, offset_of(name_rva)))
        at += 20


def header_faults(path, machine, magic):
    faults = []
    path, _, most = path.partition(":")
    if most and os.path.getsize(path) > int(most):
        faults.append(f"{os.path.getsize(path)} bytes, more than {most}")
    with open(path, "rb") as program:
        data = program.read()
    if data[:2] != b"MZ" or len(data) < 0x40:
        return faults + ["not a program file: no MZ header"]
    (pe_offset,) = struct.unpack_from("<I", data, 0x3C)
    if len(data) < pe_offset + 24 + 70 or data[pe_offset:pe_offset + 4] != b"PE\0\0":
        return faults + ["no PE header"]
    (file_machine, section_count) = struct.unpack_from("<HH", data, pe_offset + 4)
    (optional_size,) = struct.unpack_from("<H", data, pe_offset + 20)
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
    if file_magic in DATA_DIRECTORIES:
        table = optional + optional_size
        sections = []
        for i in range(section_count):
            # A section header of 40 bytes, its name first.
            size, address, raw_size, raw_offset = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            sections.append((address, size, raw_offset, raw_size))
        try:
            dlls = imported_dlls(data, optional, file_magic, sections)
        except (ValueError, struct.error) as fault:
            return faults + [f"unreadable import table: {fault}"]
        for dll in dlls:
            if dll.lower() not in WINDOWS_DLLS:
                faults.append(f"imports {dll}, which Windows does not have")
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
                  else f"{path}: accepted as an {argv[1]} program, but it should have been refused")
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
