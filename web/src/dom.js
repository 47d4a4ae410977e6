// Small helpers for building the views' elements and pictures.
export function el(tag, attrs = {}, ...children) {
  const e = document.createElement(tag);
  setAll(e, attrs);
  for (const c of children.flat()) if (c !== null && c !== undefined) e.append(c instanceof Node ? c : String(c));
  return e;
}

const SVG = 'http://www.w3.org/2000/svg';

export function svg(tag, attrs = {}, ...children) {
  const e = document.createElementNS(SVG, tag);
  for (const [k, v] of Object.entries(attrs)) {
    if (k === 'style') e.style.cssText = String(v);
    else e.setAttribute(k, String(v));
  }
  for (const c of children.flat()) if (c !== null && c !== undefined) e.append(c instanceof Node ? c : String(c));
  return e;
}

function setAll(e, attrs) {
  for (const [k, v] of Object.entries(attrs)) {
    if (v === undefined || v === null || v === false) continue;
    if (k.startsWith('on')) e.addEventListener(k.slice(2), v);
    else if (k === 'text') e.textContent = v;
    // Through the style object, not the attribute: a strict Content-Security-Policy allows only that.
    else if (k === 'style') e.style.cssText = v;
    else if (k in e && typeof v !== 'string') e[k] = v;
    else e.setAttribute(k, v === true ? '' : v);
  }
}

// A text set by the engine as paragraphs of lines: one <p> per paragraph,
// its lines broken where the author began an item.
export function paragraphs(list) {
  return (list || []).map((lines) => el('p', { class: 'absatz' }, ...lines.flatMap((l, i) => (i ? [el('br'), l] : [l]))));
}

// A labelled text field.
export function field(label, attrs = {}) {
  const input = el('input', { type: 'text', ...attrs });
  return { input, element: el('label', { class: 'feld' }, label, input) };
}

export function download(name, bytes, type = 'application/octet-stream') {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = el('a', { href: url, download: name });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

export const colours = ['#1f77b4', '#d62728', '#2ca02c', '#9467bd', '#ff7f0e'];
// The same colours darker, for text: readable (4.5 : 1) on white and on the chosen row's yellow.
export const textColours = ['#17557f', '#a81d1e', '#1d6b1d', '#6a4692', '#9c4a00'];

// Rebuilds part of the page and gives the focus back to where the user was:
// the element of the same data-focus key (or id), or, where that one is off
// now, the nearest control beside it that is not.
export function keepFocus(root, build) {
  const a = document.activeElement;
  const inside = a && a !== document.body && root.contains(a);
  const key = inside ? a.dataset.focus || (a.id ? `#${a.id}` : null) : null;
  const selection = inside && typeof a.selectionStart === 'number' ? [a.selectionStart, a.selectionEnd] : null;
  build();
  if (!key || root.contains(document.activeElement)) return;
  const find = (k) => (k.startsWith('#') ? document.getElementById(k.slice(1)) : root.querySelector(`[data-focus="${CSS.escape(k)}"]`));
  let target = find(key);
  if (target && target.disabled) {
    const near = [...target.parentElement.querySelectorAll('button, input, select')].filter((x) => !x.disabled);
    target = near[0] || null;
  }
  if (!target || !root.contains(target)) return;
  target.focus({ preventScroll: true });
  if (selection && typeof target.setSelectionRange === 'function') {
    try {
      target.setSelectionRange(...selection);
    } catch (e) {
      // A field that keeps no selection.
    }
  }
}
