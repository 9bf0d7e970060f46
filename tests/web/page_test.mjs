// The page in Debian's chromium, headless, served as `make serve` serves it:
// for generated definitions of both types given in the address, the
// program's own texts (echoes, result line, matrix); typed into the form,
// the result, the drawing and the address follow; refused input gives the
// program's message and no drawing; the canvas shows the plane, the point
// and the image; every field is reached with the keyboard and has a label;
// a phone-sized window needs no sideways scrolling; no request leaves the
// page's origin and no error reaches the console. Saves the screenshots the
// README shows.
//   node page_test.mjs SITE_DIR WEB_SOURCE_DIR CHROMIUM PYTHON GENERATE_DEFINITIONS PROGRAM SCREENSHOT_DIR
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';

const [site, webSource, chromium, python, generator, program, screenshots] = process.argv.slice(2);
const puppeteer = createRequire(path.resolve(webSource, 'package.json'))('puppeteer-core');

const failures = [];
const check = (ok, what) => {
  if (!ok) {
    failures.push(what);
  }
};
// NaN's sign aside, which differs between engines: -nan is nan, in a
// matrix's field of ten characters too.
const unsigned = (text) => text.replace(/(^|[ (,])-nan/gm, (_, before) => (before === ' ' ? '  nan' : `${before}nan`));
const sameText = (a, b) => unsigned(a) === unsigned(b);

// The program's answers ---------------------------------------------------

const run = (args, input) => execFileSync(program, args, { input, encoding: 'utf8', stdio: 'pipe' });
const vectorsOf = (c) => [c.origem, c.x, c.y, c.type === '1' ? c.direcao : c.centro];
// Matrix mode: the four lines of each matrix.
const programMatrices = (cases) => {
  const lines = run(['--matrizes'], `${cases.map((c) => [c.type, ...vectorsOf(c).flat()].join(' ')).join('\n')}\n0\n`)
    .split('\n');
  return cases.map((_, i) => `${lines.slice(5 * i, 5 * i + 4).join('\n')}\n`);
};
// Interactive mode: the echoes and the result line of each request.
const programDialogues = (cases) => {
  const output = run([], `${cases.map((c) => [c.type, c.ponto, ...vectorsOf(c)].map((v) => [v].flat().join(' ')).join('\n')).join('\n')}\n0\n`);
  const answers = [];
  let echoes = [];
  for (const [text] of output.matchAll(/(Usando o vetor |O vetor passado nao e' ortogonal ao vetor X, usando )\([^)]*\)|O resultado da revareza e': \([^)]*\)|O ponto nao tem projecao .*/g)) {
    if (text.startsWith('O resultado') || text.startsWith('O ponto')) {
      answers.push({ echoes: echoes.join('\n'), result: text });
      echoes = [];
    } else {
      echoes.push(text);
    }
  }
  return answers;
};
// Matrix mode's message for a refused definition.
const programRefusal = (c) => {
  try {
    run(['--matrizes'], `${[c.type, ...vectorsOf(c).flat()].join(' ')}\n0\n`);
  } catch (error) {
    return error.stderr.trim();
  }
  return '(accepted)';
};

// 52 generated definitions, each with the next one's origin as the point.
const generated = execFileSync(generator, ['80', '7', 'mixed'], { encoding: 'utf8', stdio: 'pipe' })
  .trim().split('\n').map((line) => line.split(' ')).filter((d) => d[0] === '1' || d[0] === '2');
const cases = generated.slice(0, 52).map((d, i) => ({
  type: d[0], ponto: generated[i + 1].slice(1, 4), origem: d.slice(1, 4), x: d.slice(4, 7), y: d.slice(7, 10),
  direcao: d[0] === '1' ? d.slice(10, 13) : ['0', '0', '1'], centro: d[0] === '2' ? d.slice(10, 13) : ['0', '0', '0'],
}));
// And a point whose image is at infinity: it lies in the plane through C
// parallel to the projection plane.
cases.push({ type: '2', ponto: ['1', '1', '0'], origem: ['0', '0', '5'], x: ['1', '0', '0'], y: ['0', '1', '0'], centro: ['0', '0', '0'] });
const query = (c) => `?tipo=${c.type}&ponto=${c.ponto}&origem=${c.origem}&x=${c.x}&y=${c.y}&`
  + `${c.type === '1' ? `direcao=${c.direcao}` : `centro=${c.centro}`}`;

// The server and the browser ----------------------------------------------

const server = spawn(python, ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', site],
  { stdio: ['ignore', 'pipe', 'ignore'] });
const origin = await new Promise((resolve, reject) => {
  server.stdout.on('data', (data) => {
    const port = /port (\d+)/.exec(String(data));
    if (port) {
      resolve(`http://127.0.0.1:${port[1]}`);
    }
  });
  server.on('exit', () => reject(new Error('the static server ended')));
});
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'revareza-chromium-'));
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  userDataDir: profile,
  args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--use-angle=swiftshader',
    '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run'],
});

try {
  const page = await browser.newPage();
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  page.on('console', (message) => check(message.type() !== 'error', `console error: ${message.text()}`));
  page.on('pageerror', (error) => check(false, `page error: ${error.message}`));
  page.on('requestfailed', (request) => check(false, `request failed: ${request.url()}`));
  page.on('response', (response) => check(response.status() < 400, `${response.status()} for ${response.url()}`));
  await page.setViewport({ width: 1280, height: 900 });

  const open = async (address) => {
    await page.goto(address);
    await page.waitForSelector('body[data-pronta]');
  };
  const shown = () => page.evaluate(() => ({
    matrix: document.getElementById('matriz').textContent,
    result: document.getElementById('resultado').textContent,
    echoes: document.getElementById('ecos').textContent,
  }));
  // Pixels of the canvas near the colours of the plane (as the transparent
  // patch blends with the white background), the point and the image, and
  // a checksum of them all.
  const pixels = () => page.evaluate(async () => {
    // The page renders at the next frame: wait for the one after.
    await new Promise((resolve) => { requestAnimationFrame(() => requestAnimationFrame(resolve)); });
    const canvas = document.getElementById('vista');
    const copy = document.createElement('canvas');
    copy.width = canvas.width;
    copy.height = canvas.height;
    const context = copy.getContext('2d');
    context.drawImage(canvas, 0, 0);
    const data = context.getImageData(0, 0, copy.width, copy.height).data;
    const colours = { plane: [187, 210, 241], point: [240, 140, 0], image: [194, 24, 154] };
    const counts = { plane: 0, point: 0, image: 0, checksum: 0 };
    for (let i = 0; i < data.length; i += 4) {
      counts.checksum = (counts.checksum * 31 + data[i] + 7 * data[i + 1] + 13 * data[i + 2]) % 1000000007;
      for (const [name, [r, g, b]] of Object.entries(colours)) {
        if (Math.abs(data[i] - r) <= 12 && Math.abs(data[i + 1] - g) <= 12 && Math.abs(data[i + 2] - b) <= 12) {
          counts[name] += 1;
        }
      }
    }
    return counts;
  });

  // Definitions in the address, against the program.
  const matrices = programMatrices(cases);
  const dialogues = programDialogues(cases);
  for (const [i, c] of cases.entries()) {
    await open(origin + query(c));
    const page_ = await shown();
    check(sameText(page_.matrix, matrices[i]), `${query(c)}: #matriz ${JSON.stringify(page_.matrix)}, program ${JSON.stringify(matrices[i])}`);
    check(sameText(page_.result, dialogues[i].result), `${query(c)}: #resultado ${page_.result}, program ${dialogues[i].result}`);
    check(sameText(page_.echoes, dialogues[i].echoes), `${query(c)}: echoes ${page_.echoes}, program ${dialogues[i].echoes}`);
  }
  const types = new Set(cases.map((c) => c.type));
  check(cases.length >= 50 && types.size === 2, `${cases.length} definitions of types ${[...types]}`);

  // The README's example, with no address: screenshot, then typing.
  await open(`${origin}/`);
  const example = {
    type: '2', ponto: ['1', '2', '10'], origem: ['0', '0', '5'], x: ['1', '0', '0'], y: ['0', '1', '0'], centro: ['0', '0', '0'],
  };
  check((await shown()).result === programDialogues([example])[0].result, 'the example without an address');
  await page.screenshot({ path: path.join(screenshots, 'pagina.png') });
  const before = await pixels();
  check(before.plane > 2000 && before.point > 30 && before.image > 30,
    `the canvas shows the plane, the point and the image: ${JSON.stringify(before)}`);

  // The keyboard alone: every field has a label and Tab reaches it.
  const unlabelled = await page.$$eval('input', (inputs) => inputs.filter((input) => input.labels.length === 0).map((input) => input.id));
  check(unlabelled.length === 0, `inputs without a label: ${unlabelled}`);
  const reached = new Set();
  await page.focus('input[name=tipo]:checked');
  for (let i = 0; i < 20; i += 1) {
    reached.add(await page.evaluate(() => document.activeElement.id || document.activeElement.name));
    await page.keyboard.press('Tab');
  }
  const visible = await page.$$eval('fieldset:not([hidden]) input[type=text]', (inputs) => inputs.map((input) => input.id));
  check(visible.every((id) => reached.has(id)) && reached.has('vista'), `Tab reached ${[...reached]}, not all of ${visible}, vista`);
  await page.focus('#vista');
  await page.keyboard.down('Shift');
  await page.keyboard.press('ArrowLeft');
  await page.keyboard.up('Shift');
  const turned = await pixels();
  check(turned.checksum !== before.checksum, 'Shift and an arrow key turn the view');

  // Typing: the point, then the type by the arrow keys.
  const typeInto = async (id, text) => {
    await page.focus(`#${id}`);
    await page.keyboard.down('Control');
    await page.keyboard.press('a');
    await page.keyboard.up('Control');
    await page.keyboard.type(text);
  };
  const typed = { ...example, ponto: ['.5', '-0', '1e1'], direcao: ['0', '0', '1'] };
  for (const [i, axis] of ['x', 'y', 'z'].entries()) {
    await typeInto(`ponto-${axis}`, typed.ponto[i]);
  }
  let now = await shown();
  check(now.result === programDialogues([typed])[0].result, `typed ${typed.ponto}: ${now.result}`);
  check(page.url().includes('tipo=2&ponto=.5,-0,1e1&origem=0,0,5&x=1,0,0&y=0,1,0&centro=0,0,0'), `address ${page.url()}`);
  const after = await pixels();
  check(after.checksum !== before.checksum && after.point > 30 && after.image > 30, `the drawing after typing: ${JSON.stringify(after)}`);

  await page.focus('input[name=tipo]:checked');
  await page.keyboard.press('ArrowUp');
  typed.type = '1';
  now = await shown();
  check(now.result === programDialogues([typed])[0].result && now.matrix === programMatrices([typed])[0],
    `type 1 by the keyboard: ${now.result}`);
  check(await page.$eval('fieldset[data-nome=centro]', (f) => f.hidden) && page.url().includes('tipo=1&') && page.url().includes('direcao=0,0,1'),
    `type 1 shows the direction instead of the centre: ${page.url()}`);

  // Refusals: a zero direction, an unreadable number.
  for (const [i, axis] of ['x', 'y', 'z'].entries()) {
    await typeInto(`direcao-${axis}`, ['0', '-0', '0.0'][i]);
  }
  now = await shown();
  const refused = await pixels();
  check(now.result === programRefusal({ ...typed, direcao: ['0', '-0', '0.0'] }) && now.matrix === ''
    && refused.point === 0 && refused.image === 0, `a zero direction: ${JSON.stringify(now)} ${JSON.stringify(refused)}`);
  check(await page.$eval('#direcao-x', (input) => input.getAttribute('aria-invalid') === 'true'), 'the zero direction is marked');
  await typeInto('direcao-z', '1');
  await typeInto('origem-y', '1,5');
  now = await shown();
  check(now.result === programRefusal({ ...typed, origem: ['0', '1,5', '5'] }), `an unreadable origin: ${now.result}`);

  // A phone-sized window: nothing wider than it.
  await page.setViewport({ width: 390, height: 844 });
  await open(`${origin}/`);
  const width = await page.evaluate(() => document.documentElement.scrollWidth);
  check(width <= 390, `the page is ${width} pixels wide at 390`);
  await page.$eval('#saida', (section) => section.scrollIntoView());
  await page.screenshot({ path: path.join(screenshots, 'pagina-390x844.png') });

  const foreign = requests.filter((url) => !url.startsWith(`${origin}/`));
  check(foreign.length === 0, `requests outside ${origin}: ${foreign}`);
  console.log(`${cases.length} definitions in the address, typing, refusals, keyboard and phone size; `
    + `${requests.length} requests, all to ${origin}`);
} finally {
  await browser.close();
  server.kill();
  fs.rmSync(profile, { recursive: true, force: true });
}

for (const failure of failures) {
  console.log(`FAILED: ${failure}`);
}
console.log(`${failures.length === 0 ? 'passed' : `${failures.length} checks failed`}`);
process.exitCode = failures.length === 0 ? 0 : 1;
