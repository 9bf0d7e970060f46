// Labels beside the points they name, never on one another: each label,
// in the order given, takes the first of a few places round its point (to
// the right and up first, then further out) where it covers no label
// already placed and stays inside the box; failing that, the place that
// covers least.

const GAP = 4;

// Places round a point for a label w by h, nearest first.
function places(x, y, w, h) {
  const around = [];
  for (const reach of [1, 2, 3.5]) {
    const d = GAP * reach + (reach - 1) * h;
    around.push([x + d, y - h - d], [x + d, y + d], [x - w - d, y - h - d], [x - w - d, y + d],
      [x - w / 2, y - h - d - GAP], [x - w / 2, y + d + GAP]);
  }
  return around;
}

const overlap = (a, b) => Math.max(0, Math.min(a.x + a.w, b.x + b.w) - Math.max(a.x, b.x))
  * Math.max(0, Math.min(a.y + a.h, b.y + b.h) - Math.max(a.y, b.y));

// labels: [{x, y, w, h}] with (x, y) the point named; returns [{x, y}], the
// top left corner of each label, inside width by height where it fits.
// Points to keep clear of (marks, [{x, y}]) count as small boxes.
export function placeLabels(labels, width, height, marks = []) {
  const taken = marks.map((m) => ({ x: m.x - 3, y: m.y - 3, w: 6, h: 6 }));
  return labels.map(({ x, y, w, h }) => {
    let best = null;
    let bestCover = Infinity;
    for (const [px, py] of places(x, y, w, h)) {
      const box = {
        x: Math.min(Math.max(px, 0), Math.max(0, width - w)),
        y: Math.min(Math.max(py, 0), Math.max(0, height - h)),
        w,
        h,
      };
      const cover = taken.reduce((sum, t) => sum + overlap(box, t), 0);
      if (cover < bestCover) {
        best = box;
        bestCover = cover;
        if (cover === 0) {
          break;
        }
      }
    }
    taken.push(best);
    return { x: best.x, y: best.y };
  });
}
