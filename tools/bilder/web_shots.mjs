// Pictures of the browser page in both languages, for the README (run by
// hand after scripts/web.sh and `cd web && npm ci`):
//   node tools/bilder/web_shots.mjs [DIR]      (default docs/web)
import { chromium } from '../../web/node_modules/playwright-core/index.mjs';
import { mkdirSync, mkdtempSync, rmSync, existsSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { tmpdir } from 'node:os';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = join(dirname(fileURLToPath(import.meta.url)), '../..');
const out = process.argv[2] || join(root, 'docs/web');
const chrome = ['/usr/lib/chromium/chromium', '/usr/bin/chromium'].find(existsSync);
const browser = await chromium.launch({ executablePath: chrome, headless: true,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'] });
const url = (q) => pathToFileURL(join(root, 'build/web/site/index.html')).href + q;

async function shoot(lang, name, query, prepare) {
  const context = await browser.newContext({ locale: lang === 'en' ? 'en-GB' : 'de-DE', viewport: { width: 1280, height: 860 } });
  const page = await context.newPage();
  await page.goto(url(query));
  await page.waitForFunction(() => window.fuzzyPage && window.fuzzyPage.ctx.view);
  await page.evaluate(() => window.fuzzyPage.message(''));
  await prepare(page);
  await page.waitForTimeout(300);
  mkdirSync(join(out, lang), { recursive: true });
  await page.screenshot({ path: join(out, lang, `${name}.png`) });
  await context.close();
}

try {
  for (const lang of ['de', 'en']) {
    await shoot(lang, 'variablen', '', async () => {});
    await shoot(lang, 'regeln', '', (p) => p.evaluate(() => window.fuzzyPage.selectTab('rules')));
    await shoot(lang, 'kennfeld', '', async (p) => {
      await p.evaluate(() => window.fuzzyPage.selectTab('kennfeld'));
      await p.waitForSelector('#kennfeld-bild');
    });
    await shoot(lang, 'inspektor', '', async (p) => {
      await p.evaluate(() => window.fuzzyPage.ctx.inspectAt('-4', '15'));
      await p.waitForSelector('#inspektor-ausgang');
    });
    await shoot(lang, 'hinweise', '?beispiel=heizung.fuz', (p) => p.evaluate(() => window.fuzzyPage.selectTab('hints')));
    await shoot(lang, 'truck', '', async (p) => {
      await p.evaluate(async () => {
        window.fuzzyPage.selectTab('truck');
        const v = window.fuzzyPage.view('truck');
        await v.runGrid();
        await v.runStart(40);
      });
      await p.waitForSelector('#truck-schritt');
    });
    await shoot(lang, 'lok', '?beispiel=lok.fuz', async (p) => {
      await p.evaluate(() => window.fuzzyPage.selectTab('loco'));
      await p.click('#lok-go');
      await p.waitForSelector('#lok-zahlen');
    });
  }
} finally {
  await browser.close();
}
