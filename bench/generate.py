#!/usr/bin/env python3
"""Write large, realistic Z80 programs for comparing quarn with other assemblers.

The same program is written three times, once per assembler, and the three
texts differ only where the dialects do: the origin line, equates and data
directives.  Instructions use the Zilog spelling that all three accept.

Every instruction kind appears: loads (including (ix+d)/(iy+d) and the index
register halves), 8- and 16-bit arithmetic and logic, rotates and shifts,
bit/set/res, absolute and relative jumps, calls, returns, restarts, stack,
exchanges, block instructions and port input/output.  A label stands every
eight lines or so; jumps and calls go forward and backward; relative jumps
stay in reach because the generator knows every instruction's size.

Forms left out because a peer rejects them: "in f,(c)" (also written
"in (c)") and "out (c),0" (pasmo knows neither).  Displacements of
(ix+d)/(iy+d) run over the whole range -128..127 in every indexed form.

A program is cut into several files (each one a separate assembly) so that no
image goes beyond --max-bytes: the peers refuse images that leave the 64 KiB
address space.  One seed gives the same files on every run; file k depends
only on the seed, k and its line budget.

Layout of --out:
  quarn/part_NNN.asm   pasmo/part_NNN.asm   gas/part_NNN.s
  map/part_NNN.map     address, size and source line of every emitting line
  manifest.json        files, line counts, image sizes, origin

Only the Python standard library is used.
"""

import argparse
import bisect
import json
import os
import random
import sys

R8 = ["b", "c", "d", "e", "h", "l", "a"]
R16 = ["bc", "de", "hl", "sp"]
R16_STACK = ["bc", "de", "hl", "af"]
CONDITIONS = ["nz", "z", "nc", "c", "po", "pe", "p", "m"]
JR_CONDITIONS = ["nz", "z", "nc", "c"]
ALU_WITH_A = ["add", "adc", "sbc"]  # written "op a,x" by Zilog convention
ALU_PLAIN = ["sub", "and", "xor", "or", "cp"]  # written "op x"
ROTATES = ["rlc", "rrc", "rl", "rr", "sla", "sra", "srl"]
BLOCK = ["ldi", "ldir", "ldd", "lddr", "cpi", "cpir", "cpd", "cpdr",
         "ini", "inir", "ind", "indr", "outi", "otir", "outd", "otdr"]
SIMPLE_1 = ["nop", "daa", "cpl", "ccf", "scf", "exx", "di", "ei",
            "rlca", "rrca", "rla", "rra"]
SIMPLE_2 = ["neg", "rld", "rrd", "reti", "retn"]
RST = ["0", "8", "16", "24", "32", "40", "48", "56",
       "00h", "08h", "10h", "18h", "20h", "28h", "30h", "38h"]

LABEL_WORDS = ["loop", "next", "skip", "done", "draw", "copy", "fill", "init",
               "wait", "read", "send", "calc", "test", "leave", "found",
               "again", "scan", "move", "clear", "check", "store", "load"]
BYTE_EQU_WORDS = ["LEN", "MASK", "PORT", "KEY", "COUNT", "FLAG", "STEP", "ROWS"]
WORD_EQU_WORDS = ["BUF", "VRAM", "TABLE", "SAVE", "STACK", "VARS", "FONT"]
COMMENT_WORDS = ["set", "up", "the", "next", "row", "of", "pixels", "keep",
                 "counter", "in", "b", "wait", "for", "key", "press", "copy",
                 "block", "to", "buffer", "check", "carry", "and", "leave",
                 "restore", "registers", "save", "pointer", "clear", "screen",
                 "scroll", "left", "by", "one", "column", "high", "byte",
                 "first", "then", "low", "table", "lookup", "index", "flags"]
STRING_WORDS = ["Score", "Level", "Lives", "Game Over", "Paused", "Hello",
                "Press ENTER", "Loading", "Done", "Error", "Ready"]


class Ref:
    """A label reference that is resolved once every label's address is known."""

    def __init__(self, kind, addr):
        self.kind = kind  # "rel": jr/djnz from addr; "abs": anywhere
        self.addr = addr
        self.name = None


class Part:
    """One generated file: its lines in dialect-neutral form."""

    def __init__(self, rng, org):
        self.rng = rng
        self.org = org
        self.pc = org
        self.lines = []  # tuples, see render()
        self.labels = []  # (address, name) in address order
        self.refs = []
        self.byte_equs = []  # (name, value)
        self.word_equs = []
        self.label_count = 0


def num(rng, value):
    """Write a number in decimal, or now and then in hexadecimal with an h suffix."""
    if rng.random() < 0.2:
        text = "%Xh" % value
        return "0" + text if text[0] in "ABCDEF" else text
    return str(value)


def byte_operand(part):
    """An 8-bit operand: a number, a byte equate, or a small expression of one."""
    rng = part.rng
    roll = rng.random()
    if roll < 0.15 and part.byte_equs:
        return rng.choice(part.byte_equs)[0]
    if roll < 0.22 and part.byte_equs:
        name, value = rng.choice(part.byte_equs)
        if value < 200:
            return "%s+%d" % (name, rng.randint(1, 55))
        return "%s-%d" % (name, rng.randint(1, 60))
    if roll < 0.25:
        return "'%s'" % rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")
    return num(rng, rng.randint(0, 255))


def word_operand(part):
    """A 16-bit operand: a number, a word equate, an expression, or a label."""
    rng = part.rng
    roll = rng.random()
    if roll < 0.3 and part.word_equs:
        name, value = rng.choice(part.word_equs)
        if rng.random() < 0.4:
            return "%s+%d" % (name, rng.randint(1, 255))
        return name
    if roll < 0.55:
        ref = Ref("abs", part.pc)
        part.refs.append(ref)
        return ref
    if roll < 0.62 and len(part.byte_equs) >= 2:
        (a, _), (b, _) = rng.sample(part.byte_equs, 2)
        return "%s*256+%s" % (a, b)
    return num(rng, rng.randint(0, 65535))


def address_operand(part):
    """A memory address for (nn) forms: mostly RAM equates."""
    rng = part.rng
    if part.word_equs and rng.random() < 0.8:
        name, _ = rng.choice(part.word_equs)
        off = rng.randint(0, 64)
        return name if off == 0 else "%s+%d" % (name, off)
    return num(rng, rng.randint(0xC000, 0xFFF0))


def index_operand(rng, reg):
    """(ix+d), (ix-d) or a bare (ix)."""
    if rng.random() < 0.05:
        return "(%s)" % reg
    d = rng.randint(-128, 127)
    if d < 0:
        return "(%s-%s)" % (reg, num(rng, -d))
    return "(%s+%s)" % (reg, num(rng, d))


def pick_instruction(part):
    """Return (template parts, size).  Parts are strings or Ref objects."""
    rng = part.rng
    ix = rng.choice(["ix", "iy"])
    kind = rng.choices(
        ["ld_rr", "ld_rn", "ld_hl", "ld_idx", "ld_idx_n", "ld_mem", "ld_16",
         "ld_misc", "ld_half", "push_pop", "ex", "alu", "alu16", "incdec",
         "rot", "bit", "jp", "jr", "call", "ret", "rst", "block", "io",
         "simple"],
        weights=[14, 10, 6, 6, 2, 6, 7, 2, 1, 5, 2, 12, 2, 7, 4, 5, 4, 5, 4,
                 3, 1, 2, 2, 4])[0]
    if kind == "ld_rr":
        return ["ld %s,%s" % (rng.choice(R8), rng.choice(R8))], 1
    if kind == "ld_rn":
        return ["ld %s,%s" % (rng.choice(R8), byte_operand(part))], 2
    if kind == "ld_hl":
        roll = rng.random()
        if roll < 0.45:
            return ["ld %s,(hl)" % rng.choice(R8)], 1
        if roll < 0.9:
            return ["ld (hl),%s" % rng.choice(R8)], 1
        return ["ld (hl),%s" % byte_operand(part)], 2
    if kind == "ld_idx":
        regs = [r for r in R8]
        if rng.random() < 0.5:
            return ["ld %s,%s" % (rng.choice(regs), index_operand(rng, ix))], 3
        return ["ld %s,%s" % (index_operand(rng, ix), rng.choice(regs))], 3
    if kind == "ld_idx_n":
        return ["ld %s,%s" % (index_operand(rng, ix), byte_operand(part))], 4
    if kind == "ld_mem":
        roll = rng.random()
        if roll < 0.2:
            return ["ld a,(%s)" % rng.choice(["bc", "de"])], 1
        if roll < 0.3:
            return ["ld (%s),a" % rng.choice(["bc", "de"])], 1
        addr = address_operand(part)
        if roll < 0.45:
            return ["ld a,(%s)" % addr], 3
        if roll < 0.6:
            return ["ld (%s),a" % addr], 3
        if roll < 0.7:
            return ["ld hl,(%s)" % addr], 3
        if roll < 0.8:
            return ["ld (%s),hl" % addr], 3
        pair = rng.choice(["bc", "de", "sp", "ix", "iy"])
        if roll < 0.9:
            return ["ld %s,(%s)" % (pair, addr)], 4
        return ["ld (%s),%s" % (addr, pair)], 4
    if kind == "ld_16":
        if rng.random() < 0.8:
            return ["ld %s," % rng.choice(R16), word_operand(part)], 3
        return ["ld %s," % ix, word_operand(part)], 4
    if kind == "ld_misc":
        return rng.choice([
            (["ld sp,hl"], 1), (["ld sp,%s" % ix], 2), (["ld a,i"], 2),
            (["ld a,r"], 2), (["ld i,a"], 2), (["ld r,a"], 2)])
    if kind == "ld_half":
        half = rng.choice([ix + "h", ix + "l"])
        roll = rng.random()
        if roll < 0.3:
            return ["ld a,%s" % half], 2
        if roll < 0.6:
            return ["ld %s,%s" % (half, rng.choice(["b", "c", "d", "e", "a"]))], 2
        if roll < 0.8:
            return ["ld %s,%s" % (half, byte_operand(part))], 3
        op = rng.choice(["add a,", "sub ", "and ", "xor ", "or ", "cp ", "inc ", "dec "])
        return ["%s%s" % (op, half)], 2
    if kind == "push_pop":
        op = rng.choice(["push", "pop"])
        if rng.random() < 0.8:
            return ["%s %s" % (op, rng.choice(R16_STACK))], 1
        return ["%s %s" % (op, ix)], 2
    if kind == "ex":
        return rng.choice([
            (["ex de,hl"], 1), (["ex af,af'"], 1), (["ex (sp),hl"], 1),
            (["ex (sp),%s" % ix], 2), (["exx"], 1)])
    if kind == "alu":
        op = rng.choice(ALU_WITH_A + ALU_PLAIN)
        prefix = op + (" a," if op in ALU_WITH_A else " ")
        roll = rng.random()
        if roll < 0.5:
            return [prefix + rng.choice(R8)], 1
        if roll < 0.8:
            return [prefix + byte_operand(part)], 2
        if roll < 0.9:
            return [prefix + "(hl)"], 1
        return [prefix + index_operand(rng, ix)], 3
    if kind == "alu16":
        roll = rng.random()
        if roll < 0.5:
            return ["add hl,%s" % rng.choice(R16)], 1
        if roll < 0.8:
            return ["%s hl,%s" % (rng.choice(["adc", "sbc"]), rng.choice(R16))], 2
        return ["add %s,%s" % (ix, rng.choice(["bc", "de", ix, "sp"]))], 2
    if kind == "incdec":
        op = rng.choice(["inc", "dec"])
        roll = rng.random()
        if roll < 0.45:
            return ["%s %s" % (op, rng.choice(R8))], 1
        if roll < 0.8:
            return ["%s %s" % (op, rng.choice(R16))], 1
        if roll < 0.88:
            return ["%s (hl)" % op], 1
        if roll < 0.94:
            return ["%s %s" % (op, ix)], 2
        return ["%s %s" % (op, index_operand(rng, ix))], 3
    if kind == "rot":
        roll = rng.random()
        op = rng.choice(ROTATES + ["sll"] if rng.random() < 0.1 else ROTATES)
        if roll < 0.6:
            return ["%s %s" % (op, rng.choice(R8))], 2
        if roll < 0.8:
            return ["%s (hl)" % op], 2
        return ["%s %s" % (op, index_operand(rng, ix))], 4
    if kind == "bit":
        op = rng.choice(["bit", "set", "res"])
        b = rng.randint(0, 7)
        roll = rng.random()
        if roll < 0.6:
            return ["%s %d,%s" % (op, b, rng.choice(R8))], 2
        if roll < 0.8:
            return ["%s %d,(hl)" % (op, b)], 2
        return ["%s %d,%s" % (op, b, index_operand(rng, ix))], 4
    if kind == "jp":
        roll = rng.random()
        if roll < 0.1:
            return _jp_indirect(rng)
        ref = Ref("abs", part.pc)
        part.refs.append(ref)
        if roll < 0.55:
            return ["jp ", ref], 3
        return ["jp %s," % rng.choice(CONDITIONS), ref], 3
    if kind == "jr":
        ref = Ref("rel", part.pc)
        part.refs.append(ref)
        roll = rng.random()
        if roll < 0.3:
            return ["djnz ", ref], 2
        if roll < 0.6:
            return ["jr ", ref], 2
        return ["jr %s," % rng.choice(JR_CONDITIONS), ref], 2
    if kind == "call":
        ref = Ref("abs", part.pc)
        part.refs.append(ref)
        if rng.random() < 0.7:
            return ["call ", ref], 3
        return ["call %s," % rng.choice(CONDITIONS), ref], 3
    if kind == "ret":
        if rng.random() < 0.5:
            return ["ret"], 1
        return ["ret %s" % rng.choice(CONDITIONS)], 1
    if kind == "rst":
        return ["rst %s" % rng.choice(RST)], 1
    if kind == "block":
        return [rng.choice(BLOCK)], 2
    if kind == "io":
        roll = rng.random()
        if roll < 0.3:
            return ["in a,(%s)" % byte_operand(part)], 2
        if roll < 0.6:
            return ["out (%s),a" % byte_operand(part)], 2
        if roll < 0.8:
            return ["in %s,(c)" % rng.choice(R8)], 2
        return ["out (c),%s" % rng.choice(R8)], 2
    # simple
    roll = rng.random()
    if roll < 0.6:
        return [rng.choice(SIMPLE_1)], 1
    if roll < 0.85:
        return [rng.choice(SIMPLE_2)], 2
    if roll < 0.95:
        return ["im %d" % rng.randint(0, 2)], 2
    return ["halt"], 1


def _jp_indirect(rng):
    reg = rng.choice(["hl", "ix", "iy"])
    return ["jp (%s)" % reg], 1 if reg == "hl" else 2


def pick_data(part):
    """A data line: .db bytes (maybe a string) or .dw words (maybe labels)."""
    rng = part.rng
    if rng.random() < 0.6:
        items = []
        size = 0
        if rng.random() < 0.25:
            text = rng.choice(STRING_WORDS)
            items.append('"%s"' % text)
            size += len(text)
            items.append("0")
            size += 1
        else:
            for _ in range(rng.randint(1, 8)):
                items.append(byte_operand(part))
                size += 1
        return "db", items, size
    items = []
    for _ in range(rng.randint(1, 4)):
        items.append(word_operand(part))
    return "dw", items, 2 * len(items)


def comment_text(rng, low=2, high=7):
    return " ".join(rng.choice(COMMENT_WORDS) for _ in range(rng.randint(low, high)))


def new_label(part):
    part.label_count += 1
    name = "%s_%d" % (part.rng.choice(LABEL_WORDS), part.label_count)
    part.labels.append((part.pc, name))
    return name


def generate_part(seed, index, line_budget, org, max_bytes):
    """Build one file's lines; stop at the line budget or near the byte limit."""
    rng = random.Random("%d/%d/%d" % (seed, index, line_budget))
    part = Part(rng, org)
    lines = part.lines
    lines.append(("comment", "part %d of a generated benchmark program" % index))
    lines.append(("org",))
    # Equates: byte constants, then RAM addresses, some built from earlier ones.
    for i in range(rng.randint(12, 20)):
        name = "%s_%d" % (rng.choice(BYTE_EQU_WORDS), i)
        if part.byte_equs and rng.random() < 0.3:
            base, value = rng.choice(part.byte_equs)
            add = rng.randint(0, min(40, 255 - value))
            expr, value = ("%s+%d" % (base, add), value + add)
        else:
            value = rng.randint(1, 250)
            expr = num(rng, value)
        part.byte_equs.append((name, value))
        lines.append(("equ", name, expr))
    for i in range(rng.randint(6, 12)):
        name = "%s_%d" % (rng.choice(WORD_EQU_WORDS), i)
        if part.word_equs and rng.random() < 0.3:
            base, value = rng.choice(part.word_equs)
            add = rng.randint(1, 512)
            expr, value = ("%s+%d" % (base, add), value + add)
        else:
            value = rng.randint(0xC000, 0xF000)
            expr = num(rng, value)
        part.word_equs.append((name, value))
        lines.append(("equ", name, expr))
    lines.append(("blank",))

    # The body opens with a label so that the first relative jump has a target.
    limit = org + max_bytes - 32
    next_label = 0
    while len(lines) < line_budget and part.pc < limit:
        if next_label <= 0:
            name = new_label(part)
            next_label = rng.randint(5, 11)
            if rng.random() < 0.3:
                text, size = pick_instruction(part)
                lines.append(("label", name, text, size, None))
                part.pc += size
            else:
                lines.append(("label", name, None, 0, None))
            continue
        next_label -= 1
        roll = rng.random()
        if roll < 0.05:
            lines.append(("comment", comment_text(rng)))
        elif roll < 0.08:
            lines.append(("blank",))
        elif roll < 0.12:
            kind, items, size = pick_data(part)
            lines.append(("data", kind, items, size))
            part.pc += size
        else:
            text, size = pick_instruction(part)
            comment = comment_text(rng, 1, 5) if rng.random() < 0.15 else None
            if any(t == "ex af,af'" for t in text if isinstance(t, str)):
                comment = None  # the apostrophe reads as a quote in some tools
            lines.append(("instr", text, size, comment))
            part.pc += size
    resolve(part)
    return part


def resolve(part):
    """Give every reference a label: relative ones in reach, others anywhere."""
    rng = part.rng
    addrs = [a for a, _ in part.labels]
    n = len(addrs)
    for ref in part.refs:
        if ref.kind == "rel":
            # displacement = target - (addr + 2) must lie in -128..127
            lo = bisect.bisect_left(addrs, ref.addr - 126)
            hi = bisect.bisect_right(addrs, ref.addr + 129)
            if lo >= hi:
                raise SystemExit("no label in reach of a relative jump at %04X" % ref.addr)
            ref.name = part.labels[rng.randrange(lo, hi)][1]
        else:
            here = bisect.bisect_left(addrs, ref.addr)
            if rng.random() < 0.6:
                k = min(max(here + rng.randint(-40, 40), 0), n - 1)
            else:
                k = rng.randrange(n)
            ref.name = part.labels[k][1]


def text_of(parts):
    return "".join(p if isinstance(p, str) else p.name for p in parts)


DIALECTS = ("quarn", "gas", "pasmo")


def render(part, dialect):
    """The file's text in one dialect, and its map of emitting lines."""
    rng = random.Random(len(part.lines))  # only picks between equivalent spellings
    out = []
    mapping = []
    pc = part.org
    for line in part.lines:
        tag = line[0]
        if tag == "comment":
            out.append("; %s" % line[1])
        elif tag == "blank":
            out.append("")
        elif tag == "org":
            origin = "%Xh" % part.org
            origin = "0" + origin if origin[0] in "ABCDEF" else origin
            if dialect == "quarn":
                out.append("        .org %s" % origin)
            elif dialect == "pasmo":
                out.append("        org %s" % origin)
            else:
                out.append("; origin %s is given to the linker" % origin)
        elif tag == "equ":
            name, expr = line[1], line[2]
            style = rng.random() < 0.5
            if dialect == "quarn":
                out.append("%s .equ %s" % (name, expr) if style else "%s = %s" % (name, expr))
            elif dialect == "pasmo":
                out.append("%s EQU %s" % (name, expr) if style else "%s equ %s" % (name, expr))
            else:
                out.append("%s = %s" % (name, expr) if style else ".equ %s, %s" % (name, expr))
        elif tag == "label":
            name, text, size = line[1], line[2], line[3]
            if text is None:
                out.append("%s:" % name)
            else:
                body = text_of(text)
                out.append("%s:  %s" % (name, body))
                mapping.append((pc, size, body))
                pc += size
        elif tag == "instr":
            text, size, comment = line[1], line[2], line[3]
            body = text_of(text)
            if comment:
                out.append("        %-24s; %s" % (body, comment))
            else:
                out.append("        %s" % body)
            mapping.append((pc, size, body))
            pc += size
        elif tag == "data":
            kind, items, size = line[1], line[2], line[3]
            items = ",".join(text_of([i]) for i in items)
            if dialect == "pasmo":
                word = "defb" if kind == "db" else "defw"
            else:
                # GNU as reads a string after .byte as a symbol name, so
                # lines holding a string keep the .db spelling.
                has_string = any(isinstance(i, str) and i.startswith('"') for i in line[2])
                long_form = rng.random() < 0.2 and not has_string
                if kind == "db":
                    word = ".byte" if long_form else ".db"
                else:
                    word = ".word" if long_form else ".dw"
            out.append("        %s %s" % (word, items))
            mapping.append((pc, size, "%s %s" % (word, items)))
            pc += size
    return "\n".join(out) + "\n", mapping


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--lines", type=int, required=True, help="total source lines")
    ap.add_argument("--per-file", type=int, default=20000, help="lines per file")
    ap.add_argument("--seed", type=int, default=1, help="random seed")
    ap.add_argument("--org", type=lambda s: int(s, 0), default=0x1000,
                    help="origin of every file (default 0x1000)")
    ap.add_argument("--max-bytes", type=int, default=56 * 1024,
                    help="largest image of one file (default 57344)")
    ap.add_argument("--out", required=True, help="output directory")
    args = ap.parse_args(argv)
    if args.org + args.max_bytes > 0x10000:
        ap.error("origin plus --max-bytes leaves the 64 KiB address space")
    if args.per_file < 200 or args.lines < 1:
        ap.error("--per-file must be at least 200 and --lines at least 1")

    for d in DIALECTS + ("map",):
        os.makedirs(os.path.join(args.out, d), exist_ok=True)
    ext = {"quarn": ".asm", "pasmo": ".asm", "gas": ".s"}
    files = []
    remaining = args.lines
    index = 0
    while remaining > 0:
        budget = min(args.per_file, remaining)
        if budget < 200 and files:
            budget = remaining  # a tiny tail still gets its equates and labels
        part = generate_part(args.seed, index, budget, args.org, args.max_bytes)
        stem = "part_%03d" % index
        entry = {"stem": stem, "lines": len(part.lines), "bytes": part.pc - args.org}
        for dialect in DIALECTS:
            text, lines_map = render(part, dialect)
            if dialect == "quarn":
                mapping = lines_map  # the map quotes quarn's spelling
            with open(os.path.join(args.out, dialect, stem + ext[dialect]), "w") as f:
                f.write(text)
        with open(os.path.join(args.out, "map", stem + ".map"), "w") as f:
            for pc, size, body in mapping:
                f.write("%04X %d %s\n" % (pc, size, body))
        files.append(entry)
        remaining -= len(part.lines)
        index += 1
    manifest = {"seed": args.seed, "org": args.org, "lines": args.lines,
                "per_file": args.per_file, "files": files}
    with open(os.path.join(args.out, "manifest.json"), "w") as f:
        json.dump(manifest, f, indent=1)
    total = sum(e["lines"] for e in files)
    print("%d files, %d lines, %d bytes" % (len(files), total,
                                             sum(e["bytes"] for e in files)),
          file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
