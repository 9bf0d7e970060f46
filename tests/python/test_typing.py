"""A user's script under mypy --strict, with the package's types as the
build writes them: the right calls pass, and each wrong one is caught on
its own line with its reason."""

import pathlib
import re
import subprocess
import sys

import revareza

RIGHT = """\
import numpy as np
from numpy.typing import NDArray
import revareza
m = revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], centre=[0, 0, 0])
images: NDArray[np.float64] = revareza.project(m, [[1, 2, 10]], out=np.empty((1, 2)))
for step in revareza.parallel_steps(origin=[0, 0, 0], x=[1, 0, 0], y=[0, 1, 0], direction=(0, 0, 1)):
    name: str = step.name
    angle: float = step.parameters["angle"]
    matrix: NDArray[np.float64] = step.matrix @ revareza.orthogonal_y([1, 0, 0], np.ones(3))
version: str = revareza.__version__
arguments = revareza.classical_projection(revareza.classical_projections()[5], angle=30)
degrees: float = revareza.classify_parallel(**arguments)["angle_degrees"] + 0.5
"""

# Each line after RIGHT's, and what mypy must say of it.
WRONG = [
    ("revareza.project(m)", 'Missing positional argument "points" in call to "project"'),
    ("revareza.parallel_projection([0, 0, 0], [1, 0, 0], [0, 1, 0], centre=[0, 0, 1])",
     'Unexpected keyword argument "centre" for "parallel_projection"'),
    ("revareza.orthogonal_y([1, 0, 0], [0, 1, 0], [0, 0, 1])", 'Too many arguments for "orthogonal_y"'),
    ("revareza.project(m, [1, 2, 3], out=[0.0, 0.0])", 'Argument "out" to "project" has incompatible type'),
    ("count: int = revareza.perspective_steps([0, 0, 5], [1, 0, 0], [0, 1, 0], [0, 0, 0])[0].name",
     "Incompatible types in assignment"),
    ("revareza.classical_projection(45)", 'Argument 1 to "classical_projection" has incompatible type'),
    ("revareza.parallel_projectoin([0, 0, 0], [1, 0, 0], [0, 1, 0], [0, 0, 1])",
     'Module has no attribute "parallel_projectoin"'),
]


def test_mypy_strict_passes_right_calls_and_catches_each_wrong_one(tmp_path):
    script = tmp_path / "user.py"
    script.write_text(RIGHT + "".join(line + "\n" for line, _ in WRONG))
    package_parent = pathlib.Path(revareza.__file__).parent.parent
    done = subprocess.run([sys.executable, "-m", "mypy", "--strict", "--no-incremental", "--cache-dir", "/dev/null",
                           "--no-error-summary", str(script)],
                          env={"MYPYPATH": str(package_parent), "PATH": "/usr/bin:/bin"},
                          capture_output=True, text=True, cwd=tmp_path)
    assert done.returncode in (0, 1), done.stderr
    # None in the package's own stub, which would quietly type its names as Any.
    assert [line for line in done.stdout.splitlines() if ": error:" in line and not line.startswith("user.py:")] == []
    errors = {}
    for line in done.stdout.splitlines():
        found = re.match(r"^user\.py:(\d+): error: (.*)$", line)
        if found:
            errors.setdefault(int(found.group(1)), []).append(found.group(2))
    first_wrong = RIGHT.count("\n") + 1
    assert {n: e for n, e in errors.items() if n < first_wrong} == {}, done.stdout
    for n, (line, message) in enumerate(WRONG, start=first_wrong):
        assert any(message in error for error in errors.get(n, [])), (line, errors.get(n), done.stdout)
