"""Lists the names a program uses that none of its own files define.

A rough lexical scan, good enough to tell the system include files what they must
define: labels, equates, #define and macro names found in the program's files
count as defined; every other identifier in an operand or in a macro body is a
name the system has to supply (a ROM routine, a RAM address, a flag, a key code,
a macro such as bcall).
"""

import os
import re
from pathlib import Path

REGISTERS = {"a", "b", "c", "d", "e", "h", "l", "f", "i", "r", "af", "bc", "de", "hl", "sp", "ix", "iy",
             "ixh", "ixl", "iyh", "iyl", "hx", "lx", "hy", "ly", "xh", "xl", "yh", "yl"}
CONDITIONS = {"nz", "z", "nc", "c", "po", "pe", "p", "m"}
# Operator words of the expression syntax, not names.
OPERATOR_WORDS = {"and", "or", "xor", "not", "mod", "shl", "shr", "high", "low"}

MNEMONICS = set("""adc add and bit call ccf cp cpd cpdr cpi cpir cpl daa dec di djnz ei ex exx halt im in
inc ind indr ini inir jp jr ld ldd lddr ldi ldir neg nop or otdr otir out outd outi pop push res ret reti
retn rl rla rlc rlca rld rr rra rrc rrca rrd rst sbc scf set sla sll sl1 sra srl sub xor""".split())

IDENTIFIER = re.compile(r"[A-Za-z_][A-Za-z0-9_.]*")
# $hex, %binary, 0x hex and every word that starts with a digit are numbers.
NUMBER = re.compile(r"\$[0-9A-Fa-f]+|%[01]+|\b[0-9]\w*")
INCLUDE = re.compile(r"^\s*[#.]include\s+[\"<]?([^\"'>\s;]+)", re.IGNORECASE)
DEFINE = re.compile(r"^\s*#define\s+([A-Za-z_.][\w.]*)(\(([^)]*)\))?\s*(.*)$", re.IGNORECASE)
EQUATE = re.compile(r"^\s*([A-Za-z_][\w.]*)\s*:?\s*(=|\.?equ\b|\.?set\b)", re.IGNORECASE)
LABEL = re.compile(r"^([A-Za-z_][\w.]*):?")
INDENTED_LABEL = re.compile(r"^\s+([A-Za-z_][\w.]*):")


def strip_comment(line):
    """The line up to its ';' comment, leaving strings and character constants whole."""
    line = re.sub(r"\baf'", "af", line, flags=re.IGNORECASE)  # the shadow pair is no quote
    out, quote = [], None
    for ch in line:
        if quote:
            quote = None if ch == quote else quote
        elif ch in "\"'":
            quote = ch
        elif ch == ";":
            break
        out.append(ch)
    return "".join(out)


def without_strings(text):
    return re.sub(r"\"[^\"]*\"|'[^']*'", " ", text)


def identifiers(text):
    for word in IDENTIFIER.findall(NUMBER.sub(" ", without_strings(text))):
        word = word.rstrip(".")
        if not word:
            continue
        lower = word.lower()
        if lower in REGISTERS or lower in CONDITIONS or lower in OPERATOR_WORDS or lower in MNEMONICS:
            continue
        yield word


def program_files(folder, source):
    """The source and every file it includes that lies in the program's folder."""
    entries = {name.lower(): name for name in os.listdir(folder)}
    seen, queue = [], [source]
    while queue:
        name = queue.pop()
        actual = entries.get(Path(name.replace("\\", "/")).name.lower())
        if actual is None or actual in seen:
            continue
        seen.append(actual)
        for line in (Path(folder) / actual).read_text(errors="replace").splitlines():
            match = INCLUDE.match(line)
            if match:
                queue.append(match.group(1))
    return seen


def scan(lines, defined):
    """The names one file uses; the names it defines are added to `defined`."""
    used = []
    for raw in lines:
        line = strip_comment(raw).rstrip()
        if not line.strip():
            continue
        stripped = line.strip()
        if re.match(r"^\.end\b", stripped, re.IGNORECASE):
            break  # the assembler reads no further
        if stripped.startswith("#"):
            define = DEFINE.match(line)
            if define:
                defined.add(define.group(1).lower())
                parameters = {p.strip().lower() for p in (define.group(3) or "").split(",")}
                for piece in define.group(4).split("\\"):
                    words = piece.strip().split(None, 1)
                    if words and is_statement_word(words[0]):
                        piece = words[1] if len(words) > 1 else ""
                    used += [w for w in identifiers(piece) if w.lower() not in parameters]
            continue
        for statement in line.split("\\"):
            used += list(statement_names(statement, defined))
    return used


def statement_names(statement, defined):
    equate = EQUATE.match(statement)
    if equate:
        defined.add(equate.group(1).lower())
        yield from identifiers(statement[equate.end():])
        return
    label = INDENTED_LABEL.match(statement) or (statement[:1] not in " \t" and LABEL.match(statement))
    rest = statement
    if label:
        defined.add(label.group(1).lower())
        rest = statement[label.end():]
    call = re.match(r"^([A-Za-z_]\w*)\((.*)\)$", rest.strip())
    if call:  # a macro invoked in the mnemonic position, e.g. bcall(_PutS)
        yield call.group(1)
        yield from identifiers(call.group(2))
        return
    words = rest.strip().split(None, 1)
    # Anything else is text that is not a statement (an unmarked comment, a
    # mail header) and names nothing.
    if len(words) > 1 and is_statement_word(words[0]):
        yield from identifiers(words[1])


def is_statement_word(word):
    return word.lower() in MNEMONICS or word.startswith(".") or word.lower() in ("equ", "=")


def used_system_names(folder, source):
    defined, used = set(), []
    for name in program_files(folder, source):
        used += scan((Path(folder) / name).read_text(errors="replace").splitlines(), defined)
    return sorted({name for name in used if name.lower() not in defined})


def write_used_names(programs, corpus, path):
    pairs = set()
    for p in programs:
        for name in used_system_names(Path(corpus) / p.id, Path(p.source).name):
            pairs.add((name, p.calculator))
    lines = [f"{name}\t{calculator}" for name, calculator in sorted(pairs, key=lambda x: (x[1], x[0].lower(), x[0]))]
    Path(path).write_text("\n".join(lines) + "\n")
