"""The cube example draws what the module computes: every line handed to
matplotlib joins the images of two corners of one cube edge, bit for bit
revareza.project's, whatever matplotlib version draws them."""

import os
import pathlib
import runpy
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

import numpy as np

import revareza

SCRIPT = pathlib.Path(os.environ["REVAREZA_SOURCE_DIR"]) / "examples" / "python" / "cubo.py"


def test_the_figure_shows_the_modules_projection(tmp_path, monkeypatch):
    out = tmp_path / "cubo.svg"
    monkeypatch.setattr(sys, "argv", [str(SCRIPT), str(out)])
    script = runpy.run_path(str(SCRIPT))
    assert ElementTree.parse(out).getroot().tag == "{http://www.w3.org/2000/svg}svg"

    corners = np.array([[x, y, z] for x in (0.0, 1.0) for y in (0.0, 1.0) for z in (0.0, 1.0)])
    plane = (script["ORIGIN"], script["X"], script["Y"])
    matrices = [revareza.parallel_projection(*plane, [0.4, 0.3, 1.0]),
                revareza.perspective_projection(*plane, [2.0, 1.5, 3.0])]
    axes = script["figure"].axes
    assert len(axes) == len(matrices)
    for ax, m in zip(axes, matrices):
        image = revareza.project(m, corners)
        edges = set()
        for line in ax.lines:
            drawn = line.get_xydata()
            corner = [int(np.flatnonzero((image == p).all(axis=1))[0]) for p in drawn]
            assert (image[corner] == drawn).all()
            if len(drawn) == 2:
                edges.add(frozenset(corner))
            else:  # the corners themselves, as markers
                assert sorted(corner) == list(range(8))
        # The twelve edges: corners that differ in one coordinate.
        assert edges == {frozenset((a, b)) for a in range(8) for b in range(a)
                         if np.count_nonzero(corners[a] != corners[b]) == 1}


def test_without_an_argument_the_figure_goes_to_standard_output():
    tracked = SCRIPT.parents[2] / "docs" / "cubo.svg"
    before = tracked.read_bytes()
    done = subprocess.run([sys.executable, str(SCRIPT)], capture_output=True, check=True)
    assert ElementTree.fromstring(done.stdout).tag == "{http://www.w3.org/2000/svg}svg"
    assert tracked.read_bytes() == before
