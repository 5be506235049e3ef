; Hello, world! for the TI-82, run from the CrASH shell.
;
; Assemble:  quarn examples/ti82/hello.asm   (writes examples/ti82/hello.82p)
; Send hello.82p to a TI-82 with CrASH installed, start CrASH and pick
; the program by its description, "Hello" below.
;
; tern writes a TI-82 program (.82p) in the layout CrASH expects.
        .plugin tern

; CrASH, like the Ash 3.0 shell whose programs it runs, moves a program to
; $9104 before it runs it (CrASH programmer's guide CRASHPRG.TXT, and the
; tutorial "Beginning TI-82 Assembly Programming", updated for CrASH 1.6).
START_ADDR    .equ $9104

; The TI-82 ROM routines move between ROM versions, so CrASH programs do not
; call them directly: ROM_CALL calls CrASH's dispatcher at $8D74 with the
; routine's address in the word that follows, and CrASH finds the routine in
; the calculator's ROM (CRASHPRG.TXT, "A Guide to the ROM_CALLs").
#define ROM_CALL(routine) call $8D74 \ .dw routine

; Routine addresses from "A Programmer's Guide to TI-82 ROM Calls"
; (82-ROM.TXT, ROM 19.0), each less $1A, the form that ROM_CALL takes.
CLEARLCD      .equ $389A        ; clear the screen (listed at $38B4)
D_ZT_STR      .equ $38FA        ; print the zero-terminated string at HL (listed at $3914)

; The text cursor: row at $800C, column at $800D (82-ROM.TXT).
CURSOR_ROW    .equ $800C

        .org START_ADDR

; A CrASH program starts with its description, which CrASH shows in its
; menu; the code follows the description's zero byte.
        .text "Hello"

        ROM_CALL(CLEARLCD)      ; blank screen
        ld hl,0
        ld (CURSOR_ROW),hl      ; row 0 and column 0 in one store
        ld hl,message           ; HL = address of the text
        ROM_CALL(D_ZT_STR)      ; print it at the cursor
        ret                     ; back to CrASH

message:
        .text "Hello, world!"
