// The control surface: the output over A × B as colours, computed by the
// engine point by point as a control step computes it. Hatched where no rule
// fires; a click shows that point in the inspector.
import { el } from '../dom.js';
import { t } from '../i18n.js';

const N = 41;

function colour(f) {
  // Blue (low) over white to red (high), readable on a projector.
  const lerp = (a, b, x) => Math.round(a + (b - a) * x);
  if (f < 0.5) {
    const x = f / 0.5;
    return `rgb(${lerp(33, 245, x)},${lerp(102, 245, x)},${lerp(172, 245, x)})`;
  }
  const x = (f - 0.5) / 0.5;
  return `rgb(${lerp(245, 178, x)},${lerp(245, 24, x)},${lerp(245, 43, x)})`;
}

export default function create(ctx) {
  const element = el('section');
  const view = { id: 'kennfeld', tabKey: 'tabKennfeld', element, render, shown: () => compute() };
  let field = null;
  let forFuz = null;
  let busy = false;

  async function compute() {
    if (!ctx.fuz || forFuz === ctx.fuz || busy) return;
    busy = true;
    const fuz = ctx.fuz;
    try {
      field = await ctx.engine.call('kennfeld', { nx: N, ny: N }, fuz);
      forFuz = fuz;
    } catch (e) {
      ctx.reportError(e);
      field = null;
    } finally {
      busy = false;
    }
    render();
    if (forFuz !== ctx.fuz && !element.hidden) compute();
  }

  function render() {
    element.replaceChildren();
    const p = ctx.view;
    if (!p) return element.append(el('p', {}, t('noProject')));
    if (!p.A.defined || !p.Out.defined) return element.append(el('p', {}, t('undefinedAOut')));
    element.append(el('h2', {}, t('tabKennfeld')), el('p', {}, t('kennfeldIntro')));
    if (!field || forFuz !== ctx.fuz) {
      element.append(el('p', { class: 'leise' }, t('working')));
      return;
    }
    if (!field.defined) return element.append(el('p', {}, t('undefinedAOut')));
    const cell = field.twoInputs ? 13 : 13;
    const rows = field.ny;
    const W = field.nx * cell;
    const H = field.twoInputs ? rows * cell : 60;
    const canvas = el('canvas', { width: W + 70, height: H + 60, id: 'kennfeld-bild' });
    const g = canvas.getContext('2d');
    const lo = Number(field.min.exact);
    const hi = Number(field.max.exact);
    const ox = 60;
    const oy = 10;
    for (let j = 0; j < rows; j++) {
      for (let i = 0; i < field.nx; i++) {
        const v = Number(field.values[j * field.nx + i]);
        g.fillStyle = Number.isFinite(v) ? colour(hi > lo ? (v - lo) / (hi - lo) : 0.5) : '#000';
        const y = field.twoInputs ? oy + (rows - 1 - j) * cell : oy;
        g.fillRect(ox + i * cell, y, cell, field.twoInputs ? cell : H);
      }
    }
    // Where no rule fires: the boxes of the engine's check, hatched.
    const aLo = Number(p.A.min.exact);
    const aHi = Number(p.A.max.exact);
    const bLo = p.B.defined ? Number(p.B.min.exact) : 0;
    const bHi = p.B.defined ? Number(p.B.max.exact) : 1;
    const px = (a) => ox + ((a - aLo) / (aHi - aLo || 1)) * W;
    const py = (b) => oy + H - ((b - bLo) / (bHi - bLo || 1)) * H;
    g.save();
    g.strokeStyle = 'rgba(0,0,0,0.55)';
    g.lineWidth = 1.5;
    for (const box of p.check.noRuleRegions || []) {
      const x0 = px(box.A.low);
      const x1 = Math.max(px(box.A.high), x0 + 3);
      const y0 = box.B ? py(box.B.high) : oy;
      const y1 = box.B ? Math.max(py(box.B.low), y0 + 3) : oy + H;
      g.save();
      g.beginPath();
      g.rect(x0, y0, x1 - x0, y1 - y0);
      g.clip();
      for (let s = -H; s < W + H; s += 8) {
        g.beginPath();
        g.moveTo(ox + s, oy + H);
        g.lineTo(ox + s + H, oy);
        g.stroke();
      }
      g.restore();
      g.strokeRect(x0, y0, x1 - x0, y1 - y0);
    }
    g.restore();
    g.fillStyle = '#222';
    g.font = '15px "Liberation Sans", sans-serif';
    g.textAlign = 'center';
    for (const tk of field.ticksA) g.fillText(tk.text, px(tk.value), oy + H + 20);
    g.fillText(p.A.name, ox + W / 2, oy + H + 42);
    g.textAlign = 'right';
    if (field.twoInputs) for (const tk of field.ticksB) g.fillText(tk.text, ox - 6, py(tk.value) + 5);
    canvas.addEventListener('click', (e) => {
      const r = canvas.getBoundingClientRect();
      const x = ((e.clientX - r.left) * canvas.width) / r.width;
      const y = ((e.clientY - r.top) * canvas.height) / r.height;
      const i = Math.floor((x - ox) / cell);
      const j = field.twoInputs ? rows - 1 - Math.floor((y - oy) / cell) : 0;
      if (i < 0 || i >= field.nx || j < 0 || j >= rows) return;
      ctx.inspectAt(field.a[i], field.b[j]);
    });
    const legend = el('p', { class: 'gross' },
      el('span', { style: `color:${colour(0)}` }, '■ '), `${t('lowest')}: ${field.min.text}   `,
      el('span', { style: `color:${colour(1)}` }, '■ '), `${t('highest')}: ${field.max.text}   (${p.Out.name})`);
    element.append(el('div', { class: 'zeile' }, canvas), legend,
      field.twoInputs ? el('p', { class: 'leise' }, `↑ ${p.B.name}`) : null);
  }

  ctx.onProject(() => {
    render();
    if (!element.hidden) compute();
  });
  return view;
}
