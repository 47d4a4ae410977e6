import { chromium } from './node_modules/playwright-core/index.mjs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
const browser = await chromium.launch({ executablePath: '/usr/lib/chromium/chromium', headless: true, args: ['--no-sandbox','--disable-gpu'] });
const page = await (await browser.newContext({ locale: 'de-DE' })).newPage();
await page.goto(pathToFileURL('/work/main/build/web/site/index.html').href);
await page.waitForFunction(() => window.fuzzyPage && window.fuzzyPage.ctx.view);
await page.evaluate(() => window.fuzzyPage.selectTab('truck'));
const cdp = await page.context().newCDPSession(page);
await cdp.send('Profiler.enable'); await cdp.send('Profiler.setSamplingInterval', { interval: 200 });
await cdp.send('Profiler.start');
await page.evaluate(async () => { for (let i = 0; i < 5; i++) { document.getElementById('truck-go').click();
  await new Promise((resolve) => { const look = () => (document.getElementById('truck-angedockt') ? resolve() : requestAnimationFrame(look)); requestAnimationFrame(look); }); } });
const { profile } = await cdp.send('Profiler.stop');
const self = new Map(); const dt = profile.timeDeltas; const byId = new Map(profile.nodes.map(n => [n.id, n]));
const counts = new Map(); profile.samples.forEach((s, i) => counts.set(s, (counts.get(s) || 0) + (dt[i] || 0)));
for (const [id, t] of counts) { const n = byId.get(id); const k = `${n.callFrame.functionName || '(anon)'} ${n.callFrame.url.split('/').pop()}:${n.callFrame.lineNumber}`; self.set(k, (self.get(k) || 0) + t); }
[...self].sort((a, b) => b[1] - a[1]).slice(0, 25).forEach(([k, t]) => console.log((t / 1000).toFixed(1).padStart(8), k));
await browser.close();
