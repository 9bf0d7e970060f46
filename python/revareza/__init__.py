"""Planar projections of 3D points as 4x4 homogeneous matrices.

The same C++ code as the revareza program: for the same numbers, a matrix
here is bit for bit the one ``revareza --matrizes`` prints, and ``project``
gives the x and y its interactive mode prints.

>>> import revareza
>>> m = revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], [0, 0, 0])
>>> revareza.project(m, [[1, 2, 10], [4, -2, 5]])
array([[ 0.5,  1. ],
       [ 4. , -2. ]])
"""

from __future__ import annotations

from typing import List, Optional

import numpy as np
from numpy.typing import ArrayLike, NDArray

from revareza import _revareza
from revareza._revareza import Step, __version__

__all__ = [
    "Step",
    "__version__",
    "orthogonal_y",
    "parallel_projection",
    "parallel_steps",
    "perspective_projection",
    "perspective_steps",
    "project",
]


# Python functions over the compiled ones, so that help() and
# inspect.signature show each signature as written here and in
# __init__.pyi: array-likes in, numpy arrays out. The documentation is the
# compiled function's.
def parallel_projection(
    origin: ArrayLike, x: ArrayLike, y: ArrayLike, direction: ArrayLike
) -> NDArray[np.float64]:
    return _revareza.parallel_projection(origin, x, y, direction)


def perspective_projection(
    origin: ArrayLike, x: ArrayLike, y: ArrayLike, centre: ArrayLike
) -> NDArray[np.float64]:
    return _revareza.perspective_projection(origin, x, y, centre)


def parallel_steps(origin: ArrayLike, x: ArrayLike, y: ArrayLike, direction: ArrayLike) -> List[Step]:
    return _revareza.parallel_steps(origin, x, y, direction)


def perspective_steps(origin: ArrayLike, x: ArrayLike, y: ArrayLike, centre: ArrayLike) -> List[Step]:
    return _revareza.perspective_steps(origin, x, y, centre)


def orthogonal_y(x: ArrayLike, y: ArrayLike) -> NDArray[np.float64]:
    return _revareza.orthogonal_y(x, y)


def project(
    matrix: ArrayLike, points: ArrayLike, out: Optional[NDArray[np.float64]] = None
) -> NDArray[np.float64]:
    return _revareza.project(matrix, points, out)


for _function in (parallel_projection, perspective_projection, parallel_steps, perspective_steps, orthogonal_y,
                  project):
    _function.__doc__ = getattr(_revareza, _function.__name__).__doc__
del _function
