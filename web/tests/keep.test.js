// Work is never lost: what the browser keeps comes back after a reload or a
// crash (or is discarded on request), leaving with unsaved work asks first,
// and "Antworten speichern" writes what the Werkstatt's panel writes.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { readFileSync } from 'node:fs';
import { browserSuite, openPage, waitForProject, werkstattAnswers, example, root } from './browser.js';

const suite = await browserSuite();
const { skip } = suite;
const aufgaben = root ? join(root, 'examples', 'aufgaben') : '';

const bytesOf = (page) => page.evaluate(() => Array.from(window.fuzzyPage.ctx.fuz));

// Two pages of one browser profile, as a tab and the tab after it.
async function profile(body) {
  const first = await openPage(suite.chrome.browser, {});
  try {
    await body(first.context, first.page);
  } finally {
    await first.context.close();
  }
}

// Removes the first term of the truck's input A.
async function removeTerm(page) {
  await page.evaluate(() => window.fuzzyPage.selectTab('terms'));
  await page.click('#term-weg-A');
  await page.waitForFunction(() => window.fuzzyPage.ctx.edits >= 1);
  await page.evaluate(() => window.fuzzyPage.ctx.queue);
  return bytesOf(page);
}

// After a reload, and after a tab that died without a word.
const ends = [
  { name: 'a reload', end: async (context, page) => { await page.reload(); await waitForProject(page); return page; } },
  {
    name: 'a crash',
    end: async (context, page) => {
      const url = page.url();
      await page.close({ runBeforeUnload: false });
      const next = await context.newPage();
      await next.goto(url);
      await waitForProject(next);
      return next;
    },
  },
];

for (const c of ends) {
  test(`after ${c.name} the edits come back with their history`, { skip }, async () => {
    await profile(async (context, page) => {
      const original = await bytesOf(page);
      const edited = await removeTerm(page);
      const next = await c.end(context, page);
      await next.waitForSelector('#wiederherstellen:not([hidden])');
      assert.match(await next.textContent('#wiederherstellen'), /truck\.fuz/);
      await next.click('#wiederherstellen-ja');
      await next.waitForFunction((n) => window.fuzzyPage.ctx.view.A.terms.length === n, 4);
      assert.deepEqual(await bytesOf(next), edited);
      assert.match(await next.textContent('#dateiname'), /\*/, 'still unsaved');
      await next.click('#rueckgaengig');
      await next.waitForFunction((n) => window.fuzzyPage.ctx.view.A.terms.length === n, 5);
      assert.deepEqual(await bytesOf(next), original);
    });
  });
}

test('discarded work does not come back', { skip }, async () => {
  await profile(async (context, page) => {
    const original = await bytesOf(page);
    await removeTerm(page);
    await page.reload();
    await waitForProject(page);
    await page.click('#wiederherstellen-nein');
    assert.deepEqual(await bytesOf(page), original);
    await page.reload();
    await waitForProject(page);
    await page.waitForTimeout(300);
    assert.equal(await page.isHidden('#wiederherstellen'), true);
  });
});

test('opening the same file again offers the changes kept for it', { skip }, async () => {
  await profile(async (context, page) => {
    const edited = await removeTerm(page);
    await page.selectOption('#beispiele', '1');
    await waitForProject(page, 'lok.fuz');
    await page.selectOption('#beispiele', '0');
    await waitForProject(page, 'truck.fuz');
    await page.click('#wiederherstellen-ja');
    await page.waitForFunction((n) => window.fuzzyPage.ctx.view.A.terms.length === n, 4);
    assert.deepEqual(await bytesOf(page), edited);
  });
});

// The answers of exercise 01's reference solution, as a student types them.
const answers01 = [['P1', 'zugehoerigkeit.a.2', '0,4'], ['P1', 'ausgang', '52,1'], ['P1', 'feuerstaerke.1.2', '0,25']];

async function typeAnswers(page) {
  await page.evaluate(() => window.fuzzyPage.selectTab('exercises'));
  await page.selectOption('#aufgabe-wahl', '0');
  await page.waitForSelector('input[data-point="P1"]');
  for (const [point, key, text] of answers01) {
    const box = `input[data-point="${point}"][data-key="${key}"]`;
    if (await page.$(box)) await page.fill(box, text);
  }
}

test('typed answers come back after a reload, with the exercise', { skip }, async () => {
  await profile(async (context, page) => {
    await typeAnswers(page);
    await page.waitForTimeout(500);
    await page.reload();
    await waitForProject(page);
    await page.waitForSelector('#wiederherstellen:not([hidden])');
    await page.click('#wiederherstellen-ja');
    await page.waitForSelector('input[data-point="P1"]');
    for (const [point, key, text] of answers01) {
      const box = `input[data-point="${point}"][data-key="${key}"]`;
      if (await page.$(box)) assert.equal(await page.inputValue(box), text, key);
    }
  });
});

// Leaving asks first while something is not saved to a file, and only then.
const leaving = [
  { name: 'an edited project', act: removeTerm, asks: true },
  { name: 'typed answers', act: typeAnswers, asks: true },
  { name: 'nothing changed', act: async () => {}, asks: false },
  { name: 'a project saved after its edit', act: async (page) => { await removeTerm(page); await Promise.all([page.waitForEvent('download'), page.click('#speichern')]); }, asks: false },
];

for (const c of leaving) {
  test(`leaving the page with ${c.name} ${c.asks ? 'asks first' : 'does not ask'}`, { skip }, async () => {
    await profile(async (context, page) => {
      await c.act(page);
      let asked = false;
      page.on('dialog', async (d) => {
        asked = d.type() === 'beforeunload';
        await d.dismiss();
      });
      // A page only asks after the user did something in it.
      await page.mouse.click(5, 300);
      await page.close({ runBeforeUnload: true });
      await new Promise((resolve) => setTimeout(resolve, 500));
      assert.equal(asked, c.asks);
    });
  });
}

test('"Antworten speichern" writes the bytes the Werkstatt\'s exercise panel writes', { skip }, async () => {
  await suite.withPage({}, async (page) => {
    await typeAnswers(page);
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#antwort-speichern')]);
    assert.equal(download.suggestedFilename(), '01_regelschritt.fuzantwort');
    const saved = readFileSync(await download.path());
    const typed = [];
    for (const a of answers01) if (await page.$(`input[data-point="${a[0]}"][data-key="${a[1]}"]`)) typed.push(a);
    assert.equal(typed.length, answers01.length, 'every answer has its box');
    assert.deepEqual(saved, werkstattAnswers(join(aufgaben, '01_regelschritt.fuzaufgabe'), typed, suite.work));
    // Saved: leaving no longer asks about them.
    assert.equal(await page.evaluate(() => window.fuzzyPage.view('exercises').unsavedAnswers()), false);
  });
});

test('answers that are no number are not saved, and the page says which', { skip }, async () => {
  await suite.withPage({}, async (page) => {
    await typeAnswers(page);
    await page.fill('input[data-point="P1"][data-key="ausgang"]', 'zwölf');
    let downloaded = false;
    page.on('download', () => { downloaded = true; });
    await page.click('#antwort-speichern');
    await page.waitForSelector('#meldung:not([hidden])');
    assert.match(await page.textContent('#meldung'), /zwölf/);
    assert.equal(downloaded, false);
  });
});

test('a dropped answers file goes to its exercise and fills the boxes', { skip }, async () => {
  await suite.withPage({}, async (page) => {
    await page.evaluate(() => window.fuzzyPage.selectTab('exercises'));
    await page.selectOption('#aufgabe-wahl', '0');
    await page.waitForSelector('input[data-point="P1"]');
    const file = '01_regelschritt.loesung.fuzantwort';
    const bytes = Array.from(readFileSync(join(aufgaben, file)));
    await page.evaluate(([name, b]) => {
      const dt = new DataTransfer();
      dt.items.add(new File([new Uint8Array(b)], name));
      window.dispatchEvent(new DragEvent('drop', { dataTransfer: dt, bubbles: true, cancelable: true }));
    }, [file, bytes]);
    await page.waitForFunction((f) => document.getElementById('antwort-quelle').textContent.includes(f), file);
    assert.notEqual(await page.inputValue('input[data-point="P1"][data-key="ausgang"]'), '');
    assert.equal(await page.evaluate(() => window.fuzzyPage.ctx.name), 'truck.fuz', 'not opened as a project');
  });
});

test('a dropped FLL file is imported as fuzzysim imports it', { skip }, async () => {
  await suite.withPage({}, async (page) => {
    const { fuzzysim } = await import('./browser.js');
    const fll = join(suite.work, 'heizung.fll');
    fuzzysim(['export', example('heizung.fuz'), '--to', 'fll', '-o', fll]);
    const bytes = Array.from(readFileSync(fll));
    await page.evaluate(([name, b]) => {
      const dt = new DataTransfer();
      dt.items.add(new File([new Uint8Array(b)], name));
      window.dispatchEvent(new DragEvent('drop', { dataTransfer: dt, bubbles: true, cancelable: true }));
    }, ['heizung.fll', bytes]);
    await waitForProject(page, 'heizung.fuz');
    const back = join(suite.work, 'heizung-zurueck.fuz');
    assert.equal(fuzzysim(['import', fll, '-o', back]).status, 0);
    assert.deepEqual(Buffer.from(await bytesOf(page)), fuzzysim(['format', back]).out);
  });
});
