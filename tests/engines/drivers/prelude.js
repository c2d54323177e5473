// Runs first in every page of the test site: keeps the page's script errors
// and console messages for the test to collect, and defines the test's clock.
(function () {
  var problems = window.plivexProblems = [];
  window.addEventListener('error', function (e) { problems.push('error: ' + e.message); });
  window.addEventListener('unhandledrejection', function (e) { problems.push('error: ' + (e.reason && e.reason.message || e.reason)); });
  ['log', 'info', 'warn', 'error', 'debug'].forEach(function (type) {
    var real = console[type];
    console[type] = function () {
      problems.push((type === 'warn' ? 'warning' : type) + ': ' + [].map.call(arguments, String).join(' '));
      return real.apply(console, arguments);
    };
  });

  // Timers and time that run only when the test says so, once it has
  // paused them (plivexClock.pauseAt); until then they follow the real clock.
  window.plivexClock = function () {
    var realSetInterval = window.setInterval, realClearInterval = window.clearInterval, realDateNow = Date.now, RealDate = Date;
    var start = realDateNow(), now = start, paused = false, next = 1, timers = new Map();
    var add = function (f, ms, args, every) {
      var id = next++;
      ms = Math.max(0, Number(ms) || 0);
      timers.set(id, { f: f, at: now + ms, every: every ? Math.max(1, ms) : 0, args: args, order: id });
      return id;
    };
    var runTo = function (to) {
      for (;;) {
        var first = null;
        timers.forEach(function (t, id) { if (t.at <= to && (!first || t.at < first[1].at || t.at === first[1].at && t.order < first[1].order)) first = [id, t]; });
        if (!first) break;
        now = Math.max(now, first[1].at);
        if (first[1].every) { first[1].at += first[1].every; first[1].order = next++; } else timers.delete(first[0]);
        try { typeof first[1].f === 'function' ? first[1].f.apply(window, first[1].args) : (0, eval)(first[1].f); } catch (e) { problems.push('error: ' + e.message); }
      }
      now = Math.max(now, to);
    };
    window.setTimeout = function (f, ms) { return add(f, ms, [].slice.call(arguments, 2), false); };
    window.setInterval = function (f, ms) { return add(f, ms, [].slice.call(arguments, 2), true); };
    window.clearTimeout = window.clearInterval = function (id) { timers.delete(id); };
    if (window.requestIdleCallback) {
      window.requestIdleCallback = function (f) { return add(function () { f({ didTimeout: false, timeRemaining: function () { return 50; } }); }, 1, [], false); };
      window.cancelIdleCallback = window.clearTimeout;
    }
    performance.now = function () { return now - start; };
    var FakeDate = function (a, b, c, d, e, f, g) {
      if (!(this instanceof FakeDate)) return new RealDate(now).toString();
      return arguments.length ? new (Function.prototype.bind.apply(RealDate, [null].concat([].slice.call(arguments))))() : new RealDate(now);
    };
    FakeDate.now = function () { return now; };
    FakeDate.UTC = RealDate.UTC;
    FakeDate.parse = RealDate.parse;
    FakeDate.prototype = RealDate.prototype;
    window.Date = FakeDate;
    var follow = realSetInterval(function () { if (!paused) runTo(realDateNow()); }, 10);
    window.plivexClock = {
      pauseAt: function (t) { paused = true; realClearInterval(follow); runTo(t); },
      runFor: function (ms) { runTo(now + ms); }
    };
  };
})();
