#!/usr/bin/env python3
"""Makes the portable zip a Windows user unpacks and runs.

Usage: tools/package/package.py <MinGW build folder> [zip folder]

Writes Lirovant-<version>.zip (into the build folder's parent unless a zip
folder is given) holding one folder, Lirovant\\, with the program, zmk.dll,
lirovant-text.exe, Help\\, Sound\\ and ReadMe.txt, and prints the zip's path.
The version is the one of the program's version resource. The same build
gives the same bytes: the entries stand in a fixed order with a fixed time.
"""
import re
import sys
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
RESOURCE = ROOT / "app" / "win32" / "lirovant.rc"
README = Path(__file__).resolve().parent / "ReadMe.txt"
FOLDER = "Lirovant"
PROGRAMS = ("Lirovant.exe", "zmk.dll", "lirovant-text.exe")
FOLDERS = ("Help", "Sound")
# Zip times are local times of no zone, and the format's first day is the
# earliest it holds: the entries carry that rather than the build's clock.
FIXED_TIME = (1980, 1, 1, 0, 0, 0)


def version():
    """The ProductVersion string of the version resource."""
    text = RESOURCE.read_text(encoding="utf-8")
    found = re.search(r'VALUE\s+"ProductVersion",\s*"([^"]+)"', text)
    if not found:
        sys.exit(f"package: no ProductVersion in {RESOURCE}")
    return found.group(1)


def readme_bytes():
    """The text as Windows' own notepad reads it on every version: UTF-8
    with a byte-order mark, CR LF line ends."""
    text = README.read_text(encoding="utf-8").replace("\r\n", "\n").replace("\n", "\r\n")
    return b"\xef\xbb\xbf" + text.encode("utf-8")


def entries(build):
    """(name in the zip, bytes) for every file, sorted by name."""
    found = []
    for name in PROGRAMS:
        path = build / name
        if not path.is_file():
            sys.exit(f"package: {path} is missing; build the MinGW tree first")
        found.append((f"{FOLDER}/{name}", path.read_bytes()))
    for folder in FOLDERS:
        files = sorted(p for p in (build / folder).rglob("*") if p.is_file())
        if not files:
            sys.exit(f"package: {build / folder} is empty; build the MinGW tree first")
        for path in files:
            found.append((f"{FOLDER}/{path.relative_to(build).as_posix()}", path.read_bytes()))
    found.append((f"{FOLDER}/ReadMe.txt", readme_bytes()))
    return sorted(found)


def write_zip(target, files):
    with zipfile.ZipFile(target, "w") as archive:
        for name, data in files:
            info = zipfile.ZipInfo(name, FIXED_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # as made on Windows: no Unix modes
            info.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE
            archive.writestr(info, data, compresslevel=9)


def main(argv):
    if len(argv) not in (2, 3):
        sys.exit(__doc__)
    build = Path(argv[1]).resolve()
    out = Path(argv[2]).resolve() if len(argv) == 3 else build.parent
    out.mkdir(parents=True, exist_ok=True)
    target = out / f"Lirovant-{version()}.zip"
    write_zip(target, entries(build))
    print(target)


if __name__ == "__main__":
    main(sys.argv)
