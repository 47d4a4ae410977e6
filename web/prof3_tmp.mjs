import { chromium } from './node_modules/playwright-core/index.mjs';
import { pathToFileURL } from 'node:url';
const browser = await chromium.launch({ executablePath: '/usr/lib/chromium/chromium', headless: true, args: ['--no-sandbox','--disable-gpu'] });
const page = await (await browser.newContext({ locale: 'de-DE' })).newPage();
await page.goto(pathToFileURL('/work/main/build/web/site/index.html').href);
await page.waitForFunction(() => window.fuzzyPage && window.fuzzyPage.ctx.view);
const r = await page.evaluate(async () => {
  const p = window.fuzzyPage; const out = {};
  for (const [v, f, n] of [['loco', 'lok.fuz', 300], ['truck', 'truck.fuz', 20]]) {
    const args = ['tune', 'in.fuz', '--vehicle', v, '--rounds', String(n), '--seed', '1', '--threads', '1', '-o', 'out.fuz'];
    const times = [];
    for (let i = 0; i < 2; i++) { const t0 = performance.now(); await p.ctx.engine.run(args, p.example(f), { read: ['out.fuz'], long: true }); times.push(performance.now() - t0); }
    out[v] = Math.min(...times);
  }
  return out;
});
console.log(JSON.stringify(r));
await browser.close();
