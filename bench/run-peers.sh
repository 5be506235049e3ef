#!/usr/bin/env bash
# Whole-assembler benchmark: quarn against GNU as (binutils-z80) and pasmo on
# generated Z80 programs of 50k to 400k lines.  The bytes of every file are
# compared before anything is timed, so a faster but wrong quarn never shows
# up as a result.  Writes bench/RESULTS.md.
#
# Settings (environment):
#   QUARN=path      use this quarn binary instead of building one
#                   (QUARN_COMMIT=text then names its commit in the report;
#                   QUARN_BENCH=path the micro-benchmark program, by default
#                   quarn_bench next to it)
#   BUILD_DIR=dir   where to build quarn (default /tmp/build-bench)
#   SIZES="..."     total line counts (default "50000 100000 200000 400000")
#   PER_FILE=n      lines per generated file (default 20000)
#   SEED=n          generator seed (default 1)
#   RUNS=n WARMUP=n hyperfine runs and warm-up runs per command (default 10, 1)
#   WORK=dir        scratch directory (default: a new one under /tmp, removed
#                   at the end unless KEEP_WORK=1)
#   RESULTS=file    report to write (default bench/RESULTS.md)
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/.." && pwd)
SIZES=${SIZES:-"50000 100000 200000 400000"}
PER_FILE=${PER_FILE:-20000}
SEED=${SEED:-1}
RUNS=${RUNS:-10}
WARMUP=${WARMUP:-1}
BUILD_DIR=${BUILD_DIR:-/tmp/build-bench}
RESULTS=${RESULTS:-$HERE/RESULTS.md}
ORG=0x1000
AS=z80-unknown-coff-as
LD=z80-unknown-coff-ld
# The generator uses the index register halves and SLL, which GNU as wants
# enabled by name; pasmo and quarn take them as they are.
AS_FLAGS="-march=z80+xyhl+infc+sli"

die() { echo "run-peers: $*" >&2; exit 1; }

# --- peers --------------------------------------------------------------------
missing=()
command -v "$AS" >/dev/null && command -v "$LD" >/dev/null || missing+=(binutils-z80)
command -v pasmo >/dev/null || missing+=(pasmo)
command -v hyperfine >/dev/null || missing+=(hyperfine)
dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed" || missing+=(libbenchmark-dev)
[ -x /usr/bin/time ] || missing+=(time)
if [ ${#missing[@]} -gt 0 ]; then
  [ "$(id -u)" = 0 ] || die "missing ${missing[*]}; install them: apt-get install -y ${missing[*]}"
  echo "== installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
command -v python3 >/dev/null || die "python3 is needed"

# --- quarn --------------------------------------------------------------------
if [ -z "${QUARN:-}" ]; then
  echo "== building quarn (release) in $BUILD_DIR"
  (cd "$ROOT" && cmake --preset release -DQUARN_BENCH=ON -B "$BUILD_DIR" >/dev/null \
     && cmake --build "$BUILD_DIR" -j2 --target quarn quarn_bench >/dev/null) \
     || die "quarn did not build"
  QUARN=$BUILD_DIR/bin/quarn
  QUARN_COMMIT=$(git -C "$ROOT" rev-parse --short HEAD)
  git -C "$ROOT" diff --quiet HEAD -- . ':!bench' || QUARN_COMMIT="$QUARN_COMMIT (with uncommitted changes)"
else
  QUARN_COMMIT=${QUARN_COMMIT:-"unknown (binary given as QUARN=$QUARN)"}
fi
QUARN=$(cd "$(dirname "$QUARN")" && pwd)/$(basename "$QUARN")
[ -x "$QUARN" ] || die "no quarn at $QUARN"

if [ -z "${WORK:-}" ]; then
  WORK=$(mktemp -d /tmp/quarn-peers.XXXXXX)
  [ "${KEEP_WORK:-0}" = 1 ] || trap 'rm -rf "$WORK"' EXIT
fi
mkdir -p "$WORK"
echo "== scratch directory $WORK"

load() { cut -d' ' -f1-3 /proc/loadavg; }
LOAD_BEFORE=$(load)

# --- per size: generate, check bytes, measure memory, time ----------------------
for size in $SIZES; do
  dir=$WORK/$size
  rm -rf "$dir"
  echo "== $size lines: generating"
  python3 "$HERE/generate.py" --lines "$size" --per-file "$PER_FILE" --seed "$SEED" \
    --org "$ORG" --out "$dir"
  mkdir -p "$dir/out"

  # One loop per assembler over all files of the size; hyperfine times these.
  cat > "$dir/run-quarn.sh" <<EOF
set -e
cd "$dir/quarn"
for f in part_*.asm; do "$QUARN" -h "\$f" >/dev/null; done
EOF
  cat > "$dir/run-pasmo.sh" <<EOF
set -e
cd "$dir/pasmo"
for f in part_*.asm; do pasmo --bin "\$f" "../out/\${f%.asm}.pasmo.bin"; done
EOF
  cat > "$dir/run-gas.sh" <<EOF
set -e
cd "$dir/gas"
for f in part_*.s; do
  "$AS" $AS_FLAGS -o "../out/\${f%.s}.o" "\$f"
  "$LD" -Ttext=$ORG --oformat binary -o "../out/\${f%.s}.gas.bin" "../out/\${f%.s}.o"
done
EOF

  echo "== $size lines: assembling once and comparing bytes"
  sh "$dir/run-pasmo.sh" || die "pasmo rejected a generated file ($dir/pasmo)"
  sh "$dir/run-gas.sh" || die "GNU as or ld rejected a generated file ($dir/gas)"
  for src in "$dir"/quarn/part_*.asm; do
    log=${src%.asm}.log
    (cd "$dir/quarn" && "$QUARN" -h "$(basename "$src")" >"$log" 2>&1) \
      || { cat "$log"; die "quarn failed on $src"; }
    if grep -q '^Error #' "$log"; then
      grep -m 10 -E '^(Error|Warning) #' "$log"
      die "quarn reported errors on $src"
    fi
    if grep -q '^Warning #' "$log"; then
      echo "quarn warned on $(basename "$src"):"; grep -m 5 '^Warning #' "$log"
    fi
  done
  python3 "$HERE/compare.py" "$dir" pasmo gas || die "bytes differ at $size lines (work files in $dir)"

  echo "== $size lines: peak memory"
  : > "$dir/mem.txt"
  peak() {  # tool file command...
    local tool=$1 file=$2; shift 2
    /usr/bin/time -f %M -o "$dir/kib" "$@" >/dev/null 2>&1 || die "$tool failed on $file"
    echo "$tool $file $(tail -n 1 "$dir/kib")" >> "$dir/mem.txt"
  }
  for src in "$dir"/quarn/part_*.asm; do
    stem=$(basename "${src%.asm}")
    (cd "$dir/quarn" && peak quarn "$stem" "$QUARN" -h "$stem.asm")
    (cd "$dir/pasmo" && peak pasmo "$stem" pasmo --bin "$stem.asm" "../out/$stem.pasmo.bin")
    (cd "$dir/gas" && peak gas "$stem" "$AS" $AS_FLAGS -o "../out/$stem.o" "$stem.s" \
      && peak gas "$stem" "$LD" -Ttext=$ORG --oformat binary -o "../out/$stem.gas.bin" "../out/$stem.o")
  done

  echo "== $size lines: timing ($RUNS runs)"
  hyperfine -N --style basic --warmup "$WARMUP" --runs "$RUNS" \
    --export-json "$dir/times.json" \
    -n quarn "sh $dir/run-quarn.sh" \
    -n gas "sh $dir/run-gas.sh" \
    -n pasmo "sh $dir/run-pasmo.sh"
done
LOAD_AFTER=$(load)

# --- stream encoder -------------------------------------------------------------
# The compressed TI-86 writer's encoder on 64 KiB images, next to the exhaustive
# search whose output it must equal (the test suite checks the bytes; the equal
# compression ratios show it here too).
BENCH=${QUARN_BENCH:-$(dirname "$QUARN")/quarn_bench}
if [ -x "$BENCH" ]; then
  echo "== stream encoder on 64 KiB images"
  "$BENCH" --benchmark_filter='^(FerraEncode|ExhaustiveSearch)/' --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_format=json > "$WORK/encoder.json" \
    || die "the encoder benchmark failed"
else
  echo "== no quarn_bench next to $QUARN: the encoder section is left out"
fi

# --- report -------------------------------------------------------------------
export SIZES PER_FILE SEED RUNS WARMUP ORG AS_FLAGS QUARN_COMMIT LOAD_BEFORE LOAD_AFTER
export AS_VERSION=$("$AS" --version | head -n 1)
export LD_VERSION=$("$LD" --version | head -n 1)
# pasmo has no version option; its usage text starts with the version.
export PASMO_VERSION="$( (pasmo 2>&1 || true) | grep -o -m 1 'v\. [0-9.]*' ) (Debian $(dpkg-query -W -f '${Version}' pasmo 2>/dev/null || echo '?'))"
export HYPERFINE_VERSION=$(hyperfine --version)
export CPU_MODEL=$(lscpu | sed -n 's/^Model name: *//p' | head -n 1)
export NPROC=$(nproc)
export MEMORY=$(awk '/^MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)
python3 - "$WORK/info.json" <<'EOF'
import datetime, json, os, sys
e = os.environ
info = {
    "date": datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC"),
    "sizes": [int(s) for s in e["SIZES"].split()],
    "per_file": int(e["PER_FILE"]), "seed": int(e["SEED"]), "org": int(e["ORG"], 0),
    "runs": int(e["RUNS"]), "warmup": int(e["WARMUP"]),
    "cpu": e["CPU_MODEL"], "nproc": e["NPROC"], "memory": e["MEMORY"],
    "load_before": e["LOAD_BEFORE"], "load_after": e["LOAD_AFTER"],
    "quarn_commit": e["QUARN_COMMIT"], "as_version": e["AS_VERSION"],
    "as_flags": e["AS_FLAGS"], "ld_version": e["LD_VERSION"],
    "pasmo_version": "pasmo " + e["PASMO_VERSION"],
    "hyperfine_version": e["HYPERFINE_VERSION"],
}
with open(sys.argv[1], "w") as f:
    json.dump(info, f, indent=1)
EOF
python3 "$HERE/report.py" "$WORK" "$RESULTS"
echo "== wrote $RESULTS"
