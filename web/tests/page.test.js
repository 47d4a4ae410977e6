// The page in headless Chromium against fuzzysim and the project writer:
// the same numbers to the last bit, the same saved bytes, the same refusals.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync, mkdtempSync, rmSync, copyFileSync, readdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { missing, launch, openPage, engineCall, fuzzysim, examples, example, editReference, waitForProject, root, site } from './browser.js';

const why = missing();
// Under CI=true nothing may skip: a missing part fails the run.
if (why && process.env.CI === 'true') throw new Error(`CI=true, and the browser tests cannot run: ${why}`);
const skip = why ? `browser tests skipped: ${why}` : false;
if (why) console.log(`# SKIPPED: ${why}`);

let chrome;
let work;
before(async () => {
  if (skip) return;
  chrome = await launch();
  work = mkdtempSync(join(tmpdir(), 'fuzzy-web-test-'));
});
after(async () => {
  if (chrome) await chrome.close();
  if (work) rmSync(work, { recursive: true, force: true });
});

async function withPage(options, body) {
  const p = await openPage(chrome.browser, options);
  try {
    await body(p.page);
    assert.deepEqual(p.errors, [], 'no console errors');
  } finally {
    await p.context.close();
  }
}

// What a visit loads: over http(s) the worker as its own file, from a disk
// the same script inside engine-source.js; the service worker keeps the first.
const loads = {
  http: ['index.html', 'style.css', 'app.js', 'engine-worker.js', 'manifest.webmanifest', 'icons/werkstatt.svg', 'icons/icon-192.png'],
  file: ['index.html', 'style.css', 'app.js', 'engine-source.js', 'icons/werkstatt.svg', 'icons/icon-192.png'],
};

for (const [how, files] of Object.entries(loads)) {
  test(`the page with its engine stays within 1.5 MB (${how})`, { skip }, () => {
    const total = files.reduce((n, f) => n + readFileSync(join(site, f)).length, 0);
    assert.ok(total <= 1.5e6, `${total} bytes`);
  });
}

function lines(buffer) {
  return buffer.toString('utf8').split('\n').filter((l) => l !== '');
}

test('the Kennfeld of every example (German and English) equals fuzzysim eval on 41 x 41 points, bit for bit', { skip }, async () => {
  await withPage({}, async (page) => {
    for (const lang of ['de', 'en']) {
      for (const name of examples) {
        const k = await page.evaluate(([n, l]) => window.fuzzyPage.ctx.engine.call('kennfeld', { nx: 41, ny: 41 }, window.fuzzyPage.example(n, l)), [name, lang]);
        assert.ok(k.defined, name);
        const input = [];
        for (let j = 0; j < k.ny; j++) for (let i = 0; i < k.nx; i++) input.push(k.twoInputs ? `${k.a[i]} ${k.b[j]}` : k.a[i]);
        const r = fuzzysim(['eval', example(name, lang)], { input: input.join('\n') + '\n' });
        assert.equal(r.status, 0, r.err);
        assert.deepEqual(k.eval, lines(r.out), `${lang}/${name}`);
      }
    }
  });
});

function dockedOf(out) {
  // "Ziel erreicht:       164 (...)"
  const m = /Ziel erreicht:\s+(\d+)/.exec(out.toString('utf8'));
  return m ? Number(m[1]) : NaN;
}

test('the truck lab docks as many starts as fuzzysim truck --grid at -1 and -10 m/s', { skip }, async () => {
  await withPage({}, async (page) => {
    await page.evaluate(() => window.fuzzyPage.selectTab('truck'));
    for (const speed of ['-1', '-10']) {
      await page.fill('#truck-speed', speed);
      await page.click('#truck-go');
      await page.waitForSelector('#truck-angedockt', { timeout: 300000 });
      const shown = await page.textContent('#truck-angedockt');
      const native = fuzzysim(['truck', example('truck.fuz'), '--grid', '--speed', speed]);
      assert.equal(native.status, 0, native.err);
      assert.equal(shown, `${dockedOf(native.out)} von 164`, `speed ${speed}`);
    }
    // The tracks drawn (bytes beside the answer) are the rear points of the
    // same starts run one by one, for the first, a middle and the last start.
    const tracks = await page.evaluate(async () => {
      const v = window.fuzzyPage.view('truck');
      const out = [];
      for (const i of [0, 81, 163]) {
        const drawn = Array.from(v.lab().runs[i].points);
        const single = await v.runStart(i);
        out.push({ drawn, single: single.track.flatMap((s) => [Math.fround(Number(s[0])), Math.fround(Number(s[1]))]) });
      }
      return out;
    });
    for (const t of tracks) assert.deepEqual(t.drawn, t.single);
  });
});

test('one truck start step by step ends as fuzzysim truck --start says', { skip }, async () => {
  await withPage({}, async (page) => {
    const run = await engineCall(page, 'truckRun', { cabX: '-10', attitude: '20', speed: '-1' });
    const native = fuzzysim(['truck', example('truck.fuz'), '--start', '-10,20', '--speed', '-1', '--csv']);
    assert.equal(native.status, 0, native.err);
    const rows = lines(native.out).slice(1);
    // Every step of the page's run is a row of the tool's table, the same number of steps.
    assert.equal(run.track.length, rows.length);
  });
});

test('the locomotive lab runs as fuzzysim loco: the same table and the same figures', { skip }, async () => {
  await withPage({ query: '?beispiel=lok.fuz' }, async (page) => {
    await page.evaluate(() => window.fuzzyPage.selectTab('loco'));
    await page.fill('#lok-mass', '3');
    await page.click('#lok-go');
    await page.waitForSelector('#lok-zahlen', { timeout: 120000 });
    const result = await page.evaluate(() => window.fuzzyPage.view('loco').last());
    const native = fuzzysim(['loco', example('lok.fuz'), '--csv', '--mass', '3']);
    assert.equal(native.status, 0, native.err);
    assert.equal(result.csv, native.out.toString('utf8'));
    // The figures are fuzzysim's (its summary on standard error), in the page's words and numbers.
    for (const [key, pattern] of locoFigures) {
      const cli = pattern.exec(native.err);
      assert.ok(cli, `fuzzysim prints ${key}`);
      const shown = await page.textContent(`#lok-zahlen tr[data-key="${key}"] td`);
      if (cli[1] === undefined) {
        assert.equal(shown, 'nie', key);
        continue;
      }
      const number = /−?\d+(,\d+)?/.exec(shown);
      assert.ok(number, `${key}: ${shown}`);
      const decimals = (number[0].split(',')[1] || '').length;
      assert.ok(Math.abs(Number(number[0].replace(',', '.').replace('−', '-')) - Number(cli[1])) <= 0.5 * 10 ** -decimals + 1e-9,
        `${key}: ${shown} / ${cli[0]}`);
    }
    const all = await page.textContent('#lok-zahlen');
    assert.doesNotMatch(all, /\d\.\d|N\*s\/m/, 'German decimal commas, no terminal units');
    // The plots end where the Werkstatt's Lok-Labor ends them: 1.25 times the resting time and half a second.
    const rest = Number(/in Ruhe ab: +t = ([\d.]+) s/.exec(native.err)[1]);
    assert.ok(Math.abs(result.plotEnd - Math.max(2, rest * 1.25 + 0.5)) < 0.01 && result.plotEnd < 10, `${result.plotEnd} / ${rest}`);
    assert.ok(result.ranges.t[1] <= result.plotEnd + 1e-9 && result.data.t.every((x) => x <= result.plotEnd + 1e-9));
  });
});

// A figure of the locomotive lab and fuzzysim loco's line with it.
const locoFigures = [
  ['end', /Ende: +t = ([\d.]+) s/],
  ['endS', /s am Ende: +(-?[\d.]+) cm/],
  ['endV', /v am Ende: +(-?[\d.]+) cm\/s/],
  ['atRest', /in Ruhe ab: +(?:t = ([\d.]+) s|nie)/],
  ['exact', /genau ab: +(?:t = ([\d.]+) s|nie)/],
  ['overshoot', /berschwingen: +([\d.]+) cm/],
  ['signChanges', /Kraftwechsel: +(\d+) /],
];

test('a locomotive option out of range is refused as fuzzysim refuses it, and the page goes on', { skip }, async () => {
  await withPage({ query: '?beispiel=lok.fuz' }, async (page) => {
    await page.evaluate(() => window.fuzzyPage.selectTab('loco'));
    await page.fill('#lok-mass', '1e300');
    await page.click('#lok-go');
    await page.waitForSelector('#lok-fehler');
    const native = fuzzysim(['loco', example('lok.fuz'), '--csv', '--mass', '1e300']);
    assert.equal(native.status, 2);
    // The refusal; the tool's pointer to its --help is no part of the page.
    assert.equal(await page.textContent('#lok-fehler'), `${native.err.split('\n')[0]}\n`);
    await page.fill('#lok-mass', '');
    await page.click('#lok-go');
    await page.waitForSelector('#lok-zahlen');
  });
});

const saveCases = [
  { name: 'a corner typed with a decimal comma', ui: { role: 'A', term: 2, param: 2, text: '-3,5' }, ref: ['param', 'A', '2', '2', '-3.5'] },
  { name: 'a height', ui: { role: 'Out', term: 1, param: 5, text: '0.75' }, ref: ['param', 'Out', '1', '5', '0.75'] },
  { name: 'a rule cell', rule: { row: 2, col: 3, term: 1 }, ref: ['rule', '2', '3', '1'] },
  { name: 'a rule removed', rule: { row: 1, col: 1, term: 0 }, ref: ['rule', '1', '1', '0'] },
];

for (const c of saveCases) {
  test(`saving after ${c.name} writes the bytes the Werkstatt's writer writes`, { skip }, async () => {
    await withPage({}, async (page) => {
      if (c.ui) {
        await page.evaluate(() => window.fuzzyPage.selectTab('terms'));
        const sel = `input[data-role="${c.ui.role}"][data-term="${c.ui.term}"][data-param="${c.ui.param}"]`;
        await page.fill(sel, c.ui.text);
        await page.dispatchEvent(sel, 'change');
      } else {
        await page.evaluate(() => window.fuzzyPage.selectTab('rules'));
        const sel = `select[data-row="${c.rule.row}"][data-col="${c.rule.col}"]`;
        await page.selectOption(sel, String(c.rule.term));
      }
      await page.waitForFunction(() => window.fuzzyPage.ctx.edits >= 1);
      const [download] = await Promise.all([page.waitForEvent('download'), page.click('#speichern')]);
      const saved = readFileSync(await download.path());
      const out = join(work, 'reference.fuz');
      const { spawnSync } = await import('node:child_process');
      const r = spawnSync(editReference, [example('truck.fuz'), out, ...c.ref]);
      assert.equal(r.status, 0, String(r.stderr));
      assert.deepEqual(saved, readFileSync(out));
      assert.equal(download.suggestedFilename(), 'truck.fuz');
    });
  });
}

test('a number that is none is refused and the project stays as it was', { skip }, async () => {
  await withPage({}, async (page) => {
    const before = await page.evaluate(() => Array.from(window.fuzzyPage.ctx.fuz));
    const sel = 'input[data-role="A"][data-term="1"][data-param="1"]';
    await page.fill(sel, 'zwölf');
    await page.dispatchEvent(sel, 'change');
    await page.waitForSelector('#meldung:not([hidden])');
    assert.match(await page.textContent('#meldung'), /zwölf/);
    assert.deepEqual(await page.evaluate(() => Array.from(window.fuzzyPage.ctx.fuz)), before);
  });
});

const hostile = [
  ['empty', Buffer.alloc(0)],
  ['garbage', Buffer.from('das ist kein Projekt\r\n\x00\x01\x02')],
  ['too many terms', Buffer.from('A\r\n9\r\n0\r\n1\r\n')],
  ['number beyond single precision', Buffer.from('A\r\n1\r\n0\r\n1e39\r\nt\r\n0\r\n0\r\n1\r\n1\r\n1\r\n')],
  ['binary', Buffer.from(Array.from({ length: 4096 }, (_, i) => (i * 131) % 256))],
  ['a very long line', Buffer.from('A'.repeat(200000) + '\r\n')],
];

for (const [name, bytes] of hostile) {
  test(`a hostile file (${name}) gets fuzzysim's refusal and the page stays usable`, { skip }, async () => {
    await withPage({}, async (page) => {
      const file = join(work, `feindlich.fuz`);
      writeFileSync(file, bytes);
      const native = fuzzysim(['check', file]);
      assert.notEqual(native.status, 0, 'fuzzysim refuses it');
      const first = native.err.split('\n')[0];
      await page.setInputFiles('#oeffnen', file);
      await page.waitForFunction(() => !document.getElementById('meldung').hidden);
      const shown = await page.textContent('#meldung');
      assert.ok(shown.includes(first), `${shown} / ${first}`);
      // Still the truck, still answering.
      assert.equal(await page.evaluate(() => window.fuzzyPage.ctx.name), 'truck.fuz');
      const k = await engineCall(page, 'kennfeld', { nx: 3, ny: 3 });
      assert.ok(k.defined);
    });
  });
}

test('a file over the size bound is refused before it is read', { skip }, async () => {
  await withPage({}, async (page) => {
    const file = join(work, 'gross.fuz');
    writeFileSync(file, Buffer.alloc((1 << 20) + 1, 0x41));
    await page.setInputFiles('#oeffnen', file);
    await page.waitForFunction(() => !document.getElementById('meldung').hidden);
    assert.match(await page.textContent('#meldung'), /gross\.fuz/);
    assert.equal(await page.evaluate(() => window.fuzzyPage.ctx.name), 'truck.fuz');
  });
});

test('hints and the check document are fuzzysim check --json, in English too', { skip }, async () => {
  for (const lang of ['de', 'en']) {
    await withPage({ lang, query: '?beispiel=heizung.fuz' }, async (page) => {
      const view = await page.evaluate(() => window.fuzzyPage.ctx.view);
      const native = fuzzysim(['check', example('heizung.fuz', lang), '--json'], { lang });
      assert.equal(native.status, 0);
      const doc = JSON.parse(native.out.toString('utf8'));
      assert.deepEqual(view.check.hints, doc.hints);
      assert.deepEqual(view.check.noRuleRegions, doc.noRuleRegions);
      await page.evaluate(() => window.fuzzyPage.selectTab('hints'));
      // Every hint of the tool once on the page, in one of its two lists.
      const items = await page.$$eval('#hinweisliste li, #keineregel li', (l) => l.map((x) => x.textContent));
      for (const h of doc.hints) assert.equal(items.filter((x) => x === h).length, 1, h);
    });
  }
});

test('the page speaks the browser language and switches on request', { skip }, async () => {
  await withPage({ lang: 'en' }, async (page) => {
    assert.equal(await page.textContent('#reiter-rules'), 'Rules');
    await page.selectOption('#sprache', 'de');
    await page.waitForFunction(() => document.getElementById('reiter-rules').textContent === 'Regeln');
    assert.equal(await page.getAttribute('html', 'lang'), 'de');
  });
});

for (const format of ['fll', 'fis', 'fcl', 'c']) {
  test(`export as ${format} gives fuzzysim export's file`, { skip }, async () => {
    await withPage({}, async (page) => {
      const r = await page.evaluate((f) => window.fuzzyPage.view('exchange').exportFiles(f), format);
      // The same names in the same folder as on the page.
      copyFileSync(example('truck.fuz'), join(work, 'truck.fuz'));
      const native = fuzzysim(['export', 'truck.fuz', '--to', format, '-o', `truck.${format}`], { cwd: work });
      assert.equal(native.status, 0, native.err);
      const names = format === 'c' ? ['truck.c', 'truck.h'] : [`truck.${format}`];
      assert.deepEqual(Object.keys(r).sort(), names);
      // The C export's comment holds the day each side took from its own
      // clock (a test run over midnight must not fail): that day aside,
      // byte for byte.
      const day = (bytes) => Buffer.from(bytes).toString('latin1').replace(/\d{4}-\d{2}-\d{2}/, 'DAY');
      for (const n of names) assert.equal(day(r[n]), day(readFileSync(join(work, n))), n);
    });
  });
}

test('an exported FLL imported again is the project fuzzysim import makes', { skip }, async () => {
  await withPage({}, async (page) => {
    const fll = join(work, 'truck.fll');
    fuzzysim(['export', example('truck.fuz'), '--to', 'fll', '-o', fll]);
    const fuz = join(work, 'back.fuz');
    const native = fuzzysim(['import', fll, '-o', fuz]);
    assert.equal(native.status, 0, native.err);
    await page.evaluate(() => window.fuzzyPage.selectTab('exchange'));
    await page.setInputFiles('#import-datei', fll);
    await waitForProject(page, 'truck.fuz');
    await page.waitForFunction(() => window.fuzzyPage.ctx.opened === 2);
    const bytes = await page.evaluate(() => Array.from(window.fuzzyPage.ctx.fuz));
    const formatted = fuzzysim(['format', fuz]);
    assert.deepEqual(Buffer.from(bytes), formatted.out);
  });
});

test('the inspector at a point shows the output fuzzysim eval gives there', { skip }, async () => {
  await withPage({}, async (page) => {
    await page.evaluate(() => window.fuzzyPage.ctx.inspectAt('-3.25', '12.5'));
    await page.waitForSelector('#inspektor-ausgang');
    const r = await engineCall(page, 'inspect', { a: '-3.25', b: '12.5' });
    const native = fuzzysim(['eval', example('truck.fuz')], { input: '-3.25 12.5\n' });
    assert.equal(r.output.eval, lines(native.out)[0]);
    assert.ok((await page.textContent('#inspektor-ausgang')).includes(r.output.text));
  });
});

test('the inspector shows 0 where the centroid is zero up to rounding, and keeps the exact value', { skip }, async () => {
  await withPage({ query: '?beispiel=lok.fuz' }, async (page) => {
    await waitForProject(page, 'lok.fuz');
    await page.evaluate(() => window.fuzzyPage.ctx.inspectAt('60', '-70'));
    await page.waitForSelector('#inspektor-ausgang');
    const r = await engineCall(page, 'inspect', { a: '60', b: '-70' });
    const native = fuzzysim(['eval', example('lok.fuz')], { input: '60 -70\n' });
    assert.equal(r.output.eval, lines(native.out)[0]);
    assert.notEqual(Number(r.output.exact), 0);
    assert.equal(r.output.text, '0');
    assert.ok((await page.textContent('#inspektor-ausgang')).endsWith('= 0'));
  });
});

test('the tuner improves within its time and its result opens as a project', { skip }, async () => {
  await withPage({}, async (page) => {
    const r = await page.evaluate(() => window.fuzzyPage.view('tuner').tuneWith({ seconds: '1', seed: '3' }));
    assert.equal(r.status, 0, r.err);
    assert.ok(r.hasResult);
  });
});

test('requests the page never makes are refused, not run: odd axis ranges, edits out of bounds', { skip }, async () => {
  await withPage({}, async (page) => {
    const ticks = await engineCall(page, 'ticks', { ranges: [[1e17, 1e17 + 16], [0, 1e-300], [5, 5], [0, 1, -3], [-1, 1, 1000]] });
    assert.equal(ticks.length, 5);
    for (const list of ticks) assert.ok(list.length <= 42, JSON.stringify(list).slice(0, 80));
    assert.deepEqual(ticks[2], []);
    const refused = await page.evaluate(async () => {
      const c = window.fuzzyPage.ctx;
      const out = [];
      for (const e of [{ op: 'param', var: 'A', term: 9, param: 1, text: '1' }, { op: 'rule', row: 1, col: 1, term: 99 },
        { op: 'param', var: 'X', term: 1, param: 1, text: '1' }, { op: 'param', var: 'A', term: 1, param: 1, text: '1e39' }]) {
        try {
          await c.engine.call('edit', { edits: [e] }, c.fuz);
          out.push('accepted');
        } catch (err) {
          out.push(err.code);
        }
      }
      return out;
    });
    assert.deepEqual(refused, ['badRequest', 'badRequest', 'badRequest', 'notANumber']);
  });
});

// ---- exercises ------------------------------------------------------------------

const aufgaben = root ? join(root, 'examples', 'aufgaben') : '';
// In the order the page lists them (scripts/web.sh bundles them sorted).
const exerciseFiles = skip ? [] : readdirSync(aufgaben).filter((f) => f.endsWith('.fuzaufgabe')).sort();

async function chooseExercise(page, file) {
  await page.evaluate(() => window.fuzzyPage.selectTab('exercises'));
  await page.selectOption('#aufgabe-wahl', String(exerciseFiles.indexOf(file)));
  await page.waitForFunction((f) => {
    const c = window.fuzzyPage.view('exercises').current();
    return c && c.name === f && document.getElementById('aufgabe-titel');
  }, file);
}

async function checkInPage(page) {
  await page.click('#aufgabe-pruefen');
  await page.waitForSelector('#aufgabe-ergebnis', { timeout: 300000 });
  return page.evaluate(() => window.fuzzyPage.view('exercises').last());
}

// The criteria as the page shows them: which, met or not, the measured value's text.
function shownCriteria(page) {
  return page.$$eval('#aufgabe-kriterien tr[data-id]', (rows) =>
    rows.map((r) => ({ id: r.dataset.id, passed: r.dataset.passed === 'true', measured: r.querySelector('.gemessen').textContent })));
}

const attempts = exerciseFiles.flatMap((file) => {
  const base = file.replace(/\.fuzaufgabe$/, '');
  return ['loesung', 'falsch'].map((kind) => ({ file, kind, attempt: readdirSync(aufgaben).find((f) => f.startsWith(`${base}.${kind}.`)) }));
});

for (const { file, kind, attempt } of attempts) {
  test(`exercise ${file}: the ${kind === 'loesung' ? 'reference solution passes' : 'wrong attempt fails'} in the page with fuzzysim aufgabe check's verdict and figures`, { skip }, async () => {
    await withPage({}, async (page) => {
      await chooseExercise(page, file);
      if (attempt.endsWith('.fuz')) {
        await page.setInputFiles('#oeffnen', join(aufgaben, attempt));
        await waitForProject(page, attempt);
      } else {
        await page.setInputFiles('#antwort-datei', join(aufgaben, attempt));
        await page.waitForFunction((a) => document.getElementById('antwort-quelle').textContent.includes(a), attempt);
      }
      const shown = await checkInPage(page);
      const native = fuzzysim(['aufgabe', 'check', file, attempt, '--json'], { cwd: aufgaben });
      assert.equal(native.status, kind === 'loesung' ? 0 : 1, native.err);
      assert.equal(shown.status, native.status);
      const doc = JSON.parse(native.out.toString('utf8'));
      assert.deepEqual(shown.doc, doc);
      assert.equal(await page.getAttribute('#aufgabe-urteil', 'data-verdict'), doc.verdict);
      // The figures as fuzzysim aufgabe check writes them for a person, not the floats of the document.
      assert.deepEqual(await shownCriteria(page), doc.criteria.map((c) => ({ id: c.id, passed: c.passed, measured: `${c.measuredText}${c.unit ? ` ${c.unit}` : ''}` })));
      const hints = await page.$$eval('#aufgabe-hinweise li', (l) => l.map((x) => x.textContent));
      assert.deepEqual(hints, doc.hints);
      if (kind === 'falsch') assert.ok(hints.length > 0, 'hints after a failure');
    });
  });
}

// The answers of a .fuzantwort file as "key = value" per point.
function answersOf(file) {
  const out = {};
  let point = null;
  for (const line of readFileSync(join(aufgaben, file), 'utf8').split('\n')) {
    const s = line.replace(/#.*/, '').trim();
    const section = /^\[(\w+)\]$/.exec(s);
    if (section) point = section[1] === 'antworten' ? null : section[1];
    else if (point && s.includes('=')) (out[point] = out[point] || {})[s.split('=')[0].trim()] = s.split('=')[1].trim();
  }
  return out;
}

for (const attempt of ['01_regelschritt.loesung.fuzantwort', '01_regelschritt.falsch.fuzantwort', '02_termdiagramm.falsch.fuzantwort']) {
  test(`answers typed into the fields (${attempt}) are judged as fuzzysim judges the file`, { skip }, async () => {
    await withPage({}, async (page) => {
      const file = `${attempt.split('.')[0]}.fuzaufgabe`;
      await chooseExercise(page, file);
      for (const [point, values] of Object.entries(answersOf(attempt)))
        for (const [key, value] of Object.entries(values)) await page.fill(`input[data-point="${point}"][data-key="${key}"]`, value);
      const shown = await checkInPage(page);
      const native = fuzzysim(['aufgabe', 'check', file, attempt, '--json'], { cwd: aufgaben });
      assert.equal(shown.status, native.status);
      assert.deepEqual(shown.doc, JSON.parse(native.out.toString('utf8')));
    });
  });
}

for (const lang of ['de', 'en']) {
  test(`an exercise's task and starting project follow the page's language (${lang}) as in fuzzysim`, { skip }, async () => {
    await withPage({ lang }, async (page) => {
      const file = '05_truck_12_regeln.fuzaufgabe';
      await chooseExercise(page, file);
      const native = fuzzysim(['aufgabe', 'check', file, '05_truck_12_regeln.loesung.fuz', '--json'], { cwd: aufgaben, lang });
      assert.equal(await page.textContent('#aufgabe-titel'), JSON.parse(native.out.toString('utf8')).title);
      await page.click('#aufgabe-starten');
      await waitForProject(page, '05_truck_12_regeln.fuz');
      const started = fuzzysim(['aufgabe', 'start', join(aufgaben, file)], { lang });
      assert.equal(started.status, 0, started.err);
      assert.deepEqual(Buffer.from(await page.evaluate(() => Array.from(window.fuzzyPage.ctx.fuz))), started.out);
    });
  });
}

const hostileExercises = skip ? [] : [
  ['empty', Buffer.alloc(0)],
  ['binary', Buffer.from(Array.from({ length: 4096 }, (_, i) => (i * 131) % 256))],
  ['a line too long', Buffer.from(`[aufgabe]\nformat = 1\ntitel.de = ${'x'.repeat(3000)}\n`)],
  ['a number out of range', Buffer.from(readFileSync(join(aufgaben, '05_truck_12_regeln.fuzaufgabe'), 'utf8').replace(/angedockt_min = \d+/, 'angedockt_min = 999'))],
  ['an embedded project the reader refuses', Buffer.from(readFileSync(join(aufgaben, '04_luecke.fuzaufgabe'), 'utf8').replace(/\[projekt\]\n\| [^\n]*\n\| [^\n]*\n/, '[projekt]\n| A\n| 9\n'))],
];

for (const [name, bytes] of hostileExercises) {
  test(`a hostile exercise (${name}) gets fuzzysim's refusal and the page stays usable`, { skip }, async () => {
    await withPage({}, async (page) => {
      const file = join(work, 'feindlich.fuzaufgabe');
      writeFileSync(file, bytes);
      const native = fuzzysim(['aufgabe', 'check', 'feindlich.fuzaufgabe'], { cwd: work });
      assert.equal(native.status, 2, 'fuzzysim refuses it');
      await chooseExercise(page, '04_luecke.fuzaufgabe');
      await page.setInputFiles('#aufgabe-datei', file);
      await page.waitForFunction(() => !document.getElementById('meldung').hidden);
      const shown = await page.textContent('#meldung');
      assert.ok(shown.includes(native.err.split('\n')[0]), `${shown} / ${native.err}`);
      // The exercise before stays, and it is still checked.
      assert.equal(await page.evaluate(() => window.fuzzyPage.view('exercises').current().name), '04_luecke.fuzaufgabe');
      const r = await checkInPage(page);
      assert.ok(r.doc, r.err);
      assert.equal(r.doc.title, await page.textContent('#aufgabe-titel'));
    });
  });
}

// 3 masses at 0.001 s for 600 s: 1.8 M steps, inside the bound, some seconds in the page.
test('a long check is cancelled by its button, and Prüfen starts it again', { skip }, async () => {
  await withPage({}, async (page) => {
    const file = join(work, 'lang.fuzaufgabe');
    writeFileSync(file, readFileSync(join(aufgaben, '03_lok_tabelle.fuzaufgabe'), 'utf8').replace('schritte = 0.055, 0.1', 'schritte = 0.001\nzeit = 600'));
    await chooseExercise(page, '04_luecke.fuzaufgabe');
    await page.setInputFiles('#aufgabe-datei', file);
    await page.waitForFunction(() => window.fuzzyPage.view('exercises').current().name === 'lang.fuzaufgabe');
    await page.click('#aufgabe-starten');
    await waitForProject(page, 'lang.fuz');
    await page.click('#aufgabe-pruefen');
    await page.click('#aufgabe-abbrechen');
    await page.waitForFunction(() => !document.getElementById('aufgabe-abbrechen'));
    assert.equal(await page.$('#aufgabe-ergebnis'), null, 'no verdict from a cancelled check');
    const r = await checkInPage(page);
    assert.ok(r.doc, r.err);
  });
});

test('files of a request go where they are named only, and are gone afterwards', { skip }, async () => {
  await withPage({}, async (page) => {
    const exercise = readFileSync(join(aufgaben, '04_luecke.fuzaufgabe')).toString('base64');
    const codes = await page.evaluate(async (b64) => {
      const c = window.fuzzyPage.ctx;
      const out = [];
      for (const files of [{ '../x.fuz': b64 }, { 'a/b.fuz': b64 }, { '.': b64 }, { '..': b64 }, { 'in.fuz': b64 }, { 'x\u0000.fuz': b64 }, { 'x.fuz': 'not base64!' }]) {
        try {
          await c.engine.call('run', { argv: ['check', 'in.fuz'], files }, c.fuz);
          out.push('accepted');
        } catch (err) {
          out.push(err.code);
        }
      }
      for (const points of [{ 'P1\n[x]': { ausgang: '1' } }, { P1: { ausgang: '1\nhoehe.1 = 2' } }, { P1: { 'hoehe.6': '1' } }, { P1: { 'feuerstaerke.1x2': '1' } }]) {
        try {
          await c.engine.call('answers', { points });
          out.push('accepted');
        } catch (err) {
          out.push(err.code);
        }
      }
      // A further file is removed after its request: `aufgabe start` writes nothing over a file that is still there.
      const first = await c.engine.call('run', { argv: ['check', 'x.fuz'], files: { 'x.fuz': btoa('kein Projekt') } }, c.fuz);
      const start = await c.engine.run(['aufgabe', 'start', 'a.fuzaufgabe', '-o', 'x.fuz'], Uint8Array.from(atob(b64), (ch) => ch.charCodeAt(0)), { input: 'a.fuzaufgabe', read: ['x.fuz'] });
      out.push(first.status, start.status, Object.keys(start.files).join());
      return out;
    }, exercise);
    assert.deepEqual(codes, ['badRequest', 'badRequest', 'badRequest', 'badRequest', 'badRequest', 'badRequest', 'badRequest',
      'badRequest', 'notANumber', 'badRequest', 'badRequest', 1, 0, 'x.fuz']);
  });
});

// A failing run or start opens in its lab as the check ran it.
const labLinkCases = [
  {
    name: 'a locomotive run',
    exercise: '06_schnelle_lok.fuzaufgabe',
    async prepare(page) {
      await page.setInputFiles('#oeffnen', join(aufgaben, '06_schnelle_lok.falsch.fuz'));
      await waitForProject(page, '06_schnelle_lok.falsch.fuz');
    },
    async follow(page, doc) {
      const run = doc.criteria.find((c) => c.runs && c.runs.length).runs[0];
      await page.click('#aufgabe-kriterien button.klein');
      await page.waitForSelector('#lok-zahlen', { timeout: 120000 });
      const shown = await page.evaluate(() => window.fuzzyPage.view('loco').last());
      const native = fuzzysim(['loco', join(aufgaben, '06_schnelle_lok.falsch.fuz'), '--csv', '--mass', String(run.mass), '--dt', String(run.step),
        '--friction', String(run.friction), '--distance', String(run.distance)]);
      assert.equal(native.status, 0, native.err);
      assert.equal(shown.csv, native.out.toString('utf8'));
    },
  },
  {
    name: 'a truck start',
    exercise: '05_truck_12_regeln.fuzaufgabe',
    async prepare(page) {
      await page.click('#aufgabe-starten');
      await waitForProject(page, '05_truck_12_regeln.fuz');
      await page.evaluate(() => window.fuzzyPage.selectTab('rules'));
      await page.selectOption('select[data-row="3"][data-col="3"]', '0');
      await page.waitForFunction(() => window.fuzzyPage.ctx.edits >= 1);
      await page.evaluate(() => window.fuzzyPage.selectTab('exercises'));
    },
    async follow(page, doc) {
      const start = doc.criteria.find((c) => c.starts && c.starts.length).starts[0];
      await page.click('#aufgabe-kriterien button.klein');
      await page.waitForSelector('#truck-schritt', { timeout: 300000 });
      const single = await page.evaluate(() => window.fuzzyPage.view('truck').shownStart());
      assert.equal(single.index, start.index);
      assert.equal(await page.inputValue('#truck-speed'), String(start.speed));
      const track = single.track.length;
      const native = fuzzysim(['truck', join(work, '05_truck_12_regeln.fuz'), '--start', `${start.x},${start.attitude}`, '--speed', String(start.speed), '--csv']);
      assert.equal(native.status, 0, native.err);
      assert.equal(track, lines(native.out).length - 1);
    },
  },
];

for (const c of labLinkCases) {
  test(`a failing criterion's button opens ${c.name} in its lab as the check ran it`, { skip }, async () => {
    await withPage({}, async (page) => {
      await chooseExercise(page, c.exercise);
      await c.prepare(page);
      const shown = await checkInPage(page);
      const project = await page.evaluate(() => ({ name: window.fuzzyPage.ctx.name, bytes: Array.from(window.fuzzyPage.ctx.fuz) }));
      writeFileSync(join(work, project.name), Buffer.from(project.bytes));
      copyFileSync(join(aufgaben, c.exercise), join(work, c.exercise));
      const native = fuzzysim(['aufgabe', 'check', c.exercise, project.name, '--json'], { cwd: work });
      assert.equal(native.status, 1, native.err);
      assert.deepEqual(shown.doc, JSON.parse(native.out.toString('utf8')));
      await c.follow(page, shown.doc);
    });
  });
}

const hostileAnswers = [
  ['binary', Buffer.from(Array.from({ length: 2048 }, (_, i) => (i * 197) % 256))],
  ['a number that is none', Buffer.from('[antworten]\nformat = 1\n\n[P1]\nausgang = zwölf\n')],
  ['an unknown key', Buffer.from('[antworten]\nformat = 1\n\n[P1]\nhoehe.9 = 1\n')],
];

for (const [name, bytes] of hostileAnswers) {
  test(`a hostile answers file (${name}) gets fuzzysim's refusal, and the fields are checked again after it`, { skip }, async () => {
    await withPage({}, async (page) => {
      const file = join(work, 'feindlich.fuzantwort');
      writeFileSync(file, bytes);
      copyFileSync(join(aufgaben, '01_regelschritt.fuzaufgabe'), join(work, '01_regelschritt.fuzaufgabe'));
      const native = fuzzysim(['aufgabe', 'check', '01_regelschritt.fuzaufgabe', 'feindlich.fuzantwort', '--json'], { cwd: work });
      assert.equal(native.status, 2, 'fuzzysim refuses it');
      await chooseExercise(page, '01_regelschritt.fuzaufgabe');
      await page.setInputFiles('#antwort-datei', file);
      await page.waitForFunction(() => document.getElementById('antwort-quelle').textContent.includes('feindlich'));
      await page.click('#aufgabe-pruefen');
      await page.waitForFunction(() => { const l = window.fuzzyPage.view('exercises').last(); return l && l.status === 2; });
      assert.ok((await page.textContent('#meldung')).includes(native.err.split('\n')[0]));
      // Typing into a field takes the fields again: an answer, judged.
      await page.fill('input[data-point="P1"][data-key="ausgang"]', '52,1');
      const r = await checkInPage(page);
      assert.equal(r.status, 1);
      assert.equal(r.doc.criteria.find((c) => c.id === 'hand.output').passed, true);
    });
  });
}

// ---- a refusal's reason, the keyboard, the languages, narrow screens, dropped files ----

// Files the reader refuses: the page shows every line fuzzysim check prints
// about them (the reader's sentence and the line where the file goes wrong),
// as text.
const refusedFiles = [
  ['binary', 'binaer.fuz', Buffer.from(Array.from({ length: 4096 }, (_, i) => (i * 131) % 256)), /Zeile 2:/],
  ['empty', 'leer.fuz', Buffer.alloc(0), /Zeile \d+:/],
  ['a range beyond double precision', 'gross.fuz', Buffer.from('A\r\n1\r\n0\r\n1e400\r\nt\r\n0\r\n0\r\n1\r\n1\r\n1\r\n'), /1e400/],
  ['a truncated project', 'kurz.fuz', null, /Dateiende/],
  ['a name with markup', '<b>fett<i>.fuz', Buffer.from('kein Projekt\r\n'), /<b>fett<i>\.fuz: Zeile/],
];

for (const [name, file, bytes, reason] of refusedFiles) {
  test(`a refused file (${name}) shows every line of fuzzysim check's refusal, as text`, { skip }, async () => {
    await withPage({}, async (page) => {
      writeFileSync(join(work, file), bytes || readFileSync(example('truck.fuz')).subarray(0, 200));
      const native = fuzzysim(['check', file], { cwd: work });
      assert.notEqual(native.status, 0);
      const expected = native.err.split('\n').filter((l) => l);
      assert.ok(expected.some((l) => reason.test(l)), native.err);
      await page.setInputFiles('#oeffnen', join(work, file));
      await page.waitForFunction(() => !document.getElementById('meldung').hidden);
      const shown = await page.textContent('#meldung');
      for (const l of expected) assert.ok(shown.includes(l), `${shown} / ${l}`);
      assert.equal(await page.$eval('#meldung', (m) => m.childElementCount), 0, 'no markup');
    });
  });
}

// Every way to a file picker is a button: reached with Tab, opened with Enter or Space.
const pickerButtons = [
  { name: 'open a project', button: '#oeffnen-knopf', key: 'Enter' },
  { name: 'open an exercise', button: '#aufgabe-oeffnen', key: ' ', exercises: true },
  { name: 'open an answers file', button: '#antwort-oeffnen', key: 'Enter', exercise: '01_regelschritt.fuzaufgabe' },
];

for (const c of pickerButtons) {
  test(`the keyboard reaches "${c.name}" with Tab and opens its picker`, { skip }, async () => {
    await withPage({}, async (page) => {
      if (c.exercise) await chooseExercise(page, c.exercise);
      else if (c.exercises) await page.evaluate(() => window.fuzzyPage.selectTab('exercises'));
      // Listening before any key is pressed: the browser intercepts the picker from then on.
      const opened = new Promise((resolve) => page.once('filechooser', resolve));
      await page.evaluate(() => document.activeElement && document.activeElement.blur());
      let reached = false;
      for (let i = 0; i < 60 && !reached; i++) {
        await page.keyboard.press('Tab');
        reached = await page.evaluate((sel) => document.activeElement === document.querySelector(sel), c.button);
      }
      assert.ok(reached, `${c.button} reached by Tab`);
      await page.keyboard.press(c.key);
      const chooser = await Promise.race([opened, new Promise((resolve) => setTimeout(() => resolve(null), 5000))]);
      assert.ok(chooser, `${c.key} opens the picker`);
    });
  });
}

// The fields of the terms and rules carry names in the page's language.
const fieldLabels = [
  { lang: 'de', tab: 'rules', sel: 'select[data-row="2"][data-col="3"]', want: (p) => `Regel: ${p.A.name} = ${p.A.terms[2].name}, ${p.B.name} = ${p.B.terms[1].name}` },
  { lang: 'en', tab: 'rules', sel: 'select[data-row="2"][data-col="3"]', want: (p) => `Rule: ${p.A.name} = ${p.A.terms[2].name}, ${p.B.name} = ${p.B.terms[1].name}` },
  { lang: 'de', tab: 'terms', sel: 'input[data-role="A"][data-term="2"][data-param="2"]', want: (p) => `Eingang A, Term „${p.A.terms[1].name}“: Ecke b` },
  { lang: 'en', tab: 'terms', sel: 'input[data-role="Out"][data-term="1"][data-param="5"]', want: (p) => `Output, term “${p.Out.terms[0].name}”: height` },
];

for (const c of fieldLabels) {
  test(`a ${c.tab} field is labelled in the page's language (${c.lang})`, { skip }, async () => {
    await withPage({ lang: c.lang }, async (page) => {
      await page.evaluate((tab) => window.fuzzyPage.selectTab(tab), c.tab);
      const view = await page.evaluate(() => window.fuzzyPage.ctx.view);
      assert.equal(await page.getAttribute(c.sel, 'aria-label'), c.want(view));
      // No field of the view without a name.
      const unnamed = await page.$$eval(`#seite-${c.tab} input, #seite-${c.tab} select`, (l) => l.filter((x) => !x.getAttribute('aria-label') && !x.closest('label')).length);
      assert.equal(unnamed, 0);
    });
  });
}

// The locomotive lab's empty fields show fuzzysim's values with the page's
// decimal sign, also after the language is switched.
test('the locomotive lab shows its default step with the decimal sign of the page\'s language', { skip }, async () => {
  await withPage({ lang: 'en' }, async (page) => {
    await page.evaluate(() => window.fuzzyPage.selectTab('loco'));
    await page.waitForFunction(() => document.getElementById('lok-dt').placeholder !== '');
    assert.equal(await page.getAttribute('#lok-dt', 'placeholder'), '0.055');
    await page.selectOption('#sprache', 'de');
    await page.waitForFunction(() => document.getElementById('lok-dt').placeholder === '0,055');
  });
});

// Each language offers its own examples and opens with its own truck.
for (const lang of ['de', 'en']) {
  test(`the page in ${lang} offers the examples of its language`, { skip }, async () => {
    await withPage({ lang }, async (page) => {
      const native = JSON.parse(fuzzysim(['check', example('truck.fuz', lang), '--json'], { lang }).out.toString('utf8'));
      const view = await page.evaluate(() => window.fuzzyPage.ctx.view);
      assert.equal(view.A.name, native.variables.find((v) => v.role === 'A').name);
      const offered = await page.$$eval('#beispiele option', (l) => l.map((o) => o.value).filter((v) => v));
      assert.equal(offered.length, examples.length);
      // Loading one gives that file of the language's set.
      await page.selectOption('#beispiele', String(examples.indexOf('heizung.fuz')));
      await waitForProject(page, 'heizung.fuz');
      const formatted = fuzzysim(['format', example('heizung.fuz', lang)]);
      assert.deepEqual(Buffer.from(await page.evaluate(() => Array.from(window.fuzzyPage.ctx.fuz))), formatted.out);
    });
  });
}

// An error of an earlier request goes once a later one of the same lab succeeds.
const staleErrors = [
  { tab: 'truck', field: '#truck-speed', bad: 'abc', good: '-10', go: '#truck-go', done: '#truck-angedockt' },
  { tab: 'inspector', field: '#inspektor-a', bad: 'abc', good: '1', go: '#seite-inspector button', done: '#inspektor-ausgang' },
];

for (const c of staleErrors) {
  test(`an error in the ${c.tab} view goes after a later valid run`, { skip }, async () => {
    await withPage({}, async (page) => {
      await page.evaluate((tab) => window.fuzzyPage.selectTab(tab), c.tab);
      await page.fill(c.field, c.bad);
      await page.click(c.go);
      await page.waitForFunction(() => !document.getElementById('meldung').hidden);
      assert.match(await page.textContent('#meldung'), /abc/);
      await page.fill(c.field, c.good);
      await page.click(c.go);
      await page.waitForSelector(c.done, { timeout: 300000 });
      await page.waitForFunction(() => document.getElementById('meldung').hidden, null, { timeout: 5000 });
    });
  });
}

// At 768 px the page never scrolls sideways: wide tables scroll in their own box.
for (const lang of ['de', 'en']) {
  test(`at 768 px no view of the page (${lang}) is wider than the window`, { skip }, async () => {
    await withPage({ lang }, async (page) => {
      await page.setViewportSize({ width: 768, height: 900 });
      const ids = await page.$$eval('#reiter button', (l) => l.map((b) => b.id.replace('reiter-', '')));
      const wide = [];
      for (const id of ids) {
        await page.evaluate((v) => window.fuzzyPage.selectTab(v), id);
        if (id === 'exercises') await page.selectOption('#aufgabe-wahl', String(exerciseFiles.indexOf('01_regelschritt.fuzaufgabe')));
        await page.waitForTimeout(300);
        const w = await page.evaluate(() => [document.scrollingElement.scrollWidth, window.innerWidth]);
        if (w[0] > w[1]) wide.push(`${id}: ${w[0]}`);
      }
      assert.deepEqual(wide, []);
    });
  });
}

// A dropped exercise opens as an exercise, by its suffix or its first section; a project still as a project.
const drops = [
  { name: 'an exercise by its suffix', file: '04_luecke.fuzaufgabe', from: '04_luecke.fuzaufgabe', exercise: true },
  { name: 'a renamed exercise by its first section', file: 'aufgabe.txt', from: '01_regelschritt.fuzaufgabe', exercise: true },
  { name: 'a project', file: 'lok.fuz', project: 'lok.fuz', exercise: false },
];

for (const c of drops) {
  test(`dropping ${c.name} opens it as what it is`, { skip }, async () => {
    await withPage({}, async (page) => {
      const bytes = Array.from(readFileSync(c.from ? join(aufgaben, c.from) : example(c.project)));
      await page.evaluate(([name, b]) => {
        const dt = new DataTransfer();
        dt.items.add(new File([new Uint8Array(b)], name));
        window.dispatchEvent(new DragEvent('drop', { dataTransfer: dt, bubbles: true, cancelable: true }));
      }, [c.file, bytes]);
      if (c.exercise) {
        await page.waitForSelector('#aufgabe-titel');
        const native = fuzzysim(['aufgabe', 'check', c.from, ...(c.from.startsWith('01') ? ['01_regelschritt.loesung.fuzantwort'] : ['04_luecke.loesung.fuz']), '--json'], { cwd: aufgaben });
        assert.equal(await page.textContent('#aufgabe-titel'), JSON.parse(native.out.toString('utf8')).title);
        assert.equal(await page.getAttribute('#reiter-exercises', 'aria-selected'), 'true');
        assert.equal(await page.evaluate(() => window.fuzzyPage.ctx.name), 'truck.fuz', 'the project stays');
      } else {
        await waitForProject(page, c.file);
        assert.equal(await page.evaluate(() => window.fuzzyPage.view('exercises').current()), null);
      }
      assert.equal(await page.isHidden('#meldung') || (await page.getAttribute('#meldung', 'class')) === 'info', true);
    });
  });
}
