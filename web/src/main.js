// The page: one project at a time, held as the bytes of its .fuz file as the
// writer makes them; every view asks the engine about it. Opening a file,
// the examples, saving, the language and the tabs live here; each view is a
// module of its own in views/.
import { Engine, EngineError, fromBase64 } from './engine.js';
import { chooseLanguage, setLanguage, language, t } from './i18n.js';
import { el, download } from './dom.js';
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
import exchange from './views/exchange.js';
import tuner from './views/tuner.js';
import exercises from './views/exercises.js';

// Larger than any project the reader would finish; the reader bounds its lines.
const MaxFileBytes = 1 << 20;

const $ = (id) => document.getElementById(id);

// The examples in the page's language (the same files, named alike in both).
const examplesOf = (lang) => (lang === 'en' ? examplesEn : examplesDe);
const examples = () => examplesOf(language());

const ctx = {
  engine: new Engine(),
  view: null, // the engine's view of the project
  fuz: null, // its file, Uint8Array
  name: '',
  listeners: [],
  edits: 0, // edits made, for the tests
  opened: 0, // projects opened
  example: null, // the example's file name while the project is an unchanged example
  // Makes a view of the engine the current project.
  adopt(view, name) {
    this.view = view;
    if (view.fuz) this.fuz = fromBase64(view.fuz);
    if (name !== undefined) this.name = name;
    $('dateiname').textContent = this.name;
    $('speichern').disabled = !this.fuz;
    for (const f of this.listeners) f();
  },
  onProject(f) {
    this.listeners.push(f);
  },
  // Changes as the Werkstatt makes them; a refusal leaves the project as it was.
  async edit(edits) {
    try {
      const view = await this.engine.call('edit', { edits }, this.fuz);
      this.example = null;
      this.adopt(view);
      this.edits++;
      message('');
      return true;
    } catch (e) {
      reportError(e);
      for (const f of this.listeners) f();
      return false;
    }
  },
  // Opens bytes as a project; a refusal keeps the current project.
  async open(bytes, name) {
    if (bytes.length > MaxFileBytes) {
      message(t('tooLarge', name));
      return false;
    }
    try {
      const view = await this.engine.call('view', { name }, bytes);
      this.example = null;
      this.adopt(view, name);
      this.opened++;
      message(t('loaded', name), 'info');
      return true;
    } catch (e) {
      if (e instanceof EngineError && e.code === 'refused') message(t('refused', name, e.detail));
      else reportError(e);
      return false;
    }
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
  message: (text, kind) => message(text, kind),
  // After a request that went well: an error shown before is no longer true.
  clearError() {
    const m = $('meldung');
    if (!m.hidden && m.className !== 'info') message('');
  },
  reportError: (e) => reportError(e),
};

export function message(text, kind = 'error') {
  const m = $('meldung');
  m.textContent = text;
  m.className = kind === 'info' ? 'info' : '';
  m.hidden = !text;
}

function reportError(e) {
  if (e instanceof EngineError) {
    if (e.code === 'notANumber') return message(t('notANumber', e.detail));
    if (e.code === 'crashed') return message(t('crashed', e.detail));
    if (e.code === 'refused') return message(e.detail);
    return message(t('failed', e.detail || e.code));
  }
  message(t('failed', String(e && e.message ? e.message : e)));
}

const views = [exercises, terms, rules, kennfeld, inspector, hints, truckLab, locoLab, exchange, tuner].map((create) => create(ctx));

function selectTab(id) {
  for (const v of views) {
    const on = v.id === id;
    v.element.hidden = !on;
    v.tab.setAttribute('aria-selected', String(on));
    if (on && v.shown) v.shown();
  }
}

function texts() {
  document.title = t('title');
  for (const e of document.querySelectorAll('[data-t]')) e.textContent = t(e.dataset.t);
  $('sprache').setAttribute('aria-label', t('languageLabel'));
  const pick = $('beispiele');
  pick.setAttribute('aria-label', t('examplesLabel'));
  pick.replaceChildren(el('option', { value: '' }, t('examples')), ...examples().map((x, i) => el('option', { value: String(i) }, x.file)));
  for (const v of views) {
    v.tab.textContent = t(v.tabKey);
    v.render();
  }
}

function start() {
  setLanguage(chooseLanguage());
  ctx.engine.lang = language();
  $('sprache').value = language();
  for (const v of views) {
    v.tab = el('button', { role: 'tab', id: `reiter-${v.id}`, onclick: () => selectTab(v.id) });
    v.element.id = `seite-${v.id}`;
    $('reiter').append(v.tab);
    $('seiten').append(v.element);
  }
  texts();
  selectTab('terms');
  $('speichern').disabled = true;
  $('sprache').addEventListener('change', () => {
    setLanguage($('sprache').value, true);
    ctx.engine.lang = language();
    texts();
    for (const v of views) if (v.languageChanged) v.languageChanged();
    // An unchanged example becomes the same example in the new language.
    const x = ctx.example && examples().find((e) => e.file === ctx.example);
    if (x) openExample(x).then(() => message(''));
    else if (ctx.fuz) ctx.open(ctx.fuz, ctx.name).then(() => message(''));
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
  $('speichern').addEventListener('click', () => {
    if (ctx.fuz) download(ctx.name && /\.fuz$/i.test(ctx.name) ? ctx.name : `${ctx.name || 'projekt'}.fuz`, ctx.fuz);
  });
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
    const f = e.dataTransfer && e.dataTransfer.files[0];
    if (f) await openFile(f);
  });
  // The truck example first, as the Werkstatt's first template.
  const first = new URLSearchParams(location.search).get('beispiel') || 'truck.fuz';
  const x = examples().find((e) => e.file === first) || examples()[0];
  openExample(x).then(() => message(''));
}

async function openExample(x) {
  const ok = await ctx.open(fromBase64(x.bytes), x.file);
  if (ok) ctx.example = x.file;
  return ok;
}

// An exercise file by its suffix or, renamed, by its first section
// "[aufgabe]" (after a byte order mark, blank lines and comments).
function isExercise(name, bytes) {
  if (/\.fuzaufgabe$/i.test(name)) return true;
  const head = new TextDecoder('utf-8').decode(bytes.subarray(0, 4096)).replace(/^\uFEFF/, '');
  for (const line of head.split(/\r?\n/)) {
    const s = line.trim();
    if (s === '' || s.startsWith('#') || s.startsWith(';')) continue;
    return s === '[aufgabe]';
  }
  return false;
}

// A dropped or chosen file: an exercise opens as one, anything else as a project.
async function openFile(f) {
  if (f.size > MaxFileBytes) return message(t('tooLarge', f.name));
  const bytes = new Uint8Array(await f.arrayBuffer());
  if (isExercise(f.name, bytes)) {
    selectTab('exercises');
    await views.find((v) => v.id === 'exercises').openExercise(bytes, f.name);
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
};

start();
