#!/usr/bin/env python3
"""Checks the sample payload against the rules setup and the product rely on:
line ends, encodings, the character repertoire of the Chinese licence (GB2312
symbols and level-1 hanzi only, so it shows on any Simplified Chinese system),
the shape of QuilleryUI.ini and the picture formats.

usage: check_payload.py [payload dir]     (exit status 1 on any failure)
"""
import os
import re
import sys

MAX_FILE = 1024 * 1024
LICENSE_EN_MIN, LICENSE_EN_MAX = 2700, 3200
LICENSE_CN_MIN_LINES, LICENSE_CN_MAX_LINES = 60, 70
MAX_LINE_BYTES = 200
UI_MIN_LINES, UI_MAX_LINES = 40, 80
JPEG_MAX, PNG_MAX = 30 * 1024, 15 * 1024
EXPECTED = [
    "gbk2b5.bin", "ch2py.bin", "CH2PYPZ1.BIN", "CH2PYPZ2.BIN",
    "LectorQuillery_Guide.htm", "LectorQuillery_Guide_en.htm", "QuilleryUI.ini",
    "barmenu.JPG", "Desktop.JPG", "taskicon.JPG", "TOOLBAR.JPG",
    "welcome_lectorquillery.JPG", "ctrlmenu.PNG",
    "license_en.txt", "license_cn.txt", "Sapi51forKorvo.msi",
]

errors = []


def fail(name, msg):
    errors.append(f"{name}: {msg}")


def crlf_only(name, data):
    if re.search(rb"(?<!\r)\n", data) or re.search(rb"\r(?!\n)", data):
        fail(name, "line ends are not all CR LF")
    if not data.endswith(b"\r\n"):
        fail(name, "does not end with CR LF")


def gb2312_level1_only(name, data):
    i = 0
    while i < len(data):
        b = data[i]
        if b < 0x80:
            i += 1
            continue
        if i + 1 >= len(data):
            fail(name, f"cut double-byte code at {i}")
            return
        lead, trail = b, data[i + 1]
        ok = (0xA1 <= lead <= 0xA7 or 0xB0 <= lead <= 0xD7) and 0xA1 <= trail <= 0xFE
        if lead == 0xD7 and trail > 0xF9:
            ok = False
        if not ok:
            fail(name, f"code {lead:02X}{trail:02X} at byte {i} is outside GB2312 symbols/level 1")
        i += 2


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "payload")
    files = {}
    for name in EXPECTED:
        path = os.path.join(root, name)
        if not os.path.isfile(path):
            fail(name, "missing")
            continue
        with open(path, "rb") as f:
            files[name] = f.read()
        if len(files[name]) >= MAX_FILE:
            fail(name, "1 MB or larger")

    d = files.get("license_en.txt")
    if d is not None:
        crlf_only("license_en.txt", d)
        if not LICENSE_EN_MIN <= len(d) <= LICENSE_EN_MAX:
            fail("license_en.txt", f"{len(d)} bytes")
        if any(b >= 0x80 for b in d):
            fail("license_en.txt", "not ASCII")

    d = files.get("license_cn.txt")
    if d is not None:
        crlf_only("license_cn.txt", d)
        gb2312_level1_only("license_cn.txt", d)
        lines = d.split(b"\r\n")[:-1]
        if not LICENSE_CN_MIN_LINES <= len(lines) <= LICENSE_CN_MAX_LINES:
            fail("license_cn.txt", f"{len(lines)} lines")
        for n, line in enumerate(lines, 1):
            if len(line) >= MAX_LINE_BYTES:
                fail("license_cn.txt", f"line {n} is {len(line)} bytes")

    d = files.get("QuilleryUI.ini")
    if d is not None:
        crlf_only("QuilleryUI.ini", d)
        text = d.decode("gbk")
        lines = text.split("\r\n")[:-1]
        sections = [l for l in lines if l.startswith("[")]
        if sections != ["[UI_STR]"] or lines[0] != "[UI_STR]":
            fail("QuilleryUI.ini", f"sections {sections}")
        entries = [l for l in lines[1:] if "=" in l]
        if not UI_MIN_LINES <= len(entries) <= UI_MAX_LINES:
            fail("QuilleryUI.ini", f"{len(entries)} entries")
        if "uilanguage=" in text.lower():
            fail("QuilleryUI.ini", "has a UILanguage line")
        keys = [l.split("=", 1)[0].lower() for l in entries]
        if len(keys) != len(set(keys)):
            fail("QuilleryUI.ini", "duplicate keys")

    d = files.get("LectorQuillery_Guide.htm")
    if d is not None:
        try:
            d.decode("gb2312")
        except UnicodeDecodeError as e:
            fail("LectorQuillery_Guide.htm", f"not GB2312: {e}")
        if b"charset=gb2312" not in d:
            fail("LectorQuillery_Guide.htm", "no gb2312 meta charset")

    for name, data in files.items():
        if name.endswith(".JPG"):
            if not data.startswith(b"\xff\xd8\xff") or len(data) >= JPEG_MAX:
                fail(name, "not a JPEG under 30 KB")
        if name.endswith(".PNG"):
            if not data.startswith(b"\x89PNG\r\n\x1a\n") or len(data) >= PNG_MAX:
                fail(name, "not a PNG under 15 KB")

    for e in errors:
        print(e)
    print("payload check:", "FAILED" if errors else "ok")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
