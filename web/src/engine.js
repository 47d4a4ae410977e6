// The page's way to the engine: every request goes to a worker running the
// WebAssembly module, so the page never waits. Two workers: one for what
// answers at once (views, edits, the inspector), one for long work (the truck
// grid, the tuner), so that a long run does not hold up an edit. The second
// starts with the first long request: the page's first view waits for one
// module only.
import engineSource from './gen/engine-source.js';

export class EngineError extends Error {
  constructor(code, detail) {
    super(detail || code);
    this.code = code;
    this.detail = detail || '';
  }
}

class Lane {
  constructor(url) {
    this.url = url;
    this.pending = new Map();
    this.next = 1;
    this.start();
  }

  start() {
    this.worker = new Worker(this.url);
    this.worker.onmessage = (e) => {
      const p = this.pending.get(e.data.id);
      if (!p) return;
      this.pending.delete(e.data.id);
      p.resolve(e.data.answer);
    };
    this.worker.onerror = (e) => {
      e.preventDefault();
      for (const p of this.pending.values()) p.resolve({ ok: false, error: 'crashed', detail: e.message });
      this.pending.clear();
      this.worker.terminate();
      this.start();
    };
  }

  send(request, bytes) {
    const id = this.next++;
    return new Promise((resolve) => {
      this.pending.set(id, { resolve });
      this.worker.postMessage({ id, request, bytes });
    });
  }
}

export class Engine {
  constructor() {
    this.url = URL.createObjectURL(new Blob([engineSource], { type: 'text/javascript' }));
    this.quick = new Lane(this.url);
    this.long = null;
    this.lang = 'de';
  }

  // cmd and its arguments; bytes: a project file or a file to import.
  async call(cmd, args = {}, bytes = null, { long = false } = {}) {
    if (long && !this.long) this.long = new Lane(this.url);
    const lane = long ? this.long : this.quick;
    const answer = await lane.send({ cmd, lang: this.lang, ...args }, bytes);
    if (!answer.ok) throw new EngineError(answer.error, answer.detail);
    return answer.result;
  }

  // One fuzzysim subcommand: argv as on the command line, the bytes as the
  // file `input` (a name without folders; in.fuz unless given).
  async run(argv, bytes, { stdin = '', read = [], input, long = false } = {}) {
    const r = await this.call('run', { argv, stdin, read, ...(input ? { input } : {}) }, bytes, { long });
    return { status: r.status, out: fromBase64(r.out), err: r.err, files: mapValues(r.files, fromBase64) };
  }
}

function mapValues(o, f) {
  const out = {};
  for (const k of Object.keys(o || {})) out[k] = f(o[k]);
  return out;
}

export function fromBase64(text) {
  const s = atob(text || '');
  const bytes = new Uint8Array(s.length);
  for (let i = 0; i < s.length; i++) bytes[i] = s.charCodeAt(i);
  return bytes;
}

export function utf8(bytes) {
  return new TextDecoder('utf-8').decode(bytes);
}

export function floats(text) {
  const b = fromBase64(text);
  return new Float32Array(b.buffer, b.byteOffset, b.byteLength / 4);
}
