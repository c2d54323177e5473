// How one Ostrel Menu answers the mouse, touch and keyboard. Every listener
// sits on the menu's root, so a menu of any size costs a handful of them.
// o: { mb (menu bar pattern), H (horizontal bar), rtl, hover (open on
//      hover), show, hide (delays in ms), mq (small-screen query or null),
//      hook (a bar item opened or closed), over (the pointer is on the menu),
//      fill (writes a submenu not written yet), into (opens a bar item's
//      submenu and focuses in it) and back (focuses a bar item's opener)
//      for a menu whose submenus lie in another frame }
export function behave(nav, o) {
  const doc = nav.ownerDocument, bar = nav.querySelector('.qb');
  const on = (t, type, f, capture) => t.addEventListener(type, f, capture);
  let timer, hideTimer, touch = false, hovered = null;
  // The submenu the resting pointer opened last, and when: a click that
  // follows at once meant to open it too, not to close it again.
  let hoverOpened = null, hoverOpenedAt = 0;
  const hoverGraceMs = 600;
  const has = (el, c) => el.classList.contains(c);
  const small = () => o.mq?.matches;
  // A submenu not written yet is written now.
  const sub = li => {
    const u = li?.lastElementChild;
    return u && has(u, 'qu') ? u : li && o.fill?.(li);
  };
  const expander = li => li.querySelector(':scope>[aria-expanded]');

  function setOpen(li, open) {
    if (has(li, 'qo') === open) return;
    li.classList.toggle('qo', open);
    if (li.parentNode === bar) o.hook?.(li, open);
    expander(li)?.setAttribute('aria-expanded', open);
  }
  function closeIn(el) {
    for (const li of el.querySelectorAll('.qo')) setOpen(li, false);
    if (has(el, 'qo')) setOpen(el, false);
  }
  const closeAll = () => closeIn(nav);
  // Shows or hides the menu behind its toggle on small screens.
  const toggle = show => {
    const g = nav.querySelector('.qg');
    nav.classList.toggle('qv', show);
    g.setAttribute('aria-expanded', show);
    if (!show) closeAll();
    return g;
  };
  const closeSiblings = li => { for (const s of li.parentNode.children) if (s !== li) closeIn(s); };
  function open(li) {
    const ul = sub(li);
    if (!ul || has(li.firstElementChild, 'qd')) return false;
    closeSiblings(li);
    if (has(li, 'qo')) return true;
    setOpen(li, true);
    if (!small() && ul.offsetParent) {
      // Kept inside the window: turned to the other side near an edge.
      ul.classList.remove('qf', 'qy');
      const r = ul.getBoundingClientRect(), v = doc.documentElement;
      if (r.right > v.clientWidth || r.left < 0) ul.classList.add('qf');
      if (r.bottom > v.clientHeight && r.height < v.clientHeight) ul.classList.add('qy');
    }
    return true;
  }

  // ---- pointer --------------------------------------------------------
  // The item under the pointer, for its hover look.
  const mark = item => {
    hovered?.classList.remove('qh');
    item?.classList.add('qh');
    hovered = item;
  };
  on(nav, 'pointerdown', e => { touch = e.pointerType === 'touch'; });
  on(nav, 'pointerover', e => {
    if (e.pointerType === 'touch') return;
    const li = e.target.closest('li');
    clearTimeout(hideTimer);
    o.over?.();
    if (!li) return;
    const item = e.target.closest('.qi,.qx') ? li : null;
    if (hovered !== item) mark(item);
    // Only the item the pointer rests on counts, so crossing other items on
    // the way into a submenu changes nothing.
    if (!o.hover || small()) return;
    clearTimeout(timer);
    timer = setTimeout(() => {
      if (!sub(li)) return closeSiblings(li);
      if (!has(li, 'qo')) { hoverOpened = li; hoverOpenedAt = Date.now(); }
      open(li);
    }, o.show);
  });
  on(nav, 'pointerleave', e => {
    mark(null);
    clearTimeout(timer);
    if (o.hover && e.pointerType !== 'touch' && !small()) hideTimer = setTimeout(closeAll, o.hide);
  });
  on(doc, 'pointerdown', e => { if (!nav.contains(e.target)) closeAll(); }, true);
  // Focus moving on to the page closes; focus leaving the document (another
  // window, or the frame that holds the submenus) does not.
  on(nav, 'focusout', e => { if (e.relatedTarget && !nav.contains(e.relatedTarget)) closeAll(); });

  on(nav, 'click', e => {
    const c = e.target.closest('.qi,.qx,.qg');
    if (!c) return;
    if (has(c, 'qg')) return toggle(!has(nav, 'qv'));
    const li = c.parentNode;
    // The click decides; a hover opening still waiting would undo it.
    clearTimeout(timer);
    if (has(c, 'qd')) return e.preventDefault();
    if (!sub(li)) return closeAll();
    // A link on a parent is followed when the pointer opened it on hover;
    // otherwise the first click or tap opens the submenu and the next one
    // follows the link (or closes the submenu when there is none).
    const link = has(c, 'qi') && c.hasAttribute('href');
    if (link && o.hover && !touch && !small()) return;
    if (!has(li, 'qo')) { open(li); e.preventDefault(); }
    else if (!link && !(hoverOpened === li && Date.now() - hoverOpenedAt < hoverGraceMs)) closeIn(li);
    hoverOpened = null;
  });

  // ---- keyboard -------------------------------------------------------
  const focusable = x => x.matches('.qi,.qx') && (o.mb || x.tagName === 'BUTTON' || x.hasAttribute('href'));
  // The items of a list; in a mega menu, those of every column in turn.
  const items = ul => [...ul.querySelectorAll(has(ul, 'qm') ? '.qi' : ':scope>li>*')].filter(focusable);
  const column = x => x.closest('.qm>li');
  // The item `d` places after (or before) `x` in `list`, round the ends.
  const wrap = (list, x, d) => list[(list.indexOf(x) + d + list.length) % list.length];
  function focus(x) {
    if (!x) return;
    if (o.mb && x.parentNode.parentNode === bar) {
      for (const y of bar.querySelectorAll(':scope>li>[tabindex="0"]')) y.tabIndex = -1;
      x.tabIndex = 0;
    }
    x.focus();
  }
  // Opens the submenu of `li` and focuses its first (or last) item.
  // Across frames the submenu lies in the other copy, which `into` reaches.
  const enter = (li, end) => o.into?.(li, end) || open(li) && focus(items(sub(li)).at(end ? -1 : 0));
  // Closes the submenu of `li` and gives the focus back to its opener.
  const leave = li => {
    closeIn(li);
    if (o.back && li.parentNode === bar) o.back(li); else focus(expander(li));
  };

  on(nav, 'keydown', e => {
    const c = e.target.closest('.qi,.qx');
    if (!c || e.altKey || e.ctrlKey || e.metaKey) return;
    // Right and left swap on right-to-left pages: "fwd" is towards the end
    // of the line.
    const k = (o.rtl && { ArrowLeft: 'ArrowRight', ArrowRight: 'ArrowLeft' }[e.key]) || e.key;
    const down = k === 'ArrowDown', up = k === 'ArrowUp', fwd = k === 'ArrowRight', back = k === 'ArrowLeft';
    const li = c.parentNode, ul = c.closest('.qm') || li.parentNode, row = o.H && !small(), across = ul === bar && row;
    const list = items(ul), step = d => focus(wrap(list, c, d));
    const upper = ul !== bar && ul.parentNode;
    // Right and left move between the columns of a mega menu, to the first
    // item of the next or previous one; past the last they go on as in any
    // other submenu.
    const col = column(c), to = col && (fwd ? col.nextElementSibling : back && col.previousElementSibling);
    if (k === 'Escape') {
      if (has(li, 'qo') && expander(li)) leave(li);
      else if (upper) leave(upper);
      else if (small() && has(nav, 'qv')) toggle(false).focus();
      else return;
    } else if (k === 'Home') focus(list[0]);
    else if (k === 'End') focus(list.pop());
    else if (to) focus(list.find(x => column(x) === to));
    else if (!o.mb) {
      // Site navigation: arrows move within a list and into an open submenu.
      if ((down || fwd) && c === expander(li) && has(li, 'qo')) enter(li);
      else if (down || fwd) step(1);
      else if (up || back) step(-1);
      else return;
    } else if (across ? fwd : down) step(1);
    else if (across ? back : up) step(-1);
    else if (sub(li) && (k === 'Enter' || k === ' ' || (across ? down : fwd))) enter(li);
    else if (sub(li) && across && up) enter(li, true);
    else if (k === ' ') c.click();
    else if (upper && (fwd || back)) {
      // Right from an item without submenu, or left from a first-level
      // submenu, moves along a horizontal bar to the next bar item.
      if (back && !(upper.parentNode === bar && row)) leave(upper);
      else if (row) {
        const to = wrap(items(bar), c.closest('.qb>li').firstElementChild, fwd ? 1 : -1);
        closeAll();
        focus(to);
        if (sub(to.parentNode)) enter(to.parentNode);
      } else return;
    } else return;
    e.preventDefault();
  });
  if (o.mb) on(nav, 'keydown', e => { if (e.key === 'Tab') closeAll(); });
  return { setOpen, enter, hold: () => clearTimeout(hideTimer), opener: li => focus(expander(li)) };
}
