; Indexed bit, rotate and shift instructions (DD CB d op / FD CB d op) with
; displacements across their whole range, negative ones included: the
; displacement byte stands in front of the last opcode byte and must never
; change it.

        .org   $9D95
        bit    0,(ix-1)
        bit    3,(ix-5)
        bit    7,(iy-128)
        set    7,(ix-128)
        set    1,(iy-2)
        res    0,(iy+127)
        res    6,(ix-100)
        rlc    (iy-2)
        rrc    (ix-1)
        rl     (ix-128)
        rr     (iy-64)
        sla    (ix-3)
        sra    (iy-4)
        srl    (ix-127)
        bit    5,(ix)
        set    2,(iy+0)
