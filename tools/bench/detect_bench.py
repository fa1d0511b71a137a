#!/usr/bin/env python3
"""Prints how well lirovant-text detect tells the code page of short Russian
texts, beside enca and uchardet on the very same files, then the speed of
detect over a 64 MB file and of an exact conversion beside iconv.

The samples come from the Russian manual pages (Debian's manpages-ru), which
the detector's statistics never saw: those are counted on message catalogues.
A sample is a stretch of running text starting at a word, at least half of it
Russian letters, that all five 8-bit pages can hold; each is written in DOS,
KOI, ISO, MAC, WIN and UTF-8. A guess is right when it reads the bytes as the
same text as the true page does (MAC and WIN agree on small letters but я).

Usage: tools/bench/detect_bench.py [path of lirovant-text] [samples per page]
Needs: apt-get install manpages-ru enca uchardet
"""
import codecs
import gzip
import os
import random
import re
import resource
import subprocess
import sys
import tempfile
import time
from pathlib import Path

PAGES = {"DOS": "cp866", "KOI": "koi8_r", "ISO": "iso8859_5", "MAC": "mac_cyrillic", "WIN": "cp1251",
         "UTF-8": "utf-8"}
LENGTHS = (12, 24, 60, 150)
TOOL_NAMES = {"IBM866": "cp866", "CP866": "cp866", "KOI8-R": "koi8_r", "ISO-8859-5": "iso8859_5",
              "MACCYRILLIC": "mac_cyrillic", "MAC-CYRILLIC": "mac_cyrillic", "X-MAC-CYRILLIC": "mac_cyrillic",
              "CP1251": "cp1251", "WINDOWS-1251": "cp1251", "UTF-8": "utf-8", "DOS": "cp866", "KOI": "koi8_r",
              "ISO": "iso8859_5", "MAC": "mac_cyrillic", "WIN": "cp1251"}
ESCAPES = re.compile(r"\\(f\[[^]]*\]|f\(..|f.|\(..|\[[^]]*\]|s[-+]?\d|[-&e|^ 0~c%])")


def manual_text():
    """The running text of the Russian manual pages without their markup."""
    lines = []
    for path in sorted(Path("/usr/share/man/ru").rglob("*.gz")):
        for line in gzip.open(path, "rt", encoding="utf-8", errors="replace"):
            if line.startswith((".", "'")):
                continue
            lines.append(ESCAPES.sub(lambda m: "-" if m.group(1) == "-" else "", line.strip()))
    return " ".join(lines)


def fits_every_page(text):
    for codec in PAGES.values():
        try:
            text.encode(codec)
        except UnicodeEncodeError:
            return False
    return True


def samples(text, length, count, rng):
    starts = [m.start() for m in re.finditer(r"(?<=\s)\w", text)]
    found = []
    while len(found) < count:
        sample = text[rng.choice(starts):][:length]
        russian = sum("а" <= c.lower() <= "я" or c in "ёЁ" for c in sample)
        if len(sample) == length and russian * 2 >= length and fits_every_page(sample):
            found.append(sample)
    return found


def guesses(command, files, prefix_separator):
    """The encoding each file is guessed to be in, by a tool that takes many files."""
    answers = {}
    for start in range(0, len(files), 500):
        batch = files[start:start + 500]
        output = subprocess.run(command + batch, capture_output=True, text=True).stdout
        for line in output.splitlines():
            if prefix_separator == "\t":
                guess, _, name = line.partition("\t")
            else:
                name, _, guess = line.rpartition(": ")
            answers[name] = guess.strip().upper()
    return answers


def right(guess, data, truth):
    codec = TOOL_NAMES.get(guess)
    if codec is None:
        return False
    try:
        return data.decode(codec) == truth
    except UnicodeDecodeError:
        return False


def accuracy(tool, folder, cases):
    files = [str(folder / name) for name, _, _ in cases]
    if tool == "lirovant-text":
        answers = guesses([LIROVANT, "detect"], files, "\t")
    elif tool == "enca":
        answers = guesses(["enca", "-L", "russian", "-i"], files, ": ")
    else:
        answers = guesses(["uchardet"], files, ": ")
    hits = sum(right(answers.get(str(folder / name), ""), data, truth) for name, data, truth in cases)
    return 100.0 * hits / len(cases)


def best_time(command, **kwargs):
    """The best of three runs: (wall seconds, processor seconds of the child)."""
    best = None
    for _ in range(3):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        subprocess.run(command, check=True, **kwargs)
        wall = time.perf_counter() - start
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime
        best = (wall, cpu) if best is None else (min(best[0], wall), min(best[1], cpu))
    return best


def speeds(folder, text):
    block = text.encode("koi8_r", errors="replace")
    big = folder / "big.koi"
    with open(big, "wb") as file:
        size = 0
        while size < 64 << 20:
            file.write(block)
            size += len(block)
    megabytes = size / (1 << 20)
    out = folder / "big.win"
    detect, _ = best_time([LIROVANT, "detect", str(big)], stdout=subprocess.DEVNULL)
    ours = best_time([LIROVANT, "convert", "--from", "KOI", "--to", "WIN", "--replace", str(big), str(out)])
    theirs = best_time(["iconv", "-c", "-f", "KOI8-R", "-t", "CP1251", str(big), "-o", str(out)])
    print(f"\ndetect, {megabytes:.0f} MB KOI file: {megabytes / detect:8.0f} MB/s "
          "(judged on 64 KB spread over the file; the whole run, start to end)")
    print(f"convert KOI->WIN, {megabytes:.0f} MB file to file, MB/s of the whole run (of processor time):")
    print(f"  lirovant-text {megabytes / ours[0]:6.0f} ({megabytes / ours[1]:6.0f})   "
          f"iconv {megabytes / theirs[0]:6.0f} ({megabytes / theirs[1]:6.0f})   "
          f"{theirs[0] / ours[0]:.1f}x ({theirs[1] / ours[1]:.1f}x)")
    bench = Path(LIROVANT).resolve().parent.parent / "tools" / "bench" / "text_bench"
    if bench.exists():  # the conversion itself, in memory, beside iconv(3)
        print(subprocess.run([str(bench), "64", "exact"], capture_output=True, text=True).stdout, end="")


def main():
    per_page = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    rng = random.Random(1251)
    text = manual_text()
    tools = ["lirovant-text", "enca", "uchardet"]
    print(f"{per_page} samples per page and length, {len(PAGES)} pages; percent right")
    print(f"{'chars':>6}" + "".join(f"{tool:>15}" for tool in tools))
    with tempfile.TemporaryDirectory() as folder:
        folder = Path(folder)
        for length in LENGTHS:
            cases = []
            for i, sample in enumerate(samples(text, length, per_page, rng)):
                for page, codec in PAGES.items():
                    name = f"{length}_{i}_{page}.txt"
                    data = sample.encode(codec)
                    (folder / name).write_bytes(data)
                    cases.append((name, data, sample))
            print(f"{length:>6}" + "".join(f"{accuracy(tool, folder, cases):15.2f}" for tool in tools), flush=True)
        speeds(folder, text)


LIROVANT = sys.argv[1] if len(sys.argv) > 1 else os.path.join("build", "native", "cli", "lirovant-text")

if __name__ == "__main__":
    main()
