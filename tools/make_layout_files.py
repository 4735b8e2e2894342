#!/usr/bin/env python3
"""Writes the built-in layout files resources/layout/*.ini from tools/layout/*.ini.

The sources are UTF-8 so they can be edited anywhere; the program reads the layout
files as GBK text with CRLF line ends, as the files made on Windows are. Run it after
changing a source. With --check it writes nothing and exits 1 when a built-in file
differs from what its source gives.
"""

import pathlib
import sys

import generated_files

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ROOT / "tools" / "layout"
TARGETS = ROOT / "resources" / "layout"


def layout_bytes(source: pathlib.Path) -> bytes:
    lines = source.read_text(encoding="utf-8").splitlines()
    return "".join(line + "\r\n" for line in lines).encode("gbk")


def main() -> int:
    check = "--check" in sys.argv[1:]
    outputs = {TARGETS / source.name: layout_bytes(source) for source in sorted(SOURCES.glob("*.ini"))}
    return generated_files.update(outputs, check, ROOT)

if __name__ == "__main__":
    sys.exit(main())
