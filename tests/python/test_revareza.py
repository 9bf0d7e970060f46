"""The Python module against the program: the same matrices, text for text,
and the same projected points, bit for bit."""

import math
import os
import random
import subprocess
import threading
import time
import tracemalloc

import numpy as np
import pytest

import revareza

PROGRAM = os.environ["REVAREZA_PROGRAM"]


def run(args, text):
    done = subprocess.run([PROGRAM, *args], input=text, capture_output=True, text=True, check=True)
    return done.stdout


def same_nan(text):
    # Which NaN an operation gives means nothing (see run_case.sh).
    return text.replace(" -nan", "  nan").replace("-nan", "nan")


def number(rng):
    """A coordinate as the program reads it: an integer or up to three decimals."""
    if rng.random() < 0.5:
        return str(rng.randint(-9, 9))
    return f"{rng.randint(-9999, 9999) / 1000:.3f}"


def triple(rng, direction):
    while True:
        t = [number(rng) for _ in range(3)]
        if not direction or any(float(v) != 0.0 for v in t):
            return t


def definition(rng):
    """Type, O, X, Y and D or C, as text; some Y nearly or exactly parallel to X."""
    kind = rng.choice((1, 2))
    o, x = triple(rng, False), triple(rng, True)
    roll = rng.random()
    if roll < 0.1:
        y = [f"{float(v) * 2:.3f}" for v in x]  # exactly parallel: NaN
    elif roll < 0.25:
        y = [f"{float(v) + (1e-9 if i == 0 else 0.0):.12f}" for i, v in enumerate(x)]
    else:
        y = triple(rng, True)
    last = triple(rng, kind == 1)
    return kind, o, x, y, last


def floats(t):
    return [float(v) for v in t]


def module_matrix(kind, o, x, y, last):
    build = revareza.parallel_projection if kind == 1 else revareza.perspective_projection
    return build(floats(o), floats(x), floats(y), floats(last))


def matrix_text(m):
    return "".join("".join("%10.5f " % v for v in row) + "\n" for row in m) + "\n"


def test_matrices_are_the_programs_text_for_text():
    rng = random.Random(20261207)
    definitions = [definition(rng) for _ in range(2000)]
    stdin = "".join(f"{k}  {' '.join(o)}  {' '.join(x)}  {' '.join(y)}  {' '.join(z)}\n"
                    for k, o, x, y, z in definitions) + "0\n"
    program = same_nan(run(["--matrizes"], stdin)).split("\n\n")
    assert len(program) == len(definitions) + 1
    for i, d in enumerate(definitions):
        assert same_nan(matrix_text(module_matrix(*d))) == program[i] + "\n\n", d


def applied(m, p):
    """Matrix4 * HVector for the point p, in plain IEEE doubles, as the C++ orders it."""
    x, y, z = (float(v) / 1.0 for v in p)
    with np.errstate(all="ignore"):
        r = [((m[i][0] * x + m[i][1] * y) + m[i][2] * z) + m[i][3] * 1.0 for i in range(4)]
        if r[3] != 0.0:
            return np.float64(r[0]) / r[3], np.float64(r[1]) / r[3]
        length = math.sqrt((r[0] * r[0] + r[1] * r[1]) + r[2] * r[2])
        return np.float64(r[0]) / length, np.float64(r[1]) / length


def same_bits(a, b):
    return np.array(a, dtype=np.float64).tobytes() == np.array(b, dtype=np.float64).tobytes() or (
        math.isnan(a) and math.isnan(b))


def test_project_is_the_matrix_applied_bit_for_bit():
    rng = random.Random(7)
    matrices = [module_matrix(*definition(rng)) for _ in range(40)]
    # From the origin onto z = 5: points at z = 0 get weight 0, points
    # behind the centre a negative one.
    matrices.append(revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], [0, 0, 0]))
    # Signs of zeros, and weights that are -0.0, 0 or underflow.
    matrices.append(np.where(np.eye(4) == 1, 1.0, -0.0))
    matrices.append(np.vstack(([-0.0] * 4, np.eye(4)[1:])))
    matrices.append(np.diag([1.0, 1.0, 1.0, 0.0]))
    points = np.array([[rng.uniform(-50, 50) for _ in range(3)] for _ in range(500)]
                      + [[-0.0, -0.0, -0.0], [-0.0, 1, 1], [math.inf, 1, 2], [math.nan, 0, 0], [1e-200, -1e-200, 0]])
    points[:500:5, 2] = 0.0
    points[1:500:5, 2] *= -1
    for m in matrices:
        got = revareza.project(m, points)
        assert got.shape == (len(points), 2) and got.dtype == np.float64
        for p, (gx, gy) in zip(points, got):
            ex, ey = applied(m, p)
            assert same_bits(gx, ex) and same_bits(gy, ey), (m, p)


def test_project_gives_what_interactive_mode_prints():
    rng = random.Random(11)
    requests, expected = [], []
    for _ in range(150):
        kind, o, x, y, last = definition(rng)
        p = [f"{rng.uniform(-20, 20):.4f}" for _ in range(3)]
        requests.append(f"{kind}\n{' '.join(p)}\n{' '.join(o)}\n{' '.join(x)}\n{' '.join(y)}\n{' '.join(last)}\n")
        image = revareza.project(module_matrix(kind, o, x, y, last), [floats(p)])[0]
        expected.append("(%.5f,%.5f)" % tuple(image))
    result = "O resultado da revareza e': "
    printed = [line.split(result, 1)[1] for line in run([], "".join(requests) + "0\n").split("\n")
               if result in line]
    assert len(printed) == len(requests)
    assert [same_nan(t) for t in printed] == [same_nan(t) for t in expected]


def test_project_reads_any_layout_in_place_and_allocates_only_its_result():
    m = revareza.perspective_projection([1, 2, 5], [1, 0.2, 0], [0, 1, 0.3], [0.5, -1, -2])
    points = np.random.default_rng(3).uniform(-10, 10, (200_000, 3))
    expected = revareza.project(m, points.tolist())
    layouts = {"C": points, "Fortran": np.asfortranarray(points),
               "strided": np.ascontiguousarray(np.repeat(points, 2, axis=0))[::2]}
    for name, layout in layouts.items():
        tracemalloc.start()
        before = tracemalloc.get_traced_memory()[0]
        got = revareza.project(m, layout)
        peak = tracemalloc.get_traced_memory()[1] - before
        tracemalloc.stop()
        assert np.array_equal(got, expected, equal_nan=True), name
        assert peak <= got.nbytes + 4096, (name, peak)


def test_project_lets_other_threads_run():
    m = revareza.parallel_projection([0, 0, 0], [1, 0, 0], [0, 1, 0], [1, 1, 1])
    points = np.ones((5_000_000, 3))
    ticks = []
    stop = threading.Event()

    def count():
        while not stop.is_set():
            ticks.append(time.perf_counter())
            time.sleep(0.0005)

    counter = threading.Thread(target=count)
    counter.start()
    time.sleep(0.01)
    start = time.perf_counter()
    revareza.project(m, points)
    end = time.perf_counter()
    stop.set()
    counter.join()
    assert any(start < t < end for t in ticks), f"no other thread ran in {end - start:.3f} s"


def test_orthogonal_y_is_the_programs_rule():
    assert revareza.orthogonal_y([1, 0, 0], [1, 1, 0]).tolist() == [0.0, 1.0, 0.0]
    kept = revareza.orthogonal_y([1, 0, 0], [1e-7, 1, 0])
    assert kept.shape == (3,) and kept[0] > 0  # within the tolerance: kept as read
    assert np.isnan(revareza.orthogonal_y([1, 2, 3], [2, 4, 6])).all()


@pytest.mark.parametrize("call, error, name", [
    (lambda: revareza.parallel_projection([0, 0, 0], [1, 0, 0], [0, 1, 0], [0, 0, 0]), ValueError, "direction"),
    (lambda: revareza.perspective_projection([0, 0, 0], [0, 0, 0], [0, 1, 0], [0, 0, 0]), ValueError, "x"),
    (lambda: revareza.orthogonal_y([1, 0, 0], [0.0, -0.0, 0]), ValueError, "y"),
    (lambda: revareza.parallel_projection([0, 0], [1, 0, 0], [0, 1, 0], [0, 0, 1]), ValueError, "origin"),
    (lambda: revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], [[0, 0, 0]]), ValueError, "centre"),
    (lambda: revareza.parallel_projection("abc", [1, 0, 0], [0, 1, 0], [0, 0, 1]), TypeError, "origin"),
    (lambda: revareza.orthogonal_y([1, 0, 0], ["a", "b", "c"]), TypeError, "y"),
    (lambda: revareza.project(np.eye(4), [[1, 2]]), ValueError, "points"),
    (lambda: revareza.project(np.eye(4), [1, 2, 3]), ValueError, "points"),
    (lambda: revareza.project(np.eye(3), [[1, 2, 3]]), ValueError, "matrix"),
    (lambda: revareza.project(np.eye(4), [[1, None, 3]]), TypeError, "points"),
    (lambda: revareza.project("M", [[1, 2, 3]]), TypeError, "matrix"),
])
def test_bad_arguments_raise_and_name_the_argument(call, error, name):
    with pytest.raises(error, match=rf"^{name} "):
        call()


def test_version_and_documentation():
    assert run(["--version"], "") == f"revareza {revareza.__version__}\n"
    for function in (revareza.parallel_projection, revareza.perspective_projection,
                     revareza.orthogonal_y, revareza.project):
        assert len(function.__doc__) > 200
