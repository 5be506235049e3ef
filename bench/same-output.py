#!/usr/bin/env python3
"""Check that two quarn builds behave alike, byte for byte.

Runs a reference quarn and a candidate quarn on the same sources, each in turn in
the same scratch directory (so that paths in messages are the same), with no
option, with -h and with -s, and compares the exit status, stdout, stderr and
every file the run wrote. The sources are the generated benchmark files, every
example and golden source, and mutated copies of pieces of them (characters
dropped or doubled, lines swapped or repeated, numbers and registers changed),
which take the error paths.

    python3 bench/same-output.py --reference /path/to/old/quarn --candidate build/release/bin/quarn

Exits 1 and lists the differences when there are any.
"""
import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MODES = [[], ["-h"], ["-s"]]


def snapshot(directory):
    """Every file under directory, by relative path, with its bytes."""
    files = {}
    for base, _, names in os.walk(directory):
        for name in names:
            path = os.path.join(base, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, directory)] = f.read()
    return files


def run_in(quarn, tree, source, options, work):
    """Copies the source tree into work, runs quarn there and returns what it did."""
    shutil.rmtree(work, ignore_errors=True)
    shutil.copytree(tree, work)
    with open(os.path.join(work, "__source.asm"), "wb") as f:
        f.write(source)
    before = snapshot(work)
    try:
        done = subprocess.run([quarn] + options + ["__source.asm"], cwd=work, capture_output=True, timeout=60)
        outcome = (done.returncode, done.stdout, done.stderr)
    except subprocess.TimeoutExpired:
        outcome = ("timeout", b"", b"")
    after = snapshot(work)
    written = {name: data for name, data in after.items() if before.get(name) != data}
    return outcome, written


def describe(case, options, old, new):
    (old_outcome, old_files), (new_outcome, new_files) = old, new
    lines = ["%s %s:" % (case, " ".join(options) or "(no option)")]
    if old_outcome[0] != new_outcome[0]:
        lines.append("  exit status %s -> %s" % (old_outcome[0], new_outcome[0]))
    for label, index in (("stdout", 1), ("stderr", 2)):
        if old_outcome[index] != new_outcome[index]:
            lines.append("  %s differs:\n    %r\n    %r" % (label, old_outcome[index][-300:], new_outcome[index][-300:]))
    for name in sorted(set(old_files) | set(new_files)):
        if old_files.get(name) != new_files.get(name):
            lines.append("  file %s differs" % name)
    return "\n".join(lines)


# --- the sources ---------------------------------------------------------------

def read(path):
    with open(path, "rb") as f:
        return f.read()


def fixed_sources(scratch):
    """(name, tree, bytes): sources run in a copy of their own directory."""
    sources = []
    generated = os.path.join(scratch, "generated")
    subprocess.run([sys.executable, os.path.join(ROOT, "bench", "generate.py"), "--lines", "40000",
                    "--per-file", "20000", "--seed", "3", "--out", generated], check=True, capture_output=True)
    empty = os.path.join(scratch, "empty")
    os.makedirs(empty, exist_ok=True)
    for base, _, names in os.walk(generated):
        for name in sorted(names):
            if name.endswith(".asm") and os.path.basename(base) == "quarn":
                sources.append(("generated/" + name, empty, read(os.path.join(base, name))))
    for top in ("examples", os.path.join("tests", "data", "golden")):
        for base, _, names in os.walk(os.path.join(ROOT, top)):
            for name in sorted(names):
                if name.endswith(".asm"):
                    path = os.path.join(base, name)
                    sources.append((os.path.relpath(path, ROOT), base, read(path)))
    return sources


REGISTERS = [b"a", b"b", b"c", b"hl", b"ix", b"(hl)", b"(ix+5)", b"sp", b"af'", b"i"]
JUNK = [b",", b"(", b")", b"'", b'"', b"\\", b";", b"#", b".", b"$", b"%", b"*", b"<<", b"-", b"@", b" ", b"\t",
        b"\r", b"\x00", b"\xff", b"0", b"9", b"h", b"b"]


def mutate(lines, rng):
    """One small slip in a list of lines (each with its line end)."""
    if not lines:
        return [b"\n"]
    i = rng.randrange(len(lines))
    line = lines[i]
    kind = rng.randrange(8)
    if kind == 0 and line:  # drop a character
        at = rng.randrange(len(line))
        lines[i] = line[:at] + line[at + 1:]
    elif kind == 1:  # insert a character or two
        at = rng.randrange(len(line) + 1)
        lines[i] = line[:at] + rng.choice(JUNK) + line[at:]
    elif kind == 2:  # repeat a line
        lines.insert(i, line)
    elif kind == 3:  # drop a line
        del lines[i]
    elif kind == 4:  # swap two lines
        j = rng.randrange(len(lines))
        lines[i], lines[j] = lines[j], lines[i]
    elif kind == 5:  # change a number
        digits = [k for k, c in enumerate(line) if chr(c).isdigit()]
        if digits:
            at = rng.choice(digits)
            lines[i] = line[:at] + str(rng.choice([0, 1, 7, 9, 65535, 256, 99999])).encode() + line[at + 1:]
    elif kind == 6:  # swap a register name
        for reg in REGISTERS:
            if reg in line:
                lines[i] = line.replace(reg, rng.choice(REGISTERS), 1)
                break
    else:  # join with the next line or change the indent
        if i + 1 < len(lines) and rng.random() < 0.5:
            lines[i] = line.rstrip(b"\r\n") + b" " + lines[i + 1]
            del lines[i + 1]
        else:
            lines[i] = line.lstrip() if line[:1].isspace() else b" " + line
    return lines


def mutants(sources, count, rng):
    small = [s for s in sources if not s[0].startswith("generated/")]
    generated = [s for s in sources if s[0].startswith("generated/")]
    for n in range(count):
        name, tree, text = rng.choice(small if generated == [] or n % 3 else generated)
        lines = text.splitlines(keepends=True)
        if len(lines) > 80:
            start = rng.randrange(len(lines) - 60)
            lines = lines[start:start + rng.randrange(10, 60)]
        for _ in range(rng.randrange(1, 4)):
            lines = mutate(lines, rng)
        yield ("mutant %d of %s" % (n, name), tree, b"".join(lines))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--reference", required=True)
    parser.add_argument("--candidate", required=True)
    parser.add_argument("--mutants", type=int, default=3000)
    parser.add_argument("--seed", type=int, default=16)
    args = parser.parse_args()
    reference = os.path.abspath(args.reference)
    candidate = os.path.abspath(args.candidate)
    rng = random.Random(args.seed)
    scratch = tempfile.mkdtemp(prefix="quarn-same-")
    work = os.path.join(scratch, "work")
    differences = []
    runs = 0
    statuses = {}
    try:
        sources = fixed_sources(scratch)
        for case, tree, text in list(sources) + list(mutants(sources, args.mutants, rng)):
            for options in MODES:
                old = run_in(reference, tree, text, options, work)
                new = run_in(candidate, tree, text, options, work)
                runs += 1
                statuses[old[0][0]] = statuses.get(old[0][0], 0) + 1
                if old != new:
                    differences.append(describe(case, options, old, new))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    print("%d sources (%d fixed), %d runs of each quarn; exit statuses of the reference: %s"
          % (len(sources) + args.mutants, len(sources), runs,
             ", ".join("%s: %d" % (k, v) for k, v in sorted(statuses.items(), key=str))))
    if differences:
        print("%d difference(s):" % len(differences))
        print("\n".join(differences[:50]))
        return 1
    print("no differences")
    return 0


if __name__ == "__main__":
    sys.exit(main())
