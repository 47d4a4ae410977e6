// "Klasse": the teacher's tab for a class's hand-ins. The exercise (built in
// or a .fuzaufgabe file) and the hand-ins (files, a folder, or dropped) go to
// `fuzzysim aufgabe auswerten --json --moodle`, the same marking the tool and
// the Werkstatt's class overview do; the table shows its document: a row per
// hand-in, sorted by a click on a column's head, a click on a name opens the
// hand-in with its failing run. The table prints through the browser, and
// goes out as CSV and as the gradebook's file.
import { el, download, keepFocus } from '../dom.js';
import { t, language } from '../i18n.js';
import { fromBase64, utf8 } from '../engine.js';
import exercises from '../gen/exercises.js';

// As the hand-in's reader bounds a file, and as marking bounds a class.
const MaxHandInBytes = 256 * 1024;
const MaxHandIns = 1000;
const MaxExerciseBytes = 1 << 20;

// A name the engine's folder takes, unique among the class's files and not
// the exercise's or the gradebook's.
function plainName(name, taken) {
  let base = String(name).replace(/[\/\\\x00-\x1f]/g, '_').slice(-120) || 'abgabe.fuzabgabe';
  if (base === '.' || base === '..') base = 'abgabe.fuzabgabe';
  let n = base, i = 2;
  while (taken.has(n)) n = base.replace(/(\.[^.]*)?$/, (m) => `-${i++}${m}`);
  return n;
}

// Points as the page writes numbers.
const points = (v) => (language() === 'en' ? String(v) : String(v).replace('.', ','));

export default function create(ctx) {
  const element = el('section');
  const pick = el('select', { id: 'klasse-aufgabe-wahl' });
  const exercisePicker = el('input', { type: 'file', accept: '.fuzaufgabe', id: 'klasse-aufgabe-datei', hidden: true });
  const filePicker = el('input', { type: 'file', accept: '.fuzabgabe', multiple: true, id: 'klasse-dateien', hidden: true });
  const folderPicker = el('input', { type: 'file', webkitdirectory: true, multiple: true, id: 'klasse-ordner', hidden: true });
  const view = { id: 'klasse', tabKey: 'tabClass', element, render, setExercise, addHandIns, mark, doc: () => doc, clear };
  let exercise = null; // {name, bytes}
  let handIns = new Map(); // engine name -> bytes, in the order added
  let doc = null; // fuzzysim's document of the last marking
  let gradebook = null; // {import, left, err}
  let sort = { column: -1, down: false };
  let busy = false;
  let marking = 0; // the newest marking; an older one's answer is dropped

  async function setExercise(bytes, name) {
    if (bytes.length > MaxExerciseBytes) return ctx.message(t('tooLarge', name));
    const file = /\.fuzaufgabe$/i.test(name) ? name.replace(/[\/\\\x00-\x1f]/g, '_') : 'aufgabe.fuzaufgabe';
    exercise = { name: file, bytes };
    await mark();
  }

  // Files of a hand-in's name; the rest of a folder is left alone.
  async function addHandIns(files) {
    for (const f of files) {
      if (!/\.fuzabgabe$/i.test(f.name)) continue;
      if (handIns.size >= MaxHandIns) break;
      // Too large for a hand-in: the reader says so in its row.
      const bytes = f.size > MaxHandInBytes ? new Uint8Array(await f.slice(0, MaxHandInBytes + 1).arrayBuffer())
        : new Uint8Array(await f.arrayBuffer());
      const taken = new Set([...handIns.keys(), exercise ? exercise.name : '', 'noten.csv', 'noten-nicht-importiert.csv', 'klasse.csv']);
      handIns.set(plainName(f.name, taken), bytes);
    }
    await mark();
  }

  function clear() {
    handIns = new Map();
    doc = null;
    gradebook = null;
    render();
  }

  // fuzzysim aufgabe auswerten on the exercise and every hand-in.
  async function mark() {
    doc = null;
    gradebook = null;
    if (!exercise || !handIns.size) return render();
    const mine = ++marking;
    busy = true;
    render();
    try {
      const files = {};
      for (const [n, b] of handIns) files[n] = b;
      const argv = ['aufgabe', 'auswerten', exercise.name, ...handIns.keys(), '--json', '--moodle', 'noten.csv'];
      const r = await ctx.engine.run(argv, exercise.bytes, { input: exercise.name, files, read: ['noten.csv', 'noten-nicht-importiert.csv'], long: true });
      if (mine !== marking) return;
      const answer = JSON.parse(utf8(r.out));
      if (answer.error) {
        ctx.message(answer.error);
      } else {
        doc = answer;
        gradebook = { import: r.files['noten.csv'], left: r.files['noten-nicht-importiert.csv'], err: r.err };
        ctx.message('');
      }
    } catch (e) {
      if (mine === marking) ctx.reportError(e);
    } finally {
      if (mine === marking) {
        busy = false;
        render();
      }
    }
  }

  async function csv() {
    if (!exercise || !handIns.size) return;
    const files = {};
    for (const [n, b] of handIns) files[n] = b;
    try {
      const r = await ctx.engine.run(['aufgabe', 'auswerten', exercise.name, ...handIns.keys(), '--csv'], exercise.bytes, { input: exercise.name, files, long: true });
      if (r.status === 2) return ctx.message(r.err);
      download(`${exercise.name.replace(/\.[^.]*$/, '')}-klasse.csv`, r.out, 'text/csv');
    } catch (e) {
      ctx.reportError(e);
    }
  }

  function grades() {
    if (!gradebook || !gradebook.import) return;
    const stem = exercise.name.replace(/\.[^.]*$/, '');
    download(`${stem}-noten.csv`, gradebook.import, 'text/csv');
    if (gradebook.left) download(`${stem}-noten-nicht-importiert.csv`, gradebook.left, 'text/csv');
    const named = gradebook.err.split('\n').filter((l) => l.trim());
    if (named.length) ctx.message(named.join('\n'), 'info');
  }

  // The row's hand-in in the exercises tab, with its failing run in its lab.
  async function open(row) {
    const bytes = handIns.get(row.file);
    if (!bytes || row.state === 'unreadable') return;
    ctx.selectTab('exercises');
    await ctx.lab('exercises').openHandIn(exercise.bytes, exercise.name, bytes);
  }

  // The columns: what each shows and what it sorts by.
  function columns() {
    const c = [
      { head: t('colName'), text: (r) => r.name ?? r.file, key: (r) => (r.name ?? r.file).toLocaleLowerCase() },
      { head: t('colClass'), text: (r) => r.class ?? '', key: (r) => r.class ?? '' },
      { head: t('colId'), text: (r) => r.id ?? '', key: (r) => r.id ?? '' },
      { head: t('colDate'), text: (r) => (r.date ?? '').slice(0, 10), key: (r) => r.date ?? '' },
      { head: t('colState'), text: (r) => r.stateText, key: (r) => r.stateText },
      { head: t('colPoints'), text: (r) => (r.graded ? `${r.pointsText} / ${points(r.total)}` : r.pointsText), key: (r) => (r.graded ? r.points : -1) },
    ];
    doc.exercise.criteria.forEach((k, i) => c.push({
      head: k.name,
      text: (r) => (r.criteria[i] ? `${r.criteria[i].passed ? '✓' : '✗'} ${r.criteria[i].measuredText}${r.criteria[i].unit ? ` ${r.criteria[i].unit}` : ''}` : ''),
      key: (r) => (r.criteria[i] ? r.criteria[i].measured ?? Infinity : -Infinity),
      title: (r) => (r.criteria[i] ? r.criteria[i].reasons.join('\n') : ''),
    }));
    c.push({ head: t('colNotes'), text: (r) => r.notes.join(' '), key: (r) => r.notes.join(' ') });
    return c;
  }

  const toLook = (r) => r.state === 'unreadable' || r.state === 'unusable' || r.foreign || r.duplicateOf.length > 0;

  function table() {
    const cols = columns();
    const rows = doc.rows.map((r, i) => ({ r, i }));
    if (sort.column >= 0) {
      const key = cols[sort.column].key;
      rows.sort((a, b) => {
        const x = key(a.r), y = key(b.r);
        const d = x < y ? -1 : x > y ? 1 : a.i - b.i;
        return sort.down ? -d : d;
      });
    }
    const head = el('tr', {}, ...cols.map((c, i) => el('th', { scope: 'col', 'aria-sort': sort.column === i ? (sort.down ? 'descending' : 'ascending') : 'none' },
      el('button', { type: 'button', class: 'spaltenkopf', 'data-focus': `sort:${i}`, 'aria-label': t('sortBy', c.head),
        onclick: () => {
          sort = { column: i, down: sort.column === i ? !sort.down : false };
          render();
        } }, c.head, sort.column === i ? (sort.down ? ' ▼' : ' ▲') : ''))));
    return el('table', { id: 'klasse-tabelle' }, el('thead', {}, head), el('tbody', {}, ...rows.map(({ r, i }) => el('tr', { 'data-row': String(i), 'data-state': r.state, class: toLook(r) ? 'nachsehen' : null },
      ...cols.map((c, s) => {
        if (s === 0 && r.state !== 'unreadable') {
          return el('td', { class: 'name' }, el('button', { type: 'button', class: 'verweis', 'data-focus': `open:${i}`, 'aria-label': t('openHandIn', c.text(r)), onclick: () => open(r) }, c.text(r)));
        }
        return el('td', { class: s >= 5 && s < cols.length - 1 ? 'zahl' : null, title: c.title ? c.title(r) || null : null }, c.text(r));
      })))));
  }

  exercisePicker.addEventListener('change', async () => {
    const f = exercisePicker.files[0];
    exercisePicker.value = '';
    if (!f) return;
    if (f.size > MaxExerciseBytes) return ctx.message(t('tooLarge', f.name));
    await setExercise(new Uint8Array(await f.arrayBuffer()), f.name);
  });
  for (const p of [filePicker, folderPicker]) {
    p.addEventListener('change', async () => {
      const files = [...p.files];
      p.value = '';
      await addHandIns(files);
    });
  }
  pick.addEventListener('change', async () => {
    const x = exercises[Number(pick.value)];
    pick.value = '';
    if (x) await setExercise(fromBase64(x.bytes), x.file);
  });
  // Printed from this tab, only the table goes onto the paper.
  window.addEventListener('beforeprint', () => document.body.classList.toggle('drucke-klasse', !element.hidden && Boolean(doc)));
  window.addEventListener('afterprint', () => document.body.classList.remove('drucke-klasse'));

  function render() {
    keepFocus(element, renderNow);
  }

  function renderNow() {
    pick.setAttribute('aria-label', t('classPickExercise'));
    pick.replaceChildren(el('option', { value: '' }, t('classPickExercise')), ...exercises.map((x, i) => el('option', { value: String(i) }, x.file)));
    const controls = el('div', { class: 'zeile knoepfe' }, pick,
      el('button', { type: 'button', id: 'klasse-aufgabe-oeffnen', onclick: () => exercisePicker.click() }, t('classOpenExercise')), exercisePicker,
      el('button', { type: 'button', id: 'klasse-hinzufuegen', onclick: () => filePicker.click() }, t('classAddFiles')), filePicker,
      el('button', { type: 'button', id: 'klasse-ordner-knopf', onclick: () => folderPicker.click() }, t('classAddFolder')), folderPicker,
      el('button', { type: 'button', id: 'klasse-leeren', onclick: clear, disabled: !handIns.size }, t('classClear')));
    const parts = [el('h2', {}, t('tabClass')), el('p', { class: 'leise' }, t('classIntro')), controls,
      el('p', { id: 'klasse-aufgabe' }, exercise ? t('classExercise', doc ? doc.exercise.title : exercise.name) : t('classNoExercise'))];
    if (busy) parts.push(el('p', { class: 'leise', id: 'klasse-status' }, t('working')));
    else if (!doc) parts.push(el('p', { class: 'leise', id: 'klasse-status' }, t('classNone')));
    else {
      parts.push(el('p', { id: 'klasse-status' }, t('classStatus', doc.rows.length, doc.rows.filter(toLook).length, points(doc.exercise.totalPoints))),
        el('div', { class: 'tabelle-rollt' }, table()),
        el('p', { class: 'zeile knoepfe' },
          el('button', { type: 'button', id: 'klasse-drucken', onclick: () => window.print() }, t('classPrint')),
          el('button', { type: 'button', id: 'klasse-csv', onclick: csv }, t('classCsv')),
          el('button', { type: 'button', id: 'klasse-notenbuch', onclick: grades, disabled: !gradebook || !gradebook.import }, t('classGradebook'))));
    }
    element.replaceChildren(...parts);
  }

  view.languageChanged = () => mark();
  view.shown = render;
  return view;
}
