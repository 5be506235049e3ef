; A TI-86 string variable holding a short message.
;
; Assemble:  quarn examples/ti86-string/data.asm   (writes examples/ti86-string/data.86s)
; After sending data.86s, the string is the variable data: on the home screen,
; Disp data shows the text.
;
; avocet writes the assembled bytes unchanged as the characters of a string
; (.86s), so this source holds data only: no .org and no instructions.
        .plugin avocet

; .db writes one byte per character and, unlike .text, adds no zero byte,
; which would show up as an extra character at the end of the string.
        .db "Hello from quarn"
