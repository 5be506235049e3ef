#!/usr/bin/env bash
# Installs the build into a temporary prefix and assembles an example with the
# installed program, run from an unrelated directory: the installed quarn must
# find its table in ../share/quarn and its plug-ins in ../lib/quarn.
set -euo pipefail
build_dir=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
mkdir -p "$work/elsewhere" "$work/project"
cp "$source_dir/examples/ti86/hello.asm" "$work/project/hello.asm"
cp "$source_dir/examples/ti83plus/hello.asm" "$work/project/hello83.asm"
# The system include files come from the installed Include folder.
printf '#include "ti86asm.inc"\n .org _asm_exec_ram\n call _clrLCD\n ret\n' >"$work/project/system.asm"

cd "$work/elsewhere"
"$work/prefix/bin/quarn" ../project/hello.asm
"$work/prefix/bin/quarn" ../project/hello83.asm
"$work/prefix/bin/quarn" ../project/system.asm
test -s "$work/project/hello.86p" || { echo "no hello.86p written" >&2; exit 1; }
test -s "$work/project/hello83.8xp" || { echo "no hello83.8xp written" >&2; exit 1; }
test -s "$work/project/system.86p" || { echo "no system.86p written" >&2; exit 1; }
test -f "$work/prefix/share/man/man1/quarn.1.gz" || { echo "manual page not installed" >&2; exit 1; }
# Nothing of the build tree may be needed: no plug-in or table beside the program.
test ! -e "$work/prefix/bin/curlew.so" && test ! -e "$work/prefix/bin/vozo80.tab"
echo "installed quarn assembled the examples"
