#!/usr/bin/env python3
"""Writes the four code-table stand-ins of the sample payload.

The tables are real GB2312 mappings, laid out simply, so they have the
size and feel of the product's data files while the reading program is
still a stand-in. Output is fully determined by the Python codecs.

usage: make_tables.py <payload dir>
"""
import os
import struct
import sys

ROW_FIRST = 0xA1        # first GB2312 row (lead byte)
ROW_LAST = 0xF7         # last GB2312 row
CELL_FIRST = 0xA1       # cells (trail bytes) of every row
CELL_LAST = 0xFE
LEVEL1_FIRST = 0xB0A1   # common hanzi, sorted by pinyin
LEVEL1_LAST = 0xD7F9
LEVEL2_FIRST = 0xD8A1   # rarer hanzi, sorted by radical
LEVEL2_LAST = 0xF7FE
SYMBOL_ROW_LAST = 0xA9  # rows 1-9 hold punctuation and symbols
NO_CODE = 0


def gb_char(code):
    """The character at a GB2312 code, or None for an unused cell."""
    try:
        return bytes([code >> 8, code & 0xFF]).decode("gb2312")
    except UnicodeDecodeError:
        return None


def cells(first, last):
    for lead in range(first >> 8, (last >> 8) + 1):
        for trail in range(CELL_FIRST, CELL_LAST + 1):
            code = (lead << 8) | trail
            if first <= code <= last:
                yield code


def gbk_to_big5():
    # One big-endian Big5 code per GB2312 cell; 0 where the character has
    # no Big5 form of its own (most simplified-only hanzi).
    out = bytearray()
    for code in cells(ROW_FIRST << 8 | CELL_FIRST, ROW_LAST << 8 | CELL_LAST):
        ch = gb_char(code)
        big5 = NO_CODE
        if ch is not None:
            try:
                b = ch.encode("big5")
                if len(b) == 2:
                    big5 = (b[0] << 8) | b[1]
            except UnicodeEncodeError:
                pass
        out += struct.pack(">H", big5)
    return bytes(out)


def hanzi_to_unicode(first, last):
    # Little-endian UCS-2 of each hanzi in GB2312 order.
    out = bytearray()
    for code in cells(first, last):
        ch = gb_char(code)
        out += struct.pack("<H", ord(ch) if ch else NO_CODE)
    return bytes(out)


def symbol_pairs():
    # (GB2312 code, UCS-2) pairs for every used cell of the symbol rows.
    out = bytearray()
    for code in cells(ROW_FIRST << 8 | CELL_FIRST, SYMBOL_ROW_LAST << 8 | CELL_LAST):
        ch = gb_char(code)
        if ch is not None:
            out += struct.pack("<HH", code, ord(ch))
    return bytes(out)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    dest = sys.argv[1]
    tables = {
        "gbk2b5.bin": gbk_to_big5(),
        "ch2py.bin": hanzi_to_unicode(LEVEL1_FIRST, LEVEL1_LAST),
        "CH2PYPZ1.BIN": hanzi_to_unicode(LEVEL2_FIRST, LEVEL2_LAST),
        "CH2PYPZ2.BIN": symbol_pairs(),
    }
    for name, data in tables.items():
        with open(os.path.join(dest, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
