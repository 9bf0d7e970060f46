"""revareza.project against the plain numpy expression of the same
computation, on the same 10^6 random points, side by side in one run.

    PYTHONPATH=build/native/python /usr/bin/python3 bench/python_bench.py [POINTS] [ROUNDS]

Prints the median time of each, their ratio and the memory each allocates
beyond its input (tracemalloc, which sees numpy's allocations). Fails when
project is slower than numpy, or allocates more than its result.
"""

import statistics
import sys
import time
import tracemalloc

import numpy as np

import revareza


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


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    points = np.random.default_rng(2026).uniform(-10, 10, (count, 3))
    m = revareza.perspective_projection([1, 2, 5], [1, 0.2, 0], [0, 1, 0.3], [0.5, -1, -2])

    # Alternate, so that both see the same machine.
    ours_times, numpy_times = [], []
    for _ in range(rounds):
        ours_times.append(seconds(lambda: revareza.project(m, points)))
        numpy_times.append(seconds(lambda: numpy_projection(m, points)))
    ours, numpy_ours = statistics.median(ours_times), statistics.median(numpy_times)
    ours_peak = peak_bytes(lambda: revareza.project(m, points))
    numpy_peak = peak_bytes(lambda: numpy_projection(m, points))
    result_bytes = count * 2 * 8

    print(f"{count} points, median of {rounds} runs, {points.nbytes / 1e6:.0f} MB of input")
    print(f"  revareza.project     {ours * 1e3:8.2f} ms  {ours_peak / 1e6:7.1f} MB allocated")
    print(f"  numpy expression     {numpy_ours * 1e3:8.2f} ms  {numpy_peak / 1e6:7.1f} MB allocated")
    print(f"  ratio (numpy / project) {numpy_ours / ours:5.2f}; the result itself is {result_bytes / 1e6:.1f} MB")
    failed = False
    if ours > numpy_ours:
        print("revareza.project is slower than numpy")
        failed = True
    if ours_peak > result_bytes + 4096:
        print("revareza.project allocates more than its result")
        failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
