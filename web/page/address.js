// The page's address holds the definition and the object, read as
// URLSearchParams reads a query (what Python's urlencode and JavaScript's
// URLSearchParams write): tipo=2&ponto=1,2,10&origem=0,0,5&x=1,0,0&y=0,1,0
// &centro=0,0,0, a comma (or %2C) between the numbers of a vector;
// objeto=cubo&objeto-centro=0,0,0&objeto-tamanho=1 for a solid,
// objeto=lista&pontos=...&arestas=... (a line a point, a line an edge) for
// a list; classica=cavaleira&classica-angulo=30 for a classical
// projection in place of the type and vectors, and passo=3 for the stage
// of the matrix shown, with the definition. Either part, or both, may
// stand in the fragment instead
// (#objeto=lista&pontos=...), which no server sees: servers refuse request
// lines over about 8 KB, and a list of points is longer. The address the
// page writes reads back to the same fields, each part where it was read,
// and the object (or the whole) in the fragment where the query would make
// a request line too long.
//
// Which types, vectors and objects there are is the library's: each call
// takes its description, {types: [{number, roles: [{field}]}], objects:
// [{kind, solid}]}, as the binding's types() and objects() give it.

const OBJECT_KEYS = ['objeto', 'objeto-centro', 'objeto-tamanho', 'pontos', 'arestas'];
const CLASSICAL_KEYS = ['classica', 'classica-angulo', 'passo'];
// The longest request line many servers take (nginx's and Apache's
// default, 8 KB), its line end included.
const REQUEST_LINE_MAX = 8192;

// A vector's numbers from its value: three fields. Other than three
// numbers are never cut: the fields get what there is (an empty field where
// a number is missing, the extra numbers after the third in the third),
// and count says how many there were, for the page to say so.
function vectorOf(value) {
  const parts = value.split(',');
  const fields = [parts[0] ?? '', parts[1] ?? '', parts.slice(2).join(' ')];
  return { fields, count: parts.length };
}

// Every vector's field name, each once, in the types' order.
export const vectorNames = (description) => [...new Set(description.types.flatMap((t) => t.roles.map((r) => r.field)))];

// Whether an object's kind is a solid's.
export const isSolid = (description, kind) => description.objects.some((o) => o.solid && o.kind === kind);

const listKind = (description) => description.objects.find((o) => !o.solid).kind;

// What the address (location's search and hash) holds over the defaults:
// {tipo (or null for a value that is no type's number), vectors: {name: [3
// texts]}, counts: {name: how many numbers, where not 3}, object: {kind,
// centre, size, points, edges}, objectGiven: whether the address names an
// object, classical: {name, angle (its text, or null)} or null, stage: the
// number of steps shown, places: {definition, object: 'query' or
// 'fragment', where each was read}}. A key in both takes the fragment's.
export function readAddress({ search, hash }, defaults, description) {
  const vectors = vectorNames(description);
  const definitionKeys = ['tipo', ...vectors, ...CLASSICAL_KEYS];
  const query = new URLSearchParams(search);
  const fragment = new URLSearchParams(hash.replace(/^#/, ''));
  // Each key's first value, as URLSearchParams.get gives it.
  const params = new Map();
  for (const part of [query, fragment]) {
    for (const key of new Set(part.keys())) {
      params.set(key, part.get(key));
    }
  }
  const read = structuredClone(defaults);
  read.counts = {};
  read.places = {
    definition: definitionKeys.some((key) => fragment.has(key)) ? 'fragment' : 'query',
    object: OBJECT_KEYS.some((key) => fragment.has(key)) ? 'fragment' : 'query',
  };
  if (params.has('tipo')) {
    const tipo = params.get('tipo');
    read.tipo = description.types.some((t) => String(t.number) === tipo) ? tipo : null;
  }
  for (const name of vectors) {
    if (params.has(name)) {
      const { fields, count } = vectorOf(params.get(name));
      read.vectors[name] = fields;
      if (count !== 3) {
        read.counts[name] = count;
      }
    }
  }
  read.classical = params.has('classica')
    ? { name: params.get('classica'), angle: params.get('classica-angulo') } : null;
  read.stage = /^\d+$/.test(params.get('passo') ?? '') ? Number(params.get('passo')) : 0;
  const kind = params.get('objeto');
  read.objectGiven = params.has('objeto');
  if (description.objects.some((o) => o.kind === kind)) {
    read.object.kind = kind;
  }
  if (params.has('objeto-centro')) {
    const { fields, count } = vectorOf(params.get('objeto-centro'));
    read.object.centre = fields;
    if (count !== 3) {
      read.counts['objeto-centro'] = count;
    }
  }
  for (const [key, field] of [['objeto-tamanho', 'size'], ['pontos', 'points'], ['arestas', 'edges']]) {
    if (params.has(key)) {
      read.object[field] = params.get(key);
    }
  }
  return read;
}

// One value: every character URLSearchParams would not read back as itself
// escaped, spaces as '+', commas left for the vectors' separators.
const encoded = (text) => encodeURIComponent(text).replaceAll('%20', '+');

// The address, from the path on, for a definition: {tipo, vectors: {name:
// [3 texts]} (the type's vectors, in its order), object: {kind, centre,
// size, points, edges}, classical: {name, angle (a text, or null for its
// default)} or null, which stands for the type and vectors, stage: the
// steps shown (written where not 0)}, each part where places puts it ('query' or
// 'fragment'), unless the request line for the path and the query would
// pass REQUEST_LINE_MAX: then the object goes to the fragment, and if that
// is not enough, the definition too. Texts of vectors hold no comma (the
// library writes a decimal comma as a point).
export function addressOf({ tipo, vectors, object, classical = null, stage = 0 }, places, path, description) {
  const definition = [];
  if (classical) {
    definition.push(`classica=${encoded(classical.name)}`);
    if (classical.angle !== null) {
      definition.push(`classica-angulo=${encoded(classical.angle)}`);
    }
  } else {
    definition.push(`tipo=${tipo}`);
    for (const [name, texts] of Object.entries(vectors)) {
      definition.push(`${name}=${texts.map(encoded).join(',')}`);
    }
  }
  if (stage > 0) {
    definition.push(`passo=${stage}`);
  }
  const objectPairs = [];
  if (isSolid(description, object.kind)) {
    objectPairs.push(`objeto=${object.kind}`, `objeto-centro=${object.centre.map(encoded).join(',')}`,
      `objeto-tamanho=${encoded(object.size)}`);
  } else if (object.kind === listKind(description)) {
    objectPairs.push(`objeto=${object.kind}`, `pontos=${encoded(object.points)}`, `arestas=${encoded(object.edges)}`);
  }
  const fits = (query) => `GET ${path}?${query.join('&')} HTTP/1.1\r\n`.length <= REQUEST_LINE_MAX;
  let inFragment = [places.definition === 'fragment', places.object === 'fragment'];
  const split = () => {
    const parts = { query: [], fragment: [] };
    [definition, objectPairs].forEach((pairs, i) => parts[inFragment[i] ? 'fragment' : 'query'].push(...pairs));
    return parts;
  };
  if (!fits(split().query)) {
    inFragment = [inFragment[0], true];
  }
  if (!fits(split().query)) {
    inFragment = [true, true];
  }
  const { query, fragment } = split();
  return `${path}${query.length > 0 ? `?${query.join('&')}` : ''}${fragment.length > 0 ? `#${fragment.join('&')}` : ''}`;
}
