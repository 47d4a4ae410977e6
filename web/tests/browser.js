// Starts the system's Chromium headless for the tests (Playwright gives
// every launch a fresh profile folder of its own) and opens the built
// page from its folder (file://), collecting every console error.
import { chromium } from 'playwright-core';
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { spawnSync } from 'node:child_process';

export const site = process.env.FUZZY_SITE;
export const root = process.env.FUZZY_ROOT;
export const fuzzysimBin = process.env.FUZZYSIM;
export const editReference = process.env.EDIT_REFERENCE;

// Why the browser tests cannot run here, or null.
export function missing() {
  if (!site || !existsSync(join(site, 'index.html'))) return 'the page is not built (scripts/web.sh)';
  if (!process.env.FUZZY_CHROMIUM || !existsSync(process.env.FUZZY_CHROMIUM)) return 'no Chromium';
  if (!fuzzysimBin || !existsSync(fuzzysimBin)) return 'no fuzzysim';
  return null;
}

const chromeArgs = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// A browser with a profile of its own on disk, as a user's (an installable
// page needs one that is no incognito window). Returns the context.
export function persistent(dir, options = {}) {
  return chromium.launchPersistentContext(dir, { executablePath: process.env.FUZZY_CHROMIUM, headless: true, args: chromeArgs, ...options });
}

export async function launch() {
  const browser = await chromium.launch({
    executablePath: process.env.FUZZY_CHROMIUM,
    headless: true,
    args: chromeArgs,
  });
  return {
    browser,
    async close() {
      await browser.close();
    },
  };
}

// A page with the site open, in the given language; errors collects every
// console error and uncaught exception.
// `base`: the page's address (the built folder unless given, e.g. a test's
// server); `device`: the context's viewport, touch and the like.
export async function openPage(browser, { lang = 'de', query = '', base = null, device = {}, wait = true } = {}) {
  const context = await browser.newContext({ locale: lang === 'en' ? 'en-GB' : 'de-DE', acceptDownloads: true, ...device });
  const page = await context.newPage();
  const errors = [];
  page.on('console', (m) => {
    if (m.type() === 'error') errors.push(m.text());
  });
  page.on('pageerror', (e) => errors.push(String(e)));
  await page.goto((base || pathToFileURL(join(site, 'index.html')).href) + query);
  if (wait) await waitForProject(page);
  return { page, context, errors };
}

export async function waitForProject(page, name) {
  await page.waitForFunction((n) => {
    const c = window.fuzzyPage && window.fuzzyPage.ctx;
    return c && c.view && (!n || c.name === n);
  }, name, { timeout: 60000 });
}

// Calls the page's engine (the worker) with the current project or given bytes.
export function engineCall(page, cmd, args = {}, exampleOrNull = undefined) {
  return page.evaluate(async ([c, a, ex]) => {
    const ctx = window.fuzzyPage.ctx;
    let bytes = ctx.fuz;
    if (ex) bytes = await window.fuzzyPage.example(ex);
    return ctx.engine.call(c, a, bytes);
  }, [cmd, args, exampleOrNull]);
}

export function fuzzysim(args, { input = '', lang = 'de', cwd } = {}) {
  const r = spawnSync(fuzzysimBin, ['--lang', lang, ...args], { input: Buffer.from(input), cwd, maxBuffer: 64 << 20 });
  return { status: r.status, out: r.stdout, err: r.stderr.toString('utf8') };
}

export const examples = ['truck.fuz', 'lok.fuz', 'beispiel.fuz', 'heizung.fuz', 'truck_einachsig.fuz'];

// An example's file; the English set lies in examples/en under the same names.
export function example(name, lang = 'de') {
  return lang === 'en' ? join(root, 'examples', 'en', name) : join(root, 'examples', name);
}

// The built page from a small web server of the test's own (http://127.0.0.1),
// as a school's server would serve it; `csp` adds that Content-Security-Policy
// header to every answer. Resolves to { url, close() }.
export async function serve({ csp = null, dir = site } = {}) {
  const { createServer } = await import('node:http');
  const { readFile } = await import('node:fs/promises');
  const { extname, normalize, join: joinPath } = await import('node:path');
  const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.svg': 'image/svg+xml' };
  const server = createServer(async (req, res) => {
    const path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const file = normalize(joinPath(dir, path.endsWith('/') ? `${path}index.html` : path));
    if (!file.startsWith(dir)) {
      res.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      const headers = { 'Content-Type': types[extname(file)] || 'application/octet-stream', 'Cache-Control': 'no-cache' };
      if (csp) headers['Content-Security-Policy'] = csp;
      res.writeHead(200, headers).end(body);
    } catch (e) {
      res.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => new Promise((resolve) => server.close(resolve)) };
}

// The set-up of a test file: Chromium started once, a folder for files,
// `withPage(options, body)` that fails on any console error. `skip` is the
// reason the tests cannot run here (under CI=true that fails instead).
export async function browserSuite() {
  const { before, after } = await import('node:test');
  const assert = (await import('node:assert/strict')).default;
  const { mkdtempSync, rmSync } = await import('node:fs');
  const { tmpdir } = await import('node:os');
  const why = missing();
  if (why && process.env.CI === 'true') throw new Error(`CI=true, and the browser tests cannot run: ${why}`);
  const suite = { skip: why ? `browser tests skipped: ${why}` : false, chrome: null, work: null };
  before(async () => {
    if (suite.skip) return;
    suite.chrome = await launch();
    suite.work = mkdtempSync(join(tmpdir(), 'fuzzy-web-test-'));
  });
  after(async () => {
    if (suite.chrome) await suite.chrome.close();
    if (suite.work) rmSync(suite.work, { recursive: true, force: true });
  });
  suite.withPage = async (options, body) => {
    const p = await openPage(suite.chrome.browser, options);
    try {
      await body(p.page, p);
      assert.deepEqual(p.errors, [], 'no console errors');
    } finally {
      await p.context.close();
    }
  };
  return suite;
}

// What the Werkstatt writes after these edits of IN ("-" for none): the bytes.
export function werkstattBytes(input, edits, work) {
  const out = join(work, `reference-${Math.random().toString(36).slice(2)}.fuz`);
  const r = spawnSync(editReference, [input, out, ...edits.map(String)], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  if (r.status !== 0) throw new Error(`web_edit_reference ${edits.join(' ')}: ${r.stderr}`);
  return readFileSync(out);
}

// What the Werkstatt's exercise panel saves for these typed answers
// ([point, key, text] each): the bytes of its answers file.
export function werkstattAnswers(exercise, typed, work) {
  const out = join(work, `reference-${Math.random().toString(36).slice(2)}.fuzantwort`);
  const r = spawnSync(editReference, ['--answers', exercise, out, ...typed.flat()], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  if (r.status !== 0) throw new Error(`web_edit_reference --answers: ${r.stderr}`);
  return readFileSync(out);
}

// The page's "Speichern": the bytes of the file it hands the browser.
export async function savedBytes(page) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#speichern')]);
  return { bytes: readFileSync(await download.path()), name: download.suggestedFilename() };
}
