// The parts of an edge's image the library gives (segments, and rays out to
// infinity where the edge crosses the plane through the centre), cut to
// the box a view shows. Each view moves and scales the plane uniformly, so
// a part is cut in the view's own coordinates.

// The piece of start + t along, t from 0 to last (Infinity for a ray),
// inside the box [x0, y0, x1, y1]: its two ends, or null where it misses
// the box (Liang and Barsky's cut, one axis after the other).
export function clip(start, along, last, [x0, y0, x1, y1]) {
  let low = 0;
  let high = last;
  for (const [p, d, min, max] of [[start[0], along[0], x0, x1], [start[1], along[1], y0, y1]]) {
    if (d === 0) {
      if (p < min || p > max) {
        return null;
      }
    } else {
      const a = (min - p) / d;
      const b = (max - p) / d;
      low = Math.max(low, Math.min(a, b));
      high = Math.min(high, Math.max(a, b));
    }
  }
  if (!(low <= high)) {
    return null;
  }
  return [low, high].map((t) => [start[0] + t * along[0], start[1] + t * along[1]]);
}

// A direction scaled so that its larger component is 1 or -1: no overflow
// or underflow along it, whatever its size.
export function unit([u, v]) {
  const size = Math.max(Math.abs(u), Math.abs(v));
  return [u / size, v / size];
}

// Every part of every edge's image (parts: [[{start, end} or {start,
// direction}]]) cut to the box, in the view's coordinates: at maps a place
// on the plane, turn a direction (the linear part of at, without scaling).
export function cutParts(parts, box, at, turn) {
  const cut = [];
  for (const part of parts.flat()) {
    const start = at(part.start);
    const end = part.end ? at(part.end) : null;
    const piece = end ? clip(start, [end[0] - start[0], end[1] - start[1]], 1, box)
      : clip(start, turn(unit(part.direction)), Infinity, box);
    if (piece) {
      cut.push(piece);
    }
  }
  return cut;
}
