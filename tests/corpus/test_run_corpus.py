"""Checks the corpus script on small made-up programs and a stand-in for quarn."""

import importlib.util
import stat
import sys
import tempfile
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.dont_write_bytecode = True
sys.path.insert(0, str(HERE))
script = importlib.util.spec_from_file_location("run_corpus", HERE / "run-corpus.py")
run_corpus = importlib.util.module_from_spec(script)
script.loader.exec_module(run_corpus)
import used_names  # noqa: E402


def calculator_file(signature, entry_header, data):
    """A variable file: header, data-section length, entry header, data, checksum."""
    entry_header_length = len(entry_header) + 2
    section = entry_header_length.to_bytes(2, "little") + len(data).to_bytes(2, "little") + entry_header \
        + len(data).to_bytes(2, "little") + data
    header = signature + b"\x1a\x0a\x00" + bytes(42)
    return header + len(section).to_bytes(2, "little") + section + (sum(section) & 0xFFFF).to_bytes(2, "little")


class VariableDataTest(unittest.TestCase):
    def test_each_family_gives_back_its_data(self):
        data = bytes([3, 0, 0xC9, 0x00, 0x01])
        families = [(b"**TI86**", b"\x12\x04HELL\x00\x00\x00\x00"),     # type, name length, name
                    (b"**TI83F*", b"\x06PROG\x00\x00\x00\x00\x01\x00"),  # type, name, version, flag
                    (b"**TI82**", b"\x06PROG\x00\x00\x00\x00")]          # type, name
        for signature, entry in families:
            with self.subTest(signature=signature):
                self.assertEqual(run_corpus.variable_data(calculator_file(signature, entry, data)), data)

    def test_truncated_or_foreign_files_give_none(self):
        whole = calculator_file(b"**TI86**", b"\x12\x01A" + bytes(7), b"\x01\x00\xc9")
        self.assertIsNone(run_corpus.variable_data(whole[:60]))
        self.assertIsNone(run_corpus.variable_data(b"MZ" + whole[2:]))


class BlockerTest(unittest.TestCase):
    def test_source_lines_name_the_blocker(self):
        cases = [
            ('#400 Unrecognized instruction: "$"', "here:\t$\t; this address", "label: $"),
            ('#400 Unrecognized instruction: "$00"', "count:.db $00", "label:instruction without a blank"),
            ('#300 Unrecognized directive: ".nolist"', ".nolist", ".NOLIST / .LIST"),
            ('#400 Unrecognized instruction: "bcall(_PutS)"', "  bcall(_PutS)", "macro not defined"),
            ('#400 Unrecognized instruction: "ROM_CALL(CLEARLCD)"', "  nprint(1,2,3)",
             "macro expansion that calls a macro"),
            ('#201 Label not defined: "lastvar"', "#if ( lastvar >= endoftext)", "#if over a label (another dialect)"),
            ('#300 Unrecognized directive: "..equ"', "_PutS .equ $450A", "#define equ .equ doubles the dot"),
        ]
        for message, line, blocker in cases:
            with self.subTest(line=line):
                self.assertEqual(run_corpus.blocker_of(message, line, HERE), blocker)

    def test_missing_include_files_are_told_apart(self):
        with tempfile.TemporaryDirectory() as folder:
            Path(folder, "TI-85.H").write_text("")
            self.assertEqual(run_corpus.classify_missing_file('Cannot find file "ti-85.h"', folder),
                             "include file name in another letter case")
            self.assertEqual(run_corpus.classify_missing_file('Cannot find file "ti86asm.inc"', folder),
                             "system include file ti86asm.inc missing")
            self.assertEqual(run_corpus.classify_missing_file('Cannot find file "sprites.asm"', folder),
                             "include file missing")


class UsedNamesTest(unittest.TestCase):
    def test_only_names_the_program_does_not_define(self):
        source = [
            '#include "ti86asm.inc"',
            "#define PRINT(x) ld hl,x \\ call _puts",
            "delay = 10 ; a wait",
            ".org _asm_exec_ram",
            "start: ld a,(_curRow) \\ cp $0A",
            "\tjr nz,start",
            "\tPRINT(message)",
            "\tld b,delay",
            "loop:djnz loop",
            "\tld a,'C';upper case",
            "\tex af,af' ; not a name",
            "message: .db \"call _notaname\",0",
            ".end",
            "call _after_the_end",
        ]
        defined = set()
        used = used_names.scan(source, defined)
        self.assertEqual(sorted(set(used) - {u for u in used if u.lower() in defined}),
                         ["_asm_exec_ram", "_curRow", "_puts"])


class AssembleTest(unittest.TestCase):
    """The outcome of one program, with a shell script standing in for quarn."""

    def run_with(self, script, program_file="prog.asm"):
        with tempfile.TemporaryDirectory() as root:
            corpus = Path(root, "corpus")
            (corpus / "p").mkdir(parents=True)
            (corpus / "p" / program_file).write_text(".org 0\n")
            quarn = Path(root, "quarn")
            quarn.write_text("#!/bin/sh\n" + script)
            quarn.chmod(quarn.stat().st_mode | stat.S_IEXEC)
            program = run_corpus.Program("p", "TI-86", "o/r", "0" * 40, program_file, "-", "MIT", "no", "-", "-")
            return run_corpus.assemble(program, str(quarn), corpus)

    def test_a_signal_is_a_crash(self):
        self.assertEqual(self.run_with("kill -SEGV $$\n").crashed, f"exit status {-11}")

    def test_errors_are_reported_not_crashes(self):
        outcome = self.run_with('echo "Error #101 in prog.asm, line 1: Cannot find file \\"ti86asm.inc\\""; exit 2\n')
        self.assertEqual((outcome.assembled, outcome.crashed, outcome.blockers),
                         (False, "", ["system include file ti86asm.inc missing"]))

    def test_a_written_calculator_file_counts_as_assembled(self):
        outcome = self.run_with("printf '**TI86**' > prog.86p\n")
        self.assertTrue(outcome.assembled)

    def test_a_doubled_assembly_token_is_a_blocker(self):
        file = calculator_file(b"**TI83F*", b"\x06p" + bytes(7) + b"\x01\x00", b"\x05\x00\xbb\x6d\xbb\x6d\xc9")
        octal = "".join("\\%03o" % b for b in file)
        outcome = self.run_with(f"printf '{octal}' > prog.8xp\n")
        self.assertEqual((outcome.assembled, outcome.blockers), (True, ["assembly token written twice"]))

    def test_different_bytes_are_a_mismatch(self):
        theirs, ours = b"\x01\x00\xc9", b"\x01\x00\x00"
        program = run_corpus.Program("p", "TI-86", "o/r", "0" * 40, "p.asm", "p.86p", "MIT", "no",
                                     run_corpus.digest(theirs), "3")
        made = calculator_file(b"**TI86**", b"\x12\x01p" + bytes(7), ours)
        self.assertEqual(run_corpus.compare(program, made, "/nonexistent"), "no")
        program.data_sha256 = run_corpus.digest(ours)
        self.assertEqual(run_corpus.compare(program, made, "/nonexistent"), "yes")


if __name__ == "__main__":
    unittest.main()
