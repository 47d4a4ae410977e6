// Replaying a recorded run: play, pause, a step back and forward and a
// slider over the steps. The controls are built once per run; moving to a
// step only calls `show(i)` and updates the slider's value and the step's
// number, so a slider held by the mouse or a finger is never rebuilt.
import { el } from './dom.js';
import { t } from './i18n.js';

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
  const back = el('button', { id: `${id}-zurueck`, type: 'button', 'aria-label': t('stepBack'), title: t('stepBack') }, '⏮');
  const next = el('button', { id: `${id}-vor`, type: 'button', 'aria-label': t('stepForward'), title: t('stepForward') }, '⏭');

  function showPlay() {
    const on = timer !== null;
    play.textContent = on ? '⏸' : '▶';
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
