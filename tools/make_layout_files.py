#!/usr/bin/env python3
"""Writes the built-in layout files resources/layout/*.ini from tools/layout/*.ini.

The sources are UTF-8 so they can be edited anywhere; the program reads the layout
files as GBK text with CRLF line ends, as the files made on Windows are. Run it after
changing a source. With --check it writes nothing and exits 1 when a built-in file
differs from what its source gives.
"""

import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ROOT / "tools" / "layout"
TARGETS = ROOT / "resources" / "layout"


def layout_bytes(source: pathlib.Path) -> bytes:
    lines = source.read_text(encoding="utf-8").splitlines()
    return "".join(line + "\r\n" for line in lines).encode("gbk")


def main() -> int:
    check = "--check" in sys.argv[1:]
    stale = []
    TARGETS.mkdir(parents=True, exist_ok=True)
    for source in sorted(SOURCES.glob("*.ini")):
        target = TARGETS / source.name
        data = layout_bytes(source)
        if target.exists() and target.read_bytes() == data:
            continue
        if check:
            stale.append(target)
            continue
        temporary = target.with_suffix(".ini.tmp")
        temporary.write_bytes(data)
        temporary.replace(target)
        print(f"wrote {target.relative_to(ROOT)}")
    for target in stale:
        print(f"out of date: {target.relative_to(ROOT)}", file=sys.stderr)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
