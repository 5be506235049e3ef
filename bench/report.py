#!/usr/bin/env python3
"""Write RESULTS.md from the timings and memory figures that run-peers.sh gathered.

Usage: report.py WORKDIR OUTPUT.md

WORKDIR holds info.json (machine, versions, settings, load averages) and one
directory per size with manifest.json, times.json (hyperfine --export-json)
and mem.txt (lines "assembler file kib", one per file).
"""

import json
import os
import sys

NAMES = {"quarn": "quarn -h", "pasmo": "pasmo --bin", "gas": "GNU as + ld"}
ORDER = ["quarn", "gas", "pasmo"]


def load(path):
    with open(path) as f:
        return json.load(f)


def size_rows(work, size):
    d = os.path.join(work, str(size))
    manifest = load(os.path.join(d, "manifest.json"))
    lines = sum(e["lines"] for e in manifest["files"])
    image = sum(e["bytes"] for e in manifest["files"])
    times = {r["command"]: r for r in load(os.path.join(d, "times.json"))["results"]}
    mem = {}
    with open(os.path.join(d, "mem.txt")) as f:
        for line in f:
            tool, _, kib = line.split()
            mem[tool] = max(mem.get(tool, 0), int(kib))
    return manifest, lines, image, times, mem


def encoder_section(work, w):
    """The stream encoder's median time per 64 KiB image, if it was measured."""
    path = os.path.join(work, "encoder.json")
    if not os.path.exists(path):
        return
    medians = {}
    for b in load(path)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            medians[b["run_name"]] = b
    w("## Stream encoder")
    w("")
    w("The compressed TI-86 writer's encoder (`bench/ferra_encoder_bench.cpp`) on "
      "64 KiB images of several kinds, median of 5 repetitions, next to the "
      "exhaustive search whose output it must equal: the test suite compares "
      "the bytes, and the compression ratios below are equal too. Target: under "
      "20 ms per image.")
    w("")
    w("| image | encoder ms | exhaustive search ms | encoder ratio | search ratio | under 20 ms |")
    w("|---|---:|---:|---:|---:|---|")
    for name, b in sorted(medians.items()):
        if not name.startswith("FerraEncode/"):
            continue
        kind = name.split("/", 1)[1]
        search = medians.get("ExhaustiveSearch/" + kind, {})
        w("| %s | %.2f | %s | %.4f | %s | %s |" % (
            kind, b["real_time"],
            "%.1f" % search["real_time"] if search else "-",
            b["ratio"], "%.4f" % search["ratio"] if search else "-",
            "yes" if b["real_time"] < 20 else "NO"))
    w("")


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    work, output = argv[1], argv[2]
    info = load(os.path.join(work, "info.json"))
    sizes = info["sizes"]
    out = []
    w = out.append
    w("# quarn against other Z80 assemblers")
    w("")
    w("Written by `bench/run-peers.sh` on %s. Every generated file was assembled by "
      "all three assemblers and their bytes compared before anything was timed: "
      "they were equal for every file." % info["date"])
    w("")
    w("## Machine and versions")
    w("")
    w("| | |")
    w("|---|---|")
    w("| CPU | %s |" % info["cpu"])
    w("| cores (`nproc`) | %s |" % info["nproc"])
    w("| memory | %s |" % info["memory"])
    w("| load average before / after timing | %s / %s |"
      % (info["load_before"], info["load_after"]))
    w("| quarn | commit %s, release build |" % info["quarn_commit"])
    w("| GNU as | %s (`%s`) |" % (info["as_version"], info["as_flags"]))
    w("| GNU ld | %s |" % info["ld_version"])
    w("| pasmo | %s |" % info["pasmo_version"])
    w("| hyperfine | %s |" % info["hyperfine_version"])
    w("")
    if float(info["load_before"].split()[0]) >= 1 or float(info["load_after"].split()[0]) >= 1:
        w("The machine was shared with other work while this ran (load average at "
          "or above 1 on %s cores), so the wall-clock figures include some waiting; "
          "the CPU column is the steadier one." % info["nproc"])
        w("")
    w("## Method")
    w("")
    w("- Sources: `bench/generate.py --seed %s --per-file %s --lines N`: every Z80 "
      "instruction kind, a label every eight lines or so, forward and backward "
      "jumps and calls, equates, data lines and comments; one file per %s lines, "
      "each assembled on its own at origin %04Xh. The three variants of a file "
      "differ only in the origin line, equates and data directives. Left out "
      "because pasmo rejects them: `in f,(c)` (`in (c)`) and `out (c),0`."
      % (info["seed"], info["per_file"], info["per_file"], info["org"]))
    w("- Time: hyperfine, %s runs after %s warm-up run, of one shell loop over all "
      "files of a size: `quarn -h file` (source to hex listing), `pasmo --bin file "
      "out.bin`, and for GNU `as` followed by `ld -Ttext --oformat binary` per file. "
      "Median, fastest and slowest run, in seconds, total over all files."
      % (info["runs"], info["warmup"]))
    w("- CPU s: mean user plus system time of a run, as hyperfine reports it; "
      "it moves less than the wall-clock figures when other work shares the machine.")
    w("- Lines per second: the total source lines of the size (comments, blank "
      "lines and equates included) divided by the median time.")
    w("- vs GNU as: median time divided by GNU as + ld's median time (below 1 is "
      "faster than GNU as).")
    w("- Peak memory: GNU time `%M` (maximum resident set, KiB), the largest over "
      "the files of a size; for GNU the larger of `as` and `ld`.")
    w("")
    summary = []
    for size in sizes:
        manifest, lines, image, times, mem = size_rows(work, size)
        base = times["gas"]["median"]
        w("## %d lines" % lines)
        w("")
        w("%d files, %d bytes of code and data in all." % (len(manifest["files"]), image))
        w("")
        w("| assembler | median s | min s | max s | CPU s | lines/s | us/line | vs GNU as | peak KiB |")
        w("|---|---:|---:|---:|---:|---:|---:|---:|---:|")
        for tool in ORDER:
            t = times[tool]
            med = t["median"]
            w("| %s | %.3f | %.3f | %.3f | %.3f | %s | %.2f | %.2f | %d |" % (
                NAMES[tool], med, t["min"], t["max"], t["user"] + t["system"],
                format(int(lines / med), ","), med / lines * 1e6, med / base, mem[tool]))
        w("")
        summary.append((lines, times["quarn"]["median"], base, times["pasmo"]["median"]))
    w("## quarn across sizes")
    w("")
    w("| lines | quarn us/line | GNU as us/line | pasmo us/line | quarn vs GNU as |")
    w("|---:|---:|---:|---:|---:|")
    for lines, q, g, p in summary:
        w("| %d | %.2f | %.2f | %.2f | %.2f |" % (
            lines, q / lines * 1e6, g / lines * 1e6, p / lines * 1e6, q / g))
    w("")
    encoder_section(work, w)
    with open(output, "w") as f:
        f.write("\n".join(out))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
