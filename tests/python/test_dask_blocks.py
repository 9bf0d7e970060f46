"""A point cloud beyond memory, as the README shows it: a dask array over a
file on disk, projected block by block with revareza.project into another
file, gives the bits of the whole cloud projected at once."""

import dask.array as da
import numpy as np

import revareza


def test_a_cloud_projected_block_by_block_from_disk_is_the_whole_projected(tmp_path):
    m = revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], [0.5, -1, 0])
    points = np.random.default_rng(5).uniform(-10, 10, (1_000_003, 3))
    points[::7, 2] = 0  # in the plane through the centre: no image, NaN
    np.save(tmp_path / "cloud.npy", points)

    cloud = da.from_array(np.load(tmp_path / "cloud.npy", mmap_mode="r"), chunks=(100_000, 3))
    images = cloud.map_blocks(lambda block: revareza.project(m, block), chunks=(cloud.chunks[0], (2,)),
                              meta=np.empty((0, 2)))
    out = np.lib.format.open_memmap(tmp_path / "images.npy", mode="w+", shape=images.shape)
    da.store(images, out)

    assert cloud.numblocks == (11, 1) and np.isnan(out).any()
    assert np.load(tmp_path / "images.npy").tobytes() == revareza.project(m, points).tobytes()
