#!/usr/bin/env python3
"""Writes the movie files the movie tests read, compressing frames with Python's zlib module.

Frame f holds palette index (3x + 5y + 17f) mod 256 at pixel (x, y) and palette entry k =
(blue k, green (k + 40f) mod 256, red 255 - k, 0); the tests compute the same values.
"""
import struct
import sys
import zlib


def picture(width, height, frame):
    return bytes((3 * x + 5 * y + 17 * frame) & 0xFF for y in range(height) for x in range(width))


def palette(frame):
    return b"".join(bytes((k, (k + 40 * frame) & 0xFF, 255 - k, 0)) for k in range(256))


def payload(width, height, frame):
    return picture(width, height, frame) + palette(frame)


def movie(frames, fix_index=None):
    """frames: list of compressed byte strings (None = a record fix_index fills in)."""
    header_size = 20 + 8 * len(frames)
    records, data, offset = [], b"", header_size
    for frame in frames:
        records.append([offset, len(frame or b"")])
        data += frame or b""
        offset += len(frame or b"")
    total = header_size + len(data)
    if fix_index:
        fix_index(records, total)
    index = b"".join(struct.pack("<ii", o, s) for o, s in records)
    return b"MOZ1" + struct.pack("<iiii", len(frames), 0, 0, 0) + index + data


def small_movie():
    w, h = 240, 180
    frames = [zlib.compress(payload(w, h, f), 9) for f in range(6)]
    frames.append(zlib.compress(picture(w, 10, 6), 9))  # 6: only the first ten rows
    bad_check = bytearray(zlib.compress(payload(w, h, 7), 9))
    bad_check[-1] ^= 0x5A  # 7: Adler-32 that does not match
    frames.append(bytes(bad_check))
    too_long = payload(w, h, 8) + bytes((i * 7) & 0xFF for i in range(5 * w - 1024 + 100))
    frames.append(zlib.compress(too_long, 9))  # 8: 100 bytes more than the DIB holds
    frames += [None, None, None]  # 9: offset at the end, 10: size past the end, 11: size 0
    frames.append(b"\x00not a zlib stream at all\xff")  # 12
    # Where the Adler-32 trailer is read: 13 with bytes after it, 14 with it cut short, and 15
    # whose payload fills the DIB to its last byte.
    frames.append(zlib.compress(payload(w, h, 13), 9) + b"\x01\x02\x03\x04 after the trailer")
    frames.append(zlib.compress(payload(w, h, 14), 9)[:-2])
    filling = payload(w, h, 15) + bytes((i * 11) & 0xFF for i in range(5 * w - 1024))
    frames.append(zlib.compress(filling, 9))

    def fix(records, total):
        records[9] = [total, 16]
        records[10] = [records[0][0], total]
        records[11] = [records[0][0], 0]

    return movie(frames, fix)


def full_movie():
    return movie([zlib.compress(payload(640, 480, f), 9) for f in range(2)])


def main():
    out = sys.argv[1]
    with open(out + "/small.moz", "wb") as f:
        f.write(small_movie())
    with open(out + "/full.moz", "wb") as f:
        f.write(full_movie())


if __name__ == "__main__":
    main()
