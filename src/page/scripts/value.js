// Reads a value of the page by name; a name the page does not have is an
// error of its own, not an empty value.
(function (name) {
  if (!(name in window))
    return { ok: false, name: 'ReferenceError', message: 'The page has no value ' + name + '.' };
  var value = window[name];
  return { ok: true, value: value === undefined ? null : value };
})('@NAME')
