// The hints of the engine's check and where no rule fires, in its words.
import { el } from '../dom.js';
import { t } from '../i18n.js';

export default function create(ctx) {
  const element = el('section');
  const view = { id: 'hints', tabKey: 'tabHints', element, render };

  function render() {
    element.replaceChildren();
    const p = ctx.view;
    if (!p) return element.append(el('p', {}, t('noProject')));
    // A hint that says where no rule fires stands in the second list only.
    const noRule = new Set(p.noRule);
    const hints = (p.check.hints || []).filter((h) => !noRule.has(h));
    element.append(el('h2', {}, t('tabHints')));
    element.append(hints.length
      ? el('ul', { class: 'hinweise', id: 'hinweisliste' }, ...hints.map((h) => el('li', {}, h)))
      : el('p', { class: 'ok' }, t('hintsNone')));
    element.append(el('h2', {}, t('noRuleRegions')));
    element.append(p.noRule.length
      ? el('ul', { class: 'hinweise', id: 'keineregel' }, ...p.noRule.map((h) => el('li', {}, h)))
      : el('p', { class: 'ok' }, p.A.defined && p.Out.defined ? t('noRuleNowhere') : t('undefinedAOut')));
  }

  ctx.onProject(render);
  return view;
}
