// The page: the form and the address hold one definition and an object;
// the library (revareza.wasm) reads and computes them and gives back the
// program's texts, why each refused field is refused, the steps of the
// matrix, its copies and the points to draw. This file formats no number:
// it shows the library's texts and scales its points for drawing.
import createRevareza from './revareza.mjs';
import { VECTORS, SOLIDS, addressOf, readAddress } from './page/address.js';
import { drawPlane, emptyPlane, svgFile } from './page/plane_view.js';
import { SceneView } from './page/scene_view.js';

// The README's example: the point (1, 2, 10) seen from the origin on the
// plane z = 5.
const EXAMPLE = {
  tipo: '2',
  vectors: {
    ponto: ['1', '2', '10'], origem: ['0', '0', '5'], x: ['1', '0', '0'], y: ['0', '1', '0'],
    direcao: ['0', '0', '1'], centro: ['0', '0', '0'],
  },
  object: { kind: '', centre: ['0', '0', '0'], size: '1', points: '', edges: '' },
};
const AXES = ['x', 'y', 'z'];
const STEP_TITLES = {
  translation: 'Translacao por -O: a origem do plano vai para a origem',
  translation_centre: 'Translacao por -C: o centro vai para a origem',
  rotation_y: 'Rotacao em torno de y',
  rotation_z: 'Rotacao em torno de z: X vai para o eixo x',
  rotation_x: 'Rotacao em torno de x: Y vai para o eixo y',
  shear: 'Cisalhamento ao longo de z: a direcao de projecao (ou a reta do centro a O) fica ao longo de z',
  perspective: 'Perspectiva: divide pela distancia ao centro',
};
// Why a pasted list is refused, with the module's limits.
const LIST_PROBLEMS = {
  numero: (p) => p.message,
  quantidade: (p) => (p.list === 'pontos' ? 'esperava 3 numeros (x y z)' : 'esperava 2 numeros de ponto'),
  ponto: () => 'nao ha ponto com esse numero',
  longa: () => `lista longa demais (${revareza.LIST_MAX_LENGTH} caracteres no maximo)`,
  muitos: (p) => (p.list === 'pontos' ? `pontos demais (${revareza.OBJECT_MAX_POINTS} no maximo)`
    : `arestas demais (${revareza.OBJECT_MAX_EDGES} no maximo)`),
};

const $ = (id) => document.getElementById(id);
const form = $('definicao');
const output = {
  result: $('resultado'), note: $('nota'), echoes: $('ecos'), matrix: $('matriz'), steps: $('passos'),
  plane: $('plano'), measures: $('medidas'), copy: $('copia'), failure: $('aviso-falha'),
};
const objectKind = $('objeto-tipo');

// A row of fields (x, y and z of a vector, or one number) after a letter
// or word that names it, with a message beneath each field.
function fieldRow(container, prefix, name, axes) {
  const grid = document.createElement('div');
  grid.className = 'campos';
  const sigla = document.createElement('span');
  sigla.className = 'sigla';
  sigla.textContent = name;
  sigla.setAttribute('aria-hidden', 'true');
  grid.append(sigla);
  for (const axis of axes) {
    const id = `${prefix}-${axis}`;
    const cell = document.createElement('span');
    cell.className = 'campo';
    const label = document.createElement('label');
    label.htmlFor = id;
    label.textContent = axis;
    const input = document.createElement('input');
    Object.assign(input, { id, type: 'text', name: id, inputMode: 'decimal' });
    const message = document.createElement('span');
    message.className = 'mensagem';
    message.id = `${id}-mensagem`;
    input.setAttribute('aria-describedby', message.id);
    cell.append(label, input, message);
    grid.append(cell);
  }
  container.append(grid);
}
for (const fieldset of form.querySelectorAll('fieldset.vetor')) {
  fieldRow(fieldset, fieldset.dataset.nome, fieldset.dataset.sigla, AXES);
}
fieldRow($('objeto-solido'), 'objeto-centro', 'centro', AXES);
fieldRow($('objeto-solido'), 'objeto', '', ['tamanho']);

const fields = (name) => AXES.map((axis) => $(`${name}-${axis}`));
const objectFields = () => [...fields('objeto-centro'), $('objeto-tamanho')];
const type = () => form.elements.tipo.value;
const order = () => ['ponto', 'origem', 'x', 'y', type() === '1' ? 'direcao' : 'centro'];

function fill(definition) {
  form.elements.tipo.value = definition.tipo ?? '';
  for (const name of VECTORS) {
    fields(name).forEach((input, i) => { input.value = definition.vectors[name][i]; });
  }
  const { object } = definition;
  objectKind.value = object.kind;
  objectFields().forEach((input, i) => { input.value = i < 3 ? object.centre[i] : object.size; });
  $('objeto-pontos').value = object.points;
  $('objeto-arestas').value = object.edges;
}

// The object as compute() takes it, or null.
function objectOfForm() {
  const kind = objectKind.value;
  if (SOLIDS.includes(kind)) {
    const [x, y, z, size] = objectFields().map((input) => input.value);
    return { kind, centre: [x, y, z], size };
  }
  if (kind === 'lista') {
    return { kind, points: $('objeto-pontos').value, edges: $('objeto-arestas').value };
  }
  return null;
}

// Vectors whose numbers in the address were not three, until edited, and
// where the address held the definition and the object (query or fragment).
let addressCounts = {};
let addressPlaces = {};

// Each field's message; the fields refused marked, or the whole vector
// where the vector is refused as a whole (a zero direction, Y along X...).
function showFieldMessages(inputs, answers, refusedVector) {
  const messages = inputs.map((_, i) => answers?.[i]?.message ?? '');
  const whole = refusedVector !== undefined && messages.slice(3 * refusedVector, 3 * refusedVector + 3).every((m) => m === '');
  inputs.forEach((input, i) => {
    $(`${input.id}-mensagem`).textContent = messages[i];
    input.toggleAttribute('aria-invalid', messages[i] !== '' || (whole && Math.floor(i / 3) === refusedVector));
  });
}

// The address count's words, in place of the library's for the vector's
// last field.
function showAddressCounts() {
  for (const [name, count] of Object.entries(addressCounts)) {
    const last = name === 'objeto-centro' ? $('objeto-centro-z') : fields(name)[2];
    $(`${last.id}-mensagem`).textContent = `o endereco traz ${count} numero${count === 1 ? '' : 's'}, nao 3`;
    last.setAttribute('aria-invalid', '');
  }
}

// What the page shows of the last answer when it is not this definition's:
// nothing of it as current.
function stale(reason) {
  output.echoes.textContent = '';
  output.matrix.textContent = '';
  output.note.textContent = '';
  output.measures.textContent = '';
  output.copy.value = '';
  document.body.classList.add('recusada');
  for (const button of document.querySelectorAll('button[data-forma], #ortogonal')) {
    button.disabled = true;
  }
  noDrawing(reason);
  emptyPlane(output.plane, reason);
}

// Nothing in the 3D view, and why, over it.
function noDrawing(reason) {
  view?.clear();
  $('sem-desenho').textContent = reason;
  $('sem-desenho').hidden = false;
}

let revareza = null;
let view = null;
let answer = null;

function showSteps(steps) {
  output.steps.replaceChildren(...steps.map((step) => {
    const item = document.createElement('li');
    const title = document.createElement('h3');
    const perspective = step.name === 'translation' && steps.length === 6;
    title.textContent = `${STEP_TITLES[perspective ? 'translation_centre' : step.name]} `;
    const name = document.createElement('code');
    name.textContent = step.name;
    title.append(name);
    const parameters = document.createElement('p');
    parameters.className = 'parametros';
    parameters.textContent = step.parameters.map((p) => (p.degrees === undefined ? `${p.name} = ${p.value}`
      : `${p.name} = ${p.value} rad = ${p.degrees} graus`)).join('; ');
    const matrix = document.createElement('pre');
    matrix.textContent = step.matrix;
    matrix.dataset.colunas = step.columns;
    item.append(title, parameters, matrix);
    return item;
  }));
}

function showObject(object) {
  const body = $('objeto-tabela').querySelector('tbody');
  const message = $('objeto-mensagem');
  message.textContent = '';
  if (object?.problem) {
    const p = object.problem;
    message.textContent = p.reason === 'tamanho' ? ''
      : `${p.list === 'pontos' ? 'Pontos' : 'Arestas'}${p.line ? `, linha ${p.line}` : ''}: ${LIST_PROBLEMS[p.reason](p)}`;
  }
  showFieldMessages(objectFields(), object?.fields);
  if (object?.problem?.reason === 'tamanho') {
    $('objeto-tamanho-mensagem').textContent = 'o tamanho deve ser maior que 0';
    $('objeto-tamanho').setAttribute('aria-invalid', '');
  }
  const rows = (object?.texts ?? []).map((text, i) => {
    const row = document.createElement('tr');
    for (const cell of [String(i + 1), text, object.results?.[i] ?? '']) {
      const td = document.createElement('td');
      td.textContent = cell;
      row.append(td);
    }
    return row;
  });
  body.replaceChildren(...rows);
}

function update() {
  for (const fieldset of form.querySelectorAll('fieldset.vetor[data-tipo]')) {
    fieldset.hidden = fieldset.dataset.tipo !== type();
  }
  const kind = objectKind.value;
  $('objeto-solido').hidden = !SOLIDS.includes(kind);
  $('objeto-lista').hidden = kind !== 'lista';
  $('objeto-tabela').hidden = kind === '';
  const inputs = order().flatMap(fields);
  if (type() === '') {
    answer = null;
    showFieldMessages(inputs, []);
    output.result.textContent = 'O endereco traz um tipo que nao e\' 1 nem 2: escolha um.';
    output.result.classList.add('erro');
    stale('Escolha o tipo de revareza.');
    return;
  }
  try {
    answer = revareza.compute(Number(type()), inputs.map((input) => input.value), objectOfForm());
    if (answer.error) {
      throw new Error(answer.error);
    }
  } catch (error) {
    // Never a result the library did not give for these fields.
    answer = null;
    output.failure.textContent = `A biblioteca falhou (${error.message}); recarregue a pagina.`;
    output.failure.hidden = false;
    output.result.textContent = '';
    stale('Sem resultado: a biblioteca falhou.');
    return;
  }
  showFieldMessages(inputs, answer.fields, answer.refusedVector);
  showObject(answer.object);
  showAddressCounts();
  // A vector of the definition, or a solid's centre, whose numbers in the
  // address were not three is refused until edited: its fields do not say
  // what the address meant.
  const miscounted = order().filter((name) => name in addressCounts);
  const centreMiscounted = SOLIDS.includes(kind) && 'objeto-centro' in addressCounts;
  const texts = answer.fields.map((f) => f.text);
  const objectTexts = answer.object?.fields?.map((f) => f.text) ?? [];
  if (!texts.includes(null) && !objectTexts.includes(null) && miscounted.length === 0 && !centreMiscounted) {
    const vectors = Object.fromEntries(order().map((name, i) => [name, texts.slice(3 * i, 3 * i + 3)]));
    const object = { ...objectOfForm(), kind };
    if (SOLIDS.includes(kind)) {
      object.centre = objectTexts.slice(0, 3);
      object.size = objectTexts[3];
    }
    window.history.replaceState(null, '', addressOf({ tipo: type(), vectors, object }, addressPlaces,
      window.location.pathname));
  }
  const refusedObject = (answer.object && !answer.object.points) || centreMiscounted;
  if (miscounted.length > 0) {
    const name = miscounted[0];
    const count = addressCounts[name];
    const sigla = form.querySelector(`fieldset[data-nome=${name}]`).dataset.sigla;
    output.result.textContent = `O endereco traz ${count} numero${count === 1 ? '' : 's'} para ${sigla}, nao 3.`;
    output.result.classList.add('erro');
    stale(`${output.result.textContent} Corrija o vetor marcado.`);
    return;
  }
  if (answer.message !== undefined) {
    output.result.textContent = answer.message;
    output.result.classList.add('erro');
    stale(`${output.result.textContent} Corrija o campo marcado.`);
    return;
  }
  document.body.classList.remove('recusada');
  for (const button of document.querySelectorAll('button[data-forma], #ortogonal')) {
    button.disabled = false;
  }
  output.failure.hidden = true;
  output.result.textContent = answer.result;
  output.result.classList.remove('erro');
  output.note.textContent = answer.note;
  output.echoes.textContent = answer.echoes.join('\n');
  output.matrix.textContent = answer.matrix;
  showSteps(answer.steps);
  const object = refusedObject ? null : answer.object;
  const s = answer.scene;
  output.measures.textContent = answer.measures ? `x = ${answer.measures.x}   y = ${answer.measures.y}` : '';
  drawPlane(output.plane, {
    image: s.plane, objectImages: object?.plane, behind: object?.behind, edgeImages: object?.edgeImages,
    title: `revareza: o plano visto de frente; ${answer.result}`,
  });
  const reason = view ? view.show(s, object) : 'Este navegador nao desenha em 3D (WebGL).';
  if (reason) {
    noDrawing(reason);
  } else {
    $('sem-desenho').hidden = true;
  }
}

// The buttons -------------------------------------------------------------

$('ortogonal').addEventListener('click', () => {
  if (!answer?.normal) {
    return;
  }
  form.elements.tipo.value = '1';
  fields('direcao').forEach((input, i) => { input.value = answer.normal[i]; });
  update();
});

const resetView = () => view?.reset();
$('recentrar').addEventListener('click', resetView);
$('vista').addEventListener('keydown', (event) => {
  if (event.key === 'Home' || event.key === 'r' || event.key === 'R') {
    resetView();
  }
});

for (const button of document.querySelectorAll('button[data-forma]')) {
  button.addEventListener('click', async () => {
    if (!answer?.copies) {
      return;
    }
    output.copy.value = answer.copies[button.dataset.forma];
    try {
      await navigator.clipboard.writeText(output.copy.value);
    } catch {
      // No clipboard for this page: the text stands selected, to copy by hand.
      output.copy.select();
    }
  });
}

$('baixar-plano').addEventListener('click', (event) => {
  const link = event.currentTarget;
  URL.revokeObjectURL(link.href);
  link.href = URL.createObjectURL(new Blob([svgFile(output.plane)], { type: 'image/svg+xml' }));
});

// Start ---------------------------------------------------------------------

// The definition and the object from the address, read again when only its
// fragment changes (which loads no page).
const readFromAddress = () => {
  const read = readAddress(window.location, EXAMPLE);
  addressCounts = read.counts;
  addressPlaces = read.places;
  fill(read);
};
readFromAddress();
// The module compiles while the drawing gets its WebGL context.
const loading = createRevareza();
try {
  view = new SceneView($('vista'), $('rotulos'));
} catch {
  view = null;
}
// For the browser test: what the 3D view draws.
window.revarezaDrawing = () => view?.drawing() ?? null;
try {
  revareza = await loading;
} catch (error) {
  output.failure.textContent = `A biblioteca nao carregou (${error.message}).`;
  output.failure.hidden = false;
  throw error;
}
revareza.questions().forEach((question, i) => {
  form.querySelector(`fieldset[data-nome=${VECTORS[i]}] legend`).textContent = question.trim();
});
// Typing stops at the module's limits (a longer text set otherwise is refused).
for (const input of document.querySelectorAll('.campo input')) {
  input.maxLength = revareza.FIELD_MAX_LENGTH;
}
for (const list of [$('objeto-pontos'), $('objeto-arestas')]) {
  list.maxLength = revareza.LIST_MAX_LENGTH;
}
const edited = (event) => {
  // A vector edited is read from its fields again, the address forgotten.
  delete addressCounts[event.target.id.replace(/-[^-]+$/, '')];
  update();
};
form.addEventListener('input', edited);
form.addEventListener('submit', (event) => event.preventDefault());
$('objeto-secao').addEventListener('input', edited);
window.addEventListener('hashchange', () => {
  readFromAddress();
  update();
});
update();
requestAnimationFrame(() => requestAnimationFrame(() => {
  performance.mark('revareza-pronta');
  document.body.dataset.pronta = 'sim';
}));
