#include "page/readerpage.h"

#include "page/webpage.h"

#include <QElapsedTimer>
#include <QUrl>

namespace {

// The reader's own functions and every built-in they use are taken before
// any script runs: a script that replaces JSON, eval or the reader's names
// changes nothing of the read but its own values. The script runs as a
// script element of its own, so its errors carry its own lines and columns.
// Afterwards every timer it set is cleared; the document is then replaced.
const char kReaderDocument[] = R"HTML(<!DOCTYPE html>
<html><head><meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="default-src 'none'; script-src 'unsafe-inline' 'unsafe-eval'">
</head><body><script>
(function () {
  'use strict';
  var globalEval = eval;
  var stringify = JSON.stringify;
  var toText = String;
  var finite = isFinite;
  var setTimer = setTimeout, clearTimer = clearTimeout;
  var nextFrame = requestAnimationFrame, cancelFrame = cancelAnimationFrame;
  var head = document.head;
  var makeElement = document.createElement.bind(document);
  var append = head.appendChild.bind(head);
  var errors = null;
  window.addEventListener('error', function (e) {
    if (!errors) return;
    errors.push({
      line: e.lineno | 0, column: e.colno | 0,
      code: (e.error && e.error.name) || 'Error',
      message: toText(e.message)
    });
    e.preventDefault();
  }, true);
  // What JSON cannot carry is carried as text, as the page would show it.
  function plain(key, value) {
    var t = typeof value;
    if (t === 'number' && !finite(value)) return toText(value);
    if (t === 'bigint') return toText(value);
    if (t === 'function' || t === 'symbol') return undefined;
    return value;
  }
  var isArray = Array.isArray, slice = Array.prototype.slice;
  var lengths = null;
  function valueText(name) {
    try {
      var v = globalEval(name);
      if (v === undefined) return undefined;
      if (isArray(v) && v.length > @MAX) {
        lengths[name] = v.length;
        v = slice.call(v, 0, @MAX);
      }
    } catch (e) {
      return undefined;
    }
    // A replacer takes the engine off its fast path, and the plain text
    // differs from the replaced one only where it says null (a number
    // JSON cannot carry) or where it failed (a BigInt).
    try {
      var text = stringify(v);
      if (text === undefined || !/null/.test(text)) return text;
    } catch (e) {}
    try {
      return stringify(v, plain);
    } catch (e) {
      return undefined;
    }
  }
  function stopLeftovers() {
    var last = setTimer(function () {}, 0);
    for (var id = 1; id <= last; id++) clearTimer(id);
    var frame = nextFrame(function () {});
    for (var f = 1; f <= frame; f++) cancelFrame(f);
  }
  function doNothing() {}
  window.qrn_read = function (text, names, quiet) {
    errors = [];
    // A data file ends with its engine's start call: here it starts nothing.
    var stubs = toText(quiet).split('\n');
    for (var s = 0; s < stubs.length; s++)
      if (/^[A-Za-z_$][\w$]*$/.test(stubs[s])) window[stubs[s]] = doNothing;
    var script = makeElement('script');
    script.text = text;
    append(script);
    var parts = [];
    lengths = {};
    var list = toText(names).split('\n');
    for (var i = 0; i < list.length; i++) {
      if (!/^[A-Za-z_$][\w$]*$/.test(list[i])) continue;
      var v = valueText(list[i]);
      if (v !== undefined) parts.push(stringify(list[i]) + ':' + v);
    }
    parts.push('"@lengths":' + stringify(lengths));
    stopLeftovers();
    var found = errors;
    errors = null;
    return { values: '{' + parts.join(',') + '}', errors: found };
  };
})();
</script></body></html>
)HTML";

} // namespace

ReaderPage::ReaderPage()
    : m_page(std::make_unique<WebPage>(nullptr, WebPage::Kind::Isolated))
{
    m_page->loadHtml(document(), QUrl());
}

ReaderPage::~ReaderPage() = default;

QString ReaderPage::document()
{
    return QString::fromUtf8(kReaderDocument).replace(QStringLiteral("@MAX"), QString::number(kMaxApartArrayLength));
}

void ReaderPage::setTimeLimit(int ms)
{
    m_page->setCallTimeout(ms);
}

ReaderPage::Result ReaderPage::read(const QString &script, const QStringList &names, const QStringList &doNothing)
{
    QVariantMap answer;
    QElapsedTimer clock;
    clock.start();
    try {
        answer = m_page->call(QStringLiteral("qrn_read"),
                              {script, names.join(QLatin1Char('\n')), doNothing.join(QLatin1Char('\n'))})
                     .toMap();
    } catch (const PageError &e) {
        // A call that used up its time had its page stopped and made again.
        if (clock.elapsed() >= m_page->callTimeout())
            throw PageError(e.function, e.page,
                            QStringLiteral("The script did not end within %1 s and was stopped.")
                                .arg(m_page->callTimeout() / 1000.0));
        throw;
    }
    // The next read gets a document nothing has run in; this one's leftovers
    // go with it.
    m_page->loadHtml(document(), QUrl());
    Result result;
    result.values = answer.value(QStringLiteral("values")).toString();
    if (result.values.isEmpty())
        result.values = QStringLiteral("{}");
    for (const QVariant &v : answer.value(QStringLiteral("errors")).toList()) {
        const QVariantMap e = v.toMap();
        ScriptError error;
        error.line = e.value(QStringLiteral("line")).toInt();
        error.column = e.value(QStringLiteral("column")).toInt();
        error.code = e.value(QStringLiteral("code")).toString();
        error.message = e.value(QStringLiteral("message")).toString();
        result.errors << tidied(error);
    }
    return result;
}
