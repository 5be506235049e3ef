#!/usr/bin/env python3
"""Check that quarn's bytes equal every peer's bytes for a generated program.

Usage: compare.py WORKDIR PEER...

WORKDIR is a directory written by generate.py after the assemblers ran:
  quarn/part_NNN.txt       quarn's hex listing (quarn -h)
  out/part_NNN.PEER.bin    each peer's flat binary
  map/part_NNN.map         address, size and text of every emitting line
  manifest.json

For every file and peer the first differing offset is named together with the
source line that holds it and both byte strings of that line; the exit status
is 1 when any file differs, so that a benchmark never times wrong output.
"""

import bisect
import json
import os
import sys


def read_listing(path):
    """Bytes of a hex listing: title line, count line, blank line, then hex pairs."""
    with open(path) as f:
        text = f.read()
    lines = text.split("\n")
    if len(lines) < 3 or not lines[0].endswith(" - Hex Listing"):
        raise ValueError("%s: not a hex listing" % path)
    count_line = lines[1]
    if not count_line.endswith(" bytes total"):
        raise ValueError("%s: no byte count line" % path)
    count = int(count_line.split()[0])
    data = bytes(int(tok, 16) for line in lines[3:] for tok in line.split())
    return count, data


def read_map(path):
    entries = []
    with open(path) as f:
        for line in f:
            addr, size, body = line.rstrip("\n").split(" ", 2)
            entries.append((int(addr, 16), int(size), body))
    return entries


def hexstr(data):
    return " ".join("%02X" % b for b in data)


def describe(offset, org, entries, ours, theirs):
    """The map line that holds offset, with both byte strings of that line."""
    addrs = [e[0] for e in entries]
    k = bisect.bisect_right(addrs, org + offset) - 1
    if k < 0:
        return "before the first emitting line"
    addr, size, body = entries[k]
    start = addr - org
    return "line at %04X (%d bytes): %s | quarn: %s | peer: %s" % (
        addr, size, body, hexstr(ours[start:start + size]) or "(none)",
        hexstr(theirs[start:start + size]) or "(none)")


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    work, peers = argv[1], argv[2:]
    with open(os.path.join(work, "manifest.json")) as f:
        manifest = json.load(f)
    org = manifest["org"]
    failures = 0
    for entry in manifest["files"]:
        stem = entry["stem"]
        listing = os.path.join(work, "quarn", stem + ".txt")
        if not os.path.exists(listing):
            print("FAIL %s: quarn wrote no hex listing (see its diagnostics)" % stem)
            failures += 1
            continue
        count, ours = read_listing(listing)
        if count != len(ours):
            print("FAIL %s: quarn's count line says %d bytes, the listing holds %d"
                  % (stem, count, len(ours)))
            failures += 1
        entries = read_map(os.path.join(work, "map", stem + ".map"))
        for peer in peers:
            with open(os.path.join(work, "out", "%s.%s.bin" % (stem, peer)), "rb") as f:
                theirs = f.read()
            if ours == theirs:
                continue
            failures += 1
            n = min(len(ours), len(theirs))
            offset = next((i for i in range(n) if ours[i] != theirs[i]), n)
            print("FAIL %s: quarn (%d bytes) and %s (%d bytes) differ first at offset "
                  "%d (address %04X)" % (stem, len(ours), peer, len(theirs), offset,
                                         org + offset))
            print("     " + describe(offset, org, entries, ours, theirs))
    if failures:
        print("%d mismatch(es): quarn's bytes differ from the peers'" % failures)
        return 1
    print("bytes equal: quarn and %s agree on %d file(s)"
          % (", ".join(peers), len(manifest["files"])))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
