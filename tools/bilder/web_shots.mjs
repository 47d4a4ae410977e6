// Pictures of the browser page in both languages, for web/README.md (run by
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

async function shoot(lang, name, query, prepare, { fullPage = false } = {}) {
  const context = await browser.newContext({ locale: lang === 'en' ? 'en-GB' : 'de-DE', viewport: { width: 1280, height: 860 } });
  const page = await context.newPage();
  await page.goto(url(query));
  await page.waitForFunction(() => window.fuzzyPage && window.fuzzyPage.ctx.view);
  await page.evaluate(() => window.fuzzyPage.message(''));
  await prepare(page);
  await page.waitForTimeout(300);
  mkdirSync(join(out, lang), { recursive: true });
  await page.screenshot({ path: join(out, lang, `${name}.png`), fullPage });
  await context.close();
}

// Chooses a built-in exercise by its file name.
async function chooseExercise(p, file) {
  await p.evaluate(() => window.fuzzyPage.selectTab('exercises'));
  const files = await p.evaluate(() => window.fuzzyPage.exercises.map((x) => x.file));
  await p.selectOption('#aufgabe-wahl', String(files.indexOf(file)));
  await p.waitForSelector('#aufgabe-titel');
}

async function checkExercise(p) {
  await p.click('#aufgabe-pruefen');
  await p.waitForSelector('#aufgabe-ergebnis', { timeout: 300000 });
}

const aufgaben = join(root, 'examples/aufgaben');

try {
  for (const lang of ['de', 'en']) {
    await shoot(lang, 'aufgabe-fehlversuch', '', async (p) => {
      await chooseExercise(p, '06_schnelle_lok.fuzaufgabe');
      await p.setInputFiles('#oeffnen', join(aufgaben, '06_schnelle_lok.falsch.fuz'));
      await p.waitForFunction(() => window.fuzzyPage.ctx.name.includes('falsch'));
      await p.evaluate(() => window.fuzzyPage.message(''));
      await checkExercise(p);
    }, { fullPage: true });
    await shoot(lang, 'aufgabe-handrechnung', '', async (p) => {
      await chooseExercise(p, '01_regelschritt.fuzaufgabe');
      const values = { 'zugehoerigkeit.a.2': '0,6', 'zugehoerigkeit.a.3': '0,4', 'zugehoerigkeit.b.1': '0,5', 'zugehoerigkeit.b.2': '0,5',
        'feuerstaerke.1.2': '0,5', 'feuerstaerke.2.2': '0,5', 'feuerstaerke.1.3': '0,4', 'feuerstaerke.2.3': '0,4',
        'hoehe.1': '0,4', 'hoehe.2': '0,5', 'hoehe.3': '0,5', ausgang: '52,1' };
      for (const [key, value] of Object.entries(values)) await p.fill(`input[data-point="P1"][data-key="${key}"]`, lang === 'en' ? value.replace(',', '.') : value);
      await p.fill('input[data-point="P1"][data-key="zugehoerigkeit.a.1"]', '0');
      await p.fill('input[data-point="P1"][data-key="zugehoerigkeit.b.3"]', '0');
      await checkExercise(p);
    }, { fullPage: true });
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
