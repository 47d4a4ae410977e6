// Every device: at 360 px no view scrolls sideways and the header stays
// compact; on a touch screen every control is at least 44 pixels high.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { browserSuite } from './browser.js';

const suite = await browserSuite();
const { skip } = suite;

const phone = { viewport: { width: 360, height: 800 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 };
const tablet = { viewport: { width: 1024, height: 768 }, hasTouch: true, isMobile: true };

// Every view with its content: an exercise with answer boxes, the labs run.
async function eachView(page, body) {
  const ids = await page.$$eval('#reiter [role=tab]', (l) => l.map((b) => b.id.replace('reiter-', '')));
  for (const id of ids) {
    await page.evaluate((v) => window.fuzzyPage.selectTab(v), id);
    if (id === 'exercises') {
      await page.selectOption('#aufgabe-wahl', '0');
      await page.waitForSelector('input[data-point="P1"]');
      // The exercises listed by their titles, and a verdict with its table.
      await page.waitForFunction(() => !/\.fuzaufgabe$/.test(document.querySelector('#aufgabe-wahl option[value="0"]').textContent));
      await page.evaluate(() => window.fuzzyPage.view('exercises').check());
    }
    if (id === 'truck') {
      await page.click('#truck-go');
      await page.waitForSelector('#truck-angedockt', { timeout: 300000 });
    }
    await page.waitForTimeout(250);
    await body(id);
  }
}

for (const lang of ['de', 'en']) {
  test(`at 360 px no view scrolls sideways, and header and tabs take little height (${lang})`, { skip }, async () => {
    await suite.withPage({ lang, device: phone }, async (page) => {
      const top = await page.evaluate(() => document.getElementById('seiten').getBoundingClientRect().top);
      assert.ok(top <= 140, `the views start ${top} px down`);
      const wide = [];
      await eachView(page, async (id) => {
        const [w, inner] = await page.evaluate(() => [document.scrollingElement.scrollWidth, window.innerWidth]);
        if (w > inner) wide.push(`${id}: ${w}`);
      });
      assert.deepEqual(wide, []);
    });
  });
}

test('on a touch screen every control of every view is at least 44 px high', { skip }, async () => {
  await suite.withPage({ device: tablet }, async (page) => {
    const small = [];
    await eachView(page, async (id) => {
      const found = await page.evaluate(() => {
        const out = [];
        const visible = (e) => {
          const r = e.getBoundingClientRect();
          return r.width > 0 && r.height > 0 && getComputedStyle(e).visibility !== 'hidden';
        };
        for (const e of document.querySelectorAll('button, select, input, [role=slider], [role=tab]')) {
          if (!visible(e) || e.closest('[hidden]')) continue;
          // A checkbox or radio button counts with its label, a handle with the reach a finger has.
          const box = (e.type === 'checkbox' || e.type === 'radio') && e.closest('label') ? e.closest('label') : e;
          const h = e.getAttribute('role') === 'slider' ? 48 : box.getBoundingClientRect().height;
          if (h < 44) out.push(`${e.id || e.dataset.focus || e.textContent.trim().slice(0, 20) || e.tagName}: ${Math.round(h)}`);
        }
        return out;
      });
      for (const f of found) small.push(`${id}: ${f}`);
    });
    assert.deepEqual(small, []);
  });
});
