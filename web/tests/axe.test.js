// Everyone: every view of the page, in both languages, passes axe-core with
// no serious or critical violation, with its content shown (an exercise
// open and checked, the labs run, the range question asked).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { browserSuite } from './browser.js';

const suite = await browserSuite();
const { skip } = suite;
const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

// Each view with what it shows when a student has used it.
const views = [
  { id: 'exercises', prepare: async (page) => { await page.selectOption('#aufgabe-wahl', '0'); await page.waitForSelector('#aufgabe-titel'); await page.evaluate(() => window.fuzzyPage.view('exercises').check()); } },
  { id: 'terms' },
  { id: 'rules' },
  { id: 'kennfeld', prepare: (page) => page.waitForSelector('#kennfeld-bild', { timeout: 60000 }) },
  { id: 'inspector', prepare: (page) => page.waitForSelector('#inspektor-ausgang') },
  { id: 'hints' },
  { id: 'truck', prepare: async (page) => { await page.click('#truck-go'); await page.waitForSelector('#truck-angedockt', { timeout: 300000 }); } },
  { id: 'loco', prepare: async (page) => { await page.click('#lok-go'); await page.waitForSelector('#lok-zahlen', { timeout: 120000 }); } },
  { id: 'drive', prepare: async (page) => { await page.click('#fahrt-setzen'); await page.click('#fahrt-start'); await page.waitForTimeout(400); await page.click('#fahrt-stop'); } },
  { id: 'pemrak', prepare: async (page) => {
    await page.evaluate(() => { const v = window.fuzzyPage.view('pemrak'); v.pace = 0; v.setMode(true); });
    await page.fill('#lokfahrt-masse', '2');
    await page.click('#lokfahrt-start');
    await page.waitForSelector('#lokfahrt-diagramm', { timeout: 120000 });
  } },
  { id: 'exchange', prepare: (page) => page.click('#export-fll') },
  { id: 'tuner' },
  { id: 'sheets' },
  { id: 'klasse', prepare: async (page) => {
    await page.selectOption('#klasse-aufgabe-wahl', { label: '03_lok_tabelle.fuzaufgabe' });
    await page.setInputFiles('#klasse-dateien', [{ name: 'kaputt.fuzabgabe', mimeType: 'text/plain', buffer: Buffer.from('[abgabe]\n') }]);
    await page.waitForSelector('#klasse-tabelle', { timeout: 120000 });
  } },
];

async function serious(page) {
  await page.addScriptTag({ path: axePath });
  const r = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'], preload: false }));
  return r.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.id}: ${v.nodes.slice(0, 3).map((n) => n.target.join(' ')).join(' | ')}`);
}

for (const lang of ['de', 'en']) {
  test(`every view passes axe-core without a serious violation (${lang})`, { skip }, async () => {
    await suite.withPage({ lang }, async (page) => {
      const found = [];
      const tabs = await page.$$eval('#reiter [role=tab]', (l) => l.map((b) => b.id.replace('reiter-', '')));
      for (const id of tabs) {
        await page.evaluate((v) => window.fuzzyPage.selectTab(v), id);
        const v = views.find((x) => x.id === id);
        if (v && v.prepare) await v.prepare(page);
        await page.waitForTimeout(200);
        for (const problem of await serious(page)) found.push(`${id}: ${problem}`);
      }
      assert.deepEqual(found, []);
      assert.deepEqual(tabs.filter((id) => !views.some((v) => v.id === id)), [], 'every view is prepared here');
    });
  });

  test(`the question about a range and the offer to restore pass axe-core (${lang})`, { skip }, async () => {
    await suite.withPage({ lang }, async (page) => {
      await page.evaluate(() => window.fuzzyPage.selectTab('terms'));
      await page.evaluate(() => window.fuzzyPage.ctx.banner('…', () => {}, () => {}));
      await page.fill('[data-focus="A:min"]', '-30');
      await page.press('[data-focus="A:min"]', 'Enter');
      await page.waitForSelector('dialog.frage[open]');
      assert.deepEqual(await serious(page), []);
      await page.click('#frage-abbrechen');
    });
  });
}
