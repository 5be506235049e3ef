; part 0 of a generated benchmark program
        .org 1000h
PORT_0 .equ 62
COUNT_1 .equ 90
KEY_2 .equ 170
ROWS_3 = COUNT_1+12
STEP_4 .equ 32h
STEP_5 = 56
COUNT_6 = 234
PORT_7 = 2Eh
FLAG_8 .equ 66h
STEP_9 = 80
COUNT_10 .equ 84
FLAG_11 = PORT_0+1
ROWS_12 = COUNT_1+7
STEP_13 .equ 145
KEY_14 = ROWS_3+11
KEY_15 = STEP_4+2
KEY_16 .equ PORT_7+1
STEP_17 .equ 159
SAVE_0 = 60203
VARS_1 .equ 58136
VRAM_2 = SAVE_0+123
BUF_3 .equ 49572
VARS_4 = 54815
STACK_5 = SAVE_0+178

load_1:  jp p,init_28
        ld hl,VARS_1
        ld c,(ix-5h)
        djnz load_7
        otdr
        ld (STACK_5+11),a

        ld d,(hl)
found_2:
        neg
        or 59                   ; restore row for
        ld b,(hl)               ; left and and press
        ret
        ex (sp),ix
        rst 08h
        dec e                   ; pixels
        add a,ixh               ; index set pixels
        ld a,(bc)
        ld a,e
        di
done_3:
        sla l
        ldd
        ld a,a
        ld h,d
        rlc a
check_4:
        inc a                   ; set scroll buffer leave by
        call found_2
        sub c
        dec bc
        ld (hl),c
        push bc
        ld (ix+126),d
        xor ROWS_3
        sbc a,(hl)              ; copy press column first
        push bc
copy_5:
        adc a,134

        ld sp,(VARS_4+28)
        ld a,KEY_16
        ld c,(ix+127)

        xor h
        ld d,85
; carry wait save of
        jp nc,move_43
        lddr
leave_6:
        rrc (hl)
        jp load_358
; block save and clear
        ld d,(ix-117)
        ld h,PORT_0+52
; buffer first save
        ld (hl),c
        ld (iy-96),37
        dec h
        in a,(0A3h)
        ini
load_7:  ld (iy+34),a
        ld b,a
        jp pe,load_1
        and c
        ld c,171
        add a,PORT_0
        ld l,c
        ld e,(ix+109)           ; scroll index the
copy_8:
        rst 20h                 ; column carry index leave
        .word 60928,VRAM_2
        dec h
        jp send_339
        jp pe,done_227
        rst 40
        ld de,VRAM_2
        ret nz
read_9:
        .dw PORT_7*256+STEP_17

        ld (ix-0Fh),d
        jr fill_12
; clear one then then
; for then byte restore next set
        inc (iy-104)            ; the byte high to copy
        ld a,48                 ; counter
        ld de,load_1
; low restore by key and
again_10:
        dec iy
        jp done_3
        ld c,b
        push bc                 ; low up to scroll
; next row high press then
        ini
        ld d,c
done_11:  sbc a,(ix-76h)
; clear buffer table
        jp nz,load_1            ; table key first flags clear
        ld a,r
        ld l,51
        add a,h
        jr c,clear_18
        add a,b
        ld (SAVE_0+31),hl
        and iyh
        .db 31,5,78,44h,98,127,7
fill_12:
        .byte 8Eh,207,0F7h,251,194,6
        ld c,74
        cpd
        jp c,draw_442           ; keep registers
        add hl,hl
        ld e,STEP_5+35
        push ix
        ld c,183                ; of first first one
        ld h,STEP_13            ; one then
wait_13:

        ldir                    ; press then
        ret po
        sub 101
        .dw 61217
        bit 3,e
next_14:
        sbc a,d
        res 3,l
        res 1,(iy-32h)
        ld hl,34563             ; clear scroll restore
        inc hl                  ; by to pointer
        ld b,d
        ld hl,39628
        set 0,c
        push iy                 ; wait for carry in first
        push ix
        res 2,(hl)              ; registers b to press in
skip_15:  ld h,(ix+29)
        ld c,61h
        res 4,h
        dec bc
; lookup byte by one table byte screen
        out (ROWS_12+35),a      ; carry screen
load_16:
        call read_9
        jr nz,store_22
        ret nz
        ld (ix+42),172          ; screen column save restore
        jp nz,send_246
        srl (ix-21)             ; then column one
        ld b,186
        pop af
check_17:  ld e,b
        ld d,e
        inc a
        ld e,d
        ld iy,(STACK_5+28)
        ld e,d
        ld a,(54495)
        ld (iy-6),91
; by counter
clear_18:
        jr c,skip_15
        adc a,b                 ; in
        .dw VARS_1,COUNT_6*256+PORT_0,VRAM_2+60
        rst 18h
        srl (hl)
; copy index up in key byte
        ld h,(hl)
; block high counter first counter block

        ld (SAVE_0+20),a
read_19:  jp m,fill_296
        adc a,(hl)              ; in wait row
        add a,190
        ld a,KEY_2              ; in copy

        rst 24
        ld c,e
        jr read_24
        call load_1
        set 5,h                 ; set table for lookup
loop_20:  ld a,r
        .db 110,188,93
        ld l,(hl)
        jr read_19
        ld bc,62A7h
        jp fill_75
        ld (iy),h               ; buffer flags set press key

        ld c,h
        ld e,e
        cp 191
read_21:
        rlca
        reti
        ld b,PORT_0
; flags high save leave save for
        djnz send_25
        sra a
store_22:  ld c,249
        ld c,STEP_9+54          ; clear next
        ccf
        ld a,(bc)
        rl (iy-53)
        jr nc,loop_31
        ld de,load_1
read_23:
        add a,h                 ; restore b
        ld h,(hl)
        add a,'Y'
        add a,d
        jp (hl)
read_24:
        ld e,(iy+29)
        sla (hl)                ; block by for copy
; in buffer flags
        ccf
        call read_39
        dec sp
        ld a,l
        .db "Score",0
        outi                    ; index press up
send_25:
        or 62

        ld (iy-119),0Bh
        ld e,91
        djnz send_25            ; column
        ld d,95
        cp d
        cp l

        add hl,hl
draw_26:
        ld (ix+91),'2'
        in a,(77)
        ld bc,12304
        ld (ix-42),b

        jr z,read_23
        ld c,b
leave_27:
        or 13
        jr store_22
        .db 4Ch,128
        ld l,'K'
        ld e,a

        bit 5,l
        ld iy,(58883)
        ld (ix-6Dh),e
        .dw again_270,5561h,SAVE_0,VRAM_2+44
init_28:
        ld d,e
        jr c,store_22
        cp l
        jp po,wait_61
        and e
        sub 5Ch
        dec d
init_29:
        .db 0B4h,15,81,PORT_0,STEP_4+46,166,0CCh
        call next_236           ; in scroll
        ld b,206
        ld b,h
        .db ROWS_3,ROWS_3,PORT_7,COUNT_6
clear_30:
        inc b
        res 2,c
        inc l
        add a,0ACh
        jr z,init_36
        res 4,b
        push de
        rld                     ; block pointer to up scroll
loop_31:

        dec b
        ld l,26
        ldi                     ; byte byte b
        ld sp,0D785h
        ld (hl),l
        ret nz
loop_32:
        ld iy,0CC69h
        rst 20h                 ; key key then
        outi                    ; lookup counter pointer
        call skip_34            ; lookup for keep carry
        or ROWS_12
        res 5,(hl)              ; pixels
; and in save
        ld a,r
        ld l,(iy-34h)
        ld de,ROWS_3*256+FLAG_11
        sub b
loop_33:  ex de,hl
        ld a,(bc)
        and (ix-29)
        push hl
; one b in then
        ld b,a
        ld e,d
        exx
        add a,(hl)
        rst 28h
        ld d,e
skip_34:
        dec bc
        jp again_141
        or b
        ld b,h
        jp draw_26              ; pointer the
        pop af
send_35:
        jp c,found_533

        push de
        pop de                  ; high block

        ld l,11
        jr nc,test_37
        cp 20
        inc (hl)
        ld e,4
init_36:  cp 93
        .db KEY_16+5,159,94h
        bit 7,(hl)
        and (hl)
        jr loop_31
        inc ix                  ; up by restore clear counter
        ld (ix+1Fh),105         ; clear press press carry high
        jp pe,move_548
        ld de,7164
test_37:  ld (iy+45),STEP_13
        ld c,l                  ; one
        call po,read_23
        in b,(c)
        ld h,a
        ld c,(ix-87)
        ld h,c
        rlca
        xor 106
        rst 18h
        jr c,skip_34
move_38:  ld b,a
        ld sp,iy
        ld c,52h

        pop de

        res 4,d
        ld (de),a
        adc a,(ix+114)
; in lookup the registers keep
        xor 137
read_39:  res 3,l
        ld (ix+34),d
        ld a,(bc)
        out (STEP_17),a
        ld b,4Ch
        ld a,(VARS_1+12)        ; the b scroll
        jp nz,fill_635
        jp load_16
loop_40:  ld c,209
        ld a,(hl)
        inc sp
        jp found_64             ; buffer
        jp nz,read_39
        ret m
check_41:
        call m,again_10
        ld h,(hl)
        ld e,(ix-60)
        rlc h
        ld h,b
        jr move_43
        jr z,skip_34
        exx
        out (12),a
skip_42:
        sbc hl,bc
        ld bc,VARS_1
        res 3,(hl)              ; pointer counter column leave lookup
        out (220),a
        res 2,(hl)
move_43:  call clear_81
        ld b,e                  ; low column
        sbc hl,sp
        .db 186,'X',255,116,24,64
        call again_265
        ld a,iyl
        djnz leave_46
        set 5,e

        ld a,(de)               ; check keep row index carry
draw_44:
        ret po
        srl b                   ; for
        ld c,COUNT_6
        ld d,l                  ; and one up restore
        ld h,c
        ld ixh,b
        .db 178,KEY_16,230,21,75h,117,ROWS_3,71
; key in buffer b for and scroll
        inc bc                  ; table column index up check
load_45:  pop af
        ld c,d
        ld a,(de)
        ld i,a
        inc iy                  ; buffer registers counter up
        jr nz,move_43
        ld (hl),l
leave_46:  rrc e
        ld d,d                  ; for registers of registers next
        call nc,send_71
        ld h,123                ; then set
        dec de
        ld a,4Ah

        ld (iy+35),l
store_47:  ld d,0Ch
        ld d,b
        ld (57202),hl
        call nz,loop_327
        .dw wait_61,PORT_0*256+FLAG_8
        ld de,(VRAM_2+22)       ; carry next
        srl (hl)
        ld a,(bc)
        ld h,(ix+1Ah)
        ex de,hl
check_48:
        ld a,iyh
        ld iy,(60173)
        and FLAG_11+27
        ld sp,iy
; pixels and in and scroll
        ret
        ld (hl),e
again_49:  or (hl)
; flags lookup
        ld h,243
        res 7,(hl)
        ld b,(hl)
        out (c),h
clear_50:
        jp move_43
        res 7,(hl)
        ld (hl),a
        ld b,(iy-114)
        set 3,l
        out (0B0h),a
; copy scroll one buffer then then
        ld e,100
        jr c,copy_57
init_51:

        ld h,219                ; table counter
        ld bc,STEP_4*256+PORT_0
        call store_47           ; of row by
        ld sp,48604             ; left restore and wait
        ld e,c
wait_52:
        ld de,ROWS_3*256+STEP_4
        ld hl,(BUF_3+19)
        out (c),a
        ld de,BUF_3             ; high for high leave up
        ld (ix-2),h
        dec sp
        call done_331

        ld d,a
init_53:  ld bc,leave_622
        ld l,81                 ; column keep leave leave
        .word 31431,STACK_5,loop_54,9040
        .db 205,197,114,1Fh,PORT_7,214,STEP_17,160
        ld bc,500Eh
        ld (hl),b
        bit 0,(hl)
        add hl,hl
        jp po,load_7
        ld a,(de)
loop_54:  in a,(83)
        ld e,(iy+14h)
        ld d,(hl)               ; lookup buffer buffer left
        .db 114,COUNT_1,FLAG_8,21h,162,194
        ld (hl),e
        jr skip_59
        ret po                  ; check flags
test_55:  ld a,83
        ld e,(hl)
        ld l,FLAG_8
; lookup screen scroll check lookup flags by

; counter up pointer in copy in
        sbc a,140
        dec h

store_56:
        ld d,'W'
        jp read_188
        ld l,20
        jr nc,init_53
        jp p,calc_62
        ld iyh,KEY_16+51
        .db 221,225,220,152,KEY_16
        ld bc,STACK_5           ; scroll
; buffer pixels one
        .word 3789h,42807,0A75Ah,copy_66
        .db COUNT_10,64,154
copy_57:
        ld a,d
        ld a,189
        .db 233
        .word VARS_4

        ld a,KEY_2              ; set clear copy
        add a,e
        bit 7,b
        adc a,(hl)
copy_58:  ld d,h
        ld sp,17E2h             ; check scroll scroll flags
        ld a,r                  ; low block byte
        ld d,h
        ld sp,BUF_3+215
        ld d,0FAh
        ld d,(ix+36)
        ld h,COUNT_10
        and h
skip_59:
        ld e,d

; by next buffer by block table
        sla e                   ; pointer first copy pointer carry
        ret m                   ; left press wait clear one
        rl b
        bit 0,(ix-94)
        call c,load_94
        ld a,(bc)
        ld h,h
next_60:
        .byte 'H',166,145,112,29,'V'
        in a,(92)
        ld b,(iy-2)             ; block low high buffer first
        jr next_60              ; first high
        ld e,221
wait_61:
        set 2,e
        .db 'J',STEP_9+35,153,42,243,165,131
        pop de
        ld c,(iy-100)
        .dw VARS_4,39618,VARS_1+96,init_96
; table first in pointer screen
        ld b,(hl)
        djnz send_67            ; save in clear b b
        .dw 51469,15343,check_89
calc_62:  ld (ix+48),l
        call po,test_323
; column check up
        ld bc,64973
; index first screen key first lookup
        rl (iy-6h)
        jp p,clear_73
; first press leave pointer carry wait
        ld (VARS_1+32),hl       ; registers column pixels
        jp z,loop_138
; one clear then flags b the check

loop_63:  ld h,l
        rst 18h
        ex (sp),hl
        jr z,send_71
        ld l,(hl)
        ld (VARS_1+50),hl
        ret
found_64:
        reti
        push af
        ret pe
        ldd
        ld e,e
        ld bc,BUF_3+216
        ld (hl),a               ; buffer low wait in wait
        res 6,e
        ld h,173
; set counter by
        sub 6Fh
calc_65:  ld (hl),27h
        ld (ix+65),132
        add iy,iy
        exx
        ld a,e                  ; of
        ld (62014),hl
        ld a,(SAVE_0+1)
        jp (iy)
        add a,(iy+99)
        sbc hl,de               ; by b key first check
        res 3,h
        ld a,c                  ; b leave
copy_66:  ld a,(hl)
        push hl
        ld b,17
        call store_56
        jr clear_73
        ld c,KEY_2+15           ; clear screen scroll
        adc a,c
        ld a,107                ; counter pointer by leave restore
        ld (0CC02h),hl
send_67:
        ld (hl),0CFh
        jp nc,calc_422
        out (0BBh),a
        rst 0
        halt                    ; up column
        ld d,a
        ld b,b                  ; row left registers
        ld e,(hl)
        ld c,14h
        jp init_505
calc_68:
        ld (ix-116),e
        ld (BUF_3+21),a
        ex af,af'
        inc a                   ; for pixels counter key press
        call next_342

        ld c,131
        di
; by leave check then pixels high
check_69:  ld (ix+29h),h
        dec (ix-66h)
        add a,l
        jp copy_57
        in a,(c)
        ld b,d                  ; press then copy block
wait_70:

        ld h,FLAG_8+49
        ld (hl),d
        set 7,b
        push de
        adc a,l
        sbc hl,de               ; next next of press then
        rrc e
        ret
        .dw draw_44,86ABh,SAVE_0+142
send_71:
        ld l,a
        set 3,(hl)
        ld (VARS_1+51),hl
        ld a,7h
        di
        dec (hl)                ; up
load_72:  cpir
        ld c,l
        ld d,h
        .dw read_480,5320h
        inc a
        ld (hl),a
        adc a,(iy-41h)
clear_73:  ld h,STEP_13
        call copy_66
        or 43
        ld c,b
        dec d
        ld e,107
        ld a,(VARS_1+18)
        ld a,(54194)

        otdr
        ret nc
        ld hl,SAVE_0
clear_74:  call fill_314
        ld (iy-68),e
        ld d,(hl)               ; in
        pop de
        exx
        halt                    ; wait the low leave
        .dw loop_247,19337
        ld h,h
        ld sp,iy
        ld c,(iy-14)
; next carry
fill_75:
        ld (ix-90),c
        ld l,(hl)
        ld iy,50254
        ld e,ROWS_12            ; to column clear by
        push af
        ld iy,read_9
        push af
        or a
        call check_69
leave_76:
        dec iy
        ld d,(iy)
        ld (ix-56h),b
        dec d
        ld (hl),h
        ld a,iyh
; table block pointer buffer buffer low column
        ld d,d                  ; pointer to clear for
; column counter and press next and carry
        ld (iy-77),0E0h
        inc bc
loop_77:  and b
        push af
        push bc
        ld iyl,a
        sla e
        ld c,l
draw_78:
        ret
        sbc a,c                 ; pointer restore next
        cp 'Y'
        ld h,e
        ld d,h
        rst 28h
        bit 3,(ix+107)
        sla (ix-67h)
        ld h,116
load_79:
        ld l,h
        ld h,(hl)
; byte block byte lookup
        ld (SAVE_0+29),hl
        ld (iy-67),118
        call init_113
test_80:
        ld c,l
        add hl,sp
        rrc a
        di
; scroll set and screen for carry
        jr nc,draw_78
        ld (iy-67),30
clear_81:
        ld l,e
        ld a,204
        ld (ix+97),128
        ld h,PORT_7
        inc e                   ; for in high pixels
found_82:  ld b,b
        rr (hl)

        .db 123,129,0F3h
        ex (sp),hl
        .db FLAG_11+48,0EAh
        push ix                 ; of lookup
        sub l
store_83:
        cp 'X'
        rl a                    ; first pixels screen
        ld (hl),a
        ld (hl),h
        rst 00h
; index in the registers counter table first
        ld (hl),b
        call leave_622
        ld (hl),e
        ld (ix+26h),d
        sub 207                 ; and
draw_84:  set 7,(ix-62)
        inc hl
        jr check_89
        call skip_92
; carry press keep and
        rst 00h
        cpl
        ex (sp),hl
skip_85:
        ld e,4
        ld bc,load_184
        out (225),a
        pop af                  ; first
        ld b,(ix-87)
read_86:
        .dw 50502,8693
        ld (ix-20),178
        rst 0
        ld c,95h
        sub l
        ld sp,wait_93           ; of byte restore restore
copy_87:

        xor (hl)
        ld h,PORT_7
        ld h,34
        ld hl,(49646)
        add hl,de
        ld sp,iy
        inc h
        dec b                   ; save lookup
load_88:
        sub c
        rl b
        ld (hl),a
        ld e,0CAh
        or 99
        sla l                   ; up by
        ld e,5
        jp found_91             ; set
; of keep
        jp m,leave_621
        cpir
check_89:  ld a,(hl)
        ld c,l
        ld d,h
        inc l
        ld d,(iy+79)
        ld d,KEY_2+18
        push bc
        ld h,a                  ; one carry for in
        ret
        ld c,(hl)
load_90:  sub a
        .db "Paused",0
        sub a
; low screen block
        ld d,62h
        jp init_51
; index low pixels for one leave
        ld (iy+115),b
        sub l
        push de
        ld de,23885
found_91:  rl (iy-1h)
        or STEP_13+24
        rr (hl)
        rrc a                   ; pixels next
        adc a,255               ; key counter set
        dec bc                  ; restore clear high pointer leave
        ld h,226
        ld h,(hl)
        ld (iy-43),204
skip_92:
        ld sp,hl
        jp p,test_99            ; next counter set

        adc hl,sp

        ld e,STEP_4
        ld (52703),hl
        ld l,d                  ; buffer high
        call next_105
        ld sp,clear_81
        ld e,e                  ; and flags flags flags
wait_93:  ld (iy+58),162
        retn
        .db "Press ENTER",0
        ld (de),a
        set 4,(hl)
        jp (iy)
        ld (iy-110),'L'
        ld d,a
load_94:
        .dw VRAM_2,13382
        ld l,(iy-103)
        ld c,(hl)
        ret po
        ld b,d
        set 4,(hl)
test_95:
        ld d,(hl)
        ld a,(VARS_4+9)
        ld (ix+44),d            ; in high high
        ld hl,468
        bit 3,a
        ld c,e                  ; to high
        ret
        ld a,(hl)
        inc de
init_96:
        ld ixh,a
        ld h,(hl)
        ld a,(de)
        bit 2,b
        ld l,d                  ; next left column
        ld i,a
        jp z,fill_125
        cp a
        ld e,189                ; registers the flags registers
; lookup key set clear index column
        rst 00h
wait_97:
        ld (SAVE_0+59),a
        ret m
        ld a,166
        inc de

        ld (ix+65),FLAG_11
fill_98:
        ld h,l
        ld (hl),e
        ld a,(VARS_1+46)        ; of
        ld a,(de)               ; pixels pixels
        ld l,l
test_99:
        ret z
        cp 254
        ld h,39
        call draw_150
        pop af
next_100:
        ld e,229
        dec sp
        sbc a,d

        ld a,a
        rlc l
        jp po,copy_128
test_101:
        call test_103
        dec de
        ld l,233
        push bc                 ; table column byte
        jr nz,scan_108          ; column restore low check
        ld sp,iy
read_102:  ret nz
        srl (ix+110)
        rlc h
        ld e,178
        ld hl,(VARS_1+38)
        or 236
        ld l,ROWS_12+11
        ld e,(ix+62)
        ld d,a
        ret c
test_103:
        ld c,KEY_2
        res 0,e
        .db "Lives",0
        ld b,42
        or (hl)
        jr c,check_110
read_104:  inc h
        ld l,0FFh
        jp z,wait_70
        ld (STACK_5+20),iy      ; save counter registers
        jp p,read_86
        ld sp,ix
        ld a,ixl
        ex (sp),hl
        ld de,SAVE_0
next_105:
        djnz init_113
        ld c,184
        ld l,(ix+21)
        set 6,d                 ; b leave left

        or c
        ld l,h
        .word test_134,VARS_4
        or 113
read_106:  res 4,(iy-69)
        adc a,a
        ld (hl),c               ; press low table key byte
        ld (hl),e
        ld b,(hl)
        push bc
        bit 1,a
        ld a,(hl)
test_107:
        otdr
        rl c
        jr read_104
        push ix
        rlca                    ; registers table set clear
        sra (ix-86)
scan_108:
        add ix,bc
        ld b,218
        jr calc_112
        .db 46,STEP_13+13,3Eh,'H',FLAG_8,255
; table block pointer registers in
        jr z,read_106
        ld a,(SAVE_0+15)
; high in up
init_109:
; row by then column registers
        ld h,39h
        res 0,h                 ; press lookup the
        ld a,(VARS_4+61)
        ld (hl),d
check_110:  ld (ix-38),d
        and COUNT_10
        call fill_580
        ld bc,44555
        xor 'A'
        ld (hl),h
send_111:
        sub e                   ; one wait lookup byte
        res 3,b
        ldi
        ld (hl),c
        ld a,a
        ld d,235
        ld l,(iy+0Ah)           ; one by block
calc_112:
        ld l,(hl)
        ld a,h
        ld e,l
; high left restore left
        ld (iy+9),c
        ld h,a                  ; restore byte
        call loop_478
        set 2,l                 ; table
        rst 8
        jr c,init_122
init_113:
        sbc a,h
        dec de
        ld a,(bc)
        ld d,a
        ld d,c                  ; row
move_114:
        jp fill_125
        adc a,(iy-73)
        ld h,56h
        ld e,(ix+56)
        ld bc,VARS_1
        jp fill_603
        bit 3,(iy-3Bh)
test_115:
        ld de,VRAM_2+220
        add a,(hl)
        ld l,c
        ld h,a
        ld e,l                  ; up and
read_116:
        xor b
        ld (iy-88),e
        and l
        .db 2Ah,KEY_15,201,COUNT_1,STEP_9+53,81,106,STEP_5
        ld d,149

copy_117:

        ld sp,43989
        ld bc,STEP_13*256+COUNT_1
        set 6,(hl)              ; copy index keep registers
; and check
        ld c,(hl)
        lddr
        ld h,d
scan_118:
        ld b,e
        or (hl)
        call nz,test_107        ; byte pointer low
        ld a,e
        ld hl,(VRAM_2+61)
        ld (hl),KEY_15
        add hl,hl
; block and pointer clear b row by
found_119:
        and KEY_15+42           ; to pointer low flags next
        ld hl,calc_545
        ld a,(bc)
        call again_586
        rl a
        ld c,(ix+8)
        sla l
        call z,copy_143
        xor e
loop_120:  sra (hl)
        ld d,l
        rlc c                   ; byte block in
        .db 6h,0DFh,KEY_16
        dec sp
        res 3,l
        ld c,a
        exx
        ex (sp),iy
        ld a,r
        dec a
        ld a,(STACK_5+5)
found_121:
        bit 2,(hl)
        call next_148           ; restore pointer counter
        djnz copy_117
; in clear screen save
        dec c
init_122:
        jp skip_137
        pop iy
        xor (hl)                ; up
        ld b,PORT_0             ; save
        ld a,l
        dec hl
        ld (hl),a               ; next by high registers
        dec b

; first row for scroll
store_123:
        ld bc,18160             ; save
        jr nz,copy_128
        inc d
        .dw store_195,17124,skip_140,SAVE_0+151
        ld hl,(VARS_4+30)
        ld (iy),h
        .dw check_110,36868,VARS_1
        ex de,hl                ; wait
        ld bc,VARS_4+210
        .dw 13928,SAVE_0,copy_654,15926
        ld l,(hl)
calc_124:  dec d
        ccf
        jr scan_118
        ld hl,1054
        call wait_163
        adc hl,bc
        ld iyl,KEY_14
        ld l,e
        rrc l
        ld bc,VRAM_2+226        ; clear check in column
        ld b,6h                 ; for
        ld (ix-49),l            ; block then key
fill_125:  inc b
        ld sp,hl
        otir
        ex af,af'
        rlc a
        dec e
        ld ix,STEP_13*256+KEY_15
        inc h
        dec hl
        .dw BUF_3+217,VRAM_2,17599
        ld b,c
        rrd
calc_126:
        .dw 22928
        ret                     ; key carry low
        ld l,h
        rld
        inc de

        jp send_147
        ld h,76
draw_127:
        ld b,b
        rra
        retn
        ld l,d
        out (c),a
        pop ix
        .db "Loading",0
        rl (hl)                 ; next pointer high first lookup
        ret po
        inc (hl)
        bit 5,d
copy_128:
        push de                 ; block
        ld hl,8183
        ld e,b
        ld c,68
; one save restore then pointer
        ld d,KEY_14
        jp again_153
        jp fill_167
        ld e,c
leave_129:  sub c
        bit 1,(hl)
        ld d,a
        lddr
        ld (63999),hl
        .dw VRAM_2+37,27857,38121,found_549
        rra
        rl (hl)                 ; b
        ret
again_130:
        dec (iy+27h)
        ld l,d                  ; copy check
        exx
        jp leave_428
        bit 4,d
fill_131:  ld iy,BUF_3+215
        ld (hl),l
; by index and keep by buffer to
        ld l,34
        halt
        ld l,(iy+70)
        ret m                   ; leave one the in
        adc hl,bc
        jr calc_126
        ld b,h
        ld de,25592             ; to table
done_132:
        dec (hl)
        call init_166
        ld a,b
        rld
        ld sp,iy                ; press clear high pixels
calc_133:  ld bc,60796
        dec hl
        ld (de),a
        sub (iy+1Bh)
        ld (ix+71h),138
        ld h,d
        adc hl,de               ; block for pixels

test_134:
        ld hl,(VARS_4+31)
        .word 7504,2FE3h,draw_150,loop_138
        cpd
        ld d,d                  ; row registers
        ld l,l
copy_135:  ld (ix+61h),232
        ld sp,test_146          ; b
        .dw 8568
        ld l,b
        ld (0DCAAh),a
        ld a,(bc)
        inc de
        ld e,d
calc_136:
        di

        jp (hl)
        ei
        add hl,sp
        ld l,(ix-26)
skip_137:
        ret
        ld h,c
        ld (hl),d
        ld ix,VARS_1+45
        ld (hl),b
        ld a,h
        xor c
        ld (hl),c
        di
loop_138:
        out (c),a               ; lookup wait
        pop ix                  ; for high
        inc h
        .db "Paused",0
        ld b,154
        ld b,40
        bit 0,(hl)
        sbc a,(iy-5Ch)
        ld hl,20789
        ld (hl),l
        rst 28h                 ; clear save then
wait_139:  ld a,(de)
        or h
        ld h,48h
        dec de
        add hl,sp
        pop iy
        and (iy+108)
        call nc,move_479
        sbc a,120
        ret
        ld (hl),h
        or 108
skip_140:  ld (ix+56),207
        ld hl,SAVE_0
        scf                     ; set
        ld e,c                  ; buffer table wait
        ld d,a
        ex de,hl
        add a,c
        neg
        res 2,e
        inc e
        ld (ix-32),222
again_141:  cp (hl)
        ld b,(hl)
        inc ix
        ld l,(iy-75)
        call p,found_119        ; up save low next
        add a,63
wait_142:
        .db 255,30,52,9Bh,196
        cpl
        ld (hl),h
        ccf
        inc iy
        ld d,c
; and table
        .dw done_132,STACK_5+191
        pop hl
copy_143:
        set 6,c
        .db 0E8h,143,82,18,113,145,15
        add ix,sp
        ld a,b
        jr loop_138
wait_144:
        ex (sp),hl
        xor d
        ld a,r
        ld i,a
        inc c
        ld sp,14778
        dec de
        add hl,de
        ld (bc),a
        ld h,4Ch
send_145:
        ld (STACK_5+59),ix
        ld b,115
        ret nc
        ld (VRAM_2+29),a
        ld bc,STACK_5
        bit 2,(hl)
        jp c,read_179
test_146:  ld sp,hl
        ld a,b
        ld h,67                 ; key for
        ret nc
        jr c,calc_152
        bit 0,(hl)
send_147:
        reti
        ld (hl),h
        ld a,b
        .dw 64132,28056,VARS_1
        ld c,STEP_17

        ld c,204
        ld (iy-14),'S'
        ld d,119
next_148:  pop bc
        rl b
        ld e,d
        .db 33h,122,80,KEY_15
        ld hl,(49605)           ; save
; high carry block
        ld c,(hl)               ; up low
        jp pe,check_181
        sbc a,d
        ld (ix-54),155
        rr (hl)
        bit 1,(ix-120)
draw_149:
        im 2
        jp c,calc_126
        im 2
        jr copy_143
        ld e,(hl)
; high one
        ret
        add a,b
        inc c                   ; of screen
        .db "Loading",0
draw_150:
        jp test_146
        rlc (hl)
; up clear

        djnz draw_150           ; then low
        ld iy,again_130
        ld (VRAM_2+61),a
; then registers b one copy lookup
        djnz store_155
        ld e,a
        ld e,b
leave_151:
        res 2,e
        ld (bc),a
        ld (iy-51h),'8'         ; first check screen screen
; then leave keep to
        ld h,(ix-4Ch)           ; flags leave leave b
        sub h

        call calc_112
        bit 2,l
        pop iy
calc_152:
        ld c,d
        scf
        sbc a,e
        ld de,7412h
        jp nc,init_122
        ld h,203
        srl (ix+50)
        ld c,49h
        ld h,h                  ; leave column flags
        ld d,l
        ld a,a
again_153:
        ld d,a
        ld h,151
        sbc hl,de
        pop af
        ld (BUF_3+19),a
        rr (ix)
        ld l,(hl)
        ld hl,PORT_0*256+KEY_15
        add hl,de
        ld h,2Ch
        ld hl,(VRAM_2+46)       ; of registers scroll high
test_154:  ld a,214
        ld (hl),l
        set 1,(iy-97)
        ld c,219
        .db 99,137,116,66h,ROWS_12+21,216,178
        ld a,(de)
        cp 67
        ld d,(hl)               ; clear pointer b column keep
        sra (iy-17)
        ld a,1
store_155:
        sla d                   ; byte low
        ld l,a
        inc l
        jr wait_163
        cpir
        cp 91
        rlc a
        .db STEP_17,135,204,79h,182
        jp nz,again_486
        ld c,b
; then high key copy leave
wait_156:
        ld c,e
        jp z,scan_633
; screen lookup first next block
        ex (sp),hl
        rrc (ix+95)
        sbc a,b
skip_157:  ld ixh,KEY_16
; registers screen the left by table
        inc l
        sra (hl)
        dec hl
        call store_123
        push de

; by and
        set 6,d
done_158:  bit 7,(hl)
        ld d,h
        rlca
        ld h,a
        and (hl)                ; carry check
        ld de,leave_460
read_159:  in a,(190)
        ld b,(hl)               ; first key
        ld b,51
        add a,l                 ; one table lookup index next
; buffer column registers in row column in
        rl l
; block of table up registers copy the
        ld d,h
        ld a,(iy+3Ch)
        res 5,a
        ld e,c
        cpl
again_160:  ld hl,init_122
        ld (hl),b
        cp 243
        rra
        ind
        ld d,(hl)               ; table column block low

        sbc a,d
        and (hl)                ; restore lookup copy block
leave_161:
        ld (ix-110),a           ; to
        ld a,(bc)
        sra (ix+106)
        ld a,b                  ; column
        rr (iy+127)             ; check press clear
        jr c,skip_157
; pixels pointer press column
        ld (iy+91),208          ; flags buffer column registers
        ret z
        daa

init_162:  add a,e
        ld l,e
        ld (SAVE_0+42),a
        ld h,b
        call copy_135
        ld c,l                  ; copy key
        rrd
        ld r,a
        ld bc,45766
; registers flags
; check in of
wait_163:
        ld (hl),h
        .dw done_158,fill_406,ROWS_3*256+KEY_2,30922
        and e
        ld d,29h
        dec h
        add a,d
; block counter
again_164:
        adc hl,sp               ; set registers index registers buffer
        ld iy,27099
        ld l,e
        ld d,(hl)               ; the column next save row
        sbc hl,sp               ; flags one
test_165:
        rr h
        srl (hl)
        ld a,(iy+39h)           ; scroll check the pointer set
        cpd
        ld b,e
        ld sp,wait_156
        ld de,VRAM_2
        push hl                 ; flags key scroll carry
        ld bc,STACK_5
init_166:
        scf
        djnz test_165           ; lookup pixels b
; in pointer low lookup
        ld h,(ix-113)
        bit 6,(ix-8)
        dec a
fill_167:  ldi
        jr nc,test_169
        dec a
        ld b,169
        ld l,h
        ld a,(64888)
        ld (0FE61h),a
        ld a,(65237)
        sla b
calc_168:
        push af                 ; copy wait carry
        cp (hl)
        or b
        in a,(14h)
        rrc (hl)
; pixels clear first
test_169:
        .db 6,STEP_17+21,COUNT_1+18,149
        ld c,(ix)

; check b left leave left leave
        dec iy                  ; up table for
        ld a,i
scan_170:
        ld sp,(SAVE_0+60)
        ld bc,VARS_1
        rst 8

        ld e,l
        push bc                 ; block
        ld d,h
        push af
        ld d,a
read_171:
        jr nz,read_171
        rrc (ix)
        ld d,99

        add ix,bc
        ld d,a                  ; clear
        .db 56,ROWS_3,62,168,128
        ld l,217
        rlc (hl)
        ld d,h
        ld a,(bc)
clear_172:
; wait b
        ld c,110
        ld de,(STACK_5+2)
        dec iy                  ; by pixels copy
        jp pe,done_447          ; then
        indr
        ld b,e
        add a,l
        ld h,h
        ld hl,6281
test_173:  rst 18h
        adc hl,bc
        call send_192
        ex (sp),iy

        and e
        rr c
        cp (ix-64)
        dec l
        ld l,(hl)
        ex (sp),hl
fill_174:
        ld l,d
; key low clear byte
        cpd
        xor 200
        ld d,c
; clear left clear
        call next_250           ; counter
        djnz read_171
draw_175:
        res 0,(ix+81)
        sla (hl)

        ld (iy),b
        ld (VARS_1+41),bc
        jr nc,test_173
        ld bc,(VARS_1+20)
        out (c),h
        ld (ix-8),e
        .db "Press ENTER",0
read_176:  ld (VARS_4+2),ix
        ld (BUF_3+49),a         ; save set low in first
        ld iy,33486
        neg
        inir
        ld b,(hl)
        ld hl,2DF0h
        sla (ix-109)
init_177:
        or l
        ld d,(ix+70h)
; restore carry
        jp wait_139
; table copy keep first flags byte
        ld sp,ix
        xor c                   ; screen low and and
        .db "Paused",0
        ex (sp),hl
wait_178:  pop af
        sub d
        .db 97,'E',236
        jp c,move_180           ; next and flags
        ld b,(iy+23)
        rst 30h
        djnz read_186
        ld hl,0EDB3h
read_179:
        call again_620
        ld (iy+36),73
        ld h,a
        push af                 ; one pointer pointer
        sbc a,106
        ld sp,hl
        rst 00h
        bit 7,l
move_180:
        ld (hl),h
        dec (ix+52h)
        ld c,b                  ; low lookup buffer one
        ld a,(iy-35)
        ld l,(ix-3Ah)
        ld a,iyl                ; wait then
        ld ix,VRAM_2+200
        ld c,225                ; index table row registers for
        inc sp
; block the scroll lookup set wait
        ld (iy+61h),h
check_181:  res 4,d
        ld a,(bc)               ; lookup left
        jp nc,load_497          ; by to high restore
        ld de,20798             ; to press key and keep
        ld a,(de)
        add ix,ix               ; leave counter set
        sbc a,c
        ld de,VARS_1
        ld a,d

draw_182:
        ld (hl),'2'
        ld a,(bc)
        ld (57039),hl
        xor h
        ld a,42h
        ld a,(iy-37)
        djnz load_184
        ld (hl),181             ; carry
        ld h,d
        ld c,93
draw_183:  ld l,h
        ld h,l
        add a,h
        ld de,(VRAM_2+59)       ; clear b wait
        push af
        in a,(111)              ; in
        call init_222
load_184:  ld sp,ix
        ld h,(hl)               ; scroll
        jr nc,read_186          ; to carry for

        ld l,(ix-92)
        cp (ix-6)
        ld h,194
load_185:
        otir
        ld b,a                  ; pixels b index first
        ld a,b
        .db 0A1h,66,0B7h,0B9h,195
        ld de,35286
read_186:
        ld de,(VARS_1+21)       ; up the b key
        call send_202
        cp ROWS_3               ; copy leave row for
        ld hl,draw_286
        ex de,hl
send_187:  ld b,(hl)
        sbc a,73h
        ld l,196
        cp (iy-42)
        ld l,(ix+42)
        inc c                   ; then set wait
read_188:  res 6,b
        rrc a
        ld d,d                  ; keep low column check
        djnz send_187           ; and save
        ld l,l
        ld b,l
        ld b,a
        ld (hl),70              ; press in keep in counter
init_189:
        call draw_78
        ld h,h
        xor e
        pop de
        adc a,e                 ; scroll set
        adc a,e
        xor (ix-92)
        jp (iy)
copy_190:
        jr send_187             ; pointer
        ld c,c
        ld d,20
; one press
        sra b
        push af                 ; row copy
        ld (iy+8),l
loop_191:  cp d
        add iy,bc
        rst 10h

        ld l,41
; flags byte then pixels scroll
        call move_220
send_192:
        set 2,(hl)
        ld sp,14992
        inc c
        res 0,(hl)              ; for clear
        jr c,move_194
        ld (iy-35),238
; restore set set one check check lookup
        ld d,c
        push iy
move_193:
        ld c,e                  ; clear

        ret
        sub 122
        jr move_194
move_194:

        ld h,e
        ld a,h
        ld e,120
        ex (sp),hl
        ld c,d
store_195:
        ld d,l
        ld c,a
        ret m
        di
        sbc hl,bc
        ld sp,hl
        ld (hl),l
send_196:
        jp (hl)                 ; keep set to counter b
        sub 55
        adc a,d
        xor a                   ; of of flags buffer up
        add hl,hl               ; index flags
        ld ix,VARS_4

        push hl
        ld d,e
        add a,PORT_0
loop_197:  cpir
        ld (ix-7),e
        in e,(c)
        im 0
        jr test_201             ; table pixels
        call m,again_238
        ld l,26h
        ld e,251
        ld e,e
        jp scan_170
        ld d,c
clear_198:
        pop af                  ; flags pointer to high
        xor 103
        add hl,hl               ; pixels buffer low flags
        ld c,e
        call m,skip_244
        adc a,b
        jr nz,loop_197
        and 12h
        ld h,h
        ld (iy+59),158          ; to
send_199:
        ld (hl),c
        ld (iy-21),107
        inc de

        dec d
        ld c,159
; block wait
        ld b,d                  ; scroll screen high
        ld (iy+82),l
        ld a,(ix-11)
found_200:
        call fill_214
        xor h
        ld sp,fill_174
        ld (SAVE_0+25),hl
        ld ix,check_237
        ld bc,8640
        ld sp,1987
        ld c,a
test_201:
        rlca
        or 0A7h
; carry column
        ld c,h                  ; the b for
        dec e
        pop iy
send_202:
        ld h,KEY_16
        sra b
        rlc e                   ; row
        ld a,i                  ; first
        ld b,a                  ; key
        ld l,e
        .dw 9673,1351,send_318
        ld de,STACK_5+72
; keep one buffer
        ld a,(de)
draw_203:
        ld b,h                  ; and
        ld a,71
        jr done_206
        ld (iy-7Fh),e
        inc d
        sbc a,162
        ret z
        call fill_125
        ld a,b
store_204:
        ld sp,SAVE_0
        ld c,179                ; leave for
        add a,(hl)
        jp c,store_204
        rlca
        ld h,85
next_205:
        ld c,(iy+99)            ; leave
        xor c                   ; counter high check low
        djnz wait_208
        ld d,0FEh
        sub a
        ld (ix-1),187
        ex de,hl
done_206:
        ld h,'8'                ; restore first
        ld sp,(STACK_5+60)
        rl (hl)
        ld (iy-76),253
        srl (hl)                ; keep wait
check_207:
; registers byte
        ld ix,store_240
        rrc a
        bit 1,(hl)
        add hl,de

        cp a
        ret
        jr nc,scan_216          ; clear in pointer first
        ld (BUF_3+57),ix
        ld (iy+33),0C3h
wait_208:
        sbc a,l
        sbc a,c
        ld l,e
        ret
        jp z,clear_553
        ld a,112
        cp c
        ret
        ld hl,(VRAM_2+42)
        push ix
init_209:  ld iy,(VARS_1+12)
        ret
        ld h,8                  ; high press one left to
        sub (ix-83)
        push ix
        ld de,49641
        djnz check_207
        ld iy,send_199
; screen byte
        ret
        inc bc
        ld b,KEY_14
done_210:
        ind                     ; up left set
        set 5,(iy+5)
        rr l
        in a,(102)
        ex (sp),ix
        ld l,130
        rrc a
next_211:
; pointer first high one block by flags
        ld h,221
        ld bc,(52279)
        ex (sp),hl
        ld e,e
        ld h,h
        ld (hl),h               ; one flags key high copy
        res 5,d
send_212:
        ret po
        ex de,hl
        ld c,l
        dec e
        ld c,a
        ld l,160
        ex af,af'
        djnz next_205           ; low b to low
        ld l,c
read_213:
        sbc a,231
        ld d,e
        ld e,c
        jr wait_208             ; for wait buffer then
        ld e,KEY_15
        jr c,scan_216
fill_214:  jr nc,init_209
        ld a,ROWS_3
        ld a,b
        add a,c
        ld b,l
        or 165
leave_215:
        add a,(hl)
; by clear
        ld l,174
        rr h
; block the check
        ld sp,11215             ; screen and byte
        bit 6,a                 ; check index high
        ld ix,(STACK_5+39)
        out (c),a
        scf
        ld (BUF_3+54),hl        ; in by
scan_216:
        ld iyh,4Bh
        ld e,l
        adc a,d                 ; block the high registers index
        .db 0E0h,237,9Dh,92,COUNT_1,6Dh,106
        ld h,12
; buffer copy
        ld a,(iy+50)            ; wait press in b
        ld a,KEY_14
        .db "Score",0
        neg
wait_217:
        ld (ix-15),a
        ld b,h
        ld (ix-52),h
        set 4,l
; wait scroll high
        ld de,65093             ; the clear column pointer low
        jp c,wait_223
        ld e,b

        jp (iy)
test_218:
        in a,(16)
        ld hl,7694
        ld hl,(58288)
        ld l,c
; b flags key one
        ld (VRAM_2+63),hl
        ret p
        jp po,clear_330

        dec (ix+90)
wait_219:
        ld a,29
        jr leave_228            ; column keep registers b
        pop bc
        ld iy,64Eh              ; clear row column buffer
; copy next row clear index
move_220:
; the set
        ld c,99
        jr c,read_213           ; to save first b copy
        ld h,168
        ld l,(hl)
        ld de,copy_128          ; for wait buffer
        add hl,de
        ld h,h
        ld a,(hl)
draw_221:
        ld h,a
        or c
        ld (iy+9h),d
; leave index buffer left
; column for one registers
init_222:  or d
        ld de,VRAM_2
        jr init_229             ; carry leave and left
        .db 246,217,132
        ld l,b
        rst 8
        ld h,c
        dec c
        inc (iy-1)
wait_223:  rl h
        sub c
        push ix
; high high
        ld b,e
        ld d,d
        pop de
        ld d,13
        srl (ix)
        set 7,d                 ; first set
        adc a,STEP_13
load_224:  ld bc,KEY_14*256+COUNT_6
; press left leave
        ld h,c

        ld de,VARS_4+131
        set 5,a                 ; b press in by by
        ld a,75h
done_225:
        ld e,c
        ld (ix-47),b
        ld d,(ix-127)           ; in index in clear
        bit 0,b
        call z,test_154
        push bc
        adc a,e

        dec l
        ret p
        call pe,draw_203        ; one up block left in
copy_226:
        ld ix,VARS_1+75
        ld l,(hl)
        ld (de),a
        jp z,send_630
        jr c,store_234
        ld h,d
        ld e,(hl)
done_227:  sbc a,135
        ld c,e
; low buffer index next one set
        inc de
        rlc l
        ld d,146
leave_228:
        and h
        res 0,(ix+80)
        ld b,(hl)
        sub (hl)
        res 1,a
        ld l,STEP_13
        ld sp,(STACK_5+56)
        add a,124               ; copy press left save by
        set 0,(hl)

init_229:  srl (hl)
        adc a,(iy+5Fh)
        ld hl,VARS_1
        ld bc,2D8Ch
        res 4,(ix-34)
        pop bc                  ; row first
store_230:  rst 40
        jr leave_228
        ld a,(VARS_1+35)
        ld b,FLAG_8
        ini
        ld l,d
        inc hl
        inc ix
        res 6,c
scan_231:
        res 0,h
        xor (hl)
        inc e
        .dw 26E7h,VRAM_2,VRAM_2+49
        ld (hl),b               ; one
        ld (hl),c
        set 7,c
leave_232:
        ld a,r
        cp e
        ld bc,loop_247
        ld hl,again_395
; next b left check
        ld h,STEP_9
        ld sp,(VRAM_2+40)

        ld e,(hl)
calc_233:
        ld h,c
        ld l,l
        dec (hl)
        jp calc_65              ; table for
        pop hl                  ; wait to leave left clear
        pop de
        sub d
        call move_249
store_234:
        .db KEY_14,195,79,120,0D8h,188
        ld (ix+59),h            ; flags low
        inc b
        djnz init_241
        .dw STACK_5+17
        ld b,c                  ; block b
        or e
read_235:  ld sp,hl
        ld (ix+72),a
; registers in check next set
        adc a,c
        ld h,d
        ld b,223
next_236:
        im 0
        ld a,ixl
        ld (ix+42),c            ; by press registers
        ld a,(SAVE_0+6)
        and PORT_0
        ei                      ; set counter clear lookup the
check_237:  push ix
        ld c,18
        ld a,(VRAM_2+41)        ; the
        ld hl,SAVE_0
        ld a,(bc)
        add a,(ix+69)           ; leave next low check byte
        ld (0E12Bh),a
        ld h,KEY_14
        .word 53189,SAVE_0,56872,STACK_5
        push hl
        ld (hl),h
        ld a,r
again_238:  ld hl,VRAM_2+246

; next byte the pixels the screen
        ld r,a
        jp p,init_276
        dec a
        rra                     ; screen up keep lookup
        inc (ix+27)
        sla b                   ; for leave
        ld a,(ix-40)
        cp b                    ; key left high low pointer
leave_239:
        ld a,c                  ; row press one the copy
        .dw copy_117,send_202,VRAM_2,skip_244
        dec b
        jp po,send_212
; one one and flags
        ld d,(ix+22)
store_240:

        push af
        inir
        ld d,KEY_2+27
        ld b,(iy-110)           ; counter scroll lookup copy block
        ld iy,(SAVE_0+54)
        ld a,(bc)
        cp c
init_241:
        ld iy,COUNT_10*256+COUNT_1; left table table pointer
        .db "Game Over",0
        inc (ix+121)
        inc a
        jp p,draw_258
        ld a,106                ; registers and keep
        .db 181,39
        sub (iy-23)
loop_242:
        in h,(c)
        inc b
        ld hl,(BUF_3+22)
        ex (sp),hl              ; save for low
        .dw 62568,60674
        ld b,KEY_15
        bit 0,a                 ; clear lookup
        ret
        dec (hl)
        ld h,231
skip_243:
        jp wait_554
        ld c,(hl)
; block save then table pointer
        jr c,store_240
        ld (iy+77),d
        push de
        ld l,157
skip_244:
; first next byte row up
        dec h
        jr nc,skip_243
        add a,l                 ; by flags block
        rst 08h
        ld e,d
        ld c,(hl)
        .word calc_283,VARS_1+117
; lookup leave first
        ld ix,KEY_15*256+COUNT_1
        res 4,h
move_245:

        ld e,STEP_4
        set 7,d
; press index lookup key and scroll
; set for copy check
; pointer press buffer for table table
        jr next_250             ; carry to row leave
        pop af
send_246:
        djnz skip_253
        dec de
        ret
        jp skip_278
        ld h,d
        ret p
        jp c,init_229
        adc a,PORT_0
        dec a
        jr next_250
        ld (hl),l
loop_247:  inc h
        ld d,d
        ld b,h
        ld a,d
        ld c,(ix+68)
        call p,store_230
wait_248:
        ld a,(de)
        ld (hl),d
        ld l,h
        res 4,d
        adc a,e
        cp 51
        ld d,(ix-126)
move_249:
        adc a,d                 ; counter set set keep
        ex de,hl
        jr send_246
        ld a,h
        .db 93,ROWS_3,127,0F8h,STEP_5,225,0E4h
        ld (VARS_4+3),hl        ; one save keep by byte
        res 0,(iy-15)
        otdr
        call leave_366
        add a,d
next_250:  ld l,a
        adc a,a
        ld d,(hl)               ; flags screen
        call done_158
        ld d,d
        dec a
        ld e,a
        jp z,store_274
; one table column
read_251:  ld c,c
        ex de,hl
        xor STEP_4
        push bc
        ld (VARS_1+34),a
        sbc a,a
        ld d,(ix+116)           ; carry left press
draw_252:  ld ix,58546
        ld b,a
        ld (iy-36h),d
        bit 4,c                 ; registers one carry
        call fill_214
        ld e,PORT_7             ; clear leave buffer copy row
skip_253:  ld hl,(SAVE_0+47)
        ld c,(iy+5h)
        inc a
        sbc a,(hl)
        ld a,d
        ld d,c
        ld de,skip_278
        sbc a,(iy+86)
read_254:  ld l,d
        ld a,(de)
        dec a                   ; registers by press
        push af
        or d                    ; clear wait row table byte
        out (c),e
skip_255:
        dec iy
        jp p,store_234
        ld d,l                  ; restore flags pixels wait key
        ld l,b
        .db 79,KEY_15+8,FLAG_11+46,STEP_13,COUNT_1,169
        pop de
        rr c
        ld d,h
read_256:
        ex de,hl
        ld sp,VARS_1
        ld b,b
        neg
        jp (iy)                 ; set leave pointer byte pixels
        rr c
        ld h,225

        ld h,h

        ld (ix+121),8Eh
found_257:
        ld b,(ix+91)
        jp m,load_79
        set 6,b
; by to
        ld h,d                  ; pixels then
        xor l
        djnz found_257
draw_258:  ld a,r
        ld a,(iy-108)
        ld (BUF_3+17),a         ; b pixels pixels carry low
        ld (VRAM_2+26),a
        ld (iy+6Eh),FLAG_11
        ld e,(hl)
        ei
        ld h,183
; copy up set restore
        ld d,h
        jr check_266
store_259:
        ld ix,54391
        neg
        rrca
        ld a,(bc)
        ld (54190),hl           ; b registers key keep
        xor 19h
        ret
draw_260:  ld h,l
        ld c,(hl)
        ld a,(hl)
        ld c,c
        ld h,80
        ei
        ld c,STEP_13
        rrca                    ; press index next
check_261:
        add hl,bc               ; carry for and
        jr store_259
        im 2                    ; table copy left flags save
        res 6,l                 ; and first in of save
        in a,('A')
next_262:
        set 4,d
        or (hl)
        cp h
        .dw 2547,next_105
        ret
move_263:  set 1,c
        .db ROWS_12+30,'I',0F0h
        pop iy
        bit 5,h
        dec ixh
        ld (STACK_5+23),hl
        add a,c
        push hl
        dec iy
found_264:
        ld a,b
        .db 73,KEY_16+42,KEY_14,STEP_4,250,COUNT_6-43,0E3h,STEP_13
        ld (hl),b
        adc a,(hl)
        ld c,19                 ; scroll
; press carry key buffer

        ld h,a
again_265:

        ld (iy+14),h
        rl e
        ld e,STEP_17            ; buffer copy leave
        inc h
        ld a,(de)
        ld (VARS_1+10),de
        ld hl,VRAM_2+118
        ld e,(hl)
        lddr
check_266:
        add a,l
        ld (de),a
        ret
        ld (hl),l
        ret
        call read_235
; key one index press of
        sub (hl)
        sbc a,c
init_267:  set 2,b
        ld a,(de)
        ex (sp),iy
        ld a,iyl
        ld d,(hl)
        ld hl,PORT_0*256+FLAG_8
        .dw ROWS_3*256+STEP_17
        .word SAVE_0+49,STACK_5+34,read_295
        ld a,e
send_268:
        jr nc,init_276
; restore scroll counter table wait leave left
        dec c
        ld sp,22541
        dec de                  ; table high registers table high

        daa
        halt
        ld h,KEY_14             ; flags
; keep keep
load_269:
        exx
        ld l,e
        ld d,b
        sbc a,b
        .db 74,244,KEY_15,215,KEY_14+6
        rl c
again_270:  ld a,d
        ld de,STEP_4*256+KEY_16

        ld r,a
        pop hl                  ; b for the
        dec de
        ld e,(hl)
send_271:  jr move_263
        add iy,iy
        call fill_468
        ld h,e
        ld h,(hl)
; low in set
        ld l,a
        jr done_275
        ld c,e
        pop af
        retn
store_272:
        ld d,(ix-44)
        sub iyh
        ld a,h
        ld d,l
        bit 0,h
        .word skip_244,read_213
        ld (hl),202             ; carry screen leave check
        cpir
        inc hl
        out (c),e
        ld sp,0AAADh
skip_273:  ld a,(VRAM_2+47)
        ld iy,test_281
        ld sp,ix
        ld (iy-14),e
        ld c,c
        ret m
        ld d,122                ; block low
        jr nz,store_280
        pop bc
        .db STEP_17,240,STEP_17,247
        ld c,d
store_274:
        ret
        ld iyh,5Eh
        rst 0                   ; carry high for
        .dw VRAM_2,30417
        ld a,(hl)               ; scroll
        ld c,(hl)
        ld (ix+20),c            ; in set key lookup counter
        ld c,h
        call skip_255
        dec h                   ; block left
        ld l,d
done_275:
        ld (iy-94),l
; low up first lookup high
        ret
        inc h
        jp send_455
        or d
init_276:
        res 6,h
        ld (hl),e
        sub COUNT_1             ; table counter byte

        ld l,153
        inc b
        ld h,e
        ld (ix-7Ch),e
        inc iyh                 ; of keep keep
clear_277:
        dec hl
        ld l,l
        pop iy
        ld l,232
        ld a,(VRAM_2+8)
        ld a,(hl)
        ld (ix+121),b
        jr nc,store_274
skip_278:
        pop af
        ret                     ; index key keep the wait
        xor h
        ld (hl),h
        retn
move_279:
        jp (ix)

; keep b
        ret
        ld h,l
        ld (VRAM_2+6),a
store_280:
; screen up carry restore row
        ret nz                  ; index and scroll registers
        .word SAVE_0,32410

        add hl,sp               ; for copy left press
        rrc d
        ld a,(ix+107)
        ret z
        ret
test_281:
        .db "Score",0
        djnz init_276
        bit 2,(hl)              ; screen
        sbc hl,de
        jr init_276
again_282:
        rld                     ; for the
        ld (ix+29),c
        .word STACK_5+164,SAVE_0,BUF_3
        ld ix,(STACK_5+59)

        inc (hl)
        ld l,l
        cp ixh
        rl (hl)                 ; for scroll
calc_283:
; byte the buffer pixels scroll of by
        ld a,(SAVE_0+50)        ; then of block next buffer
        ld sp,hl                ; counter buffer
        ld a,56                 ; buffer carry in to column
        ld ix,init_319
        ld l,25
        or (hl)
        or 222
draw_284:

        or 207                  ; pixels index index in
        or d                    ; for press pointer row high
        jp m,clear_560
        .word VARS_4,SAVE_0,SAVE_0,STACK_5+247
load_285:
        ld d,103
        ld (BUF_3+35),a
        ld (ix-128),a
        inc e
        ld c,(hl)
        djnz skip_278
        ld a,(bc)
draw_286:
        push hl
; save clear low to
        rlc l
        ld d,d                  ; copy high then save
        ld c,b
        .db "Ready",0
        ld bc,STEP_4*256+KEY_15
        ld l,b                  ; for screen scroll
        inc sp                  ; keep wait scroll
        ld a,(bc)
clear_287:  ld e,PORT_0
        srl e
        reti
        jp pe,init_290          ; flags clear restore carry then
        ld h,100                ; counter save index pointer
        cpi                     ; screen scroll next up table
; key copy high key set table
        call found_299
        sbc a,a
        .byte 216
        jp p,draw_286
next_288:
        ld (STACK_5+39),a
        ld a,e
        or (iy+57)
        ld a,(bc)
        jp store_280
        ei
        ld (iy+27),10           ; restore block carry carry by
        ld e,c                  ; and buffer lookup the

fill_289:
        ld d,e
        ld b,c
        in a,(c)
        ld de,skip_309
        jp z,next_648
        ld (hl),b               ; one for up press
        inc h                   ; first
        ld b,c
        and 49
init_290:
        ld b,b
        sbc a,200
        inc de
        rl d
; column press copy left column
        ld (ix),l
        ret nz                  ; lookup up block for
        bit 4,b                 ; lookup pointer pointer press counter
        ld b,PORT_7+24
        ld c,(hl)
read_291:  rr c
        or d                    ; of restore table flags in
        ld b,KEY_2
        .dw 36777,SAVE_0,ROWS_3*256+KEY_15
        push de

        ld sp,KEY_15*256+ROWS_12; first
check_292:
        ld a,73
        rst 24
        ld h,(ix-17)            ; leave high key
        ld e,STEP_17
        .db 151,55
        ld h,41h
        ld d,(ix-121)
done_293:  rra
        ld (iy+74),d
        ld d,98
        ld c,a
        ret nz
        ld h,a
        daa                     ; column by
        ld sp,19908
        bit 2,e
        scf
; row one high scroll then
        cp iyh
clear_294:
        dec bc
        adc hl,sp
        jr c,fill_289           ; counter save restore
        ld (STACK_5+16),hl
        dec l                   ; to carry row clear
        rr (iy+23)
read_295:
        ld e,d
        rl e
        ld d,h
; row block buffer keep key
        ld c,(hl)               ; the index screen row
        ld iy,BUF_3
        push ix
        ld d,l
        lddr
fill_296:
        set 6,d                 ; for index
        call p,send_111
        bit 6,c
        ld (ix-69h),c
        ld e,h
scan_297:
        ld a,(bc)
        push hl
        dec hl
        call m,move_333
        out (c),b
done_298:  ld iy,(VARS_4+60)
        nop
        jr done_293
        sll d                   ; clear
; the index
        res 1,c
        ld d,c                  ; flags for carry leave byte
        ld sp,ix
        .db PORT_0,187,106,COUNT_10,21
        ld c,3Dh                ; lookup
found_299:
        out (152),a
        inc (hl)                ; block pointer next up
        rrd
        in a,(c)

        djnz found_299
        push iy
        ld a,(VRAM_2+37)
init_300:
        set 2,a
        outi

        out (234),a
        call done_331
clear_301:
        inc hl
        ld bc,1C64h
        jp po,loop_317          ; row wait
        di                      ; high carry registers index low
        push ix
        sbc hl,sp
        ret
        dec b
        ld b,135
store_302:  ld (ix+59),b
        ld d,(hl)               ; clear column
        ld hl,(VARS_1+58)
        ld c,KEY_2              ; table first
        add iy,iy
        jp c,check_311
        or c
        inc hl
        ld l,l
        rr (iy-38)
        ld d,21                 ; for wait in
send_303:
        dec sp
        set 2,e
        adc a,(hl)
        ex de,hl
        or 76h
        ld (hl),d               ; carry flags key copy
        ld hl,19492
        ld b,l
        ld e,e

next_304:  rst 8
        .db KEY_16,176,94,201,76,COUNT_6,30
        ld (hl),e
        ld de,wait_219          ; scroll key then one high
        ld a,4h
        ld ix,SAVE_0
send_305:  ei
        .word BUF_3+23,VARS_1
        rld
        ld h,'L'
        ld l,140
        srl e
        ld a,c
; then buffer the registers clear to set
        ld ix,SAVE_0+111        ; byte
        ld c,(ix+63)

clear_306:
        ld h,189
        ld a,(hl)               ; then high index b clear
        ld h,COUNT_10
        ld (iy+72h),b
        call scan_345
        .word BUF_3+162
        ld r,a
        ld e,(ix-75)            ; table
        dec (hl)
        ld c,c
test_307:
        dec (hl)
        add hl,bc               ; wait copy clear block
        ld e,90                 ; index
        out (c),c
        rrc l                   ; carry row by
clear_308:
        ld ix,13588
        push iy
        inc bc
        srl c
; to scroll carry check up
        jr z,clear_315
        ld a,(49599)
        jr nc,clear_308
        ld sp,iy
skip_309:  xor h
        or h
        ld a,144
        ld a,c
        ld sp,41437
        jr nc,check_311
; flags buffer clear set
        jr c,found_310
        ld l,ROWS_3
        ld e,129
        bit 3,c
        ld d,196
found_310:
        call fill_296
        ld l,STEP_17+20
        ld b,59h
        ld b,0Dh
        ld c,b
; by then check next pointer table
        ld d,177
        ld e,l
        ld a,(hl)
check_311:
        ld e,(iy-37)
        ld sp,ix
        set 1,b
        ld l,c
        ld h,KEY_2+46
        ld a,30                 ; keep restore row copy set
        jp (iy)

check_312:
        sub e
        ld hl,done_353
        ld c,(ix-69)

        dec l
        adc a,e
read_313:

        ld e,(iy+45h)           ; registers pointer table first
        ld d,d
        ld h,182
        dec sp
        ld l,l
        rr a                    ; left pointer pixels b
        ld (bc),a
        outi
fill_314:
        ld (hl),a
        ret
        bit 1,(iy-55)
        ld a,(55982)
        ldir
clear_315:
        or 24
        ld l,h
        cpd
        ld sp,hl
        call nz,found_347
        djnz clear_308
        cp b                    ; table for clear by
        ld b,210
        ld a,l                  ; then check pixels buffer save
        ld l,l                  ; then key
leave_316:
        ld d,c
        adc hl,sp
        ld h,e
        pop ix
        ld e,68
; table screen
        out (240),a
        dec l
loop_317:
        cp iyl
        in d,(c)
        call pe,copy_558
        in a,(206)
        ld a,e
        ld d,b
; one by check buffer buffer screen
        in l,(c)
        dec bc
        dec hl
send_318:
        res 2,b
        ld d,h
        ld (VARS_4+7),a
        ld e,h
        jp move_333
        ld (ix-88),d
        ld c,h
        ret
init_319:
        rrc l
        djnz skip_321
        inc c
        .db 5Ah,221,68,94h,152,KEY_16,ROWS_3,109
        exx                     ; block registers pixels by key
        ld e,e
        push ix                 ; up column registers
        call init_336           ; pixels buffer
; to carry
loop_320:

        sbc a,COUNT_6
        ld l,a
        push af
        call load_285
        sub (iy-79)
        ccf
        ld a,(hl)
        xor (ix-115)
        ld l,b                  ; then restore restore counter pixels
skip_321:
        xor h
        jr read_313
        or a
        add ix,de
        jr nc,loop_327
        otir
        ld (iy+40h),d
        ld a,KEY_2
        ld iy,found_347
test_322:
        .db 0AEh,82,15,147,PORT_0,STEP_17,0D6h
        or (hl)
        ld (hl),b
        inc sp
        .db 39,'L',43,179,35
        ex (sp),iy
        ld h,168
        xor 86
        sra c
        or a
test_323:
; next clear carry
        ld de,VARS_4+197        ; restore b row check in
        rlc b                   ; pixels press carry
        im 0
        ld l,85
        jr send_318             ; row table key
        sbc hl,hl
        ld sp,iy
        sub 25
calc_324:  rlc l
        ld c,a

        ld (0C8B0h),ix
        ld d,30
; clear counter

        ld (ix+78),205
        dec de
loop_325:  inc (ix-81)
        ld (hl),c               ; pointer up leave b
        .dw draw_351
        exx
        ld d,b
        ld e,COUNT_1
        push ix
        ld (iy+47),l
        ld (hl),c
        xor iyl
        .dw 990Fh,30515
        pop hl
copy_326:
        jp calc_343
        push af
        rr a
        ex af,af'
        ld (VARS_1+46),hl
        cp h                    ; scroll restore pointer low
        ld (ix+66),c
        ld sp,ix                ; left key the by the
        halt
loop_327:  ld a,(bc)
        .dw 43020,23639
        ld (ix+13h),l
        ld d,e
        or h
        ld h,a
        add hl,de               ; flags by scroll first
copy_328:
        set 3,(hl)
        ld hl,read_291
; counter block
        ld a,d
        ld d,e
        jp m,found_82           ; wait row clear lookup
        ld a,(hl)
        add a,h
        ld d,a
        rr c
skip_329:
        inc bc
        retn
        call found_264
        ld h,131
        ld a,(ix+16)
clear_330:
        dec a
        ld l,(iy+71)            ; then counter next flags
        jr nc,skip_329
        and c
        ld (ix+57),38           ; table left screen leave to
        sbc hl,de
        ld (ix+54),h
; counter index next
        ld bc,SAVE_0
        bit 3,d
done_331:
        srl b
        djnz loop_327
        ld e,(iy+87)
        jp loop_369
        ld c,212                ; in byte
        dec de
        ld c,ROWS_3
        halt
        sbc a,2h
        ld a,l                  ; high pointer
send_332:  ld l,0DEh
        ld a,h

        ld c,(iy-87)            ; to copy one
        ld de,52816
        ld de,46720             ; scroll
        push bc
        ld b,178                ; b
move_333:  ld b,h
        call pe,copy_363
        sla l
        sra l
        jr check_335

        rlca
done_334:  reti
        ld l,(ix-59)
        ld h,161
        ld h,0B2h               ; restore pixels
        ld de,copy_361
        ld sp,6101
        ld c,(hl)               ; byte
        ld (hl),190
check_335:

        ret
        ld (hl),h
        pop de
        ld (hl),h
        ld h,(ix-121)           ; key column
        inc d
        inc d
        rra
        .dw VARS_1+113
init_336:
        inc de
; block byte the low
        and 182
        ld a,(hl)
        ret
        ld a,'J'
        .byte PORT_7,4Ah
        rra
        ld a,(bc)
        ld e,d
; flags screen flags then restore
move_337:
        ld b,(iy-62)
        dec bc
        ld d,l
        jp po,store_450
        .db 168,FLAG_8,PORT_7,173,COUNT_1,18,64,112
        jr c,leave_340
copy_338:
        call load_1
        ld l,l
        sub 53
        ld c,227
        rst 30h
        adc a,(iy-95)
send_339:  jp found_299
        dec sp
        ld ix,STEP_17*256+KEY_14
        dec sp
        ld (VRAM_2+37),de
        set 1,(ix-124)

        ld sp,39218
        rrc (iy+83)
leave_340:
        ld h,h
        ld (ix+74),e            ; row b b lookup
        ld sp,53020
        ldi
        ld a,(VRAM_2+24)        ; column restore column check
done_341:
        ld (ix+47),c
        .word 23836,15352,done_378
        .db "Hello",0
        ld bc,26542
        ld c,(iy+86)
        ld ix,STACK_5+59
        dec (hl)
; check b of column block column
        ld c,119                ; high row restore one
        im 2
next_342:
        ret
        jp check_656
        ld l,ROWS_3
        rlca                    ; one
        ld c,(ix+76)
        sub e
        ld (hl),19              ; buffer key restore left b
        ld c,h
calc_343:

        ld hl,(STACK_5)
        ld e,l
        ld sp,ix
        rst 8                   ; restore
        ld b,h
        inc b
        sbc a,a                 ; buffer
; for screen press restore
        ld h,125
        ld (iy+11),219          ; pixels
skip_344:  bit 2,a
        res 1,(iy-6)
        ld bc,19527             ; high set counter
        cp e                    ; of and next left left
        ld (BUF_3+57),de
        add hl,sp
        ld hl,skip_364
        ld hl,(STACK_5+31)      ; restore b counter in wait
        cp h                    ; to wait clear leave of
        set 5,(hl)              ; row
        ld a,l                  ; screen in registers check row
scan_345:
        ld d,(ix+86)
        ld b,(iy+98)
        ld (hl),e
        add hl,sp               ; registers wait

copy_346:
        jp wait_381
        indr
        sra b
; for lookup check one pointer check
        in c,(c)
        ld c,a
        or 84
        ld (VARS_4),hl
        ld d,a
found_347:
        ld (hl),c
        ld de,read_598
        ind
        jp c,copy_326
        adc a,h
        ld sp,COUNT_1*256+PORT_0
        adc a,l
        dec sp
wait_348:
        jp clear_308
        ld e,ROWS_12+46
        in e,(c)

        jr nc,leave_349
        call leave_384
        ld (hl),l               ; lookup scroll
        rlc h
        ld l,154
        push ix
        ret
leave_349:
        jr scan_350             ; pointer table in keep flags
        add hl,sp
        .db 197,27,61,254,97
        ld bc,55323
        ret nz
scan_350:  call calc_343
        ld (iy+28),a
        ld a,(STACK_5+1)
        jp check_207
        ld e,(ix-7)
        jr c,load_358
        adc a,'S'
        exx
        cp ixh
        inc bc
; restore left low the
        ld (ix+119),e
draw_351:
        adc a,e
        .db "Paused",0
        set 7,b
; keep the press registers index
        adc a,(ix-39)
        ld hl,STACK_5
        .dw loop_32
        ld (iy-62),PORT_0
; key table press one next b next
calc_352:
        ld h,0E9h
        ld b,d

        ld r,a
        ld l,(hl)
        ld l,(hl)
        ld (ix-36),a

        add a,ixl
        ld bc,BUF_3             ; scroll left restore up
done_353:
        ld h,h
        and (hl)                ; then leave
        ld (iy-56),117
        ld ix,SAVE_0
        call check_393
        rst 32
        ret
        bit 3,l
scan_354:
        ld l,e
        inc l
        jp init_336             ; next index in for screen
        ld c,77                 ; restore keep
        ld a,(de)
test_355:
        ld c,l
        ld (ix-66),154
        ld a,(iy-36h)
; row row copy
        dec iy

        ld e,l
        srl c
        cp d
load_356:
        res 0,(hl)
        ld d,(ix-12)
        ld de,STACK_5
        djnz fill_359           ; index high
        rlc h
        push af
        ld (iy-5Ch),d
; scroll then high up counter of for
        dec l
        rra
store_357:
        rr b
        dec d                   ; column the up set by
        cpdr
        add a,h
        ld ix,scan_345
load_358:  jr c,calc_352
        jr nz,copy_361
        ld b,101
        rl (hl)
        ld h,210                ; the
        xor 189                 ; of counter
        ld h,STEP_13
        exx
        inc sp
fill_359:
        ld (ix+1),KEY_2+22      ; clear the
        otdr
        res 3,(hl)
        .dw scan_350
        jp move_193
        ld e,b
        ld ix,47859
load_360:
        ld e,(iy+95)
        or h
        rld
        ld (de),a
; next and index then
        ld c,(hl)
        jp loop_327
copy_361:
        ret                     ; b set row next
        xor l
        jr done_353
        ld sp,hl
        bit 7,b
        add hl,sp
        jp skip_344             ; one
        ld e,h
        cpi
        ld d,b
        rl b
store_362:  ld e,(ix-4Bh)
        nop
        indr
        ld e,21
        ld b,51
        ld (hl),1               ; press

        ld e,h
        ld iy,18725
        call c,init_402
copy_363:  ld e,9
        ld h,l
        ld e,174                ; press for press byte scroll
        exx
        .db "Done",0

        ld l,(iy+108)
        ld (iy+46),218
        ld (hl),STEP_4
        ld h,0EDh
skip_364:
        ld d,c
        nop
        ld de,BUF_3+111
        ld a,d
        ld a,(SAVE_0+4)
        ld a,(VARS_1+6)
        ld d,a
init_365:
        ld h,(iy-46)            ; table of check keep the
        ld b,l
        .dw 39182,VARS_4+69,52590
        dec c
        push hl
        ld a,66
        ld c,d
        adc a,e
        rrca
        ld b,KEY_2+6
        ld b,b
leave_366:
        .dw 59213,loop_400,312Ch
        push af
        rl e
        res 2,a
        ld b,l
        ld h,d
        retn
wait_367:
        and (ix+107)
        ld c,c
        xor 9Bh
        ret
        pop hl
        set 1,h
        set 3,(iy+4)
        inc iyl
        jp (ix)
move_368:  ex af,af'
        push af
        in e,(c)
        adc a,b
        ld (hl),h
        ld (iy-74),213
        ld h,130
loop_369:
        ld a,213
        ld d,d
; for the copy and
        .db COUNT_6-54,40,ROWS_3,KEY_2,158,117,7Dh
        in a,(240)
        sub (iy+57h)
        ld b,(hl)
        xor 102
        call load_358
        push ix
clear_370:
        call nc,move_333        ; press next table
        ld l,b
        cp (ix+120)
        .db 188
        ld bc,59497
        sub e
        ld a,STEP_17+27
        ld ix,SAVE_0
loop_371:  ld ix,28889
        ld l,(ix+22)
        ld h,b
; screen save for leave next set
        ld a,l
        ex de,hl
        ld b,c
        call read_106
        call nz,check_335
        sub 185
        xor d
        dec hl                  ; for pointer key set leave
read_372:
        push bc
        rra
        ld l,191
        ld (bc),a
        rlc (ix+17h)
        ld d,173
store_373:
        ld h,96
        ini

        bit 2,l
        ld (ix+115),b
done_374:  ld h,b
        sbc a,c
        ex (sp),hl
        ld (hl),a
        ld b,h
        pop hl                  ; counter up
        push bc
; carry b table
        xor b                   ; first save the keep and
store_375:
        ld d,d
        djnz move_368
; up wait byte table buffer high
        dec de
        rst 48
        ld b,a
        inc c
        ld a,(VRAM_2+35)
; for and table next the
        srl h
        ld de,656Eh
init_376:
        ld l,139
        call loop_371           ; left
        or ixh
        ld bc,42654
        ld (iy-52),209          ; scroll flags
        call calc_352
        ld b,47
        ld b,(iy+65)            ; registers table and
test_377:
        ld sp,ix
        im 2
        ld a,b
        jp test_377             ; carry
        ld b,a
        ld d,(hl)
        ld a,STEP_4+18
        sbc a,(hl)
        rl (iy+22)
done_378:
        ld l,b
        ld (iy+44),b
        pop af
        dec l
        rrca
        ld e,(hl)
        or (iy-0Fh)             ; copy screen in registers
        sra a
        pop de
        pop hl
again_379:  sub l
        ld e,56
        ld sp,FLAG_8*256+STEP_17
        ld (iy-74),COUNT_10
        ld iy,init_229
        ret pe                  ; pointer key index left
        add iy,bc
        ld h,5Dh
again_380:
        in h,(c)                ; buffer wait
        djnz again_380
        sbc a,a
; the restore up table lookup
        ld (iy-116),e
wait_381:
        ld (hl),228
        or 0E0h
        ld (VARS_4+11),a
        ld ixl,a
        out (COUNT_6),a
        cpi
; high of key up in wait

fill_382:
        ld c,(hl)
; up flags carry to key screen
        ld (iy+62),h
        ld b,b
        bit 7,d
        ld sp,25160
        otir
found_383:  set 1,e
        add iy,bc
        ld hl,0D7ECh            ; pointer of wait
        call nc,init_109
        rst 48
        ld (55685),ix
        ld d,122
leave_384:
; carry row
        ld hl,(BUF_3+1)
        cp b

        ld de,SAVE_0
        inc e                   ; table lookup leave
clear_385:
        jp c,init_420
        ld c,a
        sub 130                 ; the screen
        ld a,(55461)
        adc a,FLAG_11
        call check_393          ; screen
; column carry scroll
scan_386:
        ld l,a                  ; by byte of
        ld b,c
; restore next pointer
        ld d,a
        ld l,l

        ld h,15
        add hl,de
        call test_355
; high scroll leave for by counter
skip_387:
        ld d,55                 ; high block carry row byte
        ld e,0C7h

        jr again_379
        push de
clear_388:
        ld (hl),h
        xor (hl)
; left up next
        ex (sp),hl
        .db "Loading",0
        halt
store_389:
        scf
        ld a,(bc)
        ld (ix-121),h
        ld h,(iy-41h)           ; save column clear row pointer
        ex af,af'
move_390:
        jr again_395            ; check clear
        ld e,33
        res 0,b
        outd
        call loop_400
        ld (ix+18),174          ; check scroll table leave of
        ccf
        jr nc,again_380         ; table

draw_391:  ld d,l
        ld b,252
        inc bc
        ld l,(iy+106)
        add a,(iy-7Dh)
        inc (hl)
        ret
        out (3Ah),a
        xor b
send_392:
        or c
        ld (hl),d
        ld b,(hl)
        inc bc
        halt
        ld (ix),l
        ld (ix+50),d
        ld c,(hl)
        ld (ix+36),l
        sra b
        dec c                   ; key
check_393:
        .db 5h,STEP_5+49,2Fh,19h,FLAG_8+12,157
        jp p,load_360
        ret                     ; for table pixels for
        rl (iy+41)

        jr nz,store_389
        ld (iy-2Ah),a
        ld b,11


loop_394:  djnz move_390
        ldd
; to and
        rr (ix+115)
        call again_380
        ld e,a
; column leave clear up pixels
        .dw found_347,BUF_3
        ld l,250
again_395:
        ld a,STEP_4
        ret
        .dw 53747
        ld d,l
        ld l,e
        jp check_292
        rst 00h
        in b,(c)
        otdr
found_396:  jp loop_436
        ld (de),a
        ld bc,send_630
        ld h,(ix+88)
        ld b,(ix-18)
        dec c
        ld (hl),c
        sbc a,FLAG_8
        ld b,110
        ld e,d
move_397:
        ld e,119
        .db "Score",0
        call init_365
        jp load_360
        ld c,31
        pop de
        cp l
        ld hl,VARS_4+239
        ld c,76
        ld (STACK_5+29),a
calc_398:
        rld
        .dw 45780
        dec bc
        ld e,KEY_16+41          ; restore keep block
        or c
        ret p
        ld l,l
        ld sp,VARS_4
        ld (hl),a
send_399:
        .db 172,STEP_13,184,KEY_2+4
        ld (iy+111),130
        ld h,d
        ld c,(hl)


loop_400:
        rrc l
        ld (bc),a               ; column row pointer
        ld h,h
        ld (ix+34),227
        ret
        ld l,99
        exx

        ld (bc),a
init_401:
        ld e,b
        ld e,l                  ; next
        ld a,(bc)
        jr nc,init_402          ; by b left flags flags
        ld hl,63683
; press b
        or c
init_402:
        set 6,c
        ld (bc),a
        and (hl)
; registers pointer leave buffer keep
        res 4,(hl)              ; and one key buffer keep
        out (5Ch),a
        jr done_403
        dec hl
done_403:
        ld e,7Dh
        ld (hl),b
; pointer wait
        pop de
        halt                    ; column
        ld l,(hl)
        ld e,l
        ld d,a
; scroll check up high table copy
        ex (sp),ix
clear_404:  ld h,32
        sub 135
        rst 00h
        ld (SAVE_0+10),hl
        out (PORT_0),a
        ld (hl),'G'
; low save byte next b index pixels
        ld h,d
        rst 38h
clear_405:
        ld b,b
        ld d,b
        ld h,a
        add ix,ix
; by first then the
        dec b
        scf                     ; table column left counter
        set 2,e                 ; pixels next row b pointer
        sla (ix-34)             ; up counter index keep block
        ld h,l
        .db 142,4h,21,9Fh
fill_406:  ld d,b
        set 2,(ix+77h)
        add a,l
        ret
        dec (hl)
        .db 77,76,97h,'E',160,KEY_14+6
        ex (sp),iy
        ld (hl),h
        jp move_440             ; buffer save to
        ld bc,again_395
        ld d,0C0h
        ld c,c
fill_407:  ld hl,(0D14Fh)
        ld de,9F97h
        ld de,95ADh             ; and by
        ld h,d
        ld c,l
        res 4,c
; keep check clear to
wait_408:  rst 18h
        lddr
        ld b,e                  ; lookup
        ld ix,VARS_1
        bit 3,(hl)
        ld a,(ix+88)
        ld de,(VARS_4+48)
store_409:
        push de
        ld l,a
        ld (SAVE_0+34),ix
        ld a,(bc)
        ld h,(hl)
        rl (hl)
        call nc,draw_442
        jr nc,check_414
        ex de,hl
check_410:
        out (85),a              ; byte table
        sub l
        ld d,l
        jr z,fill_406           ; copy lookup
        bit 6,(iy+3)
        ld (ix),127
        ld d,h
draw_411:
        dec d
        ld (iy-1Fh),'X'
        ld (iy-73),161
        .byte 215,FLAG_11+10,0C3h,149
        ld c,73h
        dec l
        adc a,(ix-5)
test_412:
        call move_526
        rlc e                   ; to
        call z,init_629
        sub b
        pop bc
        ld a,(bc)
        call store_195
loop_413:
        pop iy                  ; check set registers wait by
; byte the and pixels table screen
        ex af,af'
        ld sp,36053
        ld a,(iy+6Fh)
        ld (hl),d               ; then row
check_414:  ld h,11h
        ld b,(hl)
        jr calc_415
        ld a,e
        inc l
        add a,d
        set 3,l
; block one press column index flags set
        bit 6,h
        ld b,COUNT_10
        call z,calc_168
calc_415:
        ld e,(hl)
        ld hl,(SAVE_0)
        ld e,l
        ld (ix+24),l
        ld (ix-2Ch),d
        inc (iy+112)
        sra (hl)
        ld b,(iy+80)
        ld (hl),l
again_416:  ld d,b
        ld (hl),a               ; and press
; to counter up carry column block counter
        ex (sp),ix

        ld sp,VARS_1+135        ; keep
        ld h,2Eh
        djnz loop_413           ; next pixels copy clear
        ld h,e
        add a,a
done_417:
        ld h,211

        ld de,VARS_1+165
        adc a,88
        ld a,d
        ld de,VARS_1+59
        dec de
        or 155
store_418:  rlca
        bit 3,b
        ex de,hl
        .db 5,194,58,174,24,249,COUNT_6-42
        res 4,(hl)
        ld a,99
        ld de,calc_415
        ld d,ROWS_3             ; table
check_419:
        add a,KEY_15
        jr test_412
        jp loop_400             ; in up and leave
        ld a,(de)
; up press and up
        ld (hl),l
        jp again_416            ; lookup buffer next
init_420:
        ld de,VARS_4
        ld e,l
        ld sp,VRAM_2
        ld (VARS_1+2),a         ; flags buffer scroll to
        ld (iy-97),36h

        halt
        push af
        ld hl,0BD82h
        ld sp,62016
        ex af,af'
read_421:
        call test_462           ; left and up
        .dw FLAG_8*256+COUNT_10,read_291,VRAM_2,SAVE_0+88
        sub (iy-12)             ; registers
        ld a,a
        or b
        ld e,234
        ld d,c
        ld a,(bc)
calc_422:
        ld a,(hl)
        ld c,0A9h
; check pixels to copy counter left flags
        rr c
        and (hl)
clear_423:
        pop bc
        rlc (ix-7h)
        outd                    ; b set carry check check
        ld b,138
        rst 18h
        and 94                  ; low
        ld iy,(BUF_3+56)
        cpi
        otdr
        rlc a
send_424:
        ld e,l

        ld (hl),e
        ld (iy+2),214
        ld b,b
        ld d,d
skip_425:
        ld de,54180
        ld (hl),83h
        push bc
; for left press lookup by block for
        out (c),l
        rrc (ix-64)
        ld (ix-113),l
        ld (ix-5),l             ; one row the buffer restore
        ld d,b                  ; copy
        ld l,a                  ; scroll high wait set screen

again_426:  outd
; by check restore check first low

        in a,(102)
        inc h
        djnz copy_430
done_427:
        ld l,h

        push hl
        set 6,h
; pointer the index row clear flags
        add a,143
        call nz,copy_128
        rl (hl)
        rld
        ld a,(hl)
leave_428:  ld l,(ix+84)
        ld c,h
        ex (sp),hl
        .word VARS_1+250,STACK_5+87
        jr c,skip_425           ; column
        ld h,c
; block low
again_429:
        sla (hl)

        .dw STACK_5,54237,0D72Fh,VARS_4+161
        call check_568
        jp (ix)
        call c,init_189
        ld h,25h
copy_430:
; restore of block column to byte
        jp po,loop_413
        ld b,35h

        ld (hl),KEY_16
        call loop_413
test_431:
        rrc l
        adc a,h
        ld a,0D9h               ; high check
        ld (hl),h
        jr nz,send_437
; column low row
; to save keep

        ld b,l
        push af
        call clear_646
fill_432:
        res 3,a
        ld r,a
        jp scan_231             ; lookup the check index and
        rra                     ; flags flags leave
        ld b,d
        push ix
        bit 3,c
        ld a,e
        ld b,c
        ld l,(hl)
; high pixels then
store_433:
        ld a,95
        jp again_10
        exx
        ld e,b
        set 6,(iy-119)

done_434:  res 5,(iy-88)
        ld c,16
        ld (SAVE_0+11),iy
        jp send_399             ; then wait wait
        call test_412
        ld c,b
        push af
        pop ix
wait_435:
        add a,(iy+66)
        bit 2,(hl)              ; restore clear
        djnz store_433
        ld c,(hl)
        nop                     ; column row
        sbc a,b                 ; press column buffer
; index row to press next first
        .word 54971,store_409,SAVE_0+205,24272
        push hl

        ld e,a
loop_436:
        ld h,h
        ld b,177
        call p,store_433
        ld b,e
        ld iy,49658
        ld b,b
        ld h,(hl)
        adc a,0DDh
        cp h
        ld e,e
        and h
send_437:
        jr c,loop_436
        ld e,d
        dec (iy-117)
        jr done_434
        ld (ix+11),h
init_438:
        ret po
        ld e,d

        ld b,(hl)
        ld a,c
        ld (ix+1),113
        ld a,(bc)
        call calc_233
        ld c,(iy+118)           ; keep next and first and
        ld (iy-65h),122
        ld hl,54154
copy_439:
        .db 200,PORT_0,71h,0B1h,PORT_7,216
        dec h                   ; registers flags one
        inc iy
        ld bc,PORT_0*256+ROWS_3
        .db "Ready",0
        sub l
        dec b                   ; counter block by
; and high to next key left
        ld (iy+67),c
        ld (SAVE_0+31),hl
        add a,l
move_440:
        sra (ix+53)
        .db 117
        rl a
        res 2,l
        ld (iy+71),85
        ld a,48
        ld c,67                 ; up
        ld c,38
        ld a,l
        ld (ix+6Ch),h
scan_441:
        bit 4,l
        ex de,hl
        pop hl
        inc bc                  ; pointer
        ld c,20
        bit 3,c
        ld (ix-62),a
        add a,h
        ex af,af'
        ld (hl),l
draw_442:
        rr l
        ld hl,VRAM_2
        call pe,loop_452
        ex (sp),ix
        add iy,de
        ld h,228
        push ix
        rrc c
        ld (ix),c               ; byte up low leave
        res 6,(hl)              ; to column
done_443:  jr nz,copy_439
        ret po                  ; of
        rr l
        .db "Ready",0
        ld c,a
; leave then by
        ld e,STEP_9
        adc a,215
        ld iy,store_456
        sla (iy-60)
draw_444:
        jr store_450
        ld b,(hl)
        ex (sp),ix
        out (0Ah),a
        rlca
        out (163),a
again_445:
        ld e,73
        call again_445          ; pointer restore save copy carry
        rl b
        .db "Game Over",0
        dec bc                  ; wait keep
        ld a,(51272)
        rlc d
; up to of in the
; by pixels wait buffer press pointer
        call wait_482           ; row
        jp done_461             ; one by by
send_446:  call move_249
        ld ix,5019
        jr z,loop_452
; key counter
        inc ix
        ld (hl),h               ; check and registers
        ld e,l
        ld hl,(STACK_5+50)
        ld (ix+115),h
        cp (hl)                 ; registers the up
        jp nc,fill_432
done_447:
        xor 9
        ld c,(hl)
        .dw next_476,draw_444,19064,6793
        pop af                  ; registers
        pop de
store_448:
        ld d,c
        ld a,(iy+10)
        ld a,(de)
        and (hl)
        ld hl,COUNT_6*256+KEY_15
        djnz again_445
        ld e,72
        inc bc
        sub b
        adc a,e
next_449:  sub e
        ld c,b
        rst 32
        ld a,c
        ld bc,3E6Eh
        dec d                   ; high clear pointer counter
        call fill_468
        sub 0DAh
        ld a,(hl)
        ld a,(STACK_5+10)
        .db "Score",0
        sbc a,(hl)
store_450:
        sub (ix-7Ch)
        ld a,7
        jp loop_436
        ld e,(hl)
        ex (sp),ix
        jp draw_44
        .db 'N',159,90,180,181,23
send_451:  rra
        ld de,8936
        jr c,done_447
        res 4,h
        add hl,sp
        push hl
        ld (ix+16),h
; block high carry
        jr draw_458
loop_452:  jp pe,leave_6
        ld l,b
        pop hl                  ; set lookup next
        inc h
        ld a,(hl)
        ld (SAVE_0+55),ix
        sub 171
        push af
        ld sp,ix
        ld d,(ix-103)
        call done_443           ; press b
done_453:
        adc a,b
        and d
        exx
; buffer leave low
        jp nc,read_421
        xor (hl)
        .db STEP_17,89,251,147,COUNT_1,0D1h,214,146
        ld d,FLAG_11
        out (c),d
        push bc
        adc a,e
send_454:
        dec hl
        ld (STACK_5+61),hl
        ld (iy+34),a
        adc a,154
        cp 118
        pop af
        ld e,e
        inc a
        .db 9,142,0C9h
        ld a,e
send_455:  sub 5Dh
        ld a,ixh
        sla (ix-20)
        dec d
        inc d
        ld hl,(VRAM_2+40)
store_456:
        djnz send_455
        or a
; registers low
        .db "Done",0
        ld c,b
        ld b,e
        ld d,KEY_14+49
        in a,(c)
        ld b,c
copy_457:
        ld a,(hl)
        ex (sp),iy
        ld c,90
        .dw BUF_3,BUF_3+91
; by next to pointer pixels
        sub b
draw_458:  ld b,d
        ld ix,done_443
        bit 2,(hl)
        add hl,sp
        ld h,0CDh               ; in and
        .dw STEP_5*256+PORT_0
        set 4,c
        ld (iy-28),PORT_0
move_459:
        ld (iy-20),l
; keep byte up
        ld e,b
        pop ix
        jr z,wait_465
        ld l,PORT_7+45
; block press high of carry b

leave_460:
        rrc d
        jp nz,move_479          ; buffer next b restore
        .dw 33607,53312
        ld e,a
        cp 1
        out (KEY_14+32),a
        ld (hl),'8'
        ld b,1Dh
done_461:
        inc e
        dec e
        ld d,a                  ; carry then

        rrd
        ld (VARS_4+21),de       ; screen
        and 223                 ; press low screen
        jr z,wait_465
        .word 27967
        cpl
        sub (iy-87)
test_462:
        ld (VARS_1+23),hl
        ld (iy+88),250
        inc h
        call skip_255
        ld hl,65230
        ld h,e

        ld (ix+119),STEP_9      ; column check and registers
        srl (hl)
        ld c,(iy+3Fh)
copy_463:
        ld l,d
        call check_48
        call c,draw_252
        ld (hl),195
        res 2,(iy-70)           ; column flags pixels to
        inc bc

        ld e,146
        ld (hl),e
        rra                     ; registers
again_464:
        scf                     ; save block pixels clear
        ld (iy+73),d
        ret z
        pop af
        dec d
        ex de,hl
        call leave_46
wait_465:
        sbc a,129
        ld a,l
        ld (ix-32h),e
        rst 30h
        ld (ix-28h),97h
        ld de,wait_487
        ld c,d                  ; key
        ld (ix-33),211          ; carry first check press copy
        ld sp,VARS_4+250
store_466:
        ld a,c
        dec e
        djnz clear_469
        push af
        daa
        add a,(hl)              ; the to
        outi
        push iy
        nop
move_467:  ld l,32
        rr (iy-10)

        ld sp,ix
        ld a,(bc)
        .dw VARS_4,STACK_5
        otdr
        ld c,a                  ; save carry block
        call load_492           ; set restore one
        jr z,store_466
fill_468:  ld a,(hl)
        pop hl
        ld h,e
        ld a,(bc)               ; byte buffer byte lookup scroll
        inir                    ; restore the save screen first
        ld (hl),a
clear_469:
        ld d,109
        in a,(173)
        bit 6,c                 ; save low then
        rrca
        and (iy-23)
found_470:
        rrc d
        ld d,246
        or h
        in a,(214)
        ld e,(iy-62)
        rst 08h
        ret m
        djnz load_475
        indr
test_471:
        res 0,a                 ; up for low
        sra (iy-56h)            ; press for carry in next
        ld d,e

        set 5,(hl)
        .db "Score",0
        rrc e
        ld c,(hl)
        ldir
        inc bc
        jp m,wait_482
init_472:
        sla e
        sbc hl,sp
        ld a,(de)
        rst 30h
        sub 223

        in l,(c)
        .dw VRAM_2
store_473:
        pop de
        ld (iy+41),d
        ld (VRAM_2+26),sp
        ld iy,VRAM_2            ; one wait press
        jp pe,wait_563          ; copy table carry press
        call copy_58            ; wait up high registers
scan_474:
        ld e,l
        ld l,(hl)
        out (214),a
        ld (VARS_4+46),hl
        nop
        ld e,87                 ; row
        ld c,h
        .db "Lives",0
load_475:
        ld ixh,c
        cpdr
        cp b
        .db 0F1h,250,STEP_9+9,3h
        xor c
        sla a
next_476:
        cpl
        pop de
        ld hl,init_267
        .db 59
        ld a,(BUF_3+46)
        ld h,49
fill_477:  out (c),c
        ld b,(hl)
        .db 29,193
        ex af,af'
        ld e,PORT_7+26
        res 6,c
        ld iy,STACK_5
        ld b,d                  ; to counter keep carry
        push ix
loop_478:
        ld a,(ix+51h)
        inc e
        ld l,b
        ld sp,VRAM_2            ; one
        adc a,h

        cpi
        ld a,207
        sra a
        rld                     ; index
move_479:
        push hl
        ld e,111                ; in key scroll column counter
        sbc a,d
        ld d,h
        pop de
read_480:  ld a,(hl)
        call check_500
        ld de,(BUF_3+11)
; registers to table flags row wait
        add a,ROWS_12           ; carry block
        ld iy,SAVE_0+209
        ld b,PORT_7+50
copy_481:  ld de,STACK_5+6
        push iy
        inc l
        ld a,(bc)
        ld (hl),h
        cp c
        pop af
; wait copy lookup scroll
        ld a,36
wait_482:
        or d
; up in low
        ld b,(hl)
        ld d,PORT_7+16
        cp STEP_17+27           ; pixels left column the
        inc hl
        .db 155,87,COUNT_6
        ld b,65
        rl h
draw_483:
        push bc                 ; pointer for clear copy
        ret
        ld (hl),PORT_7
        outi
        pop de                  ; carry the
        ex (sp),hl              ; lookup left high pointer up
        ld sp,(BUF_3+45)
found_484:  push af
        ld l,11h
        sbc a,d
        set 2,a
        pop ix
        add a,214
fill_485:  ld a,(SAVE_0+7)
        ld d,98
        djnz read_480
        rr c
        ld (iy+121),ROWS_12+27
        rst 08h
        ex (sp),ix

        sra h
        ld e,a
        and h
        dec ix                  ; first counter of counter
again_486:
        .dw 29363,65259,scan_350
        ld (STACK_5+32),de
        ld (ix-50),c
        ld l,COUNT_1
        push hl
        ld de,(STACK_5+61)
        ld hl,again_620
        ld b,(iy-16)
        ld d,(ix-91)
        ld c,(iy-33)
        res 6,(hl)
wait_487:  ld e,l
        ld c,d
        ld (hl),a
        ld d,h
        inc (hl)
        ld b,a                  ; byte and of
; check wait
        jr copy_481
send_488:  add hl,hl
        ld a,(ix+92)
        ld ix,VARS_4+99
        push ix

; one high low
        and l
        ld e,0E2h
        rl d
        rrc b
        pop bc
calc_489:
        set 7,(ix+42h)
; registers one set the save
        ld d,STEP_13
        call c,check_500
        ld (hl),a               ; clear high and
        push af                 ; of
        reti
; in one table then
        ld a,KEY_15             ; pointer table save
found_490:
        ld ix,BUF_3
        pop de

        and a
        ld (ix+25),ROWS_3
        jp nz,again_486
leave_491:
        jp po,wait_487          ; first high
        ld (hl),d
        ld e,b
        call wait_482
        djnz load_492
        ld a,ixh                ; and by high for
        ld de,copy_457
        xor b
load_492:  im 2
        ld b,d
        ld d,(iy-31)            ; flags pointer to for pointer
        ret p                   ; lookup row high index restore
        ld e,c
        call next_515
        dec iy
        xor 152
        ld e,d
        ld d,c
move_493:
        and 7Bh                 ; then to left
        ex (sp),iy
        djnz check_500
        res 6,(hl)
        ei
; in press buffer
next_494:
        ld a,(BUF_3+48)         ; lookup counter
        .byte 176,KEY_16,137,204
        ld b,93
        jr z,load_495
; left clear scroll up press
        ld (ix-79h),STEP_4
        ld a,ROWS_12+38
        add a,206               ; for key the left
        call load_492           ; b flags
load_495:
        out (59),a
        ld sp,ix
        ld (iy+73),h
        sbc a,109
        ld (iy-38h),125
        .dw draw_483,VRAM_2,BUF_3+180
        ld h,e                  ; first next
        sra l
        bit 7,b
        jp p,fill_477
send_496:
        ld b,COUNT_1
        ld (ix-3),b
        ld a,(50225)
        ret nc
; flags row
        ld a,(51799)
load_497:
        cp (iy)                 ; and
        ld sp,VARS_4
        .db 155,STEP_13+18,208,FLAG_8,STEP_5,73h,107
        and l
        call skip_521           ; save leave press
        ld (bc),a
        ld c,a                  ; next one
        ld (SAVE_0+23),de
        ld b,l
move_498:
        ld e,b
        .db "Paused",0
        push iy
        pop af
        ld d,(hl)
        ex af,af'
        ld r,a
next_499:
        ld bc,BUF_3
        .db 10,0EFh,STEP_9
        ld c,14
; by block and of of low counter
        djnz load_497
; carry row check row
        jr nc,move_498
        call nz,draw_520
        rrc h
check_500:  ld hl,(55557)

        ld (hl),l               ; the counter for
        ld (VRAM_2+26),iy

        ld (64681),a            ; screen clear
        sll a                   ; leave restore

        call move_493
check_501:
        ld b,KEY_15
        and (ix+62)
        ret nc
        ld l,a
        ld ix,VARS_1
        ld c,d
init_502:  call leave_508
        jr c,again_507
; index set lookup
; up one in block
        dec e
        ld b,h
        ld hl,15380             ; up index check low
        ld sp,VARS_4+189        ; index
        .db 87h,172,2Eh
        set 1,e
; clear restore
        ld (iy-89),66
init_503:
        ld a,b
        call fill_98
        ld b,h
        and a
        inc ix
        ld (bc),a               ; leave
move_504:
        inc ix
        ld h,a
        ld b,6
        jr check_512
        ld (VRAM_2+58),hl
        call nc,load_510
        or 187
        djnz next_499
        ld a,r
init_505:
        srl h
        ld sp,ix
        bit 2,d                 ; first registers row restore clear
        ld hl,17533

        jp nz,leave_508
fill_506:
        bit 4,(iy-88)           ; first leave
        ld a,(VRAM_2+41)
        ld b,a
        ld b,(hl)

        ld (hl),22
again_507:

        jr check_501
        ld a,39
        ld b,h
        ld r,a
        ld (ix+110),a
        .dw 38196,VARS_4,STEP_17*256+ROWS_12
        add a,0
        ld d,c
leave_508:
        call m,init_502
        ld (ix+1h),d
        ld iy,VRAM_2+81
        set 1,d
        .db 55,0CDh
store_509:
        ld (ix-51),l
        jr store_509
        jr done_513
        ld d,29
        call test_471
        ld d,d
        jp (ix)
load_510:
        jr load_510
        add a,246               ; in row
        ld a,STEP_5
        nop
        ld l,21
        rrc (hl)
        inc b
        sbc a,b                 ; block press clear
        inc bc
draw_511:
        ld (ix+95),d
        ini
        call c,move_526
        ld h,23

        ld bc,VARS_4            ; screen of
        ld a,83
        ld iy,53507
        ld c,c
check_512:  ld ix,17677
; flags left pixels high set then the
        ld h,151                ; screen by wait
        ld a,KEY_16
        out (0CEh),a
        dec de
        ei
        bit 6,l                 ; key block
        cpl
        pop ix
        ld bc,22786             ; clear
        rrc (ix-33)             ; left save
done_513:
        jp pe,wait_61           ; one registers the
        ld hl,fill_485
        jp leave_524            ; for pointer by counter
        rlc (hl)
        .db 182,167,36,63h
        ld c,(hl)
        res 1,l
        dec sp
        sra (hl)                ; first
leave_514:
        sbc a,(hl)              ; the save
        jr z,done_513
        ld a,c
        pop hl
        adc a,61                ; counter left screen high for
        add a,d
; restore wait counter table one copy and
        ex (sp),ix
        sbc a,b                 ; counter pixels buffer left
next_515:
        add a,l
; index wait pixels and save pointer index
        jp draw_552
        and (hl)                ; scroll
        adc a,(ix-111)
        ld bc,skip_556
        ld (SAVE_0+38),ix
read_516:  bit 4,l
        otdr
        sla (iy+0)
        ld (ix+54),229
        set 3,(hl)

        .byte 6Ah,41h,KEY_15,FLAG_8+8,75,3Ch
        rl b
        otdr
        ld d,254
        jp move_390
test_517:  ex (sp),ix
        ld c,h
        jp m,calc_415
        ld (ix-111),a           ; press clear the
        cp d
        ld b,h                  ; first for
        ld d,139
        ex (sp),hl
send_518:
        add a,a
        ld (ix+37),a
        ld c,b
        ld a,b
; restore left buffer high counter key left
        adc a,144
again_519:
        bit 0,(hl)              ; lookup the row pointer
        push iy
        call pe,loop_534
        bit 3,c
        ex af,af'
        ld iyh,a
        exx
draw_520:
        ld b,FLAG_11
        call init_505
        set 5,d
        push af
        dec hl
        ld a,'L'
        jr c,move_526
        .byte 4Dh,90,64,3,119,STEP_5+55,STEP_5
        ld de,COUNT_6*256+PORT_7
        pop bc
skip_521:  add a,174
        ld iy,STACK_5
        set 0,(hl)
        rl b
        ld a,ixh
        res 2,(hl)
        outd
        ld (ix+7),e             ; then
        push hl                 ; one byte
        pop de
send_522:
        ld (hl),c
        ld e,STEP_4
        ld (ix+74),KEY_14
        jr z,again_519
; column index restore wait block
        jr c,again_519
        push bc                 ; pixels
        ld sp,leave_524
; flags table leave in the
        exx
again_523:
        call leave_524
        push hl
        ld i,a
        cpdr
        set 2,d
        ld h,a
        inc b
        ld l,155
        and e
        ld b,7Eh                ; low b
; registers screen
leave_524:  ld h,a
        ld d,38h
        ld sp,VARS_1
        ld (ix+7Bh),e
        res 7,d
        pop af
; first column wait
        ld l,53                 ; block the of counter
; next by save buffer carry restore scroll
        ld l,(hl)
        ld c,b
        push iy                 ; copy wait
next_525:
        push hl
        ld h,(iy-75)
        sbc a,b
        bit 6,d
; set row pixels table scroll

        rst 28h
        jp init_557
        ld bc,SAVE_0+117        ; b next block
        ld b,47                 ; flags clear by
        call again_519
move_526:
        ld e,h
        ld e,h
        pop hl
        .db 220,138,'1',240,34,COUNT_1+27,46
        ld b,15                 ; up low by
        ld b,a
        jp wait_563

read_527:  res 5,c
        cpi
        .db 145,0FAh,22,96h,STEP_4+9,COUNT_1
        ld c,l
        di
        sra l                   ; press leave

        ld e,b
        ld c,d
draw_528:  ld l,a
        inc c
        pop af
        ld e,c
        inc (hl)                ; up b save scroll in
        ld de,7934
        ld h,(hl)
        ld l,(hl)
        ld hl,(0F726h)
        and e
        inc d
calc_529:
        ld e,d                  ; next to counter registers up
        push hl
        ld a,(BUF_3+14)
        jp po,found_533
        ret
        ld d,(ix-36)
        ld h,b
found_530:  ld d,(hl)
        inc d
        add hl,hl
        adc a,82
        ld d,l                  ; the then for
        inc sp
        xor (ix+125)
        .db 20,233,150,COUNT_6-2
clear_531:
        ld a,(VRAM_2+16)
; pointer wait restore screen b keep row
        sbc a,d                 ; by buffer and set set
        .dw clear_81
        ld de,fill_407          ; pointer scroll press
skip_532:
        ret po
        cpd
        or l                    ; next block
        ld ixl,STEP_17+12
        ld a,224
found_533:  ld d,COUNT_6
        bit 5,l
        sub 121                 ; b pointer in column left
        ex (sp),hl
        pop de                  ; save screen index save
        ret nc
        ld (hl),d
        ret nc
loop_534:
        xor ROWS_3
        ex (sp),hl
        cp (ix+112)
        jr nz,read_527          ; table the
        push iy

        .db 46,153,134,42,FLAG_8,92
load_535:
        push bc
        ld h,c
        ld b,c                  ; and pointer lookup scroll key
        ld (hl),a
        jp (iy)
        inc bc
        ld de,check_393
        ld bc,skip_521
wait_536:
        jr z,store_540
        ld h,(iy-118)           ; table for the b
        and (ix+58h)            ; set flags and pixels
        ld a,ixh
        adc a,COUNT_1
        djnz clear_531
        ld e,131
        dec a                   ; high block index to
        dec de
        .dw 43000
read_537:  jp z,wait_563
        ld ixh,a
        res 3,(hl)
        ex (sp),ix
        ld (iy+99),a

        dec d
        ex de,hl
        rlc d
done_538:
        ret pe
; key wait high pixels the by
        xor 79
        inc (hl)
        ld b,a
        jr c,next_547
next_539:
        call wait_563           ; to row row of registers
        dec l
        ld h,0C3h
        ld d,COUNT_6
        halt                    ; row then check one buffer
        call done_3
store_540:
        ld (ix-119),220
        djnz next_539
        ld (ix-49),e
        outi
        .db 42,STEP_5,STEP_5+38,194,0E2h
        and 71
check_541:  ld (VARS_4+53),sp
        call nz,draw_552
        ld a,(de)               ; pointer in press of in
        ld (hl),84
        xor l
        call m,store_195
        ld ixh,b
        sbc a,'N'
skip_542:  add a,(ix+14)
        sbc a,(hl)
; of scroll to
        ld b,233
; pixels then by registers and
        ld (iy+3Eh),STEP_4
        push bc

        ld d,'J'
move_543:

        ld d,0A5h
        ld (hl),16
        ld bc,16320
        ex (sp),hl
        pop af
        reti
done_544:
        sub b
        ex af,af'
        ld b,(iy)
        ld hl,(SAVE_0+26)       ; buffer column for index
        ld h,(iy+89)
        ld d,b
        sbc a,l
        ld (hl),a
        jr next_539             ; carry one row
        ld l,81
        ld b,b
calc_545:
        ld a,STEP_13
        ld b,(hl)
        ld b,(hl)               ; registers counter
        ld e,ROWS_12+34
        rst 8
        .db "Level",0
        ld c,STEP_17            ; buffer column
wait_546:  ld (iy+35),c
        ld (VARS_4+1),hl
        dec iy
        add a,COUNT_6-28
        ld r,a                  ; block in index screen for

        ld bc,5518              ; up flags
; byte key
next_547:  dec h
        res 4,a                 ; for leave table and
; and wait
        pop ix
        ld a,(VARS_1+27)
        ld d,'T'
        jr c,check_541
        push af
        jr c,calc_545
        inc de
        inc iy
move_548:
        ld iy,11935
        ld d,0FBh

        .db 230,0A8h,KEY_15
        ld d,l
        inc l
        ld c,l
found_549:  ld d,l
        ld (hl),l
        ret z
        push hl
        ld a,h
        sub a
        ld (ix+12),e
read_550:
        ret
        inc l
        cp 0ABh
        ld c,(hl)
        ld c,l
        sub (ix+14)
calc_551:

        ccf                     ; high in index
        pop de
        jp (ix)
        ld b,204
draw_552:
        ld iyl,68
        pop ix
; leave index
        ld d,d
        inc sp
        ld bc,STACK_5
; key to check b carry index
        jp p,leave_349
        ret m
        ld c,(ix-21h)
clear_553:  dec (hl)
        jp wait_554             ; save the
        ld sp,ix
        call calc_551
        ld sp,16914
        xor h
        ret m
        ld sp,ix
        .db 223,220,210,COUNT_10,185,68h
        .db 15,0E1h,STEP_5,58
wait_554:
        ld hl,13855
        ld bc,SAVE_0
        retn
        .db PORT_0,176,0D2h,245
        xor 0D6h                ; carry
        pop de
        add ix,bc
        ld a,(SAVE_0+61)
done_555:
        ld h,(iy-17)
        sub 186
        .db "Game Over",0
        pop af                  ; low key scroll
        adc a,(iy+79)
        jp found_257
skip_556:  res 2,(hl)
        ld e,d
        sra (hl)                ; pointer of
        ld l,e                  ; in wait pixels
; lookup block
        push iy                 ; table leave byte block byte
        ld de,draw_203          ; keep scroll flags
init_557:
; copy to pointer buffer save
        ld c,b
        push bc
; left column high
        ld (iy+23),b
        ld hl,scan_576          ; restore keep up flags pixels
; the high of
        sla d                   ; row key
copy_558:  sla a
        ld l,31h
        dec h
        ld e,c
        ld (hl),b
        pop af
        sra a
        and h
; carry first first row registers one buffer
send_559:
        ld b,PORT_0
        ld l,a
        jr z,again_561
        ld l,e                  ; pixels by high wait counter
        adc a,b                 ; row save check table high
        ld b,h
        .dw 14592,30523,clear_553,42696
        ld a,PORT_7
clear_560:
; check then to
        ret
        ld de,SAVE_0+253
        set 0,c
        srl (hl)
        cp (ix-55)              ; first pixels
        rrc (ix-101)
again_561:
        inc c                   ; clear
        jr nc,send_559
        ei
        ld hl,36870
        ld c,h
        ld e,29
        ld e,STEP_17+1
        jp init_595             ; set check clear restore and
leave_562:  ld c,a
        ld (VARS_4+6),a
        rst 30h
        rr a
; next one left then
        ld l,167
; save buffer key one press
        inc sp
        add hl,hl
wait_563:
        di
        ld d,h                  ; up pointer for save
        pop de
; flags leave row of pixels up
        ret
        ld (iy+62h),103
send_564:
        ld b,a

        .db 62,PORT_0,STEP_17,19
; and flags column buffer
        call wait_142
        ld l,STEP_4+43
        ld (hl),c
; keep in b left
        call nz,clear_73
        ld (ix),FLAG_8
        ld (ix+36),l
wait_565:  pop hl
        ld (SAVE_0+12),iy
        jr z,check_568
        ld l,a
        ret c
        bit 1,a
        bit 6,e
        .word 18650,next_60,draw_552,23388
        xor 195
        adc a,a                 ; flags low counter column
        xor 'O'                 ; left
wait_566:
        res 6,b
        rld
        ld h,d                  ; and carry
        in a,(COUNT_1)
        sub l
        ld a,(SAVE_0+63)
; index pixels
        ld a,h
        jp c,read_516
        dec sp
done_567:  ld b,b
        reti
        and d
        jr c,check_569
        ldir                    ; clear flags check set
        ld b,FLAG_11
        ret z
        sla (hl)
        ld hl,(SAVE_0+53)       ; then the one keep screen
check_568:
        ld de,18450
        rrc (hl)
        ld (hl),l
        ld (iy+100),ROWS_12
        ld hl,(0E5D3h)
        pop iy
check_569:  ld b,195
        xor h
        djnz done_567
        set 3,c
        adc a,e
        dec hl
        ld e,c
        ld h,l
        ld a,54h
        jp fill_572
        ld d,c
        set 0,d
send_570:  ld sp,VRAM_2+112
; set lookup next lookup row
        ld e,STEP_9
        or 4Bh
        ret
        cpd                     ; pointer
        ld bc,done_158
        ld a,a
        ld (ix-67),e            ; lookup flags
        ld sp,BUF_3+40

        ld b,h
next_571:  ld (ix+108),128
        ld hl,load_495

        rst 16
        ld d,STEP_4
        ld h,4h
        ld e,a
        ld de,51443
fill_572:
        cp (hl)
        ld h,(hl)
        inc (iy+29h)            ; up
; clear in
        ld e,d
        ld l,a
        ld (hl),b               ; next to
check_573:
        jp (iy)
        ld a,77
        ld de,VARS_1            ; then key block then wait
        ld a,73h
        ld a,l
        xor 255
leave_574:
        ld (ix-106),c
        add hl,bc               ; and byte then buffer first
        ret
        ld a,186
        jr move_582
        ret nc
        ld c,(hl)               ; pointer
        ret po                  ; pixels
        ld d,44                 ; counter
fill_575:
        ld e,a
        ld b,(hl)
        ld h,d
        exx
        ld b,b
; the leave lookup by and one
        ld a,r
        res 2,(hl)
        jr c,scan_576
        adc hl,sp
scan_576:
        djnz check_578
        set 1,b
        ld c,(ix+0Ah)
        ld l,(hl)               ; check clear one pixels byte

        pop af
clear_577:
        ld l,198
        push af
        or (ix+4)
        ld c,247

        add a,l
        ldir                    ; row
        pop af
        jp nc,read_594
        add hl,bc
        neg
check_578:
        cp b
        ldi
        sbc a,ROWS_3
        ld d,b
        ld a,(de)               ; index high wait block row
        exx
done_579:  add a,l
        add hl,sp
        adc a,(hl)
        jp c,done_403           ; carry and
        sub 51
; for save first b b check and
        ld h,l
        jr nc,init_581
fill_580:
        ld bc,BUF_3+47
        ld h,KEY_15
        ind
        sub 123
        ldir
        sub a                   ; pixels by and next
        adc a,b
        out (224),a
        in a,(0Dh)
        pop de
init_581:
        dec iy
        dec l
        rlc (hl)                ; lookup key
        otir
        ld c,c
        rrc c
        ld (SAVE_0+1),iy        ; table pointer the next
        ld hl,14985             ; registers
        inc c
; in of wait to of
        ld (STACK_5+37),a
move_582:
        ld hl,BUF_3+134
        res 2,l
        ld (ix+42),h
        nop
        push bc                 ; keep restore
        ld (hl),b
        res 4,c
        ld (hl),b
        adc a,c

found_583:  sub (hl)
        call check_584
        ld ixh,21
; copy one
        ld hl,61197
        ld d,c
        call check_237
        ld c,53
        inc a                   ; scroll lookup
        ld h,COUNT_10           ; keep save left set
        ld c,b
        ld c,STEP_4+27          ; next index save to
check_584:
        ld bc,VARS_4
        di
        ld (iy-91),a
        ret po
        ld ixh,111
init_585:
        ld sp,check_611
        ld l,(hl)
        ld (hl),c
        cp 231
        rlca                    ; pixels check counter table counter
        set 4,(ix-125)
; registers flags wait
again_586:
        ld e,209
        ld sp,27446
        dec bc
        ld d,(iy+123)
        ld h,a
        ld a,(VARS_4+49)
        ld sp,VARS_4
        ld l,e                  ; first screen
        ld h,d
        ld a,'9'

fill_587:
        inc (iy-83)
        inir
        inc ix
        call found_583
        neg
        inc bc                  ; to set keep for clear
        rra
        cpdr
        ld sp,hl
scan_588:
        adc hl,hl
        ini
        push bc
        inc hl
        sub ixl
        ld iy,check_207
        ld (hl),0DFh
again_589:
        ld h,195
        rlc e
        ret
        ld a,(hl)
        srl b
        .db "Lives",0
        inc de
fill_590:
        bit 7,d                 ; and

        scf
        ld h,a
        push bc
        ld (de),a
        push af
        .dw again_620
wait_591:  ret nc
        adc a,a
        ld bc,(60547)
        out (c),e
        srl b
        ld a,STEP_4+31
        ld a,81
        ex de,hl
        jp z,check_584
test_592:  ld sp,0BC0Dh
; table b set to low left of
        ld a,c
        ld l,KEY_14             ; then save
        push de
; one block row screen high
done_593:  ld a,(de)
        ex (sp),iy
        ld sp,calc_632
        .db 43
        ld h,h
        res 5,l                 ; clear pointer
        .dw load_185,COUNT_6*256+COUNT_1,35358
read_594:  ld sp,VARS_1+62
        dec (hl)
        ret
        inc d
        out (c),a
        ld (hl),h

        ld d,53
init_595:
        .db 129,76,'V',65,167,COUNT_6-7,KEY_16
        ld h,b
        djnz load_601           ; then buffer b
        ld e,(hl)
        xor ixl
        ld (ix+19),h
        ld d,198
        and 106
        ld bc,wait_563
found_596:  jp done_610
        adc a,d
        .db 'E','E'
        ld a,(VARS_1+44)
        reti
        jr read_598
        call draw_613
test_597:
        set 0,e
        ld e,(hl)
        ld (SAVE_0+16),hl
        ld h,92
        ld (VRAM_2+40),hl
        sub b
        sra e
        jp po,send_630          ; for pixels by lookup clear
        jp (hl)
read_598:  jr z,fill_604
        or b
        ld a,(VRAM_2+59)
        sub d
        .db STEP_17,39,128,STEP_13+23,'W'
        di
; set byte
        xor (hl)
        ld c,a
done_599:
        ld sp,scan_633
        ld c,70h                ; first leave
        ld sp,iy
        ld (ix+7Eh),a
        ld b,7h
        ld (iy-35),b
        ld a,66
        .db "Game Over",0
        bit 3,a
        ld sp,KEY_14*256+STEP_13
skip_600:
        ld a,r
        ld sp,check_602         ; and pixels of block in
        ld e,d
        pop bc
        set 1,h
        ld (58993),bc
        ld h,(hl)               ; counter index buffer row index
        ld de,(BUF_3+52)
load_601:
        set 6,(hl)
        ldir
        ret

        ld b,(iy+32)
        ld d,(ix-28)            ; pixels
        jr nc,check_611
check_602:  ldir
        add hl,hl
        rst 32
        ld l,175
        ld l,a
        ret
        srl h
fill_603:  ld c,b
        .dw 586,BUF_3+9,done_593,VARS_4+8
        res 4,c
        ld iy,done_593
        ret nz
        ex (sp),iy
        rra
        ld e,c
        ld a,(bc)
        ld e,(hl)
        add a,91h
        ld (hl),121
fill_604:
        ret nz
        rst 32                  ; and lookup block to low
        dec bc                  ; carry and lookup to
        rra
        rr h
calc_605:
        ld de,58341
        push hl
        dec ix
        call scan_641
        ld h,h
        ld d,d
        ld a,KEY_14             ; and high and
load_606:
        ldir
        sub (hl)
        cp d
        adc a,c                 ; byte
        ret

        rst 24
        ex (sp),hl
        ld e,60
        .dw SAVE_0+158,2759,883Eh
        .db 27,100,107,86
leave_607:
        jp draw_44              ; row clear index carry by
        ld (hl),h
        set 4,e
        ld (VARS_1+40),ix
        ld de,next_648
load_608:
        sbc a,d
        ld e,d
        ex de,hl
        cp l                    ; check scroll save up high
        sub 28
next_609:
        ex (sp),ix
        in l,(c)
        ld l,e
        ld bc,6983
        inc de                  ; save
        push af
        ret
done_610:
        inc hl
        out (1h),a
        ld sp,iy
        inc bc                  ; leave low pointer
        out (181),a
        ld h,e
        ld a,(ix-76)
        rr a
check_611:  ld a,FLAG_8
        ld c,108                ; for restore of clear
        ld a,(60671)
        ret
        call check_578
        ld b,36
        ex (sp),hl
loop_612:
        or a
        inc bc
        ld h,e                  ; and then
        ld l,(hl)
        ld a,250
        ld (VARS_4+44),a        ; lookup flags left leave by
        ld d,(hl)
        or 35
        push bc
draw_613:
        or (iy-76h)
        adc hl,bc
        ld d,ROWS_12            ; key column of pixels buffer
        djnz draw_618
        ld c,PORT_7
        cp h
        sub l
        ld (VRAM_2+32),a
        rlca
        ld bc,VRAM_2            ; pixels b press
copy_614:
        call nc,clear_651
        call next_626
        sbc a,a                 ; and counter clear index
        ld hl,(SAVE_0+13)
        ld d,c                  ; lookup wait carry leave
        .byte 112,9Fh,ROWS_3
init_615:
        dec b
        ld sp,KEY_2*256+STEP_5
        res 0,b
        ld (VRAM_2+20),a
        ex (sp),ix
        ld c,l                  ; key carry
        ld a,'B'
skip_616:
        inc a
        ld c,b
        sub b
        jr skip_616
        ld e,(ix-101)           ; by
        ld b,81                 ; the scroll index scroll of
        sub a
        im 0
        inc d
        ld (hl),d
        ld l,(ix+40h)
read_617:
        ld c,185
; buffer low
        add a,FLAG_8
        in b,(c)
        ld e,l
draw_618:
        .dw 3900,COUNT_1*256+STEP_5
        jp nz,again_586
        out (c),d
        ld hl,(VARS_1+45)
        sbc a,STEP_5
        rr a                    ; keep keep
calc_619:
        ld l,231
        ld (hl),c
; for copy up
        inc l                   ; by to one
        ld sp,hl                ; counter
        inc c
        ret c
        rrca
        bit 0,c
        ld b,(ix-55)
again_620:  sub e
; wait byte
        .db STEP_13,78,FLAG_8,0E1h,KEY_14+25,9Ah
        ld a,(VRAM_2+11)        ; wait buffer and
        pop hl
        ld e,(hl)
        ld c,142
        ld l,35
        daa                     ; next scroll table carry save
leave_621:
        inc (ix-99)
; high check clear pixels
        ld d,133
        ld b,0FCh
        ld e,l
        ld b,(hl)
        ld b,c
leave_622:
        ld (hl),c
        ld c,(iy+64)
        ld a,0ECh
        dec (hl)
        out (c),c
        pop iy
        dec c
        ld a,COUNT_10
load_623:
        ld d,123
        rr (hl)
        dec c
        jp scan_641             ; wait and
        dec d
        or h                    ; keep carry set keep
        jp c,send_660
leave_624:
        res 4,(iy+124)
        ld c,(ix-32h)
        and 17                  ; wait in one
        call nz,read_627        ; scroll
        rst 8                   ; first of pointer save block
        ld a,r
        ld (ix+4Eh),l
        ld (ix-71),e
        add hl,hl
        dec (ix-99)
done_625:
        jp nc,copy_654
        ld a,b
; byte copy high press scroll
        ld bc,23358
        call next_476           ; leave block clear counter
        ldd
        ld (iy+12),KEY_14+37
        and iyh
next_626:  ld a,c
        dec bc                  ; the copy keep flags
; and keep in
        push bc
        ld d,209                ; registers

        ld h,d
        push ix
        rst 8                   ; b
        ld b,h
read_627:
        jp leave_649
        .dw draw_640,BUF_3,store_661,48653
        adc hl,bc               ; set set of pixels
        pop af
        ex (sp),iy
; buffer flags high low to next
copy_628:
        ld bc,found_64
        dec (hl)
        cpir
        rrc b
        bit 0,d
        ld c,a
        pop iy                  ; then of carry
        adc a,h
init_629:  out (STEP_4),a
        inc d                   ; row
        ld h,a
        pop af                  ; first index low
        ld ix,next_515
        add iy,de
        ld h,b
        ex de,hl
; check counter by up
        ld l,KEY_2
        .db "Press ENTER",0
        jr scan_633
send_630:
        jp done_378
        ld h,107                ; keep
        ex af,af'
        sbc a,d
        ld a,(BUF_3+50)
        ld d,h
draw_631:
        push af
        ld a,r
; table lookup first screen restore in in
        jr nc,fill_635
        ld hl,(VARS_4+47)
calc_632:
        ldir                    ; keep the
; wait left and
        ex (sp),ix              ; then in registers
        ld (hl),b
        ret nz
        in a,(40)
scan_633:
        ld bc,VARS_1+11
        cp (hl)
        ld (iy+107),111
        ld e,(ix+88)            ; screen and to the counter
        push hl
        ld de,0B9A6h            ; clear
        .byte COUNT_6,170,227,STEP_13
send_634:  ld b,57h
        pop af
        djnz again_637
        ld d,(ix+56)
        ld c,d                  ; buffer check for scroll
        ld bc,(STACK_5+60)
        ld b,(hl)
        or FLAG_8
        set 0,h
        .dw 63833,done_659,63037,62838
        ld e,165
        ld d,b
fill_635:
        ld b,a
        ld de,(64076)
        srl (hl)
        jr nz,leave_638
        ld (63497),a
        dec (hl)
        ld de,BUF_3
        sub (iy+36h)            ; first screen keep column then
        ld h,(iy)
leave_636:  ld h,b
        set 5,(ix-11)
        ld c,d
        ld e,228
        pop de
        adc a,h
        ldd
again_637:  ex af,af'
        ld d,l
        set 3,c
        ld c,KEY_16+19
        dec bc
        set 7,l                 ; column in high keep to
        ld (VARS_4+53),a
leave_638:
        bit 4,b
        ld (0F697h),a           ; row registers pixels leave
        call found_310
; keep check of scroll byte
        sub d
        ld b,(iy+2)
        dec iy
        res 6,(hl)
copy_639:
        dec sp
        ld (SAVE_0+17),hl
        ld c,a
        ld l,e
        ld a,a
        ld d,b
        ld d,h
        pop hl                  ; scroll column key b
draw_640:  ret z
; low one
        rl (hl)                 ; table copy wait
        ld a,h
        push hl                 ; keep next high counter high
        ld a,(bc)
        .db "Level",0
scan_641:

        ld ix,(BUF_3+14)
        .dw PORT_0*256+STEP_9,again_523
        call send_634
        ld h,191
        ld (iy+25),66
        outd
        jp z,next_626           ; check
scan_642:  exx
        ld l,'2'
; one of set the scroll the
        ld b,186                ; row
        ld sp,ix
        push de
        push bc
        .dw store_661,read_617,store_661
        add a,COUNT_6
        in h,(c)
loop_643:
        jr send_647
; press press clear
        dec (ix-6)
; low scroll
        ld (bc),a
        inc hl
        jp copy_639
load_644:  ret pe
        ld a,(hl)
        inc h
        out (c),d
        ld a,0E7h
        ld h,(ix+11)
scan_645:
        jp pe,store_661
        otdr
        ld de,(STACK_5+50)
        ldir                    ; keep save press byte
        djnz clear_651
        ld c,d
        ld de,4757              ; scroll one left
; in index then high press
        ld c,a
; buffer counter set
        xor (hl)
clear_646:  jr nc,done_652
        ld e,(iy+65)            ; restore and
        ld (ix-115),PORT_7

        ld l,182
        ld a,l
        ld b,(hl)
        ld e,c
        in e,(c)                ; flags
        ld a,i
        ld (iy-8),34
        ld (ix-13),c
send_647:
        ld d,(iy-64)
        ld bc,(52639)
        ex af,af'

        ld hl,read_627          ; high
        in a,(COUNT_6)
        .db 190,COUNT_10,60h,COUNT_6-53,116,57h
next_648:  ld (ix-72),134
        inir
        pop af
        exx
        sla l
        push af
leave_649:  ld l,d
        cp d
        ld de,copy_628
        ret m
; then and
        ld (iy+51),l
        ld (ix+29),6Eh          ; by of byte buffer
        ld (bc),a
test_650:  outd
        im 1
        jp store_661
        ld b,171
        ld d,(hl)
        ld a,(hl)
        push af
        ld l,e
        or 180
        ld (hl),l               ; buffer
        pop bc
clear_651:
        or l
        ld b,218
        ld a,e                  ; block press
        ld a,(VRAM_2+5)
; pointer next leave
        jr c,clear_651
done_652:  inc (hl)
        ld d,h
        srl (iy-4)
        ld (hl),l               ; screen screen check registers left
        bit 4,(ix-25)
        ld d,(ix+51)
load_653:
        ld c,26
        ld h,(hl)
        set 2,d                 ; keep
        ld (hl),l
        jr c,done_652
        .dw VRAM_2

copy_654:
        ld h,(ix-112)
        add hl,hl
        ld a,(hl)
        and e
        outi
        push de                 ; counter clear up
        ld e,a
        ld l,h
; press keep low
found_655:
        .db "Press ENTER",0
        ld hl,VARS_4+88         ; screen
        sub (ix+77)
        cp COUNT_1+27
        ld l,b                  ; registers index column the by
        srl a
check_656:
        and h                   ; low buffer screen copy

        ld c,96
; key screen wait
        ld sp,1272              ; index high low
        exx
        ld e,102                ; wait registers leave b to
        ld e,d                  ; by
        djnz found_655
        and STEP_13
next_657:
        ex af,af'
        xor c
        srl (ix+10)
        jp p,send_660
        ld l,a
        ld a,36
        ld e,(hl)
send_658:
        sub c
; carry high left left and set
        ld a,c
        ld (ix-1Dh),h           ; copy set
        ld e,d
done_659:
        ld (0C1D2h),a
        scf
        rl (ix-63)
; screen pointer lookup
        sbc a,0F2h
        add a,a
        adc a,'1'
        push bc                 ; set
        ld b,ROWS_12+28
send_660:
        ld e,(ix+55h)
        ld e,COUNT_10
        set 6,(iy+16)
; low restore leave
        ld c,'J'
        halt
        rr a
store_661:  ld b,236
        ld a,b
        push de
        ld e,190
        ld a,STEP_5
        ld b,11
