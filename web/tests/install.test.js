// Installable and robust: served over http(s) the page is installable (a
// valid manifest with its icons, a service worker) and opens without a
// network after the first visit; under a strict Content-Security-Policy
// that allows what web/README.md names it works, and where the policy forbids
// its worker or WebAssembly it says so in the page, in its language.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, mkdtempSync } from 'node:fs';
import { join } from 'node:path';
import { browserSuite, openPage, persistent, serve, waitForProject, site, root } from './browser.js';

const suite = await browserSuite();
const { skip } = suite;

// What a server must allow: the policy web/README.md names, word for word.
const allowed = root ? /must allow exactly this[^`]*```\n([^`]+)```/.exec(readFileSync(join(root, 'web', 'README.md'), 'utf8'))[1].replace(/\s+/g, ' ').trim() : '';

// A PNG's width and height from its header.
function pngSize(bytes) {
  assert.equal(bytes.subarray(1, 4).toString('latin1'), 'PNG');
  return [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];
}

test('the manifest names the page, its start and its icons, each of its size', { skip }, () => {
  const m = JSON.parse(readFileSync(join(site, 'manifest.webmanifest'), 'utf8'));
  assert.ok(m.name && m.short_name && m.start_url && m.display === 'standalone');
  const sizes = new Set();
  for (const icon of m.icons) {
    const bytes = readFileSync(join(site, icon.src));
    if (icon.type === 'image/png') {
      const [w, h] = pngSize(bytes);
      assert.equal(`${w}x${h}`, icon.sizes, icon.src);
      sizes.add(`${icon.sizes}/${icon.purpose}`);
    }
  }
  for (const need of ['192x192/any', '512x512/any', '512x512/maskable']) assert.ok(sizes.has(need), need);
});

test('served over http the page is installable and opens offline after the first visit', { skip }, async () => {
  const server = await serve({ csp: allowed });
  const profile = mkdtempSync(join(suite.work, 'profil-'));
  const context = await persistent(profile);
  const errors = [];
  try {
    const page = context.pages()[0] || (await context.newPage());
    page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
    await page.goto(server.url);
    await waitForProject(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const manifest = await cdp.send('Page.getAppManifest');
    assert.deepEqual(manifest.errors, []);
    // Saving works under the policy too.
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#speichern')]);
    assert.equal(download.suggestedFilename(), 'truck.fuz');
    // Now without the network and without the server: a reload, then the engine at work.
    await server.close();
    await context.setOffline(true);
    await page.reload();
    await waitForProject(page);
    const k = await page.evaluate(() => window.fuzzyPage.ctx.engine.call('kennfeld', { nx: 3, ny: 3 }, window.fuzzyPage.ctx.fuz));
    assert.ok(k.defined);
    // The long lane's worker comes from the kept files as well.
    await page.evaluate(() => window.fuzzyPage.selectTab('truck'));
    await page.click('#truck-go');
    await page.waitForSelector('#truck-angedockt', { timeout: 300000 });
    assert.deepEqual(errors, []);
  } finally {
    await context.close();
    await server.close().catch(() => {});
  }
});

// Policies that forbid a part the engine needs: the page says which, in its language.
const refusals = [
  { name: 'no worker', csp: "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; worker-src 'none'; style-src 'self'", lang: 'de', says: /Content-Security-Policy.*worker-src/s },
  { name: 'no WebAssembly', csp: "default-src 'self'; script-src 'self'; worker-src 'self'; style-src 'self'", lang: 'en', says: /security rules.*wasm-unsafe-eval/s },
];

for (const c of refusals) {
  test(`a Content-Security-Policy with ${c.name} is named in the page (${c.lang})`, { skip }, async () => {
    const server = await serve({ csp: c.csp });
    const opened = await openPage(suite.chrome.browser, { base: server.url, lang: c.lang, wait: false });
    try {
      await opened.page.waitForSelector('#meldung:not([hidden])', { timeout: 60000 });
      assert.match(await opened.page.textContent('#meldung'), c.says);
      assert.equal(await opened.page.getAttribute('html', 'lang'), c.lang);
    } finally {
      await opened.context.close();
      await server.close();
    }
  });
}

test('from a disk (file://) the page works as before, with no service worker', { skip }, async () => {
  await suite.withPage({}, async (page) => {
    assert.equal(await page.evaluate(() => navigator.serviceWorker ? navigator.serviceWorker.controller : null), null);
    assert.ok(await page.evaluate(() => window.fuzzyPage.ctx.view.A.defined));
  });
});
