"""The unit cube projected onto a tilted plane, in parallel (oblique) and in
perspective, drawn side by side in the plane's own (x, y) frame.

    PYTHONPATH=build/native/python /usr/bin/python3 examples/python/cubo.py [out.svg]

Writes the SVG to the file named, or to standard output; the README's
figure is docs/cubo.svg, drawn by `cubo.py docs/cubo.svg`.
"""

import itertools
import sys

import matplotlib

matplotlib.use("svg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

import revareza  # noqa: E402

# The plane: below the cube and tilted; its Y is made orthogonal to X.
ORIGIN = [0.0, 0.0, -0.5]
X = [1.0, 0.0, 0.2]
Y = [0.0, 1.0, -0.3]

corners = np.array(list(itertools.product((0.0, 1.0), repeat=3)))
edges = [(a, b) for a, b in itertools.combinations(range(8), 2)
         if np.count_nonzero(corners[a] != corners[b]) == 1]

views = {
    "paralela obliqua, D = (0.4, 0.3, 1)":
        revareza.parallel_projection(ORIGIN, X, Y, [0.4, 0.3, 1.0]),
    "perspectiva, C = (2, 1.5, 3)":
        revareza.perspective_projection(ORIGIN, X, Y, [2.0, 1.5, 3.0]),
}

plt.rcParams["svg.hashsalt"] = "revareza"  # the same file every time
plt.rcParams["svg.fonttype"] = "none"
figure, axes = plt.subplots(1, len(views), figsize=(9, 4.2))
for ax, (title, matrix) in zip(axes, views.items()):
    image = revareza.project(matrix, corners)
    for a, b in edges:
        ax.plot(image[[a, b], 0], image[[a, b], 1], color="#1f4e79", linewidth=1.5)
    ax.plot(image[:, 0], image[:, 1], "o", color="#c0392b", markersize=4)
    ax.set_title(title, fontsize=11)
    ax.set_xlabel("x, ao longo de X")
    ax.set_ylabel("y, ao longo de Y")
    ax.set_aspect("equal")
    ax.grid(True, linewidth=0.4, alpha=0.5)
figure.suptitle(f"O cubo unitario no plano por {tuple(ORIGIN)}, X = {tuple(X)}, Y = {tuple(Y)}")
figure.tight_layout()

out = sys.argv[1] if len(sys.argv) > 1 else sys.stdout.buffer
figure.savefig(out, format="svg", metadata={"Date": None})
