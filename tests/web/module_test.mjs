// The page's WebAssembly module against the native program: the matrix text
// it gives for each definition must be what `revareza --matrizes` prints,
// byte for byte, and it must refuse exactly the definitions whose matrix
// the program prints with NaN or infinite entries. The
// definitions are the generator's, and others whose matrix carries chosen
// numbers unchanged into its last column (the translation by -O), to put
// the printing of every kind of double to the test: ties at the fifth
// decimal, neighbours of rounding boundaries, random bit patterns.
//   node module_test.mjs SITE_DIR GENERATE_DEFINITIONS PROGRAM
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const [site, generator, program] = process.argv.slice(2);
const { default: createRevareza } = await import(pathToFileURL(path.join(site, 'revareza.mjs')));
const revareza = await createRevareza({ wasmBinary: fs.readFileSync(path.join(site, 'revareza.wasm')) });

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
  .map((d) => revareza.compute(Number(d[0]), [...blank, ...d.slice(1)]));

// NaN's sign aside, which differs between engines: -nan is nan, still in
// a field of ten characters. A definition the module refuses (no plane, a
// direction along the plane, a centre in it, an overflow) must be one whose
// matrix the program prints with a NaN or an infinity, and no other.
const expectedLines = expected.replaceAll(' -nan', '  nan').split('\n');
const differing = [];
let refused = 0;
answers.forEach((answer, m) => {
  const block = expectedLines.slice(5 * m, 5 * m + 5);
  const finite = !/nan|inf/.test(block.join('\n'));
  if (answer.message !== undefined) {
    refused += 1;
    if (finite) {
      differing.push({ m, i: 0, program: block[0], module: `refused: ${answer.message}` });
    }
    return;
  }
  if (!finite) {
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
process.exitCode = differing.length === 0 && generatedMatrices >= 20000 ? 0 : 1;
