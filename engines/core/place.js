// Puts a menu into its page: in the page flow where the data file's script
// element stands, or at the end of the body for absolute placement. Works
// while the page is still loading and after it has loaded; a script in the
// head, or a call without a script element, places the menu at the start of
// the body once there is one.
export function place(doc, el, script, inFlow) {
  const put = () => {
    const body = doc.body || doc.documentElement;
    if (inFlow && script && script.parentNode && script.parentNode !== doc.head && doc.contains(script))
      script.parentNode.insertBefore(el, script);
    else if (inFlow) body.insertBefore(el, body.firstChild);
    else body.appendChild(el);
  };
  if (doc.body || doc.readyState !== 'loading') put();
  else doc.addEventListener('DOMContentLoaded', put, { once: true });
}

// A name for one menu's elements that no other menu on the page uses.
let count = 0;
export function uniqueName(doc, prefix) {
  let id;
  do id = prefix + count++; while (doc.getElementById(id));
  return id;
}
