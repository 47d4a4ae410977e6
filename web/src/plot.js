// Line plots in SVG for the labs and term diagrams: the curves are drawn from
// the engine's numbers, the axis labels are the engine's tick texts.
import { svg } from './dom.js';

// ticksX/ticksY: [{value, text}] from the engine; x/y ranges to show.
export function frame({ width = 520, height = 300, x, y, ticksX, ticksY, labelX = '', labelY = '' }) {
  const m = { l: 64, r: 14, t: 14, b: 46 };
  const w = width - m.l - m.r;
  const h = height - m.t - m.b;
  const sx = (v) => m.l + ((v - x[0]) / (x[1] - x[0] || 1)) * w;
  const sy = (v) => m.t + h - ((v - y[0]) / (y[1] - y[0] || 1)) * h;
  const root = svg('svg', { viewBox: `0 0 ${width} ${height}`, width, height, class: 'plot' });
  root.append(svg('rect', { x: m.l, y: m.t, width: w, height: h, fill: '#fff', stroke: '#444', 'stroke-width': 1.5 }));
  for (const tk of ticksX || []) {
    const px = sx(tk.value);
    root.append(svg('line', { x1: px, x2: px, y1: m.t, y2: m.t + h, stroke: '#ddd' }));
    root.append(svg('text', { x: px, y: m.t + h + 20, 'text-anchor': 'middle', 'font-size': 15 }, tk.text));
  }
  for (const tk of ticksY || []) {
    const py = sy(tk.value);
    root.append(svg('line', { x1: m.l, x2: m.l + w, y1: py, y2: py, stroke: '#ddd' }));
    root.append(svg('text', { x: m.l - 6, y: py + 5, 'text-anchor': 'end', 'font-size': 15 }, tk.text));
  }
  root.append(svg('text', { x: m.l + w / 2, y: height - 6, 'text-anchor': 'middle', 'font-size': 16, 'font-weight': 'bold' }, labelX));
  root.append(svg('text', { x: 14, y: m.t + h / 2, 'text-anchor': 'middle', 'font-size': 16, 'font-weight': 'bold',
    transform: `rotate(-90 14 ${m.t + h / 2})` }, labelY));
  return { root, sx, sy, inner: { x: m.l, y: m.t, w, h } };
}

export function polyline(f, xs, ys, attrs = {}) {
  let d = '';
  for (let i = 0; i < xs.length; i++) d += `${i ? 'L' : 'M'}${f.sx(xs[i]).toFixed(1)},${f.sy(ys[i]).toFixed(1)}`;
  const p = svg('path', { d, fill: 'none', stroke: '#1f4e9c', 'stroke-width': 2.5, ...attrs });
  f.root.append(p);
  return p;
}

// The smallest and largest finite value, for the range of an axis.
export function extent(values, pad = 0.05) {
  let lo = Infinity;
  let hi = -Infinity;
  for (const v of values) {
    if (!Number.isFinite(v)) continue;
    if (v < lo) lo = v;
    if (v > hi) hi = v;
  }
  if (lo === Infinity) return [0, 1];
  if (lo === hi) return [lo - 1, hi + 1];
  const d = (hi - lo) * pad;
  return [lo - d, hi + d];
}
