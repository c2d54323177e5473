// Shows the preview's error message in place of the page; the program puts
// the message, a string literal of HTML, where the body's text is given. An
// error in the head comes before the body exists.
(function () {
  function put() {
    var body = document.body || document.documentElement.appendChild(document.createElement('body'));
    body.innerHTML = %1;
  }
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', put);
  else put();
})();
