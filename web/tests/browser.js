// Starts the system's Chromium headless for the tests (Playwright gives
// every launch a fresh profile folder of its own) and opens the built
// page from its folder (file://), collecting every console error.
import { chromium } from 'playwright-core';
import { existsSync } from 'node:fs';
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

export async function launch() {
    const browser = await chromium.launch({
    executablePath: process.env.FUZZY_CHROMIUM,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
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
export async function openPage(browser, { lang = 'de', query = '' } = {}) {
  const context = await browser.newContext({ locale: lang === 'en' ? 'en-GB' : 'de-DE', acceptDownloads: true });
  const page = await context.newPage();
  const errors = [];
  page.on('console', (m) => {
    if (m.type() === 'error') errors.push(m.text());
  });
  page.on('pageerror', (e) => errors.push(String(e)));
  await page.goto(pathToFileURL(join(site, 'index.html')).href + query);
  await waitForProject(page);
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
