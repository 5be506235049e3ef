#bogus
#define
#define M(a,b,c,d,e,f,g,h,i,j,k) a
#define N(a b) a
#define P(a) a
 P(1,2)
 P(1
#include
#include nowhere.inc
#else
#endif
#if
        .error stop here
        .foo
        .db
        .dw
        .text
        .text abc
        .db "open
        .pad -1
        .org 10
        .pad 5
        .incbin
        .incbin missing.bin
        .chk 0
        .plugin
        .module
        .localLabelChar x
        .addinstr X Y 1 9 NOP 1
        .addinstr X Y
ld      ld a,b
        unknown 1
        ld b,c
        jr 1000
        bit 9,a
        ld a,1/0
        ld a,(1+2
        ld a,1 2
        ld a,undefined
        ld hl,65536
        ld a,256
        ld (ix+300),400
        swap 200,1
        ld a,(1234)
dup     .equ 1
dup     .equ 2
        .dw 123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789
#ifdef
