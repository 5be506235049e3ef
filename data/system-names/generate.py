#!/usr/bin/env python3
"""Writes the include files in data/Include/ from the tables beside this script.

Each table <base>.tsv becomes one include file: a header row, then one row per
name with the columns  name  value  kind  calculator  sources.  Rows are written
in table order, so a value may use any name defined in an earlier row.

    generate.py           rewrite every include file from its table
    generate.py --check   only compare; exit 1 and name the stale files

The generated files are committed, so building quarn never needs Python.
"""

import itertools
import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
INCLUDE_DIR = HERE.parent / "Include"

COLUMNS = ["name", "value", "kind", "calculator", "sources"]

# What each kind of row is, in the words of the section comment above it.
KIND_TITLES = {
    "routine": "System routines",
    "ram": "RAM areas and system variables",
    "flag": "System flags: each byte's offset from IY, then the numbers of its bits",
    "flagbit": "System flags: each byte's offset from IY, then the numbers of its bits",
    "key": "Key codes",
    "token": "Tokens",
    "port": "I/O ports",
    "const": "Constants",
    "macro": "Macros",
}

# Most tables become <base>.inc; these keep the name their programs include.
OUTPUT_NAMES = {"ti-85": "ti-85.h"}

# A table whose rows serve two calculators: rows for one calculator only are
# written under #ifdef of the name that programs define to choose it, rows for
# the other under #else.  base -> (macro, calculator when defined, otherwise,
# the include file that defines the macro for its programs).
VARIANTS = {"ion": ("TI83P", "TI-83 Plus", "TI-83", "ti83plus.inc")}

# A shell's header that programs include instead of the calculator's own file
# also defines every name of that file, so either file or both may be included.
ALSO_DEFINES = {"mallard": ["ti73"]}

# Statements written after the definitions.  CrASH programs begin with their
# description and write no .org: the shell's header sets the address at which
# CrASH runs them.
TRAILERS = {"crash82": ["", "        .org START_ADDR"]}

NAME = re.compile(r"[A-Za-z_][A-Za-z0-9_]*")
MACRO_NAME = re.compile(r"([A-Za-z_][A-Za-z0-9_]*)\(([A-Za-z_][A-Za-z0-9_]*(?:,[A-Za-z_][A-Za-z0-9_]*)*)\)")
NUMBER = r"\$[0-9A-Fa-f]+|[0-9][0-9A-Fa-f]*[hH]|%[01]+|[01]+[bB]|[0-9]+"
VALUE_TOKEN = re.compile(r"\s*(?:(" + NUMBER + r")|([A-Za-z_][A-Za-z0-9_]*)|([-+*/()&|^]|<<|>>))")

NAME_COLUMN_WIDTH = 24


class TableError(Exception):
    pass


def output_name(base):
    return OUTPUT_NAMES.get(base, base + ".inc")


def read_rows(table):
    """The rows of one table, each knowing where it was written."""
    lines = table.read_text(encoding="utf-8").splitlines()
    if not lines or lines[0].split("\t") != COLUMNS:
        raise TableError(f"{table.name}: the first row must be the header " + " ".join(COLUMNS))
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        if not line.strip():
            continue
        fields = line.split("\t")
        if len(fields) != len(COLUMNS) or not all(field.strip() for field in fields):
            raise TableError(f"{table.name}:{number}: expected {len(COLUMNS)} non-empty tab-separated columns")
        row = dict(zip(COLUMNS, (field.strip() for field in fields)))
        row["line"] = number
        row["table"] = table.name
        rows.append(row)
    return rows


def names_in_value(row, where):
    """The names a value uses; raises when the value is not a plain expression."""
    text, names, position = row["value"], [], 0
    while position < len(text):
        match = VALUE_TOKEN.match(text, position)
        if not match or match.end() == position:
            raise TableError(f"{where}: value {text!r} is not an expression of numbers and names")
        if match.group(2):
            names.append(match.group(2))
        position = match.end()
    return names


def calculators_of(row):
    return {part.strip() for part in row["calculator"].split(",")}


def branch_of(row, base, where):
    """None for rows written unconditionally, else the calculator they serve."""
    if base not in VARIANTS:
        return None
    chosen, other = VARIANTS[base][1:3]
    served = calculators_of(row) & {chosen, other}
    if not served:
        raise TableError(f"{where}: calculator must be {chosen!r}, {other!r} or both")
    return None if len(served) == 2 else served.pop()


def check_macro(row, where, macros, branch):
    """Macro names compare exactly, as the preprocessor compares them."""
    if not (MACRO_NAME.fullmatch(row["name"]) or NAME.fullmatch(row["name"])):
        raise TableError(f"{where}: bad macro name {row['name']!r}")
    name = row["name"].split("(")[0]
    scopes = macros.values() if branch is None else [macros[None], macros[branch]]
    if any(name in scope for scope in scopes):
        raise TableError(f"{where}: macro {name} is already defined")
    macros[branch].add(name)


def check_rows(rows, base):
    """Names are unique per calculator regardless of letter case (quarn's labels
    ignore it), and a value only uses names that an earlier row defines for
    every calculator the row serves."""
    defined = {None: {}}
    if base in VARIANTS:
        defined.update({VARIANTS[base][1]: {}, VARIANTS[base][2]: {}})
    macros = {scope: set() for scope in defined}
    for row in rows:
        where = f"{row['table']}:{row['line']}"
        if row["kind"] not in KIND_TITLES:
            raise TableError(f"{where}: unknown kind {row['kind']!r}")
        branch = row["branch"] = branch_of(row, base, where)
        if row["kind"] == "macro":
            check_macro(row, where, macros, branch)
            continue
        if not NAME.fullmatch(row["name"]):
            raise TableError(f"{where}: bad name {row['name']!r}")
        readable = [defined[None]] if branch is None else [defined[None], defined[branch]]
        for used in names_in_value(row, where):
            if not any(used.upper() in scope for scope in readable):
                raise TableError(f"{where}: {used} is not defined in an earlier row")
        key = row["name"].upper()
        clashing = list(defined.values()) if branch is None else readable
        for scope in clashing:
            if key in scope:
                raise TableError(f"{where}: {row['name']} is already defined at {scope[key]}")
        defined[branch][key] = f"{row['table']}:{row['line']}"


def definition(row):
    """Equates are written with "=", which no macro can stand for: sources often
    #define equ (or EQU) as .equ, and a name after "." would become "..equ"."""
    if row["kind"] == "macro":
        return f"#define {row['name']} {row['value']}"
    return f"{row['name'].ljust(NAME_COLUMN_WIDTH - 1)} = {row['value']}"


def section_lines(rows):
    """A comment above each run of rows of one kind; a flag byte and its bits
    share one run."""
    lines, title = [], None
    for row in rows:
        if KIND_TITLES[row["kind"]] != title:
            title = KIND_TITLES[row["kind"]]
            lines += ["", f"; {title}"]
        lines.append(definition(row))
    return lines


def branch_lines(rows, base):
    """Rows in table order; each run of rows for one calculator only becomes an
    #ifdef block (its rows for the other calculator go under #else)."""
    if base not in VARIANTS:
        return section_lines(rows)
    macro, chosen = VARIANTS[base][:2]
    lines = []
    for conditional, run in itertools.groupby(rows, key=lambda row: row["branch"] is not None):
        run = list(run)
        if not conditional:
            lines += section_lines(run)
            continue
        lines += ["", f"#ifdef {macro}"] + section_lines([row for row in run if row["branch"] == chosen])
        other = [row for row in run if row["branch"] != chosen]
        if other:
            lines += ["", "#else"] + section_lines(other)
        lines += ["", "#endif"]
    return lines


def header_lines(base, rows):
    calculators = sorted({c for row in rows for c in calculators_of(row)})
    tables = " and ".join(f"data/system-names/{name}.tsv" for name in ALSO_DEFINES.get(base, []) + [base])
    lines = [
        f"; {output_name(base)}: system names for the {' and '.join(calculators)}.",
        f"; Generated by data/system-names/generate.py from {tables},",
        "; where each value's sources are listed; change the tables, not this file.",
    ]
    if base in VARIANTS:
        macro, chosen, other, definer = VARIANTS[base]
        lines.append(f"; Define {macro} (or include {definer}) before this file to assemble for the")
        lines.append(f"; {chosen}; without it the names are those of the {other}.")
    return lines


def render(table):
    base = table.stem
    rows = [row for name in ALSO_DEFINES.get(base, []) for row in read_rows(HERE / f"{name}.tsv")] + read_rows(table)
    check_rows(rows, base)
    return "\n".join(header_lines(base, rows) + branch_lines(rows, base) + TRAILERS.get(base, [])) + "\n"


def main(arguments):
    check_only = arguments == ["--check"]
    if arguments and not check_only:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        # Every table is checked before any file is written, so a bad table
        # leaves all include files as they were.
        texts = {INCLUDE_DIR / output_name(table.stem): render(table) for table in sorted(HERE.glob("*.tsv"))}
    except TableError as error:
        print(f"generate.py: {error}", file=sys.stderr)
        return 1
    stale = [target for target, text in texts.items()
             if not target.exists() or target.read_text(encoding="utf-8") != text]
    if check_only:
        if stale:
            print("generate.py: out of date: " + ", ".join(target.name for target in stale), file=sys.stderr)
        return 1 if stale else 0
    for target in stale:
        target.write_text(texts[target], encoding="utf-8", newline="\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
