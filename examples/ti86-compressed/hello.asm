; Hello, world! for the TI-86, compressed so that it unpacks itself.
;
; Assemble:  quarn examples/ti86-compressed/hello.asm
;            (writes examples/ti86-compressed/hello.86P, with a capital P)
; Run it like any assembly program: Asm(hello)
;
; ferra compresses everything from the target of the first jump on and puts a
; small unpacking routine at that target. The bytes the jump skips stay as
; they are, which is the place for data: here the message.
        .plugin ferra

; Addresses in the TI-86, from the TI-86 ROM call list that Texas Instruments
; published for assembly programmers.
_clrLCD       .equ $4A7E        ; clear the whole screen
_homeup       .equ $4A95        ; put the text cursor in the top left corner
_puts         .equ $4A37        ; print the zero-terminated string at HL
_asm_exec_ram .equ $D748        ; where the calculator runs an assembly program

        .org _asm_exec_ram

; The first instruction must be this jump: it tells ferra where the code
; starts, and on the calculator it leads into the unpacking routine.
        jp start

message:
        .text "Hello, world!"

; Everything from here on is stored compressed and unpacked to this very
; address before it runs.
start:
        call _clrLCD
        call _homeup
        ld hl,message
        call _puts
        ret
