// "Blätter": the printed sheets of the Werkstatt, from the page: the
// project's worksheet, and for the open exercise the students' sheet and the
// teacher's sheet, with the same content as the Werkstatt's (every number
// from the engine), printed or saved as a PDF through the browser's own
// print. A students' copy of an exercise (from a student package) offers no
// teacher's sheet.
import { el, svg, textColours, keepFocus, paragraphs } from '../dom.js';
import { t, language } from '../i18n.js';
import { floats, fromBase64, utf8 } from '../engine.js';
import { frame, polyline, extent } from '../plot.js';
import { termDiagram } from './terms.js';
import solutions from '../gen/solutions.js';

// ---- numbers as the sheets write them ---------------------------------------------

const minus = (s) => s.replace(/^-/, '\u2212');
const decimal = (s) => (language() === 'en' ? s : s.replace('.', ','));

// At most `digits` decimals, no trailing zeros, never "−0" (the engine's numbers as a teacher reads them out).
export function wert(v, digits) {
  const f = 10 ** digits;
  let r = Math.sign(v) * Math.round(Math.abs(v) * f) / f;
  if (r === 0) r = 0;
  let s = r.toFixed(digits);
  if (s.includes('.')) s = s.replace(/0+$/, '').replace(/\.$/, '');
  return minus(decimal(s));
}

// Fixed decimals, a value that rounds to zero without its sign (the labs' figures).
export function fest(v, digits) {
  if (!Number.isFinite(v)) return Number.isNaN(v) ? 'NaN' : v > 0 ? '\u221E' : '\u2212\u221E';
  if (Math.abs(v) < 0.5 * 10 ** -digits) v = 0;
  return minus(decimal(v.toFixed(digits)));
}

// Seven significant digits, as the sheet's tables of corners show them.
export function zahlwert(v) {
  const r = Number(v.toPrecision(7));
  const a = Math.abs(r);
  const s = a === 0 || (a >= 1e-4 && a < 1e7) ? String(r) : r.toExponential().replace(/e([+-])(\d)$/, 'e$10$2');
  return minus(decimal(s));
}

const num = (text) => Number(String(text).replace('\u2212', '-').replace(',', '.'));

// A heading and what it heads, kept on one page.
const block = (heading, ...content) => el('section', { class: 'block' }, heading ? el('h2', {}, heading) : null, ...content);

// ---- the parts of every sheet ------------------------------------------------------

function variableBlock(v, role) {
  const title = t(['s_inputA', 's_inputB', 's_output'][role]);
  if (!v.defined) return block(`${title}: ${t('s_notUsed')}`);
  const table = el('table', { class: 'blatt-terme' },
    el('tr', {}, el('th', { class: 'links' }, t('s_term')), el('th', { class: 'links' }, t('s_abbrev')),
      ...['a', 'b', 'c', 'd'].map((p) => el('th', {}, p)), el('th', {}, t('s_height'))),
    ...v.terms.map((term, i) => el('tr', {}, el('td', { class: 'links' }, term.name),
      el('td', { class: 'links', style: `color:${textColours[i]}` }, term.abbrev),
      ...term.params.map((p) => el('td', {}, zahlwert(Number(p.exact)))))));
  return block(`${title}: ${v.name}`,
    el('p', {}, t('s_range', zahlwert(Number(v.min.exact)), zahlwert(Number(v.max.exact)), v.terms.length)),
    termDiagram(v, { width: 680, height: 140, halves: true }).root, table);
}

// The rule table; `blank`: cells without a rule stay empty, to write in.
function rulesBlock(p, blank = false) {
  const two = p.B.defined;
  const rows = two ? p.B.terms.length : 1;
  const table = el('table', { class: 'blatt-regeln' },
    el('tr', {}, el('th', {}, ''), ...p.A.terms.map((x) => el('th', {}, x.name))));
  for (let r = 0; r < rows; r++) {
    table.append(el('tr', {}, el('th', {}, two ? p.B.terms[r].name : ''), ...p.A.terms.map((x, c) => {
      const k = p.rules[r][c];
      const text = k >= 1 && k <= p.Out.terms.length ? p.Out.terms[k - 1].name : k === 0 ? (blank ? '' : '–') : `#${k}`;
      return el('td', {}, text);
    })));
  }
  return block(t('s_rules'), el('p', {}, two ? t('s_ruleSentence', p.A.name, p.B.name, p.Out.name) : t('s_ruleSentenceOne', p.A.name, p.Out.name)), table);
}

// What a program checks: the limit, and the reference solution's figure or a box for the student's own.
function criteriaBlock(heading, criteria, results) {
  const shown = criteria.filter((c) => !c.id.startsWith('hand.'));
  if (!shown.length) return null;
  // The figures as the check words them (the exercise panel and fuzzysim alike).
  const limit = (c) => t(c.compare === '>=' ? 's_atLeast' : 's_atMost', `${c.limitText}${c.unit ? ` ${c.unit}` : ''}`);
  const measured = (c) => (c.measured === null ? t('s_neverRests') : `${c.measuredText}${c.unit ? ` ${c.unit}` : ''}`);
  return block(heading, el('table', { class: 'blatt-kriterien' },
    el('tr', {}, el('th', { class: 'links' }, t('s_criterion')), el('th', {}, t('s_required')), el('th', {}, results ? t('s_reference') : t('s_yourResult'))),
    ...shown.map((c) => el('tr', {}, el('td', { class: 'links' }, c.name), el('td', {}, limit(c)),
      el('td', { class: results ? 'fett' : 'kasten' }, results ? t(c.passed ? 's_passed' : 's_failed', measured(c)) : '')))));
}

// A row of boxes under the terms' names, the values where given.
function termRow(title, names, values) {
  return el('div', { class: 'zeile-kaesten' }, el('p', {}, title), el('table', { class: 'kaesten' },
    el('tr', {}, ...names.map((n) => el('th', {}, n))),
    el('tr', {}, ...names.map((n, i) => el('td', {}, values ? values[i] : '')))));
}

// One hand step: boxes for what it asks, empty on the students' sheet, with the engine's numbers on the teacher's.
function pointBlock(p, h, step, solution) {
  const two = p.B.defined && h.b !== null;
  const asks = (q) => h.questions.some((x) => x.quantity === q);
  const names = (v) => v.terms.map((x, i) => x.name || String(i + 1));
  const title = two ? t('s_pointAB', h.point, p.A.name, wert(num(h.a), 4), p.B.name, wert(num(h.b), 4)) : t('s_pointA', h.point, p.A.name, wert(num(h.a), 4));
  const parts = [];
  const values = (list) => (solution ? list.map((x) => wert(Number(x.exact), 3)) : null);
  if (asks('membership')) {
    parts.push(termRow(t('s_degrees', p.A.name), names(p.A), values(step.degreesA)));
    if (two) parts.push(termRow(t('s_degrees', p.B.name), names(p.B), values(step.degreesB)));
  }
  if (asks('firing')) {
    const rows = two ? p.B.terms.length : 1;
    const table = el('table', { class: 'kaesten' }, el('tr', {}, el('th', {}, ''), ...names(p.A).map((n) => el('th', {}, n))));
    for (let r = 0; r < rows; r++) {
      table.append(el('tr', {}, el('th', {}, two ? names(p.B)[r] : ''), ...p.A.terms.map((x, c) => {
        // Only cells with a rule fire; the others stay empty on both sheets.
        const rule = p.rules[r][c] >= 1;
        return el('td', { class: rule ? '' : 'keine-regel' }, solution && rule ? wert(Number(step.strengths[r][c].exact), 3) : '');
      })));
    }
    parts.push(el('div', { class: 'zeile-kaesten' }, el('p', {}, two ? t('s_firing', p.A.name, p.B.name) : t('s_firingOne', p.A.name)), table));
  }
  if (asks('heights')) parts.push(termRow(t('s_heights', p.Out.name), names(p.Out), values(step.activations)));
  if (asks('output')) parts.push(el('p', { class: 'ausgang' }, el('b', {}, t('s_outputIs', p.Out.name)), ' ', el('span', { class: 'kasten breit' }, solution ? wert(Number(step.output.exact), 2) : '')));
  return block(title, ...parts);
}

// The step as the inspector draws it: the inputs' degrees, the strengths, the scaled output terms.
function inspectorBlock(p, h, step) {
  const mark = (f, x) => f.root.append(svg('line', { x1: f.sx(x), x2: f.sx(x), y1: f.inner.y, y2: f.inner.y + f.inner.h, stroke: '#333', 'stroke-width': 2, 'stroke-dasharray': '6 4' }));
  // Under each picture the numbers it shows, term by term.
  const caption = (label, v, list) => el('p', { class: 'klein' }, `${label} `,
    ...v.terms.flatMap((x, i) => [el('b', { style: `color:${textColours[i]}` }, x.abbrev), ` ${fest(Number(list[i].exact), 2)}  `]));
  const a = termDiagram(p.A, { width: 330, height: 150 });
  mark(a, Number(step.a.exact));
  const panels = [el('div', {}, el('h3', {}, `${t('s_inputA')}: ${p.A.name} = ${wert(Number(step.a.exact), 4)}`), a.root,
    caption(t('s_degreeLabel'), p.A, step.degreesA))];
  if (step.twoInputs) {
    const b = termDiagram(p.B, { width: 330, height: 150 });
    mark(b, Number(step.b.exact));
    panels.push(el('div', {}, el('h3', {}, `${t('s_inputB')}: ${p.B.name} = ${wert(Number(step.b.exact), 4)}`), b.root,
      caption(t('s_degreeLabel'), p.B, step.degreesB)));
  }
  const rows = step.twoInputs ? p.B.terms.length : 1;
  const table = el('table', { class: 'kaesten' }, el('tr', {}, el('th', {}, ''), ...p.A.terms.map((x) => el('th', {}, x.abbrev))));
  for (let r = 0; r < rows; r++) {
    table.append(el('tr', {}, el('th', {}, step.twoInputs ? p.B.terms[r].abbrev : ''), ...p.A.terms.map((x, c) => {
      const k = p.rules[r][c];
      const s = step.strengths[r][c];
      // Coloured by its strength; framed bold where it sets its output term's height.
      const sets = step.activations.some((x) => x.cell[0] === r + 1 && x.cell[1] === c + 1 && Number(x.exact) > 0);
      const strength = Number(s.exact);
      return el('td', { class: sets ? 'entscheidend' : '', style: strength > 0 ? `background:rgba(249,168,37,${(0.15 + 0.6 * strength).toFixed(2)})` : '' },
        k >= 1 && k <= p.Out.terms.length ? `${p.Out.terms[k - 1].abbrev} ${wert(strength, 2)}` : '');
    })));
  }
  panels.push(el('div', {}, el('h3', {}, t(step.twoInputs ? 's_inspectorRules' : 's_inspectorRulesOne')), table, el('p', { class: 'klein' }, t('s_inspectorKey'))));
  const out = termDiagram(p.Out, { width: 330, height: 150, heights: step.activations.map((x) => Number(x.exact)) });
  mark(out, Number(step.output.exact));
  panels.push(el('div', {}, el('h3', {}, `${t('s_output')}: ${p.Out.name} = ${wert(Number(step.output.exact), 2)}`), out.root,
    caption(t('s_heightLabel'), p.Out, step.activations)));
  return block(t('s_inInspector', h.point), el('div', { class: 'inspektor-bild' }, ...panels));
}

// The Werkstatt's colour scale: nine stops from dark violet to yellow.
const Stops = [[68, 1, 84], [72, 40, 120], [62, 74, 137], [49, 104, 142], [38, 130, 142], [31, 158, 137], [53, 183, 121], [109, 205, 89], [253, 231, 37]];
function scaleColour(share) {
  const f = Math.min(Math.max(Number.isNaN(share) ? 0 : share, 0), 1) * (Stops.length - 1);
  const k = Math.min(Math.floor(f), Stops.length - 2);
  const mix = (c) => Math.round(Stops[k][c] + (Stops[k + 1][c] - Stops[k][c]) * (f - k));
  return `rgb(${mix(0)},${mix(1)},${mix(2)})`;
}

// A step of 1, 2 or 5 times a power of ten that cuts the span into 4 to 10 parts.
function division(span) {
  const raw = span / 8;
  const tens = 10 ** Math.floor(Math.log10(raw));
  for (const f of [1, 2, 5, 10]) if (f * tens >= raw) return f * tens;
  return 10 * tens;
}

// A blank diagram, input A to the right and input B upwards, with a grid and both scales, to draw in.
function drawingBlock(p, axes) {
  const W = 680;
  const H = 420;
  const m = { l: 60, r: 16, t: 10, b: 56 };
  const px = (x) => m.l + ((x - axes.a0) / (axes.a1 - axes.a0)) * (W - m.l - m.r);
  const py = (y) => H - m.b - ((y - axes.b0) / (axes.b1 - axes.b0)) * (H - m.t - m.b);
  const root = svg('svg', { viewBox: `0 0 ${W} ${H}`, class: 'plot zeichnung' });
  const sx = division(axes.a1 - axes.a0);
  const sy = division(axes.b1 - axes.b0);
  for (let x = Math.ceil(axes.a0 / sx) * sx; x <= axes.a1 + 1e-9 * (axes.a1 - axes.a0); x += sx) {
    root.append(svg('line', { x1: px(x), x2: px(x), y1: py(axes.b0), y2: py(axes.b1), stroke: Math.abs(x) < 1e-9 ? '#3c3c3c' : '#b9b9b9' }),
      svg('text', { x: px(x), y: py(axes.b0) + 22, 'text-anchor': 'middle', 'font-size': 13 }, wert(x, 4)));
  }
  for (let y = Math.ceil(axes.b0 / sy) * sy; y <= axes.b1 + 1e-9 * (axes.b1 - axes.b0); y += sy) {
    root.append(svg('line', { x1: px(axes.a0), x2: px(axes.a1), y1: py(y), y2: py(y), stroke: Math.abs(y) < 1e-9 ? '#3c3c3c' : '#b9b9b9' }),
      svg('text', { x: m.l - 6, y: py(y) + 5, 'text-anchor': 'end', 'font-size': 13 }, wert(y, 4)));
  }
  root.append(svg('rect', { x: m.l, y: m.t, width: W - m.l - m.r, height: H - m.t - m.b, fill: 'none', stroke: '#000' }),
    svg('text', { x: W - m.r, y: H - 8, 'text-anchor': 'end', 'font-size': 14, 'font-weight': 'bold' }, `${p.A.name} →`),
    svg('text', { x: 14, y: m.t, 'text-anchor': 'end', 'font-size': 14, 'font-weight': 'bold', transform: `rotate(-90 14 ${m.t})` }, `${p.B.name} →`));
  return block(t('s_drawing', p.B.name, p.A.name), root);
}

function writingBlock(lines) {
  return block(t('s_yourAnswer'), el('div', { class: 'linien' }, ...Array.from({ length: lines }, () => el('div', { class: 'linie' }))));
}

// ---- the labs on the sheets ----------------------------------------------------------------

// The truck lab at one speed: the figures, then all tracks on the same page.
async function truckBlocks(ctx, fuz, speed) {
  const lab = await ctx.engine.call('truckLab', { speed }, fuz, { long: true });
  const title = t('s_truckLab', wert(num(speed), 0));
  if (!lab.defined) return [el('section', { class: 'block neue-seite' }, el('h2', {}, title), el('p', {}, t('s_truckUndefined')))];
  const f = lab.figures;
  const more = await ctx.engine.call('sheetTruck', { speed }, fuz, { long: true });
  const lines = [t('s_docked', f.docked, f.starts), t('s_leftRoad', f.leftRoad, f.mustKeepRoad),
    t('s_worst', fest(Number(more.worstX), 4), fest(Number(more.worstAttitude), 3)), t('s_mostSteps', f.mostSteps)];
  // What the lab warns of: places where no rule fires, at the start or on the way.
  const warnings = [];
  const fallback = zahlwert(Number(more.fallback));
  if (more.noRuleAtStart > 0) warnings.push(t('s_noRuleAtStart', more.noRuleAtStart, more.starts, fallback));
  if (more.noRuleOnTheWay > 0) warnings.push(t('s_noRuleOnTheWay', fallback, more.noRuleOnTheWay, more.starts));
  // The road from above as the Werkstatt draws it: x across, y along, to scale.
  const X0 = -24;
  const X1 = 6;
  const Y0 = -28;
  const Y1 = 29;
  const H = 840;
  const W = Math.round((H * (X1 - X0)) / (Y1 - Y0));
  const sx = (x) => ((Math.min(Math.max(x, X0), X1) - X0) / (X1 - X0)) * W;
  const sy = (y) => ((Y1 - Math.min(Math.max(y, Y0), Y1)) / (Y1 - Y0)) * H;
  const pic = svg('svg', { viewBox: `0 0 ${W} ${H + 46}`, class: 'plot bahnen' });
  pic.append(svg('rect', { x: sx(-20.1), y: 0, width: sx(2) - sx(-20.1), height: H, fill: '#eeeeee' }),
    svg('line', { x1: sx(-20.1), x2: sx(-20.1), y1: 0, y2: H, stroke: '#000', 'stroke-width': 1.2 }),
    svg('line', { x1: sx(2), x2: sx(2), y1: 0, y2: H, stroke: '#000', 'stroke-width': 1.2 }),
    svg('rect', { x: sx(-20.1), y: sy(-25), width: sx(2) - sx(-20.1), height: H - sy(-25), fill: '#787878' }),
    svg('line', { x1: sx(0), x2: sx(0), y1: 0, y2: sy(-25), stroke: '#000', 'stroke-dasharray': '8 3 2 3' }));
  const pens = { docked: ['#002896', ''], missed: ['#f0961e', '6 3'], leftRoad: ['#c80078', '2 2'] };
  // Docked tracks first, so that the failures lie on top where they can be seen.
  for (const verdict of ['docked', 'missed', 'leftRoad']) {
    for (const r of lab.runs.filter((x) => x.verdict === verdict)) {
      const xy = floats(lab.binary, r.track);
      let d = '';
      for (let i = 0; i + 1 < xy.length; i += 2) d += `${i ? 'L' : 'M'}${sx(xy[i]).toFixed(1)},${sy(xy[i + 1]).toFixed(1)}`;
      pic.append(svg('path', { d, fill: 'none', stroke: pens[verdict][0], 'stroke-width': 1.1, 'stroke-dasharray': pens[verdict][1] }));
      if (xy.length >= 2) pic.append(svg('circle', { cx: sx(xy[0]), cy: sy(xy[1]), r: 2, fill: pens[verdict][0] }));
    }
  }
  pic.append(svg('rect', { x: 0, y: 0, width: W, height: H, fill: 'none', stroke: '#000' }));
  let lx = 0;
  for (const verdict of ['docked', 'missed', 'leftRoad']) {
    pic.append(svg('line', { x1: lx, x2: lx + 28, y1: H + 16, y2: H + 16, stroke: pens[verdict][0], 'stroke-width': 2, 'stroke-dasharray': pens[verdict][1] }),
      svg('text', { x: lx + 32, y: H + 20, 'font-size': 12 }, t(`verdict_${verdict}`)));
    lx += 48 + t(`verdict_${verdict}`).length * 6.5;
  }
  pic.append(svg('text', { x: 0, y: H + 40, 'font-size': 12, fill: '#505050' }, t('s_tracksAxe')));
  return [el('section', { class: 'block neue-seite' }, el('h2', {}, title), ...lines.map((l) => el('p', { class: 'eng' }, l)),
    warnings.length ? el('p', { class: 'warnung' }, `\u26A0 ${warnings.join(' ')}`) : null), el('section', { class: 'block bahnenbild' }, pic)];
}

// The locomotive lab: the figures of the masses (the lab's three unless the
// settings name others), then the four diagrams (not with plots = false).
async function locoBlocks(ctx, fuz, settings, plots = true) {
  const masses = settings.masses && settings.masses.length ? settings.masses : ['1', '2', '4'];
  const options = ['--friction', settings.friction, '--distance', settings.distance, '--dt', settings.dt];
  const runs = [];
  let error = null;
  for (const m of masses) {
    try {
      const r = await ctx.engine.call('locoStates', { options: [...options, '--mass', m] }, fuz, { long: true });
      if (!r.defined) {
        error = t('s_truckUndefined');
        break;
      }
      runs.push({ mass: m, ...r });
    } catch (e) {
      error = e.detail || String(e);
      break;
    }
  }
  const head = el('section', { class: 'block neue-seite' }, el('h2', {}, t('s_locoLab')),
    el('p', {}, error || t('s_locoSettings', wert(num(settings.friction), 6), wert(num(settings.distance), 6), wert(num(settings.dt), 6))));
  if (!runs.length) return [head];
  const pens = ['#002896', '#00963c', '#f0961e'];
  // A mass's pen by its place among the lab's masses, as the lab draws it.
  const pen = (r, i) => ({ 1: 0, 2: 1, 4: 2 })[num(r.mass)] ?? i;
  const since = (x) => (x === null ? t('s_never') : `t = ${fest(num(x), 3)} s`);
  const ending = (f) => (f.ending === 'aborted' ? t('s_endAborted') : f.ending === 'notFinite' ? t('s_endNotFinite') : f.ending === 'ranOut' ? t('s_endRanOut') : '');
  head.append(el('table', { class: 'blatt-lok' },
    el('tr', {}, ...['s_mass', 's_atRest', 's_exact', 's_overshoot', 's_reversals', 's_endOfRun'].map((k) => el('th', { class: 'links' }, t(k)))),
    ...runs.map((r, i) => el('tr', {}, el('td', { class: 'links' }, el('span', { class: 'strich', style: `border-color:${pens[pen(r, i)]}` }), ` ${wert(num(r.mass), 6)} kg`),
      el('td', { class: 'links' }, since(r.figures.atRest)), el('td', { class: 'links' }, since(r.figures.exact)),
      el('td', { class: 'links' }, `${r.figures.overshoot} cm`), el('td', { class: 'links' }, String(r.figures.signChanges)),
      el('td', { class: 'links' }, t('s_runEnd', r.figures.endT, r.figures.endS, r.figures.endV, ending(r.figures)))))));
  if (!plots) return [head];
  // The time axes up to a little after the last mass has come to rest.
  const tEnd = Math.max(...runs.map((r) => num(r.figures.endT)));
  const tRest = Math.max(...runs.map((r) => num(r.figures.atRest === null ? r.figures.endT : r.figures.atRest)));
  const tTo = Math.min(tEnd, Math.max(2, tRest * 1.25 + 0.5));
  const series = runs.map((r) => r.states.map((q) => ({ t: num(q[2]), s: Number(q[0]), v: Number(q[1]), F: num(q[5]) })));
  const diagrams = [['s_posOverTime', 't in s', 's in cm', 't', 's'], ['s_speedOverTime', 't in s', 'v in cm/s', 't', 'v'],
    ['s_forceOverTime', 't in s', 'F in N', 't', 'F'], ['s_svDiagram', 's in cm', 'v in cm/s', 's', 'v']].map(([key, lx, ly, kx, ky]) => {
    const pts = series.map((list) => list.filter((q) => q.t <= tTo + 1e-9));
    const xs = pts.flatMap((l) => l.map((q) => q[kx]));
    const ys = pts.flatMap((l) => l.map((q) => q[ky]));
    const x = kx === 't' ? [0, tTo] : extent(xs);
    const y = extent(ys);
    const f = frame({ width: 330, height: 260, x, y, ticksX: ticks(x), ticksY: ticks(y), labelX: lx, labelY: ly });
    pts.forEach((l, i) => polyline(f, l.map((q) => q[kx]), l.map((q) => q[ky]), { stroke: pens[pen(runs[i], i)], 'stroke-width': 2, 'stroke-dasharray': ['', '7 4', '2 3'][pen(runs[i], i)] }));
    return el('div', {}, el('h3', {}, t(key)), f.root);
  });
  return [head, el('section', { class: 'block lok-bilder' }, ...diagrams.slice(0, 2)), el('section', { class: 'block lok-bilder' }, ...diagrams.slice(2))];
}

// Round tick marks for an axis, texts in the sheet's numbers.
function ticks([lo, hi]) {
  const step = division(hi - lo);
  const out = [];
  for (let v = Math.ceil(lo / step) * step; v <= hi + 1e-9 * (hi - lo); v += step) out.push({ value: v, text: wert(v, 4) });
  return out;
}

// ---- the view --------------------------------------------------------------------------

export default function create(ctx) {
  const element = el('section');
  const kind = el('select', { id: 'blatt-art' });
  const vehicle = el('select', { id: 'blatt-fahrzeug' });
  const make = el('button', { type: 'button', id: 'blatt-zeigen' });
  const print = el('button', { type: 'button', id: 'blatt-drucken', disabled: true });
  const solutionPicker = el('input', { type: 'file', accept: '.fuz', id: 'muster-datei', hidden: true });
  const sheet = el('div', { id: 'blatt', class: 'blatt' });
  const view = { id: 'sheets', tabKey: 'tabSheets', element, render, build, shown, made: () => made };
  let chosenSolution = null; // {name, bytes} for an exercise that brings none
  let made = null; // what the sheet shows: {kind, for}
  const pageRules = typeof CSSStyleSheet === 'function' ? new CSSStyleSheet() : null;
  if (pageRules && document.adoptedStyleSheets) document.adoptedStyleSheets = [...document.adoptedStyleSheets, pageRules];

  const exercise = () => ctx.lab('exercises').current();
  // A students' copy (from a student package) is not the teacher's.
  const teacherSheet = () => {
    const ex = exercise();
    return Boolean(ex) && ex.info.edition !== 'students';
  };

  // The header and footer of every printed page, as the Werkstatt's sheets have them.
  function pageHeader(left, right) {
    const q = (s) => `"${String(s).replace(/\\/g, '\\\\').replace(/"/g, '\\"').replace(/[\r\n]+/g, ' ')}"`;
    const rules = `@page { size: A4; margin: 15mm 15mm 14mm; @top-left { content: ${q(left)}; font: 9pt sans-serif; color: #5a5a5a; }
      @top-right { content: ${q(right)}; font: 9pt sans-serif; color: #5a5a5a; }
      @bottom-center { content: ${q(t('s_pageOf').split('%1')[0])} counter(page) ${q(t('s_pageOf').split('%1')[1].split('%2')[0])} counter(pages); font: 9pt sans-serif; color: #5a5a5a; } }`;
    if (pageRules) pageRules.replaceSync(rules);
  }

  const today = () => new Date().toLocaleDateString(language() === 'en' ? 'en-US' : 'de-DE', { day: 'numeric', month: 'long', year: 'numeric' });
  const base = (name) => String(name || '').replace(/\.[^.]*$/, '');

  async function projectSheet() {
    const p = ctx.view;
    const name = ctx.name ? base(ctx.name) : t('s_untitled');
    const parts = [el('div', { class: 'blatt-kopf' }, el('h1', {}, t('s_worksheet', name)),
      el('p', {}, t('s_fileLine', ctx.name || t('s_notSaved'), t(vehicle.value === 'loco' ? 's_forLoco' : 's_forTruck'))))];
    parts.push(variableBlock(p.A, 0), variableBlock(p.B, 1), variableBlock(p.Out, 2));
    if (p.A.defined && p.Out.defined) {
      parts.push(rulesBlock(p));
      parts.push(await surfaceBlock(p));
    }
    parts.push(...(vehicle.value === 'loco' ? await locoBlocks(ctx, ctx.fuz, { friction: '3', distance: '100', dt: '0.055' }) : await truckBlocks(ctx, ctx.fuz, '-1')));
    pageHeader(t('s_worksheetHeader', name), today());
    return parts;
  }

  // The Kennfeld in the Werkstatt's colour scale with its legend over the
  // output's range, or the Kennlinie of a project with one input.
  async function surfaceBlock(p) {
    const two = p.B.defined;
    const k = await ctx.engine.call('kennfeld', { nx: two ? 161 : 401, ny: two ? 161 : 1 }, ctx.fuz, { long: true });
    const aLo = Number(p.A.min.exact);
    const aHi = Number(p.A.max.exact);
    if (!two) {
      const xs = k.a.map(Number);
      const ys = k.values.map(Number);
      const y = extent([...ys, Number(p.Out.min.exact), Number(p.Out.max.exact)]);
      const f = frame({ width: 680, height: 320, x: [aLo, aHi], y, ticksX: k.ticksA, ticksY: ticks(y), labelX: `A: ${p.A.name}`, labelY: p.Out.name });
      polyline(f, xs, ys, { stroke: '#1f4e9c' });
      return block(t('s_curve'), el('h3', { class: 'mitte' }, t('s_curveTitle', p.Out.name, p.A.name)), f.root);
    }
    const W = 680;
    const H = 470;
    const c = el('canvas', { width: W * 2, height: H * 2, class: 'kennfeld-blatt' });
    const g = c.getContext('2d');
    g.scale(2, 2);
    const lo = Number(p.Out.min.exact);
    const hi = Number(p.Out.max.exact);
    const ox = 66;
    const oy = 8;
    const w = W - ox - 110;
    const h = H - oy - 50;
    for (let j = 0; j < k.ny; j++) {
      for (let i = 0; i < k.nx; i++) {
        const v = Number(k.values[j * k.nx + i]);
        g.fillStyle = Number.isFinite(v) ? scaleColour(hi > lo ? (v - lo) / (hi - lo) : 0.5) : '#000';
        g.fillRect(ox + (i * w) / k.nx, oy + ((k.ny - 1 - j) * h) / k.ny, w / k.nx + 0.6, h / k.ny + 0.6);
      }
    }
    g.strokeStyle = '#000';
    g.strokeRect(ox, oy, w, h);
    g.fillStyle = '#000';
    g.font = '13px sans-serif';
    g.textAlign = 'center';
    for (const tk of k.ticksA) g.fillText(tk.text, ox + ((tk.value - aLo) / (aHi - aLo)) * w, oy + h + 18);
    g.font = 'bold 13px sans-serif';
    g.fillText(`A: ${p.A.name}`, ox + w / 2, oy + h + 40);
    g.font = '13px sans-serif';
    g.textAlign = 'right';
    const bLo = Number(p.B.min.exact);
    const bHi = Number(p.B.max.exact);
    for (const tk of k.ticksB) g.fillText(tk.text, ox - 6, oy + h - ((tk.value - bLo) / (bHi - bLo)) * h + 4);
    g.save();
    g.translate(16, oy + h / 2);
    g.rotate(-Math.PI / 2);
    g.textAlign = 'center';
    g.font = 'bold 13px sans-serif';
    g.fillText(`B: ${p.B.name}`, 0, 0);
    g.restore();
    // The legend: the output's range from bottom to top.
    const lx = ox + w + 24;
    for (let y = 0; y < h; y++) {
      g.fillStyle = scaleColour(1 - y / h);
      g.fillRect(lx, oy + y, 18, 1.2);
    }
    g.strokeRect(lx, oy, 18, h);
    g.fillStyle = '#000';
    g.textAlign = 'left';
    for (const tk of ticks([lo, hi])) g.fillText(tk.text, lx + 24, oy + h - ((tk.value - lo) / (hi - lo || 1)) * h + 4);
    return block(t('s_surface'), el('h3', { class: 'mitte' }, t('s_surfaceTitle', p.Out.name, p.A.name, p.B.name)), c);
  }

  // The exercise's starting project, its hand steps worked out and its checks, as the sheets need them.
  async function exerciseData(ex) {
    const info = await ctx.engine.call('sheetInfo', {}, ex.bytes);
    if (info.refused) throw new Error(info.refused.detail);
    const out = `${base(ex.name)}.fuz`;
    const started = await ctx.engine.run(['aufgabe', 'start', ex.name, '-o', out], ex.bytes, { input: ex.name, read: [out] });
    if (started.status !== 0) throw new Error(started.err);
    const start = await ctx.engine.call('view', { name: out }, started.files[out]);
    const steps = [];
    for (const h of info.hand) steps.push(await ctx.engine.call('inspect', { a: h.a, b: h.b === null ? '0' : h.b }, started.files[out]));
    return { info, start, startFuz: started.files[out], steps };
  }

  // fuzzysim's check of a project against the exercise, for its criteria.
  async function checkOf(ex, projectName, projectBytes) {
    const files = { [projectName]: projectBytes };
    const argv = ['aufgabe', 'check', ex.name, projectName];
    if (ex.info.needsAnswers) {
      files['leer.fuzantwort'] = new TextEncoder().encode('[antworten]\nformat = 1\n');
      argv.push('leer.fuzantwort');
    }
    const r = await ctx.engine.run([...argv, '--json'], ex.bytes, { input: ex.name, files, long: true });
    if (r.status !== 0 && r.status !== 1) throw new Error(r.err);
    return JSON.parse(utf8(r.out));
  }

  async function studentsSheet(ex) {
    const { info, start, startFuz, steps } = await exerciseData(ex);
    const e = ex.info;
    const parts = [el('div', { class: 'blatt-kopf' }, el('h1', {}, e.title),
      el('p', { class: 'name-klasse' }, ...[['s_name', 5], ['s_class', 2], ['s_date', 3]].map(([k, w]) => el('span', { style: `flex:${w}` }, t(k), el('span', { class: 'schreiblinie' })))))];
    parts.push(block(t('s_task'), ...paragraphs(e.taskParagraphs)));
    const may = ['rules', 'terms', 'ranges'].filter((k) => e.mayChange[k]).map((k) => t(`s_may_${k}`));
    if (may.length) parts.push(el('p', { class: 'klein' }, t('s_mayChange', may.join(', '))));
    const onlyDegrees = e.hand.length && !e.needsProject && e.hand.every((h) => h.questions.length === 1 && h.questions[0].quantity === 'membership');
    if (onlyDegrees) {
      parts.push(variableBlock(start.A, 0));
      if (e.hand.some((h) => h.b !== null) && start.B.defined) parts.push(variableBlock(start.B, 1));
    } else {
      parts.push(variableBlock(start.A, 0));
      if (start.B.defined) parts.push(variableBlock(start.B, 1));
      parts.push(variableBlock(start.Out, 2), rulesBlock(start, e.mayChange.rules));
    }
    if (e.needsProject) parts.push(criteriaBlock(t('s_whatIsChecked'), (await checkOf(ex, `${base(ex.name)}.fuz`, startFuz)).criteria, false));
    e.hand.forEach((h, i) => parts.push(pointBlock(start, h, steps[i], false)));
    // Which inference the check holds the answers to.
    if (e.hand.some((h) => h.questions.some((q) => q.quantity !== 'membership'))) parts.push(el('p', { class: 'klein' }, t('s_method')));
    if (info.drawing && start.B.defined) {
      const axes = { a0: Number(start.A.min.exact), a1: Number(start.A.max.exact), b0: Number(start.B.min.exact), b1: Number(start.B.max.exact) };
      // For the locomotive also from the mark to the lab's start, so that the whole run fits in.
      if (info.plant === 'loco') {
        const from = info.locoRuns && info.locoRuns.length ? Number(info.locoRuns[0].distance) : 100;
        axes.a0 = Math.min(axes.a0, 0, from);
        axes.a1 = Math.max(axes.a1, 0, from);
      }
      parts.push(drawingBlock(start, axes));
    }
    if (e.marking !== 'automatic') parts.push(writingBlock(9));
    pageHeader(t('s_exerciseHeader', e.title), '');
    return parts;
  }

  // The names of the sheet's language on a reference solution written with the German starting project's names.
  async function inLanguage(ex, solution) {
    if (language() !== 'en') return solution;
    const out = 'start.fuz';
    const de = await ctx.engine.call('run', { argv: ['aufgabe', 'start', ex.name, '-o', out], read: [out], input: ex.name, lang: 'de' }, ex.bytes);
    const deView = await ctx.engine.call('view', { name: out, lang: 'de' }, fromBase64(de.files[out]));
    const en = (await exerciseData(ex)).start;
    for (const role of ['A', 'B', 'Out']) {
      const v = solution[role];
      const d = deView[role];
      const n = en[role];
      if (!v.defined || !d.defined || !n.defined) continue;
      if (v.name === d.name) v.name = n.name;
      v.terms.forEach((term, i) => {
        if (d.terms[i] && n.terms[i] && term.name === d.terms[i].name) term.name = n.terms[i].name;
      });
    }
    return solution;
  }

  async function teacherSheetParts(ex) {
    const { info, start, steps } = await exerciseData(ex);
    const e = ex.info;
    const parts = [el('div', { class: 'blatt-kopf' }, el('h1', {}, t('s_solution', e.title)), el('p', {}, t('s_solutionFor', ex.name)))];
    parts.push(block(t('s_task'), ...paragraphs(e.taskParagraphs)));
    if (info.teacherNoteParagraphs.length) parts.push(block(t('s_forTeacher'), ...paragraphs(info.teacherNoteParagraphs)));
    parts.push(el('p', { class: 'klein' }, t(e.marking === 'automatic' ? 's_markedByCheck' : e.marking === 'teacher' ? 's_markedByTeacher' : 's_markedByBoth')));
    e.hand.forEach((h, i) => {
      parts.push(pointBlock(start, h, steps[i], true));
      if (!(h.questions.length === 1 && h.questions[0].quantity === 'membership')) parts.push(inspectorBlock(start, h, steps[i]));
    });
    // The reference solution against the exercise's limits, and its lab.
    const given = solutionOf(ex);
    let labFuz = null;
    if (given) {
      const doc = await checkOf(ex, given.name, given.bytes);
      const shown = await inLanguage(ex, await ctx.engine.call('view', { name: given.name }, given.bytes));
      const head = t('s_referenceIs', given.name);
      if (doc.verdict === 'refused') {
        parts.push(block(head, el('p', { class: 'fett' }, t('s_referenceChanges')), ...doc.changes.map((c) => el('p', {}, c))));
      } else {
        parts.push(criteriaBlock(head, doc.criteria, true) || block(head));
      }
      if (e.mayChange.terms || e.mayChange.ranges) {
        parts.push(variableBlock(shown.A, 0));
        if (shown.B.defined) parts.push(variableBlock(shown.B, 1));
        parts.push(variableBlock(shown.Out, 2));
      }
      parts.push(rulesBlock(shown));
      labFuz = given.bytes;
    } else if (e.needsProject && !['rules', 'terms', 'ranges'].every((k) => !e.mayChange[k])) {
      parts.push(el('p', { class: 'klein' }, t('s_noReference', `${base(ex.name)}.loesung.fuz`)));
    } else {
      // Nothing to change: the lab of the project as it is (the curve a drawing is compared with).
      labFuz = (await exerciseData(ex)).startFuz;
    }
    if (labFuz && info.plant === 'truck') parts.push(...(await truckBlocks(ctx, labFuz, info.truckSpeed)));
    if (labFuz && info.plant === 'loco') {
      // A table for every setting the check runs, so that each figure of the verdict stands in one; the curves of the first.
      const runs = info.locoRuns && info.locoRuns.length ? info.locoRuns : [{ friction: '3', distance: '100', dt: '0.055' }];
      for (const [i, l] of runs.entries()) parts.push(...(await locoBlocks(ctx, labFuz, l, i === 0)));
    }
    pageHeader(t('s_solutionHeader', e.title), today());
    return parts;
  }

  // The reference solution: the one built in beside a built-in exercise, or the one the teacher chose.
  function solutionOf(ex) {
    if (chosenSolution && chosenSolution.for === ex.key) return chosenSolution;
    const file = `${base(ex.name)}.loesung.fuz`;
    const x = solutions.find((s) => s.file === file);
    return x && ex.builtIn ? { name: file, bytes: fromBase64(x.bytes) } : null;
  }

  // One sheet after the other; the last one asked for is the one shown.
  let building = Promise.resolve();
  function build(which = kind.value) {
    const run = building.then(() => buildNow(which));
    building = run.catch(() => {});
    return run;
  }

  async function buildNow(which) {
    if (which !== kind.value) return null;
    make.disabled = true;
    print.disabled = true;
    sheet.replaceChildren(el('p', { class: 'leise' }, t('working')));
    try {
      const ex = exercise();
      let parts;
      if (which === 'students' && ex) parts = await studentsSheet(ex);
      else if (which === 'teacher' && ex && teacherSheet()) parts = await teacherSheetParts(ex);
      else parts = await projectSheet();
      sheet.replaceChildren(...parts.filter(Boolean));
      made = { kind: which, lab: vehicle.value };
      print.disabled = false;
      ctx.clearError();
    } catch (e) {
      sheet.replaceChildren();
      ctx.reportError(e);
    } finally {
      make.disabled = false;
    }
    return sheet;
  }

  solutionPicker.addEventListener('change', async () => {
    const f = solutionPicker.files[0];
    solutionPicker.value = '';
    const ex = exercise();
    if (!f || !ex) return;
    if (f.size > 1 << 20) return ctx.message(t('tooLarge', f.name));
    chosenSolution = { name: f.name, bytes: new Uint8Array(await f.arrayBuffer()), for: ex.key };
    render();
  });
  make.addEventListener('click', () => build());
  // Shown, the sheet is there at once; again when the sheet asked for changes.
  function shown() {
    render();
    if (!made || made.kind !== kind.value || made.stale) build();
  }
  vehicle.addEventListener('change', () => build());
  print.addEventListener('click', () => window.print());
  // Printed from this view, only the sheet goes onto the paper.
  window.addEventListener('beforeprint', () => document.body.classList.toggle('drucke-blatt', !element.hidden && Boolean(made)));
  window.addEventListener('afterprint', () => document.body.classList.remove('drucke-blatt'));

  function render() {
    keepFocus(element, () => {
      const ex = exercise();
      const value = kind.value;
      kind.replaceChildren(...[el('option', { value: 'project' }, t('s_kindProject')),
        ex ? el('option', { value: 'students' }, t('s_kindStudents', ex.info.title)) : null,
        ex && teacherSheet() ? el('option', { value: 'teacher' }, t('s_kindTeacher', ex.info.title)) : null].filter(Boolean));
      if ([...kind.options].some((o) => o.value === value)) kind.value = value;
      const v = vehicle.value || (/lok/i.test(ctx.name) ? 'loco' : 'truck');
      vehicle.replaceChildren(el('option', { value: 'truck' }, t('s_vehicleTruck')), el('option', { value: 'loco' }, t('s_vehicleLoco')));
      vehicle.value = v;
      make.textContent = t('s_remake');
      print.textContent = t('s_print');
      kind.setAttribute('aria-label', t('s_which'));
      vehicle.setAttribute('aria-label', t('s_whichLab'));
      const controls = el('div', { class: 'blatt-wahl' },
        el('label', { class: 'feld' }, t('s_which'), kind),
        kind.value === 'project' ? el('label', { class: 'feld' }, t('s_whichLab'), vehicle) : null,
        kind.value === 'teacher' && ex && !solutionOf(ex)
          ? el('button', { type: 'button', id: 'muster-waehlen', onclick: () => solutionPicker.click() }, t('s_chooseReference')) : null,
        solutionPicker, make, print);
      element.replaceChildren(...[el('h2', {}, t('tabSheets')), el('p', {}, t('s_intro')), controls,
        ex && !teacherSheet() ? el('p', { class: 'leise' }, t('s_studentsCopy')) : null, sheet].filter(Boolean));
    });
  }

  kind.addEventListener('change', () => {
    render();
    build();
  });
  ctx.onProject(() => {
    // The worksheet shows the project: after an edit it is made again when it is looked at.
    if (made && made.kind === 'project') made.stale = true;
    if (!element.hidden) shown();
  });
  return view;
}

