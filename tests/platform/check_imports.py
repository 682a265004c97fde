"""Fails when a Windows executable needs a DLL that Windows does not ship in System32.

Reads the import and delay-load tables of each PE file named on the command line and checks every
DLL named there against the list below. Under Wine such an executable may still run (Debian's
Wine carries zlib1.dll and others of its own), so only its import table shows the fault. For the
files given with --by-name, every library name written in the file ("msimg32.dll": what the
program loads by name) is checked as well.

Usage: check_imports.py [--by-name EXE]... EXE...
"""
import argparse
import re
import struct
import sys

# Libraries every Windows 10 and 11 has in System32: the ones the program and its tests import,
# and the ones the program loads by name (draw/api*.cpp, draw/external_function.cpp).
SYSTEM_LIBRARIES = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "advapi32.dll", "msvcrt.dll",
    "comctl32.dll", "comdlg32.dll", "ole32.dll", "oleaut32.dll", "shlwapi.dll", "msimg32.dll",
    "gdiplus.dll", "mpr.dll", "psapi.dll", "version.dll", "winmm.dll", "ws2_32.dll", "imm32.dll",
    "uxtheme.dll", "ntdll.dll",
}

IMPORT_DIRECTORY = 1
DELAY_IMPORT_DIRECTORY = 13


class PeFile:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        if self.data[:2] != b"MZ":
            raise ValueError(f"{path}: not an MZ executable")
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise ValueError(f"{path}: no PE signature")
        sections, optional_size = struct.unpack_from("<2xH12xH", self.data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", self.data, optional)[0]
        if magic == 0x10B:  # PE32
            self.image_base = struct.unpack_from("<I", self.data, optional + 28)[0]
            directories = optional + 96
        elif magic == 0x20B:  # PE32+
            self.image_base = struct.unpack_from("<Q", self.data, optional + 24)[0]
            directories = optional + 112
        else:
            raise ValueError(f"{path}: unknown optional header 0x{magic:x}")
        self.directories_at = directories
        self.directory_count = struct.unpack_from("<I", self.data, directories - 4)[0]
        table = optional + optional_size
        self.sections = []
        for i in range(sections):
            virtual_size, rva, raw_size, raw_at = struct.unpack_from(
                "<8xIIII", self.data, table + 40 * i)
            self.sections.append((rva, max(virtual_size, raw_size), raw_at))

    def directory(self, index):
        if index >= self.directory_count:
            return 0, 0
        return struct.unpack_from("<II", self.data, self.directories_at + 8 * index)

    def offset(self, rva):
        for start, size, raw_at in self.sections:
            if start <= rva < start + size:
                return raw_at + rva - start
        raise ValueError(f"address 0x{rva:x} lies in no section")

    def text(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("ascii")

    def imported_libraries(self):
        names = []
        rva, size = self.directory(IMPORT_DIRECTORY)
        if rva and size:
            at = self.offset(rva)
            while True:
                lookup, _, _, name, thunks = struct.unpack_from("<5I", self.data, at)
                if not (lookup or name or thunks):
                    break
                names.append(self.text(name))
                at += 20
        rva, size = self.directory(DELAY_IMPORT_DIRECTORY)
        if rva and size:
            at = self.offset(rva)
            while True:
                attributes, name = struct.unpack_from("<II", self.data, at)
                if not name:
                    break
                # Attribute bit 0 clear: an old-style table holding addresses, not RVAs.
                names.append(self.text(name if attributes & 1 else name - self.image_base))
                at += 32
        return names


def named_libraries(pe):
    return sorted({m.decode("ascii") for m in re.findall(rb"([\w.-]+\.dll)\0", pe.data, re.I)})


def check(path, what, libraries):
    print(f"{path}: {what}: {', '.join(libraries)}")
    if not libraries:
        print(f"{path}: no library found; not an executable of this project?")
        return False
    strange = [name for name in libraries if name.lower() not in SYSTEM_LIBRARIES]
    for name in strange:
        print(f"{path}: {what} {name}, which Windows does not ship in System32")
    return not strange


def main():
    parser = argparse.ArgumentParser(usage=__doc__.splitlines()[-1][len("Usage: "):])
    parser.add_argument("--by-name", action="append", default=[], metavar="EXE")
    parser.add_argument("executables", nargs="*", metavar="EXE")
    arguments = parser.parse_args()
    ok = True
    for path in arguments.by_name + arguments.executables:
        pe = PeFile(path)
        ok &= check(path, "imports", pe.imported_libraries())
        if path in arguments.by_name:
            ok &= check(path, "names", named_libraries(pe))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
