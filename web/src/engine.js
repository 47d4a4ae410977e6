// The page's way to the engine: every request goes to a worker running the
// WebAssembly module, so the page never waits. A worker that cannot start
// (a server's security policy, a browser without WebAssembly) refuses every
// request with "engineBlocked" and says so once through onBlocked. Two workers: one for what
// answers at once (views, edits, the inspector), one for long work (the truck
// grid, the tuner), so that a long run does not hold up an edit. The second
// starts once the page's first view stands (warm), so that the first view
// waits for one module only and the first lab run for none.

export class EngineError extends Error {
  constructor(code, detail) {
    super(detail || code);
    this.code = code;
    this.detail = detail || '';
  }
}

// Where the worker's script comes from: served over http(s), its own file
// beside the page (a server's Content-Security-Policy needs to allow only
// 'self' for it); from a disk (file://), where a browser starts no worker
// from a file, the same script, read from engine-source.js, as a blob.
function workerSource() {
  if (/^https?:$/.test(location.protocol)) return Promise.resolve(new URL('engine-worker.js', location.href).href);
  return new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = 'engine-source.js';
    script.onload = () => {
      if (typeof self.fuzzyEngineSource !== 'string') return reject(new Error('engine-source.js'));
      resolve(URL.createObjectURL(new Blob([self.fuzzyEngineSource], { type: 'text/javascript' })));
    };
    script.onerror = () => reject(new Error('engine-source.js'));
    document.head.append(script);
  });
}

class Lane {
  constructor(url, blocked) {
    this.url = url;
    this.blocked = blocked;
    this.pending = new Map();
    this.next = 1;
    this.answered = false; // a worker that never answered and fails is not started again
    this.started = this.start();
  }

  async start() {
    let url;
    try {
      url = await this.url;
      this.worker = new Worker(url);
    } catch (e) {
      this.fail('engineBlocked');
      return;
    }
    this.worker.onmessage = (e) => {
      const p = this.pending.get(e.data.id);
      if (!p) return;
      this.answered = true;
      this.pending.delete(e.data.id);
      const a = e.data.answer;
      // A browser or a server that refuses WebAssembly: said once, in the page's words.
      if (!a.ok && a.error === 'crashed' && /WebAssembly|wasm/i.test(a.detail || '') && !this.answeredOk) {
        p.resolve({ ok: false, error: 'engineBlocked', detail: 'engineNoWasm' });
        this.worker.terminate();
        this.fail('engineNoWasm');
        return;
      }
      if (a.ok) this.answeredOk = true;
      p.resolve(a);
    };
    this.worker.onerror = (e) => {
      e.preventDefault();
      this.worker.terminate();
      if (!this.answered) {
        this.fail('engineBlocked');
        return;
      }
      for (const p of this.pending.values()) p.resolve({ ok: false, error: 'crashed', detail: e.message });
      this.pending.clear();
      this.started = this.start();
    };
  }

  // The worker cannot start at all: every request, now and later, is refused with why.
  fail(why) {
    this.dead = why;
    this.worker = null;
    this.blocked(why);
    for (const p of this.pending.values()) p.resolve({ ok: false, error: 'engineBlocked', detail: why });
    this.pending.clear();
  }

  // Stops what the worker does: its requests are answered "cancelled", and
  // a fresh worker takes the next one.
  cancel() {
    if (this.dead || !this.worker) return;
    this.worker.terminate();
    for (const p of this.pending.values()) p.resolve({ ok: false, error: 'cancelled' });
    this.pending.clear();
    this.started = this.start();
  }

  // Starts the module before the first request needs it.
  async warm() {
    await this.started;
    if (!this.dead && this.worker) this.worker.postMessage({ warm: true });
  }

  async send(request, bytes) {
    await this.started;
    if (this.dead) return { ok: false, error: 'engineBlocked', detail: this.dead };
    const id = this.next++;
    return new Promise((resolve) => {
      this.pending.set(id, { resolve });
      this.worker.postMessage({ id, request, bytes });
    });
  }
}

export class Engine {
  constructor() {
    this.url = null;
    this.quick = null;
    this.lanes = {};
    this.lang = 'de';
    this.onBlocked = () => {};
    this.blockedWhy = null;
  }

  // long: false for the quick worker, true for the labs' and the tuner's,
  // 'check' for the exercise check's own, which can be cancelled without
  // stopping a lab.
  lane(long) {
    const blocked = (why) => {
      if (this.blockedWhy) return;
      this.blockedWhy = why;
      this.onBlocked(why);
    };
    if (!this.url) this.url = workerSource();
    if (!long) return (this.quick = this.quick || new Lane(this.url, blocked));
    const name = long === true ? 'long' : String(long);
    return (this.lanes[name] = this.lanes[name] || new Lane(this.url, blocked));
  }

  // Starts the long lane's worker and its module, so that the first lab
  // run or tune waits for neither.
  warm() {
    return this.lane(true).warm();
  }

  // Cancels what runs on a long lane (nothing when it never started).
  cancel(long = true) {
    const lane = this.lanes[long === true ? 'long' : String(long)];
    if (lane) lane.cancel();
  }

  // cmd and its arguments; bytes: a project file or a file to import.
  async call(cmd, args = {}, bytes = null, { long = false } = {}) {
    const lane = this.lane(long);
    const answer = await lane.send({ cmd, lang: this.lang, ...args }, bytes);
    if (!answer.ok) throw new EngineError(answer.error, answer.detail);
    if (answer.binary && answer.result && typeof answer.result === 'object') answer.result.binary = answer.binary;
    return answer.result;
  }

  // One fuzzysim subcommand: argv as on the command line, the bytes as the
  // file `input` (a name without folders; in.fuz unless given), files
  // ({name: Uint8Array}) as further files beside it.
  async run(argv, bytes, { stdin = '', read = [], input, files = {}, long = false } = {}) {
    const named = mapValues(files, toBase64);
    const r = await this.call('run', { argv, stdin, read, files: named, ...(input ? { input } : {}) }, bytes, { long });
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

export function toBase64(bytes) {
  let s = '';
  for (let i = 0; i < bytes.length; i += 0x8000) s += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(s);
}

// Bytes as the characters of the same numbers, and back (Latin1.h in the engine).
export function latin1(bytes) {
  let s = '';
  for (let i = 0; i < bytes.length; i += 0x8000) s += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return s;
}

export function fromLatin1(text) {
  return Uint8Array.from(text, (ch) => ch.charCodeAt(0));
}

export function sameBytes(a, b) {
  if (a === b) return true;
  if (!a || !b || a.length !== b.length) return false;
  for (let i = 0; i < a.length; i++) if (a[i] !== b[i]) return false;
  return true;
}

// A number as a person types it (comma or point, a true minus, blanks
// around it) as a project file writes it, which the engine reads.
export function fileNumber(text) {
  return String(text).replace(/\u2212/g, '-').replace(/,/g, '.').replace(/^[ \t]+|[ \t]+$/g, '');
}

export function utf8(bytes) {
  return new TextDecoder('utf-8').decode(bytes);
}

// The floats of a part {at, length} of the bytes beside an answer.
export function floats(binary, part) {
  return new Float32Array(binary, part.at, part.length / 4);
}
