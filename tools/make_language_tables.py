#!/usr/bin/env python3
"""Writes the built-in language tables resources/lang/LANG1.ini .. LANG3.ini.

The texts live in tools/language/language_tables.txt (UTF-8, one key per line with
its three texts; the file's header explains the columns). The program reads the
tables as UTF-16LE INI text with the byte-order mark FF FE and CR LF line ends; every
entry line is enclosed in double quotes because the reader splits entries at blanks.

Before writing, the script checks that each table holds exactly its key set and that
re-labelling a button caption between any two languages gives the caption of the
same function. With --check it writes nothing and exits 1 when a table differs from
what the source gives.
"""

import pathlib
import sys

import generated_files

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE = ROOT / "tools" / "language" / "language_tables.txt"
TARGETS = ROOT / "resources" / "lang"
TABLES = (1, 2, 3)

# The text keys of tables 1 and 2, as inclusive number ranges.
TEXT_KEY_RANGES = [
    (1, 16), (20, 22), (100, 108), (200, 208), (210, 214), (220, 223), (230, 233),
    (240, 243), (250, 254), (260, 277), (280, 286), (290, 293), (300, 314),
    (400, 402), (404, 418), (420, 422), (430, 430), (432, 435), (440, 442),
    (450, 451), (454, 458), (500, 502), (510, 512), (520, 526), (600, 606),
    (610, 614), (620, 621), (700, 707), (800, 810), (812, 831), (834, 861),
]
# Captions are translated by searching these key numbers (see relabel below).
REVERSE_LOOKUP_FIRST, REVERSE_LOOKUP_LAST = 100, 800


def expected_keys(table: int) -> set:
    numbers = [n for first, last in TEXT_KEY_RANGES for n in range(first, last + 1)]
    if table == 3:
        numbers = [n for n in numbers if n != 314 and n < 800]
    return {"FontName", "Title"} | {f"Str{n:03d}" for n in numbers}


class SourceError(Exception):
    pass


def read_source():
    """Returns the groups: lists of (key, {table: text}) in file order."""
    groups, group, seen = [], [], set()
    for number, raw in enumerate(SOURCE.read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        if line.startswith("#"):
            continue
        if not line:
            if group:
                groups.append(group)
                group = []
            continue
        cells = [cell.strip() for cell in line.split("|")]
        if len(cells) != 4 or not all(cells):
            raise SourceError(f"line {number}: expected KEY | text 1 | text 2 | text 3")
        key, first, second, third = cells
        if key in seen:
            raise SourceError(f"line {number}: {key} given twice")
        seen.add(key)
        texts = {1: first, 2: first if second == "=" else second}
        if third != "-":
            texts[3] = third
        group.append((key, texts))
    if group:
        groups.append(group)
    return groups


def table_texts(groups, table: int) -> dict:
    return {key: texts[table] for group in groups for key, texts in group if table in texts}


def check_key_sets(tables: dict):
    for table, texts in tables.items():
        missing = sorted(expected_keys(table) - texts.keys())
        extra = sorted(texts.keys() - expected_keys(table))
        if missing or extra:
            raise SourceError(f"table {table}: missing {missing}, not allowed {extra}")


def key_of_text(tables: dict, text: str):
    """The key whose text equals `text`: tables 1, 2, 3 in turn, last match wins."""
    found = None
    for table in TABLES:
        for n in range(REVERSE_LOOKUP_FIRST, REVERSE_LOOKUP_LAST + 1):
            if tables[table].get(f"Str{n}") == text:
                found = f"Str{n}"
    return found


def check_relabelling(tables: dict):
    """A caption shown in one language must translate to the same function elsewhere."""
    problems = []
    for source in TABLES:
        for key, text in tables[source].items():
            if not key.startswith("Str") or not REVERSE_LOOKUP_FIRST <= int(key[3:]) <= REVERSE_LOOKUP_LAST:
                continue
            found = key_of_text(tables, text)
            for target in TABLES:
                if key not in tables[target]:
                    continue
                relabelled = tables[target].get(found, text)
                if relabelled != tables[target][key]:
                    problems.append(f"{key} {text!r} (table {source}) becomes {relabelled!r} "
                                    f"in table {target} via {found}")
    if problems:
        raise SourceError("captions that do not survive a language switch:\n  " + "\n  ".join(problems))


def quoted(text: str) -> str:
    return '"' + text.replace('"', '""') + '"'


def table_bytes(groups, table: int) -> bytes:
    lines = [f"[lang{table}]"]
    for group in groups:
        entries = [quoted(f"{key}={texts[table]}") for key, texts in group if table in texts]
        if entries:
            lines.append("")
            lines.extend(entries)
    text = "".join(line + "\r\n" for line in lines)
    return b"\xff\xfe" + text.encode("utf-16-le")


def main() -> int:
    check = "--check" in sys.argv[1:]
    try:
        groups = read_source()
        tables = {table: table_texts(groups, table) for table in TABLES}
        check_key_sets(tables)
        check_relabelling(tables)
    except SourceError as error:
        print(f"{SOURCE.relative_to(ROOT)}: {error}", file=sys.stderr)
        return 2
    outputs = {TARGETS / f"LANG{table}.ini": table_bytes(groups, table) for table in TABLES}
    return generated_files.update(outputs, check, ROOT)

if __name__ == "__main__":
    sys.exit(main())
