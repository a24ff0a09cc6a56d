"""Sums gcovr's per-file summary by folder, prints it and checks it against the floors.

Usage: coverage-floor.py SUMMARY.json FLOORS.txt
A folder is src/<layer>, src/ui/<window> or sim[/<part>]. FLOORS.txt holds lines
"folder lines% branches%"; a folder below either floor fails the run (exit 1)."""

import json
import sys
from collections import defaultdict


def folder_of(path):
    # Headers reached through a layer's include root (BUILD/src/include/<library>/<folder>/)
    # belong to their folder under src/.
    parts = path.split("/")
    if "include" in parts and parts.index("include") + 2 < len(parts):
        parts = ["src"] + parts[parts.index("include") + 2 :]
    depth = 3 if parts[:2] == ["src", "ui"] else 2
    return "/".join(parts[: min(depth, len(parts) - 1)])


def percent(covered, total):
    return 100.0 * covered / total if total else 100.0


def main(summary_path, floors_path):
    sums = defaultdict(lambda: [0, 0, 0, 0])
    with open(summary_path) as f:
        for entry in json.load(f)["files"]:
            s = sums[folder_of(entry["filename"])]
            s[0] += entry["line_covered"]
            s[1] += entry["line_total"]
            s[2] += entry["branch_covered"]
            s[3] += entry["branch_total"]
    floors = {}
    with open(floors_path) as f:
        for line in f:
            words = line.split("#")[0].split()
            if words:
                floors[words[0]] = (float(words[1]), float(words[2]))

    failed = []
    print(f"{'folder':<22}{'lines':>16}{'branches':>18}   floor")
    for folder in sorted(sums):
        lc, lt, bc, bt = sums[folder]
        lines, branches = percent(lc, lt), percent(bc, bt)
        floor = floors.get(folder)
        mark = "" if floor is None else f"   {floor[0]:.1f} / {floor[1]:.1f}"
        if floor and (lines < floor[0] or branches < floor[1]):
            failed.append(folder)
            mark += "   BELOW"
        print(f"{folder:<22}{lines:7.1f}% {lc:5}/{lt:<5}{branches:7.1f}% {bc:5}/{bt:<5}{mark}")
    missing = sorted(set(floors) - set(sums))
    for folder in missing:
        print(f"{folder:<22} no coverage data   BELOW")
    if failed or missing:
        print("coverage below its floor: " + ", ".join(failed + missing))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
