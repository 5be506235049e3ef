; Hello, world! for the TI-86.
;
; Assemble:  quarn examples/ti86/hello.asm   (writes examples/ti86/hello.86p)
; Send hello.86p to the calculator and run it from the home screen with
; Asm(hello)
;
; The output format is chosen by the source itself: curlew writes a TI-86
; assembly program (.86p). It is also the default, so this line only makes the
; choice visible.
        .plugin curlew

; Addresses in the TI-86, from the TI-86 ROM call list that Texas Instruments
; published for assembly programmers.
_clrLCD       .equ $4A7E        ; clear the whole screen
_homeup       .equ $4A95        ; put the text cursor in the top left corner
_puts         .equ $4A37        ; print the zero-terminated string at HL
_asm_exec_ram .equ $D748        ; where the calculator runs an assembly program

; The calculator copies the program to _asm_exec_ram before running it, so
; every label must be counted from there.
        .org _asm_exec_ram

        call _clrLCD            ; blank screen
        call _homeup            ; cursor to row 0, column 0
        ld hl,message           ; HL = address of the text
        call _puts              ; print it at the cursor
        ret                     ; back to the home screen

; .text stores the characters and the zero byte that _puts stops at.
message:
        .text "Hello, world!"
