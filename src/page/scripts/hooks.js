// Chromium ignores window.status and reports script errors only to the
// console. This script, run at the creation of the main frame's document,
// makes window.status a property whose setter reports each value, and reports
// every uncaught script error with its position, keeping it off the console.
// The mark with the load's secret lives only in the script's closure: the
// sources a page can read (the setter's, the listener's) do not hold it.
// The program puts the report mark with the load's secret, as a string,
// in place of the placeholder string below: a placeholder that is itself
// JavaScript keeps the file readable to the tools that parse it.
(function () {
  var log = console.log.bind(console);
  var mark = '@MARK';
  var text = '';
  try {
    Object.defineProperty(window, 'status', {
      configurable: true,
      get: function () { return text; },
      // The program sets the status past the report (a second argument).
      set: function (v, quiet) {
        text = String(v);
        if (quiet !== true) log(mark + 'status:' + text);
      }
    });
  } catch (e) {}
  window.addEventListener('error', function (e) {
    if (!(e instanceof ErrorEvent)) return;
    log(mark + 'error:' + JSON.stringify({
      line: e.lineno | 0, column: e.colno | 0,
      code: (e.error && e.error.name) || 'Error',
      message: String(e.message)
    }));
    e.preventDefault();
  }, true);
})();
