// Runs the test files named in PLIVEX_ENGINE_FILES (space-separated, without
// ".test.mjs") in one process, each as a suite with its own hooks. A browser
// held from the first file to the last is started once for them all: each
// file still gets its own context (Chromium) or its own pages (Firefox,
// WebKit), as when it runs alone.
import { describe, before, after } from 'node:test';
import { launch } from './support.mjs';

let held;
before(async () => { held = await launch(); });
after(async () => { await held.close(); });

for (const name of (process.env.PLIVEX_ENGINE_FILES || '').split(' ').filter(Boolean))
  describe(name, async () => { await import(`./${name}.test.mjs`); });
