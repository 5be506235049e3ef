; Hello, world! for the TI-83.
;
; Assemble:  quarn examples/ti83/hello.asm   (writes examples/ti83/hello.83p)
; Send hello.83p to the calculator and pick it in the Ion shell, which lists
; it by its description, "Hello" below.
;
; knot writes a TI-83 program (.83p) with the assembled bytes unchanged (the
; squished form): Ion runs a program's bytes from progstart, $9327.
        .plugin knot

; Ion's header file, shipped with quarn, names the TI-83's routines, which
; a program calls directly, and progstart.
#include "ion.inc"

        .org progstart

; Ion's header: xor a clears the carry, so jr nc always jumps over the
; description, which Ion finds right behind the jump.
        xor a
        jr nc,start
        .text "Hello"

start:
        call _clrScrnFull       ; blank screen
        call _homeup            ; cursor to row 0, column 0
        ld hl,message           ; HL = address of the text
        call _puts              ; print it at the cursor
        ret                     ; back to the home screen or to Ion

message:
        .text "Hello, world!"
