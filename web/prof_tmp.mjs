import { chromium } from './node_modules/playwright-core/index.mjs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
const site = '/work/main/build/web/site';
const browser = await chromium.launch({ executablePath: '/usr/lib/chromium/chromium', headless: true, args: ['--no-sandbox','--disable-gpu'] });
const page = await (await browser.newContext({ locale: 'de-DE' })).newPage();
await page.goto(pathToFileURL(join(site, 'index.html')).href);
await page.waitForFunction(() => window.fuzzyPage && window.fuzzyPage.ctx.view);
const r = await page.evaluate(async () => {
  const p = window.fuzzyPage; const ctx = p.ctx;
  const out = {call: [], grid: [], render: [], click: []};
  for (let i = 0; i < 5; i++) {
    let t0 = performance.now();
    const lab = await ctx.engine.call('truckLab', { speed: '-1' }, ctx.fuz, { long: true });
    out.call.push(performance.now() - t0);
    out.size = JSON.stringify(lab).length;
    t0 = performance.now();
    await ctx.engine.run(['truck', 'in.fuz', '--grid', '--speed', '-1'], ctx.fuz);
    out.grid.push(performance.now() - t0);
  }
  p.selectTab('truck');
  const v = p.view('truck');
  for (let i = 0; i < 5; i++) {
    const t0 = performance.now();
    document.getElementById('truck-go').click();
    await new Promise((resolve) => { const look = () => (document.getElementById('truck-angedockt') ? resolve() : requestAnimationFrame(look)); requestAnimationFrame(look); });
    out.click.push(performance.now() - t0);
    const t1 = performance.now(); v.render(); out.render.push(performance.now() - t1);
  }
  return out;
});
const f = (l) => l.map((x) => x.toFixed(0)).join(' ');
console.log('call', f(r.call), 'size', r.size); console.log('grid', f(r.grid)); console.log('click', f(r.click)); console.log('render', f(r.render));
await browser.close();
