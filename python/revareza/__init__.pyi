from typing import Optional

import numpy as np
from numpy.typing import ArrayLike, NDArray

__version__: str

def parallel_projection(
    origin: ArrayLike, x: ArrayLike, y: ArrayLike, direction: ArrayLike
) -> NDArray[np.float64]: ...
def perspective_projection(
    origin: ArrayLike, x: ArrayLike, y: ArrayLike, centre: ArrayLike
) -> NDArray[np.float64]: ...
def orthogonal_y(x: ArrayLike, y: ArrayLike) -> NDArray[np.float64]: ...
def project(
    matrix: ArrayLike, points: ArrayLike, out: Optional[NDArray[np.float64]] = None
) -> NDArray[np.float64]: ...
