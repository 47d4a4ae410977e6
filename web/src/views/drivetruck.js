// Dorvane in the page: the truck on its road backs to the target line, a
// step every 100 ms as the desktop program's timer makes it, steered by hand
// on the steering bar (mouse, finger, arrow keys) or by the project's
// controller. Every step is the engine's (the truck model and the
// controller of the desktop program); the page only draws and paces it.
import { el, field } from '../dom.js';
import { t } from '../i18n.js';

// The road picture's world: x across (the target line at 0), y along the road.
const X0 = -20.1;
const X1 = 2;
const Y0 = -25;
const Y1 = 25;
const W = 300;
const H = Math.round((W * 415) / 239);
// The steering bar: 0 full left (+70°) to 140 full right (−70°), 70 straight.
const BarMax = 140;

// The bar position for a pointer at column x of a bar w pixels wide: the
// nearest whole number of x · 140 / w (as a float; a half goes to the even one).
export function barPosition(x, w) {
  const q = Math.fround((x * BarMax) / w);
  let r = Math.round(q);
  if (Math.abs(q - Math.trunc(q)) === 0.5) r = 2 * Math.round(q / 2);
  return Math.max(0, Math.min(BarMax, r));
}

export default function create(ctx) {
  const element = el('section');
  const view = { id: 'drive', tabKey: 'tabDrive', element, render, place, start, stop, toggleMode, pace: 100, log: [] };
  let truck = null; // the engine's answer for the truck now
  let hand = true;
  let running = false;
  let bar = 70;
  let barMoved = false; // the bar was moved since the last tick
  let timer = null;
  let ticking = null;
  let note = '';

  const canvas = el('canvas', { width: W, height: H, id: 'fahrt-bild', role: 'img' });
  const modeLabel = el('p', { class: 'betriebsart', id: 'fahrt-betriebsart', 'aria-live': 'polite' });
  const state = el('p', { class: 'leise', id: 'fahrt-lauf', 'aria-live': 'polite' });
  const steerBar = el('div', { class: 'lenkbalken', id: 'fahrt-lenkung', role: 'slider', tabindex: '0',
    'aria-valuemin': '0', 'aria-valuemax': String(BarMax) });
  const steerFill = el('div', { class: 'lenkbalken-stand' });
  steerBar.append(steerFill);
  const barLabels = el('div', { class: 'lenkbalken-enden', 'aria-hidden': 'true' }, el('span', {}, ''), el('span', {}, ''));
  const placeButton = el('button', { id: 'fahrt-setzen', type: 'button', onclick: () => place() });
  const startButton = el('button', { id: 'fahrt-start', type: 'button', onclick: () => start() });
  const stopButton = el('button', { id: 'fahrt-stop', type: 'button', onclick: () => stop() });
  const modeButton = el('button', { id: 'fahrt-umschalten', type: 'button', onclick: () => toggleMode() });
  const reverseButton = el('button', { id: 'fahrt-richtung', type: 'button', onclick: () => reverse() });
  const out = (id) => el('output', { id, class: 'zahl wert' }, '0');
  const distance = out('fahrt-abstand');
  const attitude = out('fahrt-lage');
  const steering = out('fahrt-lenkwinkel');
  const random = el('input', { type: 'checkbox', id: 'fahrt-zufall', checked: true });
  const startX = field('', { id: 'fahrt-startabstand', value: '-10', inputmode: 'decimal' });
  const startAttitude = field('', { id: 'fahrt-startlage', value: '0', inputmode: 'decimal' });
  const startSpeed = field('', { id: 'fahrt-geschwindigkeit', value: '-1', inputmode: 'decimal' });
  const randomLabel = el('label', { class: 'feld haken' }, random, el('span', {}));

  const px = (x) => ((x - X0) / (X1 - X0)) * W;
  const py = (y) => H - ((y - Y0) / (Y1 - Y0)) * H;

  // The road: green verges, the grey road with its white dashes, the red
  // bar at the far end and the target line.
  function draw() {
    const g = canvas.getContext('2d');
    g.fillStyle = '#7cae5a';
    g.fillRect(0, 0, W, H);
    g.fillStyle = '#9a9a9a';
    g.fillRect(W * 0.06, 0, W * 0.88, H);
    g.strokeStyle = '#fff';
    g.lineWidth = 3;
    g.setLineDash([18, 14]);
    g.beginPath();
    g.moveTo(W / 2, 0);
    g.lineTo(W / 2, H);
    g.stroke();
    g.setLineDash([]);
    const bottom = H - 14;
    g.fillStyle = '#d32f2f';
    g.fillRect(W * 0.06, bottom, W * 0.88, 14);
    g.strokeStyle = '#000';
    g.lineWidth = 2;
    g.beginPath();
    g.moveTo(W / 2 - 6, bottom + 1);
    g.lineTo(W / 2 + 6, bottom + 13);
    g.moveTo(W / 2 + 6, bottom + 1);
    g.lineTo(W / 2 - 6, bottom + 13);
    g.stroke();
    g.strokeStyle = '#ff0000';
    g.lineWidth = 1.5;
    g.setLineDash([6, 5]);
    g.beginPath();
    g.moveTo(px(0), 0);
    g.lineTo(px(0), H);
    g.stroke();
    g.setLineDash([]);
    if (!truck || Number(truck.state[1]) <= -30) return;
    // The truck: a broad yellow bar from its rear point to the cab, and the
    // cab's 2 m stroke in the steered direction.
    const [rx, ry, cx, cy, , st] = truck.state.map(Number);
    const a = Number(truck.heading) + st;
    g.strokeStyle = '#f4d000';
    g.lineCap = 'butt';
    g.lineWidth = (20 * W) / 239;
    g.beginPath();
    g.moveTo(px(rx), py(ry));
    g.lineTo(px(cx), py(cy));
    g.stroke();
    g.strokeStyle = '#c79a00';
    g.lineWidth = (12 * W) / 239;
    g.beginPath();
    g.moveTo(px(cx), py(cy));
    g.lineTo(px(cx + 2 * Math.cos(a)), py(cy + 2 * Math.sin(a)));
    g.stroke();
  }

  function showValues() {
    if (truck) {
      distance.textContent = truck.shown.distance;
      attitude.textContent = truck.shown.attitude;
      steering.textContent = truck.shown.steering;
    }
    modeLabel.textContent = t(hand ? 'driveHand' : 'driveFuzzy');
    modeLabel.classList.toggle('fuzzy', !hand);
    steerFill.style.width = `${(bar / BarMax) * 100}%`;
    steerBar.setAttribute('aria-valuenow', String(bar));
    steerBar.setAttribute('aria-valuetext', t('steerValue', String(70 - bar)));
    steerBar.hidden = !hand;
    barLabels.hidden = !hand;
    reverseButton.hidden = !hand;
    startButton.disabled = !truck || running;
    stopButton.disabled = !truck || !running;
    const speed = truck ? Number(truck.state[4]) : -1;
    state.textContent = note || (!truck ? t('driveNotPlaced') : running ? t(speed > 0 ? 'driveForwards' : 'driveBackwards')
      : truck.arrived ? t('driveArrived') : t('driveStopped'));
    canvas.setAttribute('aria-label', truck ? t('drivePicture', truck.shown.distance, truck.shown.attitude) : t('drivePictureEmpty'));
    draw();
  }

  async function call(args, bytes) {
    const r = await ctx.engine.call('truckDrive', args, bytes);
    if (r.refused) throw Object.assign(new Error(r.refused.detail), { refusedCode: r.refused.code });
    return r;
  }

  // "Truck setzen": the start as the start values say, steering 18°.
  async function place() {
    note = '';
    try {
      const speed = startSpeed.input.value;
      const at = random.checked ? { random: String(Math.random()), speed } : { cabX: startX.input.value, attitude: startAttitude.input.value, speed };
      truck = await call({ place: at });
      bar = 70;
      view.log = [];
      ctx.clearError();
      if (!hand) start();
      else running = false;
    } catch (e) {
      ctx.reportError(e);
    }
    showValues();
    return truck;
  }

  function start() {
    if (!truck || running) return;
    if (!hand && !(ctx.view && ctx.view.A.defined && ctx.view.Out.defined)) {
      note = t('undefinedAOut');
      showValues();
      return;
    }
    note = '';
    running = true;
    showValues();
    schedule(0);
  }

  function stop() {
    running = false;
    if (timer) clearTimeout(timer);
    timer = null;
    showValues();
  }

  function schedule(ms) {
    if (timer) clearTimeout(timer);
    timer = setTimeout(tick, ms);
  }

  // One tick of the loop: the engine's step, then the next tick 100 ms after this one began.
  async function tick() {
    timer = null;
    if (!running || ticking) return;
    const began = performance.now();
    ticking = (async () => {
      try {
        const args = { state: truck.state, mode: hand ? 'hand' : 'fuzzy' };
        if (hand && barMoved) args.bar = bar;
        barMoved = false;
        const next = await call(args, hand ? undefined : ctx.fuz);
        if (next.defined === false) {
          note = t('undefinedAOut');
          running = false;
        } else {
          if (next.control) view.log.push(next.control);
          truck = next;
          if (next.aborted) {
            note = t('driveAborted');
            running = false;
          } else if (next.arrived) {
            running = false;
          }
        }
      } catch (e) {
        ctx.reportError(e);
        running = false;
      }
    })();
    await ticking;
    ticking = null;
    showValues();
    if (running) schedule(Math.max(0, view.pace - (performance.now() - began)));
  }

  function toggleMode() {
    hand = !hand;
    note = '';
    showValues();
  }

  function reverse() {
    if (!truck) return;
    const s = truck.state.slice();
    s[4] = String(-Number(s[4]));
    truck = { ...truck, state: s };
    showValues();
  }

  // The steering bar by hand: the wheel turns at once, as the desktop's does,
  // also while the truck stands.
  async function steerTo(position) {
    if (position === bar && !barMoved) return;
    bar = position;
    barMoved = true;
    showValues();
    if (!truck || running) return;
    try {
      truck = await call({ state: truck.state, mode: 'hand', bar, step: false });
      barMoved = false;
    } catch (e) {
      ctx.reportError(e);
    }
    showValues();
  }

  const pointerColumn = (e) => {
    const r = steerBar.getBoundingClientRect();
    return barPosition(((e.clientX - r.left) * 200) / r.width, 200);
  };
  steerBar.addEventListener('pointerdown', (e) => {
    steerBar.setPointerCapture(e.pointerId);
    steerBar.focus({ preventScroll: true });
    steerTo(pointerColumn(e));
    e.preventDefault();
  });
  // Over the bar the mouse steers with or without a button held; a finger while it is down.
  steerBar.addEventListener('pointermove', (e) => {
    if (e.pointerType !== 'mouse' && !steerBar.hasPointerCapture(e.pointerId)) return;
    steerTo(pointerColumn(e));
  });
  steerBar.addEventListener('keydown', (e) => {
    const step = e.shiftKey ? 10 : 1;
    const to = { ArrowLeft: bar - step, ArrowRight: bar + step, Home: 0, End: BarMax, ArrowUp: 70, ArrowDown: 70 }[e.key];
    if (to === undefined) return;
    e.preventDefault();
    steerTo(Math.max(0, Math.min(BarMax, to)));
  });

  function render() {
    element.replaceChildren();
    placeButton.textContent = t('drivePlace');
    startButton.textContent = t('driveStart');
    stopButton.textContent = t('driveStop');
    modeButton.textContent = t('driveToggle');
    reverseButton.textContent = t('driveReverse');
    steerBar.setAttribute('aria-label', t('steerBar'));
    barLabels.firstChild.textContent = t('left');
    barLabels.lastChild.textContent = t('right');
    startX.element.firstChild.textContent = t('driveStartX');
    startAttitude.element.firstChild.textContent = t('driveStartAttitude');
    startSpeed.element.firstChild.textContent = t('driveSpeed');
    randomLabel.lastChild.textContent = t('driveRandom');
    const row = (label, o) => el('tr', {}, el('th', { class: 'name', scope: 'row' }, el('label', { for: o.id }, label)), el('td', {}, o));
    element.append(el('h2', {}, t('tabDrive')), el('p', {}, t('driveIntro')),
      el('div', { class: 'zeile fahrt' }, el('div', { class: 'fahrt-bild' }, canvas),
        el('div', { class: 'fahrt-seite' },
          el('div', { class: 'karte' }, modeLabel, steerBar, barLabels, state,
            el('div', { class: 'zeile knoepfe' }, placeButton, startButton, stopButton),
            el('div', { class: 'zeile knoepfe' }, modeButton, reverseButton)),
          el('table', { class: 'werte', id: 'fahrt-werte' }, row(t('driveDistance'), distance), row(t('driveAttitude'), attitude),
            row(t('driveSteering'), steering)),
          el('details', { class: 'karte startwerte', id: 'fahrt-startwerte' }, el('summary', {}, t('driveStartValues')),
            el('p', { class: 'leise' }, t('driveStartHint')), startX.element, startAttitude.element, startSpeed.element,
            el('p', {}, randomLabel)))));
    showValues();
  }

  view.shown = () => showValues();
  view.truck = () => truck;
  view.running = () => running;
  view.setStart = (x, a, v) => {
    random.checked = false;
    startX.input.value = x;
    startAttitude.input.value = a;
    startSpeed.input.value = v;
  };
  ctx.onProject(() => showValues());
  return view;
}
