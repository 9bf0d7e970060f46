// Coordinates from 1e-300 to 1e300 made drawable: a box round the points,
// taken apart as a centre and a scale, so that every point, moved by the
// centre and divided by the scale, lies in [-1, 1]. Halves before sums, so
// that nothing overflows on the way, however far apart the points.

// points: arrays of numbers (all of the same length, all finite).
export function fitting(points) {
  const size = points[0].length;
  const centre = [];
  let scale = 0;
  for (let i = 0; i < size; i += 1) {
    let low = Infinity;
    let high = -Infinity;
    for (const p of points) {
      low = Math.min(low, p[i]);
      high = Math.max(high, p[i]);
    }
    centre.push(low / 2 + high / 2);
    scale = Math.max(scale, high / 2 - low / 2);
  }
  // All in one place: any scale draws them, at the centre.
  if (!(scale > 0)) {
    scale = 1;
  }
  return { centre, scale, map: (p) => p.map((v, i) => (v - centre[i]) / scale) };
}

// Whether every number in a value (nested arrays and objects) is finite.
export const finite = (value) => {
  if (typeof value === 'number') {
    return Number.isFinite(value);
  }
  if (value !== null && typeof value === 'object') {
    return Object.values(value).every(finite);
  }
  return true;
};
