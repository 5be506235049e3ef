#!/usr/bin/env python3
"""Assembles the corpus of other authors' calculator programs with a quarn binary.

Every program in MANIFEST.tsv is assembled as its author published it, with the
writer that belongs to its calculator, in a scratch copy of its folder (quarn
writes its output beside the source, and the corpus must stay as published).
Where the author shipped a binary, the variable data of quarn's file is compared
with the author's: byte for byte when the binary is in the corpus folder, else
through the SHA-256 recorded in the manifest.

The programs themselves are not part of this repository; they live in a corpus
folder (--corpus, or QUARN_CORPUS_DIR) that --gather fills from fetched copies of
the authors' repositories, each program in a folder named after its id.

Exit status: 0 when nothing crashed and every program that assembled and has an
author's binary gave the same bytes; 1 otherwise; 77 when no corpus folder exists
(the test suite reports that as skipped). Programs that fail to assemble are
reported, not counted as failures.
"""

import argparse
import hashlib
import os
import re
import shutil
import subprocess
import sys
import tempfile
from dataclasses import dataclass, field
from pathlib import Path

sys.dont_write_bytecode = True  # keep the source tree clean
from used_names import write_used_names  # noqa: E402

HERE = Path(__file__).resolve().parent
MANIFEST = HERE / "MANIFEST.tsv"
SKIPPED = 77
TIMEOUT_SECONDS = 20

# The writer that makes each calculator's program file.
WRITERS = {
    "TI-73": "dunlin",
    "TI-82": "tern",
    "TI-83": "knot",
    "TI-83P": "plover",
    "TI-85": "stint",
    "TI-86": "curlew",
}

# Calculator files start with this signature; anything quarn writes that starts
# with one of them is its output.
SIGNATURES = (b"**TI73**", b"**TI82**", b"**TI83**", b"**TI83F*", b"**TI85**", b"**TI86**")

# Include files that belong to the calculator maker or to an assembler or shell
# package, not to the program's author: the corpus never takes them from the
# authors' repositories, quarn's own Include folder has to provide them.
SYSTEM_INCLUDE = re.compile(
    r"^(_?ti\d\d\w*\.inc|ti86\w*\.inc|ti-?8\d\.h|asm86\.(h|inc)|ion\w*\.inc|crash\w*\.inc|"
    r"mallard\.inc|usgard\.h|zshell\.h|mirage\w*\.inc|dcs\d\w*\.inc|app\.inc|keyval\.inc|"
    r"tokens?\.inc|squish\.inc|ram86\.inc|rom86\.h|tidefs\.h|venus\.inc|ace\w*\.inc)$",
    re.IGNORECASE)

# Archives, pages and calculator files beside a source are not read by it.
NOT_SOURCE = re.compile(r"\.(zip|html?|gif|png|jpe?g|pdf|exe|\d\d[a-z]|\d[a-z][a-z])$", re.IGNORECASE)


@dataclass
class Program:
    id: str
    calculator: str
    repo: str
    commit: str
    source: str
    binary: str
    licence: str
    stored: str
    data_sha256: str
    data_length: str
    binary_note: str = ""

    @property
    def writer(self):
        return WRITERS[self.calculator]

    @property
    def has_binary(self):
        return self.binary != "-"

    @property
    def binary_from_other_source(self):
        """The author shipped a binary built from another version of the source."""
        return self.binary_note.startswith("other source")


@dataclass
class Outcome:
    program: Program
    assembled: bool = False
    first_error: str = ""
    blockers: list = field(default_factory=list)
    crashed: str = ""
    equal: str = "none"   # "yes", "no", "none" or "other source"


def read_manifest(path=MANIFEST):
    rows = []
    for line in path.read_text().splitlines():
        if not line or line.startswith("#"):
            continue
        rows.append(Program(*line.split("\t")))
    return rows


def write_manifest(programs, path=MANIFEST):
    header = [line for line in path.read_text().splitlines() if line.startswith("#")]
    body = ["\t".join([p.id, p.calculator, p.repo, p.commit, p.source, p.binary, p.licence, p.stored,
                       p.data_sha256, p.data_length] + ([p.binary_note] if p.binary_note else []))
            for p in programs]
    path.write_text("\n".join(header + body) + "\n")


# ---------------------------------------------------------------- variable files

def variable_data(file_bytes):
    """The data of the first variable in a calculator file, or None.

    All the families share the layout: 53-byte header, data-section length, then
    the entry header whose own length word says where the variable data starts
    (behind it and the repeated data length)."""
    if len(file_bytes) < 59 or not file_bytes.startswith(SIGNATURES):
        return None
    entry_header_length = int.from_bytes(file_bytes[55:57], "little")
    data_length = int.from_bytes(file_bytes[57:59], "little")
    start = 57 + entry_header_length + 2
    data = file_bytes[start:start + data_length]
    return data if len(data) == data_length else None


def digest(data):
    return hashlib.sha256(data).hexdigest()


# ---------------------------------------------------------------- gathering

def mirror_git_dir(mirrors, repo):
    base = Path(mirrors) / repo.replace("/", "+") / "repo"
    return base / ".git" if (base / ".git").is_dir() else base


def git_files(git_dir, commit, folder):
    command = ["git", "-C", str(git_dir), "ls-tree", "--name-only", commit] + ([folder + "/"] if folder else [])
    listing = subprocess.run(command, check=True, capture_output=True, text=True).stdout.split("\n")
    return [name for name in listing if name]


def git_blob(git_dir, commit, path):
    return subprocess.run(["git", "-C", str(git_dir), "show", f"{commit}:{path}"],
                          check=True, capture_output=True).stdout


def gather(programs, mirrors, corpus):
    """Copies each program's folder (one level, system include files left out) and
    the author's binary out of the fetched repositories."""
    for p in programs:
        git_dir = mirror_git_dir(mirrors, p.repo)
        if not git_dir.exists():
            print(f"{p.id}: no copy of {p.repo} under {mirrors}", file=sys.stderr)
            continue
        target = Path(corpus) / p.id
        if target.exists():
            shutil.rmtree(target)
        (target / "author").mkdir(parents=True)
        folder = str(Path(p.source).parent) if "/" in p.source else ""
        for path in git_files(git_dir, p.commit, folder):
            name = Path(path).name
            if SYSTEM_INCLUDE.match(name) or NOT_SOURCE.search(name):
                continue
            blob = subprocess.run(["git", "-C", str(git_dir), "cat-file", "-t", f"{p.commit}:{path}"],
                                  capture_output=True, text=True).stdout.strip()
            if blob == "blob":
                (target / name).write_bytes(git_blob(git_dir, p.commit, path))
        if p.has_binary:
            (target / "author" / Path(p.binary).name).write_bytes(git_blob(git_dir, p.commit, p.binary))


def record_binaries(programs, corpus):
    """Fills in the digest and length of each author's variable data."""
    for p in programs:
        if not p.has_binary:
            continue
        binary = Path(corpus) / p.id / "author" / Path(p.binary).name
        data = variable_data(binary.read_bytes()) if binary.exists() else None
        if data is None:
            print(f"{p.id}: {p.binary} is missing or not a calculator file", file=sys.stderr)
            continue
        p.data_sha256, p.data_length = digest(data), str(len(data))


# ---------------------------------------------------------------- assembling

# quarn's diagnostics, as "Error #nnn in file, line n: text".
ERROR_LINE = re.compile(r"^Error #(\d+) in (.*?), line (\d+): (.*)$")

# What stops a program, judged from each error and the source line it names.
# Each rule: (pattern on "#nnn message", pattern on the source line, blocker).
BLOCKERS = [
    (r"^#101 ", None, None),  # decided by classify_missing_file
    (r"\"\.(nolist|list)\"", None, ".NOLIST / .LIST"),
    (r"\"#(nolist|list)\"", None, "#NOLIST / #LIST"),
    (r"\"\.(fill|block)\"", None, ".FILL / .BLOCK"),
    (r"\"\.include\"", None, ".INCLUDE as a directive"),
    (r"\"\.echo\"", None, ".ECHO"),
    (r"\"#defcont\"", None, "#DEFCONT"),
    (r"\.\.(equ|db|dw|byte|word)\"", None, "#define equ .equ doubles the dot"),
    (r"^#112 ", None, "macro named after a directive"),
    (r"^#120 ", None, ".END inside a skipped block"),
    (r"", r"^\s+#", "directive line indented"),
    (r"", r"^[A-Za-z_]\w*:[^\s;]", "label:instruction without a blank"),
    (r"", r"^[A-Za-z_]\w*:?\s+\$\s*(;|$)", "label: $"),
    (r"", r"^\s*:", "line starting with ':'"),
    (r"", r"'[^']';", "';' comment right after a character constant"),
    (r"^#103 ", None, "line longer than 255 characters"),
    (r"", r"^\s*(/\*|\*/)", "/* */ comment block (another dialect)"),
    (r"", r"^\s+[A-Za-z_]\w*:\s*(;|$)", "indented label"),
    (r"Unrecognized instruction: \"(slia|sll|sl1)\"", None, "undocumented instruction name"),
    (r"Unrecognized instruction: \"(?P<m>\w+)\(", None, "macro"),
    (r"Wrong number of arguments for macro", None, "macro without parentheses"),
    (r"Unrecognized instruction: \"(b_?call|b_?jump|rom_call)\"", None, "macro without parentheses"),
    (r"Unrecognized instruction: \"_\w+\"", r"^\s*b_?call\s", "macro without parentheses"),
    (r"Unrecognized directive: \"(?P<d>[^\"]+)\"", None, "directive"),
    (r"^#200 ", r"=\s*(;|$)", "equate without a value"),
    (r"^#201 ", r"^\s*#if", "#if over a label (another dialect)"),
    (r"Label not defined: \"(?P<n>[^\"]+)\"", None, "name"),
]


def classify_missing_file(message, folder):
    named = re.search(r"file \"?([^\"]+)\"?$", message)
    if not named:
        return "include file missing"
    base = Path(named.group(1).strip().replace("\\", "/")).name
    if any(entry.lower() == base.lower() for entry in os.listdir(folder)):
        return "include file name in another letter case"
    if SYSTEM_INCLUDE.match(base):
        return f"system include file {base.lower()} missing"
    return "include file missing"


def source_line(folder, file, number):
    path = Path(folder) / file
    try:
        lines = path.read_text(errors="replace").splitlines()
    except OSError:
        return ""
    return lines[number - 1] if 0 < number <= len(lines) else ""


def blocker_of(message, line, folder):
    for message_pattern, line_pattern, blocker in BLOCKERS:
        match = re.search(message_pattern, message, re.IGNORECASE)
        if not match or (line_pattern and not re.search(line_pattern, line)):
            continue
        if blocker is None:
            return classify_missing_file(message, folder)
        if blocker == "macro":
            # Written in the line itself: a macro nobody defined; else it came
            # out of another macro's expansion.
            written = re.search(re.escape(match.group("m")) + r"\s*\(", line, re.IGNORECASE)
            return "macro not defined" if written else "macro expansion that calls a macro"
        if blocker == "macro without parentheses":
            return "macro called without parentheses (another dialect)"
        if blocker == "directive":
            return f"directive {match.group('d')}"
        if blocker == "name":
            return "name not defined"
        return blocker
    return "other"


def classify(errors, folder):
    found = []
    for number, text, file, line_number in errors:
        blocker = blocker_of(f"#{number} {text}", source_line(folder, file, line_number), folder)
        if blocker not in found:
            found.append(blocker)
    return found


def find_output(folder, before):
    for entry in sorted(Path(folder).iterdir()):
        if entry.name in before or not entry.is_file():
            continue
        with entry.open("rb") as f:
            if f.read(8) in SIGNATURES:
                return entry
    return None


def author_data(program, corpus):
    binary = Path(corpus) / program.id / "author" / Path(program.binary).name
    if binary.exists():
        return variable_data(binary.read_bytes())
    return None


def assemble(program, quarn, corpus, include_dirs=()):
    outcome = Outcome(program)
    with tempfile.TemporaryDirectory(prefix="quarn-corpus-") as scratch:
        work = Path(scratch) / program.id
        shutil.copytree(Path(corpus) / program.id, work, ignore=shutil.ignore_patterns("author"))
        add_include_files(work, include_dirs)
        before = set(os.listdir(work))
        try:
            run = subprocess.run([quarn, "-p", program.writer, Path(program.source).name], cwd=work,
                                 capture_output=True, text=True, errors="replace", timeout=TIMEOUT_SECONDS)
        except subprocess.TimeoutExpired:
            outcome.crashed = f"no answer in {TIMEOUT_SECONDS} s"
            return outcome
        if run.returncode not in (0, 1, 2):
            outcome.crashed = f"exit status {run.returncode}"
            return outcome
        output = find_output(work, before) if run.returncode == 0 else None
        outcome.assembled = output is not None
        if outcome.assembled:
            written = output.read_bytes()
            outcome.equal = compare(program, written, corpus)
            if token_written_twice(variable_data(written) or b""):
                outcome.blockers = ["assembly token written twice"]
        else:
            outcome.first_error, outcome.blockers = what_stopped(program, run, work)
    return outcome


def what_stopped(program, run, work):
    """The first error of a run that wrote nothing, and the blockers behind it."""
    messages = (run.stdout + run.stderr).splitlines()
    missing_writer = [m for m in messages if m.startswith("Plugin file")]
    if missing_writer:
        return missing_writer[0], [f"no writer ({program.writer})"]
    errors = [(m.group(1), m.group(4), m.group(2), int(m.group(3)))
              for m in map(ERROR_LINE.match, messages) if m]
    if not errors:
        first = next((m for m in messages if m.strip()), f"exit status {run.returncode}")
        return first, ["could not start" if run.returncode == 1 else "other"]
    return f"#{errors[0][0]} {errors[0][1]}", classify(errors, work)


# A TI-83 Plus program starts with the assembly token; a source that writes it
# itself must not get it twice, or the calculator runs the token as code.
ASSEMBLY_TOKEN = b"\xbb\x6d"


def token_written_twice(data):
    return data[2:6] == ASSEMBLY_TOKEN * 2


def add_include_files(work, include_dirs):
    """Puts system include files that quarn does not ship yet beside the source,
    where quarn looks first."""
    for folder in include_dirs:
        for entry in Path(folder).iterdir():
            if entry.is_file() and not (work / entry.name).exists():
                shutil.copyfile(entry, work / entry.name)


def compare(program, quarn_file, corpus):
    if not program.has_binary:
        return "none"
    if program.binary_from_other_source:
        return "other source"
    ours = variable_data(quarn_file)
    if ours is None:
        return "no"
    theirs = author_data(program, corpus)
    if theirs is not None:
        return "yes" if ours == theirs else "no"
    return "yes" if digest(ours) == program.data_sha256 else "no"


# ---------------------------------------------------------------- reports

def table(outcomes):
    rows = ["| Program | Calculator | Assembled | First error | Blockers | Bytes equal to the author's |",
            "|---|---|---|---|---|---|"]
    for o in outcomes:
        assembled = "crash: " + o.crashed if o.crashed else ("yes" if o.assembled else "no")
        if o.assembled and o.blockers:
            assembled += " (cannot run)"
        error = o.first_error.replace("|", "\\|")
        rows.append(f"| {o.program.id} | {o.program.calculator} | {assembled} | {error} | "
                    f"{', '.join(o.blockers)} | {o.equal} |")
    return "\n".join(rows)


def summary(outcomes):
    total = len(outcomes)
    assembled = sum(o.assembled for o in outcomes)
    writerless = sum(o.blockers[:1] == [f"no writer ({o.program.writer})"] for o in outcomes)
    with_binary = [o for o in outcomes if o.program.has_binary]
    equal = sum(o.equal == "yes" for o in with_binary)
    different = sum(o.equal == "no" for o in with_binary)
    crashed = sum(bool(o.crashed) for o in outcomes)
    return (f"{assembled} of {total} assembled as published ({writerless} more assemble but have no writer); "
            f"{len(with_binary)} have the author's binary: {equal} equal, {different} different; "
            f"{crashed} crashed.")


def blocker_counts(outcomes):
    counts = {}
    for o in outcomes:
        for b in o.blockers:
            counts[b] = counts.get(b, 0) + 1
    rows = ["| Blocker | Programs |", "|---|---|"]
    rows += [f"| {b} | {n} |" for b, n in sorted(counts.items(), key=lambda item: (-item[1], item[0]))]
    return "\n".join(rows)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--quarn", help="the quarn binary to assemble with")
    parser.add_argument("--corpus", default=os.environ.get("QUARN_CORPUS_DIR", str(HERE / "programs")),
                        help="folder holding one folder per program")
    parser.add_argument("--gather", metavar="MIRRORS",
                        help="first copy the programs out of fetched repositories under MIRRORS")
    parser.add_argument("--record-binaries", action="store_true",
                        help="write the digests of the authors' variable data into the manifest")
    parser.add_argument("--used-names", metavar="FILE",
                        help="write the system names the programs use to FILE")
    parser.add_argument("--include-dir", action="append", default=[],
                        help="a folder of system include files to offer the programs (repeatable)")
    parser.add_argument("--only", help="assemble only the programs whose id contains this text")
    args = parser.parse_args(argv)

    manifest = read_manifest()
    programs = [p for p in manifest if not args.only or args.only in p.id]
    if args.gather:
        gather(programs, args.gather, args.corpus)
    if not Path(args.corpus).is_dir():
        print(f"no corpus folder at {args.corpus}; nothing to assemble")
        return SKIPPED
    programs = [p for p in programs if (Path(args.corpus) / p.id).is_dir()]
    if args.record_binaries:
        record_binaries(programs, args.corpus)
        write_manifest(manifest)
    if args.used_names:
        write_used_names(programs, args.corpus, args.used_names)
    if not args.quarn:
        return 0

    outcomes = [assemble(p, args.quarn, args.corpus, args.include_dir) for p in programs]
    print(table(outcomes))
    print()
    print(blocker_counts(outcomes))
    print()
    print(summary(outcomes))
    failed = [o for o in outcomes if o.crashed or o.equal == "no"]
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
