#pragma once

namespace revareza {

/// One parallel projection: reads the point (interactive mode only), the
/// plane origin, X, Y and the direction of projection, then prints the
/// projected point or, in matrix mode, the matrix and an empty line.
void run_parallel_dialogue();

/// One perspective projection: as run_parallel_dialogue, with a centre of
/// projection in place of the direction.
void run_perspective_dialogue();

} // namespace revareza
