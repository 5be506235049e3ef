#!/usr/bin/env bash
# Remakes the expected bytes of the golden sources in this folder.
#
#   all_instructions.asm  ->  all_instructions.bin, all_instructions.hex
#       assembled by pasmo (Debian package pasmo) and, as a cross-check, by the
#       GNU assembler for the Z80 (Debian package binutils-z80).  The two must
#       give the same bytes; the script stops when they do not.
#   indexed_negative.asm  ->  indexed_negative.bin, indexed_negative.hex (the same way)
#   undocumented_io.asm   ->  undocumented_io.bin, undocumented_io.hex
#       forms pasmo cannot assemble.  Their bytes are written out by hand below
#       and checked against the GNU assembler when it is installed.
#
# The sources are in quarn's syntax; sed turns them into each peer's dialect:
#   .org/.db/.dw            -> org/defb/defw (the GNU assembler gets the origin
#                              from the linker instead of org, which would pad)
#   sl1                     -> sll      (pasmo knows only the second spelling)
#   ex af,af                -> ex af,af' (both peers insist on the apostrophe)
#   add/adc/sbc r           -> add/adc/sbc a,r   (accumulator left out)
#   sub/and/xor/or/cp a,r   -> sub/and/xor/or/cp r (accumulator written)
#
# Known disagreements between the peers: none for these sources.
#
# Usage: tests/data/golden/make-golden.sh   (from anywhere)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

command -v pasmo >/dev/null || { echo "pasmo is not installed (apt-get install pasmo)" >&2; exit 1; }

# Common rewrites of quarn's dialect.  The accumulator rules look only at the
# part of the line before a ';' comment.
common_sed=(
  -e 's/^\([^;]*[[:space:]]\)sl1\([[:space:]]\)/\1sll\2/I'
  -e "s/^\([^;]*[[:space:]]ex[[:space:]]\+af[[:space:]]*,[[:space:]]*af\)\([[:space:]]*\(;.*\)\?\)$/\1'\2/I"
  -e 's/^\([[:space:]]\+\)\(add\|adc\|sbc\)\([[:space:]]\+\)\([^,;[:space:]][^,;]*\)\(;.*\)\?$/\1\2\3a,\4\5/I'
  -e 's/^\([[:space:]]\+\)\(sub\|and\|xor\|or\|cp\)\([[:space:]]\+\)a[[:space:]]*,/\1\2\3/I'
)

to_pasmo() {
  sed "${common_sed[@]}" \
      -e 's/^\([^;]*[[:space:]]\)\.org\([[:space:]]\)/\1org\2/I' \
      -e 's/^\([^;]*[[:space:]]\)\.db\([[:space:]]\)/\1defb\2/I' \
      -e 's/^\([^;]*[[:space:]]\)\.dw\([[:space:]]\)/\1defw\2/I' "$1"
}

to_gas() {
  sed "${common_sed[@]}" \
      -e 's/^\([^;]*[[:space:]]\)\.org[[:space:]].*$/\1/I' \
      -e 's/^\([^;]*[[:space:]]\)\.db\([[:space:]]\)/\1defb\2/I' \
      -e 's/^\([^;]*[[:space:]]\)\.dw\([[:space:]]\)/\1defw\2/I' "$1"
}

# The origin of a source: the operand of its first .org, as a C-style number.
origin_of() {
  local org
  org=$(sed -n 's/^[[:space:]]\+\.org[[:space:]]\+\$\([0-9A-Fa-f]\+\).*/\1/Ip' "$1" | head -n 1)
  echo "0x${org:-0}"
}

# The readable companion of a .bin: the bytes as quarn's hex listing writes
# them, four to a line.
write_hex() {
  od -An -v -tx1 "$1" | tr -s ' \n' '\n\n' | sed '/^$/d' | tr 'a-f' 'A-F' \
    | awk '{ printf "%s%s ", (NR > 1 && (NR - 1) % 4 == 0) ? "\n" : "", $0 } END { printf "\n" }' > "$2"
}

assemble_gas() {  # source output.bin -> 0 when assembled, 1 when the peer is missing
  command -v z80-unknown-coff-as >/dev/null || return 1
  to_gas "$1" > "$work/gas.s"
  z80-unknown-coff-as -march=z80+full -colonless -o "$work/gas.o" "$work/gas.s"
  z80-unknown-coff-ld -Ttext="$(origin_of "$1")" -o "$work/gas.out" "$work/gas.o"
  z80-unknown-coff-objcopy -O binary "$work/gas.out" "$2"
}

# ---- sources both peers assemble: pasmo, cross-checked with the GNU assembler ----
golden_from_peers() {
  local name=$1
  local src="$here/$name.asm"
  to_pasmo "$src" > "$work/pasmo.asm"
  pasmo --bin "$work/pasmo.asm" "$work/pasmo.bin"
  if assemble_gas "$src" "$work/gas.bin"; then
    if ! cmp -s "$work/pasmo.bin" "$work/gas.bin"; then
      echo "pasmo and the GNU assembler disagree on $name.asm:" >&2
      cmp -l "$work/pasmo.bin" "$work/gas.bin" | head -n 20 >&2 || true
      exit 1
    fi
  else
    echo "note: binutils-z80 not installed, $name.bin not cross-checked" >&2
  fi
  cp "$work/pasmo.bin" "$here/$name.bin"
  write_hex "$here/$name.bin" "$here/$name.hex"
}
golden_from_peers all_instructions
golden_from_peers indexed_negative

# ---- undocumented_io: bytes by hand ----
# Encodings from Sean Young, "The Undocumented Z80 Documented", ED-prefixed
# opcodes: IN F,(C) and its short form IN (C) are ED 70, OUT (C),0 is ED 71
# (ED 70 and ED 71 are the r = 110 slots of IN r,(C) and OUT (C),r).
printf '\xED\x70\xED\x70\xED\x71\xED\x70\xED\x71' > "$here/undocumented_io.bin"
write_hex "$here/undocumented_io.bin" "$here/undocumented_io.hex"
if assemble_gas "$here/undocumented_io.asm" "$work/gas_io.bin"; then
  cmp "$here/undocumented_io.bin" "$work/gas_io.bin" \
    || { echo "the GNU assembler disagrees with undocumented_io.bin" >&2; exit 1; }
fi

echo "golden data written: $(cat "$here"/*.bin | wc -c) bytes"
