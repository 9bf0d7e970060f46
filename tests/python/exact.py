"""Projections in decimal arithmetic of 60 digits, from the numbers as
given (each float converted exactly): the oracle the module's results are
held to, independent of its code. The plane's frame is X, then Y's part
orthogonal to X, then their normal."""

from decimal import Decimal, getcontext

getcontext().prec = 60
TOLERANCE = Decimal(2) ** -40  # the library's, for the degeneracies


def vector(v):
    return [Decimal(c) if not isinstance(c, str) else Decimal(c) for c in v]


def sub(a, b):
    return [p - q for p, q in zip(a, b)]


def add(a, b):
    return [p + q for p, q in zip(a, b)]


def scale(a, s):
    return [p * s for p in a]


def dot(a, b):
    return sum(p * q for p, q in zip(a, b))


def cross(a, b):
    return [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]]


def length(a):
    return dot(a, a).sqrt()


def unit(a):
    return scale(a, 1 / length(a))


def frame(x, y):
    x = unit(vector(x))
    y = vector(y)
    y = unit(sub(y, scale(x, dot(y, x))))
    return x, y, cross(x, y)


def in_frame(o, x, y, image):
    x, y, _ = frame(x, y)
    r = sub(image, vector(o))
    return dot(r, x), dot(r, y)


def parallel_image(o, x, y, d, p):
    """Where the line through p along d meets the plane, from o along x and y."""
    n = cross(vector(x), vector(y))
    o, d, p = vector(o), vector(d), vector(p)
    t = -dot(sub(p, o), n) / dot(d, n)
    return in_frame(o, x, y, add(p, scale(d, t)))


def perspective_image(o, x, y, c, p):
    """Where the line from c through p meets the plane; None where it never does."""
    # The normal unnormalised: exact for the given numbers, so that a point
    # exactly in the plane through c is seen to be.
    n = cross(vector(x), vector(y))
    o, c, p = vector(o), vector(c), vector(p)
    towards = dot(sub(p, c), n)
    if towards == 0:
        return None
    return in_frame(o, x, y, add(c, scale(sub(p, c), dot(sub(o, c), n) / towards)))


def measures(kind, o, x, y, last):
    """The relative measures the library decides degeneracy by, exactly:
    the sine between X and Y, then the sine between D and the plane (type 1)
    or the centre's distance from the plane over |C| + |O| (type 2)."""
    x, y, o, last = vector(x), vector(y), vector(o), vector(last)
    normal = cross(x, y)
    y_sine = length(normal) / (length(x) * length(y))
    if y_sine == 0:
        return y_sine, None
    n = unit(normal)
    if kind == 1:
        return y_sine, abs(dot(n, last)) / length(last)
    sizes = length(last) + length(o)
    return y_sine, abs(dot(n, sub(last, o))) / sizes if sizes else Decimal(0)
