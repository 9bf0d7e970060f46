"""Planar projections of 3D points as 4x4 homogeneous matrices.

The same C++ code as the revareza program: for the same numbers, a matrix
here is bit for bit the one ``revareza --matrizes`` prints, and ``project``
gives the x and y its interactive mode prints.

>>> import revareza
>>> m = revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], [0, 0, 0])
>>> revareza.project(m, [[1, 2, 10]])
array([[0.5, 1. ]])
"""

from revareza._revareza import (
    __version__,
    orthogonal_y,
    parallel_projection,
    perspective_projection,
    project,
)

__all__ = [
    "__version__",
    "orthogonal_y",
    "parallel_projection",
    "perspective_projection",
    "project",
]
