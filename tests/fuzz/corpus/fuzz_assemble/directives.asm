; every directive of both passes
        .org $D748
        .module main
start:  ld a,10
@loop:  jr @loop
        .locallabelchar "?"
?x      nop
        .db "abc",0,"\0x",'a',$-start, "q\"uote"
        .byte 1,2
        .dw start,$,?x
        .word 0FFFFh
        .text "Hi"
        .pad $+3
        .chk start
        .incbin part.inc
        .plugin tern
        .addinstr HALT "" 76 1 NOP 1
        halt
        .message hello there
        .warning careful
size    .equ 10
len     = size*2
cnt     equ len+1
        ld (ix+5),10
        ld (iy-1),cnt
        ld a,(ix)
        bit 3,a
        bit 2,(ix+3)
        swap 1,2
        out (5),a
        far 1234h
        ld a,(hl)
        ld hl,%1010+1010b+$1F+0bh+'\''
        jr start
        .end
        nop
;part
binary data
