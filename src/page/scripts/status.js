// Sets the page's status text past the page's report of it (the hook's
// setter takes a second argument for that): the program's own status text
// is no request of the page's, and reporting it would re-enter whoever set
// it.
(function (text) {
  var status = Object.getOwnPropertyDescriptor(window, 'status');
  if (status && status.set) status.set.call(window, text, true);
  else window.status = text;
  return { ok: true };
})('@TEXT')
