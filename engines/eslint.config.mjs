// Checks the engine sources against the browsers they promise to work in
// (the "browserslist" list in package.json, which also sets the bundler's
// syntax target): any browser API outside that list fails, guarded or not,
// unless the line that uses it says why it may (an eslint-disable comment
// naming its fallback).
import compat from 'eslint-plugin-compat';

// The engines reach the page's window through a parameter named `win` (it
// may be another frame's), which the checker would not know for a window.
const pageWindow = {
  preprocess: text => [text.replace(/\bwin\./g, 'window.')],
  postprocess: messages => messages.flat(),
  supportsAutofix: false
};

export default [
  {
    files: ['**/*.js'],
    plugins: { compat, engines: { processors: { pageWindow } } },
    processor: 'engines/pageWindow',
    languageOptions: { ecmaVersion: 'latest', sourceType: 'module' },
    linterOptions: { reportUnusedDisableDirectives: 'error' },
    settings: { ignoreConditionalChecks: true, lintAllEsApis: true },
    rules: { 'compat/compat': 'error' }
  },
  { ignores: ['build.mjs', 'eslint.config.mjs'] }
];
