// "Aufgaben": an exercise (built in or a .fuzaufgabe file), its task in the
// page's language, its starting project into the editor, and fuzzysim's own
// check of the current project (and of the answers to a hand calculation,
// typed into fields or opened as a .fuzantwort file) with every criterion,
// its measured value, its limit and the hints after a failure. "Abgeben"
// downloads the hand-in (.fuzabgabe) `fuzzysim aufgabe abgabe` writes, with
// the student's name, class and identifier; an exercise with numbers by name
// shows the boxes of the name typed there.
import { el, download, keepFocus, paragraphs } from '../dom.js';
import { t, language } from '../i18n.js';
import { fromBase64, toBase64, utf8, latin1 } from '../engine.js';
import exercises from '../gen/exercises.js';

// Larger than any exercise the reader takes; the reader bounds it.
const MaxFileBytes = 1 << 20;

// A file name the engine's folder takes: no folders, no control characters.
function baseName(name, fallback) {
  return (name || fallback).replace(/\.[^.]*$/, '').replace(/[\/\\\x00-\x1f]/g, '_') || fallback;
}

// A number of fuzzysim's document as the page writes numbers: the digits it
// printed, the language's decimal sign, a true minus. (Measured values and
// limits come as fuzzysim's texts.)
function shown(n) {
  const s = String(n);
  return (language() === 'en' ? s : s.replace('.', ',')).replace(/^-/, '\u2212');
}

// The hand-in's file name, as the Werkstatt proposes it: the student's name
// and the exercise, letters, digits, '-' and '_' only.
export function handInFileName(name, exerciseFile) {
  const clean = (x) => x.replace(/ä/g, 'ae').replace(/ö/g, 'oe').replace(/ü/g, 'ue').replace(/ß/g, 'ss')
    .replace(/Ä/g, 'Ae').replace(/Ö/g, 'Oe').replace(/Ü/g, 'Ue')
    .replace(/[^A-Za-z0-9_-]+/g, '_').replace(/^_+|_+$/g, '').slice(0, 60);
  const who = clean(name) || 'abgabe';
  const stem = clean(exerciseFile.replace(/\.[^.]*$/, ''));
  return `${stem ? `${who}-${stem}` : who}.fuzabgabe`;
}

export default function create(ctx) {
  const element = el('section');
  const pick = el('select', { id: 'aufgabe-wahl' });
  // Buttons open these pickers: a button is reached by the keyboard, a hidden input is not.
  const picker = el('input', { type: 'file', accept: '.fuzaufgabe', id: 'aufgabe-datei', hidden: true });
  const answersPicker = el('input', { type: 'file', accept: '.fuzantwort', id: 'antwort-datei', hidden: true });
  const view = { id: 'exercises', tabKey: 'tabExercises', element, render, openExercise, openAnswers, check, saveAnswers,
    storeKey: () => (current ? current.key : null), restore, unsavedAnswers, last: () => last, current: () => current,
    handIn, openHandIn, setStudent, student: () => who.name.value.trim() };
  // Who hands in; the name also draws the numbers of a step by name.
  const who = {
    name: el('input', { type: 'text', id: 'abgabe-name', maxlength: 100, autocomplete: 'name' }),
    klasse: el('input', { type: 'text', id: 'abgabe-klasse', maxlength: 40 }),
    id: el('input', { type: 'text', id: 'abgabe-kennung', maxlength: 100 }),
  };
  let nameTimer = null;
  who.name.addEventListener('input', () => {
    clearTimeout(nameTimer);
    nameTimer = setTimeout(() => {
      if (current && current.info.byName) relabel();
    }, 300);
  });
  let current = null; // {name, bytes, info}
  let answersFile = null; // {name, bytes}: answers opened as a file, sent as they are
  let fields = {}; // point -> key -> input
  let last = null; // {status, doc, err} of the last check
  let busy = false;
  let titles = null; // [title] of the built-in exercises in titlesLang
  let titlesLang = '';
  let answersSaved = true; // the boxes are as last opened or saved (or empty)
  let started = null; // the pages the started exercise is edited on, to go on there

  // Reads an exercise; a file the reader refuses keeps the current one. The
  // answers the browser kept for it are offered, unless `answers` brings them.
  async function openExercise(bytes, name, { answers = null, saved = true, picked = false } = {}) {
    if (bytes.length > MaxFileBytes) {
      ctx.message(t('tooLarge', name));
      return false;
    }
    const file = `${baseName(name, 'aufgabe')}.fuzaufgabe`;
    try {
      const info = await ctx.engine.call('exercise', { name: file, student: who.name.value.trim() }, bytes);
      // Built in: its reference solution is built in beside it (for the teacher's sheet).
      const builtIn = exercises.some((x) => x.file === file && x.bytes === toBase64(bytes));
      current = { name: file, bytes, info, key: ctx.store.exerciseKey(file, bytes), builtIn };
      answersFile = null;
      fields = {};
      last = null;
      started = null;
      answersSaved = saved;
      ctx.message('');
      render();
      // The choice shows the exercise (while the keyboard walks the choice, it moves on alone).
      if (!picked) pick.value = String(exercises.findIndex((x) => x.file === name && x.bytes === toBase64(bytes)));
      if (answers) fill(answers);
      else offerKept();
      ctx.store.session({ exercise: current.key });
      return true;
    } catch (e) {
      if (e.code === 'refused') ctx.message(t('exerciseRefused', name, e.detail));
      else ctx.reportError(e);
      render();
      return false;
    }
  }

  // The task in the page's language after a switch; the verdict was in the old one.
  async function relabel() {
    if (!current) return;
    try {
      current.info = await ctx.engine.call('exercise', { name: current.name, student: who.name.value.trim() }, current.bytes);
    } catch (e) {
      ctx.reportError(e);
    }
    last = null;
    render();
  }

  // Values into the boxes ({point: {key: text}}), as a person would type them.
  function fill(points) {
    for (const [point, keys] of Object.entries(fields))
      for (const [key, input] of Object.entries(keys)) {
        const v = points[point] && points[point][key];
        input.value = v === undefined ? '' : String(v);
      }
  }

  function typed() {
    const points = {};
    for (const [point, keys] of Object.entries(fields)) {
      points[point] = {};
      for (const [key, input] of Object.entries(keys)) points[point][key] = input.value;
    }
    return points;
  }

  function unsavedAnswers() {
    return Boolean(current) && !answersSaved && Object.values(fields).some((keys) => Object.values(keys).some((i) => i.value.trim()));
  }

  // The exercise and what was typed, kept in the browser a moment after the typing stops.
  let keepTimer = null;
  function keepAnswers() {
    clearTimeout(keepTimer);
    keepTimer = setTimeout(keepNow, 300);
  }
  function keepNow() {
    clearTimeout(keepTimer);
    if (!current) return;
    ctx.store.keepExercise(current.key, { name: current.name, title: current.info.title, bytes: current.bytes, answers: typed(), answersSaved });
    ctx.store.session({ exercise: current.key });
  }
  window.addEventListener('pagehide', keepNow);

  // Answers typed on an earlier visit to this exercise, offered back.
  function offerKept() {
    const kept = ctx.store.exercise(current.key);
    const any = kept && Object.values(kept.answers).some((p) => Object.values(p).some((x) => String(x).trim()));
    if (!any) return;
    const key = current.key;
    ctx.banner(t('restoreAnswers', kept.title || kept.name, ctx.store.when(kept.time, language())), () => {
      if (!current || current.key !== key) return;
      fill(kept.answers);
      answersSaved = kept.answersSaved;
      render();
      ctx.message(t('restored'), 'info');
    }, () => ctx.store.dropExercise(key));
  }

  // An exercise with its answers as the browser kept them.
  async function restore(kept) {
    if (!(await openExercise(kept.bytes, kept.name, { answers: kept.answers, saved: kept.answersSaved }))) return false;
    render();
    return true;
  }

  // An answers file, chosen or dropped: it is what the check reads (as it is),
  // and its numbers go into the boxes, as the Werkstatt fills them.
  async function openAnswers(bytes, name) {
    if (!current) {
      ctx.message(t('answersNeedExercise', name));
      return false;
    }
    if (!current.info.needsAnswers) {
      ctx.message(t('answersNotAsked', name, current.info.title));
      return false;
    }
    if (bytes.length > MaxFileBytes) {
      ctx.message(t('tooLarge', name));
      return false;
    }
    answersFile = { name, bytes };
    try {
      const r = await ctx.engine.call('answerBoxes', { answers: latin1(bytes) }, current.bytes);
      if (r.points) {
        render();
        const points = {};
        for (const [p, keys] of Object.entries(r.points)) {
          points[p] = {};
          for (const [k, v] of Object.entries(keys)) points[p][k] = shown(v);
        }
        fill(points);
        answersSaved = true;
        keepNow();
      }
    } catch (e) {
      // The boxes stay as they were; the check says what is wrong with the file.
    }
    render();
    return true;
  }

  // "Antworten speichern": the boxes as the answers file the Werkstatt writes.
  async function saveAnswers() {
    if (!current) return null;
    try {
      const bytes = fromBase64((await ctx.engine.call('answers', { points: typed() })).file);
      download(`${baseName(current.name, 'aufgabe')}.fuzantwort`, bytes, 'text/plain');
      answersSaved = true;
      keepNow();
      ctx.message(t('answersSaved'), 'info');
      return bytes;
    } catch (e) {
      if (e.code === 'notANumber') ctx.message(t('answersNotSaved', e.detail));
      else ctx.reportError(e);
      return null;
    }
  }

  async function loadTitles() {
    const lang = language();
    const list = [];
    for (const x of exercises) {
      try {
        list.push((await ctx.engine.call('exercise', { name: x.file }, fromBase64(x.bytes))).title);
      } catch (e) {
        list.push(x.file);
      }
    }
    if (lang !== language()) return;
    titles = list;
    titlesLang = lang;
    renderPick();
  }

  // Loads the exercise's starting project into the editor, as `aufgabe start` writes it.
  async function startExercise() {
    if (!current) return null;
    const out = `${baseName(current.name, 'aufgabe')}.fuz`;
    try {
      const r = await ctx.engine.run(['aufgabe', 'start', current.name, '-o', out], current.bytes, { input: current.name, read: [out] });
      if (r.status !== 0 || !r.files[out]) {
        ctx.message(r.err);
        return r;
      }
      if (await ctx.open(r.files[out], out)) {
        // On to the pages the exercise lets the student change.
        const may = current.info.mayChange;
        started = [may.terms || may.ranges ? 'terms' : null, may.rules ? 'rules' : null].filter(Boolean);
        render();
        const go = element.querySelector('.weiter button');
        if (go) go.focus();
      }
      return r;
    } catch (e) {
      ctx.reportError(e);
      return null;
    }
  }

  // The answers as fuzzysim reads them: the opened file as it is, or the fields as the Werkstatt writes them.
  async function answersBytes() {
    if (answersFile) return answersFile.bytes;
    const points = {};
    for (const [point, keys] of Object.entries(fields)) {
      points[point] = {};
      for (const [key, input] of Object.entries(keys)) points[point][key] = input.value;
    }
    return fromBase64((await ctx.engine.call('answers', { points })).file);
  }

  // fuzzysim aufgabe check on the current project (where the exercise reads
  // one) and the answers (where it asks for a hand calculation), --json.
  // The student's work as fuzzysim reads it: the project where the exercise
  // reads one, the answers where it asks a calculation by hand; their names
  // onto argv, their bytes into files.
  async function work(argv, files) {
    if (current.info.needsProject) {
      if (!ctx.fuz) throw new Error(t('noProject'));
      const project = `${baseName(ctx.name, 'projekt')}.fuz`;
      argv.push(project);
      files[project] = ctx.fuz;
    }
    if (current.info.needsAnswers) {
      const answers = answersFile ? `${baseName(answersFile.name, 'antworten')}.fuzantwort` : 'antworten.fuzantwort';
      argv.push(answers);
      files[answers] = await answersBytes();
    }
  }

  async function check() {
    if (!current || busy) return null;
    busy = true;
    renderVerdict(t('working'));
    // A long check (many masses, small steps) can be stopped; a lab started
    // meanwhile runs in its own worker and does not wait for it.
    verdict.append(el('p', {}, el('button', { type: 'button', id: 'aufgabe-abbrechen', onclick: () => ctx.engine.cancel('check') }, t('cancelCheck'))));
    try {
      const argv = ['aufgabe', 'check', current.name];
      const files = {};
      await work(argv, files);
      if (current.info.byName && who.name.value.trim()) argv.push('--name', who.name.value.trim());
      argv.push('--json');
      const r = await ctx.engine.run(argv, current.bytes, { input: current.name, files, long: 'check' });
      last = { status: r.status, err: r.err, doc: r.status === 0 || r.status === 1 ? JSON.parse(utf8(r.out)) : null };
      if (!last.doc) ctx.message(r.err);
      else ctx.message('');
      renderVerdict();
      return last;
    } catch (e) {
      if (e.code === 'cancelled') {
        last = null;
        renderVerdict(t('checkCancelled'));
        return null;
      }
      ctx.reportError(e);
      renderVerdict('');
      return null;
    } finally {
      busy = false;
    }
  }

  // The project and the answers as they are now, as one hand-in for the
  // teacher, through `fuzzysim aufgabe abgabe`; downloaded, and its bytes
  // returned (null when something is missing: the message says what).
  async function handIn() {
    if (!current) return null;
    const name = who.name.value.trim(), klasse = who.klasse.value.trim(), id = who.id.value.trim();
    if (!name || !klasse) {
      ctx.message(t('handInNeedsName'));
      return null;
    }
    const out = `${handInFileName(name, current.name)}`;
    const argv = ['aufgabe', 'abgabe', current.name];
    const files = {};
    try {
      await work(argv, files);
      argv.push('--name', name, '--klasse', klasse);
      if (id) argv.push('--id', id);
      argv.push('-o', out);
      const r = await ctx.engine.run(argv, current.bytes, { input: current.name, files, read: [out] });
      if (r.status !== 0 || !r.files[out]) {
        ctx.message(r.err);
        return null;
      }
      const bytes = r.files[out];
      download(out, bytes, 'text/plain');
      ctx.message(t('handedIn', out), 'info');
      return bytes;
    } catch (e) {
      if (e.code === 'notANumber') ctx.message(t('answersNotSaved', e.detail));
      else ctx.reportError(e);
      return null;
    }
  }

  function setStudent(name) {
    who.name.value = name;
  }

  // A hand-in from the class overview: its exercise, its student's numbers,
  // its project in the editor and its answers in the boxes, checked; then
  // the first failing run or start in its lab.
  async function openHandIn(exerciseBytes, exerciseName, handInBytes) {
    const h = await ctx.engine.call('handIn', {}, handInBytes);
    who.name.value = h.name;
    who.klasse.value = h.class;
    who.id.value = h.id;
    if (!(await openExercise(exerciseBytes, exerciseName))) return null;
    if (h.project) await ctx.open(fromBase64(h.project), `${baseName(h.name, 'abgabe')}.fuz`);
    if (h.answers) await openAnswers(fromBase64(h.answers), `${baseName(h.name, 'abgabe')}.fuzantwort`);
    const r = await check();
    const failing = r && r.doc ? r.doc.criteria.find((c) => !c.passed && ((c.runs || []).length || (c.starts || []).length)) : null;
    if (failing) await ((failing.runs || []).length ? showRun(failing.runs[0]) : showStart(failing.starts[0]));
    return h;
  }

  picker.addEventListener('change', async () => {
    const f = picker.files[0];
    picker.value = '';
    if (!f) return;
    if (f.size > MaxFileBytes) return ctx.message(t('tooLarge', f.name));
    await openExercise(new Uint8Array(await f.arrayBuffer()), f.name);
  });
  answersPicker.addEventListener('change', async () => {
    const f = answersPicker.files[0];
    answersPicker.value = '';
    if (!f) return;
    if (f.size > MaxFileBytes) return ctx.message(t('tooLarge', f.name));
    await openAnswers(new Uint8Array(await f.arrayBuffer()), f.name);
  });
  pick.addEventListener('change', async () => {
    const x = exercises[Number(pick.value)];
    if (x) await openExercise(fromBase64(x.bytes), x.file, { picked: true });
  });

  function renderPick() {
    pick.setAttribute('aria-label', t('chooseExercise'));
    const value = pick.value;
    pick.replaceChildren(el('option', { value: '' }, t('chooseExercise')),
      ...exercises.map((x, i) => el('option', { value: String(i) }, titles && titlesLang === language() ? titles[i] : x.file)));
    pick.value = value;
  }

  // The field of one asked value; what was typed stays over a new render.
  function answerInput(point, key, title) {
    const keys = (fields[point] = fields[point] || {});
    const old = keys[key];
    const input = el('input', { type: 'text', class: 'zahl', 'data-point': point, 'data-key': key, 'data-focus': `answer:${point}:${key}`, value: old ? old.value : '', title, 'aria-label': title });
    input.addEventListener('input', () => {
      answersSaved = false;
      keepAnswers();
      if (answersFile) {
        answersFile = null;
        renderAnswersSource();
      }
    });
    keys[key] = input;
    return input;
  }

  // The fields of one hand step: one per asked value, labelled by term; the
  // strengths of two inputs' rules laid out as the rule table (row B, column A).
  function handForm(h) {
    const parts = [];
    for (const q of h.questions) {
      if (q.quantity === 'firing' && h.bName !== null && q.fields.length && q.fields[0].label.b !== undefined) {
        const cells = new Map(q.fields.map((f) => [f.key.slice('feuerstaerke.'.length), f]));
        const colNames = new Map(), rowNames = new Map();
        for (const [rc, f] of cells) {
          const [r, c] = rc.split('.');
          colNames.set(c, f.label.a);
          rowNames.set(r, f.label.b);
        }
        const cols = [...colNames.keys()].sort(), rows = [...rowNames.keys()].sort();
        parts.push(el('h4', {}, t('strengths')), el('table', { class: 'antworten staerken' },
          el('tr', {}, el('th', { class: 'name' }, `${h.bName} ↓ ${h.aName} →`), ...cols.map((c) => el('th', {}, colNames.get(c)))),
          ...rows.map((r) => el('tr', {}, el('th', { class: 'name' }, rowNames.get(r)), ...cols.map((c) => {
            const f = cells.get(`${r}.${c}`);
            return el('td', {}, f ? answerInput(h.point, f.key, label(q.quantity, f.label, h)) : '—');
          })))));
        continue;
      }
      const heading = { membership: 'degrees', firing: 'strengths', heights: 'activations', output: 'output' }[q.quantity];
      parts.push(el('h4', {}, t(heading)), el('table', { class: 'antworten' }, ...q.fields.map((f) => {
        const text = label(q.quantity, f.label, h);
        return el('tr', {}, el('td', { class: 'name' }, text), el('td', {}, answerInput(h.point, f.key, text)));
      })));
    }
    const at = h.undrawn ? t('handUndrawn', h.point)
      : h.b === null ? t('handAtA', h.point, h.aName, h.a) : t('handAtAB', h.point, h.aName, h.a, h.bName, h.b);
    return el('div', { class: 'karte' }, el('h3', {}, at), ...parts);
  }

  function label(quantity, l, h) {
    if (quantity === 'membership') return t('askMembership', l.term, l.var === 'A' ? h.aName : h.bName);
    if (quantity === 'firing') return l.b === undefined ? t('askFiringOne', l.a) : t('askFiring', l.a, l.b);
    if (quantity === 'heights') return t('askHeight', l.term);
    return t('askOutput', l.name);
  }

  const answersSource = el('p', { id: 'antwort-quelle', class: 'leise' });
  function renderAnswersSource() {
    answersSource.textContent = answersFile ? t('answersFromFile', answersFile.name) : t('answersFromFields');
  }

  const verdict = el('div', { id: 'aufgabe-urteil' });

  function renderVerdict(note) {
    verdict.replaceChildren();
    if (note !== undefined) {
      if (note) verdict.append(el('p', { class: 'leise' }, note));
      return;
    }
    if (!last || !last.doc) return;
    const doc = last.doc;
    verdict.dataset.verdict = doc.verdict;
    const good = doc.verdict === 'passed';
    verdict.append(el('h3', { id: 'aufgabe-ergebnis', class: good ? 'ok gross' : 'schlecht gross' }, t(`verdict_${doc.verdict}`)));
    if (doc.teacherMarks) verdict.append(el('p', { class: 'leise' }, t('teacherMarks')));
    if (doc.changes.length) {
      verdict.append(el('p', {}, t('forbiddenChanges')), el('ul', { class: 'hinweise', id: 'aufgabe-aenderungen' }, ...doc.changes.map((c) => el('li', {}, c))));
    }
    if (doc.criteria.length) {
      const head = el('tr', {}, el('th', { class: 'name' }, t('criterion')), el('th', {}, t('measured')), el('th', {}, t('limit')), el('th', {}, ''));
      const rows = doc.criteria.map((c) => el('tr', { 'data-id': c.id, 'data-passed': String(c.passed) },
        el('td', { class: 'name' }, c.name,
          c.reasons.length ? el('ul', { class: 'gruende' }, ...c.reasons.map((r) => el('li', {}, r))) : null, labLinks(c)),
        el('td', { class: 'zahl gemessen' }, `${c.measuredText}${c.unit ? ` ${c.unit}` : ''}`),
        el('td', { class: 'zahl grenze' }, `${c.compare === '>=' ? '≥' : '≤'} ${c.limitText}${c.unit ? ` ${c.unit}` : ''}`),
        el('td', { class: c.passed ? 'ok gross' : 'schlecht gross', title: t(c.passed ? 'criterionPassed' : 'criterionFailed') }, c.passed ? '✓' : '✗')));
      verdict.append(el('table', { id: 'aufgabe-kriterien' }, head, ...rows));
      if (doc.criteria.some((c) => c.id.startsWith('hand.'))) verdict.append(el('p', { class: 'leise' }, t('handMeasured')));
    }
    if (doc.hints.length) {
      verdict.append(el('h3', {}, t('exerciseHints')), el('ul', { class: 'hinweise', id: 'aufgabe-hinweise' }, ...doc.hints.map((h) => el('li', {}, h))));
    }
  }

  // Buttons that open a failing run or start in its lab, as the Werkstatt's panel does.
  const MaxLinks = 12;
  const showRun = (r) => ctx.openLab('loco', () => ctx.lab('loco').runWith({ mass: String(r.mass), dt: String(r.step), friction: String(r.friction), distance: String(r.distance) }));
  const showStart = (s) => ctx.openLab('truck', () => ctx.lab('truck').showStart(String(s.speed), s.index));
  function labLinks(c) {
    const links = [];
    for (const r of (c.runs || []).slice(0, MaxLinks))
      links.push(el('button', { class: 'klein', onclick: () => showRun(r) },
        t('runLink', shown(r.mass), shown(r.step))));
    for (const s of (c.starts || []).slice(0, MaxLinks))
      links.push(el('button', { class: 'klein', onclick: () => showStart(s) },
        t('startLink', shown(s.x), shown(s.attitude))));
    if (!links.length) return null;
    const more = Math.max(0, (c.runs || []).length + (c.starts || []).length - links.length);
    return el('p', { class: 'laborlinks' }, el('span', { class: 'leise' }, t('openInLab')), ' ', ...links, more ? el('span', { class: 'leise' }, ` ${t('andMore', more)}`) : null);
  }

  // "Abgeben": who hands in, and the button.
  function handInCard() {
    for (const [k, key] of [['name', 'handInName'], ['klasse', 'handInClass'], ['id', 'handInId']]) who[k].setAttribute('aria-label', t(key));
    who.id.placeholder = t('optional');
    return el('div', { class: 'karte', id: 'abgabe' }, el('h3', {}, t('handInTitle')), el('p', { class: 'leise' }, t('handInIntro')),
      el('p', { class: 'zeile' }, current.info.byName ? null : el('label', { class: 'feld' }, t('handInName'), who.name),
        el('label', { class: 'feld' }, t('handInClass'), who.klasse), el('label', { class: 'feld' }, t('handInId'), who.id)),
      el('p', {}, el('button', { type: 'button', id: 'abgeben', onclick: handIn }, t('handIn'))));
  }

  function render() {
    keepFocus(element, renderNow);
  }

  function renderNow() {
    if (titlesLang !== language() && exercises.length) {
      titlesLang = language();
      titles = null;
      loadTitles();
    }
    renderPick();
    element.replaceChildren(el('h2', {}, t('tabExercises')), el('p', {}, t('exercisesIntro')),
      el('p', {}, pick, ' ', el('button', { type: 'button', id: 'aufgabe-oeffnen', onclick: () => picker.click() }, t('openExercise')), picker));
    if (!current) return element.append(el('p', { class: 'leise' }, t('noExercise')));
    const info = current.info;
    const task = el('div', { class: 'karte aufgabe' }, el('h3', { id: 'aufgabe-titel' }, info.title),
      el('div', { id: 'aufgabe-text', class: 'aufgabentext' }, ...paragraphs(info.taskParagraphs)));
    if (info.marking !== 'automatic') task.append(el('p', { class: 'leise' }, t(info.marking === 'teacher' ? 'markedByTeacher' : 'markedByBoth')));
    const may = ['rules', 'terms', 'ranges'].filter((k) => info.mayChange[k]).map((k) => t(`may_${k}`));
    task.append(el('p', { class: 'leise' }, may.length ? t('mayChange', may.join(', ')) : t('mayChangeNothing')));
    element.append(task, el('p', {}, el('button', { id: 'aufgabe-starten', onclick: startExercise }, t('startExercise'))));
    if (started && started.length) {
      element.append(el('p', { class: 'weiter' }, el('span', {}, t('startedGoOn')), ' ',
        ...started.map((id) => el('button', { type: 'button', class: 'klein', 'data-focus': `weiter:${id}`,
          onclick: () => ctx.selectTab(id, true) }, t(id === 'terms' ? 'tabTerms' : 'tabRules')))));
    }
    if (info.byName) {
      element.append(el('p', { class: 'leise' }, t('numbersByName')),
        el('p', {}, el('label', { class: 'feld' }, t('yourName'), who.name)));
    }
    if (info.needsAnswers) {
      element.append(el('h3', {}, t('yourAnswers')), el('div', { class: 'zeile' }, ...info.hand.map(handForm)));
      renderAnswersSource();
      element.append(el('p', {}, el('button', { type: 'button', id: 'antwort-oeffnen', onclick: () => answersPicker.click() }, t('openAnswers')),
        answersPicker, ' ', el('button', { type: 'button', id: 'antwort-speichern', onclick: saveAnswers }, t('saveAnswers')), ' ', answersSource));
    }
    const buttons = el('p', {}, el('button', { id: 'aufgabe-pruefen', onclick: check }, t('checkExercise')));
    if (info.needsProject) buttons.append(' ', el('span', { class: 'leise' }, t('checksProject', ctx.name || '—')));
    element.append(buttons, verdict, handInCard());
    renderVerdict();
  }

  ctx.onProject(() => {
    if (!element.hidden) render();
  });
  view.languageChanged = relabel;
  view.shown = render;
  return view;
}
