// The classroom in the page against fuzzysim: the class tab shows the very
// table `fuzzysim aufgabe auswerten --json` prints for the same files, a
// hand-in downloaded from the page is one fuzzysim marks as its project, and a
// click on a name opens that hand-in with its failing run.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync, mkdtempSync, rmSync } from 'node:fs';
import { spawnSync } from 'node:child_process';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { missing, launch, openPage, fuzzysimBin, waitForProject, root } from './browser.js';

const why = missing();
if (why && process.env.CI === 'true') throw new Error(`CI=true, and the browser tests cannot run: ${why}`);
const skip = why ? `browser tests skipped: ${why}` : false;

let chrome;
let work;
const aufgaben = root ? join(root, 'examples', 'aufgaben') : '';

// fuzzysim at a fixed moment, in the class's folder.
function tool(args) {
  const r = spawnSync(fuzzysimBin, args, { cwd: work, env: { ...process.env, SOURCE_DATE_EPOCH: '1741944600' }, maxBuffer: 64 << 20 });
  return { status: r.status, out: r.stdout.toString('utf8'), err: r.stderr.toString('utf8') };
}

// A class of 03: good, wrong, a student twice, one for 05, one that is no hand-in.
const handIns = ['anna.fuzabgabe', 'ben.fuzabgabe', 'ben2.fuzabgabe', 'fremd.fuzabgabe', 'kaputt.fuzabgabe'];

before(async () => {
  if (skip) return;
  chrome = await launch();
  work = mkdtempSync(join(tmpdir(), 'fuzzy-klasse-test-'));
  const make = (out, name, id, ex, project) => {
    const r = tool(['aufgabe', 'abgabe', join(aufgaben, `${ex}.fuzaufgabe`), join(aufgaben, project), '--name', name, '--klasse', '10b', '--id', id, '-o', out]);
    assert.equal(r.status, 0, r.err);
  };
  make('anna.fuzabgabe', 'Anna Berg', '4711', '03_lok_tabelle', '03_lok_tabelle.loesung.fuz');
  make('ben.fuzabgabe', 'Ben Ulm', '4712', '03_lok_tabelle', '03_lok_tabelle.falsch.fuz');
  make('ben2.fuzabgabe', 'Ben Ulm', '4712', '03_lok_tabelle', '03_lok_tabelle.loesung.fuz');
  make('fremd.fuzabgabe', 'Dora Fremd', '4714', '05_truck_12_regeln', '05_truck_12_regeln.loesung.fuz');
  writeFileSync(join(work, 'kaputt.fuzabgabe'), '[abgabe]\nformat = 1\nname = \n');
});
after(async () => {
  if (chrome) await chrome.close();
  if (work) rmSync(work, { recursive: true, force: true });
});

async function withPage(body) {
  const p = await openPage(chrome.browser, {});
  try {
    await body(p.page);
    assert.deepEqual(p.errors, [], 'no console errors');
  } finally {
    await p.context.close();
  }
}

async function markedClass(page) {
  await page.evaluate(() => window.fuzzyPage.selectTab('klasse'));
  await page.setInputFiles('#klasse-aufgabe-datei', join(aufgaben, '03_lok_tabelle.fuzaufgabe'));
  await page.setInputFiles('#klasse-dateien', handIns.map((f) => join(work, f)));
  await page.waitForSelector('#klasse-tabelle', { timeout: 300000 });
  return page.evaluate(() => window.fuzzyPage.view('klasse').doc());
}

test('the class tab shows the table fuzzysim aufgabe auswerten prints for the same files', { skip }, async () => {
  const native = tool(['aufgabe', 'auswerten', join(aufgaben, '03_lok_tabelle.fuzaufgabe'), ...handIns, '--json']);
  assert.equal(native.status, 1, 'hand-ins that need the teacher');
  const doc = JSON.parse(native.out);
  await withPage(async (page) => {
    const shown = await markedClass(page);
    assert.deepEqual(shown, doc);
    // The table's cells are that document's: the names and the points, row by row.
    const cells = await page.$$eval('#klasse-tabelle tbody tr', (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent)));
    assert.deepEqual(cells.map((c) => c[0]), doc.rows.map((r) => r.name ?? r.file));
    assert.deepEqual(cells.map((c) => c[5].split(' / ')[0]), doc.rows.map((r) => r.pointsText));
    assert.deepEqual(await page.$$eval('#klasse-tabelle tr.nachsehen', (r) => r.length), 4, 'both of the duplicate, foreign, unreadable in bold');
    // The gradebook's file is fuzzysim's, byte for byte.
    assert.equal(tool(['aufgabe', 'auswerten', join(aufgaben, '03_lok_tabelle.fuzaufgabe'), ...handIns, '--moodle', 'noten.csv']).status, 1);
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#klasse-notenbuch')]);
    assert.equal(download.suggestedFilename(), '03_lok_tabelle-noten.csv');
    assert.deepEqual(readFileSync(await download.path()), readFileSync(join(work, 'noten.csv')));
  });
});

test('a click on a column sorts the rows, a second click the other way', { skip }, async () => {
  await withPage(async (page) => {
    const doc = await markedClass(page);
    const names = () => page.$$eval('#klasse-tabelle tbody tr', (rows) => rows.map((r) => r.cells[0].textContent));
    const byName = doc.rows.map((r) => r.name ?? r.file).sort((a, b) => (a.toLowerCase() < b.toLowerCase() ? -1 : a.toLowerCase() > b.toLowerCase() ? 1 : 0));
    await page.click('#klasse-tabelle th:nth-child(1) button');
    assert.deepEqual(await names(), byName);
    await page.click('#klasse-tabelle th:nth-child(1) button');
    assert.deepEqual((await names()).slice().reverse(), byName);
  });
});

test('a hand-in downloaded from the page is marked as fuzzysim marks its project', { skip }, async () => {
  await withPage(async (page) => {
    await page.evaluate(() => window.fuzzyPage.selectTab('exercises'));
    await page.setInputFiles('#aufgabe-datei', join(aufgaben, '03_lok_tabelle.fuzaufgabe'));
    await page.waitForSelector('#abgeben');
    await page.setInputFiles('#oeffnen', join(aufgaben, '03_lok_tabelle.loesung.fuz'));
    await waitForProject(page, '03_lok_tabelle.loesung.fuz');
    await page.fill('#abgabe-name', 'Jörg Maß');
    await page.fill('#abgabe-klasse', '10b');
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#abgeben')]);
    assert.equal(download.suggestedFilename(), 'Joerg_Mass-03_lok_tabelle.fuzabgabe');
    const file = join(work, 'aus-der-seite.fuzabgabe');
    writeFileSync(file, readFileSync(await download.path()));
    const r = tool(['aufgabe', 'auswerten', join(aufgaben, '03_lok_tabelle.fuzaufgabe'), file, '--json']);
    assert.equal(r.status, 0, r.out);
    const row = JSON.parse(r.out).rows[0];
    assert.equal(row.name, 'Jörg Maß');
    assert.equal(row.state, 'passed');
  });
});

test('a click on a name opens the hand-in in the exercise with its failing run', { skip }, async () => {
  await withPage(async (page) => {
    const doc = await markedClass(page);
    const ben = doc.rows.findIndex((r) => r.file === 'ben.fuzabgabe');
    await page.click(`#klasse-tabelle tr[data-row="${ben}"] td.name button`);
    await page.waitForFunction(() => {
      const l = window.fuzzyPage.view('exercises').last();
      return l && l.doc && document.getElementById('seite-loco') && !document.getElementById('seite-loco').hidden;
    }, null, { timeout: 300000 });
    const last = await page.evaluate(() => window.fuzzyPage.view('exercises').last().doc.verdict);
    assert.equal(last, 'failed');
    assert.equal(await page.evaluate(() => window.fuzzyPage.ctx.name), 'Ben Ulm.fuz');
  });
});
