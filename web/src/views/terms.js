// The variables: each one's terms as a diagram over its range and as a table
// whose corners (a, b, c, d) and heights (h) can be typed. A typed number is
// read and set by the engine, as the Werkstatt sets it.
import { el, svg, colours } from '../dom.js';
import { t } from '../i18n.js';
import { frame } from '../plot.js';

const roles = [['A', 'roleA'], ['B', 'roleB'], ['Out', 'roleOut']];
const params = ['a', 'b', 'c', 'd', 'h'];

export function termDiagram(v, { width = 640, height = 270, heights = null } = {}) {
  const lo = Number(v.min.exact);
  const hi = Number(v.max.exact);
  const f = frame({ width, height, x: [lo, hi], y: [0, 1.25], ticksX: v.ticks,
    ticksY: [{ value: 0, text: '0' }, { value: 1, text: '1' }] });
  const clip = (x) => Math.min(Math.max(x, lo), hi);
  // Labels of neighbouring terms that would overlap go one line higher.
  let lastX = -Infinity;
  let lastUp = false;
  v.terms.forEach((term, i) => {
    const [a, b, c, d, h] = term.params.map((p) => Number(p.exact));
    const top = heights ? Math.min(h, heights[i]) : h;
    const pts = [[a, 0], [b, h], [c, h], [d, 0]];
    let dAttr = '';
    pts.forEach(([x, y], k) => {
      dAttr += `${k ? 'L' : 'M'}${f.sx(clip(x)).toFixed(1)},${f.sy(y).toFixed(1)}`;
    });
    f.root.append(svg('path', { d: dAttr, fill: 'none', stroke: colours[i], 'stroke-width': heights ? 1.5 : 3,
      'stroke-dasharray': heights ? '5 4' : '' }));
    if (heights && top > 0) {
      // The term cut at its height: what the rule lifted it to.
      const fr = h > 0 ? top / h : 0;
      const xb = a + (b - a) * fr;
      const xc = d - (d - c) * fr;
      const area = [[a, 0], [xb, top], [xc, top], [d, 0]]
        .map(([x, y], k) => `${k ? 'L' : 'M'}${f.sx(clip(x)).toFixed(1)},${f.sy(y).toFixed(1)}`).join('') + 'Z';
      f.root.append(svg('path', { d: area, fill: colours[i], 'fill-opacity': 0.35, stroke: colours[i], 'stroke-width': 2.5 }));
    }
    const mid = f.sx(clip((b + c) / 2));
    const up = mid - lastX < 34 && !lastUp;
    lastX = mid;
    lastUp = up;
    f.root.append(svg('text', { x: mid, y: f.sy(h) - 6 - (up ? 18 : 0), 'text-anchor': 'middle', 'font-size': 16,
      fill: colours[i], 'font-weight': 'bold' }, term.abbrev));
  });
  return f;
}

export default function create(ctx) {
  const element = el('section');
  const view = { id: 'terms', tabKey: 'tabTerms', element, render };

  // label: the variable and term as the table shows them, in the page's language.
  function numberCell(role, term, param, text, label) {
    const input = el('input', { type: 'text', value: text, class: 'zahl', 'aria-label': label });
    input.dataset.role = role;
    input.dataset.term = String(term);
    input.dataset.param = String(param);
    // Only a changed text counts, and only once (leaving the field after the
    // page was redrawn reports it again).
    let sent = text;
    input.addEventListener('change', () => {
      if (input.value === sent) return;
      sent = input.value;
      ctx.edit([{ op: 'param', var: role, term, param, text: input.value }]);
    });
    return el('td', {}, input);
  }

  function rangeField(role, v) {
    const name = t(roles.find(([r]) => r === role)[1]);
    const min = el('input', { type: 'text', value: v.min.text, class: 'zahl', 'aria-label': t('rangeFromLabel', name) });
    const max = el('input', { type: 'text', value: v.max.text, class: 'zahl', 'aria-label': t('rangeToLabel', name) });
    let sent = `${v.min.text}|${v.max.text}`;
    const change = () => {
      if (`${min.value}|${max.value}` === sent) return;
      sent = `${min.value}|${max.value}`;
      ctx.edit([{ op: 'range', var: role, min: min.value, max: max.value }]);
    };
    min.addEventListener('change', change);
    max.addEventListener('change', change);
    return el('p', {}, `${t('range')}: ${t('from')} `, min, ` ${t('to')} `, max);
  }

  function render() {
    element.replaceChildren();
    const p = ctx.view;
    if (!p) return element.append(el('p', {}, t('noProject')));
    for (const [role, key] of roles) {
      const v = p[role];
      const card = el('div', { class: 'karte', 'data-role': role });
      card.append(el('h2', {}, `${t(key)}${v.defined ? `: ${v.name}` : ''}`));
      if (!v.defined) {
        card.append(el('p', { class: 'leise' }, t('notDefined')));
        element.append(card);
        continue;
      }
      card.append(rangeField(role, v));
      const row = el('div', { class: 'zeile' });
      row.append(termDiagram(v).root);
      const table = el('table', {}, el('tr', {}, el('th', {}, '#'), el('th', { class: 'name' }, t('name')),
        ...params.map((n) => el('th', {}, n))));
      v.terms.forEach((term, i) => {
        table.append(el('tr', {}, el('td', { style: `color:${colours[i]};font-weight:bold` }, String(i + 1)),
          el('td', { class: 'name' }, term.name),
          ...term.params.map((x, j) => numberCell(role, i + 1, j + 1, x.text,
            t(params[j] === 'h' ? 'heightLabel' : 'cornerLabel', t(key), term.name, params[j])))));
      });
      row.append(table);
      card.append(row);
      element.append(card, el('br'));
    }
  }

  ctx.onProject(render);
  return view;
}
