// The page: the form and the address hold one definition; the library
// (revareza.wasm) reads and computes it and gives back the program's texts
// and the points to draw; three.js draws them. No number is computed or
// formatted here.
import * as THREE from 'three';
import { OrbitControls } from 'three/addons/controls/OrbitControls.js';
import createRevareza from './revareza.mjs';

const VECTORS = ['ponto', 'origem', 'x', 'y', 'direcao', 'centro'];
// The README's example: the point (1, 2, 10) seen from the origin on the plane z = 5.
const EXAMPLE = {
  tipo: '2', ponto: ['1', '2', '10'], origem: ['0', '0', '5'], x: ['1', '0', '0'],
  y: ['0', '1', '0'], direcao: ['0', '0', '1'], centro: ['0', '0', '0'],
};
// Colours of the drawing, named in the legend (style.css has the same).
const COLOURS = {
  background: 0xffffff, plane: 0x3d7fd6, xAxis: 0xd62828, yAxis: 0x2a9d3c, origin: 0x222222,
  point: 0xf08c00, image: 0xc2189a, centre: 0x5b3fa8, projector: 0x555555,
};

const form = document.getElementById('definicao');
const output = {
  echoes: document.getElementById('ecos'),
  result: document.getElementById('resultado'),
  matrix: document.getElementById('matriz'),
  nothingDrawn: document.getElementById('sem-desenho'),
};

// Three fields, x, y and z, for each vector, with their labels.
for (const fieldset of form.querySelectorAll('fieldset.vetor')) {
  for (const axis of ['x', 'y', 'z']) {
    const id = `${fieldset.dataset.nome}-${axis}`;
    const label = document.createElement('label');
    label.htmlFor = id;
    label.textContent = axis;
    const input = document.createElement('input');
    input.id = id;
    input.type = 'text';
    input.name = id;
    input.size = 6;
    fieldset.append(label, input);
  }
}

const fields = (name) => ['x', 'y', 'z'].map((axis) => document.getElementById(`${name}-${axis}`));
const type = () => form.elements.tipo.value;
const lastVector = () => (type() === '1' ? 'direcao' : 'centro');

const decoded = (text) => {
  try {
    return decodeURIComponent(text);
  } catch {
    return text; // a lone %: the field shows it, and the reader refuses it
  }
};

// The address's query: tipo=1&ponto=1,2,10&...; each number's text is
// encoded on its own, so that a comma typed into a field stays in it.
function readAddress() {
  const definition = structuredClone(EXAMPLE);
  for (const pair of window.location.search.slice(1).split('&')) {
    const [key, value] = pair.split('=', 2);
    if (key === 'tipo' && (value === '1' || value === '2')) {
      definition.tipo = value;
    } else if (VECTORS.includes(key) && value !== undefined) {
      const parts = value.split(',').map(decoded);
      definition[key] = [0, 1, 2].map((i) => parts[i] ?? '');
    }
  }
  return definition;
}

function writeAddress() {
  const vectors = VECTORS.filter((name) => name !== (type() === '1' ? 'centro' : 'direcao'));
  const query = [`tipo=${type()}`].concat(vectors.map(
    (name) => `${name}=${fields(name).map((input) => encodeURIComponent(input.value)).join(',')}`));
  window.history.replaceState(null, '', `?${query.join('&')}`);
}

function fill(definition) {
  form.elements.tipo.value = definition.tipo;
  for (const name of VECTORS) {
    fields(name).forEach((input, i) => { input.value = definition[name][i]; });
  }
}

// The drawing ------------------------------------------------------------

const canvas = document.getElementById('vista');
// The picture stays in the canvas after display, so that it can be saved or copied.
const renderer = new THREE.WebGLRenderer({ canvas, antialias: true, preserveDrawingBuffer: true });
renderer.setPixelRatio(window.devicePixelRatio);
const scene = new THREE.Scene();
scene.background = new THREE.Color(COLOURS.background);
const camera = new THREE.PerspectiveCamera(40, 1, 0.01, 1000);
camera.up.set(0, 0, 1);
// One render per frame however many changes asked for one.
let renderPending = false;
const render = () => {
  if (!renderPending) {
    renderPending = true;
    requestAnimationFrame(() => {
      renderPending = false;
      renderer.render(scene, camera);
    });
  }
};
const controls = new OrbitControls(camera, canvas);
controls.listenToKeyEvents(canvas);
controls.addEventListener('change', render);
const drawn = new THREE.Group();
scene.add(drawn);

const vector3 = (a) => new THREE.Vector3(a[0], a[1], a[2]);

function dot(at, colour, radius) {
  const mesh = new THREE.Mesh(new THREE.SphereGeometry(radius, 24, 16),
    new THREE.MeshBasicMaterial({ color: colour }));
  mesh.position.copy(vector3(at));
  return mesh;
}

function label(text, at, colour, size) {
  const board = document.createElement('canvas');
  board.width = 128;
  board.height = 64;
  const context = board.getContext('2d');
  context.font = 'bold 44px sans-serif';
  context.fillStyle = `#${colour.toString(16).padStart(6, '0')}`;
  context.textBaseline = 'middle';
  context.fillText(text, 8, 32);
  const texture = new THREE.CanvasTexture(board);
  texture.colorSpace = THREE.SRGBColorSpace;
  const sprite = new THREE.Sprite(new THREE.SpriteMaterial({ map: texture, depthTest: false }));
  sprite.scale.set(size * 2, size, 1);
  sprite.center.set(-0.1, -0.1);
  sprite.position.copy(vector3(at));
  return sprite;
}

function line(from, to, colour) {
  const geometry = new THREE.BufferGeometry().setFromPoints([vector3(from), vector3(to)]);
  return new THREE.Line(geometry, new THREE.LineBasicMaterial({ color: colour }));
}

function clearDrawing() {
  for (const object of [...drawn.children]) {
    object.traverse((part) => {
      part.geometry?.dispose();
      part.material?.map?.dispose();
      part.material?.dispose();
    });
    drawn.remove(object);
  }
}

// Everything the library gave, as three.js objects; then the camera frames
// them, looking from the same side of the plane as the point.
function draw(s) {
  const h = s.halfSide;
  const plane = new THREE.Mesh(new THREE.PlaneGeometry(2 * h, 2 * h),
    new THREE.MeshBasicMaterial({
      color: COLOURS.plane, transparent: true, opacity: 0.35, side: THREE.DoubleSide, depthWrite: false,
    }));
  plane.matrixAutoUpdate = false;
  plane.matrix.makeBasis(vector3(s.xAxis), vector3(s.yAxis), vector3(s.normal)).setPosition(vector3(s.origin));
  const edge = new THREE.LineSegments(new THREE.EdgesGeometry(plane.geometry),
    new THREE.LineBasicMaterial({ color: COLOURS.plane }));
  edge.matrixAutoUpdate = false;
  edge.matrix.copy(plane.matrix);
  const r = 0.035 * h;
  const origin = vector3(s.origin);
  drawn.add(plane, edge,
    new THREE.ArrowHelper(vector3(s.xAxis), origin, 0.6 * h, COLOURS.xAxis, 0.12 * h, 0.06 * h),
    new THREE.ArrowHelper(vector3(s.yAxis), origin, 0.6 * h, COLOURS.yAxis, 0.12 * h, 0.06 * h),
    line(s.projector[0], s.projector[1], COLOURS.projector),
    dot(s.origin, COLOURS.origin, 0.6 * r), label('O', s.origin, COLOURS.origin, 0.16 * h),
    dot(s.point, COLOURS.point, r), label('P', s.point, COLOURS.point, 0.16 * h));
  const xTip = origin.clone().addScaledVector(vector3(s.xAxis), 0.6 * h);
  const yTip = origin.clone().addScaledVector(vector3(s.yAxis), 0.6 * h);
  drawn.add(label('X', xTip.toArray(), COLOURS.xAxis, 0.16 * h), label('Y', yTip.toArray(), COLOURS.yAxis, 0.16 * h));
  if (s.image) {
    drawn.add(dot(s.image, COLOURS.image, r), label("P'", s.image, COLOURS.image, 0.16 * h));
  }
  if (s.centre) {
    drawn.add(dot(s.centre, COLOURS.centre, r), label('C', s.centre, COLOURS.centre, 0.16 * h));
  }
  frame(s);
}

function frame(s) {
  const box = new THREE.Box3().setFromObject(drawn);
  const sphere = box.getBoundingSphere(new THREE.Sphere());
  const normal = vector3(s.normal);
  const towardsPoint = vector3(s.point).sub(vector3(s.origin));
  const side = towardsPoint.dot(normal) < 0 ? -1 : 1;
  // Oblique: from the point's side of the plane, a little off its normal.
  const view = normal.multiplyScalar(side).add(vector3(s.xAxis).multiplyScalar(-0.6))
    .add(vector3(s.yAxis).multiplyScalar(-0.9)).normalize();
  // The sphere round the scene fits the narrower of the two fields of view.
  const halfFov = Math.atan(Math.tan(THREE.MathUtils.degToRad(camera.fov / 2)) * Math.min(1, camera.aspect));
  const distance = sphere.radius / Math.sin(halfFov);
  camera.position.copy(sphere.center).addScaledVector(view, distance);
  camera.near = distance / 100;
  camera.far = distance * 10;
  camera.updateProjectionMatrix();
  controls.target.copy(sphere.center);
  controls.update();
}

let shown = null; // the scene drawn, framed again when the canvas changes size

function resize() {
  const width = canvas.clientWidth;
  const height = canvas.clientHeight;
  renderer.setSize(width, height, false);
  camera.aspect = width / height;
  camera.updateProjectionMatrix();
  if (shown) {
    frame(shown);
  }
  render();
}

const finite = (value) => (Array.isArray(value) ? value.every(finite)
  : value === null || typeof value !== 'number' || Number.isFinite(value));

// The page's one computation ---------------------------------------------

let revareza = null;

function update() {
  for (const fieldset of form.querySelectorAll('fieldset.vetor')) {
    fieldset.hidden = fieldset.dataset.tipo !== undefined && fieldset.dataset.tipo !== type();
  }
  for (const input of form.querySelectorAll('input[type=text]')) {
    input.removeAttribute('aria-invalid');
  }
  writeAddress();
  const order = ['ponto', 'origem', 'x', 'y', lastVector()];
  const answer = revareza.compute(Number(type()), order.flatMap((name) => fields(name).map((input) => input.value)));
  clearDrawing();
  shown = null;
  let drawable = false;
  if (answer.message) {
    // As the program refuses it: its message, no matrix, nothing drawn.
    output.echoes.textContent = '';
    output.result.textContent = answer.message;
    output.result.classList.add('erro');
    output.matrix.textContent = '';
    fields(order[answer.refusedVector]).forEach((input) => input.setAttribute('aria-invalid', 'true'));
  } else {
    output.echoes.textContent = answer.echoes.join('\n');
    output.result.textContent = answer.result;
    output.result.classList.remove('erro');
    output.matrix.textContent = answer.matrix;
    drawable = Object.values(answer.scene).every(finite);
    if (drawable) {
      shown = answer.scene;
      draw(shown);
    }
  }
  output.nothingDrawn.hidden = drawable;
  render();
}

fill(readAddress());
revareza = await createRevareza();
form.addEventListener('input', update);
form.addEventListener('submit', (event) => event.preventDefault());
new ResizeObserver(resize).observe(canvas);
update();
document.body.dataset.pronta = 'sim';
