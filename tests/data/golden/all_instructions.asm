; Every entry of vozo80.tab used at least once, with edge operands: empty,
; zero, negative and extreme displacements, 8- and 16-bit immediates at their
; limits and negative, every bit number, relative jumps at both limits.
; all_instructions.bin holds the bytes a second assembler made of this file;
; make-golden.sh remakes it.
;
; Negative displacements in the DD CB / FD CB forms are in indexed_negative.asm.

        .org   $9D95
start:
; Instructions without operands.
        nop
        halt
        di
        ei
        daa
        cpl
        ccf
        scf
        neg
        exx
        rlca
        rrca
        rla
        rra
        rld
        rrd
        reti
        retn
        ldi
        ldir
        ldd
        lddr
        cpi
        cpir
        cpd
        cpdr
        ini
        inir
        ind
        indr
        outi
        otir
        outd
        otdr

; Loads: registers, (hl), the index register halves, (ix+d)/(iy+d) with
; empty, zero, extreme and negative displacements, absolute addresses and
; 8-bit immediates.
        ld     b,b
        ld     b,c
        ld     b,d
        ld     b,e
        ld     b,h
        ld     b,l
        ld     b,a
        ld     b,(hl)
        ld     b,ixh
        ld     b,ixl
        ld     b,iyh
        ld     b,iyl
        ld     b,(ix)
        ld     b,(iy+0)
        ld     b,0
        ld     c,b
        ld     c,c
        ld     c,d
        ld     c,e
        ld     c,h
        ld     c,l
        ld     c,a
        ld     c,(hl)
        ld     c,ixh
        ld     c,ixl
        ld     c,iyh
        ld     c,iyl
        ld     c,(ix+127)
        ld     c,(iy-128)
        ld     c,255
        ld     d,b
        ld     d,c
        ld     d,d
        ld     d,e
        ld     d,h
        ld     d,l
        ld     d,a
        ld     d,(hl)
        ld     d,ixh
        ld     d,ixl
        ld     d,iyh
        ld     d,iyl
        ld     d,(ix-1)
        ld     d,(iy+5)
        ld     d,$FF
        ld     e,b
        ld     e,c
        ld     e,d
        ld     e,e
        ld     e,h
        ld     e,l
        ld     e,a
        ld     e,(hl)
        ld     e,ixh
        ld     e,ixl
        ld     e,iyh
        ld     e,iyl
        ld     e,( ix + 5 )
        ld     e,(iy-64)
        ld     e,0FFh
        ld     h,b
        ld     h,c
        ld     h,d
        ld     h,e
        ld     h,h
        ld     h,l
        ld     h,a
        ld     h,(hl)
        ld     h,(ix+1)
        ld     h,(iy-2)
        ld     h,%101
        ld     l,b
        ld     l,c
        ld     l,d
        ld     l,e
        ld     l,h
        ld     l,l
        ld     l,a
        ld     l,(hl)
        ld     l,(ix)
        ld     l,(iy+0)
        ld     l,-1
        ld     a,b
        ld     a,c
        ld     a,d
        ld     a,e
        ld     a,h
        ld     a,l
        ld     a,a
        ld     a,(hl)
        ld     a,(bc)
        ld     a,(de)
        ld     a,ixh
        ld     a,ixl
        ld     a,iyh
        ld     a,iyl
        ld     a,i
        ld     a,r
        ld     a,(ix+127)
        ld     a,(iy-128)
        ld     a,(data_word)
        ld     a,-128
; Loads into the index register halves (undocumented).
        ld     ixh,b
        ld     ixh,c
        ld     ixh,d
        ld     ixh,e
        ld     ixh,a
        ld     ixh,ixh
        ld     ixh,ixl
        ld     ixh,'c'
        ld     ixl,b
        ld     ixl,c
        ld     ixl,d
        ld     ixl,e
        ld     ixl,a
        ld     ixl,ixh
        ld     ixl,ixl
        ld     ixl,127
        ld     iyh,b
        ld     iyh,c
        ld     iyh,d
        ld     iyh,e
        ld     iyh,a
        ld     iyh,iyh
        ld     iyh,iyl
        ld     iyh,$7F
        ld     iyl,b
        ld     iyl,c
        ld     iyl,d
        ld     iyl,e
        ld     iyl,a
        ld     iyl,iyh
        ld     iyl,iyl
        ld     iyl,1
; Stores, including ld (ix+d),n at the limits of both bytes.
        ld     (hl),b
        ld     (hl),c
        ld     (hl),d
        ld     (hl),e
        ld     (hl),h
        ld     (hl),l
        ld     (hl),a
        ld     (hl),%11110000
        ld     (ix-1),b
        ld     (ix+5),c
        ld     ( ix + 5 ),d
        ld     (ix-64),e
        ld     (ix+1),h
        ld     (ix-2),l
        ld     (ix),a
        ld     (ix+0),-2
        ld     (ix-128),255
        ld     (ix+127),-1
        ld     (iy),0
        ld     (iy-1),'c'
        ld     (iy+127),b
        ld     (iy-128),c
        ld     (iy-1),d
        ld     (iy+5),e
        ld     ( iy + 5 ),h
        ld     (iy-64),l
        ld     (iy+1),a
        ld     (iy-2),$80
        ld     (bc),a
        ld     (de),a
        ld     ($FFFF),a
        ld     (0),hl
        ld     (1234h),bc
        ld     (data_word+1),de
        ld     ($8000),sp
        ld     (-1),ix
        ld     (0C000h),iy
; Special registers and 16-bit loads with 16-bit immediates and addresses.
        ld     i,a
        ld     r,a
        ld     sp,hl
        ld     sp,ix
        ld     sp,iy
        ld     bc,(data_word)
        ld     bc,0
        ld     de,($FFFF)
        ld     de,65535
        ld     hl,(0)
        ld     hl,$FFFF
        ld     sp,(1234h)
        ld     sp,0FFFFh
        ld     ix,(data_word+1)
        ld     ix,-1
        ld     iy,($8000)
        ld     iy,$1234

; Exchanges; the second one is written without the apostrophe.
        ex     af,af'
        ex     af,af
        ex     de,hl
        ex     (sp),hl
        ex     (sp),ix
        ex     (sp),iy

; Stack.
        push   bc
        push   de
        push   hl
        push   af
        push   ix
        push   iy

        pop    bc
        pop    de
        pop    hl
        pop    af
        pop    ix
        pop    iy

; Arithmetic and logic, each with the accumulator written and left out.
        adc    a,b
        adc    a,c
        adc    a,d
        adc    a,e
        adc    a,h
        adc    a,l
        adc    a,a
        adc    a,(hl)
        adc    a,ixh
        adc    a,ixl
        adc    a,iyh
        adc    a,iyl
        adc    a,(ix)
        adc    a,(iy+0)
        adc    hl,bc
        adc    hl,de
        adc    hl,hl
        adc    hl,sp
        adc    a,200
        adc    b
        adc    c
        adc    d
        adc    e
        adc    h
        adc    l
        adc    a
        adc    (hl)
        adc    ixh
        adc    ixl
        adc    iyh
        adc    iyl
        adc    (ix+127)
        adc    (iy-128)
        adc    'Z'

        add    a,b
        add    a,c
        add    a,d
        add    a,e
        add    a,h
        add    a,l
        add    a,a
        add    a,(hl)
        add    a,ixh
        add    a,ixl
        add    a,iyh
        add    a,iyl
        add    a,(ix-1)
        add    a,(iy+5)
        add    hl,bc
        add    hl,de
        add    hl,hl
        add    hl,sp
        add    ix,bc
        add    ix,de
        add    ix,ix
        add    ix,sp
        add    iy,bc
        add    iy,de
        add    iy,iy
        add    iy,sp
        add    a,0
        add    b
        add    c
        add    d
        add    e
        add    h
        add    l
        add    a
        add    (hl)
        add    ixh
        add    ixl
        add    iyh
        add    iyl
        add    ( ix + 5 )
        add    (iy-64)
        add    255

        and    a,b
        and    a,c
        and    a,d
        and    a,e
        and    a,h
        and    a,l
        and    a,a
        and    a,(hl)
        and    a,ixh
        and    a,ixl
        and    a,iyh
        and    a,iyl
        and    a,(ix+1)
        and    a,(iy-2)
        and    a,$FF
        and    b
        and    c
        and    d
        and    e
        and    h
        and    l
        and    a
        and    (hl)
        and    ixh
        and    ixl
        and    iyh
        and    iyl
        and    (ix)
        and    (iy+0)
        and    0FFh

        cp     a,b
        cp     a,c
        cp     a,d
        cp     a,e
        cp     a,h
        cp     a,l
        cp     a,a
        cp     a,(hl)
        cp     a,ixh
        cp     a,ixl
        cp     a,iyh
        cp     a,iyl
        cp     a,(ix+127)
        cp     a,(iy-128)
        cp     a,%101
        cp     b
        cp     c
        cp     d
        cp     e
        cp     h
        cp     l
        cp     a
        cp     (hl)
        cp     ixh
        cp     ixl
        cp     iyh
        cp     iyl
        cp     (ix-1)
        cp     (iy+5)
        cp     -1

        or     a,b
        or     a,c
        or     a,d
        or     a,e
        or     a,h
        or     a,l
        or     a,a
        or     a,(hl)
        or     a,ixh
        or     a,ixl
        or     a,iyh
        or     a,iyl
        or     a,( ix + 5 )
        or     a,(iy-64)
        or     a,-128
        or     b
        or     c
        or     d
        or     e
        or     h
        or     l
        or     a
        or     (hl)
        or     ixh
        or     ixl
        or     iyh
        or     iyl
        or     (ix+1)
        or     (iy-2)
        or     'c'

        sbc    a,b
        sbc    a,c
        sbc    a,d
        sbc    a,e
        sbc    a,h
        sbc    a,l
        sbc    a,a
        sbc    a,(hl)
        sbc    a,ixh
        sbc    a,ixl
        sbc    a,iyh
        sbc    a,iyl
        sbc    a,(ix)
        sbc    a,(iy+0)
        sbc    hl,bc
        sbc    hl,de
        sbc    hl,hl
        sbc    hl,sp
        sbc    a,127
        sbc    b
        sbc    c
        sbc    d
        sbc    e
        sbc    h
        sbc    l
        sbc    a
        sbc    (hl)
        sbc    ixh
        sbc    ixl
        sbc    iyh
        sbc    iyl
        sbc    (ix+127)
        sbc    (iy-128)
        sbc    $7F

        sub    a,b
        sub    a,c
        sub    a,d
        sub    a,e
        sub    a,h
        sub    a,l
        sub    a,a
        sub    a,(hl)
        sub    a,ixh
        sub    a,ixl
        sub    a,iyh
        sub    a,iyl
        sub    a,(ix-1)
        sub    a,(iy+5)
        sub    a,1
        sub    b
        sub    c
        sub    d
        sub    e
        sub    h
        sub    l
        sub    a
        sub    (hl)
        sub    ixh
        sub    ixl
        sub    iyh
        sub    iyl
        sub    ( ix + 5 )
        sub    (iy-64)
        sub    %11110000

        xor    a,b
        xor    a,c
        xor    a,d
        xor    a,e
        xor    a,h
        xor    a,l
        xor    a,a
        xor    a,(hl)
        xor    a,ixh
        xor    a,ixl
        xor    a,iyh
        xor    a,iyl
        xor    a,(ix+1)
        xor    a,(iy-2)
        xor    a,-2
        xor    b
        xor    c
        xor    d
        xor    e
        xor    h
        xor    l
        xor    a
        xor    (hl)
        xor    ixh
        xor    ixl
        xor    iyh
        xor    iyl
        xor    (ix)
        xor    (iy+0)
        xor    $80

; Bit test, set and reset on every operand kind.
        bit    0,b
        bit    1,c
        bit    2,d
        bit    3,e
        bit    4,h
        bit    5,l
        bit    6,a
        bit    7,(hl)
        bit    0,(ix)
        bit    1,(iy+0)

        res    0,b
        res    1,c
        res    2,d
        res    3,e
        res    4,h
        res    5,l
        res    6,a
        res    7,(hl)
        res    0,(ix+127)
        res    1,(iy+1)

        set    0,b
        set    1,c
        set    2,d
        set    3,e
        set    4,h
        set    5,l
        set    6,a
        set    7,(hl)
        set    0,(ix+64)
        set    1,(iy+$10)

; Every bit number on a register, on (hl) and on the index registers.
        bit    0,a
        bit    1,a
        bit    2,a
        bit    3,a
        bit    4,a
        bit    5,a
        bit    6,a
        bit    7,a
        bit    0,(iy+127)
        bit    1,(iy+127)
        bit    2,(iy+127)
        bit    3,(iy+127)
        bit    4,(iy+127)
        bit    5,(iy+127)
        bit    6,(iy+127)
        bit    7,(iy+127)
        set    0,b
        set    1,b
        set    2,b
        set    3,b
        set    4,b
        set    5,b
        set    6,b
        set    7,b
        set    0,(ix+3)
        set    1,(ix+3)
        set    2,(ix+3)
        set    3,(ix+3)
        set    4,(ix+3)
        set    5,(ix+3)
        set    6,(ix+3)
        set    7,(ix+3)
        res    0,(hl)
        res    1,(hl)
        res    2,(hl)
        res    3,(hl)
        res    4,(hl)
        res    5,(hl)
        res    6,(hl)
        res    7,(hl)
        res    0,(ix)
        res    1,(ix)
        res    2,(ix)
        res    3,(ix)
        res    4,(ix)
        res    5,(ix)
        res    6,(ix)
        res    7,(ix)

; Rotates and shifts; sll and sl1 are the same undocumented instruction.
        rl     b
        rl     c
        rl     d
        rl     e
        rl     h
        rl     l
        rl     a
        rl     (hl)
        rl     (ix+2)
        rl     (iy+100)

        rlc    b
        rlc    c
        rlc    d
        rlc    e
        rlc    h
        rlc    l
        rlc    a
        rlc    (hl)
        rlc    (ix)
        rlc    (iy+0)

        rr     b
        rr     c
        rr     d
        rr     e
        rr     h
        rr     l
        rr     a
        rr     (hl)
        rr     (ix+127)
        rr     (iy+1)

        rrc    b
        rrc    c
        rrc    d
        rrc    e
        rrc    h
        rrc    l
        rrc    a
        rrc    (hl)
        rrc    (ix+64)
        rrc    (iy+$10)

        sla    b
        sla    c
        sla    d
        sla    e
        sla    h
        sla    l
        sla    a
        sla    (hl)
        sla    (ix+2)
        sla    (iy+100)

        sll    b
        sll    c
        sll    d
        sll    e
        sll    h
        sll    l
        sll    a
        sll    (hl)
        sll    (ix)
        sll    (iy+0)

        sl1    b
        sl1    c
        sl1    d
        sl1    e
        sl1    h
        sl1    l
        sl1    a
        sl1    (hl)
        sl1    (ix+127)
        sl1    (iy+1)

        sra    b
        sra    c
        sra    d
        sra    e
        sra    h
        sra    l
        sra    a
        sra    (hl)
        sra    (ix+64)
        sra    (iy+$10)

        srl    b
        srl    c
        srl    d
        srl    e
        srl    h
        srl    l
        srl    a
        srl    (hl)
        srl    (ix+2)
        srl    (iy+100)

; Increment and decrement.
        dec    b
        dec    c
        dec    d
        dec    e
        dec    h
        dec    l
        dec    a
        dec    (hl)
        dec    ixh
        dec    ixl
        dec    iyh
        dec    iyl
        dec    (ix+127)
        dec    (iy-128)
        dec    bc
        dec    de
        dec    hl
        dec    sp
        dec    ix
        dec    iy

        inc    b
        inc    c
        inc    d
        inc    e
        inc    h
        inc    l
        inc    a
        inc    (hl)
        inc    ixh
        inc    ixl
        inc    iyh
        inc    iyl
        inc    (ix-1)
        inc    (iy+5)
        inc    bc
        inc    de
        inc    hl
        inc    sp
        inc    ix
        inc    iy

; Jumps, calls and returns.
        jp     (hl)
        jp     (ix)
        jp     (iy)
        jp     nz,%1010101011110000
        jp     z,data_word
        jp     nc,-32768
        jp     c,'Z'
        jp     po,$+3
        jp     pe,1000
        jp     p,0ABCDh
        jp     m,end_of_code
        jp     1

; Relative jumps.  Each of the six forms jumps back by 128 and forward by 127
; (counted from the address after the jump); the targets are two bytes apart.
rel_back0: .db 0,0
rel_back1  .db 0,0
rel_back2: .db 0,0
rel_back3  .db 0,0
rel_back4: .db 0,0
rel_back5:
        .db    0,0
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        jr     rel_back0
        djnz   rel_back1
        jr     nz,rel_back2
        jr     z,rel_back3
        jr     nc,rel_back4
        jr     c,rel_back5
        jr     rel_fwd0
        djnz   rel_fwd1
        jr     nz,rel_fwd2
        jr     z,rel_fwd3
        jr     nc,rel_fwd4
        jr     c,rel_fwd5
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        .db    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
        .db    0,0,0
rel_fwd0:  .db 0,0
rel_fwd1   .db 0,0
rel_fwd2:  .db 0,0
rel_fwd3   .db 0,0
rel_fwd4:  .db 0,0
rel_fwd5:
        jr     $
        djnz   $+2
        jr     nz,$-2
        jr     c,rel_fwd5

        call   nz,$8000
        call   z,0
        call   nc,65535
        call   c,$FFFF
        call   po,0FFFFh
        call   pe,-1
        call   p,$1234
        call   m,%1010101011110000
        call   data_word

        ret
        ret    nz
        ret    z
        ret    nc
        ret    c
        ret    po
        ret    pe
        ret    p
        ret    m

; Every accepted spelling of every restart address.
        rst    0
        rst    00
        rst    00h
        rst    000h
        rst    $00
        rst    0h
        rst    $0
        rst    8
        rst    08
        rst    08h
        rst    008h
        rst    $08
        rst    8h
        rst    $8
        rst    16
        rst    10h
        rst    010h
        rst    $10
        rst    24
        rst    18h
        rst    018h
        rst    $18
        rst    32
        rst    20h
        rst    020h
        rst    $20
        rst    40
        rst    28h
        rst    028h
        rst    $28
        rst    48
        rst    30h
        rst    030h
        rst    $30
        rst    56
        rst    38h
        rst    038h
        rst    $38

; Interrupt modes and input/output.
        im     0
        im     1
        im     2

        in     b,(c)
        in     c,(c)
        in     d,(c)
        in     e,(c)
        in     h,(c)
        in     l,(c)
        in     a,(c)
        in     a,(0)

        out    (c),b
        out    (c),c
        out    (c),d
        out    (c),e
        out    (c),h
        out    (c),l
        out    (c),a
        out    (255),a

; Data, and labels that the instructions above refer to.
data_word:
        .dw    $1234,0,65535,-1,data_word,end_of_code
        .db    0,255,$FF,0FFh,%101,'c',-1,-128
end_of_code:
