; Hello, world! for the TI-83 Plus.
;
; Assemble:  quarn examples/ti83plus/hello.asm   (writes examples/ti83plus/hello.8xp)
; Send hello.8xp to the calculator and run it with Asm(prgmHELLO)
;
; plover writes a TI-83 Plus assembly program (.8xp). It adds the two-byte
; token that marks an assembly program in front of the code, and the
; calculator runs the code right after that token, at $9D95.
        .plugin plover

; System routines, from TI's "TI-83 Plus System Routines" guide (TI-83 Plus
; SDK). They live in Flash pages that the program cannot call directly; the
; bcall convention reaches them: rst 28h followed by the routine's address.
_ClrLCDFull   .equ $4540        ; clear the whole screen
_HomeUp       .equ $4558        ; put the text cursor in the top left corner
_PutS         .equ $450A        ; print the zero-terminated string at HL

; bcall(routine) becomes the two statements rst 28h and .dw routine.
#define bcall(routine) rst 28h \ .dw routine

        .org $9D95

        bcall(_ClrLCDFull)      ; blank screen
        bcall(_HomeUp)          ; cursor to row 0, column 0
        ld hl,message           ; HL = address of the text
        bcall(_PutS)            ; print it at the cursor
        ret                     ; back to the home screen

message:
        .text "Hello, world!"
