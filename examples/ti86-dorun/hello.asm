; Hello, world! for the TI-86, compressed without an unpacking routine.
;
; Assemble:  quarn examples/ti86-dorun/hello.asm
;            (writes examples/ti86-dorun/hello.86P, with a capital P)
;
; dorun compresses like ferra but adds no unpacking routine: the program needs
; a shell or loader on the calculator that unpacks it before it runs. dorun
; recognises only a program that starts with nop and then jp; everything up
; to and including the first three bytes at the jump target stays
; uncompressed.
        .plugin dorun

; Addresses in the TI-86, from the TI-86 ROM call list that Texas Instruments
; published for assembly programmers.
_clrLCD       .equ $4A7E        ; clear the whole screen
_homeup       .equ $4A95        ; put the text cursor in the top left corner
_puts         .equ $4A37        ; print the zero-terminated string at HL
_asm_exec_ram .equ $D748        ; where the calculator runs an assembly program

        .org _asm_exec_ram

; The backslash puts two statements on one line.
        nop \ jp start

message:
        .text "Hello, world!"

start:
        call _clrLCD
        call _homeup
        ld hl,message
        call _puts
        ret
