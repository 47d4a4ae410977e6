// The variables, edited as in the Werkstatt: each one's name and range, its
// terms in a table (name, corners a–d, height h) and as a diagram whose
// handles are dragged with the mouse or a finger (they snap to the handle's
// grid, Ctrl moves them freely) or moved with the arrow keys; terms added,
// removed and moved; input B used or not. The engine makes every change as
// the Werkstatt's editor makes it; the page only says which.
import { el, svg, colours, textColours, keepFocus } from '../dom.js';
import { t, language } from '../i18n.js';
import { frame } from '../plot.js';
import { fileNumber } from '../engine.js';

const roles = [['A', 'roleA'], ['B', 'roleB'], ['Out', 'roleOut']];
const params = ['a', 'b', 'c', 'd', 'h'];
const ParamH = 5;
// The h handle hangs this far below the middle of the plateau, clear of b and c.
const HeightOffset = 14;
// How near a press must come to a handle, in CSS pixels: a finger is broad.
const Reach = { mouse: 9, pen: 12, touch: 24 };

// `halves`: the height 0.5 marked too, as the printed sheets have it.
export function termDiagram(v, { width = 640, height = 270, heights = null, halves = false } = {}) {
  const lo = Number(v.min.exact);
  const hi = Number(v.max.exact);
  const f = frame({ width, height, x: [lo, hi], y: [0, 1.25], ticksX: v.ticks,
    ticksY: [{ value: 0, text: '0' }, ...(halves ? [{ value: 0.5, text: t('half') }] : []), { value: 1, text: '1' }] });
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
      fill: textColours[i], 'font-weight': 'bold' }, term.abbrev));
  });
  return f;
}

// Where the handles of a term sit in the diagram f (its units), as the Werkstatt places them.
function handlePlaces(f, term) {
  const [a, b, c, d, h] = term.params.map((p) => Number(p.exact));
  const y = (v) => f.sy(Math.min(Math.max(v, 0), 1.25));
  const x = (v) => f.sx(v);
  return [[x(a), y(0)], [x(b), y(h)], [x(c), y(h)], [x(d), y(0)], [x(b + (c - b) / 2), y(h) + HeightOffset]];
}

// A value the pointer wishes for, as a project file writes it: six decimals
// are finer than any pixel.
function wishText(x) {
  const r = Math.round(x * 1e6) / 1e6;
  return Object.is(r, -0) || Math.abs(r) < 1e-6 ? '0' : String(r);
}

export default function create(ctx) {
  const element = el('section');
  const view = { id: 'terms', tabKey: 'tabTerms', element, render };
  const cards = new Map();

  // Asks whether the terms go with a new range: yes, no, or nothing at all.
  function askTermsAlong() {
    return new Promise((resolve) => {
      const done = (answer) => {
        dialog.close();
        dialog.remove();
        resolve(answer);
      };
      const dialog = el('dialog', { class: 'frage', 'aria-labelledby': 'frage-text' },
        el('p', { id: 'frage-text' }, t('rangeTermsAlong')),
        el('ul', { class: 'leise' }, el('li', {}, t('rangeTermsYes')), el('li', {}, t('rangeTermsNo'))),
        el('p', { class: 'knoepfe' },
          el('button', { type: 'button', id: 'frage-ja', onclick: () => done('yes') }, t('yes')),
          el('button', { type: 'button', id: 'frage-nein', onclick: () => done('no') }, t('no')),
          el('button', { type: 'button', id: 'frage-abbrechen', onclick: () => done(null) }, t('cancel'))));
      dialog.addEventListener('cancel', (e) => {
        e.preventDefault();
        done(null);
      });
      document.body.append(dialog);
      dialog.showModal();
      dialog.querySelector('#frage-ja').focus();
    });
  }

  function makeCard(role, key) {
    const c = { role, key, chosen: 1, shape: null, v: null, drag: null, active: 2 };
    c.root = el('div', { class: 'karte variable', 'data-role': role });
    c.plot = svg('svg', { class: 'plot termdiagramm', 'data-role': role });
    c.content = svg('g');
    c.catch = svg('g', { class: 'faenge' });
    c.handleLayer = svg('g', { class: 'griffe' });
    c.label = svg('g', { class: 'griffwert', 'aria-hidden': 'true' });
    c.plot.append(c.content, c.catch, c.handleLayer, c.label);
    c.handles = params.map((name, j) => {
      const g = svg('g', { class: 'griff', tabindex: '0', role: 'slider', 'data-role': role, 'data-param': String(j + 1),
        'data-focus': `${role}:griff:${j + 1}` });
      g.append(j + 1 === ParamH ? svg('circle', { r: 5.5 }) : svg('rect', { x: -5, y: -5, width: 10, height: 10 }));
      g.addEventListener('keydown', (e) => handleKey(c, j + 1, e));
      g.addEventListener('focus', () => {
        c.active = j + 1;
        drawLabel(c);
      });
      g.addEventListener('blur', () => drawLabel(c));
      c.handleLayer.append(g);
      return g;
    });
    c.plot.addEventListener('pointerdown', (e) => pointerDown(c, e));
    c.plot.addEventListener('pointermove', (e) => pointerMove(c, e));
    c.plot.addEventListener('pointerup', (e) => pointerUp(c, e));
    c.plot.addEventListener('pointercancel', (e) => pointerUp(c, e));
    c.plot.addEventListener('lostpointercapture', (e) => pointerUp(c, e));
    return c;
  }

  function roleName(c) {
    return t(c.key);
  }

  // ---- the card -------------------------------------------------------------

  function buildCard(c, v) {
    const name = roleName(c);
    const parts = [el('h2', {}, `${name}${v.defined ? `: ${v.name}` : ''}`)];
    if (c.role === 'B') {
      const on = el('input', { type: 'checkbox', id: 'b-verwenden', checked: v.defined, 'data-focus': 'B:an' });
      on.addEventListener('change', () => ctx.edit([{ op: 'inputB', on: on.checked }]));
      parts.push(el('p', {}, el('label', { class: 'feld haken' }, on, t('useInputB'))));
    }
    if (!v.defined) {
      parts.push(el('p', { class: 'leise gross' }, c.role === 'B' ? t('notUsed') : t('notDefined')));
      c.root.replaceChildren(...parts);
      return;
    }
    parts.push(el('p', { class: 'kopfzeile' }, nameField(c, v), rangeFields(c, v)));
    c.table = termTable(c, v);
    const n = v.terms.length;
    const button = (id, label, on, onclick) => el('button', { type: 'button', class: 'klein', 'data-focus': `${c.role}:${id}`,
      id: `${id}-${c.role}`, disabled: !on, onclick }, label);
    c.buttons = el('p', { class: 'termknoepfe' },
      button('term-hinzu', t('addTerm'), n < 5, () => ctx.edit([{ op: 'addTerm', var: c.role }]).then((ok) => ok && choose(c, n + 1))),
      button('term-weg', t('removeTerm'), n >= 1, () => {
        const k = c.chosen;
        ctx.edit([{ op: 'removeTerm', var: c.role, term: k }]).then((ok) => ok && choose(c, Math.min(k, n - 1)));
      }),
      button('term-hoch', t('termUp'), c.chosen > 1, () => {
        const k = c.chosen;
        ctx.edit([{ op: 'moveTerm', var: c.role, term: k, to: k - 1 }]).then((ok) => ok && choose(c, k - 1));
      }),
      button('term-runter', t('termDown'), c.chosen < n, () => {
        const k = c.chosen;
        ctx.edit([{ op: 'moveTerm', var: c.role, term: k, to: k + 1 }]).then((ok) => ok && choose(c, k + 1));
      }));
    // Table and diagram side by side where there is room, one above the other where not.
    parts.push(el('div', { class: 'werkbank' },
      el('div', { class: 'werkbank-tabelle' }, el('div', { class: 'tabellenbox' }, c.table), c.buttons),
      el('div', { class: 'werkbank-diagramm' }, el('div', { class: 'diagrammbox' }, c.plot), el('p', { class: 'leise hilfe' }, t('handleHelp')))));
    c.root.replaceChildren(...parts);
  }

  // A text field that sends its text once it changed and the user left it (or pressed Enter).
  function commitField(input, send) {
    input.addEventListener('change', () => {
      if (input.value === input.dataset.shown) return;
      send(input.value);
    });
  }

  function nameField(c, v) {
    const input = el('input', { type: 'text', class: 'name', value: v.name, 'aria-label': t('variableNameLabel', roleName(c)),
      'data-focus': `${c.role}:name`, 'data-shown': v.name, maxlength: '200' });
    commitField(input, (text) => ctx.edit([{ op: 'name', var: c.role, name: text }]));
    c.nameInput = input;
    return el('label', { class: 'feld' }, `${t('name')}:`, input);
  }

  function rangeFields(c, v) {
    const name = roleName(c);
    const min = el('input', { type: 'text', class: 'zahl', value: v.min.text, 'aria-label': t('rangeFromLabel', name),
      'data-focus': `${c.role}:min`, 'data-shown': v.min.text });
    const max = el('input', { type: 'text', class: 'zahl', value: v.max.text, 'aria-label': t('rangeToLabel', name),
      'data-focus': `${c.role}:max`, 'data-shown': v.max.text });
    const change = async () => {
      if (min.value === min.dataset.shown && max.value === max.dataset.shown) return;
      const cur = c.v;
      const lo = Number(fileNumber(min.value));
      const hi = Number(fileNumber(max.value));
      let terms = false;
      // As the Werkstatt asks: only where both ranges have a width and there are terms to take along.
      if (cur.terms.length > 0 && Number(cur.max.exact) > Number(cur.min.exact) && hi > lo &&
          (lo !== Number(cur.min.exact) || hi !== Number(cur.max.exact))) {
        const answer = await askTermsAlong();
        if (answer === null) {
          min.value = min.dataset.shown;
          max.value = max.dataset.shown;
          return;
        }
        terms = answer === 'yes';
      }
      await ctx.edit([{ op: 'range', var: c.role, min: fileNumber(min.value), max: fileNumber(max.value), terms,
        typed: [min.value, max.value] }]);
    };
    min.addEventListener('change', change);
    max.addEventListener('change', change);
    c.minInput = min;
    c.maxInput = max;
    return el('span', { class: 'bereich' }, el('span', {}, `${t('range')}: ${t('from')} `), min, el('span', {}, ` ${t('to')} `), max);
  }

  // The terms as a grid: one tab stop, the arrows go from cell to cell (left
  // and right once the caret is at the end of the text), as in the Werkstatt's table.
  function termTable(c, v) {
    const name = roleName(c);
    const table = el('table', { class: 'terme' },
      el('thead', {}, el('tr', {}, el('th', { scope: 'col' }, '#'), el('th', { class: 'name', scope: 'col' }, t('name')),
        el('th', { scope: 'col' }, t('abbrev')), ...params.map((p) => el('th', { scope: 'col' }, p)))));
    const body = el('tbody');
    v.terms.forEach((term, i) => {
      const k = i + 1;
      const nameInput = el('input', { type: 'text', class: 'name', value: term.name, 'data-shown': term.name, tabindex: '-1',
        'aria-label': t('termNameLabel', name, k), 'data-focus': `${c.role}:${k}:0`, 'data-row': String(k), 'data-col': '0', maxlength: '200' });
      commitField(nameInput, (text) => ctx.edit([{ op: 'termName', var: c.role, term: k, name: text }]));
      const cells = term.params.map((x, j) => {
        const input = el('input', { type: 'text', class: 'zahl', value: x.text, 'data-shown': x.text, tabindex: '-1',
          'aria-label': t(params[j] === 'h' ? 'heightLabel' : 'cornerLabel', name, term.name, params[j]),
          'data-role': c.role, 'data-term': String(k), 'data-param': String(j + 1),
          'data-focus': `${c.role}:${k}:${j + 1}`, 'data-row': String(k), 'data-col': String(j + 1) });
        commitField(input, (text) => ctx.edit([{ op: 'param', var: c.role, term: k, param: j + 1, text }]));
        return el('td', {}, input);
      });
      body.append(el('tr', { 'data-term': String(k), onclick: () => choose(c, k) },
        el('th', { scope: 'row', style: `color:${textColours[i]}` }, String(k)), el('td', { class: 'name' }, nameInput),
        el('td', { class: 'name kuerzel', style: `color:${textColours[i]}` }, term.abbrev), ...cells));
    });
    table.append(body);
    table.addEventListener('focusin', (e) => {
      const input = e.target.closest('input');
      if (!input) return;
      for (const x of table.querySelectorAll('input')) x.tabIndex = x === input ? 0 : -1;
      const k = Number(input.dataset.row);
      if (k !== c.chosen) choose(c, k);
    });
    table.addEventListener('keydown', (e) => gridKey(table, e));
    const first = table.querySelector('input');
    if (first) first.tabIndex = 0;
    return table;
  }

  function gridKey(table, e) {
    const input = e.target.closest('input');
    if (!input || e.altKey || e.ctrlKey || e.metaKey) return;
    const row = Number(input.dataset.row);
    const col = Number(input.dataset.col);
    const all = input.selectionStart === 0 && input.selectionEnd === input.value.length;
    let to = null;
    if (e.key === 'ArrowUp') to = [row - 1, col];
    else if (e.key === 'ArrowDown') to = [row + 1, col];
    else if (e.key === 'ArrowLeft' && (all || (input.selectionStart === 0 && input.selectionEnd === 0))) to = [row, col - 1];
    else if (e.key === 'ArrowRight' && (all || input.selectionStart === input.value.length)) to = [row, col + 1];
    if (!to) return;
    const next = table.querySelector(`input[data-row="${to[0]}"][data-col="${to[1]}"]`);
    if (!next) return;
    e.preventDefault();
    next.focus();
    next.select();
  }

  // Another term is the one the diagram's handles and the buttons act on.
  function choose(c, k) {
    if (!c.v || !c.v.defined) return;
    c.chosen = Math.max(1, Math.min(k, c.v.terms.length));
    if (c.table) for (const tr of c.table.querySelectorAll('tbody tr')) tr.classList.toggle('gewaehlt', Number(tr.dataset.term) === c.chosen);
    if (c.table) for (const tr of c.table.querySelectorAll('tbody tr')) tr.setAttribute('aria-current', String(Number(tr.dataset.term) === c.chosen));
    if (c.buttons) {
      const n = c.v.terms.length;
      c.buttons.querySelector(`#term-hoch-${c.role}`).disabled = c.chosen <= 1;
      c.buttons.querySelector(`#term-runter-${c.role}`).disabled = c.chosen >= n;
    }
    drawDiagram(c);
  }

  // The values of a card whose shape stayed: fields the user is not typing in take the engine's texts.
  function patchCard(c, v) {
    const put = (input, text) => {
      if (!input) return;
      // After a refusal the field shows what holds again.
      if (input.value === input.dataset.shown || document.activeElement !== input || ctx.refused) input.value = text;
      input.dataset.shown = text;
    };
    c.root.querySelector('h2').textContent = `${roleName(c)}: ${v.name}`;
    put(c.nameInput, v.name);
    put(c.minInput, v.min.text);
    put(c.maxInput, v.max.text);
    v.terms.forEach((term, i) => {
      put(c.table.querySelector(`input[data-row="${i + 1}"][data-col="0"]`), term.name);
      const abbrev = c.table.querySelector(`tr[data-term="${i + 1}"] .kuerzel`);
      if (abbrev) abbrev.textContent = term.abbrev;
      term.params.forEach((x, j) => put(c.table.querySelector(`input[data-row="${i + 1}"][data-col="${j + 1}"]`), x.text));
    });
  }

  // ---- the diagram ------------------------------------------------------------

  function drawDiagram(c) {
    const v = c.v;
    if (!v || !v.defined) return;
    const box = c.plot.parentElement;
    const width = Math.round(Math.max(300, Math.min(640, (box && box.clientWidth) || 640)));
    const height = Math.round(Math.min(270, width * 0.45 + 30));
    const f = termDiagram(v, { width, height });
    c.f = f;
    c.plot.setAttribute('viewBox', `0 0 ${width} ${height}`);
    c.plot.setAttribute('width', String(width));
    c.plot.setAttribute('height', String(height));
    c.plot.setAttribute('aria-label', t('diagramLabel', roleName(c), v.name));
    c.plot.setAttribute('role', 'group');
    c.content.replaceChildren(...f.root.childNodes);
    const term = v.terms[c.chosen - 1];
    c.handleLayer.hidden = !term;
    c.catch.replaceChildren();
    if (!term) return;
    const colour = colours[c.chosen - 1];
    // The h handle hangs on a thin line below the plateau.
    const places = handlePlaces(f, term);
    const [hx, hy] = places[4];
    c.catch.append(svg('line', { x1: hx, y1: hy, x2: hx, y2: hy - HeightOffset, stroke: colour, 'stroke-dasharray': '2 2' }));
    const lo = Number(v.min.exact);
    const hi = Number(v.max.exact);
    params.forEach((p, j) => {
      const g = c.handles[j];
      const [x, y] = places[j];
      // A corner beyond the range sits at the edge of the plot, where it can be taken.
      const cx = Math.min(Math.max(x, f.inner.x), f.inner.x + f.inner.w);
      g.setAttribute('transform', `translate(${cx.toFixed(1)},${y.toFixed(1)})`);
      g.style.setProperty('--farbe', colour);
      const value = term.params[j];
      g.setAttribute('aria-label', t(p === 'h' ? 'heightLabel' : 'cornerLabel', roleName(c), term.name, p));
      g.setAttribute('aria-valuenow', String(Number(value.exact)));
      g.setAttribute('aria-valuetext', value.text);
      g.setAttribute('aria-valuemin', String(p === 'h' ? 0 : Math.min(lo, Number(value.exact))));
      g.setAttribute('aria-valuemax', String(p === 'h' ? 1 : Math.max(hi, Number(value.exact))));
      g.setAttribute('aria-orientation', p === 'h' ? 'vertical' : 'horizontal');
      g.classList.toggle('draussen', cx !== x);
    });
    drawLabel(c);
  }

  // The active handle's name and value beside it, while it is dragged or has the focus.
  function drawLabel(c) {
    c.label.replaceChildren();
    const j = c.drag ? c.drag.param : c.handles.findIndex((g) => g === document.activeElement) + 1;
    for (const g of c.handles) g.classList.toggle('aktiv', Number(g.dataset.param) === j);
    if (!j || !c.f || !c.v || !c.v.terms[c.chosen - 1]) return;
    const [x0, y0] = handlePlaces(c.f, c.v.terms[c.chosen - 1])[j - 1];
    const text = `${params[j - 1]} = ${c.v.terms[c.chosen - 1].params[j - 1].text}`;
    const w = text.length * 8.5 + 10;
    const x = x0 + 10 + w > c.f.inner.x + c.f.inner.w + 14 ? x0 - 10 - w : x0 + 10;
    const y = y0 - 34 < 0 ? y0 + 10 : y0 - 34;
    c.label.append(svg('rect', { x, y, width: w, height: 24, rx: 3, fill: '#ffffe1', stroke: '#000' }),
      svg('text', { x: x + w / 2, y: y + 17, 'text-anchor': 'middle', 'font-size': 15 }, text));
  }

  function handleKey(c, param, e) {
    if (/^[1-5]$/.test(e.key)) {
      const k = Number(e.key);
      if (k <= c.v.terms.length) {
        e.preventDefault();
        choose(c, k);
      }
      return;
    }
    let dir = 0;
    if (e.key === 'ArrowRight' || (param === ParamH && e.key === 'ArrowUp')) dir = 1;
    if (e.key === 'ArrowLeft' || (param === ParamH && e.key === 'ArrowDown')) dir = -1;
    if (!dir || e.altKey || e.ctrlKey || e.metaKey) return;
    e.preventDefault();
    ctx.edit([{ op: 'key', var: c.role, term: c.chosen, param, dir, big: e.shiftKey }]);
  }

  // Client coordinates in the diagram's units.
  function local(c, e) {
    const m = c.plot.getScreenCTM();
    if (!m) return null;
    const p = new DOMPoint(e.clientX, e.clientY).matrixTransform(m.inverse());
    return { x: p.x, y: p.y, scale: Math.hypot(m.a, m.b) || 1 };
  }

  // The handle under a press, preferring the chosen term's: {term, param}.
  function handleAt(c, p, reach) {
    let best = null;
    let bestDist = reach;
    const look = (k, bonus) => {
      handlePlaces(c.f, c.v.terms[k - 1]).forEach(([x, y], j) => {
        let dist = Math.hypot(x - p.x, y - p.y) - bonus;
        // b and c of a triangle coincide: the side of the press decides.
        if (j === 1 && p.x > x) dist += 0.5;
        if (j === 2 && p.x < x) dist += 0.5;
        if (dist < bestDist) {
          bestDist = dist;
          best = { term: k, param: j + 1 };
        }
      });
    };
    look(c.chosen, 2);
    for (let k = 1; k <= c.v.terms.length; k++) if (k !== c.chosen) look(k, 0);
    return best;
  }

  function pointerDown(c, e) {
    if (!c.v || !c.v.defined || !c.f || (e.pointerType === 'mouse' && e.button !== 0) || c.drag) return;
    const p = local(c, e);
    if (!p) return;
    const hit = handleAt(c, p, (Reach[e.pointerType] || Reach.mouse) / p.scale);
    if (!hit) return;
    e.preventDefault();
    if (hit.term !== c.chosen) choose(c, hit.term);
    const places = handlePlaces(c.f, c.v.terms[c.chosen - 1]);
    // A press right on a triangle's peak: the first move decides, to the right c, to the left b.
    const peak = (hit.param === 2 || hit.param === 3) && Math.abs(places[1][0] - places[2][0]) < 0.5 && Math.abs(p.x - places[1][0]) < 0.5;
    c.drag = { id: ctx.newDrag(), pointer: e.pointerId, param: hit.param, term: c.chosen, peak, downX: p.x, pending: null, busy: false, moves: [] };
    c.plot.setPointerCapture(e.pointerId);
    c.handles[hit.param - 1].focus({ preventScroll: true });
    drawLabel(c);
  }

  function pointerMove(c, e) {
    const d = c.drag;
    if (!d || e.pointerId !== d.pointer) return;
    e.preventDefault();
    const p = local(c, e);
    if (!p) return;
    if (d.peak && p.x !== d.downX) {
      d.param = p.x > d.downX ? 3 : 2;
      d.peak = false;
    }
    const lo = Number(c.v.min.exact);
    const hi = Number(c.v.max.exact);
    const inner = c.f.inner;
    const wish = d.param === ParamH ? ((inner.y + inner.h - (p.y - HeightOffset)) / inner.h) * 1.25
      : lo + ((p.x - inner.x) / inner.w) * (hi - lo);
    d.pending = { op: 'drag', var: c.role, term: d.term, param: d.param, value: wishText(wish), free: e.ctrlKey };
    send(c, d);
  }

  // One move at a time goes to the engine; the newest waiting one follows it.
  async function send(c, d) {
    if (d.busy || !d.pending) return;
    const change = d.pending;
    d.pending = null;
    d.busy = true;
    d.moves.push(change);
    await ctx.edit([change], { merge: d.id });
    d.busy = false;
    if (d.pending) send(c, d);
    else if (d.ended) d.finished();
  }

  function pointerUp(c, e) {
    const d = c.drag;
    if (!d || e.pointerId !== d.pointer || d.ended) return;
    d.ended = true;
    const finish = () => {
      if (c.drag === d) c.drag = null;
      // For the tests: what the engine was asked, move by move.
      view.lastDrag = d.moves;
      drawLabel(c);
    };
    d.finished = finish;
    if (!d.busy && !d.pending) finish();
  }

  // ---- the view ---------------------------------------------------------------

  function shapeOf(v) {
    return v.defined ? `on:${v.terms.length}` : 'off';
  }

  function render() {
    keepFocus(element, () => {
      const p = ctx.view;
      if (!p) {
        cards.clear();
        element.replaceChildren(el('p', {}, t('noProject')));
        return;
      }
      if (!cards.size) element.replaceChildren();
      for (const [role, key] of roles) {
        if (!cards.has(role)) {
          const c = makeCard(role, key);
          cards.set(role, c);
          element.append(c.root);
        }
        const c = cards.get(role);
        const v = p[role];
        const shape = shapeOf(v);
        c.v = v;
        if (shape !== c.shape || c.lang !== language()) {
          c.shape = shape;
          c.lang = language();
          buildCard(c, v);
        } else if (v.defined) {
          patchCard(c, v);
        }
        if (v.defined) choose(c, c.chosen);
      }
    });
  }

  // What the tests ask of the diagram: where a handle of the chosen term is on the screen.
  view.handlePoint = (role, param) => {
    const c = cards.get(role);
    const g = c.handles[param - 1];
    c.plot.scrollIntoView({ block: 'center' });
    const r = g.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  };
  view.choose = (role, k) => choose(cards.get(role), k);
  const redraw = () => {
    for (const c of cards.values()) if (!c.drag) drawDiagram(c);
  };
  window.addEventListener('resize', redraw);
  view.shown = redraw;

  ctx.onProject(render);
  return view;
}
