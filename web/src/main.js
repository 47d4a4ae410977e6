// The page: one project at a time, held as the bytes of its .fuz file as the
// writer makes them; every view asks the engine about it. Opening a file,
// the examples and templates, saving, the history of edits (undo, redo), the
// work kept in the browser, the language and the tabs live here; each view
// is a module of its own in views/.
import { Engine, EngineError, fromBase64, fromLatin1, sameBytes, fileNumber } from './engine.js';
import { chooseLanguage, setLanguage, language, t } from './i18n.js';
import { el, download } from './dom.js';
import { Store } from './store.js';
import examplesDe from './gen/examples.js';
import examplesEn from './gen/examples_en.js';
import exerciseFiles from './gen/exercises.js';
import terms from './views/terms.js';
import rules from './views/rules.js';
import kennfeld from './views/kennfeld.js';
import inspector from './views/inspector.js';
import hints from './views/hints.js';
import truckLab from './views/trucklab.js';
import locoLab from './views/locolab.js';
import driveTruck from './views/drivetruck.js';
import driveLoco from './views/driveloco.js';
import exchange from './views/exchange.js';
import tuner from './views/tuner.js';
import exercises from './views/exercises.js';
import sheets from './views/sheets.js';
import klasse from './views/klasse.js';

// Larger than any project the reader would finish; the reader bounds its lines.
const MaxFileBytes = 1 << 20;
// Steps of the history kept: enough for a lesson, little for the browser's storage.
const MaxSteps = 200;

const $ = (id) => document.getElementById(id);

// The examples in the page's language (the same files, named alike in both).
const examplesOf = (lang) => (lang === 'en' ? examplesEn : examplesDe);
const examples = () => examplesOf(language());

const store = new Store();

const ctx = {
  engine: new Engine(),
  store,
  view: null, // the engine's view of the project
  fuz: null, // its file, Uint8Array
  name: '',
  listeners: [],
  edits: 0, // edits made, for the tests
  opened: 0, // projects opened
  example: null, // the example's file name while the project is an unchanged example
  // The history: the states before (past) and after (future) the current one.
  past: [],
  future: [],
  saved: null, // the file as last opened or saved: what "unsaved" is measured against
  origin: null, // the key of the work in the browser's storage
  queue: Promise.resolve(),
  drags: 0,
  // Makes a view of the engine the current project.
  adopt(view, name) {
    this.view = view;
    if (view.fuz) this.fuz = fromBase64(view.fuz);
    if (name !== undefined) this.name = name;
    showState();
    for (const f of this.listeners) f();
  },
  onProject(f) {
    this.listeners.push(f);
  },
  newDrag() {
    return ++this.drags;
  },
  // Changes as the Werkstatt makes them, one after the other, each a step of
  // the history; moves of one drag (the same `merge`) are one step, and a drag
  // that ends where it began is none. A refusal leaves the project as it was.
  edit(edits, { merge = null } = {}) {
    const run = this.queue.then(() => this.editNow(edits, merge));
    this.queue = run.catch(() => {});
    return run;
  },
  async editNow(edits, merge) {
    const before = { fuz: this.fuz, name: this.name, example: this.example };
    try {
      let view;
      const template = edits.find((e) => e.op === 'template');
      if (edits.every((e) => e.op === 'param' || e.op === 'rule')) {
        view = await this.engine.call('edit', { edits }, this.fuz);
      } else {
        const r = await this.engine.call('change', { changes: edits.map(({ typed, ...e }) => e) }, this.fuz);
        if (r.refused) throw new EngineError(r.refused.code, r.refused.detail);
        view = await this.engine.call('view', { name: this.name }, fromLatin1(r.fuz));
      }
      const after = view.fuz ? fromBase64(view.fuz) : null;
      const name = template ? '' : this.name;
      const top = this.past[this.past.length - 1];
      if (after && before.fuz && sameBytes(after, before.fuz) && name === before.name) {
        // Nothing changed (a number typed as it was): no step; the fields show the engine's texts again.
      } else if (merge !== null && top && top.merge === merge) {
        if (after && sameBytes(after, top.fuz) && name === top.name) this.past.pop();
      } else {
        this.past.push({ ...before, merge });
        if (this.past.length > MaxSteps) this.past.shift();
      }
      this.future = [];
      this.example = null;
      if (template) this.saved = null;
      this.adopt(view, name);
      this.edits++;
      message('');
      keep();
      return true;
    } catch (e) {
      if (e instanceof EngineError && e.code === 'notANumber') {
        // The text as the user typed it, not as it was sent.
        const typed = edits.flatMap((x) => x.typed || []).find((x) => fileNumber(x) === e.detail);
        message(t('notANumber', typed === undefined ? e.detail : typed));
      } else if (e instanceof EngineError && e.code === 'badName') {
        message(e.detail);
      } else {
        reportError(e);
      }
      this.refused = true;
      try {
        for (const f of this.listeners) f();
      } finally {
        this.refused = false;
      }
      return false;
    }
  },
  // The whole project replaced in one step (the tuner's result); it stays with its file.
  replace(bytes) {
    const run = this.queue.then(async () => {
      const view = await this.engine.call('view', { name: this.name }, bytes);
      this.past.push({ fuz: this.fuz, name: this.name, example: this.example, merge: null });
      this.future = [];
      this.example = null;
      this.adopt(view);
      this.edits++;
      keep();
      return true;
    });
    this.queue = run.catch(() => {});
    return run.catch((e) => {
      reportError(e);
      return false;
    });
  },
  undo() {
    return this.step(this.past, this.future);
  },
  redo() {
    return this.step(this.future, this.past);
  },
  step(from, to) {
    const run = this.queue.then(async () => {
      const s = from.pop();
      if (!s) return false;
      to.push({ fuz: this.fuz, name: this.name, example: this.example, merge: null });
      const view = await this.engine.call('view', { name: s.name }, s.fuz);
      this.example = s.example;
      this.adopt(view, s.name);
      this.edits++;
      message('');
      keep();
      return true;
    });
    this.queue = run.catch(() => {});
    return run;
  },
  // Opens bytes as a project; a refusal keeps the current project. The
  // history starts anew, and what the browser kept of this file is offered.
  async open(bytes, name, { restore = true } = {}) {
    if (bytes.length > MaxFileBytes) {
      message(t('tooLarge', name));
      return false;
    }
    try {
      const view = await this.engine.call('view', { name }, bytes);
      this.example = null;
      this.past = [];
      this.future = [];
      this.adopt(view, name);
      this.saved = this.fuz;
      this.origin = store.newWork(name, this.fuz);
      this.opened++;
      message(t('loaded', name), 'info');
      keep();
      if (restore) offerRestore(this.origin);
      return true;
    } catch (e) {
      if (e instanceof EngineError && e.code === 'refused') message(t('refused', name, e.detail));
      else reportError(e);
      return false;
    }
  },
  // Whether the project differs from its file as last opened or saved.
  unsaved() {
    return Boolean(this.fuz) && !(this.saved && sameBytes(this.fuz, this.saved));
  },
  // Shows a lab and runs what `then` asks of it.
  openLab(id, then) {
    selectTab(id);
    return then();
  },
  lab: (id) => views.find((v) => v.id === id),
  inspectAt(a, b) {
    views.find((v) => v.id === 'inspector').show(a, b);
    selectTab('inspector');
  },
  selectTab: (id, focus) => selectTab(id, focus),
  message: (text, kind) => message(text, kind),
  // After a request that went well: an error shown before is no longer true.
  clearError() {
    const m = $('meldung');
    if (!m.hidden && m.className !== 'info') message('');
  },
  reportError: (e) => reportError(e),
  // Work of an exercise view to keep with the project (its answers).
  keepers: [],
  keep: () => keep(),
  banner: (text, restore, discard) => banner(text, restore, discard),
};

export function message(text, kind = 'error') {
  const m = $('meldung');
  // An engine that cannot start stays the message: nothing else works without it.
  if (ctx.engine.blockedWhy) {
    text = t(ctx.engine.blockedWhy);
    kind = 'error';
  }
  m.textContent = text;
  m.className = kind === 'info' ? 'info' : '';
  m.setAttribute('role', kind === 'info' ? 'status' : 'alert');
  m.hidden = !text;
}

function reportError(e) {
  if (e instanceof EngineError) {
    if (e.code === 'notANumber') return message(t('notANumber', e.detail));
    if (e.code === 'crashed') return message(t('crashed', e.detail));
    if (e.code === 'refused') return message(e.detail);
    if (e.code === 'engineBlocked') return message(t(e.detail || 'engineBlocked'));
    return message(t('failed', e.detail || e.code));
  }
  message(t('failed', String(e && e.message ? e.message : e)));
}

const views = [exercises, terms, rules, kennfeld, inspector, hints, truckLab, locoLab, driveTruck, driveLoco, exchange, tuner, sheets, klasse].map((create) => create(ctx));

// The tabs as one stop of the keyboard: the arrows, Home and End go from tab to tab.
function selectTab(id, focus = false) {
  for (const v of views) {
    const on = v.id === id;
    v.element.hidden = !on;
    v.tab.setAttribute('aria-selected', String(on));
    v.tab.tabIndex = on ? 0 : -1;
    if (on && focus) v.tab.focus();
    // On a phone the tabs scroll in their line: the chosen one comes into sight.
    if (on && v.tab.scrollIntoView) v.tab.scrollIntoView({ block: 'nearest', inline: 'nearest' });
    if (on && v.shown) v.shown();
  }
  store.session({ tab: id });
}

function tabKeys(e) {
  const i = views.findIndex((v) => v.tab === document.activeElement);
  if (i < 0) return;
  const to = { ArrowRight: i + 1, ArrowLeft: i - 1, Home: 0, End: views.length - 1 }[e.key];
  if (to === undefined) return;
  e.preventDefault();
  selectTab(views[(to + views.length) % views.length].id, true);
}

function texts() {
  document.title = t('title');
  for (const e of document.querySelectorAll('[data-t]')) e.textContent = t(e.dataset.t);
  for (const e of document.querySelectorAll('[data-t-label]')) {
    e.setAttribute('aria-label', t(e.dataset.tLabel));
    e.title = t(e.dataset.tLabel);
  }
  $('sprache').setAttribute('aria-label', t('languageLabel'));
  $('reiter').setAttribute('aria-label', t('tabsLabel'));
  const pick = $('beispiele');
  pick.setAttribute('aria-label', t('examplesLabel'));
  pick.replaceChildren(el('option', { value: '' }, t('examples')), ...examples().map((x, i) => el('option', { value: String(i) }, x.file)));
  const neu = $('neu');
  neu.setAttribute('aria-label', t('newLabel'));
  neu.replaceChildren(el('option', { value: '' }, t('newProject')),
    ...[['leer', 'templateEmpty'], ['truck', 'templateTruck'], ['lok', 'templateLoco']].map(([v, k]) => el('option', { value: v }, t(k))));
  for (const v of views) {
    v.tab.textContent = t(v.tabKey);
    v.render();
  }
  showState();
}

// The file's name, whether it is saved, and what undo and redo would do.
function showState() {
  $('dateiname').textContent = ctx.fuz ? `${ctx.name || t('unnamed')}${ctx.unsaved() ? ' *' : ''}` : '';
  $('dateiname').title = ctx.unsaved() ? t('unsavedTitle') : '';
  $('speichern').disabled = !ctx.fuz;
  $('rueckgaengig').disabled = !ctx.past.length;
  $('wiederholen').disabled = !ctx.future.length;
}

// ---- work kept in the browser ------------------------------------------------------

// After every edit and every typed answer: the project with its history, the
// exercise with its answers, which tab. Nothing of it leaves the browser.
function keep() {
  showState();
  if (!ctx.fuz || !ctx.origin) return;
  const ex = views.find((v) => v.id === 'exercises');
  store.session({ project: ctx.origin, exercise: ex.storeKey() });
  // A file as it was opened, with no history, needs no keeping.
  if (!ctx.unsaved() && !ctx.past.length && !ctx.future.length) {
    store.dropProject(ctx.origin);
    return;
  }
  store.keepProject(ctx.origin, {
    name: ctx.name,
    fuz: ctx.fuz,
    saved: ctx.saved,
    example: ctx.example,
    past: ctx.past,
    future: ctx.future,
  });
}

// Offers what the browser kept of a project (after a reload, a crash, or
// when the same file is opened again), with the choice to discard it.
function offerRestore(origin) {
  const kept = store.latestFor(origin, origin);
  if (!kept || sameBytes(kept.fuz, ctx.fuz)) return;
  banner(t('restoreProject', kept.name || t('unnamed'), store.when(kept.time, language())), () => restoreWork(kept), () => store.dropProject(kept.id));
}

// Kept work becomes the current project, with its history; it goes on being kept where it was.
async function restoreWork(kept) {
  const view = await ctx.engine.call('view', { name: kept.name }, kept.fuz);
  ctx.past = kept.past;
  ctx.future = kept.future;
  ctx.saved = kept.saved;
  ctx.example = kept.example;
  ctx.origin = kept.id;
  ctx.adopt(view, kept.name);
  message(t('restored'), 'info');
  keep();
}

// A line above the views: what was kept, "Wiederherstellen" and "Verwerfen".
function banner(text, restore, discard) {
  const box = $('wiederherstellen');
  const close = () => {
    box.hidden = true;
    box.replaceChildren();
  };
  box.replaceChildren(el('p', {}, text),
    el('button', { type: 'button', id: 'wiederherstellen-ja', onclick: async () => { close(); await restore(); } }, t('restore')),
    el('button', { type: 'button', id: 'wiederherstellen-nein', onclick: () => { close(); discard(); } }, t('discard')));
  box.hidden = false;
}

// ---- the engine at the start ---------------------------------------------------------

// A browser without what the engine needs, or a page whose server forbids
// it: said in the page, in its language, with what is missing.
function engineProblem() {
  if (typeof WebAssembly !== 'object' || typeof Worker !== 'function' || typeof DecompressionStream !== 'function') return 'engineOldBrowser';
  return null;
}

function start() {
  setLanguage(chooseLanguage());
  ctx.engine.lang = language();
  $('sprache').value = language();
  for (const v of views) {
    v.tab = el('button', { type: 'button', role: 'tab', id: `reiter-${v.id}`, 'aria-controls': `seite-${v.id}`, tabindex: '-1',
      onclick: () => selectTab(v.id) });
    v.element.id = `seite-${v.id}`;
    v.element.setAttribute('role', 'tabpanel');
    v.element.setAttribute('aria-labelledby', `reiter-${v.id}`);
    $('reiter').append(v.tab);
    $('seiten').append(v.element);
  }
  $('reiter').addEventListener('keydown', tabKeys);
  texts();
  selectTab('terms');
  $('sprache').addEventListener('change', () => {
    setLanguage($('sprache').value, true);
    ctx.engine.lang = language();
    texts();
    for (const v of views) if (v.languageChanged) v.languageChanged();
    // An unchanged example becomes the same example in the new language.
    const x = ctx.example && examples().find((e) => e.file === ctx.example);
    if (x) openExample(x).then(() => message(''));
    else if (ctx.fuz) ctx.engine.call('view', { name: ctx.name }, ctx.fuz).then((v) => ctx.adopt(v), reportError);
  });
  // A button, so that the keyboard reaches it; the file input stays hidden.
  $('oeffnen-knopf').addEventListener('click', () => $('oeffnen').click());
  $('oeffnen').addEventListener('change', async (e) => {
    const f = e.target.files[0];
    e.target.value = '';
    if (f) await openFile(f);
  });
  $('beispiele').addEventListener('change', async (e) => {
    const x = examples()[Number(e.target.value)];
    e.target.value = '';
    if (x) await openExample(x);
  });
  $('neu').addEventListener('change', async (e) => {
    const name = e.target.value;
    e.target.value = '';
    if (!name) return;
    if (await ctx.edit([{ op: 'template', name }])) {
      ctx.origin = store.newWork('', ctx.fuz);
      keep();
      selectTab('terms');
    }
  });
  $('speichern').addEventListener('click', () => {
    if (!ctx.fuz) return;
    download(ctx.name && /\.fuz$/i.test(ctx.name) ? ctx.name : `${ctx.name || t('newFileName')}.fuz`, ctx.fuz);
    ctx.saved = ctx.fuz;
    keep();
  });
  $('rueckgaengig').addEventListener('click', () => ctx.undo());
  $('wiederholen').addEventListener('click', () => ctx.redo());
  $('menue').addEventListener('click', () => {
    const open = $('menue').getAttribute('aria-expanded') !== 'true';
    $('menue').setAttribute('aria-expanded', String(open));
    $('kopf').classList.toggle('offen', open);
  });
  document.addEventListener('keydown', (e) => {
    if (!(e.ctrlKey || e.metaKey) || e.altKey) return;
    // A text field keeps its own undo.
    if (e.target.closest && e.target.closest('input[type=text], textarea')) return;
    const k = e.key.toLowerCase();
    if (k === 'z' && !e.shiftKey) {
      e.preventDefault();
      ctx.undo();
    } else if (k === 'y' || (k === 'z' && e.shiftKey)) {
      e.preventDefault();
      ctx.redo();
    }
  });
  // Leaving with work not saved to a file: the browser asks first.
  window.addEventListener('beforeunload', (e) => {
    if (!ctx.unsaved() && !views.find((v) => v.id === 'exercises').unsavedAnswers()) return;
    e.preventDefault();
    e.returnValue = '';
  });
  window.addEventListener('pagehide', () => keep());
  let depth = 0;
  window.addEventListener('dragenter', (e) => {
    e.preventDefault();
    depth++;
    $('ablage').hidden = false;
  });
  window.addEventListener('dragleave', () => {
    if (--depth <= 0) {
      depth = 0;
      $('ablage').hidden = true;
    }
  });
  window.addEventListener('dragover', (e) => e.preventDefault());
  window.addEventListener('drop', async (e) => {
    e.preventDefault();
    depth = 0;
    $('ablage').hidden = true;
    const files = e.dataTransfer ? [...e.dataTransfer.files] : [];
    // Hand-ins go to the class, with the exercise dropped beside them.
    if (files.some((x) => /\.fuzabgabe$/i.test(x.name))) {
      selectTab('klasse');
      const k = views.find((v) => v.id === 'klasse');
      const ex = files.find((x) => /\.fuzaufgabe$/i.test(x.name) && x.size <= MaxFileBytes);
      if (ex) await k.setExercise(new Uint8Array(await ex.arrayBuffer()), ex.name);
      await k.addHandIns(files);
      return;
    }
    if (files[0]) await openFile(files[0]);
  });
  const problem = engineProblem();
  if (problem) {
    message(t(problem));
    return;
  }
  ctx.engine.onBlocked = (why) => message(t(why));
  // The work of the last visit, if it was not saved; else the truck example,
  // the Werkstatt's first template.
  const session = store.lastSession();
  const first = new URLSearchParams(location.search).get('beispiel') || 'truck.fuz';
  const x = examples().find((e) => e.file === first) || examples()[0];
  openExample(x, false).then(() => {
    message('');
    ctx.engine.warm();
    if (session && !new URLSearchParams(location.search).get('beispiel')) offerSession(session);
  });
  if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
    navigator.serviceWorker.register('sw.js').catch(() => {
      // Without it the page works as before, only not offline.
    });
  }
}

// The last visit's work: its project and exercise, as one choice.
function offerSession(session) {
  const kept = session.project && store.project(session.project);
  const ex = views.find((v) => v.id === 'exercises');
  const exercise = session.exercise && store.exercise(session.exercise);
  const projectChanged = kept && !(kept.saved && sameBytes(kept.fuz, kept.saved));
  const answers = exercise && exercise.answers && Object.values(exercise.answers).some((p) => Object.values(p).some((x) => x.trim()));
  if (!projectChanged && !answers) return;
  const what = [projectChanged ? t('restoreWhatProject', kept.name || t('unnamed')) : null,
    exercise ? t('restoreWhatExercise', exercise.title || exercise.name) : null].filter(Boolean).join(t('restoreAnd'));
  banner(t('restoreSession', what, store.when(Math.max(kept ? kept.time : 0, exercise ? exercise.time : 0), language())), async () => {
    if (exercise) await ex.restore(exercise);
    if (kept) await restoreWork(kept);
    if (session.tab) selectTab(session.tab);
    message(t('restored'), 'info');
  }, () => {
    if (session.project) store.dropProject(session.project);
    if (session.exercise) store.dropExercise(session.exercise);
    store.session({ project: ctx.origin, exercise: null });
  });
}

async function openExample(x, restore = true) {
  const ok = await ctx.open(fromBase64(x.bytes), x.file, { restore });
  if (ok) ctx.example = x.file;
  return ok;
}

// The first section of a text file, after a byte order mark, blank lines and comments.
function firstSection(bytes) {
  const head = new TextDecoder('utf-8').decode(bytes.subarray(0, 4096)).replace(/^\uFEFF/, '');
  for (const line of head.split(/\r?\n/)) {
    const s = line.trim();
    if (s === '' || s.startsWith('#') || s.startsWith(';')) continue;
    return s;
  }
  return '';
}

// What a dropped or chosen file is: by its suffix, or, renamed, by its first section.
export function kindOf(name, bytes) {
  if (/\.fuzaufgabe$/i.test(name)) return 'exercise';
  if (/\.fuzantwort$/i.test(name)) return 'answers';
  if (/\.(fll|fis|fcl)$/i.test(name)) return 'import';
  const s = firstSection(bytes);
  if (s === '[aufgabe]') return 'exercise';
  if (s === '[antworten]') return 'answers';
  return 'project';
}

// A dropped or chosen file goes where it belongs: an exercise and its
// answers to "Aufgaben", an FLL, FIS or FCL system to the import, anything
// else opens as a project.
async function openFile(f) {
  if (f.size > MaxFileBytes) return message(t('tooLarge', f.name));
  const bytes = new Uint8Array(await f.arrayBuffer());
  const kind = kindOf(f.name, bytes);
  if (kind === 'exercise' || kind === 'answers') {
    selectTab('exercises');
    const ex = views.find((v) => v.id === 'exercises');
    if (kind === 'exercise') await ex.openExercise(bytes, f.name);
    else await ex.openAnswers(bytes, f.name);
    return;
  }
  if (kind === 'import') {
    selectTab('exchange');
    await views.find((v) => v.id === 'exchange').importBytes(bytes, f.name);
    return;
  }
  await ctx.open(bytes, f.name);
}

// For the tests and the curious: the page's engine and state.
window.fuzzyPage = {
  ctx,
  selectTab,
  message,
  view: (id) => views.find((v) => v.id === id),
  example: (file, lang = 'de') => fromBase64((examplesOf(lang).find((e) => e.file === file) || {}).bytes || ''),
  exercises: exerciseFiles,
  store,
};

start();
