// The rule table: rows are the terms of input B, columns those of input A,
// each cell the output term of its rule (or none).
import { el, keepFocus } from '../dom.js';
import { t } from '../i18n.js';

export default function create(ctx) {
  const element = el('section');
  const view = { id: 'rules', tabKey: 'tabRules', element, render };

  function render() {
    keepFocus(element, renderNow);
  }

  function renderNow() {
    element.replaceChildren();
    const p = ctx.view;
    if (!p) return element.append(el('p', {}, t('noProject')));
    if (!p.A.defined || !p.Out.defined) return element.append(el('p', {}, t('undefinedAOut')));
    const two = p.B.defined;
    element.append(el('h2', {}, t('tabRules')), el('p', {}, two ? t('rulesIntro') : t('rulesIntroOne')));
    const table = el('table', { id: 'regeltabelle' });
    table.append(el('tr', {}, el('th', {}, two ? `${p.B.name} \\ ${p.A.name}` : p.A.name),
      ...p.A.terms.map((x) => el('th', {}, x.name))));
    const rows = two ? p.B.terms.length : 1;
    for (let r = 1; r <= rows; r++) {
      const tr = el('tr', {}, el('th', { class: 'name' }, two ? p.B.terms[r - 1].name : ''));
      for (let c = 1; c <= p.A.terms.length; c++) {
        const current = p.rules[r - 1][c - 1];
        const a = p.A.terms[c - 1].name;
        const label = two ? t('ruleLabel', p.A.name, a, p.B.name, p.B.terms[r - 1].name) : t('ruleLabelOne', p.A.name, a);
        const select = el('select', { 'aria-label': label, 'data-focus': `rule:${r}:${c}` },
          el('option', { value: '0' }, t('noRule')),
          ...p.Out.terms.map((x, k) => el('option', { value: String(k + 1) }, x.name)));
        select.value = current >= 1 && current <= p.Out.terms.length ? String(current) : '0';
        select.dataset.row = String(r);
        select.dataset.col = String(c);
        select.addEventListener('change', () => ctx.edit([{ op: 'rule', row: r, col: c, term: Number(select.value) }]));
        tr.append(el('td', {}, select));
      }
      table.append(tr);
    }
    element.append(table);
  }

  ctx.onProject(render);
  return view;
}
