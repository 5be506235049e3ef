; Hello, world! for the TI-73, run from the Mallard shell.
;
; Assemble:  quarn examples/ti73/hello.asm   (writes examples/ti73/hello.73p)
; Send hello.73p to a TI-73 with Mallard installed, start Mallard and pick
; the program by its description, "Hello" below.
;
; dunlin writes a TI-73 assembly program (.73p) with the assembled bytes
; unchanged; the Mallard header below is what makes Mallard list and run it.
        .plugin dunlin

; Mallard's header file, shipped with quarn, names the TI-73's routines and
; RAM: userMem, where a program runs; curRow, the text cursor row, with the
; column behind it; and bcall, which reaches a routine through rst 28h.
#include "mallard.inc"

        .org userMem

; Mallard's header: the Stop token and a zero, so that the calculator's own
; program runner stops at once; the word by which Mallard knows its
; programs; the address Mallard jumps to; the description it lists.
        .db $D9,0,"Duck"
        .dw start
        .text "Hello"

start:
        bcall(_ClrScrnFull)     ; blank screen
        ld hl,0
        ld (curRow),hl          ; row 0 and column 0 in one store
        ld hl,message           ; HL = address of the text
        bcall(_PutS)            ; print it at the cursor
        ret                     ; back to Mallard

message:
        .text "Hello, world!"
