// Print: the page's worksheet, students' and teacher's sheets printed to PDF
// hold what `werkstatt --blatt` prints (every word and every number but the
// axes' round tick marks), on as many pages, and nothing of the page around them.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { browserSuite, example, root } from './browser.js';

const suite = await browserSuite();
const werkstatt = process.env.WERKSTATT;
const noTools = !werkstatt || !existsSync(werkstatt) ? 'no werkstatt' : spawnSync('pdftotext', ['-v']).error ? 'no pdftotext (poppler-utils)' : null;
if (noTools && !suite.skip && process.env.CI === 'true') throw new Error(`CI=true, and the sheet tests cannot run: ${noTools}`);
const skip = suite.skip || (noTools ? `skipped: ${noTools}` : false);
const aufgaben = root ? join(root, 'examples', 'aufgaben') : '';

function words(pdf) {
  const r = spawnSync('pdftotext', ['-layout', pdf, '-']);
  assert.equal(r.status, 0, String(r.stderr));
  return r.stdout.toString('utf8').split(/\s+/).filter(Boolean);
}

function pages(pdf) {
  return Number(/Pages:\s+(\d+)/.exec(spawnSync('pdfinfo', [pdf]).stdout.toString())[1]);
}

// What may differ: round tick marks of the axes (each side chooses its own),
// a text the Werkstatt shortened (…), and the date of the day each side printed.
const months = /^(Januar|Februar|März|April|Mai|Juni|Juli|August|September|Oktober|November|Dezember|January|February|March|May|June|July|October|December),?$/;
const mayDiffer = (w) => /^[\u2212-]?\d+$/.test(w) || /^\d{1,2}\.$/.test(w) || /^\d{1,2},$/.test(w) || w === '…' || months.test(w);

const sheets = [
  { name: 'the worksheet of the truck', kind: 'project', args: [example('truck.fuz')] },
  { name: 'the worksheet of a project for the locomotive', kind: 'project', lab: 'loco', query: '?beispiel=lok.fuz', args: [example('lok.fuz'), '--fahrzeug', 'lok'] },
  { name: 'the students\' sheet of a hand calculation', kind: 'students', exercise: '01_regelschritt' },
  { name: 'the teacher\'s sheet of a hand calculation', kind: 'teacher', exercise: '01_regelschritt', teacher: true },
  { name: 'the teacher\'s sheet of a truck exercise', kind: 'teacher', exercise: '05_truck_12_regeln', teacher: true },
  { name: 'the teacher\'s sheet of a locomotive exercise', kind: 'teacher', exercise: '06_schnelle_lok', teacher: true },
  { name: 'the students\' sheet of a drawing (in English)', kind: 'students', exercise: '08_sv_kurve', lang: 'en' },
];

for (const c of sheets) {
  test(`${c.name} holds what werkstatt --blatt prints`, { skip }, async () => {
    const lang = c.lang || 'de';
    await suite.withPage({ lang, query: c.query || '' }, async (page) => {
      if (c.exercise) {
        await page.evaluate(() => window.fuzzyPage.selectTab('exercises'));
        const files = await page.evaluate(() => window.fuzzyPage.exercises.map((x) => x.file));
        await page.selectOption('#aufgabe-wahl', String(files.indexOf(`${c.exercise}.fuzaufgabe`)));
        await page.waitForSelector('#aufgabe-titel');
      }
      await page.evaluate(() => window.fuzzyPage.selectTab('sheets'));
      await page.selectOption('#blatt-art', c.kind);
      if (c.lab) await page.selectOption('#blatt-fahrzeug', c.lab);
      await page.waitForFunction(([k, lab]) => {
        const m = window.fuzzyPage.view('sheets').made();
        return m && m.kind === k && m.lab === lab && !m.stale && !document.getElementById('blatt-drucken').disabled;
      }, [c.kind, c.lab || 'truck'], { timeout: 300000 });
      // As "Drucken …" prints it: only the sheet.
      await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
      await page.emulateMedia({ media: 'print' });
      const mine = join(suite.work, `seite-${c.kind}.pdf`);
      await page.pdf({ path: mine, preferCSSPageSize: true });
      const theirs = join(suite.work, `werkstatt-${c.kind}.pdf`);
      const args = c.exercise ? [join(aufgaben, `${c.exercise}.fuzaufgabe`), ...(c.teacher ? ['--loesung'] : [])] : c.args;
      const r = spawnSync(werkstatt, ['--lang', lang, '--blatt', ...args, '-o', theirs], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
      assert.equal(r.status, 0, String(r.stderr));
      const shown = new Set(words(mine));
      const missing = [...new Set(words(theirs))].filter((w) => !shown.has(w) && !mayDiffer(w));
      assert.deepEqual(missing, []);
      assert.equal(pages(mine), pages(theirs), 'as many pages');
      for (const chrome of ['Austausch', 'Exchange', 'Speichern', 'Deutsch']) assert.ok(!shown.has(chrome), `no ${chrome} of the page`);
    });
  });
}

test('without an exercise there is only the worksheet, and an opened exercise brings both of its sheets', { skip }, async () => {
  await suite.withPage({}, async (page) => {
    await page.evaluate(() => window.fuzzyPage.selectTab('sheets'));
    assert.deepEqual(await page.$$eval('#blatt-art option', (l) => l.map((o) => o.value)), ['project']);
    await page.evaluate(() => window.fuzzyPage.selectTab('exercises'));
    await page.selectOption('#aufgabe-wahl', '0');
    await page.waitForSelector('#aufgabe-titel');
    await page.evaluate(() => window.fuzzyPage.selectTab('sheets'));
    assert.deepEqual(await page.$$eval('#blatt-art option', (l) => l.map((o) => o.value)), ['project', 'students', 'teacher']);
  });
});
