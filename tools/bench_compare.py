#!/usr/bin/env python3
"""Compares a links_to.txt report with a generated site's ground truth.

Usage: bench_compare.py REPORT TRUTH_JSON
Prints "match" and exits 0 when the report lists exactly the broken links of
the ground truth (page and missing target, relative to the top folder).
"""
import json
import sys


def report_pairs(path):
    pairs = []
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().split("\r\n")
    page = None
    for line in lines[5:]:
        if line.endswith(" \u2014>"):
            page = line[: -len(" \u2014>")]
        elif line.startswith("     ") and page is not None:
            pairs.append((page, line[5:]))
        elif line == "":
            break
    return pairs


def main():
    report, truth_path = sys.argv[1], sys.argv[2]
    truth = json.load(open(truth_path, encoding="utf-8"))
    expected = sorted((b["source"], b["target"]) for b in truth["broken"])
    got = sorted(report_pairs(report))
    if got == expected:
        print("match: %d broken links" % len(got))
        return 0
    missing = set(expected) - set(got)
    extra = set(got) - set(expected)
    print("MISMATCH: %d expected, %d reported, %d missing, %d extra"
          % (len(expected), len(got), len(missing), len(extra)))
    for p in sorted(missing)[:5]:
        print("  missing", p)
    for p in sorted(extra)[:5]:
        print("  extra  ", p)
    return 1


if __name__ == "__main__":
    sys.exit(main())
