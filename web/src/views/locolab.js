// The locomotive lab: a run as `fuzzysim loco` makes it (the same table and
// figures), drawn as s–t, v–t, F–t and s–v; the inspector at a chosen step.
import { el, field, svg } from '../dom.js';
import { replay } from '../replay.js';
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

// The masses the Werkstatt's Lok-Labor runs side by side, and their colours.
export const labMasses = ['1', '2', '4'];
const massColours = ['#2ca02c', '#1f4e9c', '#c62828'];

export default function create(ctx) {
  const element = el('section');
  const fields = options.map(([key, opt]) => ({ key, opt, ...field('', { id: `lok-${key}` }) }));
  const go = el('button', { id: 'lok-go' });
  const view = { id: 'loco', tabKey: 'tabLoco', element, render, runLoco, runWith, last: () => result, all: () => runs };
  // The runs shown (one per mass of the lab, or the one typed mass) and the chosen one.
  let runs = [];
  let result = null;
  let states = null;
  let stepIndex = 0;
  let busy = false;
  let markers = [];
  let stateText = null;

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

  // One run as `fuzzysim loco --csv` makes it, with its states and figures.
  async function oneRun(opts, mass) {
    const r = await ctx.engine.run(['loco', 'in.fuz', '--csv', ...opts], ctx.fuz);
    const run = { status: r.status, csv: utf8(r.out), err: r.err, mass };
    if (r.status !== 0) return run;
    const st = await ctx.engine.call('locoStates', { options: opts }, ctx.fuz);
    run.states = st.defined ? st.states : null;
    run.figures = st.defined ? st.figures : null;
    run.all = parseCsv(run.csv);
    run.plotEnd = st.defined ? st.plotEnd : run.all.t[run.all.t.length - 1];
    return run;
  }

  // The part of a run the plots show: up to a little after it has come to rest, as the Werkstatt draws it.
  function cut(run, end) {
    const all = run.all;
    let n = all.t.findIndex((x) => x > end + 1e-9);
    if (n < 0) n = all.t.length;
    n = Math.max(n, Math.min(2, all.t.length));
    run.data = { t: all.t.slice(0, n), s: all.s.slice(0, n), v: all.v.slice(0, n), f: all.f.slice(0, n) };
  }

  async function runLoco() {
    if (!ctx.fuz || busy) return null;
    busy = true;
    result = null;
    states = null;
    runs = [];
    render();
    try {
      const opts = argv();
      // Without a typed mass the lab's three masses, the middle one fuzzysim's own run.
      const typed = fields.find((f) => f.key === 'mass').input.value.trim() !== '';
      const main = await oneRun(opts, typed ? null : '2');
      result = main;
      if (main.status === 0) {
        runs = [main];
        if (!typed && main.states) {
          const light = await oneRun([...opts, '--mass', '1'], '1');
          const heavy = await oneRun([...opts, '--mass', '4'], '4');
          runs = [light, main, heavy].filter((r) => r.status === 0);
        }
        const end = Math.max(...runs.map((r) => r.plotEnd));
        for (const r of runs) cut(r, end);
        const cat = (k) => runs.flatMap((r) => r.data[k]);
        const [s, v, f] = ['s', 'v', 'f'].map((k) => extent(cat(k)));
        const tm = [0, Math.max(...runs.map((r) => r.data.t[r.data.t.length - 1] || 0)) || 1];
        const ticks = await ctx.engine.call('ticks', { ranges: [tm, s, v, f] });
        result.ranges = { t: tm, s, v, f };
        result.ticks = { t: ticks[0], s: ticks[1], v: ticks[2], f: ticks[3] };
        states = main.states;
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

  const colourOf = (run) => (run.mass === null ? massColours[1] : massColours[labMasses.indexOf(run.mass)]);

  function plots() {
    const box = el('div', { class: 'zeile', id: 'lok-diagramme' });
    markers = [];
    const one = (xk, yk, lx, ly) => {
      const f = frame({ width: 460, height: 270, x: result.ranges[xk], y: result.ranges[yk], ticksX: result.ticks[xk],
        ticksY: result.ticks[yk], labelX: lx, labelY: ly });
      for (const r of runs) {
        polyline(f, r.data[xk], r.data[yk], { stroke: colourOf(r), 'data-masse': r.mass || '' });
        if (!r.states) continue;
        const c = svg('circle', { r: 6, fill: colourOf(r), stroke: '#000', 'stroke-width': 1.5 });
        f.root.append(c);
        markers.push({ c, f, xs: r.data[xk], ys: r.data[yk] });
      }
      return f.root;
    };
    box.append(one('t', 's', 't (s)', 's (cm)'), one('t', 'v', 't (s)', 'v (cm/s)'),
      one('t', 'f', 't (s)', 'F (N)'), one('s', 'v', 's (cm)', 'v (cm/s)'));
    return box;
  }

  function legend() {
    return el('p', { class: 'legende', id: 'lok-legende' }, ...runs.map((r) =>
      el('span', { class: 'legende-eintrag' }, el('span', { class: 'farbfleck', style: `background:${colourOf(r)}` }),
        r.mass === null ? t('locoTypedMass') : t('massKg', r.mass))));
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

  // Step i of every run shown: the markers move, the chosen run's values are written; nothing is rebuilt.
  function showStep(i) {
    stepIndex = i;
    for (const m of markers) {
      const k = Math.min(i, m.xs.length - 1);
      m.c.setAttribute('cx', m.f.sx(m.xs[k]));
      m.c.setAttribute('cy', m.f.sy(m.ys[k]));
    }
    const s = states[Math.min(i, states.length - 1)];
    if (stateText) stateText.textContent = `t = ${s[2]} s · s = ${s[3]} cm · v = ${s[4]} cm/s · F = ${s[5]} N`;
  }

  function stepPanel() {
    // The steps the plots show.
    const n = Math.min(states.length, result.data.t.length) - 1;
    stateText = el('p', { class: 'zahl', id: 'lok-zustand' });
    const d = result.data.t;
    const player = replay({ count: n, id: 'lok', show: showStep, pace: (i) => Math.max(10, Math.round((d[i + 1] - d[i]) * 1000)) });
    view.player = player;
    return el('div', { class: 'karte' }, player.element, stateText,
      el('button', { id: 'lok-inspektor', onclick: () => {
        const s = states[stepIndex];
        ctx.inspectAt(s[0], s[1], `${t('step')} ${stepIndex + 1}`);
      } }, t('inspectStep')));
  }

  // fuzzysim's values, shown where a field is left empty, in the page's
  // language (its decimal sign): asked again when the language changes.
  let defaultsIn = null;
  async function defaults() {
    if (defaultsIn === ctx.engine.lang) return;
    defaultsIn = ctx.engine.lang;
    try {
      const d = await ctx.engine.call('locoDefaults');
      for (const f of fields) f.input.placeholder = d[f.opt] || '';
    } catch (e) {
      defaultsIn = null;
      ctx.reportError(e);
    }
  }

  function render() {
    defaults();
    if (view.player) view.player.stop();
    view.player = null;
    stateText = null;
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
    element.append(legend(), plots());
    if (states) element.append(stepPanel());
    if (result.figures) element.append(el('h3', {}, runs.length > 1 ? t('figuresOfMass', result.mass) : t('figures')), figures());
  }

  go.addEventListener('click', runLoco);
  view.languageChanged = defaults;
  ctx.onProject(() => {
    result = null;
    states = null;
    runs = [];
    render();
  });
  return view;
}
