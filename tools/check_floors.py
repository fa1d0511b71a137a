#!/usr/bin/env python3
"""Checks the floors of the source tree from its include lines.

Each top-level folder stands on a floor. A file may include files of its own
folder and of folders on lower floors only; no two files include each other,
directly or through others; and only the application's folder includes the
main window's header. Tests and tools stand outside the floors.

Usage: tools/check_floors.py [repository folder]. Prints the folder graph and
exits 1 with one line per fault when the tree breaks a rule.
"""
import re
import sys
from pathlib import Path

FLOORS = {
    "common": 0,  # the vocabulary every floor uses
    "zmk": 0,  # the utility library zmk.dll
    "platform": 1,  # the seams and their Win32 sides
    "text": 2,
    "documents": 2,
    "search": 2,
    "settings": 2,
    "about": 2,
    "app": 3,  # the main window and the composition root
    "cli": 3,  # lirovant-text, the text commands on the command line: common/ and text/ only
}
MAIN_WINDOW = "app/win32/main_window.h"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def includes(root):
    """Every source file under the floors and the project files it includes."""
    graph = {}
    for folder in FLOORS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp", ".rc"):
                continue
            name = path.relative_to(root).as_posix()
            text = path.read_text(encoding="utf-8", errors="replace")
            targets = []
            for target in INCLUDE.findall(text):
                if "/" not in target:  # beside the file: the resource compiler's own
                    target = (path.parent / target).relative_to(root).as_posix()
                if (root / target).exists():
                    targets.append(target)
            graph[name] = targets
    return graph


def find_cycle(graph):
    """One include loop as a list of files, or None."""
    state = {}
    for start in graph:
        if state.get(start):
            continue
        stack = [(start, iter(graph.get(start, [])))]
        path = [start]
        state[start] = 1
        while stack:
            node, children = stack[-1]
            child = next(children, None)
            if child is None:
                state[node] = 2
                stack.pop()
                path.pop()
            elif state.get(child) == 1:
                return path[path.index(child):] + [child]
            elif not state.get(child):
                state[child] = 1
                stack.append((child, iter(graph.get(child, []))))
                path.append(child)
    return None


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
    graph = includes(root)
    faults = []
    edges = {}
    for source, targets in graph.items():
        home = source.split("/")[0]
        for target in targets:
            there = target.split("/")[0]
            if there not in FLOORS:
                faults.append(f"{source} includes {target}, which stands on no floor")
                continue
            if there != home:
                edges[(home, there)] = edges.get((home, there), 0) + 1
                if FLOORS[there] >= FLOORS[home]:
                    faults.append(f"{source} (floor {FLOORS[home]}) includes {target} (floor {FLOORS[there]})")
            if target == MAIN_WINDOW and home != "app":
                faults.append(f"{source} includes the main window's header")
    cycle = find_cycle(graph)
    if cycle:
        faults.append("include loop: " + " -> ".join(cycle))

    for floor in sorted(set(FLOORS.values()), reverse=True):
        for folder in sorted(f for f in FLOORS if FLOORS[f] == floor):
            below = sorted(f"{there} ({count})" for (home, there), count in edges.items() if home == folder)
            print(f"floor {floor}  {folder:<10} includes {', '.join(below) or 'nothing outside itself'}")
    print(f"{len(graph)} files, {sum(len(t) for t in graph.values())} includes")
    for fault in faults:
        print("FAULT: " + fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
