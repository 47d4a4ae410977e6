// Replaying a recorded run: play, pause, a step back and forward and a
// slider over the steps. The controls are built once per run; moving to a
// step only calls `show(i)` and updates the slider's value and the step's
// number, so a slider held by the mouse or a finger is never rebuilt.
import { el, svg } from './dom.js';
import { t } from './i18n.js';

// The controls' symbols drawn, not taken from a font: the media symbols are
// missing from many (a tablet's or a Chromebook's showed empty boxes).
const shapes = {
  play: ['M4 2 L13 8 L4 14 Z'],
  pause: ['M3 2 H7 V14 H3 Z', 'M9 2 H13 V14 H9 Z'],
  back: ['M2 2 H4 V14 H2 Z', 'M14 2 L5 8 L14 14 Z'],
  next: ['M12 2 H14 V14 H12 Z', 'M2 2 L11 8 L2 14 Z'],
};
function icon(name) {
  return svg('svg', { viewBox: '0 0 16 16', width: 14, height: 14, 'aria-hidden': 'true', focusable: 'false' },
    ...shapes[name].map((d) => svg('path', { d, fill: 'currentColor' })));
}

// count: the number of steps after the start (steps 0..count); show(i): draws
// step i; pace(i): milliseconds from step i to the next while playing; id:
// prefix of the controls' ids.
export function replay({ count, show, pace = () => 100, id }) {
  let index = 0;
  let timer = null;
  const slider = el('input', {
    type: 'range', min: 0, max: count, step: 1, value: 0, id: `${id}-schritt`, class: 'schieber', 'aria-label': t('step'),
  });
  const label = el('span', { class: 'zahl', id: `${id}-schrittzahl`, 'aria-live': 'off' });
  const play = el('button', { id: `${id}-abspielen`, type: 'button' });
  const back = el('button', { id: `${id}-zurueck`, type: 'button', 'aria-label': t('stepBack'), title: t('stepBack') }, icon('back'));
  const next = el('button', { id: `${id}-vor`, type: 'button', 'aria-label': t('stepForward'), title: t('stepForward') }, icon('next'));

  function showPlay() {
    const on = timer !== null;
    play.replaceChildren(icon(on ? 'pause' : 'play'));
    play.setAttribute('aria-label', t(on ? 'pause' : 'play'));
    play.title = t(on ? 'pause' : 'play');
    play.setAttribute('aria-pressed', String(on));
  }

  function go(i) {
    index = Math.max(0, Math.min(count, Math.round(i)));
    if (Number(slider.value) !== index) slider.value = String(index);
    label.textContent = `${index} / ${count}`;
    slider.setAttribute('aria-valuetext', `${t('step')} ${index} / ${count}`);
    show(index);
  }

  function stop() {
    if (timer !== null) clearTimeout(timer);
    timer = null;
    showPlay();
  }

  function tick() {
    if (index >= count) return stop();
    timer = setTimeout(() => {
      go(index + 1);
      tick();
    }, pace(index));
  }

  function start() {
    if (index >= count) go(0);
    timer = 0;
    showPlay();
    tick();
  }

  slider.addEventListener('input', () => {
    stop();
    go(Number(slider.value));
  });
  play.addEventListener('click', () => (timer === null ? start() : stop()));
  back.addEventListener('click', () => {
    stop();
    go(index - 1);
  });
  next.addEventListener('click', () => {
    stop();
    go(index + 1);
  });
  showPlay();
  const element = el('div', { class: 'abspielen', role: 'group', 'aria-label': t('replayLabel') },
    play, back, next, el('label', { class: 'schrittwahl' }, el('span', {}, t('step')), slider), label);
  go(0);
  return {
    element,
    slider,
    go: (i) => {
      stop();
      go(i);
    },
    stop,
    play: start,
    playing: () => timer !== null,
    index: () => index,
  };
}
