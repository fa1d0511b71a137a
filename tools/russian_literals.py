#!/usr/bin/env python3
"""Lists the code files that hold Russian string literals, comments aside.

Texts the program shows belong in the resources or in a floor's texts table
(a file whose name ends in "_texts"); this prints every other code file that
still writes one out, with its count, and the number of such files last.
With --most N it exits 1 when there are more than N such files.
"""
import os
import re
import sys

ROOTS = ["app", "text", "documents", "search", "settings", "about", "platform", "common", "cli"]
CYRILLIC = re.compile("[\u0400-\u04FF]")


def literals(source):
    """Yields the string literals of C++ source, skipping comments and chars."""
    i, n = 0, len(source)
    while i < n:
        c = source[i]
        if source.startswith("//", i):
            i = source.find("\n", i)
            i = n if i < 0 else i
        elif source.startswith("/*", i):
            i = source.find("*/", i + 2)
            i = n if i < 0 else i + 2
        elif source.startswith('R"', i) and (i == 0 or not source[i - 1].isalnum()):
            open_paren = source.find("(", i)
            delimiter = ")" + source[i + 2:open_paren] + '"'
            end = source.find(delimiter, open_paren)
            yield source[open_paren + 1:end]
            i = end + len(delimiter)
        elif c in "\"'":
            j = i + 1
            while j < n and source[j] != c:
                j += 2 if source[j] == "\\" else 1
            if c == '"':
                yield source[i + 1:j]
            i = j + 1
        else:
            i += 1


def main():
    args = sys.argv[1:]
    most = None
    if "--most" in args:
        at = args.index("--most")
        most = int(args[at + 1])
        del args[at:at + 2]
    top = args[0] if args else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    found = []
    for root in ROOTS:
        for folder, _, names in os.walk(os.path.join(top, root)):
            for name in sorted(names):
                stem, ext = os.path.splitext(name)
                if ext not in (".cpp", ".h") or stem.endswith("_texts"):
                    continue
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    count = sum(1 for s in literals(f.read()) if CYRILLIC.search(s))
                if count:
                    found.append((os.path.relpath(path, top), count))
    for path, count in sorted(found):
        print(f"{count:4} {path}")
    print(f"{len(found)} code files hold Russian string literals outside the texts tables")
    return 1 if most is not None and len(found) > most else 0


if __name__ == "__main__":
    sys.exit(main())
