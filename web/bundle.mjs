// Bundles the page's JavaScript into one minified module: page.js, the
// WebAssembly module's loader and the parts of three.js the page imports.
//
// three.js keeps the source of every shader chunk in one object, whatever
// the materials in use, since its renderer looks chunks up by name at run
// time. The page draws only with the basic and points materials, so every
// chunk their shaders do not include (directly or through another chunk)
// is bundled empty: two thirds of the library's size. A chunk pruned by
// mistake fails to compile in the browser, and the browser test sees it.
//   node bundle.mjs PAGE_JS MODULE_LOADER OUTPUT
import fs from 'node:fs';
import path from 'node:path';
import * as esbuild from 'esbuild';

const [entry, loader, output] = process.argv.slice(2);

// The shaders of the materials the page draws with, and the chunks the
// renderer adds to every program.
const SHADERS = ['meshbasic_vert', 'meshbasic_frag', 'points_vert', 'points_frag'];
const ALWAYS = ['tonemapping_pars_fragment', 'colorspace_pars_fragment'];
// In three.module.js each chunk's source is a string variable, and the
// ShaderChunk object names them: `name: variable,`.
const SOURCE = /^(?:var|const) ([\w$]+) = ("(?:[^"\\]|\\.)*");$/gm;
const ENTRY = /^\t(\w+): ([\w$]+),?$/gm;
const INCLUDE = /#include +<([\w\d./]+)>/g;

function pruneChunks(source) {
  const start = source.indexOf('const ShaderChunk = {');
  const table = source.slice(start, source.indexOf('\n};', start));
  const sources = new Map();
  for (const [, variable, literal] of source.slice(0, start).matchAll(SOURCE)) {
    sources.set(variable, literal);
  }
  const variables = new Map([...table.matchAll(ENTRY)].map(([, name, variable]) => [name, variable]));
  const kept = new Set();
  const keep = (name) => {
    const variable = variables.get(name);
    if (variable === undefined || !sources.has(variable) || kept.has(variable)) {
      return;
    }
    kept.add(variable);
    for (const [, included] of JSON.parse(sources.get(variable)).matchAll(INCLUDE)) {
      keep(included);
    }
  };
  [...SHADERS, ...ALWAYS].forEach(keep);
  if (start < 0 || kept.size < SHADERS.length + ALWAYS.length) {
    throw new Error('three.js: a shader the page draws with is not where bundle.mjs looks for it');
  }
  return source.slice(0, start).replace(SOURCE, (line, variable) => (kept.has(variable) ? line : line.replace(/=.*/s, '= "";')))
    + source.slice(start);
}

// The page imports its module loader from beside it; it is built elsewhere.
const moduleLoader = {
  name: 'revareza-module',
  setup(build) {
    build.onResolve({ filter: /^\.\/revareza\.mjs$/ }, () => ({ path: path.resolve(loader) }));
  },
};

const three = {
  name: 'three-shader-chunks',
  setup(build) {
    build.onLoad({ filter: /three[\\/]build[\\/]three\.module\.js$/ }, (args) => ({
      contents: pruneChunks(fs.readFileSync(args.path, 'utf8')),
      loader: 'js',
    }));
  },
};

const result = await esbuild.build({
  metafile: Boolean(process.env.REVAREZA_BUNDLE_REPORT),
  entryPoints: [entry],
  bundle: true,
  minify: true,
  format: 'esm',
  target: 'es2022',
  outfile: output,
  legalComments: 'eof',
  plugins: [moduleLoader, three],
  logLevel: 'warning',
});
if (result.metafile) { console.log(await esbuild.analyzeMetafile(result.metafile)); }
