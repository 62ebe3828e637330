#!/usr/bin/env python3
"""A large element file for timing: the sets of an element file taken in turn until
COUNT sets are written, set i with catalogue number i in columns 3-7 of both lines
and its checksums recomputed (the same file the load benchmark writes).

    python3 tools/generators/renumbered_sets.py data/active-2026-04.tle 60000 > big.tle
"""
import sys


def checksum(line):
    return sum(int(c) if c.isdigit() else c == "-" for c in line[:68]) % 10


def numbered(line, i):
    text = line[:2] + "%05d" % i + line[7:68]
    return text + str(checksum(text))


def main():
    source, count = sys.argv[1], int(sys.argv[2])
    with open(source, encoding="latin-1", newline="") as f:
        lines = [l.rstrip("\r\n") for l in f if l.strip()]
    sets = [lines[k:k + 3] for k in range(0, len(lines) - 2, 3)]
    out = []
    for i in range(1, count + 1):
        name, line1, line2 = sets[(i - 1) % len(sets)]
        out += [name, numbered(line1, i), numbered(line2, i)]
    sys.stdout.buffer.write(("\n".join(out) + "\n").encode("latin-1"))


if __name__ == "__main__":
    main()
