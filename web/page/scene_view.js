// The 3D view: the plane with O, X and Y, the point P, its projector along
// D or from C, the image P', and the object with its images on the plane:
// each edge's image as the library gives it (a segment, or the rays out to
// the patch's edge of an edge that crosses the plane through the centre),
// points behind the centre as rings. Everything is moved and scaled into
// [-1, 1] before three.js sees it (its numbers are single precision), so
// that coordinates from 1e-300 to 1e300 draw alike. The labels are HTML over the canvas: always the same size,
// placed so as not to cover one another. The camera stays where the user
// put it until reset() frames the scene again. Why nothing is drawn is the
// page's to say.
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
};
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
    this.patch = null;
  }

  // Nothing drawn.
  clear() {
    this.clearDrawing();
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
  drawing() {
    const things = {};
    for (const thing of this.drawn.children) {
      things[thing.name ?? ''] = [...thing.geometry.getAttribute('position').array];
    }
    return { things, imageParts: this.imageParts, patch: this.patch };
  }

  label(text, at, colour) {
    const span = document.createElement('span');
    span.textContent = text;
    span.style.color = css(colour);
    this.labelLayer.append(span);
    this.labels.push({ span, at: new Vector3(...at) });
  }

  // Draws the library's scene (world coordinates, the vectors' letters)
  // and the object's points and images; returns why they cannot be drawn
  // (words: the library's, too_large), or ''.
  show(scene, object, words) {
    this.clearDrawing();
    const world = [scene.origin, scene.point];
    for (const p of [scene.image, scene.centre]) {
      if (p) {
        world.push(p);
      }
    }
    const objectPoints = object?.points ?? [];
    const objectImages = object?.images ?? [];
    world.push(...objectPoints, ...objectImages.filter((p) => p));
    if (!finite(world) || !finite(scene) || !finite(object?.edgeImages ?? [])) {
      return words.too_large;
    }
    const fit = fitting(world);
    const n = fit.map;
    const o = n(scene.origin);
    const x = scene.xAxis;
    const y = scene.yAxis;
    const p = n(scene.point);
    const image = scene.image ? n(scene.image) : null;
    const centre = scene.centre ? n(scene.centre) : null;
    const shown = [o, p, ...(image ? [image] : []), ...(centre ? [centre] : []), ...objectPoints.map(n)];
    const objectShown = objectImages.filter((q) => q).map(n);

    // The patch of plane round O, the images and the feet of everything else.
    const inPlane = shown.concat(objectShown).map((q) => [dot(sub(q, o), x), dot(sub(q, o), y)]);
    const low = [0, 1].map((i) => Math.min(...inPlane.map((q) => q[i])));
    const high = [0, 1].map((i) => Math.max(...inPlane.map((q) => q[i])));
    const margin = Math.max(0.15 * Math.max(high[0] - low[0], high[1] - low[1]), 0.25);
    const corner = (u, v) => add(o, add(times(x, u), times(y, v)));
    const [u0, v0, u1, v1] = [low[0] - margin, low[1] - margin, high[0] + margin, high[1] + margin];
    const corners = [corner(u0, v0), corner(u1, v0), corner(u1, v1), corner(u0, v1)];
    const patch = new BufferGeometry();
    patch.setAttribute('position', new Float32BufferAttribute([0, 1, 2, 0, 2, 3].flatMap((i) => corners[i]), 3));
    const surface = new Mesh(patch, new MeshBasicMaterial({
      color: COLOURS.plane, transparent: true, opacity: 0.35, side: DoubleSide, depthWrite: false,
    }));
    surface.name = 'plano';
    this.drawn.add(surface);
    this.segments('borda', [0, 1, 2, 3].map((i) => [corners[i], corners[(i + 1) % 4]]), COLOURS.plane);
    this.patch = [u0, v0, u1, v1].map((u) => u * fit.scale);

    // X and Y from O, with their heads.
    const reach = 0.6 * Math.min(u1, v1);
    const axis = (direction, across, colour, name) => {
      const tip = add(o, times(direction, reach));
      const back = add(o, times(direction, reach * 0.82));
      this.segments(`eixo-${name}`, [[o, tip], [tip, add(back, times(across, reach * 0.08))],
        [tip, add(back, times(across, -reach * 0.08))]], colour);
      this.label(name, tip, colour);
    };
    axis(x, y, COLOURS.xAxis, scene.letters.x);
    axis(y, x, COLOURS.yAxis, scene.letters.y);

    // The projector: through P and P' along D, or from C through P to P'.
    const along = (from, to, ends) => {
      const d = unit(sub(to, from));
      const ts = ends.map((q) => dot(sub(q, from), d) / dot(d, d));
      const first = Math.min(...ts);
      const last = Math.max(...ts);
      const extra = 0.08 * (last - first);
      return [add(from, times(d, first - extra)), add(from, times(d, last + extra))];
    };
    if (image && length(sub(p, image)) > 0) {
      this.segments('projetor', [along(image, p, centre ? [image, p, centre] : [image, p])], COLOURS.projector);
    } else if (!image && centre && length(sub(p, centre)) > 0) {
      this.segments('projetor', [along(centre, p, [centre, p, add(centre, times(sub(p, centre), 1.5))])],
        COLOURS.projector);
    }

    // The object, the images of its edges cut to the patch, its points'
    // images, and a faint line from each point to its image; points behind
    // the centre, and their images, as rings.
    if (objectPoints.length > 0) {
      const points = objectPoints.map(n);
      const images = objectImages.map((q) => (q ? n(q) : null));
      const behind = object.behind ?? [];
      const edges = object.edges ?? [];
      this.segments('objeto', edges.map(([i, j]) => [points[i], points[j]]), COLOURS.object);
      // On the plane, a place (u, v) is u / scale and v / scale from O here.
      const parts = cutParts(object.edgeImages ?? [], [u0, v0, u1, v1], ([u, v]) => [u / fit.scale, v / fit.scale],
        (d) => d);
      this.segments('imagem-objeto', parts.map((part) => part.map(([u, v]) => corner(u, v))), COLOURS.objectImage);
      this.imageParts = parts.map((part) => part.flat().map((u) => u * fit.scale));
      this.segments('projetores-objeto', points.map((q, i) => [q, images[i]]).filter(([, i]) => i), COLOURS.projector,
        0.25);
      const ofSide = (list, behindCentre) => list.filter((q, i) => q && Boolean(behind[i]) === behindCentre);
      this.dots('pontos-objeto', ofSide(points, false), COLOURS.object, 6);
      this.dots('pontos-atras', ofSide(points, true), COLOURS.object, 9, true);
      this.dots('imagens-objeto', ofSide(images, false), COLOURS.objectImage, 6);
      this.dots('imagens-atras', ofSide(images, true), COLOURS.objectImage, 9, true);
    }

    const { letters } = scene;
    this.dots(letters.origin, [o], COLOURS.origin, 8);
    this.label(letters.origin, o, COLOURS.origin);
    this.dots(letters.point, [p], COLOURS.point, 11);
    this.label(letters.point, p, COLOURS.point);
    if (image) {
      this.dots(`${letters.point}'`, [image], COLOURS.image, 11);
      this.label(`${letters.point}'`, image, COLOURS.image);
    }
    if (centre) {
      this.dots(letters.centre, [centre], COLOURS.centre, 11);
      this.label(letters.centre, centre, COLOURS.centre);
    }
    if (!this.framed) {
      this.frame(shown.concat(corners), sub(p, o), x, y, scene.normal);
    }
    this.shownPoints = { points: shown.concat(corners), towardsPoint: sub(p, o), x, y, normal: scene.normal };
    this.render();
    return '';
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
      wanted[i].l.span.style.transform = `translate(${Math.round(place.x)}px, ${Math.round(place.y)}px)`;
    });
  }
}
