// The page in headless Chromium against fuzzysim and the project writer:
// the same numbers to the last bit, the same saved bytes, the same refusals.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync, mkdtempSync, rmSync, copyFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { missing, launch, openPage, engineCall, fuzzysim, examples, example, editReference, waitForProject } from './browser.js';

const why = missing();
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

function lines(buffer) {
  return buffer.toString('utf8').split('\n').filter((l) => l !== '');
}

test('the Kennfeld of every example equals fuzzysim eval on 41 x 41 points, bit for bit', { skip }, async () => {
  await withPage({}, async (page) => {
    for (const name of examples) {
      const k = await engineCall(page, 'kennfeld', { nx: 41, ny: 41 }, name);
      assert.ok(k.defined, name);
      const input = [];
      for (let j = 0; j < k.ny; j++) for (let i = 0; i < k.nx; i++) input.push(k.twoInputs ? `${k.a[i]} ${k.b[j]}` : k.a[i]);
      const r = fuzzysim(['eval', example(name)], { input: input.join('\n') + '\n' });
      assert.equal(r.status, 0, r.err);
      assert.deepEqual(k.eval, lines(r.out), name);
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
    assert.equal(await page.textContent('#lok-zahlen'), native.err);
  });
});

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
      const native = fuzzysim(['check', example('heizung.fuz'), '--json'], { lang });
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
      for (const n of names) assert.deepEqual(Buffer.from(r[n]), readFileSync(join(work, n)), n);
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
