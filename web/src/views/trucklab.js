// The truck lab: every start of the teaching grid at one speed, as the
// Werkstatt runs them, with its figures; one start step by step, and the
// inspector at a chosen step.
import { el } from '../dom.js';
import { t } from '../i18n.js';
import { floats } from '../engine.js';
import { replay } from '../replay.js';

const verdictColour = { docked: '#1b7f3b', leftRoad: '#c62828', missed: '#ef8a00' };
// The road seen from above: x across (the target line at 0), y along it.
const X0 = -24;
const X1 = 6;
const Y0 = -27;
const Y1 = 30;

export default function create(ctx) {
  const element = el('section');
  const speed = el('input', { type: 'text', value: '-1', id: 'truck-speed', class: 'zahl' });
  const go = el('button', { id: 'truck-go' }, t('runAll'));
  const view = { id: 'truck', tabKey: 'tabTruck', element, render, runGrid, runStart, showStart, shownStart: () => single, lab: () => lab };
  let lab = null;
  let single = null;
  let stepIndex = 0;
  let busy = false;
  // The picture of the grid's tracks, drawn once per run; a step draws the truck over it.
  let canvas = null;
  let base = null;
  let stepText = null;
  let inspectButton = null;

  async function runGrid() {
    if (!ctx.fuz || busy) return null;
    busy = true;
    go.disabled = true;
    lab = null;
    single = null;
    render();
    try {
      lab = await ctx.engine.call('truckLab', { speed: speed.value }, ctx.fuz, { long: true });
      for (const r of lab.runs || []) r.points = floats(lab.binary, r.track);
      ctx.clearError();
    } catch (e) {
      ctx.reportError(e);
    } finally {
      busy = false;
      go.disabled = false;
    }
    render();
    return lab;
  }

  // Start i of the grid at a speed (its text as fuzzysim writes it), step by step.
  async function showStart(speedText, i) {
    speed.value = speedText;
    await runGrid();
    return runStart(i);
  }

  async function runStart(i) {
    if (!lab || !lab.runs[i]) return null;
    const r = lab.runs[i];
    try {
      single = await ctx.engine.call('truckRun', { cabX: r.cabX, attitude: r.attitude, speed: speed.value }, ctx.fuz);
      single.index = i;
      stepIndex = 0;
      ctx.clearError();
    } catch (e) {
      ctx.reportError(e);
    }
    render();
    return single;
  }

  const W = 380;
  const H = Math.round((W * (Y1 - Y0)) / (X1 - X0));
  const px = (x) => ((x - X0) / (X1 - X0)) * W;
  const py = (y) => H - ((y - Y0) / (Y1 - Y0)) * H;

  // The road with every track of the grid and the chosen start's track.
  function background() {
    const c = document.createElement('canvas');
    c.width = W;
    c.height = H;
    const g = c.getContext('2d');
    g.fillStyle = '#e9efe4';
    g.fillRect(0, 0, W, H);
    g.fillStyle = '#d5d5d5';
    g.fillRect(px(-20.1), 0, px(2) - px(-20.1), H);
    g.strokeStyle = '#fff';
    g.lineWidth = 3;
    g.setLineDash([14, 10]);
    g.beginPath();
    g.moveTo(px(0), 0);
    g.lineTo(px(0), H);
    g.stroke();
    g.setLineDash([]);
    g.fillStyle = '#333';
    g.fillRect(0, py(-25) - 2, W, 4);
    if (lab && lab.runs) {
      g.lineWidth = 1.6;
      const order = ['docked', 'missed', 'leftRoad'];
      // Of each track only the points two pixels or more apart: a step at
      // 1 m/s moves the truck by less than one, and the line's width hides
      // the corners between them (the stroke is most of the lab's drawing).
      for (const v of order) {
        g.strokeStyle = verdictColour[v];
        for (const r of lab.runs) {
          if (r.verdict !== v) continue;
          const p = r.points;
          if (p.length < 2) continue;
          let lastX = px(p[0]);
          let lastY = py(p[1]);
          g.beginPath();
          g.moveTo(lastX, lastY);
          for (let k = 2; k < p.length; k += 2) {
            const x = px(p[k]);
            const y = py(p[k + 1]);
            if (k + 2 < p.length && Math.abs(x - lastX) < 2 && Math.abs(y - lastY) < 2) continue;
            g.lineTo(x, y);
            lastX = x;
            lastY = y;
          }
          g.stroke();
        }
      }
    }
    if (single && single.track) {
      g.strokeStyle = '#111';
      g.lineWidth = 3.5;
      g.beginPath();
      single.track.forEach((s, k) => (k ? g.lineTo : g.moveTo).call(g, px(Number(s[0])), py(Number(s[1]))));
      g.stroke();
    }
    return c;
  }

  // The picture at the chosen step: the tracks, and the truck from its rear point to the cab.
  function drawStep() {
    if (!canvas) return;
    const g = canvas.getContext('2d');
    g.drawImage(base, 0, 0);
    const s = single && single.track ? single.track[stepIndex] : null;
    if (!s) return;
    g.strokeStyle = '#1f4e9c';
    g.lineWidth = 9;
    g.lineCap = 'round';
    g.beginPath();
    g.moveTo(px(Number(s[0])), py(Number(s[1])));
    g.lineTo(px(Number(s[2])), py(Number(s[3])));
    g.stroke();
    g.lineCap = 'butt';
  }

  function picture() {
    const c = el('canvas', { width: W, height: H, id: 'truck-bild', role: 'img', 'aria-label': t('truckPicture') });
    canvas = c;
    base = background();
    drawStep();
    c.addEventListener('click', (e) => {
      if (!lab || !lab.runs) return;
      const r = c.getBoundingClientRect();
      const x = X0 + (((e.clientX - r.left) * W) / r.width / W) * (X1 - X0);
      const y = Y1 - (((e.clientY - r.top) * H) / r.height / H) * (Y1 - Y0);
      let best = -1;
      let bestD = Infinity;
      lab.runs.forEach((run, i) => {
        const p = run.points;
        for (let k = 0; k < p.length; k += 2) {
          const d = (p[k] - x) ** 2 + (p[k + 1] - y) ** 2;
          if (d < bestD) {
            bestD = d;
            best = i;
          }
        }
      });
      if (best >= 0) runStart(best);
    });
    return c;
  }

  function figures() {
    const f = lab.figures;
    const line = (k, v, id) => el('tr', {}, el('th', { class: 'name' }, t(k)), el('td', { class: 'zahl', id }, v));
    return el('table', { id: 'truck-zahlen' },
      line('docked', t('ofN', f.docked, f.starts), 'truck-angedockt'),
      line('leftRoad', t('ofN', f.leftRoad, f.mustKeepRoad), 'truck-verlassen'),
      line('arrived', t('ofN', f.arrived, f.starts), 'truck-angekommen'),
      line('worstX', f.worstX, 'truck-x'),
      line('worstAttitude', f.worstAttitude, 'truck-lage'),
      line('mostSteps', String(f.mostSteps), 'truck-schritte'));
  }

  // Shows step i of the chosen start: the truck in the picture and its values;
  // the panel itself stays as it is.
  function showStep(i) {
    stepIndex = i;
    drawStep();
    const s = single.track[stepIndex];
    if (stepText) stepText.textContent = `${t('rearX')}: ${s[6]} · ${t('attitude')}: ${s[7]} · ${t('steering')}: ${s[8]}`;
  }

  function stepPanel() {
    const r = lab.runs[single.index];
    const n = single.track.length - 1;
    stepText = el('p', { class: 'zahl', id: 'truck-zustand' });
    inspectButton = el('button', { id: 'truck-inspektor', onclick: () => {
      const s = single.track[stepIndex];
      ctx.inspectAt(s[0], s[4], `${t('step')} ${stepIndex + 1}`);
    } }, t('inspectStep'));
    const at = Math.min(stepIndex, n);
    const player = replay({ count: n, id: 'truck', show: showStep, pace: () => 100 });
    player.go(at);
    view.player = player;
    return el('div', { class: 'karte' },
      el('h3', {}, `${t('start')}: ${t('cabX')} ${r.cabXText}, ${t('attitude')} ${r.attitudeText} — ${t(`verdict_${r.verdict}`)}`),
      el('p', {}, `${t('endX')}: ${single.endX} · ${t('endAttitude')}: ${single.endAttitude}`),
      player.element, stepText, inspectButton);
  }

  function render() {
    if (view.player) view.player.stop();
    view.player = null;
    canvas = null;
    stepText = null;
    element.replaceChildren();
    const p = ctx.view;
    if (!p) return element.append(el('p', {}, t('noProject')));
    go.textContent = t('runAll');
    element.append(el('h2', {}, t('tabTruck')), el('p', {}, t('truckIntro')),
      el('p', {}, el('label', { class: 'feld' }, t('speed'), speed), go));
    if (busy) element.append(el('p', { class: 'leise' }, t('working')));
    const row = el('div', { class: 'zeile' }, picture());
    const side = el('div', {});
    if (lab && lab.defined) side.append(figures());
    if (lab && !lab.defined) side.append(el('p', {}, t('undefinedAOut')));
    if (single && single.track) side.append(stepPanel());
    row.append(side);
    element.append(row);
  }

  go.addEventListener('click', runGrid);
  ctx.onProject(() => {
    lab = null;
    single = null;
    render();
  });
  return view;
}
