// The page's address holds the definition and the object, read as
// URLSearchParams reads a query (what Python's urlencode and JavaScript's
// URLSearchParams write): tipo=2&ponto=1,2,10&origem=0,0,5&x=1,0,0&y=0,1,0
// &centro=0,0,0, a comma (or %2C) between the numbers of a vector;
// objeto=cubo&objeto-centro=0,0,0&objeto-tamanho=1 for a solid,
// objeto=lista&pontos=...&arestas=... (a line a point, a line an edge) for
// a list. The address the page writes reads back to the same fields.

export const VECTORS = ['ponto', 'origem', 'x', 'y', 'direcao', 'centro'];
export const SOLIDS = ['cubo', 'tetraedro', 'casa'];

// A vector's numbers from its value: three fields. Other than three
// numbers are never cut: the fields get what there is (an empty field where
// a number is missing, the extra numbers after the third in the third),
// and count says how many there were, for the page to say so.
function vectorOf(value) {
  const parts = value.split(',');
  const fields = [parts[0] ?? '', parts[1] ?? '', parts.slice(2).join(' ')];
  return { fields, count: parts.length };
}

// What the address holds over the defaults: {tipo (or null for another
// value than 1 or 2), vectors: {name: [3 texts]}, counts: {name: how many
// numbers, where not 3}, object: {kind, centre, size, points, edges}}.
export function readAddress(search, defaults) {
  const params = new URLSearchParams(search);
  const read = structuredClone(defaults);
  read.counts = {};
  if (params.has('tipo')) {
    const tipo = params.get('tipo');
    read.tipo = tipo === '1' || tipo === '2' ? tipo : null;
  }
  for (const name of VECTORS) {
    if (params.has(name)) {
      const { fields, count } = vectorOf(params.get(name));
      read.vectors[name] = fields;
      if (count !== 3) {
        read.counts[name] = count;
      }
    }
  }
  const kind = params.get('objeto');
  if (SOLIDS.includes(kind) || kind === 'lista') {
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

// The query for a definition: {tipo, vectors: {name: [3 texts]}, object:
// {kind, centre, size, points, edges}}. Texts of vectors hold no comma (the
// library writes a decimal comma as a point).
export function addressOf({ tipo, vectors, object }) {
  const last = tipo === '1' ? 'direcao' : 'centro';
  const pairs = [`tipo=${tipo}`];
  for (const name of ['ponto', 'origem', 'x', 'y', last]) {
    pairs.push(`${name}=${vectors[name].map(encoded).join(',')}`);
  }
  if (SOLIDS.includes(object.kind)) {
    pairs.push(`objeto=${object.kind}`, `objeto-centro=${object.centre.map(encoded).join(',')}`,
      `objeto-tamanho=${encoded(object.size)}`);
  } else if (object.kind === 'lista') {
    pairs.push('objeto=lista', `pontos=${encoded(object.points)}`, `arestas=${encoded(object.edges)}`);
  }
  return `?${pairs.join('&')}`;
}
