// The page: one project at a time, held as the bytes of its .fuz file as the
// writer makes them; every view asks the engine about it. Opening a file,
// the examples, saving, the language and the tabs live here; each view is a
// module of its own in views/.
import { Engine, EngineError, fromBase64 } from './engine.js';
import { chooseLanguage, setLanguage, language, t } from './i18n.js';
import { el, download } from './dom.js';
import examples from './gen/examples.js';
import terms from './views/terms.js';
import rules from './views/rules.js';
import kennfeld from './views/kennfeld.js';
import inspector from './views/inspector.js';
import hints from './views/hints.js';
import truckLab from './views/trucklab.js';
import locoLab from './views/locolab.js';
import exchange from './views/exchange.js';
import tuner from './views/tuner.js';

// Larger than any project the reader would finish; the reader bounds its lines.
const MaxFileBytes = 1 << 20;

const $ = (id) => document.getElementById(id);

const ctx = {
  engine: new Engine(),
  view: null, // the engine's view of the project
  fuz: null, // its file, Uint8Array
  name: '',
  listeners: [],
  edits: 0, // edits made, for the tests
  opened: 0, // projects opened
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
      const view = await this.engine.call('view', {}, bytes);
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
  inspectAt(a, b) {
    views.find((v) => v.id === 'inspector').show(a, b);
    selectTab('inspector');
  },
  message: (text, kind) => message(text, kind),
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

const views = [terms, rules, kennfeld, inspector, hints, truckLab, locoLab, exchange, tuner].map((create) => create(ctx));

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
  const pick = $('beispiele');
  pick.replaceChildren(el('option', { value: '' }, t('examples')), ...examples.map((x, i) => el('option', { value: String(i) }, x.file)));
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
    if (ctx.fuz) ctx.open(ctx.fuz, ctx.name).then(() => message(''));
  });
  $('oeffnen').addEventListener('change', async (e) => {
    const f = e.target.files[0];
    e.target.value = '';
    if (f) await openFile(f);
  });
  $('beispiele').addEventListener('change', async (e) => {
    const x = examples[Number(e.target.value)];
    e.target.value = '';
    if (x) await ctx.open(fromBase64(x.bytes), x.file);
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
  const x = examples.find((e) => e.file === first) || examples[0];
  ctx.open(fromBase64(x.bytes), x.file).then(() => message(''));
}

async function openFile(f) {
  if (f.size > MaxFileBytes) return message(t('tooLarge', f.name));
  const bytes = new Uint8Array(await f.arrayBuffer());
  await ctx.open(bytes, f.name);
}

// For the tests and the curious: the page's engine and state.
window.fuzzyPage = {
  ctx,
  selectTab,
  message,
  view: (id) => views.find((v) => v.id === id),
  example: (file) => fromBase64((examples.find((e) => e.file === file) || {}).bytes || ''),
};

start();
