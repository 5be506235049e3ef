; Hello, world! for the TI-86, stored as editable hexadecimal text.
;
; Assemble:  quarn examples/ti86-hex/hello.asm   (writes examples/ti86-hex/hello.86p)
; heron writes the program as a TI-86 program whose text is the line AsmPrgm
; followed by the machine code in hexadecimal, two bytes per line, so it can
; be read and changed in the calculator's program editor.
        .plugin heron

; Addresses in the TI-86, from the TI-86 ROM call list that Texas Instruments
; published for assembly programmers.
_clrLCD       .equ $4A7E        ; clear the whole screen
_homeup       .equ $4A95        ; put the text cursor in the top left corner
_puts         .equ $4A37        ; print the zero-terminated string at HL
_asm_exec_ram .equ $D748        ; where the calculator runs an assembly program

        .org _asm_exec_ram

        call _clrLCD
        call _homeup
        ld hl,message
        call _puts
        ret

message:
        .text "Hello, world!"
