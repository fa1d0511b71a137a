#!/usr/bin/env python3
"""Prints how well lirovant-text detect tells the code page of short texts,
beside enca and uchardet on the very same files, then how often each of its
confidences is right, then the speed of detect over a 64 MB file and of an
exact conversion beside iconv.

Every sample is held out: none of it went into the letter statistics, which
tools/stats/make_bigrams.py counts on the message catalogues less the ones it
names in HELD_OUT.
- Russian running text: the Russian manual pages (manpages-ru);
- Ukrainian running text: the Ukrainian manual pages (manpages-uk);
- Belarusian running text: the held-out Belarusian catalogues;
- mixed lines: lines of the Russian manual pages with English words in them;
- subject lines: single lines of the Russian fortunes (fortunes-ru);
- doubly encoded: Russian manual text garbled by one or two wrong readings
  and saved as UTF-8 each time;
- UTF-8 with errors: a paragraph of UTF-8 with one word in Windows-1251;
- text in pages not read here: Polish, German, French and Greek messages of
  dpkg and apt in their own 8-bit pages, where ? is the right answer (a peer,
  which reads these pages itself, is right unless it names a Cyrillic one).
A sample is a stretch of text starting at a word, at least half of it letters
(a quarter for the mixed lines), that all the pages of its row can hold. A
guess is right when it reads the bytes as the same text as the truth does
(MAC and WIN agree on small letters, KOI and KOI8-U on Russian); a chain of
wrong readings is right when undoing it gives the text. Each peer reads as
it is best told to: enca with the language of the row where it knows it.

The held-out text is split in two parts, by manual page, fortune file or
catalogue message, so that no source gives samples to both:
- the fit part, on which the scale of the letter model's odds is chosen: of
  ODDS_SCALES, the one whose confidences tell best which answers are right
  (the least log loss), among those that keep answers at 0.9 and above wrong
  fewer than FIT_MOST_WRONG times in 1000 and every confidence band right at
  least as often as it says (--fit prints this alone);
- the report part, on which nothing was tuned: the rows beside the peers and
  the table of confidence are measured on it.

Usage: tools/bench/detect_bench.py [--fit] [path of lirovant-text] [samples per page]
(LV_BENCH_SHOW_WRONG=1 prints each wrong answer given at 0.9 and above on the
fit part: the report part is not looked into)
Needs: apt-get install manpages-ru manpages-uk fortunes-ru enca uchardet
"""
import codecs
import gettext
import gzip
import hashlib
import math
import os
import random
import re
import resource
import subprocess
import sys
import tempfile
import time
from pathlib import Path

CODECS = {"DOS": "cp866", "KOI": "koi8_r", "ISO": "iso8859_5", "MAC": "mac_cyrillic", "WIN": "cp1251",
          "KOI8-U": "koi8_u", "CP1125": "cp1125", "IBM855": "cp855", "UTF-8": "utf-8",
          "UTF-16LE": "utf-16-le", "UTF-16BE": "utf-16-be"}
OLD_PAGES = ("DOS", "KOI", "ISO", "MAC", "WIN", "UTF-8")
NEW_PAGES = ("KOI8-U", "CP1125", "IBM855")
# The names the peers answer with.
TOOL_NAMES = {"IBM866": "cp866", "CP866": "cp866", "KOI8-R": "koi8_r", "ISO-8859-5": "iso8859_5",
              "MACCYRILLIC": "mac_cyrillic", "MAC-CYRILLIC": "mac_cyrillic", "X-MAC-CYRILLIC": "mac_cyrillic",
              "MACCYR": "mac_cyrillic", "CP1251": "cp1251", "WINDOWS-1251": "cp1251", "UTF-8": "utf-8",
              "KOI8-U": "koi8_u", "CP1125": "cp1125", "IBM855": "cp855", "CP855": "cp855",
              "UTF-16LE": "utf-16-le", "UTF-16BE": "utf-16-be"}
for page, codec in CODECS.items():
    TOOL_NAMES.setdefault(page, codec)
ESCAPES = re.compile(r"\\(f\[[^]]*\]|f\(..|f.|\(..|\[[^]]*\]|s[-+]?\d|[-&e|^ 0~c%])")
CYRILLIC = re.compile(r"[а-яёіїєґўА-ЯЁІЇЄҐЎ]")
LATIN = re.compile(r"[A-Za-z]")
HELD_OUT = ("glib20.mo", "libc.mo", "systemd.mo")  # as tools/stats/make_bigrams.py
# Text in pages the tool does not read: (row, language, enca's language, pages).
FOREIGN = (("Polish in CP1250 and ISO-8859-2", "pl", "polish", ("cp1250", "iso8859_2")),
           ("German and French in CP1252", "de fr", "none", ("cp1252",)),
           ("Greek in CP1253 and ISO-8859-7", "el", "none", ("cp1253", "iso8859_7")))
FOREIGN_CATALOGUES = ("dpkg.mo", "apt.mo")
# From 1, the model's odds as they stand: its pairs overlap, so it can only overstate them.
ODDS_SCALES = (1.0, 1.5, 2.0, 3.0, 4.0, 6.0)
FIT_MOST_WRONG = 0.5  # in 1000 at 0.9 and above: half the goal, for the part it was not chosen on


def keep_byte(error):
    """WIN's one unassigned byte 0x98 stands for U+0098, as in the tool."""
    if isinstance(error, UnicodeDecodeError):
        return "".join(chr(b) for b in error.object[error.start:error.end]), error.end
    chunk = error.object[error.start:error.end]
    if all(ord(c) == 0x98 for c in chunk):
        return b"\x98" * len(chunk), error.end
    raise error


codecs.register_error("keep", keep_byte)

BANDS = ((0.0, 0.5), (0.5, 0.9), (0.9, 0.99), (0.99, 0.999), (0.999, 1.01))


def part_of(name):
    """The part a source belongs to, by its name alone: the same on every machine."""
    return ("fit", "report")[hashlib.sha1(name.encode("utf-8")).digest()[0] & 1]


def manual_lines(language, part):
    """The lines of running text of a language's manual pages, without markup."""
    lines = []
    root = Path("/usr/share/man/" + language)
    for path in sorted(root.rglob("*.gz")):
        if part_of(str(path.relative_to(root))) != part:
            continue
        for line in gzip.open(path, "rt", encoding="utf-8", errors="replace"):
            if line.startswith((".", "'")):
                continue
            lines.append(ESCAPES.sub(lambda m: "-" if m.group(1) == "-" else "", line.strip()))
    return lines


def catalogue_text(language, names, part):
    texts = []
    for name in names:
        path = Path("/usr/share/locale/%s/LC_MESSAGES/%s" % (language, name))
        if path.exists():
            with open(path, "rb") as file:
                texts += [t for k, t in gettext.GNUTranslations(file)._catalog.items()
                          if k and part_of("%s %s %r" % (language, name, k)) == part]
    return " ".join(t.replace("\n", " ") for t in texts)


def fortune_lines(part):
    lines = []
    for path in sorted(Path("/usr/share/games/fortunes/ru").glob("*")):
        if path.suffix in (".dat", ".u8") or path.is_symlink() or part_of(path.name) != part:
            continue
        lines += [line.strip() for line in path.read_text(encoding="utf-8", errors="replace").splitlines()]
    return [line for line in lines if line and line != "%"]


def fits(text, pages):
    for page in pages:
        try:
            text.encode(CODECS[page])
        except UnicodeEncodeError:
            return False
    return True


def letters_share(sample):
    return len(CYRILLIC.findall(sample)) / max(1, len(sample))


def stretches_where(text, length, count, rng, accept):
    """Up to count stretches of length chars, each from a word's start, that accept takes."""
    starts = [m.start() for m in re.finditer(r"(?<=\s)\w", text)]
    found = []
    for _ in range(count * 1000):
        if len(found) == count or not starts:
            break
        sample = text[rng.choice(starts):][:length]
        if len(sample) == length and accept(sample):
            found.append(sample)
    return found


def stretches(text, length, count, rng, pages, least=0.5):
    return stretches_where(text, length, count, rng,
                           lambda sample: letters_share(sample) >= least and fits(sample, pages))


def foreign_stretches(text, length, count, rng, codec):
    """Stretches of half letters or more with a letter beyond ASCII, in codec."""
    def beyond_ascii(sample):
        if len(re.findall(r"[^\W\d_]", sample)) * 2 < length:
            return False
        try:
            return max(sample.encode(codec)) >= 0x80
        except UnicodeEncodeError:
            return False
    return stretches_where(text, length, count, rng, beyond_ascii)


def whole_lines(lines, count, rng, pages, low, high, least, latin=0.0):
    chosen = [line for line in lines if low <= len(line) <= high and letters_share(line) >= least
              and len(LATIN.findall(line)) >= latin * len(line) and fits(line, pages)]
    rng.shuffle(chosen)
    return chosen[:count]


def guesses(command, files, separator):
    """The answer for each file of a tool that takes many files."""
    answers = {}
    for start in range(0, len(files), 500):
        batch = files[start:start + 500]
        output = subprocess.run(command + batch, capture_output=True, text=True).stdout
        if separator == "\t":
            for line in output.splitlines():
                fields = line.split("\t")
                answers[fields[-1]] = (fields[0], float(fields[1]) if len(fields) > 2 else None)
        else:  # enca's own words: a name, then perhaps a line of what it saw besides
            name = None
            for line in output.splitlines():
                if not line.startswith(" ") and ": " in line:
                    name, _, guess = line.rpartition(": ")
                    answers[name] = (guess.strip(), None)
                elif name and "Doubly-encoded" in line:
                    answers[name] = (answers[name][0] + "|" + line.strip(), None)
    return answers


def undo_chain(data, name):
    """The text a chain such as 'KOI via WIN via WIN' says the UTF-8 bytes hold."""
    text = data.decode("utf-8")
    parts = name.split(" via ")
    readings = []  # (written, read as), oldest first
    written = parts[0]
    for part in parts[1:]:
        read_as, _, next_written = part.partition(" as ")
        readings.append((written, read_as))
        written = next_written or "UTF-8"
    for written, read_as in reversed(readings):
        text = text.encode(CODECS[read_as], "keep").decode(CODECS[written], "keep")
    return text


def reading(tool, answer, data):
    """What the tool's answer reads the bytes as, or None."""
    try:
        if tool == "lirovant-text" and " via " in answer:
            return undo_chain(data, answer)
        if tool == "enca" and "|Doubly-encoded to UTF-8 from " in answer:
            codec = TOOL_NAMES.get(answer.rpartition(" from ")[2].upper())
            return data.decode("utf-8").encode(codec, "keep").decode("utf-8") if codec else None
    except (UnicodeError, LookupError):
        return None
    if tool == "lirovant-text" and answer == "UTF-8 with errors":
        return ("UTF-8 with errors",)
    name = answer.partition("|")[0].strip().upper()
    codec = TOOL_NAMES.get(name)
    if codec is None:
        return None
    try:
        return data.decode(codec, "keep" if codec == "cp1251" else "strict")
    except (UnicodeDecodeError, LookupError):
        return None


def lirovant_command(scale=None):
    return [LIROVANT, "detect", "--confidence"] + (["--odds-scale", str(scale)] if scale else [])


def judged(tool, answers, folder, row, cases):
    """(answer, confidence, right, truth) of each case."""
    result = []
    for name, data, truth in cases:
        answer, confidence = answers.get(str(folder / name), ("?", 0.0))
        read = reading(tool, answer, data)
        if row.get("foreign"):  # in no page read here: right unless taken for one of them
            right = read is None or read == truth
        else:  # UTF-8 with errors: right when it is not taken for an 8-bit page
            right = read == truth or (truth == ("UTF-8 with errors",) and answer.upper().startswith("UTF-8"))
        result.append((answer, confidence, right, truth))
    return result


def calibration_of(judgements):
    """(confidence, right) of the answers other than ?."""
    return [(confidence, right) for answer, confidence, right, _ in judgements if answer != "?"]


def run_row(folder, row, cases, calibration):
    files = [str(folder / name) for name, _, _ in cases]
    results = []
    for tool in ("lirovant-text", "enca", "uchardet"):
        if tool == "lirovant-text":
            answers = guesses(lirovant_command(), files, "\t")
        elif tool == "enca":
            answers = guesses(["enca", "-L", row["enca"], "-i"], files, ": ")
            if "chains" in row:  # what it says of doubly encoded text, in its own words
                for name, (said, _) in guesses(["enca", "-L", row["enca"]], files, ": ").items():
                    if "|" in said:
                        answers[name] = (answers[name][0] + said[said.index("|"):], None)
        else:
            answers = guesses(["uchardet"], files, ": ")
        judgements = judged(tool, answers, folder, row, cases)
        if tool == "lirovant-text":
            calibration += calibration_of(judgements)
        results.append(100.0 * sum(right for _, _, right, _ in judgements) / max(1, len(cases)))
    return results


def wrong_at_sure(calibration):
    sure = [right for confidence, right in calibration if confidence >= 0.9]
    return len(sure) - sum(sure), len(sure)


def bands_hold(calibration):
    """Whether each band of 50 answers and more above 0.5 is right at least as often as it says."""
    for low, high in BANDS[1:]:
        band = [right for confidence, right in calibration if low <= confidence < high]
        if len(band) >= 50 and sum(band) < low * len(band):
            return False
    return True


def print_bands(calibration):
    for low, high in BANDS:
        band = [right for confidence, right in calibration if low <= confidence < high]
        wrong = len(band) - sum(band)
        share = f"{100.0 * sum(band) / len(band):7.2f}%" if band else "      -"
        print(f"  {low:5.3f} to {min(high, 1.0):5.3f}: {len(band):6} answers, {wrong:5} wrong, {share} right")
    wrong, sure = wrong_at_sure(calibration)
    print(f"  at 0.9 and above: {wrong} wrong in {sure} ({1000.0 * wrong / max(1, sure):.2f} in 1000)")


def log_loss(calibration):
    """How badly the confidences foretell which answers are right; 1.000 stands for 0.9995 and more."""
    clamp = lambda confidence: min(max(confidence, 0.0005), 0.9995)
    return -sum(math.log(clamp(c)) if right else math.log(1 - clamp(c)) for c, right in calibration)


def own_odds_scale():
    """The scale lirovant-text was built with, as text/letter_model.h gives it."""
    header = Path(__file__).resolve().parents[2] / "text" / "letter_model.h"
    found = re.search(r"Model_Overconfidence = ([0-9.]+);", header.read_text(encoding="utf-8"))
    return float(found.group(1)) if found else None


def fit(per_page):
    """Chooses the odds scale on the fit part and prints how each scale fares there."""
    own = own_odds_scale()
    with tempfile.TemporaryDirectory() as folder:
        folder = Path(folder)
        table = [(row, cases_of(row, folder, index)) for index, row in enumerate(rows(per_page, "fit"))]
        files = [str(folder / name) for _, cases in table for name, _, _ in cases]
        print(f"fit part, {len(files)} samples: where the scale of the letter model's odds is chosen")
        print(f"  {'odds scale':>10} {'right':>8}   {'at 0.9 and above, wrong':>32}   {'log loss':>8}"
              "   bands as sure as they say")
        chosen, least = None, None
        for scale in sorted(set(ODDS_SCALES) | ({own} if own else set())):
            answers = guesses(lirovant_command(scale), files, "\t")
            judgements = [j for row, cases in table for j in judged("lirovant-text", answers, folder, row, cases)]
            calibration = calibration_of(judgements)
            wrong, sure = wrong_at_sure(calibration)
            holds = bands_hold(calibration)
            share = 100.0 * sum(right for _, _, right, _ in judgements) / len(judgements)
            loss = log_loss(calibration)
            print(f"  {scale:10.2f} {share:7.2f}%   {wrong:8} in {sure:6} ({1000.0 * wrong / max(1, sure):5.2f} in 1000)"
                  f"   {loss:8.1f}   {'yes' if holds else 'no'}")
            if holds and 1000.0 * wrong <= FIT_MOST_WRONG * max(1, sure) and (least is None or loss < least):
                chosen, least = scale, loss
            if SHOW_WRONG and scale == own:
                for answer, confidence, right, truth in judgements:
                    if not right and answer != "?" and confidence >= 0.9:
                        print(f"    wrong at {confidence}: {answer} for {truth!r}")
        print(f"  chosen: {chosen} (the least log loss with fewer than {FIT_MOST_WRONG} in 1000 wrong at 0.9 and "
              f"above and every band right as often as it says); lirovant-text's own: {own}")
        if chosen != own:
            print("  the tool's own scale is not the one chosen: set Model_Overconfidence in text/letter_model.h")


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


def garble(sample, chain):
    """The UTF-8 bytes of a sample after the wrong readings of chain, oldest first."""
    original, *misreadings = chain
    data = sample.encode(CODECS[original])
    for read_as in misreadings:
        data = data.decode(CODECS[read_as], "keep").encode("utf-8")
    return data


def rows(per_page, part):
    """The rows of one part, each sampled alike whichever part it is."""
    rng = random.Random("%s 1251" % part)
    russian = " ".join(manual_lines("ru", part))
    ukrainian = " ".join(manual_lines("uk", part))
    belarusian = catalogue_text("be", HELD_OUT, part)
    mixed = manual_lines("ru", part)
    subjects = fortune_lines(part)
    for length in (12, 24, 60, 150):
        yield {"title": f"Russian, {length} chars", "enca": "russian", "pages": OLD_PAGES,
               "samples": stretches(russian, length, per_page, rng, OLD_PAGES + NEW_PAGES)}
    for length in (24, 60):
        yield {"title": f"Russian in KOI8-U/CP1125/IBM855, {length}", "enca": "ukrainian", "pages": NEW_PAGES,
               "samples": stretches(russian, length, per_page, rng, OLD_PAGES + NEW_PAGES)}
    uk_pages = ("KOI8-U", "CP1125", "IBM855", "WIN", "ISO", "MAC", "UTF-8")
    for length in (24, 60, 150):
        yield {"title": f"Ukrainian, {length} chars", "enca": "ukrainian", "pages": uk_pages,
               "samples": stretches(ukrainian, length, per_page, rng, uk_pages)}
    be_pages = ("WIN", "ISO", "MAC", "IBM855", "UTF-8")
    for length in (24, 60):
        yield {"title": f"Belarusian, {length} chars", "enca": "belarusian", "pages": be_pages,
               "samples": stretches(belarusian, length, per_page, rng, be_pages)}
    yield {"title": "mixed Russian-English lines", "enca": "russian", "pages": OLD_PAGES,
           "samples": whole_lines(mixed, per_page, rng, OLD_PAGES, 30, 120, 0.25, latin=0.15)}
    yield {"title": "subject lines, 15-60 chars", "enca": "russian", "pages": OLD_PAGES,
           "samples": whole_lines(subjects, per_page, rng, OLD_PAGES, 15, 60, 0.5)}
    chains = {"UTF-8 via WIN": ("UTF-8", "WIN"), "KOI via WIN": ("KOI", "WIN"),
              "UTF-8 via WIN via WIN": ("UTF-8", "WIN", "WIN"), "DOS via WIN": ("DOS", "WIN")}
    yield {"title": "doubly encoded, 60 chars", "enca": "russian", "chains": chains,
           "samples": stretches(russian, 60, per_page, rng, OLD_PAGES)}
    # At 600 characters and more every tool says UTF-8.
    yield {"title": "UTF-8 with a WIN word, 60 chars", "enca": "russian", "stray": True,
           "samples": stretches(russian, 60, per_page, rng, OLD_PAGES)}
    for title, languages, enca, pages in FOREIGN:
        text = " ".join(catalogue_text(language, FOREIGN_CATALOGUES, part) for language in languages.split())
        samples = {page: foreign_stretches(text, 60, per_page, rng, page) for page in pages}
        yield {"title": f"{title}, 60", "enca": enca, "foreign": samples}


def cases_of(row, folder, index):
    cases = []
    if row.get("foreign"):
        for page, samples in row["foreign"].items():
            for i, sample in enumerate(samples):
                name = f"{index}_{i}_{page}.txt"
                (folder / name).write_bytes(sample.encode(page))
                cases.append((name, sample.encode(page), sample))
        return cases
    for i, sample in enumerate(row["samples"]):
        if row.get("stray"):
            words = sample.split(" ")
            at = len(words) // 2
            while at < len(words) - 1 and not CYRILLIC.search(words[at]):
                at += 1
            data = (" ".join(words[:at]) + " ").encode("utf-8") + words[at].encode("cp1251") + \
                (" " + " ".join(words[at + 1:])).encode("utf-8")
            variants = [("u8err", data, ("UTF-8 with errors",))]
        elif "chains" in row:
            variants = [(chain.replace(" ", ""), garble(sample, parts), sample)
                        for chain, parts in row["chains"].items()]
        else:
            variants = [(page, sample.encode(CODECS[page]), sample) for page in row["pages"]]
        for page, data, truth in variants:
            name = f"{index}_{i}_{page}.txt"
            (folder / name).write_bytes(data)
            cases.append((name, data, truth))
    return cases


def report(per_page):
    tools = ["lirovant-text", "enca", "uchardet"]
    calibration = []
    foreign_told = False
    print(f"report part, on which nothing was tuned: up to {per_page} samples per page and row; percent right")
    print(f"{'':46}" + "".join(f"{tool:>15}" for tool in tools))
    with tempfile.TemporaryDirectory() as folder:
        folder = Path(folder)
        for index, row in enumerate(rows(per_page, "report")):
            if row.get("foreign") and not foreign_told:
                print("text in pages not read here, where lirovant-text is right to say ? and a peer, which\n"
                      "reads these pages itself, is right unless it names a Cyrillic one:")
                foreign_told = True
            cases = cases_of(row, folder, index)
            figures = run_row(folder, row, cases, calibration)
            mark = "" if row.get("foreign") or figures[0] > max(figures[1:]) else \
                "   (level)" if figures[0] == max(figures[1:]) else "   (not ahead)"
            print(f"{row['title'] + f' ({len(cases)})':46}" + "".join(f"{f:15.2f}" for f in figures) + mark,
                  flush=True)
        print("\nlirovant-text's confidence on the report part: answers and how many right")
        print_bands(calibration)
        speeds(folder, " ".join(manual_lines("ru", "report")))


def main():
    per_page = int(ARGS[1]) if len(ARGS) > 1 else 200
    fit(per_page)
    if not FIT_ONLY:
        print()
        report(per_page)


SHOW_WRONG = os.environ.get("LV_BENCH_SHOW_WRONG") == "1"  # each wrong answer at 0.9 and above, fit part
FIT_ONLY = "--fit" in sys.argv[1:]
ARGS = [arg for arg in sys.argv[1:] if arg != "--fit"]
LIROVANT = ARGS[0] if ARGS else os.path.join("build", "native", "cli", "lirovant-text")

if __name__ == "__main__":
    main()
