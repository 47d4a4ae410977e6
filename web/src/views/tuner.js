// "Regeln verbessern": fuzzysim's tuner with a time budget, in the worker for
// long work; its before/after figures as it prints them.
import { el, field } from '../dom.js';
import { t } from '../i18n.js';
import { utf8 } from '../engine.js';

// fuzzysim's report in the page's words: its first line names the threads
// and the time, which in the browser is one thread in the worker; its last
// names the file written, which here is the result to adopt.
function pageWords(text, written, head) {
  const lines = text.replace(/\n+$/, '').split('\n');
  if (lines.length && /\d/.test(lines[0])) lines[0] = head;
  if (written && lines.length && / out\.fuz$/.test(lines[lines.length - 1])) lines[lines.length - 1] = t('tunerWritten');
  return `${lines.join('\n')}\n`;
}

// Of the progress the tool rewrites in one line (\r), the last state.
function lastLines(err) {
  return err.split('\n').map((l) => l.split('\r').filter((x) => x.trim()).pop() || '').filter(Boolean).join('\n');
}

export default function create(ctx) {
  const element = el('section');
  const vehicle = el('select', { id: 'tuner-fahrzeug' }, el('option', { value: 'truck' }), el('option', { value: 'loco' }));
  const seconds = field('', { id: 'tuner-sekunden', value: '5' });
  const seed = field('', { id: 'tuner-seed', value: '1' });
  const terms = el('input', { type: 'checkbox', id: 'tuner-terme' });
  const go = el('button', { id: 'tuner-go' });
  const adopt = el('button', { id: 'tuner-uebernehmen', hidden: true });
  const out = el('pre', { id: 'tuner-text', hidden: true });
  const view = { id: 'tuner', tabKey: 'tabTuner', element, render, tune, tuneWith };
  let best = null;
  let busy = false;

  async function tune() {
    if (!ctx.fuz || busy) return null;
    busy = true;
    go.disabled = true;
    best = null;
    adopt.hidden = true;
    out.hidden = false;
    out.textContent = t('working');
    let r = null;
    try {
      const argv = ['tune', 'in.fuz', '--vehicle', vehicle.value, '--seconds', seconds.input.value.trim().replace(',', '.'),
        '--seed', seed.input.value.trim(), '-o', 'out.fuz'];
      if (terms.checked) argv.push('--terms');
      r = await ctx.engine.run(argv, ctx.fuz, { read: ['out.fuz'], long: true });
      out.textContent = pageWords(utf8(r.out), r.status === 0 && Boolean(r.files['out.fuz']),
        t(terms.checked ? 'tunerHeadTerms' : 'tunerHead', vehicle.selectedOptions[0].textContent, seed.input.value.trim(), seconds.input.value.trim())) + (r.err ? `\n${lastLines(r.err)}` : '');
      if (r.status === 0 && r.files['out.fuz']) {
        ctx.clearError();
        best = r.files['out.fuz'];
        adopt.hidden = false;
      }
    } catch (e) {
      ctx.reportError(e);
    } finally {
      busy = false;
      go.disabled = false;
    }
    return r;
  }

  async function tuneWith(o) {
    if (o.seconds !== undefined) seconds.input.value = o.seconds;
    if (o.seed !== undefined) seed.input.value = o.seed;
    const r = await tune();
    return r ? { status: r.status, err: r.err, hasResult: Boolean(best) } : null;
  }

  adopt.addEventListener('click', async () => {
    if (best && (await ctx.replace(best))) ctx.message(t('adopted'), 'info');
    adopt.hidden = true;
  });
  go.addEventListener('click', tune);

  function render() {
    element.replaceChildren();
    go.textContent = t('tune');
    vehicle.options[0].textContent = t('s_vehicleTruck');
    vehicle.options[1].textContent = t('s_vehicleLoco');
    adopt.textContent = t('adopt');
    seconds.element.firstChild.textContent = t('seconds');
    seed.element.firstChild.textContent = t('seed');
    element.append(el('h2', {}, t('tabTuner')), el('p', {}, t('tunerIntro')),
      el('p', {}, el('label', { class: 'feld' }, t('vehicle'), vehicle), seconds.element, seed.element,
        el('label', { class: 'feld' }, terms, t('alsoTerms')), go, ' ', adopt), out);
  }

  ctx.onProject(render);
  return view;
}
