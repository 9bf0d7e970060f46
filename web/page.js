// The page: the form and the address hold one definition and an object;
// the library (revareza.wasm) reads and computes them and gives back the
// program's texts, why each refused field is refused, the projection's
// name, the steps of the matrix and the scene after each of them, its
// copies and the points to draw. It describes the types (each type's
// vectors in order), the objects and the classical projections the page
// builds its form from, and holds every word the page shows. This file
// formats no number and writes no word of its own: it places the library's
// texts and scales its points for drawing.
import createRevareza from './revareza.mjs';
import { addressOf, isSolid, readAddress, vectorNames } from './page/address.js';
import { drawPlane, emptyPlane, svgFile } from './page/plane_view.js';
import { SceneView } from './page/scene_view.js';

// The README's example, the point (1, 2, 10) seen from the origin on the
// plane z = 5, as an address; a vector it does not give is 0, 0, 0.
const EXAMPLE = '?tipo=2&ponto=1,2,10&origem=0,0,5&x=1,0,0&y=0,1,0&direcao=0,0,1&centro=0,0,0';
const AXES = ['x', 'y', 'z'];

const $ = (id) => document.getElementById(id);
const form = $('definicao');
const output = {
  result: $('resultado'), note: $('nota'), echoes: $('ecos'), matrix: $('matriz'), steps: $('passos'),
  plane: $('plano'), measures: $('medidas'), copy: $('copia'), failure: $('aviso-falha'), naming: $('classificacao'),
  stage: $('passo-valor'), stageWhy: $('passo-explicacao'), stageRows: $('passo-tabela').querySelector('tbody'),
  definition: $('definicao-impressa'), picture: $('vista-impressa'),
};
const objectKind = $('objeto-tipo');
const classicalChoice = $('classicas');
const classicalAngle = $('classica-angulo');
const stepper = $('passo');

// The library's texts with each {name} in them replaced by its value.
const fill = (text, values) => text.replace(/\{(\w+)\}/g, (whole, name) => String(values[name] ?? whole));

// A row of fields (x, y and z of a vector, or one number) after a letter
// or word that names it, with a message beneath each field: axes are
// [id's end, label].
function fieldRow(container, prefix, name, axes) {
  const grid = document.createElement('div');
  grid.className = 'campos';
  const sigla = document.createElement('span');
  sigla.className = 'sigla';
  sigla.textContent = name;
  sigla.setAttribute('aria-hidden', 'true');
  grid.append(sigla);
  for (const [end, text] of axes) {
    const id = `${prefix}-${end}`;
    const cell = document.createElement('span');
    cell.className = 'campo';
    const label = document.createElement('label');
    label.htmlFor = id;
    label.textContent = text;
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

// What the library describes and says, once it has loaded: {types,
// objects, classicals} and its texts.
let description = null;
let texts = null;

// The page's texts in their places (data-texto: the text, data-titulo: the
// title, data-rotulo: aria-label; each the member's path in the texts,
// such as steps.heading, taken off once placed: the plane's SVG file is
// saved as the page shows it), the type's choice, a fieldset for every
// vector with its question for legend (in the order of the types'
// vectors), and the object's choice and fields.
function build() {
  const at = (path) => path.split('.').reduce((group, name) => group[name], texts);
  for (const [attribute, put] of [['texto', (e, t) => { e.textContent = t; }], ['titulo', (e, t) => { e.title = t; }],
    ['rotulo', (e, t) => e.setAttribute('aria-label', t)]]) {
    for (const element of document.querySelectorAll(`[data-${attribute}]`)) {
      put(element, at(element.dataset[attribute]));
      element.removeAttribute(`data-${attribute}`);
    }
  }
  document.title = `revareza: ${texts.subtitle}`;
  description.types.forEach((t, i) => {
    const label = document.createElement('label');
    const radio = Object.assign(document.createElement('input'),
      { type: 'radio', name: 'tipo', value: String(t.number) });
    label.append(radio, ` [${t.number}] ${texts.form.type_names[i]}`);
    $('campo-tipo').append(label);
  });
  const roles = new Map(description.types.flatMap((t) => t.roles.map((r) => [r.field, r])));
  for (const name of vectorNames(description)) {
    const fieldset = document.createElement('fieldset');
    fieldset.className = 'vetor';
    fieldset.dataset.nome = name;
    fieldset.dataset.sigla = roles.get(name).letter;
    const legend = document.createElement('legend');
    legend.textContent = roles.get(name).question.trim();
    fieldset.append(legend);
    fieldRow(fieldset, name, roles.get(name).letter, AXES.map((axis) => [axis, axis]));
    form.insertBefore(fieldset, form.querySelector('.atalhos'));
  }
  for (const element of document.querySelectorAll('[data-letra]')) {
    element.textContent = roles.get(element.dataset.letra).letter;
  }
  for (const o of description.objects) {
    objectKind.append(Object.assign(document.createElement('option'), { value: o.kind, textContent: o.name }));
  }
  for (const c of description.classicals) {
    classicalChoice.append(Object.assign(document.createElement('option'), { value: c.key, textContent: c.name }));
  }
  const head = $('passo-tabela').querySelector('thead tr');
  head.append(...AXES.map((axis) => Object.assign(document.createElement('th'), { textContent: axis })));
  fieldRow($('objeto-solido'), 'objeto-centro', texts.object.centre, AXES.map((axis) => [axis, axis]));
  fieldRow($('objeto-solido'), 'objeto', '', [['tamanho', texts.object.size]]);
  // Typing stops at the module's limits (a longer text set otherwise is refused).
  for (const input of document.querySelectorAll('.campo input, #classica-angulo')) {
    input.maxLength = revareza.FIELD_MAX_LENGTH;
  }
  for (const list of [$('objeto-pontos'), $('objeto-arestas')]) {
    list.maxLength = revareza.LIST_MAX_LENGTH;
  }
}

const fields = (name) => AXES.map((axis) => $(`${name}-${axis}`));
const objectFields = () => [...fields('objeto-centro'), $('objeto-tamanho')];
const type = () => form.elements.tipo.value;
const typeDescription = () => description.types.find((t) => String(t.number) === type());
// The vectors of the type chosen, in its order.
const order = () => typeDescription()?.roles.map((r) => r.field) ?? [];
const letterOf = (name) => form.querySelector(`fieldset[data-nome="${name}"]`).dataset.sigla;

function fillForm(definition) {
  form.elements.tipo.value = definition.tipo ?? '';
  for (const name of vectorNames(description)) {
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
  if (isSolid(description, kind)) {
    const [x, y, z, size] = objectFields().map((input) => input.value);
    return { kind, centre: [x, y, z], size };
  }
  if (kind !== '') {
    return { kind, points: $('objeto-pontos').value, edges: $('objeto-arestas').value };
  }
  return null;
}

// Vectors whose numbers in the address were not three, until edited, and
// where the address held the definition and the object (query or fragment).
let addressCounts = {};
let addressPlaces = {};
// The classical projection the fields hold ({name, angle: its text}), until
// one of them is edited; the steps shown; the address's parts of the last
// definition accepted.
let classical = null;
let stage = 0;
let addressParts = null;

// The classical projection of this key in the fields, the object its cube
// unless keepObject; its angle's field shown for the obliques. False for a
// key that is none of the library's; an angle that is no number is said
// beneath its field, and the fields stay.
function applyClassical(key, angle, keepObject = false) {
  const entry = description.classicals.find((c) => c.key === key);
  if (!entry) {
    return false;
  }
  $('classica-angulo-campo').hidden = !entry.receding;
  classicalAngle.value = entry.receding ? angle ?? entry.angle : entry.angle ?? '';
  const answer = revareza.classical(key, entry.receding ? classicalAngle.value : '0');
  $('classica-angulo-mensagem').textContent = answer.message ?? '';
  classicalAngle.toggleAttribute('aria-invalid', answer.message !== undefined);
  classicalChoice.value = key;
  const angleGiven = entry.receding && classicalAngle.value !== entry.angle;
  classical = { name: key, angle: angleGiven ? classicalAngle.value : null };
  if (answer.message !== undefined) {
    return true;
  }
  form.elements.tipo.value = String(answer.type);
  for (const [name, texts] of Object.entries(answer.vectors)) {
    fields(name).forEach((input, i) => { input.value = texts[i]; });
  }
  if (!keepObject) {
    const { object } = answer;
    objectKind.value = object.kind;
    objectFields().forEach((input, i) => { input.value = i < 3 ? object.centre[i] : object.size; });
    delete addressCounts['objeto-centro'];
  }
  return true;
}

// The fields no longer a classical projection's.
function leaveClassical() {
  classical = null;
  classicalChoice.value = '';
  $('classica-angulo-campo').hidden = true;
}

// The address of what the page shows, where the last definition was accepted.
function writeAddress() {
  if (addressParts) {
    window.history.replaceState(null, '', addressOf({ ...addressParts, classical, stage }, addressPlaces,
      window.location.pathname, description));
  }
}

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

// How many numbers the address held, in the library's words.
const counted = (text, count, values = {}) => fill(text,
  { count, numbers: count === 1 ? texts.result.number : texts.result.numbers, ...values });

// The address count's words, in place of the library's for the vector's
// last field.
function showAddressCounts() {
  for (const [name, count] of Object.entries(addressCounts)) {
    const last = fields(name)[2];
    $(`${last.id}-mensagem`).textContent = counted(texts.result.address_count, count);
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
  output.naming.replaceChildren();
  output.stage.textContent = '';
  output.stageWhy.textContent = '';
  output.stageRows.replaceChildren();
  stepper.disabled = true;
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

// A step's parameters, and what a negative distance means.
const parametersOf = (step) => (step.note ? `${step.parameterText} (${step.note})` : step.parameterText);

// Each step: its title, what it does and why, its parameters and its
// matrix, with five decimals; the full digits of its matrix in
// data-colunas, column after column.
function showSteps(steps) {
  output.steps.replaceChildren(...steps.map((step) => {
    const item = document.createElement('li');
    const title = document.createElement('h3');
    title.textContent = step.title;
    const why = document.createElement('p');
    why.className = 'explicacao';
    why.textContent = step.explanation;
    const parameters = document.createElement('p');
    parameters.className = 'parametros';
    parameters.textContent = parametersOf(step);
    const matrix = document.createElement('pre');
    matrix.textContent = step.decimals;
    matrix.dataset.colunas = step.columns;
    item.append(title, why, parameters, matrix);
    return item;
  }));
}

// The projection's kind and name (once, where they are the same word) and
// its measures.
function showClassification(c) {
  const name = document.createElement('strong');
  name.textContent = [...new Set([c.kindText, c.nameText])].join(', ');
  output.naming.replaceChildren(`${texts.naming.heading}: `, name,
    ...c.measures.map((measure) => `; ${measure}`));
}

// The stepper at the stage shown: which, the step's explanation and
// parameters, the table of coordinates after it, the steps done marked;
// moving says to go there in the 3D view.
function showStage(moving) {
  const { steps, stages } = answer;
  const count = steps.length;
  const previous = Math.min(Number(stepper.value), count);
  stage = Math.min(stage, count);
  stepper.max = String(count);
  stepper.value = String(stage);
  stepper.disabled = false;
  const step = steps[stage - 1];
  output.stage.textContent = stage === 0 ? fill(texts.steps.stage_start, { count })
    : fill(texts.steps.stage, { step: stage, count, title: step.title });
  output.stageWhy.textContent = step ? `${step.explanation} ${parametersOf(step)}` : '';
  output.stageRows.replaceChildren(...stages[stage].rows.map((row) => {
    const tr = document.createElement('tr');
    tr.append(Object.assign(document.createElement('th'), { textContent: row.letter }));
    if (row.texts) {
      tr.append(...row.texts.map((text) => Object.assign(document.createElement('td'), { textContent: text })));
    } else {
      tr.append(Object.assign(document.createElement('td'), { colSpan: 3, textContent: texts.steps.no_position }));
    }
    return tr;
  }));
  [...output.steps.children].forEach((item, i) => {
    item.classList.toggle('feito', i < stage);
    item.classList.toggle('atual', i === stage - 1);
  });
  if (moving && view) {
    // One step forward or back along a rotation turns; any other way goes straight.
    const turning = Math.abs(stage - previous) === 1
      && steps[Math.max(stage, previous) - 1].name.startsWith('rotation');
    view.showStage(stage, turning);
  }
}

// The definition as text, for the printed sheet: the classical projection
// chosen, the type, each vector after its question, the object.
function showDefinitionText() {
  const lines = [];
  if (classical) {
    lines.push(`${texts.form.classical}: ${classicalChoice.selectedOptions[0].textContent}`);
  }
  const typeIndex = description.types.findIndex((t) => String(t.number) === type());
  lines.push(`${texts.form.type_legend}: [${type()}] ${texts.form.type_names[typeIndex]}`);
  for (const role of typeDescription().roles) {
    lines.push(`${role.question}${fields(role.field).map((input) => input.value).join(' ')}`);
  }
  if (objectKind.value !== '') {
    const solid = isSolid(description, objectKind.value);
    const [x, y, z, size] = objectFields().map((input) => input.value);
    lines.push(`${texts.object.heading}: ${objectKind.selectedOptions[0].textContent}${solid
      ? `; ${texts.object.centre} ${x} ${y} ${z}; ${texts.object.size} ${size}` : ''}`);
  }
  output.definition.textContent = lines.join('\n');
}

function showObject(object) {
  const body = $('objeto-tabela').querySelector('tbody');
  $('objeto-mensagem').textContent = object?.problem?.message ?? '';
  showFieldMessages(objectFields(), object?.fields);
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

// The vectors shown: the type's, or with no type chosen those every type
// has.
const shownVectors = () => (typeDescription() ? order()
  : vectorNames(description).filter((name) => description.types.every((t) => t.roles.some((r) => r.field === name))));

// The vectors shown in the type's order, the others hidden; moved only
// when the order changes, since a field moved loses the focus.
function showVectors() {
  const shown = shownVectors();
  const vectors = [...form.querySelectorAll('fieldset.vetor')];
  for (const fieldset of vectors) {
    fieldset.hidden = !shown.includes(fieldset.dataset.nome);
  }
  const placed = vectors.map((f) => f.dataset.nome).filter((name) => shown.includes(name));
  if (placed.join() !== shown.join()) {
    for (const name of shown) {
      form.insertBefore(form.querySelector(`fieldset[data-nome="${name}"]`), form.querySelector('.atalhos'));
    }
  }
}

function update() {
  showVectors();
  const kind = objectKind.value;
  const solid = isSolid(description, kind);
  $('objeto-solido').hidden = !solid;
  $('objeto-lista').hidden = solid || kind === '';
  $('objeto-tabela').hidden = kind === '';
  const inputs = shownVectors().flatMap(fields);
  if (type() === '') {
    answer = null;
    showFieldMessages(inputs, []);
    output.result.textContent = texts.result.unknown_type;
    output.result.classList.add('erro');
    stale(texts.result.choose_type);
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
    output.failure.textContent = fill(texts.result.library_failed, { error: error.message });
    output.failure.hidden = false;
    output.result.textContent = '';
    stale(texts.result.no_result);
    return;
  }
  showFieldMessages(inputs, answer.fields, answer.refusedVector);
  showObject(answer.object);
  showAddressCounts();
  // A vector of the definition, or a solid's centre, whose numbers in the
  // address were not three is refused until edited: its fields do not say
  // what the address meant.
  const miscounted = order().filter((name) => name in addressCounts);
  const centreMiscounted = solid && 'objeto-centro' in addressCounts;
  const fieldTexts = answer.fields.map((f) => f.text);
  const objectTexts = answer.object?.fields?.map((f) => f.text) ?? [];
  if (!fieldTexts.includes(null) && !objectTexts.includes(null) && miscounted.length === 0 && !centreMiscounted) {
    const vectors = Object.fromEntries(order().map((name, i) => [name, fieldTexts.slice(3 * i, 3 * i + 3)]));
    const object = { ...objectOfForm(), kind };
    if (solid) {
      object.centre = objectTexts.slice(0, 3);
      object.size = objectTexts[3];
    }
    addressParts = { tipo: type(), vectors, object };
    if (answer.steps) {
      stage = Math.min(stage, answer.steps.length);
    }
    writeAddress();
  }
  const refusedObject = (answer.object && !answer.object.points) || centreMiscounted;
  if (miscounted.length > 0) {
    const name = miscounted[0];
    output.result.textContent = counted(texts.result.address_vector_count, addressCounts[name],
      { letter: letterOf(name) });
    output.result.classList.add('erro');
    stale(`${output.result.textContent} ${texts.result.fix_vector}`);
    return;
  }
  if (answer.message !== undefined) {
    output.result.textContent = answer.message;
    output.result.classList.add('erro');
    stale(`${output.result.textContent} ${texts.result.fix_field}`);
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
  output.echoes.textContent = answer.echoes.map((echo, i) => `${answer.echoLetters[i]}: ${echo}`).join('\n');
  output.matrix.textContent = answer.matrix;
  showClassification(answer.classification);
  showSteps(answer.steps);
  showStage(false);
  showDefinitionText();
  const object = refusedObject ? null : answer.object;
  const s = answer.scene;
  output.measures.textContent = answer.measures ? `x = ${answer.measures.x}   y = ${answer.measures.y}` : '';
  drawPlane(output.plane, {
    image: s.plane, objectImages: object?.plane, behind: object?.behind, edgeImages: object?.edgeImages,
    vanishing: answer.classification.vanishingPoints, title: fill(texts.drawing.plane_title, { result: answer.result }),
    words: texts.drawing, letters: s.letters,
  });
  const stages = object ? answer.stages : answer.stages.map(({ scene }) => ({ scene }));
  const reason = view ? view.show(stages, s.letters, object, texts.drawing, stage) : texts.drawing.no_webgl;
  if (reason) {
    noDrawing(reason);
  } else {
    $('sem-desenho').hidden = true;
  }
}

// The buttons -------------------------------------------------------------

$('ortogonal').addEventListener('click', () => {
  if (!answer?.orthogonal) {
    return;
  }
  const { orthogonal } = answer;
  leaveClassical();
  form.elements.tipo.value = String(orthogonal.type);
  fields(orthogonal.field).forEach((input, i) => { input.value = orthogonal.texts[i]; });
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

classicalChoice.addEventListener('change', () => {
  if (!applyClassical(classicalChoice.value, null)) {
    leaveClassical();
  }
  update();
});
classicalAngle.addEventListener('input', () => {
  if (classical) {
    applyClassical(classical.name, classicalAngle.value, true);
    update();
  }
});
stepper.addEventListener('input', () => {
  if (!answer?.stages) {
    return;
  }
  stage = Number(stepper.value);
  showStage(true);
  writeAddress();
});

// Printed, the 3D view is an image of what it shows, kept up to date once
// the view is still and again before printing: a canvas laid out anew for
// the sheet may lose its drawing.
const picture = () => {
  if (view && $('sem-desenho').hidden) {
    output.picture.src = view.picture();
  } else {
    output.picture.removeAttribute('src');
  }
};
window.addEventListener('beforeprint', picture);
window.matchMedia('print').addEventListener('change', (event) => {
  if (event.matches) {
    picture();
  }
});

$('baixar-plano').addEventListener('click', (event) => {
  const link = event.currentTarget;
  URL.revokeObjectURL(link.href);
  link.href = URL.createObjectURL(new Blob([svgFile(output.plane)], { type: 'image/svg+xml' }));
});

// Start ---------------------------------------------------------------------

// The module compiles while the drawing gets its WebGL context.
const loading = createRevareza();
try {
  view = new SceneView($('vista'), $('rotulos'));
  view.onStill = picture;
} catch {
  view = null;
}
// For the browser test: what the 3D view draws.
window.revarezaDrawing = () => view?.drawing() ?? null;
try {
  revareza = await loading;
} catch (error) {
  const notice = $('aviso-carga');
  notice.querySelector('span').textContent = error.message;
  notice.hidden = false;
  throw error;
}
description = { types: revareza.types(), objects: revareza.objects(), classicals: revareza.classicals() };
texts = revareza.texts();
build();

// The definition and the object from the address over the example (and 0,
// 0, 0 for any vector it does not give), read again when only its fragment
// changes (which loads no page).
const blank = {
  tipo: '', vectors: Object.fromEntries(vectorNames(description).map((name) => [name, ['0', '0', '0']])),
  object: { kind: '', centre: ['0', '0', '0'], size: '1', points: '', edges: '' },
};
const example = readAddress({ search: EXAMPLE, hash: '' }, blank, description);
const readFromAddress = () => {
  const read = readAddress(window.location, example, description);
  addressCounts = read.counts;
  addressPlaces = read.places;
  stage = read.stage;
  fillForm(read);
  if (!read.classical || !applyClassical(read.classical.name, read.classical.angle, read.objectGiven)) {
    leaveClassical();
  }
};
readFromAddress();
const edited = (event) => {
  // A vector edited is read from its fields again, the address forgotten;
  // the definition is no longer the classical one.
  delete addressCounts[event.target.id.replace(/-[^-]+$/, '')];
  if (form.contains(event.target)) {
    leaveClassical();
  }
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
