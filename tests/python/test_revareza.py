"""The Python module against the program: the same matrices, text for text,
and the same projected points, bit for bit."""

import ast
import inspect
import math
import os
import pathlib
import random
import subprocess
import threading
import time
import tracemalloc
from decimal import Decimal
from fractions import Fraction

import numpy as np
import pytest

import exact
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


def projectable(rng):
    """A definition that has a projection (most do)."""
    while True:
        d = definition(rng)
        try:
            module_matrix(*d)
            return d
        except ValueError:
            pass


def steps_product(kind, o, x, y, last):
    """The steps' matrices multiplied in order, T = S @ T, each sum in plain
    IEEE doubles from 0.0 in the order of k, as the library sums."""
    steps = (revareza.parallel_steps if kind == 1 else revareza.perspective_steps)(
        floats(o), floats(x), floats(y), floats(last))
    def entry(s, t, i, j):
        total = 0.0  # not sum(), which may compensate
        for k in range(4):
            total += s[i][k] * t[k][j]
        return total

    t = steps[0].matrix.tolist()
    for step in steps[1:]:
        s = step.matrix.tolist()
        t = [[entry(s, t, i, j) for j in range(4)] for i in range(4)]
    return np.array(t)


def matrix_text(m):
    return "".join("".join("%10.5f " % v for v in row) + "\n" for row in m) + "\n"


def test_matrices_are_the_programs_text_for_text():
    rng = random.Random(20261207)
    definitions = [definition(rng) for _ in range(2000)]
    stdin = "".join(f"{k}  {' '.join(o)}  {' '.join(x)}  {' '.join(y)}  {' '.join(z)}\n"
                    for k, o, x, y, z in definitions) + "0\n"
    program = same_nan(run(["--matrizes"], stdin)).split("\n\n")
    assert len(program) == len(definitions) + 1
    refused = 0
    for i, d in enumerate(definitions):
        # Refused exactly where exact arithmetic finds no projection (the
        # measures far from 2^-40 either way here), or the program's
        # matrix has no finite numbers; then named for the argument.
        y_sine, last_measure = exact.measures(*d)
        degenerate = y_sine <= exact.TOLERANCE or last_measure <= exact.TOLERANCE
        assert degenerate or y_sine > 4 * exact.TOLERANCE and last_measure > 4 * exact.TOLERANCE, d
        if degenerate or "nan" in program[i] or "inf" in program[i]:
            with pytest.raises(ValueError, match="^(y|direction|centre) (is|lies) "):
                module_matrix(*d)
            refused += 1
            continue
        m = module_matrix(*d)
        assert same_nan(matrix_text(m)) == program[i] + "\n\n", d
        # The steps multiplied in order are the matrix, bit for bit.
        assert np.array_equal(bits(steps_product(*d)), bits(m)), d
    assert refused > 0


def applied(m, points):
    """x and y of Matrix4 * HVector for each point, in IEEE doubles as the C++
    orders them; NaN where the point has no image: its weight within 2^-40
    of 0 relative to its terms (or the terms not finite)."""
    p = np.asarray(points, dtype=np.float64)
    x, y, z = p[..., 0], p[..., 1], p[..., 2]
    with np.errstate(all="ignore"):
        r0, r1, r3 = (((m[i][0] * x + m[i][1] * y) + m[i][2] * z) + m[i][3] * 1.0 for i in (0, 1, 3))
        terms = ((abs(m[3][0] * x) + abs(m[3][1] * y)) + abs(m[3][2] * z)) + abs(m[3][3])
        imaged = (abs(r3) > 2.0**-40 * terms) & (terms < math.inf)
        return np.where(imaged[..., None], np.stack((r0 / r3, r1 / r3), axis=-1), np.nan)


def bits(a):
    """The bits of each double, every NaN alike (which NaN means nothing)."""
    a = np.asarray(a, dtype=np.float64)
    return np.where(np.isnan(a), np.nan, a).view(np.uint64)


def projection_cases():
    rng = random.Random(7)
    matrices = [module_matrix(*projectable(rng)) for _ in range(40)]
    # From the origin onto z = 5: points at z = 0 get weight 0, points
    # behind the centre a negative one.
    matrices.append(revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], [0, 0, 0]))
    # From (0, 0, 1) onto z = 0 the weight is 1 - z: within rounding of 0
    # near z = 1, against terms near 2.
    matrices.append(revareza.perspective_projection([0, 0, 0], [1, 0, 0], [0, 1, 0], [0, 0, 1]))
    # Signs of zeros, and weights that are -0.0, 0 or underflow.
    matrices.append(np.where(np.eye(4) == 1, 1.0, -0.0))
    matrices.append(np.vstack(([-0.0] * 4, np.eye(4)[1:])))
    matrices.append(np.diag([1.0, 1.0, 1.0, 0.0]))
    # An odd number of points, the awkward ones strewn over every lane.
    points = np.random.default_rng(7).uniform(-50, 50, (10_007, 3))
    points[:2000:2, 2] = 0.0
    points[1:2000:5, 2] *= -1
    points[2000:2040] = [[-0.0, -0.0, -0.0], [-0.0, 1, 1], [math.inf, 1, 2], [math.nan, 0, 0],
                         [1e-200, -1e-200, 0], [1, -math.inf, math.inf], [0, 0, 0], [1, 2, 0]] * 5
    points[2040:2080] = [[3, -4, 1 + 2.0**-44], [3, 4, 1 - 2.0**-45], [-5, 1, 1 + 2.0**-38], [1e300, 1e300, 1]] * 10
    points = points[np.random.default_rng(8).permutation(len(points))]
    spread = np.zeros((len(points), 5))
    spread[:, ::2] = points
    layouts = {"(N, 3)": points, "(..., 3)": points[:10_000].reshape(4, 25, 100, 3),
               "(..., 3) transposed": points[:10_000].reshape(100, 100, 3).transpose(1, 0, 2),
               "Fortran": np.asfortranarray(points), "strided": spread[:, ::2], "reversed": points[::-1],
               "one point": points[7], "lists": points[:101].tolist()}
    return [(m, name, layout) for m in matrices for name, layout in layouts.items()]


@pytest.mark.parametrize("m, name, points", projection_cases())
def test_project_is_the_matrix_applied_bit_for_bit_every_way(m, name, points):
    expected = bits(applied(m, points))
    ways = revareza._revareza._project_each_way(m, points)
    assert "sse2" in ways
    for way, got in ways.items():
        assert got.dtype == np.float64 and np.array_equal(bits(got), expected), (way, name)
    out = np.empty(np.shape(points)[:-1] + (4,))[..., ::2]  # strided too
    assert revareza.project(m, points, out=out) is out and np.array_equal(bits(out), expected), name


def test_project_gives_what_interactive_mode_prints():
    rng = random.Random(11)
    requests, expected = [], []
    for _ in range(150):
        kind, o, x, y, last = projectable(rng)
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
    layouts = {"C": points, "Fortran": np.asfortranarray(points), "(..., 3)": points.reshape(400, 500, 3),
               "strided": np.ascontiguousarray(np.repeat(points, 2, axis=0))[::2]}
    for name, layout in layouts.items():
        for out in (None, np.empty(layout.shape[:-1] + (2,))):
            tracemalloc.start()
            before = tracemalloc.get_traced_memory()[0]
            got = revareza.project(m, layout, out=out)
            peak = tracemalloc.get_traced_memory()[1] - before
            tracemalloc.stop()
            assert np.array_equal(got.reshape(-1, 2), expected, equal_nan=True), name
            assert peak <= (0 if out is not None else got.nbytes) + 4096, (name, peak)


# From the origin onto z = 5: (1, 2, 10) falls on (0.5, 1); a point with z = 0
# lies in the plane through the centre parallel to the projection plane.
ONTO_Z5 = revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], [0, 0, 0])
NO_IMAGE = [math.nan, math.nan]


@pytest.mark.parametrize("points, expected", [
    ([1, 2, 10], [0.5, 1]),
    ([[1, 2, 10]], [[0.5, 1]]),
    ([[[1, 2, 10], [2, 4, 20]], [[1, 2, 0], [3, 3, 0]]], [[[0.5, 1], [0.5, 1]], [NO_IMAGE, NO_IMAGE]]),
    (np.zeros((0, 3)), np.zeros((0, 2))),
    (np.zeros((2, 0, 3)), np.zeros((2, 0, 2))),
    ([0, 0, 0], NO_IMAGE),  # the centre itself
    ([-1, 2, -0.0], NO_IMAGE),
    ([[1, 2, 10], [math.nan, 0, 10], [math.inf, 1, 10]], [[0.5, 1], [math.nan] * 2, [math.nan] * 2]),
    ([Fraction(1, 2), Decimal("1"), 5], [0.5, 1]),
    ([2**64, -(2**70), 2.0**68 * 5], [1 / 16, -4]),
    ([np.int8(1), np.float32(2), np.uint64(10)], [0.5, 1]),
    (np.array([[1, 2, 10]], dtype=np.float32), [[0.5, 1]]),
    (np.array([True, False, True]), [5, 0]),
    (np.array([1, 2, 10], dtype=">f8"), [0.5, 1]),
])
def test_project_takes_numpys_shapes_and_any_number(points, expected):
    got = revareza.project(ONTO_Z5, points)
    assert got.dtype == np.float64 and np.array_equal(got, expected, equal_nan=True)
    out = np.full(got.shape, 7.0)
    assert revareza.project(ONTO_Z5, points, out=out) is out and np.array_equal(out, expected, equal_nan=True)


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
    # Parallel up to rounding spans no plane either: NaN, as documented.
    assert np.isnan(revareza.orthogonal_y([1, 2, 3], [5, 10, 15])).all()
    assert np.isnan(revareza.orthogonal_y([0.1, 0.2, 0.3], [1, 2, 3])).all()
    assert revareza.orthogonal_y([2**80, 0, 0], [Decimal(1), Fraction(2**20), 0]).tolist() == [0.0, 1.0, 0.0]


def tilted_planes(count):
    """Planes of small integers with no zero in X, Y or their normal, and a
    Y that is to be made orthogonal; with p, q and k for the families."""
    rng = random.Random(29)
    planes = []
    while len(planes) < count:
        o, x, y = ([rng.randint(-9, 9) for _ in range(3)] for _ in range(3))
        n = [x[1] * y[2] - x[2] * y[1], x[2] * y[0] - x[0] * y[2], x[0] * y[1] - x[1] * y[0]]
        p, q, k = rng.randint(-9, 9), rng.randint(-9, 9), rng.choice([-3, -2, 2, 5, 7])
        if 0 in x + y + n or sum(a * b for a, b in zip(x, y)) == 0 or p == q == 0:
            continue
        planes.append((o, x, y, n, p, q, k))
    return planes


def combination(p, a, q, b, start=(0, 0, 0)):
    return [s + p * u + q * v for s, u, v in zip(start, a, b)]


@pytest.mark.parametrize("family", ["Y = kX", "D = pX + qY", "C = O + pX + qY", "P = C + pX + qY"])
def test_definitions_degenerate_in_exact_arithmetic_have_no_projection(family):
    for o, x, y, n, p, q, k in tilted_planes(40):
        along = combination(p, x, q, y)
        centre = combination(1, n, 0, n, o)
        if family == "Y = kX":
            with pytest.raises(ValueError, match="^y is parallel"):
                revareza.parallel_projection(o, x, [k * c for c in x], n)
        elif family == "D = pX + qY":
            with pytest.raises(ValueError, match="^direction is parallel"):
                revareza.parallel_steps(o, x, y, along)
        elif family == "C = O + pX + qY":
            with pytest.raises(ValueError, match="^centre lies"):
                revareza.perspective_projection(o, x, y, combination(1, o, 1, along))
        else:
            m = revareza.perspective_projection(o, x, y, centre)
            point = combination(1, centre, 1, along)
            assert np.isnan(revareza.project(m, point)).all(), (o, x, y, point)
            assert exact.perspective_image(o, x, y, centre, point) is None


def turned(angle, base_x, base_y, how):
    """X and Y of a coordinate plane turned by a small angle: within the
    plane, tilted about X or about Y, or both."""
    x, y = np.array(base_x, float), np.array(base_y, float)
    n = np.cross(x, y)
    if how == "in the plane":
        return x + angle * y, y - angle * x
    if how == "about X":
        return x, y + angle * n
    if how == "about Y":
        return x + angle * n, y
    return x + angle * (y - n), y + angle * (2 * n - x)


NEAR_AXES = [(angle, frame, how) for angle in (1e-12, 1e-10, 1e-8, 1e-6, 1e-4, 1e-2)
             for frame in (([1, 0, 0], [0, 1, 0]), ([0, 1, 0], [0, 0, 1]), ([0, 0, 1], [1, 0, 0]),
                           ([-1, 0, 0], [0, 1, 0]), ([1, 0, 0], [0, 0, -1]))
             for how in ("in the plane", "about X", "about Y", "both")]


def test_planes_near_the_axes_and_y_kept_within_the_tolerance_keep_their_digits():
    # Far points, so that an angle's error moves their images by many digits.
    points = [[10000, 10000, -3], [-7000, 200, 9000], [1, 2, 3]]
    o = [3000, -2000, 5000]
    cases = [(angle, *turned(angle, *frame, how)) for angle, frame, how in NEAR_AXES]
    # Y kept as read (|X . Y| <= 1e-7), tilted towards X.
    cases += [(t, np.array([1.0, 0, 0]), np.array([t, 1.0, 0])) for t in (1e-7, 9e-8, -5e-8, 1e-12)]
    worst = 0.0
    for angle, x, y in cases:
        n = np.cross(x, y)
        direction = n / np.linalg.norm(n) + [0.3, -0.2, 0.1]
        centre = o + 20000 * n / np.linalg.norm(n) + [300, 100, -200]
        for kind, last in ((1, direction), (2, centre)):
            build = revareza.parallel_projection if kind == 1 else revareza.perspective_projection
            images = revareza.project(build(o, x, y, last), points)
            for point, image in zip(points, images):
                image_of = exact.parallel_image if kind == 1 else exact.perspective_image
                expected = [float(c) for c in image_of(o, x.tolist(), y.tolist(), last.tolist(), point)]
                error = max(abs(image - expected)) / max(abs(c) for c in expected)
                assert error <= 1e-12, (kind, angle, x, y, point, image, expected)
                worst = max(worst, error)
    assert worst > 0  # the oracle computes apart from the module
    # The user's two: a plane turned 1e-8 about z, and a Y 9e-8 off.
    x, y = revareza.project(revareza.parallel_projection([0, 0, 5], [1, 1e-8, 0], [-1e-8, 1, 0], [0.3, 0.2, 1]),
                            [10000, 10000, -3])
    assert ("%.5f" % x, "%.5f" % y) == ("10002.40010", "10001.59990")
    x, y = revareza.project(revareza.parallel_projection([0, 0, 0], [1, 0, 0], [9e-8, 1, 0], [1, 1, 1]),
                            [0, 10000, 5000])
    assert ("%.5f" % x, "%.5f" % y) == ("-5000.00000", "5000.00000")


def test_project_into_an_out_that_overlaps_its_points():
    points = np.random.default_rng(2).uniform(-10, 10, (1001, 3))
    expected = revareza.project(ONTO_Z5, points)
    ahead = points.reshape(-1)[1001:3003].reshape(1001, 2)  # images of the first points land on later ones
    assert np.array_equal(revareza.project(ONTO_Z5, points, out=ahead), expected)


@pytest.mark.parametrize("name", revareza.classical_projections())
def test_each_classical_projection_builds_and_is_classified_as_its_name(name):
    assert revareza.classical_projection(name) == revareza.classical_projection(name, angle=45)
    for angle in (45, 30):
        arguments = revareza.classical_projection(name, angle=angle)
        perspective = "centre" in arguments
        assert sorted(arguments) == sorted(["origin", "x", "y", "centre" if perspective else "direction"])
        build = revareza.perspective_projection if perspective else revareza.parallel_projection
        assert build(**arguments).shape == (4, 4)
        found = (revareza.classify_perspective if perspective else revareza.classify_parallel)(**arguments)
        assert found["name"] == name
        assert found["kind"] == "perspectiva" if perspective else found["kind"] in ("ortogonal", "obliqua")
        assert (found["angle_degrees"] is None) == (found["foreshortening"] is None) == perspective
        assert (len(found["vanishing_points"]) > 0) == perspective


@pytest.mark.parametrize("origin, x, y, centre, axes", [
    (*revareza.classical_projection("perspectiva-2").values(), "xy"),
    ([0, 0, 0], [1, 2, 0], [0, 0, 1], [5, -4, 2], "xy"),
    ([2, 3, 4], [-3, 1, 0], [-3, 1, 5], [-6, -9, 1], "xy"),  # Y made orthogonal, z still in the plane
    ([1, 1, 1], [1, 0, 0], [0, 1, 2], [4, -5, 3], "yz"),
])
def test_two_point_vanishing_points_are_where_the_matrix_sends_the_axes(origin, x, y, centre, axes):
    found = revareza.classify_perspective(origin, x, y, centre)
    m = revareza.perspective_projection(origin, x, y, centre)
    assert found["name"] == "perspectiva-2"
    assert [axis for axis, _, _ in found["vanishing_points"]] == list(axes)
    for axis, u, v in found["vanishing_points"]:
        image = m @ np.eye(4)["xyz".index(axis)]
        assert (u, v) == pytest.approx((image[0] / image[3], image[1] / image[3]), rel=1e-12), axis


@pytest.mark.parametrize("call, error, name", [
    (lambda: revareza.parallel_projection([0, 0, 0], [1, 0, 0], [0, 1, 0], [0, 0, 0]), ValueError, "direction"),
    (lambda: revareza.perspective_projection([0, 0, 0], [0, 0, 0], [0, 1, 0], [0, 0, 0]), ValueError, "x"),
    (lambda: revareza.orthogonal_y([1, 0, 0], [0.0, -0.0, 0]), ValueError, "y"),
    (lambda: revareza.parallel_projection([0, 0], [1, 0, 0], [0, 1, 0], [0, 0, 1]), ValueError, "origin"),
    (lambda: revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], [[0, 0, 0]]), ValueError, "centre"),
    (lambda: revareza.parallel_projection("abc", [1, 0, 0], [0, 1, 0], [0, 0, 1]), TypeError, "origin"),
    (lambda: revareza.orthogonal_y([1, 0, 0], ["a", "b", "c"]), TypeError, "y"),
    (lambda: revareza.parallel_projection([0, 0, 0], [1j, 0, 0], [0, 1, 0], [0, 0, 1]), TypeError, "x"),
    (lambda: revareza.project(np.eye(4), [[1, 2]]), ValueError, "points"),
    (lambda: revareza.project(np.eye(4), 5.0), ValueError, "points"),
    (lambda: revareza.project(np.eye(3), [[1, 2, 3]]), ValueError, "matrix"),
    (lambda: revareza.project(np.eye(4), [[1, None, 3]]), TypeError, "points"),
    (lambda: revareza.project(np.eye(4), [Fraction(1), "2", 3]), TypeError, "points"),
    (lambda: revareza.project(np.eye(4), [1, 2, b"3"]), TypeError, "points"),
    (lambda: revareza.project("M", [[1, 2, 3]]), TypeError, "matrix"),
    (lambda: revareza.project(np.eye(4), [1, 2, 3], out=np.empty(2, np.float32)), TypeError, "out"),
    (lambda: revareza.project(np.eye(4), [1, 2, 3], out=[0.0, 0.0]), TypeError, "out"),
    (lambda: revareza.project(np.eye(4), [[1, 2, 3]], out=np.empty(2)), ValueError, "out"),
    (lambda: revareza.project(np.eye(4), [1, 2, 10], out=np.zeros((2, 5))), ValueError, "out"),
    (lambda: revareza.project(np.eye(4), [[1, 2, 10]] * 5, out=np.zeros((2, 5))), ValueError, "out"),
    (lambda: revareza.project(np.eye(4), [1, 2, 3], out=np.broadcast_to(np.empty(2), (2,))), ValueError, "out"),
    # Definitions with no projection, as the program asks again for them.
    (lambda: revareza.parallel_projection([0, 0, 0], [1, 0, 0], [2, 0, 0], [0, 0, 1]), ValueError, "y is parallel"),
    (lambda: revareza.perspective_steps([0, 0, 0], [1, 2, 3], [-2, -4, -6], [0, 0, 1]), ValueError, "y is parallel"),
    (lambda: revareza.parallel_steps([0, 0, 0], [1, 0, 0], [0, 1, 0], [1, 1, 0]), ValueError, "direction is parallel"),
    (lambda: revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], [3, 3, 5]), ValueError, "centre lies"),
    (lambda: revareza.parallel_projection([1e308, 0, 1e308], [1, 0, 0], [0, 1, 0], [1, 0, -1]), ValueError,
     "origin, x, y and direction are"),
    (lambda: revareza.parallel_projection([0, math.nan, 0], [1, 0, 0], [0, 1, 0], [0, 0, 1]), ValueError, "origin"),
    (lambda: revareza.perspective_projection([0, 0, 0], [1, 0, 0], [0, 1, 0], [0, 0, math.inf]), ValueError,
     "centre"),
    (lambda: revareza.classify_parallel([0, 0, 0], [1, 0, 0], [2, 0, 0], [0, 0, 1]), ValueError, "y is parallel"),
    (lambda: revareza.classify_parallel([0, 0, 0], [1, 0, 0], [0, 1, 0], [1, 1, 0]), ValueError,
     "direction is parallel"),
    (lambda: revareza.classify_perspective([0, 0, 5], [1, 0, 0], [0, 1, 0], [3, 3, 5]), ValueError, "centre lies"),
    (lambda: revareza.classical_projection("obliqua"), ValueError, "name must be one of frontal,"),
    (lambda: revareza.classical_projection(b"frontal"), TypeError, "name"),
    (lambda: revareza.classical_projection("cavaleira", angle=math.nan), ValueError, "angle"),
    (lambda: revareza.classical_projection("cavaleira", angle=[30, 60]), ValueError, "angle"),
    (lambda: revareza.classical_projection("cavaleira", angle="30"), TypeError, "angle"),
])
def test_bad_arguments_raise_and_name_the_argument(call, error, name):
    with pytest.raises(error, match=rf"^{name} "):
        call()


def test_version_and_documentation():
    assert run(["--version"], "") == f"revareza {revareza.__version__}\n"
    for function in (revareza.parallel_projection, revareza.perspective_projection, revareza.parallel_steps,
                     revareza.perspective_steps, revareza.orthogonal_y, revareza.project, revareza.classify_parallel,
                     revareza.classify_perspective, revareza.classical_projections, revareza.classical_projection):
        assert len(function.__doc__) > 200
    # help() shows what the stub the build wrote declares, and inspect.signature
    # its names and defaults.
    stub = ast.parse(pathlib.Path(revareza.__file__).with_name("__init__.pyi").read_text())
    declared = [f for f in stub.body if isinstance(f, ast.FunctionDef)]
    assert sorted(f.name for f in declared) == sorted(set(revareza.__all__) - {"__version__", "Step"})
    for f in declared:
        function = getattr(revareza, f.name)
        typed = f"{f.name}({ast.unparse(f.args)}) -> {ast.unparse(f.returns)}"
        assert function.__doc__.split("\n", 1)[0].replace(" ", "") == typed.replace(" ", "")
        for argument in f.args.args:
            argument.annotation = None
        assert str(inspect.signature(function)) == f"({ast.unparse(f.args)})"


def test_the_package_holds_its_api_alone():
    names = {name for name in dir(revareza) if not (name.startswith("__") and name.endswith("__"))}
    assert names == set(revareza.__all__) - {"__version__"} | {"_revareza"}
    assert sorted(revareza.__all__) == ["Step", "__version__", "classical_projection", "classical_projections",
                                        "classify_parallel", "classify_perspective", "orthogonal_y",
                                        "parallel_projection", "parallel_steps", "perspective_projection",
                                        "perspective_steps", "project"]
