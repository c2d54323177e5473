// The envelope of every call the program makes to a page function, one call
// or a batch of calls of the same function. It looks the function up by
// name and turns what it throws into an answer: a raw exception and
// `undefined` would both arrive as an empty value. The program puts the
// function's name, the kind ('one' or 'batch') and the arguments (an array,
// or an array of arrays for a batch) in place of the three placeholders.
(function (name, kind, args) {
  var f = window[name];
  if (typeof f !== 'function')
    return { ok: false, name: 'ReferenceError', message: 'The page has no function ' + name + '.' };
  try {
    if (kind === 'batch') {
      var out = new Array(args.length);
      for (var i = 0; i < args.length; i++) {
        var each = f.apply(window, args[i]);
        out[i] = each === undefined ? null : each;
      }
      return { ok: true, values: out };
    }
    var value = f.apply(window, args);
    return { ok: true, value: value === undefined ? null : value };
  } catch (e) {
    return {
      ok: false,
      name: (e && e.name) || 'Error',
      message: String(e && e.message !== undefined ? e.message : e),
      stack: String((e && e.stack) || '')
    };
  }
})('@FUNCTION', '@KIND', '@ARGS')
