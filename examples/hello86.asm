; hello86.asm - greets the user on the TI-86 home screen and waits for a key.
;
; Build it with "quarn hello86.asm"; the result, hello86.86p, is sent to the
; calculator and started with Asm(hello86).
;
; The ROM entry points and RAM addresses below are those of the TI-86 system
; include file that Texas Instruments published for assembly programmers
; (ti86asm.inc); the ROM call references in the ticalc.org archives list them
; as well. They are defined here so that the example needs no include file.

_clrLCD         = $4A7E         ; clear the whole screen
_homeup         = $4A95         ; cursor to row 0, column 0
_puts           = $4A37         ; print the zero-terminated string at HL
_runindicoff    = $4AB1         ; hide the busy indicator
_getkey         = $55AA         ; wait for a key; its code comes back in A
_curRow         = $C00F         ; cursor row, 0 to 7
_curCol         = $C010         ; cursor column, 0 to 20
_asm_exec_ram   = $D748         ; assembly programs run from here

        .org    _asm_exec_ram

start:
        call    _runindicoff
        call    _clrLCD
        call    _homeup
        ld      hl,greeting
        call    _puts
        ld      a,3             ; the prompt goes on the fourth row
        ld      (_curRow),a
        xor     a
        ld      (_curCol),a
        ld      hl,prompt
        call    _puts
@wait:  call    _getkey
        or      a
        jr      z,@wait
        call    _clrLCD
        jp      _homeup         ; leaves with the cursor home, as the OS expects

greeting:
        .text   "Hello, TI-86!"
prompt:
        .text   "Press any key"
