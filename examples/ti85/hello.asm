; Hello, world! for the TI-85, run from the ZShell or Usgard shell.
;
; Assemble:  quarn examples/ti85/hello.asm   (writes examples/ti85/hello.85s)
; Send hello.85s to a TI-85 with ZShell (or Usgard) installed, start the
; shell and pick the program by its title, "Hello" below.
;
; stint writes a TI-85 string (.85s) framed the way the shells want it: a
; mark, the title's length, these bytes, and a check byte.
        .plugin stint

; The shells' header file, shipped with quarn, names ZShell's interface:
; ROM_CALL calls ZShell's dispatcher with a routine's number in the byte
; that follows; CURSOR_ROW is the text cursor row, with the column behind
; it; PROGRAM_ADDR holds the address where the shell has put this program.
#include "ti-85.h"

; The shell runs a program wherever it lies in memory, so the program is
; assembled at 0 and adds PROGRAM_ADDR to the offset of what it uses.
        .org 0

; The title comes first; the shell lists the program by it.
        .text "Hello"

        ROM_CALL(CLEARLCD)      ; blank screen
        ld hl,0
        ld (CURSOR_ROW),hl      ; row 0 and column 0 in one store
        ld hl,(PROGRAM_ADDR)
        ld de,message           ; DE = offset of the text
        add hl,de               ; HL = its address
        ROM_CALL(D_ZT_STR)      ; print it at the cursor
        ret                     ; back to the shell

message:
        .text "Hello, world!"
