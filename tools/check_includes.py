#!/usr/bin/env python3
"""Prints which product folder includes which, and fails on an include against the direction
app -> ui, install, music -> framework (music -> soundlib/fsound.h only; ui, app -> res/Resource.h),
on an include not written from the project root, and on an include loop among folders or among the
units (header and source of one name) of a folder."""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDERS = ["framework", "soundlib", "ui", "install", "music", "app"]
ALLOWED = {
    "framework": set(),
    "soundlib": set(),
    "ui": {"framework", "res/Resource.h"},
    "install": {"framework"},
    "music": {"framework", "soundlib/fsound.h"},
    "app": {"ui", "install", "music", "framework", "res/Resource.h"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def includes_of(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return INCLUDE.findall(f.read())


def cycle(graph):
    """One loop in the graph as a list of nodes, or None."""
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                return trail[trail.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt, trail + [nxt])
                if found:
                    return found
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node, [node])
            if found:
                return found
    return None


def main():
    faults = []
    folder_graph = {f: set() for f in FOLDERS}
    unit_graphs = {f: {} for f in FOLDERS}
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            if not name.endswith((".h", ".cpp", ".c", ".inc")):
                continue
            rel = f"{folder}/{name}"
            unit = os.path.splitext(name)[0]
            for inc in includes_of(os.path.join(ROOT, rel)):
                target = inc.split("/")[0]
                if "/" not in inc or ".." in inc.split("/") or not os.path.isfile(os.path.join(ROOT, inc)):
                    faults.append(f"{rel}: \"{inc}\" is not a file named from the project root")
                    continue
                if target == folder:
                    other = os.path.splitext(os.path.basename(inc))[0]
                    if other != unit:
                        unit_graphs[folder].setdefault(unit, set()).add(other)
                    continue
                if target not in ALLOWED[folder] and inc not in ALLOWED[folder]:
                    faults.append(f"{rel}: \"{inc}\" is against the direction")
                folder_graph[folder].add(target)
    for folder in FOLDERS:
        print(f"{folder:10} -> {', '.join(sorted(folder_graph[folder])) or '(nothing)'}")
    loop = cycle(folder_graph)
    if loop:
        faults.append("folders include each other: " + " -> ".join(loop))
    for folder in FOLDERS:
        loop = cycle(unit_graphs[folder])
        if loop:
            faults.append(f"units of {folder}/ include each other: " + " -> ".join(loop))
    for fault in faults:
        print(fault, file=sys.stderr)
    print(f"{len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
