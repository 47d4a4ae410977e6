// The inspector: one control step at a chosen point taken apart, every
// number from the engine.
import { el, keepFocus } from '../dom.js';
import { t } from '../i18n.js';
import { termDiagram } from './terms.js';

export default function create(ctx) {
  const element = el('section');
  const a = el('input', { type: 'text', value: '0', id: 'inspektor-a', class: 'zahl' });
  const b = el('input', { type: 'text', value: '0', id: 'inspektor-b', class: 'zahl' });
  const out = el('div', { id: 'inspektor-ergebnis' });
  const view = { id: 'inspector', tabKey: 'tabInspector', element, render, shown: () => compute(), show };
  let note = '';

  function show(x, y, why = '') {
    a.value = x;
    if (y !== undefined) b.value = y;
    note = why;
    compute();
  }

  async function compute() {
    if (!ctx.fuz) return;
    try {
      const r = await ctx.engine.call('inspect', { a: a.value, b: b.value }, ctx.fuz);
      for (const f of [a, b]) {
        f.removeAttribute('aria-invalid');
        f.removeAttribute('aria-describedby');
      }
      ctx.clearError();
      draw(r);
    } catch (e) {
      // The step shown before belongs to other numbers: it goes, and the field that is no number says so.
      out.replaceChildren();
      if (e.code === 'notANumber') {
        const bad = [a, b].find((f) => f.value === e.detail) || a;
        bad.setAttribute('aria-invalid', 'true');
        bad.setAttribute('aria-describedby', 'inspektor-fehler');
        out.append(el('p', { class: 'schlecht', id: 'inspektor-fehler' }, t('inspectorNotANumber', e.detail)));
      }
      ctx.reportError(e);
    }
  }

  function draw(r) {
    out.replaceChildren();
    const p = ctx.view;
    if (!r.defined) return out.append(el('p', {}, t('undefinedAOut')));
    if (note) out.append(el('p', { class: 'leise' }, note));
    const deg = (title, list) => el('div', { class: 'karte' }, el('h3', {}, title),
      el('table', {}, ...list.map((d) => el('tr', {}, el('td', { class: 'name' }, d.term), el('td', { class: 'zahl' }, d.text)))));
    const row = el('div', { class: 'zeile' });
    row.append(deg(`${t('degrees')}: ${p.A.name} = ${r.a.text}`, r.degreesA));
    if (r.twoInputs) row.append(deg(`${t('degrees')}: ${p.B.name} = ${r.b.text}`, r.degreesB));
    const rows = r.twoInputs ? p.B.terms.length : 1;
    const st = el('table', { id: 'inspektor-staerken' }, el('tr', {}, el('th', {}, ''), ...p.A.terms.map((x) => el('th', {}, x.abbrev))));
    for (let i = 0; i < rows; i++) {
      st.append(el('tr', {}, el('th', { class: 'name' }, r.twoInputs ? p.B.terms[i].abbrev : ''),
        ...p.A.terms.map((x, c) => {
          const s = r.strengths[i][c];
          const term = p.rules[i][c];
          const strong = Number(s.exact) > 0;
          return el('td', { class: 'zahl', style: strong ? 'font-weight:bold;background:#fff3c4' : '' },
            `${s.text}${term >= 1 && term <= p.Out.terms.length ? ` → ${p.Out.terms[term - 1].abbrev}` : ''}`);
        })));
    }
    row.append(el('div', { class: 'karte' }, el('h3', {}, t('strengths')), st));
    row.append(el('div', { class: 'karte' }, el('h3', {}, t('activations')),
      el('table', {}, ...r.activations.map((x) => el('tr', {}, el('td', { class: 'name' }, x.term), el('td', { class: 'zahl' }, x.text),
        el('td', { class: 'leise' }, x.cell[0] ? `${t('rule')} ${x.cell[0]}/${x.cell[1]}` : ''))))));
    out.append(row);
    out.append(el('p', { class: 'gross', id: 'inspektor-ausgang' }, `${t('output')} ${p.Out.name} = ${r.output.text}`));
    if (r.noRule) out.append(el('p', { class: 'schlecht' }, r.noRule));
    const heights = r.activations.map((x) => Number(x.exact));
    out.append(termDiagram(p.Out, { heights }).root);
  }

  function render() {
    keepFocus(element, renderNow);
  }

  function renderNow() {
    element.replaceChildren();
    const p = ctx.view;
    if (!p) return element.append(el('p', {}, t('noProject')));
    const go = el('button', { type: 'button', id: 'inspektor-zeigen', onclick: () => { note = ''; compute(); } }, t('show'));
    element.append(el('h2', {}, t('tabInspector')), el('p', {}, t('inspectorIntro')),
      el('p', {}, el('label', { class: 'feld' }, `${p.A.defined ? p.A.name : t('roleA')}:`, a),
        p.B.defined ? el('label', { class: 'feld' }, `${p.B.name}:`, b) : null, go), out);
    if (!element.hidden) compute();
  }

  for (const f of [a, b]) f.addEventListener('keydown', (e) => { if (e.key === 'Enter') { note = ''; compute(); } });
  ctx.onProject(render);
  return view;
}
