// The locomotive lab: a run as `fuzzysim loco` makes it (the same table and
// figures), drawn as s–t, v–t, F–t and s–v; the inspector at a chosen step.
import { el, field } from '../dom.js';
import { t } from '../i18n.js';
import { utf8 } from '../engine.js';
import { frame, polyline, extent } from '../plot.js';

const options = [['dt', '--dt'], ['firstDt', '--first-dt'], ['mass', '--mass'], ['friction', '--friction'],
  ['distance', '--distance'], ['time', '--time']];

export function parseCsv(text) {
  const lines = text.trim().split('\n').slice(1);
  const cols = [[], [], [], []];
  // t, s, v and the force; the columns after them (the controller's exact
  // inputs and output) are for replaying a step, not for the plots.
  for (const l of lines) l.split(',').slice(0, 4).forEach((x, i) => cols[i].push(Number(x)));
  return { t: cols[0], s: cols[1], v: cols[2], f: cols[3] };
}

export default function create(ctx) {
  const element = el('section');
  const fields = options.map(([key, opt]) => ({ key, opt, ...field('', { id: `lok-${key}` }) }));
  const go = el('button', { id: 'lok-go' });
  const view = { id: 'loco', tabKey: 'tabLoco', element, render, runLoco, runWith, last: () => result };
  let result = null;
  let states = null;
  let stepIndex = 0;
  let busy = false;

  function argv() {
    const list = [];
    for (const f of fields) if (f.input.value.trim()) list.push(f.opt, f.input.value.trim().replace(',', '.').replace('\u2212', '-'));
    return list;
  }

  // A run with these options (texts by field: dt, mass, …), the others as fuzzysim takes them.
  function runWith(values) {
    for (const f of fields) f.input.value = values[f.key] || '';
    return runLoco();
  }

  async function runLoco() {
    if (!ctx.fuz || busy) return null;
    busy = true;
    result = null;
    states = null;
    render();
    try {
      const opts = argv();
      const r = await ctx.engine.run(['loco', 'in.fuz', '--csv', ...opts], ctx.fuz);
      result = { status: r.status, csv: utf8(r.out), err: r.err };
      if (r.status === 0) {
        const st = await ctx.engine.call('locoStates', { options: opts }, ctx.fuz);
        states = st.defined ? st.states : null;
        result.figures = st.defined ? st.figures : null;
        // The plots up to a little after the run has come to rest, as the Werkstatt draws them.
        const all = parseCsv(result.csv);
        result.plotEnd = st.defined ? st.plotEnd : all.t[all.t.length - 1];
        let n = all.t.findIndex((x) => x > result.plotEnd + 1e-9);
        if (n < 0) n = all.t.length;
        n = Math.max(n, Math.min(2, all.t.length));
        result.data = { t: all.t.slice(0, n), s: all.s.slice(0, n), v: all.v.slice(0, n), f: all.f.slice(0, n) };
        const [s, v, f] = [result.data.s, result.data.v, result.data.f].map((x) => extent(x));
        const tm = [0, result.data.t[n - 1] || 1];
        const ticks = await ctx.engine.call('ticks', { ranges: [tm, s, v, f] });
        result.ranges = { t: tm, s, v, f };
        result.ticks = { t: ticks[0], s: ticks[1], v: ticks[2], f: ticks[3] };
        stepIndex = 0;
        ctx.clearError();
      }
    } catch (e) {
      ctx.reportError(e);
    } finally {
      busy = false;
    }
    render();
    return result;
  }

  function plots() {
    const d = result.data;
    const box = el('div', { class: 'zeile', id: 'lok-diagramme' });
    const one = (xs, ys, xk, yk, lx, ly) => {
      const f = frame({ width: 460, height: 270, x: result.ranges[xk], y: result.ranges[yk], ticksX: result.ticks[xk],
        ticksY: result.ticks[yk], labelX: lx, labelY: ly });
      polyline(f, xs, ys);
      if (states) {
        const i = Math.min(stepIndex, xs.length - 1);
        f.root.append(Object.assign(document.createElementNS('http://www.w3.org/2000/svg', 'circle'), {}));
        const c = f.root.lastChild;
        c.setAttribute('cx', f.sx(xs[i]));
        c.setAttribute('cy', f.sy(ys[i]));
        c.setAttribute('r', 6);
        c.setAttribute('fill', '#c62828');
      }
      return f.root;
    };
    box.append(one(d.t, d.s, 't', 's', 't (s)', 's (cm)'), one(d.t, d.v, 't', 'v', 't (s)', 'v (cm/s)'),
      one(d.t, d.f, 't', 'f', 't (s)', 'F (N)'), one(d.s, d.v, 's', 'v', 's (cm)', 'v (cm/s)'));
    return box;
  }

  // The figures of the run in the page's words and numbers.
  function figures() {
    const k = result.figures;
    const ending = { timeLimit: 'locoEndTime', ranOut: 'locoEndRanOut', notFinite: 'locoEndNotFinite', aborted: 'locoEndAborted' }[k.ending];
    const rows = [
      ['loco', t('locoLoco'), t('locoLocoValue', k.mass, k.friction, k.distance)],
      ['steps', t('locoSteps'), t('locoStepsValue', k.firstDt, k.dt)],
      ['end', t('locoEnd'), `${t('locoEndValue', k.endT, k.steps)}, ${t(ending)}`],
      ['endS', t('locoEndS'), `${k.endS} cm`],
      ['endV', t('locoEndV'), `${k.endV} cm/s`],
      ['atRest', t('locoAtRest'), k.atRest === null ? t('never') : `t = ${k.atRest} s`],
      ['exact', t('locoExact'), k.exact === null ? t('never') : `t = ${k.exact} s`],
      ['overshoot', t('locoOvershoot'), t('locoOvershootValue', k.overshoot)],
      ['band', t('locoBand'), t(k.bandReached ? 'locoBandReached' : 'locoBandMissed')],
      ['signChanges', t('locoSignChanges'), t('locoSignChangesValue', k.signChanges)],
    ];
    return el('table', { id: 'lok-zahlen' }, ...rows.map(([key, name, value]) =>
      el('tr', { 'data-key': key }, el('th', { class: 'name' }, name), el('td', { class: 'name zahl' }, value))));
  }

  function stepPanel() {
    // The steps the plots show.
    const n = Math.min(states.length, result.data.t.length) - 1;
    const slider = el('input', { type: 'range', min: 0, max: n, value: stepIndex, id: 'lok-schritt', style: 'width:22rem', 'aria-label': t('step') });
    slider.addEventListener('input', () => {
      stepIndex = Number(slider.value);
      render();
    });
    const s = states[stepIndex];
    return el('div', { class: 'karte' }, el('p', {}, `${t('step')} `, slider, ` ${stepIndex} / ${n}`),
      el('p', { class: 'zahl' }, `t = ${s[2]} s · s = ${s[3]} cm · v = ${s[4]} cm/s · F = ${s[5]} N`),
      el('button', { id: 'lok-inspektor', onclick: () => ctx.inspectAt(s[0], s[1], `${t('step')} ${stepIndex + 1}`) }, t('inspectStep')));
  }

  // fuzzysim's values, shown where a field is left empty.
  async function defaults() {
    try {
      const d = await ctx.engine.call('locoDefaults');
      for (const f of fields) f.input.placeholder = d[f.opt] || '';
    } catch (e) {
      ctx.reportError(e);
    }
  }

  function render() {
    element.replaceChildren();
    const p = ctx.view;
    if (!p) return element.append(el('p', {}, t('noProject')));
    go.textContent = t('run');
    fields.forEach((f) => {
      f.element.firstChild.textContent = t(f.key);
    });
    element.append(el('h2', {}, t('tabLoco')), el('p', {}, t('locoIntro')),
      el('p', {}, ...fields.map((f) => f.element), go));
    if (busy) element.append(el('p', { class: 'leise' }, t('working')));
    if (!result) return;
    if (result.status !== 0) return element.append(el('p', { class: 'schlecht', id: 'lok-fehler' }, result.err));
    element.append(plots());
    if (states) element.append(stepPanel());
    if (result.figures) element.append(el('h3', {}, t('figures')), figures());
  }

  go.addEventListener('click', runLoco);
  defaults();
  ctx.onProject(() => {
    result = null;
    states = null;
    render();
  });
  return view;
}
