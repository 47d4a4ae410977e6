// Every text the page's modules ask for exists in both languages, and no
// English text was left German (the same words) unless it is a name.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

const src = join(dirname(fileURLToPath(import.meta.url)), '../src');
const files = [...readdirSync(src).filter((f) => f.endsWith('.js')).map((f) => join(src, f)),
  ...readdirSync(join(src, 'views')).map((f) => join(src, 'views', f))];

// i18n.js reads navigator and localStorage only when asked: safe to import here.
const { t, setLanguage, hasText, allKeys } = await import(join(src, 'i18n.js'));

test('every key the modules use has a text', () => {
  const used = new Set();
  for (const f of files) {
    const text = readFileSync(f, 'utf8');
    for (const m of text.matchAll(/\bt\('([A-Za-z_]+)'/g)) used.add(m[1]);
    for (const m of text.matchAll(/tabKey: '([A-Za-z]+)'/g)) used.add(m[1]);
    for (const m of text.matchAll(/data-t="([A-Za-z]+)"/g)) used.add(m[1]);
  }
  for (const m of readFileSync(join(src, '../index.html'), 'utf8').matchAll(/data-t(?:-label)?="([A-Za-z]+)"/g)) used.add(m[1]);
  const missing = [...used].filter((k) => !hasText(k));
  assert.deepEqual(missing, []);
});

// Words that are the same in both languages: names and units.
const same = new Set(['title', 'term', 'name', 'start', 'handAtA', 'handAtAB', 'startLink', 'restoreAnd', 's_term', 's_name', 's_vehicleTruck', 's_runEnd', 's_pointAB', 's_pointA', 'handInName', 'colName',
  'driveStart', 'driveStop', 'massKg', 'forceValue']);

test('every text has an English translation of its own', () => {
  const untranslated = [];
  for (const k of allKeys()) {
    setLanguage('de');
    const de = t(k);
    setLanguage('en');
    const en = t(k);
    if (!en || (de === en && !same.has(k))) untranslated.push(k);
  }
  assert.deepEqual(untranslated, []);
});

test('placeholders are filled in the order of the sentence', () => {
  setLanguage('de');
  assert.equal(t('ofN', 3, 164), '3 von 164');
  setLanguage('en');
  assert.equal(t('ofN', 3, 164), '3 of 164');
  assert.equal(t('refused', 'x.fuz', 'Fehler'), '“x.fuz” was not opened:\nFehler');
});
