#!/usr/bin/env python3
"""tests/fuzz/richedit_fuzz.py BUILD_WIN_DIR [COUNT] [SEED] [--raw]

Mutated RTF for the real rich-edit control under Wine, through the document's guard
(richedit_harness.exe): a file that still ends the harness is one the guard lets through. The
control cannot be built with a fuzzer, so this mutates seeds by RTF tokens and drives the
harness in batches, starting it again after each file that ended it. Those files are kept in
BUILD_WIN_DIR/fuzz-richedit/. --raw leaves the guard out (to find what the control cannot take).
"""
import os
import random
import subprocess
import sys
import tempfile

SEEDS = [
    rb"{\rtf1\ansi\ansicpg1250\deff0{\fonttbl{\f0\fswiss\fcharset238 Arial;}{\f1\froman Times New Roman;}}"
    rb"{\colortbl;\red255\green0\blue0;}{\stylesheet{\s1\b Nadpis;}}\f0\fs24 Text {\b tu\'e8n\'e9} a {\i\cf1 kurz}\par"
    rb"\pard\qc\li720\fi-360 odstavec\tab dal\u353?\'9a\par}",
    rb"{\rtf1\ansi{\fonttbl{\f0 Arial;}}\trowd\cellx2000\cellx4000\intbl a\cell b\cell\row"
    rb"\trowd\cellx3000\intbl{\itap2\intbl x\nestcell{\*\nesttableprops\trowd\cellx1000\nestrow}}\cell\row\pard konec\par}",
    rb"{\rtf1{\pict\pngblip\picw10\pich10 89504e470d0a1a0a}{\field{\*\fldinst HYPERLINK \"http://x\"}{\fldrslt odkaz}}"
    rb"{\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pndec}polozka\par{\listtext 2.\tab}dalsi\par}",
]
TOKENS = [b"{", b"}", b"\\par", b"\\cell", b"\\row", b"\\trowd", b"\\cellx", b"\\intbl", b"\\itap", b"\\nestcell",
          b"\\nestrow", b"{\\*\\nesttableprops", b"\\u", b"\\uc", b"\\bin", b"{\\pict", b"\\'", b"{\\fonttbl",
          b"{\\colortbl", b"{\\stylesheet", b"\\fs", b"\\f", b"\\cf", b"\\li", b"\\fi", b"\\sa", b"\\tab", b"\\line",
          b"\\page", b"{\\pntext", b"{\\listtext", b"{\\field", b"{\\*\\fldinst", b"{\\fldrslt", b"{\\object",
          b"\\pard", b"\\plain", b"\\sect", b"\\ql", b"\\qj", b"\\rtlpar", b"\\highlight", b"\\ul", b"\\super",
          b";", b"\\red", b"\\green", b"\\blue", b"\\*", b"\\~", b"\\-", b"\\\\", b"\\{", b"\r\n", b"\x00"]
NUMBERS = [b"0", b"1", b"-1", b"32767", b"-32768", b"65535", b"2147483647", b"-2147483648", b"4294967295",
           b"99999999999", b"255", b"256"]


def mutate(rng, data):
    data = bytearray(data)
    for _ in range(rng.randint(1, 8)):
        at = rng.randint(0, len(data))
        kind = rng.randint(0, 5)
        if kind == 0 and data:
            data[min(at, len(data) - 1)] = rng.randint(0, 255)
        elif kind == 1:
            data[at:at] = rng.choice(TOKENS) + (rng.choice(NUMBERS) if rng.random() < 0.5 else b"") + b" "
        elif kind == 2 and data:
            end = min(len(data), at + rng.randint(1, 64))
            data[at:at] = data[at:end] * rng.randint(1, 20)
        elif kind == 3:
            del data[at:at + rng.randint(1, 16)]
        elif kind == 4:
            data = data[:at] if at > 5 else data
        else:
            data[at:at] = rng.choice(NUMBERS)
    return bytes(data)


def winpath(p):
    return "Z:" + p.replace("/", "\\")


def run(build, files, raw):
    """Runs the harness over the files; returns the files that ended it."""
    harness = os.path.join(build, "tests", "richedit_harness.exe")
    progress = os.path.join(build, "fuzz-richedit", "progress")
    crashed = []
    while files:
        if os.path.exists(progress):
            os.remove(progress)
        batch = files[:300]
        cmd = [os.path.join(build, "wine-run.sh"), harness] + (["--raw"] if raw else [])
        try:
            r = subprocess.run(cmd + [winpath(progress)] + [winpath(f) for f in batch],
                               capture_output=True, timeout=60 + 3 * len(batch))
            code = r.returncode
        except subprocess.TimeoutExpired:  # a file that keeps the control busy: kept as one that ended it
            subprocess.run([os.path.join(build, "wine-run.sh"), "--down"], capture_output=True)
            code = -1
        last = open(progress).read().strip() if os.path.exists(progress) else ""
        if code == 0 and not last:
            files = files[len(batch):]
            continue
        names = [winpath(f) for f in batch]
        at = names.index(last) if last in names else 0
        crashed.append(batch[at])
        files = files[len(batch[:at + 1]):]
    return crashed


def main():
    args = [a for a in sys.argv[1:] if a != "--raw"]
    raw = "--raw" in sys.argv
    build = os.path.abspath(args[0])
    count = int(args[1]) if len(args) > 1 else 500
    rng = random.Random(int(args[2]) if len(args) > 2 else 1)
    keep = os.path.join(build, "fuzz-richedit")
    os.makedirs(keep, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="nv-refuzz.") as tmp:
        files = []
        for i in range(count):
            path = os.path.join(tmp, "m%05d.rtf" % i)
            with open(path, "wb") as f:
                f.write(mutate(rng, rng.choice(SEEDS)))
            files.append(path)
        crashed = run(build, files, raw)
        for path in crashed:
            os.replace(path, os.path.join(keep, "crash-" + os.path.basename(path)))
    print("%d files, %d ended the control%s" % (count, len(crashed), " (without the guard)" if raw else ""))
    for path in crashed:
        print("  " + os.path.join(keep, "crash-" + os.path.basename(path)))
    return 1 if crashed else 0


if __name__ == "__main__":
    sys.exit(main())
