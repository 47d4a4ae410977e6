// Pemrak in the page: the locomotive drives over its landscape to the flag,
// pushed by hand with the force slider or by the project's controller, a
// step at the pace of its time step; afterwards the s-v diagram of the run.
// Every step is the engine's (the model and controller of the desktop
// program, with the time steps of fuzzysim loco).
import { el, field, svg } from '../dom.js';
import { t } from '../i18n.js';
import { frame, polyline, extent } from '../plot.js';

// The scene, as wide as the desktop's: rails at rows 138 and 139, the flag at the left end.
const SW = 529;
const SH = 153;
// Points of the s-v diagram kept, as the desktop program records them.
const MaxPoints = 1000;

export default function create(ctx) {
  const element = el('section');
  const view = { id: 'pemrak', tabKey: 'tabPemrak', element, render, start, stop, pace: null, log: [] };
  let loco = null; // the engine's answer for the locomotive now
  let hand = true;
  let running = false;
  let moved = null; // the slider's position, when moved during the run
  let timer = null;
  let ticking = false;
  let points = [];
  let note = '';
  let result = null; // the s-v diagram of the last run

  const scene = el('canvas', { width: SW, height: SH, id: 'lokfahrt-bild', role: 'img' });
  const mass = field('', { id: 'lokfahrt-masse', value: '2', inputmode: 'decimal' });
  const friction = field('', { id: 'lokfahrt-reibung', value: '3', inputmode: 'decimal' });
  const distance = field('', { id: 'lokfahrt-abstand', value: '100', inputmode: 'decimal' });
  const force = el('input', { type: 'range', min: -20, max: 20, step: 1, value: 0, id: 'lokfahrt-kraftregler', class: 'schieber' });
  const forceLabel = el('label', { class: 'schrittwahl', for: 'lokfahrt-kraftregler' });
  const handRadio = el('input', { type: 'radio', name: 'lokfahrt-art', id: 'lokfahrt-hand', checked: true });
  const fuzzyRadio = el('input', { type: 'radio', name: 'lokfahrt-art', id: 'lokfahrt-fuzzy' });
  const modeBox = el('fieldset', { class: 'betriebsart-wahl' }, el('legend', {}),
    el('label', { class: 'feld' }, handRadio, el('span', {})), el('label', { class: 'feld' }, fuzzyRadio, el('span', {})));
  const go = el('button', { id: 'lokfahrt-start', type: 'button', onclick: () => (running ? stop() : start()) });
  const lamp = el('span', { class: 'lampe', id: 'lokfahrt-lampe', role: 'img' });
  const out = (id) => el('output', { id, class: 'zahl wert' }, '');
  const shownS = out('lokfahrt-s');
  const shownV = out('lokfahrt-v');
  const shownT = out('lokfahrt-t');
  const shownF = out('lokfahrt-kraft');
  const state = el('p', { class: 'leise', id: 'lokfahrt-lauf', 'aria-live': 'polite' });
  const plotBox = el('div', { id: 'lokfahrt-sv' });

  function options() {
    const o = [];
    for (const [f, opt] of [[mass, '--mass'], [friction, '--friction'], [distance, '--distance']]) {
      const v = f.input.value.trim().replace(',', '.').replace('\u2212', '-');
      if (v) o.push(opt, v);
    }
    return o;
  }

  // The landscape: sky, hills, the rails and the red flag at the mark; the
  // locomotive at the engine's column of the scene.
  function draw() {
    const g = scene.getContext('2d');
    g.fillStyle = '#cfe7f7';
    g.fillRect(0, 0, SW, SH);
    g.fillStyle = '#8dbf6a';
    g.beginPath();
    g.moveTo(0, 110);
    for (let x = 0; x <= SW; x += 8) g.lineTo(x, 104 + 10 * Math.sin(x / 47) + 6 * Math.sin(x / 13));
    g.lineTo(SW, SH);
    g.lineTo(0, SH);
    g.fill();
    g.fillStyle = '#6d9c4f';
    g.fillRect(0, 136, SW, SH - 136);
    g.fillStyle = 'rgb(128,64,0)';
    g.fillRect(0, 138, SW, 2);
    g.fillStyle = '#000';
    g.fillRect(17, 119, 1, 16);
    g.fillStyle = '#ff0000';
    g.fillRect(18, 119, 7, 6);
    if (!loco) return;
    // The silhouette stands at columns c + 28 to c + 59, rows 118 to 137.
    const c = loco.column;
    g.fillStyle = '#111';
    g.fillRect(c + 28, 124, 32, 10);
    g.fillRect(c + 48, 118, 11, 8);
    g.fillRect(c + 31, 119, 4, 6);
    g.fillStyle = '#888';
    g.fillRect(c + 50, 120, 7, 4);
    g.fillRect(c + 29, 128, 30, 1);
    g.fillStyle = '#333';
    for (const w of [c + 33, c + 43, c + 53]) {
      g.beginPath();
      g.arc(w, 134, 3.5, 0, 2 * Math.PI);
      g.fill();
    }
  }

  function showValues() {
    if (loco) {
      shownS.textContent = loco.shown.s;
      shownV.textContent = loco.shown.v;
      shownT.textContent = loco.shown.t;
      shownF.textContent = loco.shown.force;
    }
    const green = Boolean(loco && loco.inBand);
    lamp.classList.toggle('gruen', green);
    lamp.setAttribute('aria-label', t(green ? 'lampGreen' : 'lampRed'));
    go.textContent = t(running ? 'driveStop' : 'driveStart');
    go.setAttribute('aria-pressed', String(running));
    force.disabled = !hand;
    force.setAttribute('aria-valuetext', t('forceValue', String(-Number(force.value) / 20)));
    state.textContent = note || (running ? t('locoDriving') : loco ? t('driveStopped') : '');
    scene.setAttribute('aria-label', loco ? t('locoPicture', loco.shown.s) : t('locoPictureEmpty'));
    draw();
  }

  async function call(args, bytes) {
    const r = await ctx.engine.call('locoDrive', { options: options(), ...args }, bytes);
    if (r.refused) throw Object.assign(new Error(r.refused.detail), { refusedCode: r.refused.code });
    return r;
  }

  async function start() {
    if (running) return;
    hand = handRadio.checked;
    if (!hand && !(ctx.view && ctx.view.A.defined && ctx.view.B.defined && ctx.view.Out.defined)) {
      note = t('noLocoProject');
      showValues();
      return;
    }
    note = '';
    try {
      loco = await call({ start: true });
      ctx.clearError();
    } catch (e) {
      ctx.reportError(e);
      return;
    }
    // As in the desktop program the force is 0 until the slider moves during the run.
    moved = null;
    points = [];
    result = null;
    view.log = [];
    plotBox.replaceChildren();
    running = true;
    showValues();
    timer = setTimeout(tick, 0);
  }

  function stop() {
    running = false;
    if (timer) clearTimeout(timer);
    timer = null;
    finish();
  }

  async function tick() {
    timer = null;
    if (!running || ticking) return;
    ticking = true;
    const began = performance.now();
    const dt = Number(loco.state[4]);
    try {
      const args = { state: loco.state, steps: loco.steps, mode: hand ? 'hand' : 'fuzzy' };
      if (hand && moved !== null) args.bar = moved;
      const next = await call(args, hand ? undefined : ctx.fuz);
      if (next.defined === false) {
        note = t('noLocoProject');
        running = false;
      } else {
        loco = next;
        if (next.control) view.log.push({ ...next.control, point: next.point });
        if (next.ended !== 'aborted' && points.length < MaxPoints) points.push([Number(next.point.s), Number(next.point.v)]);
        if (next.ended) {
          running = false;
          note = t(`locoEnd_${next.ended}`);
        }
      }
    } catch (e) {
      ctx.reportError(e);
      running = false;
    }
    ticking = false;
    showValues();
    if (!running) return finish();
    const pace = view.pace === null ? dt * 1000 : view.pace;
    timer = setTimeout(tick, Math.max(0, pace - (performance.now() - began)));
  }

  // The s-v diagram of the run: from the start at v = 0 through every recorded point.
  async function finish() {
    showValues();
    if (!loco || !points.length) return;
    const s0 = Number(loco.state[8]) * 100;
    const xs = [s0, ...points.map((p) => p[0])];
    const ys = [0, ...points.map((p) => p[1])];
    const xr = extent([0, 100, ...xs], 0);
    const yr = extent([0.0001, ...ys]);
    try {
      const ticks = await ctx.engine.call('ticks', { ranges: [xr, yr] });
      const f = frame({ width: 520, height: 300, x: xr, y: yr, ticksX: ticks[0], ticksY: ticks[1], labelX: 's (cm)', labelY: 'v (cm/s)' });
      polyline(f, xs, ys, { stroke: '#111' });
      f.root.setAttribute('role', 'img');
      f.root.setAttribute('aria-label', t('svDiagram'));
      f.root.id = 'lokfahrt-diagramm';
      result = f.root;
      plotBox.replaceChildren(el('h3', {}, t('svDiagram')), result);
    } catch (e) {
      ctx.reportError(e);
    }
  }

  force.addEventListener('input', () => {
    if (!hand) return;
    if (running) moved = Number(force.value);
    showValues();
  });
  const pickMode = () => {
    hand = handRadio.checked;
    showValues();
  };
  handRadio.addEventListener('change', pickMode);
  fuzzyRadio.addEventListener('change', pickMode);

  function render() {
    element.replaceChildren();
    mass.element.firstChild.textContent = t('locoMass');
    friction.element.firstChild.textContent = t('locoFriction');
    distance.element.firstChild.textContent = t('locoDistance');
    modeBox.firstChild.textContent = t('controlType');
    handRadio.nextSibling.textContent = t('locoHand');
    fuzzyRadio.nextSibling.textContent = t('driveFuzzy');
    forceLabel.replaceChildren(el('span', {}, t('forceSlider')), force);
    const row = (label, o) => el('tr', {}, el('th', { class: 'name', scope: 'row' }, el('label', { for: o.id }, label)), el('td', {}, o));
    element.append(el('h2', {}, t('tabPemrak')), el('p', {}, t('pemrakIntro')),
      el('div', { class: 'lokfahrt-szene' }, scene),
      el('div', { class: 'zeile' },
        el('div', { class: 'karte' }, el('p', {}, mass.element, friction.element, distance.element), modeBox,
          el('div', { class: 'zeile knoepfe' }, go, lamp, state),
          el('div', { class: 'kraft' }, el('span', { 'aria-hidden': 'true' }, '+1 N'), forceLabel, el('span', { 'aria-hidden': 'true' }, '−1 N'))),
        el('table', { class: 'werte', id: 'lokfahrt-werte' }, row('s (cm)', shownS), row('v (cm/s)', shownV), row('t (s)', shownT),
          row(t('locoForce'), shownF))),
      plotBox);
    showValues();
  }

  view.loco = () => loco;
  view.running = () => running;
  view.setMode = (fuzzy) => {
    fuzzyRadio.checked = fuzzy;
    handRadio.checked = !fuzzy;
    pickMode();
  };
  ctx.onProject(() => showValues());
  return view;
}
