#!/usr/bin/env python3
"""Fails when an include crosses the declared layers of src/.

The build writes the declared layers (folder: the folders it uses) to layers.txt. A file
of src/FOLDER may include headers of FOLDER and of the layers FOLDER uses, directly or
through them; tests/FOLDER may include the same and tests/support. Only the window's
layer (app) and its tests include Qt. The declared layers must not form a cycle.

usage: check_layers.py LAYERS_TXT SOURCE_DIR
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
QT_LAYER = "app"


def read_layers(path):
    layers = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if ":" not in line:
                continue
            folder, uses = line.split(":", 1)
            layers[folder.strip()] = set(uses.split())
    return layers


def find_cycle(layers):
    state = {}

    def visit(folder, path):
        state[folder] = "open"
        for used in sorted(layers.get(folder, ())):
            if state.get(used) == "open":
                return path + [folder, used]
            if used not in state:
                cycle = visit(used, path + [folder])
                if cycle:
                    return cycle
        state[folder] = "done"
        return None

    for folder in sorted(layers):
        if folder not in state:
            cycle = visit(folder, [])
            if cycle:
                return cycle
    return None


def reachable(layers, folder):
    seen, todo = set(), [folder]
    while todo:
        for used in layers.get(todo.pop(), ()):
            if used not in seen:
                seen.add(used)
                todo.append(used)
    return seen


def source_files(root):
    for folder, _, names in os.walk(root):
        for name in sorted(names):
            if name.endswith((".h", ".cpp")):
                yield os.path.join(folder, name)


def check_tree(tree, layers, extra_allowed, problems):
    for path in source_files(tree):
        folder = os.path.relpath(path, tree).split(os.sep)[0]
        if folder == path or folder not in layers:
            continue
        allowed = reachable(layers, folder) | {folder} | extra_allowed
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        for bracket, header in INCLUDE.findall(text):
            first = header.split("/")[0]
            if bracket == "<" and re.match(r"Q[A-Z]|Qt", first) and folder != QT_LAYER:
                problems.append(f"{path}: includes Qt <{header}> outside the window's layer")
            if bracket != '"' or "/" not in header:
                continue
            if first in layers and first not in allowed:
                problems.append(f"{path}: {folder} may not include {header} ({first} is not "
                                f"below {folder})")
            elif first not in layers and first not in extra_allowed:
                problems.append(f"{path}: {header} is in no declared layer")


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    layers = read_layers(argv[1])
    problems = []
    cycle = find_cycle(layers)
    if cycle:
        problems.append("the declared layers form a cycle: " + " -> ".join(cycle))
    source = argv[2]
    check_tree(os.path.join(source, "src"), layers, set(), problems)
    check_tree(os.path.join(source, "tests"), layers, {"support"}, problems)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print(f"{len(problems)} include(s) against the layers", file=sys.stderr)
        return 1
    print(f"{len(layers)} layers, every include follows them")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
