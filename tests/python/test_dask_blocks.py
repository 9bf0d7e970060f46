"""A point cloud beyond memory, as docs/python.md shows it: the blocks of a
cloud on disk projected one by one with revareza.project into files of
their own, on dask's threads and on a cluster of worker processes; either
way the bits of the whole cloud projected at once."""

import sys

import dask.array as da
import numpy as np
import pytest

import revareza

M = revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], [0.5, -1, 0])


def project_cloud(cloud, images):
    """The recipe: blocks read where they are projected, and written there."""
    blocks = da.from_npy_stack(cloud)
    projected = blocks.map_blocks(lambda block: revareza.project(M, block), chunks=(blocks.chunks[0], (2,)),
                                  meta=np.empty((0, 2)))
    da.to_npy_stack(images, projected)


@pytest.fixture
def cloud(tmp_path):
    """A cloud saved in one file, made a directory of 11 blocks as the
    recipe tells, on this machine's threads."""
    points = np.random.default_rng(5).uniform(-10, 10, (1_000_003, 3))
    points[::7, 2] = 0  # in the plane through the centre: no image, NaN
    np.save(tmp_path / "cloud.npy", points)
    da.to_npy_stack(tmp_path / "cloud", da.from_array(np.load(tmp_path / "cloud.npy", mmap_mode="r"),
                                                      chunks=(100_000, 3)))
    return points, tmp_path


def projected(directory):
    """The images as the recipe left them on disk, read without dask."""
    blocks = sorted(directory.glob("*.npy"), key=lambda path: int(path.stem))
    assert len(blocks) == 11
    return np.concatenate([np.load(path) for path in blocks])


def test_a_cloud_projected_block_by_block_from_disk_is_the_whole_projected(cloud):
    points, directory = cloud
    project_cloud(directory / "cloud", directory / "images")
    images = projected(directory / "images")
    assert np.isnan(images).any()
    assert images.tobytes() == revareza.project(M, points).tobytes()


def test_the_same_on_a_cluster_of_worker_processes(cloud):
    from dask.distributed import Client, LocalCluster

    points, directory = cloud
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                      dashboard_address=None) as cluster, Client(cluster) as client:
        project_cloud(directory / "cloud", directory / "images")
        # Each worker process imported the module to project its blocks.
        imported = client.run(lambda: "revareza._revareza" in sys.modules)
    assert len(imported) == 2 and all(imported.values()), imported
    assert projected(directory / "images").tobytes() == revareza.project(M, points).tobytes()
