#!/usr/bin/env python3
"""Writes a ZIP archive whose bytes depend only on the names and contents of its files.

usage: pack_zip.py ARCHIVE EPOCH NAME=PATH [NAME=PATH ...]

Entries are stored in the order given, deflated at level 9, all dated EPOCH (seconds since
1970, taken as UTC), with no owners, permissions or extra time stamps. A name is stored in code
page 936, which is how the archive folder of a Chinese Windows reads it, and when it is not plain
ASCII also in UTF-8 in an Info-ZIP Unicode Path field (0x7075), which other archivers prefer.
"""
import struct
import sys
import time
import zlib

VERSION = 20  # deflate; made by and for MS-DOS/Windows


def dos_date_time(epoch):
    t = time.gmtime(max(epoch, 315532800))  # DOS dates begin in 1980
    return (t.tm_hour << 11 | t.tm_min << 5 | t.tm_sec // 2,
            (t.tm_year - 1980) << 9 | t.tm_mon << 5 | t.tm_mday)


def unicode_path_field(stored_name, name):
    data = struct.pack('<BI', 1, zlib.crc32(stored_name)) + name.encode('utf-8')
    return struct.pack('<HH', 0x7075, len(data)) + data


def pack(archive, epoch, entries):
    time_of_day, date = dos_date_time(epoch)
    body, directory = bytearray(), bytearray()
    for name, path in entries:
        with open(path, 'rb') as f:
            data = f.read()
        deflater = zlib.compressobj(9, zlib.DEFLATED, -15)
        packed = deflater.compress(data) + deflater.flush()
        stored_name = name.encode('cp936')
        extra = b'' if name.isascii() else unicode_path_field(stored_name, name)
        fields = struct.pack('<HHHHHIIIHH', VERSION, 0, 8, time_of_day, date, zlib.crc32(data),
                             len(packed), len(data), len(stored_name), len(extra))
        directory += (b'PK\x01\x02' + struct.pack('<H', VERSION) + fields +
                      struct.pack('<HHHII', 0, 0, 0, 0, len(body)) + stored_name + extra)
        body += b'PK\x03\x04' + fields + stored_name + extra + packed
    end = struct.pack('<HHHHIIH', 0, 0, len(entries), len(entries), len(directory), len(body), 0)
    with open(archive, 'wb') as f:
        f.write(body + directory + b'PK\x05\x06' + end)


if __name__ == '__main__':
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    pack(sys.argv[1], int(sys.argv[2]), [arg.split('=', 1) for arg in sys.argv[3:]])
