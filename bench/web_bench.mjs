// The browser page measured (run by hand, after scripts/web.sh and
// `cd web && npm ci`), never by the tests:
//   node bench/web_bench.mjs [FUZZYSIM]   (default build/release, else build/dev)
// - size of the engine (WebAssembly module and JavaScript) and of the page;
// - first paint with the truck example, opened from its folder (file://);
// - the truck grid (164 starts at -1 m/s) in the browser and natively, as
//   `fuzzysim truck --grid --speed -1` runs it, best of five each; and in the
//   truck lab from the click to the figures shown;
// - the tuner's rounds per second in the browser and natively on one thread,
//   the same fixed rounds (`fuzzysim tune --rounds N --seed 1 --threads 1`);
// - one tick of the truck driven in the page (the engine's step and the drawing).
// All in one run on this machine, with the load average before and after.
import { chromium } from '../web/node_modules/playwright-core/index.mjs';
import { statSync, existsSync, mkdtempSync, rmSync, readFileSync } from 'node:fs';
import { spawnSync } from 'node:child_process';
import { join, dirname } from 'node:path';
import { tmpdir } from 'node:os';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = join(dirname(fileURLToPath(import.meta.url)), '..');
const site = join(root, 'build/web/site');
const fuzzysim = process.argv[2] || ['build/release', 'build/dev'].map((d) => join(root, d, 'tools/fuzzysim/fuzzysim')).find(existsSync);
const chrome = ['/usr/lib/chromium/chromium', '/usr/bin/chromium'].find(existsSync);
const kb = (n) => `${(n / 1024).toFixed(0)} KiB`;

const engineDir = join(root, 'build/web/engine/web/engine');
const size = (f) => statSync(join(site, f)).size;
const wasm = statSync(join(engineDir, 'fuzzy_engine.wasm')).size;
const loader = statSync(join(engineDir, 'fuzzy_engine.js')).size;
// What a browser loads: the page's script, its HTML and CSS, and the engine's
// worker script (its loader and the module gzip-packed as base64): served, as
// engine-worker.js, from a folder as engine-source.js (the same text quoted).
const pageBytes = ['app.js', 'index.html', 'style.css'].reduce((s, f) => s + size(f), 0);
console.log(`page: app.js ${kb(size('app.js'))}, with HTML and CSS ${kb(pageBytes)}`);
console.log(`engine: worker script ${kb(size('engine-worker.js'))} (wasm ${kb(wasm)} unpacked, its loader ${kb(loader)})`);
console.log(`loaded in all: served ${kb(pageBytes + size('engine-worker.js'))} = ${((pageBytes + size('engine-worker.js')) / 1e6).toFixed(2)} MB, ` +
  `from a folder ${kb(pageBytes + size('engine-source.js'))}`);
console.log(`load average now: ${readFileSync('/proc/loadavg', 'utf8').trim()}`);

const browser = await chromium.launch({ executablePath: chrome, headless: true,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'] });
try {
  const paints = [];
  const ready = [];
  for (let i = 0; i < 5; i++) {
    const page = await (await browser.newContext()).newPage();
    const t0 = Date.now();
    await page.goto(pathToFileURL(join(site, 'index.html')).href);
    await page.waitForFunction(() => window.fuzzyPage && window.fuzzyPage.ctx.view && document.querySelector('#seite-terms svg'));
    ready.push(Date.now() - t0);
    paints.push(await page.evaluate(() => performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? NaN));
    await page.context().close();
  }
  const best = (l) => Math.min(...l);
  console.log(`first contentful paint: best ${best(paints).toFixed(0)} ms, worst ${Math.max(...paints).toFixed(0)} ms`);
  console.log(`truck example drawn (load, engine start, first view): best ${best(ready)} ms, worst ${Math.max(...ready)} ms`);

  // German, as fuzzysim speaks in the C locale.
  const page = await (await browser.newContext({ locale: 'de-DE' })).newPage();
  await page.goto(pathToFileURL(join(site, 'index.html')).href);
  await page.waitForFunction(() => window.fuzzyPage && window.fuzzyPage.ctx.view);
  const web = await page.evaluate(async () => {
    const ctx = window.fuzzyPage.ctx;
    const times = [];
    let out = null;
    for (let i = 0; i < 5; i++) {
      const t0 = performance.now();
      out = await ctx.engine.run(['truck', 'in.fuz', '--grid', '--speed', '-1'], ctx.fuz);
      times.push(performance.now() - t0);
    }
    return { times, text: new TextDecoder().decode(out.out) };
  });
  const nat = [];
  let natText = '';
  for (let i = 0; i < 5; i++) {
    const t0 = process.hrtime.bigint();
    const r = spawnSync(fuzzysim, ['--lang', 'de', 'truck', join(root, 'examples/truck.fuz'), '--grid', '--speed', '-1']);
    nat.push(Number(process.hrtime.bigint() - t0) / 1e6);
    natText = r.stdout.toString();
  }
  const w = best(web.times);
  const n = best(nat);
  console.log(`truck grid at -1 m/s: browser ${w.toFixed(0)} ms, native ${n.toFixed(0)} ms (${fuzzysim}), ratio ${(w / n).toFixed(2)}`);
  console.log(`same output as native: ${web.text === natText}`);

  // The lab as a user sees it: from the click on "Alle Starts fahren" to the figures.
  const clicks = await page.evaluate(async () => {
    const p = window.fuzzyPage;
    p.selectTab('truck');
    const times = [];
    for (let i = 0; i < 5; i++) {
      const t0 = performance.now();
      document.getElementById('truck-go').click();
      await new Promise((resolve) => {
        const look = () => (document.getElementById('truck-angedockt') ? resolve() : requestAnimationFrame(look));
        requestAnimationFrame(look);
      });
      times.push(performance.now() - t0);
    }
    return times;
  });
  console.log(`truck lab, click to figures: best ${best(clicks).toFixed(0)} ms, worst ${Math.max(...clicks).toFixed(0)} ms (${(best(clicks) / n).toFixed(2)}x native)`);

  // The tuner: the same rounds from the same seed, in the page and natively on one thread.
  for (const [vehicle, file, rounds] of [['truck', 'truck.fuz', 300], ['loco', 'lok.fuz', 300]]) {
    const args = ['tune', 'in.fuz', '--vehicle', vehicle, '--rounds', String(rounds), '--seed', '1', '--threads', '1', '-o', 'out.fuz'];
    const inPage = await page.evaluate(async ([a, f]) => {
      const p = window.fuzzyPage;
      const bytes = p.example(f);
      const times = [];
      for (let i = 0; i < 3; i++) {
        const t0 = performance.now();
        const r = await p.ctx.engine.run(a, bytes, { read: ['out.fuz'], long: true });
        if (r.status !== 0) throw new Error(r.err);
        times.push(performance.now() - t0);
      }
      return times;
    }, [args, file]);
    const work = mkdtempSync(join(tmpdir(), 'web-bench-'));
    const natTimes = [];
    for (let i = 0; i < 3; i++) {
      const t0 = process.hrtime.bigint();
      const r = spawnSync(fuzzysim, ['--lang', 'de', ...args.map((x) => (x === 'in.fuz' ? join(root, 'examples', file) : x === 'out.fuz' ? join(work, 'out.fuz') : x))]);
      if (r.status !== 0) throw new Error(r.stderr.toString());
      natTimes.push(Number(process.hrtime.bigint() - t0) / 1e6);
    }
    rmSync(work, { recursive: true, force: true });
    const pw = best(inPage);
    const nw = best(natTimes);
    console.log(`tuner ${vehicle}, ${rounds} rounds: browser ${pw.toFixed(0)} ms (${((rounds * 1000) / pw).toFixed(0)} rounds/s), native 1 thread ${nw.toFixed(0)} ms (${((rounds * 1000) / nw).toFixed(0)} rounds/s), browser/native ${(nw / pw).toFixed(2)}`);
  }

  // Driving: one tick of the truck in the page, the engine's step and the picture.
  const tick = await page.evaluate(async () => {
    const p = window.fuzzyPage;
    p.selectTab('drive');
    const v = p.view('drive');
    v.pace = 0;
    v.setStart('-10', '20', '-1');
    v.toggleMode();
    const t0 = performance.now();
    await v.place();
    while (v.running()) await new Promise((r) => setTimeout(r, 5));
    return { ms: (performance.now() - t0) / Math.max(1, v.log.length), steps: v.log.length };
  });
  console.log(`truck driven in the page: ${tick.ms.toFixed(2)} ms per tick over ${tick.steps} steps (the desktop's pace: 100 ms)`);
  console.log(`load average after: ${readFileSync('/proc/loadavg', 'utf8').trim()}`);
} finally {
  await browser.close();
}
