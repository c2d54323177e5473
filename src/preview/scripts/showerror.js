// Shows the preview's error message in place of the page; the program puts
// the message, a string literal of HTML, in place of the placeholder string
// (itself JavaScript, so the file stays readable to the tools that parse
// it). An error in the head comes before the body exists.
(function () {
  function put() {
    var body = document.body || document.documentElement.appendChild(document.createElement('body'));
    body.innerHTML = '@MESSAGE';
  }
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', put);
  else put();
})();
