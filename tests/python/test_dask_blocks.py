"""A point cloud beyond memory, by the recipe of docs/python.md, run as the
doc's code blocks say: a cloud in a .npy file made a zarr store and
projected block by block into another, on dask's threads and on a cluster
of worker processes whose folders are not the script's; either way the
bits of the whole cloud projected at once. A store that would be read with
pickle is refused unread; a run that fails or is killed half-way leaves no
store at the final path."""

import json
import os
import pickle
import re
import signal
import subprocess
import sys
from pathlib import Path

import dask.array as da
import numpy as np
import pytest

import revareza

SECTION = (Path(os.environ["REVAREZA_SOURCE_DIR"]) / "docs" / "python.md").read_text().split("### Beyond memory")[1]
# The recipe's functions, then its use on one machine.
RECIPE, USE = re.findall(r"^```python\n(.*?)^```", SECTION, re.DOTALL | re.MULTILINE)[:2]


def recipe():
    """The recipe's functions, as a module that is not importable: the
    workers get them by value."""
    namespace = {"__name__": "docs_python_recipe"}
    exec(compile(RECIPE, "docs/python.md", "exec"), namespace)
    return namespace


def run_as_documented(folder):
    """The doc's use of the recipe, in folder; the names it defined."""
    namespace = recipe()
    os.chdir(folder)
    exec(compile(USE, "docs/python.md", "exec"), namespace)
    return namespace


@pytest.fixture
def folder(tmp_path, monkeypatch):
    """A folder holding cloud.npy, of 3 blocks as the doc cuts it."""
    monkeypatch.chdir(tmp_path)
    points = np.random.default_rng(5).uniform(-10, 10, (2_500_001, 3))
    points[::7, 2] = 0  # in the plane through the centre: no image, NaN
    np.save(tmp_path / "cloud.npy", points)
    return tmp_path


def stored(path):
    """The numbers a store holds, read without dask."""
    import zarr

    return zarr.open_array(str(path), mode="r")[:]


def expect_whole_cloud_projected(folder, namespace):
    images = stored(folder / "images.zarr")
    assert np.isnan(images).any()
    assert images.tobytes() == revareza.project(namespace["m"], np.load(folder / "cloud.npy")).tobytes()
    assert namespace["images"].compute().tobytes() == images.tobytes()
    assert sorted(path.name for path in folder.iterdir()) == ["cloud.npy", "cloud.zarr", "images.zarr"]


def test_a_cloud_projected_block_by_block_on_threads_is_the_whole_projected(folder):
    expect_whole_cloud_projected(folder, run_as_documented(folder))


def test_a_store_that_would_be_read_with_pickle_is_refused_unread(tmp_path):
    marker = tmp_path / "ran"
    payload = pickle.dumps(type("Payload", (), {"__reduce__": lambda self: (open, (str(marker), "w"))})())
    write_store = recipe()["write_store"]
    for name, change in [("compressor", {"compressor": {"id": "pickle"}}),
                         ("filter", {"filters": [{"id": "pickle"}]}),
                         ("objects", {"dtype": "|O", "filters": [{"id": "pickle"}]})]:
        store = tmp_path / name
        write_store(da.zeros((4, 3), chunks=(2, 3)), store)
        description = json.loads((store / ".zarray").read_text())
        (store / ".zarray").write_text(json.dumps({**description, **change}))
        (store / "0.0").write_bytes(payload)
        with pytest.raises(ValueError, match="no float64 points"):
            recipe()["read_points"](store).compute()
        assert not marker.exists(), name


def test_a_run_that_fails_half_way_leaves_no_store(folder):
    namespace = run_as_documented(folder)

    def fail_last(block, block_info=None):
        if block_info[None]["chunk-location"][0] == 2:
            raise RuntimeError("failed on purpose")
        return block

    with pytest.raises(RuntimeError, match="failed on purpose"):
        namespace["write_store"](namespace["read_points"]("cloud.zarr").map_blocks(fail_last, meta=np.empty((0, 3))),
                                 "again.zarr")
    assert not (folder / "again.zarr").exists()
    assert stored(folder / "cloud.zarr").shape == (2_500_001, 3)


def test_a_run_killed_half_way_leaves_no_store(folder):
    run_as_documented(folder)
    # The third block waits until another is written (for up to a minute),
    # then kills the process that runs the recipe.
    script = RECIPE + """
import glob, signal, time
import dask

dask.config.set(num_workers=4)  # one waits, the others write

def kill_at_last(block, block_info=None):
    if block_info[None]["chunk-location"][0] == 2:
        deadline = time.monotonic() + 60
        while not glob.glob("again.zarr*/[0-9]*.0") and time.monotonic() < deadline:
            time.sleep(0.01)
        os.kill(os.getpid(), signal.SIGKILL)
    return block

write_store(read_points("cloud.zarr").map_blocks(kill_at_last, meta=np.empty((0, 3))), "again.zarr")
"""
    killed = subprocess.run([sys.executable, "-c", script], cwd=folder, timeout=600)
    assert killed.returncode == -signal.SIGKILL
    assert not (folder / "again.zarr").exists()
    (partial,) = folder.glob("again.zarr.partial-*")
    assert list(partial.glob("[0-9]*.0")), "killed before a block was written"


def test_the_same_on_a_cluster_of_worker_processes_in_folders_of_their_own(folder, tmp_path_factory):
    from dask.distributed import Client, LocalCluster

    elsewhere = str(tmp_path_factory.mktemp("workers"))
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                      dashboard_address=None) as cluster, Client(cluster) as client:
        client.run(os.chdir, elsewhere)
        namespace = run_as_documented(folder)
        expect_whole_cloud_projected(folder, namespace)
        # Each worker process imported the module to project its blocks,
        # in its own folder.
        workers = client.run(lambda: ("revareza._revareza" in sys.modules, os.getcwd()))
    assert len(workers) == 2 and all(state == (True, elsewhere) for state in workers.values()), workers
    assert os.listdir(elsewhere) == []
