; Hello, world! for the TI-83.
;
; Assemble:  quarn examples/ti83/hello.asm   (writes examples/ti83/hello.83p)
; Send hello.83p to the calculator and run it from the home screen with
; Send(9prgmHELLO (Send( is in the catalog, prgm in the PRGM menu).
;
; knot writes the program as hexadecimal text closed by End, 0000, End: the
; form the TI-83 runs with Send(9prgm, copying the code to $9327 first.
; (A program that starts with a shell's header, such as Ion's, is written as
; its bytes instead, for the shell to run.)
        .plugin knot

; The TI-83's system names, shipped with quarn: its routines, which a program
; calls directly, and curRow, the text cursor row, with the column behind it.
#include "ti83asm.inc"

        .org $9327

        call _clrlcdfull        ; blank screen
        ld hl,0
        ld (curRow),hl          ; row 0 and column 0 in one store
        ld hl,message           ; HL = address of the text
        call _puts              ; print it at the cursor
        call _newline           ; so that Done appears on the next line
        ret                     ; back to the home screen

message:
        .text "Hello, world!"
