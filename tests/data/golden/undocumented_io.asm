; Undocumented input/output forms that pasmo does not assemble.  Their bytes
; in undocumented_io.bin are written by hand in make-golden.sh.

        .org   $9D95
        in     f,(c)
        in     (c)
        out    (c),0
        IN     F,(C)
        OUT    ( c ) , 0
