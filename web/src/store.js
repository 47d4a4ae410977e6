// The work kept in the browser's own storage (localStorage), so that a
// reload, a closed tab or a crash loses nothing: each opened project with its
// history, each exercise with its typed answers, and what the last visit had
// open. Nothing leaves the browser. A browser that keeps nothing (a strict
// private window, a full disk) leaves the page working as before.
import { toBase64, fromBase64 } from './engine.js';

const Prefix = 'fuzzy-werkstatt:';
// The newest projects kept; older ones make room.
const MaxProjects = 12;
// Steps of a project's history kept, fewer when the storage is full.
const Steps = [200, 40, 0];

// A short fingerprint of a file (FNV-1a), to know the same file again.
export function fingerprint(bytes) {
  let h = 0x811c9dc5;
  for (let i = 0; i < bytes.length; i++) {
    h ^= bytes[i];
    h = Math.imul(h, 0x01000193) >>> 0;
  }
  return h.toString(16).padStart(8, '0');
}

const packStep = (s) => ({ fuz: toBase64(s.fuz), name: s.name, example: s.example || null, merge: s.merge === null || s.merge === undefined ? null : -1 });
const unpackStep = (s) => ({ fuz: fromBase64(s.fuz), name: s.name, example: s.example, merge: null });

export class Store {
  constructor(storage = safeLocalStorage()) {
    this.storage = storage;
    this.failed = false;
    this.current = null; // the session being written
    // The last visit's, read before this visit writes its own.
    this.last = this.read('sitzung');
  }

  read(key) {
    if (!this.storage) return null;
    try {
      const text = this.storage.getItem(Prefix + key);
      return text ? JSON.parse(text) : null;
    } catch (e) {
      return null;
    }
  }

  write(key, value) {
    if (!this.storage) return false;
    try {
      this.storage.setItem(Prefix + key, JSON.stringify(value));
      return true;
    } catch (e) {
      this.failed = true;
      return false;
    }
  }

  remove(key) {
    if (!this.storage) return;
    try {
      this.storage.removeItem(Prefix + key);
    } catch (e) {
      // Nothing kept, nothing to remove.
    }
  }

  keys(kind) {
    if (!this.storage) return [];
    const out = [];
    try {
      for (let i = 0; i < this.storage.length; i++) {
        const k = this.storage.key(i);
        if (k && k.startsWith(`${Prefix}${kind}:`)) out.push(k.slice(Prefix.length));
      }
    } catch (e) {
      return [];
    }
    return out;
  }

  // A new record of work on a file of this name and content: its own, so
  // that work kept from before is not written over until it is restored or
  // discarded.
  newWork(name, bytes) {
    return `${fingerprint(new TextEncoder().encode(name))}-${fingerprint(bytes)}@${Date.now().toString(36)}${Math.random().toString(36).slice(2, 6)}`;
  }

  // The project's work: its file now, as last saved, and its history.
  keepProject(id, w) {
    const base = { name: w.name, fuz: toBase64(w.fuz), saved: w.saved ? toBase64(w.saved) : null, example: w.example || null, time: Date.now() };
    for (const n of Steps) {
      const record = { ...base, past: n ? w.past.slice(-n).map(packStep) : [], future: n ? w.future.slice(-n).map(packStep) : [] };
      if (this.write(`projekt:${id}`, record)) break;
    }
    this.trim();
  }

  project(id) {
    const r = this.read(`projekt:${id}`);
    if (!r || typeof r.fuz !== 'string') return null;
    try {
      return { id, name: String(r.name || ''), fuz: fromBase64(r.fuz), saved: r.saved ? fromBase64(r.saved) : null,
        example: r.example || null, past: (r.past || []).map(unpackStep), future: (r.future || []).map(unpackStep), time: Number(r.time) || 0 };
    } catch (e) {
      return null;
    }
  }

  // The newest work kept on the same file (name and content when opened), not `except`.
  latestFor(id, except) {
    const file = id.split('@')[0];
    let best = null;
    for (const k of this.keys('projekt')) {
      const other = k.slice('projekt:'.length);
      if (other === except || other.split('@')[0] !== file) continue;
      const p = this.project(other);
      if (p && (!best || p.time > best.time)) best = p;
    }
    return best;
  }

  dropProject(id) {
    this.remove(`projekt:${id}`);
  }

  // Only the newest projects stay.
  trim() {
    const all = this.keys('projekt').map((k) => ({ k, time: Number((this.read(k) || {}).time) || 0 })).sort((a, b) => b.time - a.time);
    for (const { k } of all.slice(MaxProjects)) this.remove(k);
  }

  exerciseKey(name, bytes) {
    return `${fingerprint(new TextEncoder().encode(name))}-${fingerprint(bytes)}`;
  }

  keepExercise(key, e) {
    this.write(`aufgabe:${key}`, { name: e.name, title: e.title, bytes: toBase64(e.bytes), answers: e.answers,
      answersSaved: Boolean(e.answersSaved), time: Date.now() });
  }

  exercise(key) {
    const r = this.read(`aufgabe:${key}`);
    if (!r || typeof r.bytes !== 'string') return null;
    try {
      return { key, name: String(r.name || ''), title: String(r.title || ''), bytes: fromBase64(r.bytes),
        answers: r.answers && typeof r.answers === 'object' ? r.answers : {}, answersSaved: Boolean(r.answersSaved), time: Number(r.time) || 0 };
    } catch (e) {
      return null;
    }
  }

  dropExercise(key) {
    this.remove(`aufgabe:${key}`);
  }

  // What the visit has open; the last visit's stays readable until this one writes.
  session(part) {
    this.current = { ...(this.current || {}), ...part, time: Date.now() };
    this.write('sitzung', this.current);
  }

  lastSession() {
    return this.last && typeof this.last === 'object' ? this.last : null;
  }

  // "13:05" today, else the day and the time, in the page's language.
  when(time, lang) {
    const d = new Date(time);
    const today = new Date().toDateString() === d.toDateString();
    const locale = lang === 'en' ? 'en-GB' : 'de-DE';
    return today ? d.toLocaleTimeString(locale, { hour: '2-digit', minute: '2-digit' })
      : d.toLocaleString(locale, { day: 'numeric', month: 'long', hour: '2-digit', minute: '2-digit' });
  }
}

function safeLocalStorage() {
  try {
    const s = window.localStorage;
    const probe = `${Prefix}probe`;
    s.setItem(probe, '1');
    s.removeItem(probe);
    return s;
  } catch (e) {
    return null;
  }
}
