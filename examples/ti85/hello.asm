; Hello, world! for the TI-85, run from the ZShell or Usgard shell.
;
; Assemble:  quarn examples/ti85/hello.asm   (writes examples/ti85/hello.85s)
; Send hello.85s to a TI-85 with ZShell (or Usgard) installed, start the
; shell and pick the program by its title, "Hello" below.
;
; stint writes a TI-85 string (.85s) framed the way the shells want it: a
; mark, the title's length, these bytes, and a check byte.
        .plugin stint

; ZShell's interface, as its header TI-85.H names it (Usgard's USGARD.H
; keeps the same names and addresses). ROM_CALL calls ZShell's dispatcher
; with the routine's number in the byte that follows.
#define ROM_CALL(index) call $8C09 \ .db index
CLEARLCD      .equ $08          ; clear the screen
D_ZT_STR      .equ $0B          ; print the zero-terminated string at HL
CURSOR_ROW    .equ $800C        ; text cursor row; the column follows it
PROGRAM_ADDR  .equ $8C3C        ; where the shell has put this program

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
