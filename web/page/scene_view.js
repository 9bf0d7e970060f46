// The 3D view: the plane with O, X and Y, the point P, its projector along
// D or from C, the image P', and the object with its images on the plane:
// each edge's image as the library gives it (a segment, or the rays out to
// the patch's edge of an edge that crosses the plane through the centre),
// points behind the centre as rings; the world's axes and a light grid on
// its ground z = 0. It shows the scene after the first k steps of the
// matrix, as the library moves it, and goes from one such stage to another
// in a short animation; every stage is scaled alike, so that the world's
// axes stay put. Everything is moved and scaled into [-1, 1] before
// three.js sees it (its numbers are single precision), so that coordinates
// from 1e-300 to 1e300 draw alike. The labels are HTML over the canvas:
// always the same size, placed so as not to cover one another. The camera
// stays where the user put it until reset() frames the scene again. Why
// nothing is drawn is the page's to say.
import {
  BufferGeometry, CanvasTexture, Color, DoubleSide, Float32BufferAttribute, Group, LineBasicMaterial, LineSegments,
  Mesh, MeshBasicMaterial, PerspectiveCamera, Points, PointsMaterial, Scene, Vector3, WebGLRenderer,
} from 'three';
import { OrbitControls } from 'three/addons/controls/OrbitControls.js';
import { cutParts } from './clip.js';
import { finite, fitting } from './scale.js';
import { placeLabels } from './labels.js';

// The colours the legend names (style.css has the same).
export const COLOURS = {
  background: 0xffffff, plane: 0x3d7fd6, xAxis: 0xd62828, yAxis: 0x2a9d3c, origin: 0x222222, point: 0xf08c00,
  image: 0xc2189a, centre: 0x5b3fa8, projector: 0x555555, object: 0x0f8b8d, objectImage: 0xe07bc7,
  world: 0x8a8f98, worldLabel: 0x5a5f68, grid: 0xe4e6ea,
};
const AXES = ['x', 'y', 'z'];
// How long the view takes from one stage to the next, and how long it
// stays as it is before it is still, in milliseconds.
const ANIMATION = 600;
const STILL = 300;
const css = (colour) => `#${colour.toString(16).padStart(6, '0')}`;

const sub = (a, b) => a.map((v, i) => v - b[i]);
const add = (a, b) => a.map((v, i) => v + b[i]);
const times = (a, s) => a.map((v) => v * s);
const dot = (a, b) => a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
const length = (a) => Math.hypot(a[0], a[1], a[2]);
// a divided by its largest component's size (a of 0 as it is), so that a
// difference of points that nearly coincide neither underflows when
// squared nor divides 0 by 0; divided, since 1 / 5e-324 overflows.
const unit = (a) => {
  const size = Math.max(...a.map(Math.abs));
  return size > 0 ? a.map((v) => v / size) : a;
};

// Eased from 0 to 1: slow at either end.
const smooth = (t) => t * t * (3 - 2 * t);
const mix = (a, b, t) => a.map((v, i) => v * (1 - t) + b[i] * t);
// A direction on the way from a to b, of length 1; b itself where the way
// passes through 0 (a turn by half a circle).
const direction = (a, b, t) => {
  const d = mix(a, b, t);
  return length(d) > 0 ? times(d, 1 / length(d)) : b;
};

// A pose on the way from a to b (t from 0 to 1). Positions go in straight
// lines, or, about a rotation's centre (the world's origin, scaled), along
// arcs: their distance from it goes from one to the other as their
// direction turns. A point with no position at one end (the centre after
// the perspective step) stays where it has one for half the way.
function between(a, b, t, about) {
  const place = (p, q) => {
    if (!p || !q) {
      return t < 0.5 ? p : q;
    }
    if (!about) {
      return mix(p, q, t);
    }
    const [dp, dq] = [sub(p, about), sub(q, about)];
    const reach = length(dp) * (1 - t) + length(dq) * t;
    const way = mix(dp, dq, t);
    const size = length(way);
    return size > 0 ? add(about, times(way, reach / size)) : mix(p, q, t);
  };
  return {
    o: place(a.o, b.o), x: direction(a.x, b.x, t), y: direction(a.y, b.y, t), normal: b.normal,
    p: place(a.p, b.p), image: place(a.image, b.image), centre: place(a.centre, b.centre), direction: b.direction,
    points: b.points.map((q, i) => place(a.points[i], q)), images: b.images.map((q, i) => place(a.images[i], q)),
  };
}

// A round dot, or a ring, the same size on screen wherever it is.
function dotTexture(ring) {
  const board = document.createElement('canvas');
  board.width = 64;
  board.height = 64;
  const context = board.getContext('2d');
  context.fillStyle = '#ffffff';
  context.strokeStyle = '#ffffff';
  context.lineWidth = 14;
  context.beginPath();
  context.arc(32, 32, ring ? 24 : 30, 0, 2 * Math.PI);
  if (ring) {
    context.stroke();
  } else {
    context.fill();
  }
  return new CanvasTexture(board);
}

export class SceneView {
  // canvas: where to draw; labels: an element over it for the labels.
  constructor(canvas, labels) {
    this.canvas = canvas;
    this.labelLayer = labels;
    this.labels = [];
    this.imageParts = [];
    this.patch = null;
    this.framed = false;
    this.renderer = new WebGLRenderer({ canvas, antialias: true, preserveDrawingBuffer: true });
    this.renderer.setPixelRatio(window.devicePixelRatio);
    this.scene = new Scene();
    this.scene.background = new Color(COLOURS.background);
    this.camera = new PerspectiveCamera(40, 1, 0.01, 200);
    this.camera.up.set(0, 0, 1);
    this.controls = new OrbitControls(this.camera, canvas);
    this.controls.listenToKeyEvents(canvas);
    this.controls.minDistance = 0.05;
    this.controls.maxDistance = 60;
    // Until the user moves the camera, a new size of the canvas frames the
    // scene anew.
    this.moved = false;
    this.framing = false;
    this.controls.addEventListener('change', () => {
      this.moved = this.moved || !this.framing;
      this.render();
    });
    this.drawn = new Group();
    this.scene.add(this.drawn);
    this.dot = dotTexture(false);
    this.ring = dotTexture(true);
    this.pending = false;
    this.onStill = null;
    new ResizeObserver(() => this.resize()).observe(canvas);
  }

  // One render per frame however many changes ask for one; the labels
  // follow.
  render() {
    if (this.pending) {
      return;
    }
    this.pending = true;
    requestAnimationFrame(() => {
      this.pending = false;
      this.renderer.render(this.scene, this.camera);
      this.placeLabels();
      // Once the view has been still for a moment, whoever keeps its
      // picture (onStill) hears of it.
      clearTimeout(this.stillTimer);
      this.stillTimer = setTimeout(() => this.onStill?.(), STILL);
    });
  }

  resize() {
    const width = this.canvas.clientWidth;
    const height = this.canvas.clientHeight;
    if (width === 0 || height === 0) {
      return;
    }
    this.renderer.setSize(width, height, false);
    this.camera.aspect = width / height;
    this.camera.updateProjectionMatrix();
    if (!this.moved) {
      this.reset();
    }
    this.render();
  }

  clearDrawing() {
    for (const object of [...this.drawn.children]) {
      object.geometry.dispose();
      object.material.dispose();
      this.drawn.remove(object);
    }
    this.labels = [];
    this.labelLayer.replaceChildren();
    this.imageParts = [];
  }

  // Nothing drawn.
  clear() {
    this.stopMoving();
    this.clearDrawing();
    this.poses = null;
    this.patch = null;
    this.shownPoints = null;
    this.render();
  }

  // Each drawn thing is named, for drawing() to list.
  segments(name, pairs, colour, opacity = 1) {
    if (pairs.length === 0) {
      return;
    }
    const geometry = new BufferGeometry();
    geometry.setAttribute('position', new Float32BufferAttribute(pairs.flat(2), 3));
    const lines = new LineSegments(geometry, new LineBasicMaterial({ color: colour, transparent: opacity < 1, opacity }));
    lines.name = name;
    this.drawn.add(lines);
  }

  dots(name, points, colour, size, ring = false) {
    if (points.length === 0) {
      return;
    }
    const geometry = new BufferGeometry();
    geometry.setAttribute('position', new Float32BufferAttribute(points.flat(), 3));
    // After the transparent plane, so that its colour does not tint them.
    const material = new PointsMaterial({
      color: colour, size, sizeAttenuation: false, map: ring ? this.ring : this.dot, alphaTest: 0.5, depthTest: false,
      transparent: true,
    });
    const dots = new Points(geometry, material);
    dots.name = name;
    dots.renderOrder = 1;
    this.drawn.add(dots);
  }

  // What is drawn, for the browser test: each named thing's positions as
  // three.js holds them, the object's image parts and the plane's patch,
  // both along X and Y from O as the library measures them.
  // moving: whether it is on its way between two stages.
  drawing() {
    const things = {};
    for (const thing of this.drawn.children) {
      things[thing.name ?? ''] = [...thing.geometry.getAttribute('position').array];
    }
    return { things, imageParts: this.imageParts, patch: this.patch, moving: this.moving };
  }

  // The view as an image, its labels drawn in: for printing, where a
  // canvas may be laid out anew and its buffer lost.
  picture() {
    const copy = document.createElement('canvas');
    copy.width = this.canvas.width;
    copy.height = this.canvas.height;
    const context = copy.getContext('2d');
    context.drawImage(this.canvas, 0, 0);
    // Where placeLabels put each label, in the canvas's own pixels.
    const ratio = this.renderer.getPixelRatio();
    context.font = `700 ${Math.round(15 * ratio)}px system-ui, sans-serif`;
    context.textBaseline = 'top';
    for (const { span, placed } of this.labels) {
      if (!span.hidden && placed) {
        context.fillStyle = span.style.color;
        context.fillText(span.textContent, (placed.x + 2) * ratio, (placed.y + 1) * ratio);
      }
    }
    return copy.toDataURL('image/png');
  }

  label(text, at, colour) {
    const span = document.createElement('span');
    span.textContent = text;
    span.style.color = css(colour);
    this.labelLayer.append(span);
    this.labels.push({ span, at: new Vector3(...at) });
  }

  // Draws the scene after the first k steps (the library's stages: each
  // {scene, object}, the scene's positions in world coordinates) with the
  // world's axes and ground, all stages scaled alike so that the steps move
  // things and not the view; letters: the vectors'; object: the object's
  // edges, its images' parts on the plane and which points are behind the
  // centre. Returns why they cannot be drawn (words: the library's,
  // too_large), or ''.
  show(stages, letters, object, words, k) {
    this.clearDrawing();
    this.stopMoving();
    const world = [[0, 0, 0]];
    for (const { scene, object: moved } of stages) {
      world.push(...[scene.origin, scene.point, scene.image, scene.centre].filter((p) => p));
      world.push(...(moved?.points ?? []).filter((p) => p), ...(moved?.images ?? []).filter((p) => p));
    }
    if (!finite(world) || !finite(stages) || !finite(object?.edgeImages ?? [])) {
      this.poses = null;
      return words.too_large;
    }
    this.fit = fitting(world);
    const n = this.fit.map;
    const mapped = (p) => (p ? n(p) : null);
    this.poses = stages.map(({ scene, object: moved }) => ({
      o: n(scene.origin), x: scene.xAxis, y: scene.yAxis, normal: scene.normal, p: mapped(scene.point),
      image: mapped(scene.image), centre: mapped(scene.centre), direction: scene.direction ?? null,
      points: (moved?.points ?? []).map(mapped), images: (moved?.images ?? []).map(mapped),
    }));
    this.letters = letters;
    this.object = object;
    // The patch of plane round O that holds the images and the feet of
    // everything else at every stage: the plane's own coordinates move
    // with it, so one patch serves them all.
    const inPlane = this.poses.flatMap((pose) => [pose.o, pose.p, pose.image, pose.centre, ...pose.points,
      ...pose.images].filter((q) => q).map((q) => [dot(sub(q, pose.o), pose.x), dot(sub(q, pose.o), pose.y)]));
    const low = [0, 1].map((i) => Math.min(...inPlane.map((q) => q[i])));
    const high = [0, 1].map((i) => Math.max(...inPlane.map((q) => q[i])));
    const margin = Math.max(0.15 * Math.max(high[0] - low[0], high[1] - low[1]), 0.25);
    this.box = [low[0] - margin, low[1] - margin, high[0] + margin, high[1] + margin];
    this.patch = this.box.map((u) => u * this.fit.scale);
    const corners = (pose) => this.corners(pose);
    const first = this.poses[0];
    this.shownPoints = {
      points: this.poses.flatMap((pose) => [pose.o, pose.p, pose.image, pose.centre, ...pose.points, ...corners(pose)])
        .filter((q) => q),
      towardsPoint: sub(first.p, first.o), x: first.x, y: first.y, normal: first.normal,
    };
    if (!this.framed) {
      const { points, towardsPoint, x, y, normal } = this.shownPoints;
      this.frame(points, towardsPoint, x, y, normal);
    }
    this.k = Math.min(Math.max(k, 0), this.poses.length - 1);
    this.draw(this.poses[this.k]);
    return '';
  }

  // The scene after k steps, reached from what is shown now over ANIMATION
  // milliseconds (at once where the reader asks for less motion): a
  // rotation along arcs about the world's origin, every other step in
  // straight lines.
  showStage(k, rotation) {
    if (!this.poses || k === this.k) {
      return;
    }
    const from = this.shownPose;
    const to = this.poses[Math.min(Math.max(k, 0), this.poses.length - 1)];
    this.k = k;
    this.stopMoving();
    if (window.matchMedia('(prefers-reduced-motion: reduce)').matches) {
      this.draw(to);
      return;
    }
    const start = performance.now();
    const tick = (now) => {
      const t = Math.min(1, (now - start) / ANIMATION);
      this.draw(t < 1 ? between(from, to, smooth(t), rotation ? this.fit.map([0, 0, 0]) : null) : to);
      this.frameRequest = t < 1 ? requestAnimationFrame(tick) : null;
    };
    this.frameRequest = requestAnimationFrame(tick);
  }

  stopMoving() {
    if (this.frameRequest) {
      cancelAnimationFrame(this.frameRequest);
      this.frameRequest = null;
    }
  }

  get moving() {
    return Boolean(this.frameRequest);
  }

  corners(pose) {
    const [u0, v0, u1, v1] = this.box;
    const corner = (u, v) => add(pose.o, add(times(pose.x, u), times(pose.y, v)));
    return [corner(u0, v0), corner(u1, v0), corner(u1, v1), corner(u0, v1)];
  }

  // The world's axes from its origin, with their letters, and a light grid
  // on its ground z = 0 in round steps, over the box everything is scaled
  // into.
  drawWorld() {
    const { centre, scale, map } = this.fit;
    const origin = map([0, 0, 0]);
    const reach = 0.55;
    const axes = [[1, 0, 0], [0, 1, 0], [0, 0, 1]];
    this.segments('mundo-eixos', axes.map((e) => [origin, add(origin, times(e, reach))]), COLOURS.world);
    axes.forEach((e, i) => this.label(AXES[i], add(origin, times(e, reach * 1.08)), COLOURS.worldLabel));
    const rough = (2 * scale) / 6;
    const power = 10 ** Math.floor(Math.log10(rough));
    const step = [1, 2, 5, 10].map((f) => f * power).find((s) => s >= rough) ?? 10 * power;
    if (!(step > 0 && Number.isFinite(step))) {
      return;
    }
    const lines = [];
    const [low, high] = [-1.1, 1.1];
    for (const [i, j] of [[0, 1], [1, 0]]) {
      const first = Math.ceil((centre[i] - 1.1 * scale) / step);
      const last = Math.floor((centre[i] + 1.1 * scale) / step);
      for (let g = first; g <= last; g += 1) {
        const a = [0, 0, origin[2]];
        const b = [0, 0, origin[2]];
        a[i] = (g * step - centre[i]) / scale;
        b[i] = a[i];
        a[j] = low;
        b[j] = high;
        lines.push([a, b]);
      }
    }
    this.segments('mundo-grade', lines, COLOURS.grid);
  }

  // One pose: the plane, its frame, the projector, the object and the
  // points, in the scaled coordinates.
  draw(pose) {
    this.clearDrawing();
    this.shownPose = pose;
    this.drawWorld();
    const { o, x, y, p, image, centre } = pose;
    const corners = this.corners(pose);
    const [u0, v0, u1, v1] = this.box;
    const corner = (u, v) => add(o, add(times(x, u), times(y, v)));
    const patch = new BufferGeometry();
    patch.setAttribute('position', new Float32BufferAttribute([0, 1, 2, 0, 2, 3].flatMap((i) => corners[i]), 3));
    const surface = new Mesh(patch, new MeshBasicMaterial({
      color: COLOURS.plane, transparent: true, opacity: 0.35, side: DoubleSide, depthWrite: false,
    }));
    surface.name = 'plano';
    this.drawn.add(surface);
    this.segments('borda', [0, 1, 2, 3].map((i) => [corners[i], corners[(i + 1) % 4]]), COLOURS.plane);

    // X and Y from O, with their heads.
    const reach = 0.6 * Math.min(u1, v1);
    const axis = (direction, across, colour, name) => {
      const tip = add(o, times(direction, reach));
      const back = add(o, times(direction, reach * 0.82));
      this.segments(`eixo-${name}`, [[o, tip], [tip, add(back, times(across, reach * 0.08))],
        [tip, add(back, times(across, -reach * 0.08))]], colour);
      this.label(name, tip, colour);
    };
    const { letters } = this;
    axis(x, y, COLOURS.xAxis, letters.x);
    axis(y, x, COLOURS.yAxis, letters.y);

    // The projector: through P and P' along D, or from C through P to P'.
    const along = (from, to, ends) => {
      const d = unit(sub(to, from));
      const ts = ends.map((q) => dot(sub(q, from), d) / dot(d, d));
      const first = Math.min(...ts);
      const last = Math.max(...ts);
      const extra = 0.08 * (last - first);
      return [add(from, times(d, first - extra)), add(from, times(d, last + extra))];
    };
    if (p && image && length(sub(p, image)) > 0) {
      this.segments('projetor', [along(image, p, centre ? [image, p, centre] : [image, p])], COLOURS.projector);
    } else if (p && !image && centre && length(sub(p, centre)) > 0) {
      this.segments('projetor', [along(centre, p, [centre, p, add(centre, times(sub(p, centre), 1.5))])],
        COLOURS.projector);
    }

    // The object, the images of its edges cut to the patch, its points'
    // images, and a faint line from each point to its image; points behind
    // the centre, and their images, as rings. An edge whose ends lie on
    // either side of the centre is no segment once the perspective step
    // has divided by their weights: it is left out.
    if (pose.points.length > 0) {
      const { points, images } = pose;
      const object = this.object ?? {};
      const behind = object.behind ?? [];
      const edges = (object.edges ?? []).filter(([i, j]) => points[i] && points[j]
        && (pose.centre || Boolean(behind[i]) === Boolean(behind[j])));
      this.segments('objeto', edges.map(([i, j]) => [points[i], points[j]]), COLOURS.object);
      // On the plane, a place (u, v) is u / scale and v / scale from O here.
      const parts = cutParts(object.edgeImages ?? [], this.box, ([u, v]) => [u / this.fit.scale, v / this.fit.scale],
        (d) => d);
      this.segments('imagem-objeto', parts.map((part) => part.map(([u, v]) => corner(u, v))), COLOURS.objectImage);
      this.imageParts = parts.map((part) => part.flat().map((u) => u * this.fit.scale));
      this.segments('projetores-objeto', points.map((q, i) => [q, images[i]]).filter(([q, i]) => q && i),
        COLOURS.projector, 0.25);
      const ofSide = (list, behindCentre) => list.filter((q, i) => q && Boolean(behind[i]) === behindCentre);
      this.dots('pontos-objeto', ofSide(points, false), COLOURS.object, 6);
      this.dots('pontos-atras', ofSide(points, true), COLOURS.object, 9, true);
      this.dots('imagens-objeto', ofSide(images, false), COLOURS.objectImage, 6);
      this.dots('imagens-atras', ofSide(images, true), COLOURS.objectImage, 9, true);
    }

    this.dots(letters.origin, [o], COLOURS.origin, 8);
    this.label(letters.origin, o, COLOURS.origin);
    if (p) {
      this.dots(letters.point, [p], COLOURS.point, 11);
      this.label(letters.point, p, COLOURS.point);
    }
    if (image) {
      this.dots(`${letters.point}'`, [image], COLOURS.image, 11);
      this.label(`${letters.point}'`, image, COLOURS.image);
    }
    if (centre) {
      this.dots(letters.centre, [centre], COLOURS.centre, 11);
      this.label(letters.centre, centre, COLOURS.centre);
    }
    this.render();
  }

  // Looks at the points from the point's side of the plane, a little off
  // its normal, from as far as lets them all in with a margin.
  frame(points, towardsPoint, x, y, normal) {
    const centre = times(points.reduce(add, [0, 0, 0]), 1 / points.length);
    const radius = Math.max(0.1, ...points.map((q) => length(sub(q, centre))));
    const side = dot(towardsPoint, normal) < 0 ? -1 : 1;
    const view = new Vector3(...times(normal, side)).addScaledVector(new Vector3(...x), -0.6)
      .addScaledVector(new Vector3(...y), -0.9).normalize();
    const halfFov = Math.atan(Math.tan((this.camera.fov / 2) * (Math.PI / 180)) * Math.min(1, this.camera.aspect));
    const distance = (1.15 * radius) / Math.sin(halfFov);
    this.camera.position.set(...centre).addScaledVector(view, distance);
    this.controls.target.set(...centre);
    this.framing = true;
    this.controls.update();
    this.framing = false;
    this.framed = true;
  }

  // The camera back to where it first looked from, for what is drawn now.
  reset() {
    this.moved = false;
    if (this.shownPoints) {
      const { points, towardsPoint, x, y, normal } = this.shownPoints;
      this.frame(points, towardsPoint, x, y, normal);
      this.render();
    }
  }

  // Each label beside its point on screen, none over another; hidden
  // behind the camera.
  placeLabels() {
    const width = this.canvas.clientWidth;
    const height = this.canvas.clientHeight;
    const marks = [];
    const wanted = [];
    for (const l of this.labels) {
      const v = l.at.clone().project(this.camera);
      const visible = v.z < 1 && Math.abs(v.x) <= 1.2 && Math.abs(v.y) <= 1.2;
      l.span.hidden = !visible;
      if (visible) {
        const at = { x: (v.x + 1) * width / 2, y: (1 - v.y) * height / 2 };
        marks.push(at);
        wanted.push({ l, ...at, w: l.span.offsetWidth, h: l.span.offsetHeight });
      }
    }
    placeLabels(wanted, width, height, marks).forEach((place, i) => {
      wanted[i].l.placed = place;
      wanted[i].l.span.style.transform = `translate(${Math.round(place.x)}px, ${Math.round(place.y)}px)`;
    });
  }
}
