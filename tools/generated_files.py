"""Writes generated resource files, or with --check only reports the stale ones."""

import sys
from pathlib import Path


def update(outputs, check, root):
    """outputs: {target path: bytes}. Returns the exit status: 1 when --check found
    a stale file, else 0. Each file is written beside itself and renamed over."""
    stale = []
    for target, data in outputs.items():
        target.parent.mkdir(parents=True, exist_ok=True)
        if target.exists() and target.read_bytes() == data:
            continue
        if check:
            stale.append(target)
            continue
        temporary = target.with_suffix(target.suffix + ".tmp")
        temporary.write_bytes(data)
        temporary.replace(target)
        print(f"wrote {Path(target).relative_to(root)}")
    for target in stale:
        print(f"out of date: {Path(target).relative_to(root)}", file=sys.stderr)
    return 1 if stale else 0
