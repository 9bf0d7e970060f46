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

# The compiled functions as they are: their signatures and documentation
# are written once, in module.cpp, and the type stub beside this file is
# generated from them in the build.
from revareza._revareza import (
    Step,
    __version__,
    classical_projection,
    classical_projections,
    classify_parallel,
    classify_perspective,
    orthogonal_y,
    parallel_projection,
    parallel_steps,
    perspective_projection,
    perspective_steps,
    project,
)

__all__ = [
    "Step",
    "__version__",
    "classical_projection",
    "classical_projections",
    "classify_parallel",
    "classify_perspective",
    "orthogonal_y",
    "parallel_projection",
    "parallel_steps",
    "perspective_projection",
    "perspective_steps",
    "project",
]
