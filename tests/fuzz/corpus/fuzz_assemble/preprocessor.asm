#define VALUE 5
#define ADD(a,b) (a+b)
#define TWO ld a,1 \ ld a,2
#define MSG(x) .text "x"
#ifdef VALUE
        ld a,ADD(3,2)
#else
        nop
#endif
#ifndef MISSING
        TWO
#if VALUE > 3
        .db __TELLIC_VER >> 8
#else
        .db 0
#endif
#endif
#undef VALUE
#ifdef VALUE
 .error not undefined
#endif
#include "part.inc"
#include small.inc
#include part.inc
        CLEAR(0)
        MSG(hello)
        .db __FILE__
        ld a,';' \ .db "a\\b"
;part
; the second file
PART    .equ 3
 ld a,PART
#include main.asm
.end
