#!/usr/bin/env node
// Fails when a text meant for people is not marked for translation.
//
//   node scripts/check-translatable.mjs [--lupdate PROGRAM --ts FILE] FOLDER...
//
// Every C++ string literal under the folders is looked at. A literal needs
// tr() (or translate(), QT_TR_NOOP(), QT_TRANSLATE_NOOP()) when it reads like
// prose or a label, or when it goes straight into a widget's visible text.
// Texts that are not for people (JavaScript, data-file text, keys, log lines
// for developers) say so with a comment holding the word "untranslated" on the
// statement or just before it; that covers the statement or block that
// follows. With --lupdate, lupdate also extracts every marked text into FILE,
// and any warning it gives (tr() where it cannot find a context, a class that
// lacks the macro) fails the check too.
import { mkdirSync, readFileSync, readdirSync, statSync } from 'node:fs';
import { spawnSync } from 'node:child_process';
import { dirname, join, relative } from 'node:path';

// Calls whose texts are translated, or are not for people at all.
const markingCalls = new Set(['tr', 'translate', 'QT_TR_NOOP', 'QT_TRANSLATE_NOOP', 'QT_TR_N_NOOP',
  'QT_TRANSLATE_N_NOOP', 'qtTrId', 'qDebug', 'qInfo', 'qWarning', 'qCritical', 'qFatal', 'Q_ASSERT',
  'Q_ASSERT_X', 'static_assert', 'Q_PROPERTY', 'Q_CLASSINFO', 'Q_DECLARE_TR_FUNCTIONS']);
const logCalls = new Set(['qDebug', 'qInfo', 'qWarning', 'qCritical', 'qFatal']);
// Wrappers that only make a string of a literal; the call around them counts.
const wrapperCalls = new Set(['QStringLiteral', 'QLatin1String', 'QLatin1StringView', 'QString',
  'QStringView', 'QByteArrayLiteral', 'QByteArray', 'QLatin1Char', 'QChar']);
// Calls that put a text on the screen as it is.
const visibleCalls = new Set(['setWindowTitle', 'setText', 'setToolTip', 'setStatusTip', 'setWhatsThis',
  'setPlaceholderText', 'setTitle', 'setAccessibleName', 'setAccessibleDescription', 'setHeaderLabels',
  'setHeaderLabel', 'QLabel', 'QPushButton', 'QCheckBox', 'QRadioButton', 'QGroupBox', 'QAction',
  'QMenu', 'addAction', 'addMenu', 'addTab', 'insertTab', 'setTabText', 'setLabelText', 'addRow',
  'setItemText', 'setSuffix', 'setPrefix', 'setSpecialValueText', 'showMessage']);

function cppFiles(path) {
  if (statSync(path).isFile()) return /\.(cpp|h)$/.test(path) ? [path] : [];
  return readdirSync(path).sort().flatMap((name) => cppFiles(join(path, name)));
}

// Splits C++ text into the tokens this check needs: identifiers, punctuation,
// string literals (decoded roughly, with their line) and comments.
function tokens(text) {
  const out = [];
  let line = 1;
  let i = 0;
  let lineStart = true;
  while (i < text.length) {
    const c = text[i];
    if (c === '\n') { line++; i++; lineStart = true; continue; }
    if (c === ' ' || c === '\t' || c === '\r') { i++; continue; }
    if (lineStart && c === '#') {
      // A preprocessor line (with its continuations) holds no text for people.
      while (i < text.length && !(text[i] === '\n' && text[i - 1] !== '\\')) {
        if (text[i] === '\n') line++;
        i++;
      }
      continue;
    }
    lineStart = false;
    if (text.startsWith('//', i)) {
      const end = text.indexOf('\n', i);
      const stop = end < 0 ? text.length : end;
      out.push({ kind: 'comment', text: text.slice(i, stop), line });
      i = stop;
      continue;
    }
    if (text.startsWith('/*', i)) {
      const end = text.indexOf('*/', i + 2);
      const stop = end < 0 ? text.length : end + 2;
      const body = text.slice(i, stop);
      out.push({ kind: 'comment', text: body, line });
      line += body.split('\n').length - 1;
      i = stop;
      continue;
    }
    const raw = /^(?:u8|u|U|L)?R"([^(\s]*)\(/.exec(text.slice(i, i + 24));
    if (raw) {
      const close = `)${raw[1]}"`;
      const start = i + raw[0].length;
      const end = text.indexOf(close, start);
      const stop = end < 0 ? text.length : end;
      const body = text.slice(start, stop);
      out.push({ kind: 'string', text: body, line });
      line += body.split('\n').length - 1;
      i = stop + close.length;
      continue;
    }
    const quoted = /^(?:u8|u|U|L)?(["'])/.exec(text.slice(i, i + 3));
    if (quoted && !(quoted[1] === "'" && /[0-9A-Fa-f]/.test(text[i - 1] || ''))) {
      const quote = quoted[1];
      let j = i + quoted[0].length;
      let body = '';
      while (j < text.length && text[j] !== quote && text[j] !== '\n') {
        if (text[j] === '\\') { body += text.slice(j, j + 2); j += 2; } else { body += text[j++]; }
      }
      if (quote === '"') out.push({ kind: 'string', text: body, line });
      i = j + 1;
      continue;
    }
    const word = /^[A-Za-z_]\w*/.exec(text.slice(i, i + 80));
    if (word) { out.push({ kind: 'word', text: word[0], line }); i += word[0].length; continue; }
    out.push({ kind: 'punct', text: c, line });
    i++;
  }
  return out;
}

// Code in a string (JavaScript, CSS, HTML) is not prose.
const looksLikeCode = (text) => /[{};=<>]|=>|[A-Za-z_]\w*\.[A-Za-z_]\w*\(/.test(text);
const readsLikeProse = (text) => /[A-Za-z]{2,}[ ]&?[A-Za-z]{2,}/.test(text.replace(/\\[rnt]/g, ' '));
const readsLikeLabel = (text) => /^&?[A-Z][A-Za-z]*(?: [A-Za-z]+)*(?::|\.\.\.)$|&[A-Za-z]/.test(text)
  && /^[A-Za-z&:. ]+$/.test(text);
const hasLetters = (text) => /[A-Za-z]{2,}/.test(text.replace(/%\d|\\[rnt]/g, ''));

function check(file) {
  const found = [];
  const stack = []; // open calls and braces: { name, depth }
  let marker = null; // { depth } while an "untranslated" comment is in force
  const list = tokens(readFileSync(file, 'utf8'));
  for (let k = 0; k < list.length; k++) {
    const token = list[k];
    if (token.kind === 'comment') {
      if (/\buntranslated\b/i.test(token.text) && !marker) marker = { depth: stack.length };
      continue;
    }
    if (token.kind === 'punct') {
      if (token.text === '(' || token.text === '{' || token.text === '[') {
        const before = list[k - 1];
        const name = token.text === '(' && before && before.kind === 'word' ? before.text : token.text;
        stack.push(name);
      } else if (token.text === ')' || token.text === '}' || token.text === ']') {
        stack.pop();
        if (marker && (stack.length < marker.depth || (token.text === '}' && stack.length === marker.depth)))
          marker = null;
      } else if (token.text === ';' && marker && stack.length <= marker.depth) {
        marker = null;
      }
      continue;
    }
    // A log line streamed to qWarning() and the like is for developers.
    if (token.kind === 'word' && logCalls.has(token.text) && !marker) marker = { depth: stack.length };
    if (token.kind !== 'string') continue;
    // Adjacent literals are one text.
    let text = token.text;
    while (list[k + 1] && list[k + 1].kind === 'string') text += list[++k].text;
    if (marker || stack.some((name) => markingCalls.has(name))) continue;
    const call = [...stack].reverse().find((name) => !wrapperCalls.has(name));
    const visible = visibleCalls.has(call) && hasLetters(text);
    // Markup around prose (a help page built here) is still prose.
    const words = text.replace(/<\/?[A-Za-z][^<>]*>/g, ' ');
    if (visible || (!looksLikeCode(words) && (readsLikeProse(words) || readsLikeLabel(words))))
      found.push({ line: token.line, text });
  }
  return found;
}

const args = process.argv.slice(2);
let lupdate = null;
let tsFile = null;
const folders = [];
for (let k = 0; k < args.length; k++) {
  if (args[k] === '--lupdate') lupdate = args[++k];
  else if (args[k] === '--ts') tsFile = args[++k];
  else folders.push(args[k]);
}
if (folders.length === 0) {
  console.error('usage: check-translatable.mjs [--lupdate PROGRAM --ts FILE] FOLDER...');
  process.exit(2);
}

let failed = false;
let files = 0;
for (const folder of folders) {
  for (const file of cppFiles(folder)) {
    files++;
    for (const { line, text } of check(file)) {
      console.log(`${relative(folder, file)}:${line}: untranslatable text "${text}"`);
      failed = true;
    }
  }
}
if (lupdate) {
  mkdirSync(dirname(tsFile), { recursive: true });
  const run = spawnSync(lupdate, ['-locations', 'relative', '-no-obsolete', ...folders, '-ts', tsFile],
    { encoding: 'utf8' });
  const said = `${run.stdout}\n${run.stderr}`;
  const warnings = said.split('\n').filter((l) => /warning|error|cannot|lacks/i.test(l));
  for (const warning of warnings) console.log(`lupdate: ${warning.trim()}`);
  const counted = /Found (\d+) source text/.exec(said);
  if (run.status !== 0 || warnings.length > 0 || !counted) failed = true;
  console.log(`lupdate: ${counted ? counted[1] : 'no'} source texts`);
}
console.log(`${files} files looked at: ${failed ? 'untranslatable text found' : 'every text for people is translatable'}`);
process.exit(failed ? 1 : 0);
