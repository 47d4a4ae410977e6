// Pictures of every view of the built page on the four devices a class
// uses, in both languages, to look at by eye (run by hand, after
// scripts/web.sh; the same environment as tests/web/run.sh sets):
//   node tools/bilder/web_geraete.mjs OUTDIR [VIEW ...]
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { launch, openPage } from '../../web/tests/browser.js';

const devices = {
  '1366x768': { viewport: { width: 1366, height: 768 } },
  '1024x768-touch': { viewport: { width: 1024, height: 768 }, hasTouch: true, isMobile: true },
  '768x1024': { viewport: { width: 768, height: 1024 }, hasTouch: true, isMobile: true },
  '360x800': { viewport: { width: 360, height: 800 }, hasTouch: true, isMobile: true, deviceScaleFactor: 1 },
};

// What a student has done in each view before looking at it.
const prepare = {
  exercises: async (page) => { await page.selectOption('#aufgabe-wahl', '0'); await page.waitForSelector('#aufgabe-titel'); await page.evaluate(() => window.fuzzyPage.view('exercises').check()); },
  kennfeld: (page) => page.waitForSelector('#kennfeld-bild', { timeout: 60000 }),
  inspector: (page) => page.waitForSelector('#inspektor-ausgang'),
  truck: async (page) => { await page.click('#truck-go'); await page.waitForSelector('#truck-angedockt', { timeout: 300000 }); },
  loco: async (page) => { await page.click('#lok-go'); await page.waitForSelector('#lok-zahlen', { timeout: 120000 }); },
  exchange: (page) => page.click('#export-fll'),
};

const [out = '/tmp/bilder', ...only] = process.argv.slice(2);
mkdirSync(out, { recursive: true });
const chrome = await launch();
try {
  for (const lang of ['de', 'en']) {
    for (const [name, device] of Object.entries(devices)) {
      const { page, context } = await openPage(chrome.browser, { lang, device });
      const ids = await page.$$eval('#reiter [role=tab]', (l) => l.map((b) => b.id.replace('reiter-', '')));
      for (const id of ids) {
        if (only.length && !only.includes(id)) continue;
        await page.evaluate((v) => window.fuzzyPage.selectTab(v), id);
        if (prepare[id]) await prepare[id](page);
        await page.waitForTimeout(300);
        await page.evaluate(() => window.scrollTo(0, 0));
        await page.screenshot({ path: join(out, `${id}-${name}-${lang}.png`), fullPage: true });
      }
      await context.close();
    }
  }
} finally {
  await chrome.close();
}
