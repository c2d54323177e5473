/*
  The accessibility audit of a rendered menu. Put into a page that shows the
  menu with its engine, after axe-core: qrn_audit() starts the audit and
  leaves its findings as JSON in window.qrnAuditResult:
    { findings: [[rule, item number or -1, item text, detail], ...] }
  or { error: text }. The menu is checked closed, then with each submenu or
  branch opened in turn; items are numbered in the order of the data file.
*/
(function () {
  'use strict';

  // The engines give their menus a class of their own beginning "qrn".
  function roots() {
    return Array.prototype.filter.call(document.querySelectorAll('[class^="qrn"],[class*=" qrn"]'), function (e) {
      return !e.parentElement || !e.parentElement.closest('[class^="qrn"],[class*=" qrn"]');
    });
  }

  function itemElements() {
    var out = [];
    roots().forEach(function (r) { out = out.concat(Array.prototype.slice.call(r.querySelectorAll('.qi,.qj,.qz'))); });
    return out;
  }

  function submenus() {
    var out = [];
    roots().forEach(function (r) { out = out.concat(Array.prototype.slice.call(r.querySelectorAll('.qu'))); });
    return out;
  }

  // Opens a submenu and every one around it, as a visitor reaching it would
  // see them; returns how to close them again.
  function open(u) {
    var undo = [];
    for (var e = u; e && roots().indexOf(e) < 0; e = e.parentElement) {
      if (e.classList.contains('qu')) {
        var li = e.parentElement;
        var wasHidden = e.hidden;
        var hadOpen = li && li.classList.contains('qo');
        e.hidden = false;
        if (li) li.classList.add('qo');
        var opener = li && li.querySelector(':scope>[aria-expanded]');
        var expanded = opener && opener.getAttribute('aria-expanded');
        if (opener) opener.setAttribute('aria-expanded', 'true');
        undo.push(function (e, li, wasHidden, hadOpen, opener, expanded) {
          return function () {
            e.hidden = wasHidden;
            if (li && !hadOpen) li.classList.remove('qo');
            if (opener) opener.setAttribute('aria-expanded', expanded);
          };
        }(e, li, wasHidden, hadOpen, opener, expanded));
      }
    }
    return function () { undo.reverse().forEach(function (f) { f(); }); };
  }

  function itemOf(node, items) {
    for (var e = node; e; e = e.parentElement) {
      var i = items.indexOf(e);
      if (i >= 0) return i;
      if (e.tagName === 'LI') {
        var first = e.querySelector('.qi,.qj');
        if (first) return items.indexOf(first);
      }
    }
    return -1;
  }

  // The colours of a contrast check, when the node has them.
  function colours(node) {
    var c = (node.any || []).filter(function (c) { return c.data && c.data.fgColor && c.data.bgColor; })[0];
    return c && c.data;
  }

  function ratioOf(x) {
    var Q = window.Plivex;
    return Q && Q.contrastRatio ? Q.contrastRatio(x.fgColor, x.bgColor) : x.contrastRatio;
  }

  function detail(node) {
    var x = colours(node);
    if (x) {
      var r = ratioOf(x);
      return x.fgColor.toUpperCase() + ' on ' + x.bgColor.toUpperCase() + ', contrast ' +
        (window.Plivex ? window.Plivex.ratioText(r) : r + ':1') + ', needs ' + x.expectedContrastRatio;
    }
    var d = (node.any || []).concat(node.all || [], node.none || []).map(function (c) { return c.message; }).filter(Boolean);
    return d[0] || node.failureSummary || '';
  }

  // axe leaves a contrast it reads as 1:1 undecided (the text may be meant
  // to be invisible); in a menu every item is meant to be read, so a pair
  // it measured under its minimum counts.
  function measuredLow(node) {
    var x = colours(node);
    return !!x && ratioOf(x) < parseFloat(x.expectedContrastRatio);
  }

  window.qrn_audit = function () {
    window.qrnAuditResult = null;
    // Submenus fade in: checked at once, they would be invisible. What a
    // visitor reads is the end of the effect.
    var still = document.createElement('style');
    still.textContent = '*,*::before,*::after{animation:none!important;transition:none!important}';
    document.head.appendChild(still);
    var items = [];
    var seen = {};
    var findings = [];
    var states = [];
    var options = { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] }, resultTypes: ['violations', 'incomplete'] };
    var step = function (i) {
      if (i >= states.length) {
        window.qrnAuditResult = JSON.stringify({ findings: findings });
        return;
      }
      var close = states[i] ? open(states[i]) : function () {};
      window.axe.run(roots(), options).then(function (r) {
        var contrast = r.incomplete.filter(function (v) { return v.id === 'color-contrast'; }).map(function (v) {
          return { id: v.id, nodes: v.nodes.filter(measuredLow) };
        });
        r.violations.concat(contrast).forEach(function (v) {
          v.nodes.forEach(function (n) {
            var el = document.querySelector(n.target[0]);
            var at = el ? itemOf(el, items) : -1;
            var text = at >= 0 ? items[at].textContent.trim() : (n.target || []).join(' ');
            var key = v.id + '|' + at + '|' + text;
            if (seen[key]) return;
            seen[key] = true;
            findings.push([v.id, at, text, detail(n)]);
          });
        });
        close();
        step(i + 1);
      }, function (e) {
        close();
        window.qrnAuditResult = JSON.stringify({ error: String(e && e.message || e) });
      });
    };
    // An engine writes its submenus while the page is idle, marking its
    // menu "qw" until it has; the items are counted once all are there.
    var waited = 0;
    var start = function () {
      if (document.querySelector('.qw') && waited < 20000) {
        waited += 50;
        setTimeout(start, 50);
        return;
      }
      items = itemElements();
      states = [null].concat(submenus());
      step(0);
    };
    if (!window.axe) window.qrnAuditResult = JSON.stringify({ error: 'axe-core is not in the page' });
    else if (!roots().length) window.qrnAuditResult = JSON.stringify({ error: 'the engine drew no menu' });
    else start();
    return '';
  };
})();
