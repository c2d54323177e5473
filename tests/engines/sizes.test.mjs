// Every engine file the build ships stays within its compressed budget.
// The sizes do not depend on the browser: the file starts none and runs
// once.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test, BIN } from './support.mjs';
import { budgets, gzipSize } from '../../engines/budgets.mjs';

test('engineFiles_eachHasABudgetAndStaysWithinIt', () => {
  const shipped = fs.readdirSync(BIN).filter(f => /^qrn.*\.js$/.test(f)).sort();
  assert.deepEqual(shipped, Object.keys(budgets).sort(), 'every shipped engine file has a budget');
  const over = shipped.map(f => [f, gzipSize(fs.readFileSync(path.join(BIN, f))), budgets[f]]).filter(([, size, most]) => size > most);
  assert.deepEqual(over, [], 'files over budget as [file, size, budget]');
});
