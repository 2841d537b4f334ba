#!/usr/bin/env python3
# Compares a quor_bench JSON run with the goals of what users meet.
"""Usage: quor_bench --benchmark_out=run.json --benchmark_out_format=json
       python3 bench/summary.py run.json      (or the JSON on standard input)
"""
import json
import sys
from collections import defaultdict
from statistics import mean

FITTING = ("prose", "spaces", "breaks")
FITTING_SIZES = ("1K", "max")
FAR = ("prose", "space_run", "break_run", "leading_blanks", "trailing_blanks")
FAR_SIZES = ("1M", "64M")
FASTER_THAN_REFERENCE = 100   # times
SCANS_PER_CALL = 3            # one length scan of the same text
LINK_UNITS = 32767            # the longest link and its terminator
PEAK_BYTES = 2 * LINK_UNITS * 2 + 4096


def load(stream):
    """Mean of each counter over the iteration runs, by (kind, shape, size)."""
    runs = defaultdict(list)
    for bench in json.load(stream)["benchmarks"]:
        if bench.get("run_type", "iteration") == "iteration":
            runs[tuple(bench["run_name"].split("/"))].append(bench)
    return {key: {counter: mean(run[counter] for run in group)
                  for counter in ("ns_per_unit", "peak_bytes", "launched", "units", "link_units")
                  if counter in group[0]}
            for key, group in runs.items()}


def line(goal, value, ok=None):
    verdict = "" if ok is None else ("met" if ok else "MISSED")
    print(f"  {goal:<52} {value:>12.2f}  {verdict}")


def main():
    figures = load(open(sys.argv[1]) if len(sys.argv) > 1 else sys.stdin)

    def get(kind, shape, size, counter="ns_per_unit"):
        return figures.get((kind, shape, size), {}).get(counter)

    print("Links that fit")
    for shape in FITTING:
        for size in FITTING_SIZES:
            pipeline = get("pipeline", shape, size)
            if pipeline is None:
                continue
            units, link = get("pipeline", shape, size, "units"), get("pipeline", shape, size, "link_units")
            print(f" {shape}/{size} ({units:.0f} units, link {link:.0f}): pipeline {pipeline:.3f} ns/unit")
            reference = get("reference", shape, size)
            if reference is not None:
                line(f"pipeline >= {FASTER_THAN_REFERENCE}x faster than reference (x)", reference / pipeline,
                     reference >= FASTER_THAN_REFERENCE * pipeline)
            copy = get("memcpy_link", shape, size)
            if copy is not None:
                line("pipeline time / memcpy of the link (x)", pipeline / copy)
            scan = get("length", shape, size)
            if scan is not None:
                line("pipeline time / one length scan of the text (x)", pipeline / scan)
                if reference is not None:
                    line("one length scan faster than reference (x)", reference / scan)

    print("Texts far past the limit: the whole call")
    for shape in FAR:
        for size in FAR_SIZES:
            call = get("call", shape, size)
            if call is None:
                continue
            launched = "launched" if get("call", shape, size, "launched") else "refused"
            print(f" {shape}/{size}: call {call:.3f} ns/unit ({launched})")
            scan = get("length", shape, size)
            if scan is not None:
                line(f"call <= {SCANS_PER_CALL}x one length scan (x)", call / scan, call <= SCANS_PER_CALL * scan)
            peak = get("call", shape, size, "peak_bytes")
            if peak is not None:
                line(f"peak allocated bytes <= {PEAK_BYTES}", peak, peak <= PEAK_BYTES)


if __name__ == "__main__":
    main()
