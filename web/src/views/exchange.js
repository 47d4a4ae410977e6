// Export to FLL, FIS, FCL and C, import from FLL, FIS and FCL: fuzzysim's
// export and import, the files as it writes them.
import { el, download, field } from '../dom.js';
import { t } from '../i18n.js';
import { utf8 } from '../engine.js';

const formats = [['fll', 'FLL'], ['fis', 'FIS'], ['fcl', 'FCL'], ['c', 'C']];

// A file name the engine's folder takes: no folders, no control characters.
function baseName(name) {
  return (name || 'projekt').replace(/\.[^.]*$/, '').replace(/[\/\\\x00-\x1f]/g, '_') || 'projekt';
}

export default function create(ctx) {
  const element = el('section');
  const fn = field('', { id: 'export-name', placeholder: 'fuzzy' });
  // A button of the page's own words opens the picker (the browser's own says "Choose File" in its language).
  const picker = el('input', { type: 'file', accept: '.fll,.fis,.fcl', id: 'import-datei', hidden: true });
  // Scrolls in itself: the keyboard reaches it to scroll.
  const preview = el('pre', { id: 'export-text', hidden: true, tabindex: '0' });
  const view = { id: 'exchange', tabKey: 'tabExchange', element, render, exportAs, importBytes, exportFiles };

  // The files of an export, without downloading them.
  async function exportFiles(format) {
    const r = await exportAs(format, false);
    const out = {};
    for (const [k, v] of Object.entries((r && r.files) || {})) out[k] = Array.from(v);
    return out;
  }

  async function exportAs(format, save = true) {
    const base = baseName(ctx.name);
    const input = `${base}.fuz`;
    const out = `${base}.${format}`;
    const argv = ['export', input, '--to', format, '-o', out];
    if (format === 'c' && fn.input.value.trim()) argv.push('--name', fn.input.value.trim());
    const read = format === 'c' ? [out, out.replace(/\.c$/, '.h')] : [out];
    try {
      const r = await ctx.engine.run(argv, ctx.fuz, { read, input });
      if (r.status !== 0) {
        ctx.message(r.err);
        return r;
      }
      ctx.message('');
      preview.hidden = false;
      preview.textContent = utf8(r.files[out]);
      if (save) for (const name of read) if (r.files[name]) download(name, r.files[name], 'text/plain');
      return r;
    } catch (e) {
      ctx.reportError(e);
      return null;
    }
  }

  async function importBytes(bytes, name) {
    const ext = (name.match(/\.(fll|fis|fcl)$/i) || [])[1];
    if (!ext) {
      ctx.message(t('failed', name));
      return null;
    }
    const input = `${baseName(name)}.${ext.toLowerCase()}`;
    const output = `${baseName(name)}.fuz`;
    try {
      const r = await ctx.engine.run(['import', input, '-o', output], bytes, { input, read: [output] });
      if (r.status !== 0 || !r.files[output]) {
        ctx.message(t('refused', name, r.err));
        return r;
      }
      await ctx.open(r.files[output], output);
      if (r.err) ctx.message(r.err, 'info');
      return r;
    } catch (e) {
      ctx.reportError(e);
      return null;
    }
  }

  picker.addEventListener('change', async () => {
    const f = picker.files[0];
    picker.value = '';
    if (!f) return;
    if (f.size > 1 << 20) return ctx.message(t('tooLarge', f.name));
    await importBytes(new Uint8Array(await f.arrayBuffer()), f.name);
  });

  function render() {
    element.replaceChildren();
    fn.element.firstChild.textContent = t('functionName');
    const p = ctx.view;
    element.append(el('h2', {}, t('exportTitle')), el('p', {}, t('exportIntro')));
    if (p) element.append(el('p', {}, ...formats.map(([f, label]) => el('button', { id: `export-${f}`, onclick: () => exportAs(f) }, label)), ' ', fn.element));
    preview.setAttribute('aria-label', t('exportPreview'));
    element.append(preview, el('h2', {}, t('importTitle')), el('p', {}, t('importIntro')),
      el('p', {}, el('button', { type: 'button', id: 'import-knopf', onclick: () => picker.click() }, t('importFile')), picker));
  }

  ctx.onProject(() => {
    preview.hidden = true;
    render();
  });
  return view;
}
