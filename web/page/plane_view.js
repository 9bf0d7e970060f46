// The plane seen face on, in its own frame, as inline SVG: O at the origin,
// X to the right, Y up; the image P' with its measures x along X and y
// along Y marked as the README's figure marks them; the images of the
// object's points and edges, each edge's as the library gives it (a
// segment, or the rays out to the view's edge of an edge that crosses the
// plane through the centre), the images of points behind the centre as
// rings, and the vanishing points of a perspective that lie near enough to
// show (VANISHING_REACH). Self-contained (colours and fonts inline, its legend), so that it
// downloads as an SVG file as it is.
import { cutParts } from './clip.js';
import { finite, fitting } from './scale.js';
import { placeLabels } from './labels.js';

const SVG = 'http://www.w3.org/2000/svg';
const WIDTH = 480;
const HEIGHT = 360;
const MARGIN = 36;
const FONT = 15;
// The view takes in a vanishing point at most this many times as far from
// O as the farthest of the rest; one farther is left out (#classificacao
// gives its coordinates).
const VANISHING_REACH = 8;
const COLOURS = {
  axes: '#1f5fbf', origin: '#222222', image: '#c2189a', measure: '#2e8b57', object: '#7a3e9d', guide: '#555555',
  vanishing: '#b35c00',
};

function element(name, attributes, text) {
  const e = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) {
    e.setAttribute(key, String(value));
  }
  if (text !== undefined) {
    e.textContent = text;
  }
  return e;
}

const line = (a, b, colour, extra = {}) => element('line', {
  x1: a[0], y1: a[1], x2: b[0], y2: b[1], stroke: colour, 'stroke-width': 1.5, ...extra,
});

export function emptyPlane(svg, reason) {
  svg.replaceChildren(element('rect', { width: WIDTH, height: HEIGHT, fill: '#ffffff' }));
  svg.setAttribute('viewBox', `0 0 ${WIDTH} ${HEIGHT}`);
  const text = element('text', {
    x: WIDTH / 2, y: HEIGHT / 2, 'text-anchor': 'middle', fill: '#b00020', 'font-size': FONT,
    'font-family': 'DejaVu Sans, Arial, sans-serif',
  });
  // A long reason in lines of about 50 characters.
  const words = reason.split(' ');
  const rows = [''];
  for (const word of words) {
    if (rows[rows.length - 1].length + word.length > 50) {
      rows.push('');
    }
    rows[rows.length - 1] += `${rows[rows.length - 1] ? ' ' : ''}${word}`;
  }
  rows.forEach((row, i) => text.append(element('tspan', { x: WIDTH / 2, dy: i === 0 ? 0 : FONT * 1.3 }, row)));
  svg.append(text);
}

// image: [u, v] of P' or null; objectImages: [[u, v] or null]; behind:
// [whether each point is behind the centre]; edgeImages: the library's
// parts of each edge's image; vanishing: the library's vanishing points,
// [{axis, at: [u, v]}]; title: what the file says it shows; words: the
// library's (too_large, behind_image, vanishing_mark, vanishing_legend);
// letters: the vectors' (point, origin, x, y).
export function drawPlane(svg, {
  image, objectImages = [], behind = [], edgeImages = [], vanishing = [], title, words, letters,
}) {
  if (!finite([image, objectImages, edgeImages])) {
    emptyPlane(svg, words.too_large);
    return;
  }
  const onPlane = [[0, 0]];
  if (image) {
    onPlane.push(image);
  }
  for (const p of objectImages) {
    if (p) {
      onPlane.push(p);
    }
  }
  // Halved before squared, so that no distance overflows.
  const far = (p) => Math.hypot(p[0] / 2, p[1] / 2);
  const farthest = Math.max(...onPlane.map(far));
  const shown = vanishing.filter((v) => finite(v.at) && (far(v.at) === 0 || far(v.at) <= VANISHING_REACH * farthest));
  onPlane.push(...shown.map((v) => v.at));
  const fit = fitting(onPlane);
  // The same number of pixels for a unit along X and along Y, as many as
  // let every point in, Y up.
  const mapped = onPlane.map(fit.map);
  const reach = (i) => Math.max(1e-9, ...mapped.map((p) => Math.abs(p[i])));
  const k = Math.min((WIDTH / 2 - MARGIN) / reach(0), (HEIGHT / 2 - MARGIN) / reach(1));
  const at = (p) => {
    const [u, v] = fit.map(p);
    return [WIDTH / 2 + u * k, HEIGHT / 2 - v * k];
  };
  const o = at([0, 0]);
  svg.replaceChildren(element('title', {}, title), element('rect', { width: WIDTH, height: HEIGHT, fill: '#ffffff' }));
  svg.setAttribute('viewBox', `0 0 ${WIDTH} ${HEIGHT}`);
  svg.setAttribute('xmlns', SVG);
  svg.setAttribute('font-family', 'DejaVu Sans, Arial, sans-serif');
  svg.setAttribute('font-size', FONT);

  // The axes through O, across the whole view, with arrows at X and Y.
  svg.append(
    line([8, o[1]], [WIDTH - 8, o[1]], COLOURS.axes),
    line([o[0], HEIGHT - 8], [o[0], 8], COLOURS.axes),
    element('path', { d: `M${WIDTH - 8},${o[1]} l-10,-5 v10 z`, fill: COLOURS.axes }),
    element('path', { d: `M${o[0]},8 l-5,10 h10 z`, fill: COLOURS.axes }),
  );
  const labels = [
    { text: letters.origin, at: o, colour: COLOURS.origin, weight: 'bold' },
    { text: letters.x, at: [WIDTH - 14, o[1]], colour: COLOURS.axes, weight: 'bold' },
    { text: letters.y, at: [o[0], 14], colour: COLOURS.axes, weight: 'bold' },
  ];
  const marks = [{ x: o[0], y: o[1] }];

  // The object's images: the edges' parts cut to the view, then the points.
  for (const [a, b] of cutParts(edgeImages, [0, 0, WIDTH, HEIGHT], at, ([u, v]) => [u, -v])) {
    svg.append(line(a, b, COLOURS.object, { 'stroke-width': 1.2, class: 'imagem-aresta' }));
  }
  objectImages.forEach((p, i) => {
    if (p) {
      const [cx, cy] = at(p);
      svg.append(element('circle', behind[i]
        ? { cx, cy, r: 3.5, fill: 'none', stroke: COLOURS.object, 'stroke-width': 1.5, class: 'imagem-atras' }
        : { cx, cy, r: 2.5, fill: COLOURS.object, class: 'imagem-objeto' }));
    }
  });
  if (objectImages.some((p, i) => p && behind[i])) {
    svg.append(
      element('circle', { cx: 14, cy: HEIGHT - 14, r: 3.5, fill: 'none', stroke: COLOURS.object, 'stroke-width': 1.5 }),
      element('text', { x: 24, y: HEIGHT - 9, fill: COLOURS.object, 'font-size': FONT - 3 },
        words.behind_image),
    );
  }

  if (image) {
    // x along X and y along Y, from O to the feet of P' on the axes.
    const p = at(image);
    const xFoot = [p[0], o[1]];
    const yFoot = [o[0], p[1]];
    svg.append(
      line(p, xFoot, COLOURS.guide, { 'stroke-dasharray': '5,4', 'stroke-width': 1.2 }),
      line(p, yFoot, COLOURS.guide, { 'stroke-dasharray': '5,4', 'stroke-width': 1.2 }),
      line(o, xFoot, COLOURS.measure, { 'stroke-width': 5, 'stroke-opacity': 0.45 }),
      line(o, yFoot, COLOURS.measure, { 'stroke-width': 5, 'stroke-opacity': 0.45 }),
      element('circle', { cx: p[0], cy: p[1], r: 5, fill: COLOURS.image }),
    );
    labels.push(
      { text: `${letters.point}'`, at: p, colour: COLOURS.image, weight: 'bold' },
      { text: 'x', at: [(o[0] + xFoot[0]) / 2, o[1]], colour: COLOURS.measure, style: 'italic' },
      { text: 'y', at: [o[0], (o[1] + yFoot[1]) / 2], colour: COLOURS.measure, style: 'italic' },
    );
    marks.push({ x: p[0], y: p[1] });
  }
  svg.append(element('circle', { cx: o[0], cy: o[1], r: 4, fill: COLOURS.origin }));

  // The vanishing points: a diamond each, named by its axis.
  for (const v of shown) {
    const [cx, cy] = at(v.at);
    svg.append(element('path', {
      d: `M${cx},${cy - 6} l6,6 l-6,6 l-6,-6 z`, fill: 'none', stroke: COLOURS.vanishing, 'stroke-width': 2,
      class: 'ponto-de-fuga',
    }));
    labels.push({ text: words.vanishing_mark.replace('{axis}', v.axis), at: [cx, cy], colour: COLOURS.vanishing });
    marks.push({ x: cx, y: cy });
  }
  if (shown.length > 0) {
    svg.append(element('text', { x: WIDTH - 8, y: HEIGHT - 9, 'text-anchor': 'end', fill: COLOURS.vanishing,
      'font-size': FONT - 3 }, words.vanishing_legend));
  }

  const sizes = labels.map((l) => ({ x: l.at[0], y: l.at[1], w: l.text.length * FONT * 0.7, h: FONT }));
  placeLabels(sizes, WIDTH, HEIGHT, marks).forEach((place, i) => {
    const l = labels[i];
    svg.append(element('text', {
      x: place.x, y: place.y + FONT * 0.85, fill: l.colour, 'font-weight': l.weight ?? 'normal',
      'font-style': l.style ?? 'normal',
    }, l.text));
  });
}

// The drawing as an SVG file's text.
export function svgFile(svg) {
  return `<?xml version="1.0" encoding="UTF-8"?>\n${new XMLSerializer().serializeToString(svg)}\n`;
}
