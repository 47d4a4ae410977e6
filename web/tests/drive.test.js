// Driving in the page and replaying the labs' runs: a fuzzy run of the truck
// and of the locomotive is fuzzysim's at every step, the steering bar and
// the force slider answer the mouse, a finger and the keys, and the labs'
// step sliders drag smoothly without being rebuilt.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { browserSuite, fuzzysim, example } from './browser.js';

const suite = await browserSuite();
const { skip } = suite;

// fuzzysim's CSV as rows of columns by name.
function csvRows(text) {
  const [head, ...lines] = text.trim().split('\n');
  const names = head.split(',');
  return lines.map((l) => Object.fromEntries(l.split(',').map((x, i) => [names[i], x])));
}

async function openExample(page, file) {
  await page.evaluate(async (f) => {
    const p = window.fuzzyPage;
    await p.ctx.open(p.example(f), f, { restore: false });
  }, file);
}

// A finger on the screen through Chromium's own touch input: down at the first point, along the others, up.
async function touchDrag(page, points) {
  const cdp = await page.context().newCDPSession(page);
  const at = ([x, y]) => [{ x: Math.round(x), y: Math.round(y), id: 1 }];
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: at(points[0]) });
  for (const p of points.slice(1)) await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: at(p) });
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await cdp.detach();
}

// Points from the start of a slider's track to a share of it, in small steps.
async function along(page, selector, share, steps = 24) {
  // A slider below the fold is scrolled to first, as a user would.
  await page.locator(selector).scrollIntoViewIfNeeded();
  const b = await page.locator(selector).boundingBox();
  const y = b.y + b.height / 2;
  const from = b.x + 8;
  const to = b.x + 8 + (b.width - 16) * share;
  return Array.from({ length: steps + 1 }, (_, i) => [from + ((to - from) * i) / steps, y]);
}

const truckStarts = [
  { file: 'truck.fuz', cabX: '-10', attitude: '20', speed: '-1' },
  { file: 'truck.fuz', cabX: '-4', attitude: '-30', speed: '-10' },
  { file: 'truck_einachsig.fuz', cabX: '-16', attitude: '0', speed: '-10' },
];

for (const c of truckStarts) {
  test(`the truck driven by the controller in the page is fuzzysim truck --start ${c.cabX},${c.attitude} --speed ${c.speed} at every step (${c.file})`, { skip }, async () => {
    await suite.withPage({}, async (page) => {
      await openExample(page, c.file);
      await page.evaluate(() => window.fuzzyPage.selectTab('drive'));
      await page.evaluate((s) => {
        const v = window.fuzzyPage.view('drive');
        v.pace = 0;
        v.setStart(s.cabX, s.attitude, s.speed);
        v.toggleMode();
      }, c);
      await page.click('#fahrt-setzen');
      await page.waitForFunction(() => !window.fuzzyPage.view('drive').running() && window.fuzzyPage.view('drive').log.length > 0, null, { timeout: 120000 });
      const log = await page.evaluate(() => window.fuzzyPage.view('drive').log);
      const native = fuzzysim(['truck', example(c.file), '--start', `${c.cabX},${c.attitude}`, '--speed', c.speed, '--csv']);
      assert.equal(native.status, 0, native.err);
      const rows = csvRows(native.out.toString('utf8'));
      assert.equal(log.length, rows.length - 1, 'as many steps as fuzzysim makes');
      rows.slice(1).forEach((r, k) => {
        assert.deepEqual([log[k].a, log[k].b, log[k].out], [r.eingang_a, r.eingang_b, r.ausgang], `step ${k + 1}`);
      });
      const last = rows[rows.length - 1];
      const state = await page.evaluate(() => window.fuzzyPage.view('drive').truck().state.map(Number));
      assert.ok(Math.abs(state[0] - Number(last.hinten_x)) <= 5e-5 && Math.abs(state[1] - Number(last.hinten_y)) <= 5e-5, 'where it ends');
    });
  });
}

const locoRuns = [
  { file: 'lok.fuz', mass: '2', friction: '3', distance: '100' },
  { file: 'lok.fuz', mass: '1', friction: '2', distance: '80' },
];

for (const c of locoRuns) {
  test(`the locomotive driven by the controller in the page is fuzzysim loco --mass ${c.mass} --friction ${c.friction} --distance ${c.distance} at every step`, { skip }, async () => {
    await suite.withPage({}, async (page) => {
      await openExample(page, c.file);
      await page.evaluate(() => window.fuzzyPage.selectTab('pemrak'));
      await page.fill('#lokfahrt-masse', c.mass);
      await page.fill('#lokfahrt-reibung', c.friction);
      await page.fill('#lokfahrt-abstand', c.distance);
      await page.evaluate(() => {
        const v = window.fuzzyPage.view('pemrak');
        v.pace = 0;
        v.setMode(true);
      });
      await page.click('#lokfahrt-start');
      await page.waitForSelector('#lokfahrt-diagramm', { timeout: 120000 });
      const log = await page.evaluate(() => window.fuzzyPage.view('pemrak').log);
      const native = fuzzysim(['loco', example(c.file), '--mass', c.mass, '--friction', c.friction, '--distance', c.distance, '--csv']);
      assert.equal(native.status, 0, native.err);
      const rows = csvRows(native.out.toString('utf8'));
      assert.equal(log.length, rows.length - 1, 'as many steps as fuzzysim makes');
      rows.slice(1).forEach((r, k) => {
        assert.deepEqual([log[k].a, log[k].b, log[k].out], [r.eingang_a, r.eingang_b, r.ausgang], `step ${k + 1}`);
      });
      // The s-v diagram: the start and one point per step (at most 1000).
      const d = await page.getAttribute('#lokfahrt-diagramm path:last-of-type', 'd');
      assert.equal(d.split('L').length, Math.min(1000, rows.length - 1) + 1);
    });
  });
}

// The steering bar: 0 at its left end (+70°) to 140 at its right end (−70°).
const steering = [
  { name: 'the arrow keys', expect: 5, act: async (page) => {
    await page.focus('#fahrt-lenkung');
    for (let i = 0; i < 5; i++) await page.keyboard.press('ArrowLeft');
  } },
  { name: 'the mouse over the bar (column 45 of 200: position 32)', expect: 38, act: async (page) => {
    const b = await page.locator('#fahrt-lenkung').boundingBox();
    await page.mouse.move(b.x + (b.width * 45.2) / 200, b.y + b.height / 2);
  } },
  { name: 'a finger dragged along the bar', expect: -35, act: async (page) => {
    const b = await page.locator('#fahrt-lenkung').boundingBox();
    const y = b.y + b.height / 2;
    await touchDrag(page, [[b.x + b.width * 0.5, y], [b.x + b.width * 0.6, y], [b.x + (b.width * 150.2) / 200, y]]);
  } },
];

for (const c of steering) {
  test(`the truck is steered by hand with ${c.name}, and backs that way`, { skip }, async () => {
    await suite.withPage({ device: c.name.includes('finger') ? { hasTouch: true } : {} }, async (page) => {
      await page.evaluate(() => window.fuzzyPage.selectTab('drive'));
      await page.click('#fahrt-setzen');
      // Placing asks the engine: the truck is there once it has answered.
      await page.waitForFunction(() => window.fuzzyPage.view('drive').truck());
      const degrees = () => page.evaluate(() => (window.fuzzyPage.view('drive').truck().state[5] * 180) / Math.PI);
      assert.ok(Math.abs((await degrees()) - 18) < 1e-4, 'placed with 18°');
      const shownAtStart = await page.textContent('#fahrt-lenkwinkel');
      await c.act(page);
      await page.waitForFunction((e) => Math.abs((window.fuzzyPage.view('drive').truck().state[5] * 180) / Math.PI - e) < 1e-4, c.expect, { timeout: 5000 });
      assert.notEqual(await page.textContent('#fahrt-lenkwinkel'), shownAtStart, 'the field shows the new angle');
      const before = await page.evaluate(() => window.fuzzyPage.view('drive').truck().state.map(Number));
      await page.click('#fahrt-start');
      await page.waitForFunction((y) => Number(window.fuzzyPage.view('drive').truck().state[3]) < y - 0.25, before[3], { timeout: 5000 });
      await page.click('#fahrt-stop');
      assert.ok(Math.abs((await degrees()) - c.expect) < 1e-4, 'the angle held while driving');
    });
  });
}

test('the locomotive is pushed by hand with the force slider and stands still without it', { skip }, async () => {
  await suite.withPage({}, async (page) => {
    await page.evaluate(() => window.fuzzyPage.selectTab('pemrak'));
    await page.evaluate(() => { window.fuzzyPage.view('pemrak').pace = 5; });
    await page.click('#lokfahrt-start');
    await page.waitForTimeout(300);
    const state = () => page.evaluate(() => window.fuzzyPage.view('pemrak').loco().state.map(Number));
    assert.deepEqual((await state()).slice(0, 2), [1, 0], 'untouched, nothing moves: s = 1 m, v = 0');
    await page.focus('#lokfahrt-kraftregler');
    for (let i = 0; i < 20; i++) await page.keyboard.press('ArrowLeft');
    // Pushed with 1 N it runs past the mark and out, 30 cm behind it, by itself.
    await page.waitForSelector('#lokfahrt-diagramm', { timeout: 60000 });
    const end = await state();
    assert.equal(end[5], 1, 'the left end pushes with 1 N');
    assert.ok(end[0] <= -0.3, `ran out at ${end[0]} m`);
  });
});

// The labs' step sliders by mouse and by finger: the slider is the same
// element throughout, and it reaches the share of its track it was dragged to.
const drags = [
  { lab: 'truck', slider: '#truck-schritt', how: 'mouse' },
  { lab: 'truck', slider: '#truck-schritt', how: 'touch' },
  { lab: 'loco', slider: '#lok-schritt', how: 'mouse' },
  { lab: 'loco', slider: '#lok-schritt', how: 'touch' },
];

for (const c of drags) {
  test(`the ${c.lab} lab's step slider drags by ${c.how} over 80 % of its track without being rebuilt`, { skip }, async () => {
    await suite.withPage({ device: c.how === 'touch' ? { hasTouch: true } : {} }, async (page) => {
      if (c.lab === 'truck') {
        await page.evaluate(() => window.fuzzyPage.selectTab('truck'));
        await page.evaluate(() => window.fuzzyPage.view('truck').showStart('-1', 0));
      } else {
        await openExample(page, 'lok.fuz');
        await page.evaluate(() => window.fuzzyPage.selectTab('loco'));
        await page.click('#lok-go');
      }
      await page.waitForSelector(c.slider, { timeout: 300000 });
      await page.evaluate((s) => { document.querySelector(s).dataset.marked = 'yes'; }, c.slider);
      const points = await along(page, c.slider, 0.8);
      if (c.how === 'mouse') {
        await page.mouse.move(...points[0]);
        await page.mouse.down();
        for (const p of points.slice(1)) await page.mouse.move(...p);
        await page.mouse.up();
      } else {
        await touchDrag(page, points);
      }
      const { value, max, marked } = await page.$eval(c.slider, (s) => ({ value: Number(s.value), max: Number(s.max), marked: s.dataset.marked }));
      assert.equal(marked, 'yes', 'the same slider');
      assert.ok(value >= 0.7 * max && value <= 0.9 * max, `step ${value} of ${max}`);
      assert.equal(await page.textContent(`#${c.lab === 'truck' ? 'truck' : 'lok'}-schrittzahl`), `${value} / ${max}`);
    });
  });
}

test('a lab run replays: play moves on by itself, pause holds, the step buttons go one step', { skip }, async () => {
  await suite.withPage({}, async (page) => {
    await page.evaluate(() => window.fuzzyPage.selectTab('truck'));
    await page.evaluate(() => window.fuzzyPage.view('truck').showStart('-1', 0));
    await page.waitForSelector('#truck-schritt', { timeout: 300000 });
    const value = () => page.$eval('#truck-schritt', (s) => Number(s.value));
    await page.click('#truck-vor');
    await page.click('#truck-vor');
    assert.equal(await value(), 2);
    await page.click('#truck-zurueck');
    assert.equal(await value(), 1);
    const shown = await page.textContent('#truck-zustand');
    await page.click('#truck-abspielen');
    await page.waitForFunction(() => Number(document.getElementById('truck-schritt').value) >= 4, null, { timeout: 5000 });
    await page.click('#truck-abspielen');
    const held = await value();
    await page.waitForTimeout(350);
    assert.equal(await value(), held, 'paused');
    assert.notEqual(await page.textContent('#truck-zustand'), shown, 'the values follow the step');
  });
});

test('the locomotive lab draws the runs of 1, 2 and 4 kg together, each as fuzzysim loco --mass runs it', { skip }, async () => {
  await suite.withPage({}, async (page) => {
    await openExample(page, 'lok.fuz');
    await page.evaluate(() => window.fuzzyPage.selectTab('loco'));
    await page.click('#lok-go');
    await page.waitForSelector('#lok-zahlen', { timeout: 120000 });
    const runs = await page.evaluate(() => window.fuzzyPage.view('loco').all().map((r) => ({ mass: r.mass, csv: r.csv })));
    assert.deepEqual(runs.map((r) => r.mass), ['1', '2', '4']);
    for (const r of runs) {
      const native = fuzzysim(['loco', example('lok.fuz'), '--csv', ...(r.mass === '2' ? [] : ['--mass', r.mass])]);
      assert.equal(r.csv, native.out.toString('utf8'), `${r.mass} kg`);
    }
    const paths = await page.$$eval('#lok-diagramme svg', (l) => l.map((s) => s.querySelectorAll('path[data-masse]').length));
    assert.deepEqual(paths, [3, 3, 3, 3]);
    assert.equal(await page.$$eval('#lok-legende .legende-eintrag', (l) => l.length), 3);
  });
});

// Whole numbers of a request beyond int are refused, not cut to their low bits (2^32 + 1 is no 1).
const wholeNumbers = [
  { name: 'a rule row', cmd: 'edit', args: (n) => ({ edits: [{ op: 'rule', row: n, col: 1, term: 1 }] }), good: 1 },
  { name: 'a surface size', cmd: 'kennfeld', args: (n) => ({ nx: n, ny: 2 }), good: 2 },
  { name: 'a dragged term', cmd: 'change', args: (n) => ({ changes: [{ op: 'drag', var: 'A', term: n, param: 1, value: '-5' }] }), good: 1 },
  { name: 'the steering bar', cmd: 'truckDrive', args: (n) => ({ state: ['-10', '15', '-10', '25', '-1', '0'], mode: 'hand', bar: n + 69 }), good: 1 },
];

for (const c of wholeNumbers) {
  test(`${c.name} of 2^32 + ${c.good} or -2^32 + ${c.good} is refused, ${c.good} itself taken`, { skip }, async () => {
    await suite.withPage({}, async (page) => {
      const answers = [];
      for (const n of [c.good, 2 ** 32 + c.good, -(2 ** 32) + c.good, 2 ** 64 + c.good]) {
        const args = c.args(n);
        if (c.cmd === 'truckDrive') args.bar = n === c.good ? 70 : n + 69;
        answers.push(await page.evaluate(async ([cmd, a]) => {
          const ctx = window.fuzzyPage.ctx;
          try {
            const r = await ctx.engine.call(cmd, a, ctx.fuz);
            return r && r.refused ? r.refused.code : 'taken';
          } catch (e) {
            return e.code;
          }
        }, [c.cmd, args]));
      }
      assert.deepEqual(answers, ['taken', 'badRequest', 'badRequest', 'badRequest']);
    });
  });
}

// The page's own words for the two programs' screens, in both languages.
test('the driving views name every control in both languages', { skip }, async () => {
  const src = readFileSync(new URL('../src/views/drivetruck.js', import.meta.url), 'utf8');
  assert.ok(src.includes("'aria-label'") || src.includes('aria-label'));
  for (const lang of ['de', 'en']) {
    await suite.withPage({ lang }, async (page) => {
      for (const tab of ['drive', 'pemrak']) {
        await page.evaluate((v) => window.fuzzyPage.selectTab(v), tab);
        const unnamed = await page.$$eval(`#seite-${tab} button, #seite-${tab} input, #seite-${tab} [role=slider]`, (l) =>
          l.filter((e) => !e.hidden && !(e.getAttribute('aria-label') || (e.labels && e.labels.length) || e.textContent.trim())).map((e) => e.id));
        assert.deepEqual(unnamed, [], `${tab} (${lang})`);
      }
    });
  }
});
