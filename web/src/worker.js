// The engine's worker: runs after Emscripten's loader (createFuzzyEngine) and
// the module's gzip-compressed bytes (ENGINE_WASM_GZ, base64) in one classic
// script, takes {id, request, bytes} and answers {id, answer}; the bytes an
// answer has beside its JSON come as answer.binary (an ArrayBuffer, moved).
// A module that aborted is started anew for the next request, so one bad
// request never leaves the page without its engine.
'use strict';

let engineModule = null;
let wasmBinary = null;

// The module's bytes, unpacked once per worker with the browser's own gzip.
async function unpackWasm() {
  const packed = Uint8Array.from(atob(ENGINE_WASM_GZ), (c) => c.charCodeAt(0));
  const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

function startEngine() {
  wasmBinary = wasmBinary || unpackWasm();
  engineModule = wasmBinary.then((bytes) => createFuzzyEngine({ wasmBinary: bytes }));
  return engineModule;
}

function callEngine(m, request, bytes) {
  const text = JSON.stringify(request);
  const textSize = m.lengthBytesUTF8(text) + 1;
  const textPtr = m._malloc(textSize);
  const size = bytes ? bytes.length : 0;
  const dataPtr = m._malloc(Math.max(1, size));
  try {
    m.stringToUTF8(text, textPtr, textSize);
    if (size) m.HEAPU8.set(bytes, dataPtr);
    const answer = JSON.parse(m.UTF8ToString(m._fuzzy_call(textPtr, dataPtr, size)));
    // The bytes beside the answer, copied out of the module's memory (the next call reuses it).
    const n = m._fuzzy_binary_size();
    if (n > 0) {
      const at = m._fuzzy_binary();
      answer.binary = m.HEAPU8.slice(at, at + n).buffer;
    }
    return answer;
  } finally {
    m._free(textPtr);
    m._free(dataPtr);
  }
}

self.onmessage = async (event) => {
  // Asked to start before the first request: the module only, no answer.
  if (event.data.warm) {
    (engineModule || startEngine()).catch(() => {
      engineModule = null;
    });
    return;
  }
  const { id, request, bytes } = event.data;
  let answer;
  try {
    const m = await (engineModule || startEngine());
    answer = callEngine(m, request, bytes);
  } catch (err) {
    engineModule = null;
    answer = { ok: false, error: 'crashed', detail: String(err && err.message ? err.message : err) };
  }
  self.postMessage({ id, answer }, answer.binary ? [answer.binary] : []);
};
