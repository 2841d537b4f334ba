#!/usr/bin/env python3
# Compares a quor_bench JSON run with the task link pipeline's goals.
"""Usage: quor_bench --benchmark_out=run.json --benchmark_out_format=json
       python3 bench/summary.py run.json      (or the JSON on standard input)
"""
import json
import sys
from collections import defaultdict
from statistics import mean

SHAPES = ("prose", "spaces", "breaks")
SIZES = ("1MiB", "64MiB")


def load(stream):
    """Mean of each counter over the iteration runs, by (kind, shape, size)."""
    runs = defaultdict(list)
    for bench in json.load(stream)["benchmarks"]:
        if bench.get("run_type", "iteration") == "iteration":
            runs[tuple(bench["run_name"].split("/"))].append(bench)
    return {key: {counter: mean(run[counter] for run in group)
                  for counter in ("ns_per_unit", "peak_to_budget") if counter in group[0]}
            for key, group in runs.items()}


def main():
    stream = open(sys.argv[1]) if len(sys.argv) > 1 else sys.stdin
    figures = load(stream)

    def get(kind, shape, size, counter="ns_per_unit"):
        return figures.get((kind, shape, size), {}).get(counter)

    def line(goal, value, ok):
        print(f"  {goal:<44} {value:>9.2f}  {'met' if ok else 'MISSED'}")

    for shape in SHAPES:
        print(shape)
        for size in SIZES:
            pipeline = get("pipeline", shape, size)
            if pipeline is None:
                continue
            print(f" {size}: pipeline {pipeline:.3f} ns/unit")
            reference = get("reference", shape, size)
            if reference is None:
                print("  pipeline >= 3x faster than reference         (reference not run at this size)")
            else:
                line("pipeline >= 3x faster than reference (x)", reference / pipeline, reference >= 3 * pipeline)
            copy = get("memcpy_link", shape, size)
            if copy is not None:
                line("pipeline <= 6x memcpy of the link (x)", pipeline / copy, pipeline <= 6 * copy)
            peak = get("pipeline", shape, size, "peak_to_budget")
            if peak is not None:
                line("peak extra <= link + text (fraction)", peak, peak <= 1)
        small, large = get("pipeline", shape, "1MiB"), get("pipeline", shape, "64MiB")
        if small and large:
            line("64 MiB cost per unit <= 1.3x 1 MiB's (x)", large / small, large <= 1.3 * small)


if __name__ == "__main__":
    main()
