// The page's WebAssembly module against the native program: the matrix text
// it gives for each definition must be what `revareza --matrizes` prints,
// byte for byte, and it must refuse exactly the definitions whose matrix
// the program prints with NaN or infinite entries, or that have no
// projection in exact arithmetic. The
// definitions are the generator's, and others whose matrix carries chosen
// numbers unchanged into its last column (the translation by -O), to put
// the printing of every kind of double to the test: ties at the fifth
// decimal, neighbours of rounding boundaries, random bit patterns. On the
// generated ones, the steps' matrices multiplied in order are the matrix
// as copied for WebGL, bit for bit, and so are its numpy and LaTeX
// copies; the copies with five decimals and the steps' matrices as shown
// are the program's numbers with no negative zero; after the first K
// steps the point is those steps' product applied to it, bit for bit;
// each step has its kind's title and explanation and a rotation's degrees
// are its radians times 180/pi. The classical projections, each with the
// page's cube, classified as they are called. The page's description: each type's vectors in the
// order the program asks for them, with its questions; the objects; every
// text of the page; the vector blamed for a refusal, and a list's or a
// size's refusal in the page's words. A cube's points give the program's
// result lines; the images of edges that cross the plane through the
// centre are rays. Then what no call may do: abort, grow the heap or keep a handle, for 10,000 calls with
// the largest fields, lists at their limit, and calls it refuses.
//   node module_test.mjs MODULE_LOADER GENERATE_DEFINITIONS PROGRAM
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import { pathToFileURL } from 'node:url';

const [loader, generator, program] = process.argv.slice(2);
const { default: createRevareza } = await import(pathToFileURL(loader));
const revareza = await createRevareza({ wasmBinary: fs.readFileSync(loader.replace(/\.mjs$/, '.wasm')) });

const GENERATED = 21500; // about 5% of them are types that run nothing
const definitions = execFileSync(generator, [String(GENERATED), '18', 'mixed'], { encoding: 'utf8', maxBuffer: 1 << 30 })
  .trim().split('\n').slice(0, -1).map((line) => line.split(' '));
const generatedMatrices = definitions.filter((d) => d[0] === '1' || d[0] === '2').length;

// The matrix of type 1 with O = -(a, b, c), X, Y and D the axes is the
// translation by (a, b, c): its last column is a, b, c exactly.
const text = (v) => (Object.is(v, -0) ? '-0' : String(v)); // the shortest text that reads back as v
const carry = (values) => {
  for (let i = 0; i + 3 <= values.length; i += 3) {
    definitions.push(['1', ...values.slice(i, i + 3).map((v) => text(-v)), '1', '0', '0', '0', '1', '0', '0', '0', '1']);
  }
};
const bits = new BigUint64Array(1);
const double = new Float64Array(bits.buffer);
const neighbours = (v, reach) => {
  const around = [];
  for (let step = -reach; step <= reach; step += 1) {
    double[0] = v;
    bits[0] += BigInt(step);
    around.push(double[0]);
  }
  return around;
};
const ties = [];
for (let n = 6; n <= 20; n += 1) {
  for (let k = -3000; k <= 3000; k += 1) {
    ties.push(k / 2 ** n);
  }
}
carry(ties);
const boundaries = [];
for (let i = -200000; i <= 200000; i += 97) {
  boundaries.push(...neighbours((i + 0.5) * 1e-5, 3));
}
carry(boundaries);
let state = 0x853c49e6748fea9bn;
const random = [];
while (random.length < 60000) {
  state ^= state >> 12n;
  state ^= (state << 25n) & 0xffffffffffffffffn;
  state ^= state >> 27n;
  bits[0] = (state * 0x2545f4914f6cdd1dn) & 0xffffffffffffffffn;
  if (Number.isFinite(double[0])) {
    random.push(double[0]);
  }
}
carry(random);
carry([0, Number.MAX_VALUE, -Number.MAX_VALUE, Number.MIN_VALUE, -Number.MIN_VALUE, 2.2250738585072014e-308,
  -0.000004, -0.000005, 0.000005, 0.0000049999999999, 99999.999995, 12345.678901, 1e22, 1e23, 9007199254740993]);

const input = `${definitions.map((d) => d.join(' ')).join('\n')}\n0\n`;
const expected = execFileSync(program, ['--matrizes'], { input, encoding: 'utf8', maxBuffer: 1 << 30 });
const blank = ['0', '0', '0'];
const answers = definitions.filter((d) => d[0] === '1' || d[0] === '2')
  .map((d) => revareza.compute(Number(d[0]), [...blank, ...d.slice(1)], null));

// Whether a generated definition (numbers with at most three decimals) has
// no projection in exact arithmetic: the measures the library decides by,
// squared and scaled by 1000 into integers. Y: |X x Y|^2 <= 2^-80 |X|^2
// |Y|^2; D: ((X x Y) . D)^2 <= 2^-80 |X x Y|^2 |D|^2; C: ((X x Y) . (C -
// O))^2 <= 2^-80 |X x Y|^2 (|C| + |O|)^2, bounded by (|C| + |O|)^2 lying
// between |C|^2 + |O|^2 and twice that (a measure between the two bounds is
// too near 2^-40 to tell, and fails the test).
const thousandths = (t) => {
  const [whole, fraction = ''] = t.replace('-', '').split('.');
  const value = BigInt(whole) * 1000n + BigInt((fraction + '000').slice(0, 3));
  return t.startsWith('-') ? -value : value;
};
const dotN = (a, b) => a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
const crossN = (a, b) => [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]];
const TOLERANCE_SQUARED_INVERSE = 2n ** 80n;
const exactlyDegenerate = (d) => {
  const [o, x, y, last] = [1, 4, 7, 10].map((i) => d.slice(i, i + 3).map(thousandths));
  const n = crossN(x, y);
  if (dotN(n, n) * TOLERANCE_SQUARED_INVERSE <= dotN(x, x) * dotN(y, y)) {
    return true;
  }
  if (d[0] === '1') {
    return dotN(n, last) ** 2n * TOLERANCE_SQUARED_INVERSE <= dotN(n, n) * dotN(last, last);
  }
  const away = [0, 1, 2].map((i) => last[i] - o[i]);
  const distance = dotN(n, away) ** 2n * TOLERANCE_SQUARED_INVERSE;
  const sizes = dotN(n, n) * (dotN(last, last) + dotN(o, o));
  if (distance > sizes && distance <= 2n * sizes) {
    throw new Error(`a centre too near 2^-40 from the plane to tell: ${d.join(' ')}`);
  }
  return distance <= sizes;
};

// NaN's sign aside, which differs between engines: -nan is nan, still in
// a field of ten characters. A definition the module refuses (no plane, a
// direction along the plane, a centre in it, an overflow) must be one that
// has no projection in exact arithmetic, or whose matrix the program prints
// with a NaN or an infinity, and no other.
const expectedLines = expected.replaceAll(' -nan', '  nan').split('\n');
const differing = [];
let refused = 0;
const computed = definitions.filter((d) => d[0] === '1' || d[0] === '2');
answers.forEach((answer, m) => {
  const block = expectedLines.slice(5 * m, 5 * m + 5);
  const finite = !/nan|inf/.test(block.join('\n'));
  const degenerate = m < generatedMatrices && exactlyDegenerate(computed[m]);
  if (answer.message !== undefined) {
    refused += 1;
    if (finite && !degenerate) {
      differing.push({ m, i: 0, program: block[0], module: `refused: ${answer.message}` });
    }
    return;
  }
  if (!finite || degenerate) {
    differing.push({ m, i: 0, program: block[0], module: 'not refused' });
    return;
  }
  const lines = `${answer.matrix}\n`.replaceAll(' -nan', '  nan').split('\n');
  block.forEach((line, i) => {
    if (line !== lines[i]) {
      differing.push({ m, i, program: line, module: lines[i] });
    }
  });
});
const matrices = definitions.length - definitions.filter((d) => d[0] !== '1' && d[0] !== '2').length;
console.log(`${matrices} matrices (${generatedMatrices} of generated definitions, ${matrices - generatedMatrices} carrying `
  + `${ties.length + boundaries.length + random.length + 15} chosen numbers), ${expectedLines.length} lines, `
  + `${refused} definitions refused: ${differing.length} lines differ`);
for (const d of differing.slice(0, 20)) {
  console.log(`line ${5 * d.m + d.i + 1} (matrix ${d.m + 1}):\n  program: ${d.program}\n  module:  ${d.module}`);
}
const failures = [];
const check = (ok, what) => {
  if (!ok && failures.push(what) <= 20) {
    console.log(`FAILED: ${what}`);
  }
};

// The steps multiplied as the library multiplies them (T = S * T, each
// entry summed from 0 over k in order): the matrix copied for WebGL, whose
// numbers the numpy and LaTeX copies hold too.
const columns = (text) => JSON.parse(text);
const times = (s, t) => { // column-major, s * t
  const out = [];
  for (let c = 0; c < 4; c += 1) {
    for (let r = 0; r < 4; r += 1) {
      let sum = 0;
      for (let k = 0; k < 4; k += 1) {
        sum += s[4 * k + r] * t[4 * c + k];
      }
      out.push(sum);
    }
  }
  return out;
};
const numbers = (text) => (text.match(/-?(?:\d+\.?\d*|\.\d+)(?:e[-+]?\d+| \\times 10\^\{-?\d+\})?/g) ?? [])
  .map((n) => Number(n.replace(/ \\times 10\^\{(-?\d+)\}/, 'e$1')));
const rowMajor = (c) => [0, 1, 2, 3].flatMap((r) => [0, 1, 2, 3].map((k) => c[4 * k + r]));
const same = (a, b) => a.length === b.length && a.every((v, i) => Object.is(v, b[i]));
let multiplied = 0;
answers.slice(0, generatedMatrices).forEach((answer, m) => {
  if (answer.message !== undefined) {
    return;
  }
  multiplied += 1;
  const product = answer.steps.map((step) => columns(step.columns)).reduce((t, s) => times(s, t));
  const copied = columns(answer.copies.columns);
  check(same(product, copied), `matrix ${m + 1}: steps ${product}, copied ${copied}`);
  check(same(numbers(answer.copies.numpy), rowMajor(copied)), `matrix ${m + 1}: numpy ${answer.copies.numpy}`);
  check(same(numbers(answer.copies.latex), rowMajor(copied)),
    `matrix ${m + 1}: LaTeX ${answer.copies.latex}`);
  // The handout's copies and the steps' matrices as the page shows them:
  // the program's five decimals, a zero without its minus.
  const decimals = (text) => text.match(/-?\d+\.\d{5}(?!\d)/g) ?? [];
  const program = decimals(answer.matrix).map((t) => t.replace(/^-(0\.0+)$/, '$1'));
  check(decimals(answer.copies.numpyDecimals ?? '').join() === program.join()
    && decimals(answer.copies.latexDecimals ?? '').join() === program.join(),
  `matrix ${m + 1}: five decimals ${answer.copies.numpyDecimals} ${answer.copies.latexDecimals}`);
  check(answer.steps.every((step) => step.decimals === step.matrix.replace(/-(0\.00000)(?!\d)/g, ' $1')),
    `matrix ${m + 1}: the steps' matrices shown ${answer.steps.map((step) => step.decimals)}`);
});

// After the first K steps the point, as the page draws and lists it, is
// the product of those steps' matrices applied to it, bit for bit: each
// row summed left to right, then divided by the weight.
const applied = (c, p) => {
  const r = [0, 1, 2, 3].map((i) => c[i] * p[0] + c[4 + i] * p[1] + c[8 + i] * p[2] + c[12 + i]);
  return r.slice(0, 3).map((v) => v / r[3]);
};
let staged = 0;
computed.slice(0, 2000).forEach((d, m) => {
  const point = computed[m + 1].slice(1, 4);
  const answer = revareza.compute(Number(d[0]), [...point, ...d.slice(1)], null);
  if (answer.message !== undefined) {
    return;
  }
  staged += 1;
  const matrices = answer.steps.map((step) => columns(step.columns));
  check(answer.stages?.length === matrices.length + 1, `definition ${m + 1}: ${answer.stages?.length} stages`);
  (answer.stages ?? []).forEach((stage, k) => {
    const expected = k === 0 ? point.map(Number) : applied(matrices.slice(0, k).reduce((t, s) => times(s, t)),
      point.map(Number));
    check(stage.scene.point === null ? k === matrices.length && answer.scene.image === null
      : same(stage.scene.point, expected), `definition ${m + 1}, after ${k} steps: ${stage.scene.point}, not ${expected}`);
  });
});

// Each step's title and explanation are the set's for its kind (a
// perspective's translation is by -C, its shear brings O over C), and each rotation's angle in degrees is its
// radians times 180/pi.
const stepTexts = revareza.texts().steps;
answers.slice(0, generatedMatrices).forEach((answer, m) => {
  const perspective = computed[m][0] === '2';
  for (const step of answer.steps ?? []) {
    check(step.title === stepTexts[step.name === 'translation' && perspective ? 'translation_by_centre' : step.name],
      `matrix ${m + 1}: the title of ${step.name} ${step.title}`);
    const why = `${step.name}${perspective && ['translation', 'shear'].includes(step.name) ? '_by_centre' : ''}_why`;
    check(step.explanation === stepTexts[why] && stepTexts[why] !== undefined,
      `matrix ${m + 1}: the explanation of ${step.name} ${step.explanation}`);
    for (const p of step.parameters.filter((q) => q.degrees !== undefined)) {
      const radians = Number(p.value);
      check(Math.abs(Number(p.degrees) - radians * (180 / Math.PI)) <= 1e-15 * Math.abs(radians * (180 / Math.PI)),
        `matrix ${m + 1}: ${step.name} of ${p.value} rad is ${p.degrees} degrees`);
    }
  }
});

// The classical projections: each, with the page's cube, named as it is
// called; an angle that is no number refused in the page's words.
const classicals = revareza.classicals?.() ?? [];
check(classicals.length === 11 && classicals.filter((c) => c.receding).map((c) => c.key).join()
  === 'cavaleira,gabinete,militar', `classicals(): ${JSON.stringify(classicals)}`);
for (const c of classicals) {
  const classical = revareza.classical(c.key, '30');
  const roles = revareza.types().find((t) => t.number === classical.type).roles;
  const answer = revareza.compute(classical.type, roles.flatMap((r) => classical.vectors[r.field]), classical.object);
  check(answer.classification?.name === c.key && answer.object.points.length === 8 && c.name !== '',
    `the classical ${c.key}: ${JSON.stringify(answer.classification)}`);
}
check(revareza.classical?.('cavaleira', 'x')?.message === "nao e' um numero", 'a classical angle that is no number');

// The page's description: each type's vectors in the order the program
// asks for them, with its questions, a direction echoed after its own; the
// objects compute() takes; every text of the page's set, none empty.
const FIELD_ANSWERS = { ponto: '1 2 10', origem: '0 0 5', x: '1 0 0', y: '0 1 0', direcao: '0 0 1', centro: '0 0 0' };
const types = revareza.types();
check(types.map((t) => `${t.number}: ${t.roles.map((r) => `${r.field} ${r.letter} ${r.kind}`).join(', ')}`).join('; ')
  === '1: ponto P point, origem O point, x X direction, y Y direction, direcao D direction; '
  + '2: ponto P point, origem O point, x X direction, y Y direction, centro C point', `types(): ${JSON.stringify(types)}`);
for (const t of types) {
  const asked = execFileSync(program, [], { input: `${t.number}\n${t.roles.map((r) => FIELD_ANSWERS[r.field]).join('\n')}\n0\n`,
    encoding: 'utf8' });
  // What follows the menu's answer, each question and the echo after it.
  let rest = asked.slice(asked.indexOf(t.roles[0].question));
  for (const role of t.roles) {
    const echoed = rest.startsWith(role.question) && rest.slice(role.question.length).startsWith('Usando o vetor');
    check(rest.startsWith(role.question) && echoed === (role.kind === 'direction'),
      `type ${t.number}: ${role.field} asked ${JSON.stringify(role.question)} in ${JSON.stringify(asked)}`);
    rest = rest.slice(role.question.length);
    rest = echoed ? rest.slice(rest.indexOf('\n') + 1) : rest;
  }
}
const example = ['1', '2', '10', '0', '0', '5', '1', '0', '0', '0', '1', '0', '0', '0', '0'];
for (const o of revareza.objects()) {
  const placed = revareza.compute(2, example, o.solid ? { kind: o.kind, centre: ['0', '0', '8'], size: '2' }
    : { kind: o.kind, points: '0 0 8\n1 1 8', edges: '1 2' });
  check(placed.object?.points?.length > 1 && o.name !== '', `the object ${o.kind}: ${JSON.stringify(placed.object)}`);
}
const texts = [];
const gather = (value) => (typeof value === 'string' ? texts.push(value) : Object.values(value).forEach(gather));
gather(revareza.texts());
check(texts.length === revareza.PAGE_TEXT_COUNT && texts.every((t) => t !== ''),
  `texts(): ${texts.length} texts, not ${revareza.PAGE_TEXT_COUNT}, or one empty`);

// Refusals: the vector blamed, by its place in the type's order, and why
// a list or a size is refused, in the page's words.
const REFUSALS = [
  [1, 0, ['x', '2', '3', '0', '0', '0', '1', '0', '0', '0', '1', '0', '0', '0', '1']],
  [1, 3, ['1', '2', '3', '0', '0', '0', '1', '0', '0', '2', '0', '0', '0', '0', '1']],
  [1, 4, ['1', '2', '3', '0', '0', '0', '1', '0', '0', '0', '1', '0', '1', '1', '0']],
  [2, 4, ['1', '2', '10', '0', '0', '5', '1', '0', '0', '0', '1', '0', '3', '3', '5']],
];
for (const [type, vector, fields] of REFUSALS) {
  const answer = revareza.compute(type, fields, null);
  check(answer.message !== undefined && answer.refusedVector === vector, `type ${type}, ${fields}: ${answer.message}, `
    + `vector ${answer.refusedVector}, not ${vector}`);
}
const lines = (count, line) => Array.from({ length: count }, () => line).join('\n');
const LIST_REFUSALS = [
  ['1 2 3\n4 5', '', 'Pontos, linha 2: esperava 3 numeros (x y z)'],
  ['1 x 3', '', "Pontos, linha 1: nao e' um numero"],
  ['1 2 3', '1', 'Arestas, linha 1: esperava 2 numeros de ponto'],
  ['1 2 3', '1 2', 'Arestas, linha 1: nao ha ponto com esse numero'],
  [lines(1001, '1 2 3'), '', 'Pontos, linha 1001: pontos demais (1000 no maximo)'],
  ['1 2 3', lines(5001, '1 1'), 'Arestas, linha 5001: arestas demais (5000 no maximo)'],
  ['1 2 3', ' '.repeat(100001), 'Arestas: lista longa demais (100000 caracteres no maximo)'],
];
for (const [points, edges, message] of LIST_REFUSALS) {
  const { problem } = revareza.compute(2, example, { kind: 'lista', points, edges }).object;
  check(problem?.message === message && problem.list === (message.startsWith('Pontos') ? 'points' : 'edges'),
    `the list ${points.slice(0, 20)} / ${edges.slice(0, 20)}: ${JSON.stringify(problem)}, not ${message}`);
}
const flat = revareza.compute(2, example, { kind: 'cubo', centre: ['0', '0', '8'], size: '-0' }).object;
check(flat.fields[3].message === 'o tamanho deve ser maior que 0' && flat.problem === null && !flat.points,
  `a size of -0: ${JSON.stringify(flat)}`);

// A cube on 200 of the definitions, each with its centre at the next one's
// origin: its points' result lines are the program's, in interactive mode.
const cubes = definitions.filter((d) => d[0] === '1' || d[0] === '2').slice(0, 201);
const requests = [];
const cubeLines = [];
for (let i = 0; i + 1 < cubes.length; i += 1) {
  const d = cubes[i];
  const answer = revareza.compute(Number(d[0]), [...blank, ...d.slice(1)],
    { kind: 'cubo', centre: cubes[i + 1].slice(1, 4), size: '2.5' });
  if (answer.message === undefined) {
    check(answer.object.points.length === 8 && answer.object.edges.length === 12, `cube ${i}: 8 points, 12 edges`);
    answer.object.texts.forEach((text, k) => {
      requests.push(`${d[0]}\n${text}\n${d.slice(1, 4).join(' ')}\n${d.slice(4, 7).join(' ')}\n`
        + `${d.slice(7, 10).join(' ')}\n${d.slice(10, 13).join(' ')}\n`);
      cubeLines.push(answer.object.results[k]);
    });
  }
}
const dialogue = execFileSync(program, [], { input: `${requests.join('')}0\n`, encoding: 'utf8', maxBuffer: 1 << 30 });
const programLines = [...dialogue.matchAll(/O resultado da revareza e': \([^)]*\)|O ponto nao tem projecao [^\n]*|Os valores passados sao grandes demais[^\n]*/g)]
  .map(([line]) => line.replace(/\s*Entre com.*$/, ''));
check(programLines.length === cubeLines.length && cubeLines.length > 1000, `${cubeLines.length} cube points, ${programLines.length} program lines`);
cubeLines.forEach((line, k) => check(line === programLines[k], `cube point ${k}: module ${line}, program ${programLines[k]}`));

// Each edge's image on z = 0 from the centre (0, 0, 10): the segment
// between images on one side of the centre's parallel plane z = 10; two
// rays outward from the ends' images where the edge crosses it; one ray,
// towards where the edge vanishes, from an end in it; nothing for an edge
// in it or one the centre sees as a point. Parallel, always the segment.
const EDGE_CASES = [
  [2, [1, 1, 8], [2, 0, 5], [{ start: [5, 5], end: [4, 0] }]],
  [2, [1, 1, 12], [2, 0, 15], [{ start: [-5, -5], end: [-4, 0] }]],
  [2, [1, 1, 8], [1, 1, 12], [{ start: [5, 5], direction: [1, 1] }, { start: [-5, -5], direction: [-1, -1] }]],
  [2, [1, 1, 8], [1, 1, 10], [{ start: [5, 5], direction: [1, 1] }]],
  [2, [1, 1, 10], [1, 1, 12], [{ start: [-5, -5], direction: [-1, -1] }]],
  [2, [3, -1, 10], [1, 1, 12], [{ start: [-5, -5], direction: [-3, 1] }]],
  [2, [1, 1, 10], [2, 2, 10], []],
  [2, [0, 0, 10], [1, 1, 8], []],
  [2, [1, 1, 8], [-1, -1, 12], []],
  [1, [1, 1, 8], [1, 1, 12], [{ start: [1, 1], end: [1, 1] }]],
];
const near = (a, b) => a.every((v, i) => Math.abs(v - b[i]) <= 1e-12 * Math.max(1, Math.abs(b[i])));
const heading = ([u, v]) => [u / Math.hypot(u, v), v / Math.hypot(u, v)];
for (const [type, from, to, parts] of EDGE_CASES) {
  const answer = revareza.compute(type, ['0', '0', '0', '0', '0', '0', '1', '0', '0', '0', '1', '0', '0', '0', '10'],
    { kind: 'lista', points: `${from.join(' ')}\n${to.join(' ')}`, edges: '1 2' });
  const got = answer.object.edgeImages[0];
  check(got.length === parts.length && parts.every((part, i) => near(got[i].start, part.start)
    && (part.end ? near(got[i].end, part.end) : near(heading(got[i].direction), heading(part.direction)))),
  `type ${type}, the edge ${from} to ${to}: ${JSON.stringify(got)}, not ${JSON.stringify(parts)}`);
}

// What no call may do. The largest fields the page passes (1,000
// characters, read to the end), lists at their limit, fields far beyond it,
// and calls the binding refuses: the heap in use and the handles held
// stay as they were after a first call.
const longNumber = (digit) => `${digit}.${'3'.repeat(997)}1`;
const largest = Array.from({ length: 15 }, (_, i) => longNumber([0, 0, 1, 0, 0, 5, 1, 0, 0, 0, 1, 0, 0, 0, 1][i]));
const list = {
  kind: 'lista',
  points: Array.from({ length: 1000 }, (_, i) => `${i} ${i % 7}.5 ${i % 3}`).join('\n').padEnd(revareza.LIST_MAX_LENGTH, ' '),
  edges: Array.from({ length: 999 }, (_, i) => `${i + 1} ${i + 2}`).join('\n'),
};
const huge = 'x'.repeat(4 << 20);
const calls = [
  [2, largest, { kind: 'casa', centre: largest.slice(0, 3), size: longNumber(2) }],
  [1, [...largest.slice(0, 14), huge], { kind: 'lista', points: huge, edges: '' }],
  [3, largest, null], [1.5, largest, null], [1, largest.slice(1), null], [1, [...largest.slice(1), 7], null], ['1', largest, null],
  [1, largest, { kind: 'esfera' }], [1, largest, { kind: 'cubo', centre: ['1', '2'], size: '1' }],
  [1, largest, { kind: 'lista', points: 5, edges: '' }],
];
const refusedCalls = calls.slice(2).map((c) => revareza.compute(...c));
check(refusedCalls.every((a) => typeof a.error === 'string' && Object.keys(a).length === 1), `refused calls: ${JSON.stringify(refusedCalls)}`);
const first = revareza.compute(...calls[0]);
check(first.result !== undefined && first.object.points.length === 10, `the largest fields: ${first.result ?? first.message}`);
const tooLong = revareza.compute(...calls[1]);
check(tooLong.fields[14].message === 'mais de 1000 caracteres' && tooLong.fields[14].text === null
  && tooLong.object.problem.list === 'points' && tooLong.object.problem.line === 0,
`a 4 MB field and list: ${JSON.stringify(tooLong.fields[14])} ${JSON.stringify(tooLong.object.problem)}`);
const listAnswer = revareza.compute(1, largest, list);
check(listAnswer.object.points?.length === 1000 && listAnswer.object.edges.length === 999, 'a list at its limit');
const heap = revareza.memoryInUse();
const handles = revareza.count_emval_handles();
const memory = revareza.HEAP8.length;
for (let i = 0; i < 10000; i += 1) {
  revareza.compute(...calls[i % calls.length]);
  if (i % 50 === 0) {
    revareza.compute(1, largest, list);
  }
}
console.log(`after 10,000 calls: heap in use ${revareza.memoryInUse()} bytes (${heap} after the first), `
  + `${revareza.count_emval_handles()} handles (${handles}), memory ${revareza.HEAP8.length} bytes (${memory})`);
check(revareza.memoryInUse() === heap && revareza.count_emval_handles() === handles && revareza.HEAP8.length === memory,
  'the heap, the handles or the memory grew');

console.log(`${multiplied} definitions' steps multiplied, ${staged} staged, ${cubeLines.length} cube points against the program; `
  + `${failures.length} checks failed`);
process.exitCode = differing.length === 0 && generatedMatrices >= 20000 && failures.length === 0 ? 0 : 1;
