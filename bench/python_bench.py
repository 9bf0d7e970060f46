"""revareza.project against memory speed (points.copy() of the same array)
and against the plain numpy expression of the same computation, on 10^6
and 10^7 random points, side by side in one run.

    PYTHONPATH=build/native/python /usr/bin/python3 bench/python_bench.py [ROUNDS]

Prints the median time of each, the ratios, and the memory each allocates
beyond its input (tracemalloc, which sees numpy's allocations). Fails when
project takes more than 3 times the copy's time or more than half the
numpy expression's, or allocates more than its result.
"""

import statistics
import sys
import time
import tracemalloc

import numpy as np

import revareza

GOAL_COPY = 3.0
GOAL_NUMPY = 0.5


def numpy_projection(m, points):
    h = points @ m[:, :3].T + m[:, 3]
    return np.stack((h[:, 0] / h[:, 3], h[:, 1] / h[:, 3]), axis=1)


def seconds(function):
    start = time.perf_counter()
    function()
    return time.perf_counter() - start


def peak_bytes(function):
    tracemalloc.start()
    before = tracemalloc.get_traced_memory()[0]
    function()
    peak = tracemalloc.get_traced_memory()[1] - before
    tracemalloc.stop()
    return peak


def measure(count, rounds, m):
    """Prints one size's figures; returns whether project met its goals."""
    points = np.random.default_rng(2026).uniform(-10, 10, (count, 3))
    contenders = {"revareza.project": lambda: revareza.project(m, points),
                  "points.copy()": points.copy,
                  "numpy expression": lambda: numpy_projection(m, points)}
    # In turns, so that all see the same machine.
    times = {name: [] for name in contenders}
    for _ in range(rounds):
        for name, function in contenders.items():
            times[name].append(seconds(function))
    print(f"{count} points ({points.nbytes / 1e6:.0f} MB), median of {rounds} runs, one thread for project")
    median = {}
    for name, function in contenders.items():
        median[name] = statistics.median(times[name])
        print(f"  {name:18} {median[name] * 1e3:8.2f} ms  {peak_bytes(function) / 1e6:7.1f} MB allocated")
    to_copy = median["revareza.project"] / median["points.copy()"]
    to_numpy = median["revareza.project"] / median["numpy expression"]
    print(f"  project / copy     {to_copy:5.2f}  (goal: at most {GOAL_COPY})")
    print(f"  project / numpy    {to_numpy:5.2f}  (goal: at most {GOAL_NUMPY})")
    met = True
    if to_copy > GOAL_COPY or to_numpy > GOAL_NUMPY:
        print("  revareza.project missed its goal")
        met = False
    if peak_bytes(contenders["revareza.project"]) > count * 2 * 8 + 4096:
        print("  revareza.project allocates more than its result")
        met = False
    return met


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 15
    m = revareza.perspective_projection([1, 2, 5], [1, 0.2, 0], [0, 1, 0.3], [0.5, -1, -2])
    met = [measure(count, rounds, m) for count in (10**6, 10**7)]
    return 0 if all(met) else 1


if __name__ == "__main__":
    sys.exit(main())
