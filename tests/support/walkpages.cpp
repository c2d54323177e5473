#include "support/walkpages.h"

#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "page/page.h"
#include "support/appfixture.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace walkpages {

Page &paramsPage()
{
    return *windows().main->wb;
}

Page &itemPage()
{
    return *windows().itemParams->wbItemParams;
}

Page &stylePage()
{
    return *windows().itemStyles->wbItemStyles;
}

QString jsString(const QString &text)
{
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString eval(Page &page, const QString &script)
{
    return page.callText(QStringLiteral("eval"), {script});
}

QString rowControl(const QString &scope, const QString &name)
{
    return QStringLiteral("document.querySelector(%1 + '[data-name=\"' + %2 + '\"]')"
                          ".querySelector('select:not(.unit), input[type=checkbox], input')")
        .arg(jsString(scope), jsString(name));
}

QStringList rowsWith(Page &page, const QString &selector)
{
    return eval(page, QStringLiteral("Array.prototype.filter.call(document.querySelectorAll('[data-name]'),"
                                     " function (r) { var c = r.querySelector(%1);"
                                     " return c && !r.closest('[hidden]'); })"
                                     ".map(function (r) { return r.getAttribute('data-name'); }).join('\\r')")
                              .arg(jsString(selector)))
        .split(QLatin1Char('\r'), Qt::SkipEmptyParts);
}

QString flipControl(Page &page, const QString &scope, const QString &name)
{
    return eval(page, QStringLiteral("(function () { var c = %1; if (!c) return 'no control';"
                                     " if (c.type === 'checkbox') c.checked = !c.checked;"
                                     " else c.selectedIndex = (c.selectedIndex + 1) % c.options.length;"
                                     " c.dispatchEvent(new Event('change', {bubbles: true})); return ''; })()")
                          .arg(rowControl(scope, name)));
}

QString typeInto(Page &page, const QString &scope, const QString &name, const QString &value)
{
    return eval(page, QStringLiteral("(function () { var c = %1; if (!c) return 'no control';"
                                     " if (c.disabled || c.closest('fieldset:disabled')) return 'a disabled control';"
                                     " c.value = %2; c.dispatchEvent(new Event('change', {bubbles: true}));"
                                     " return ''; })()")
                          .arg(rowControl(scope, name), jsString(value)));
}

QStringList shownItemFields(int count)
{
    const QString shown = eval(itemPage(), QStringLiteral("(function () { if (document.querySelector('fieldset').disabled)"
                                                          " return '[]'; var a = [];"
                                                          " for (var i = 0; i < %1; i++) a.push(qrn_getItemParam(i));"
                                                          " return JSON.stringify(a); })()")
                                               .arg(count));
    QStringList fields;
    for (const QJsonValue &v : QJsonDocument::fromJson(shown.toUtf8()).array())
        fields << v.toString();
    return fields;
}

std::optional<QStringList> otherChoices(Page &page, const QString &scope, const QString &name)
{
    const QString listed = eval(page, QStringLiteral("(function () { var c = %1; if (c.tagName !== 'SELECT') return '';"
                                                     " return JSON.stringify(Array.prototype.filter.call(c.options,"
                                                     " function (o) { return o.value !== c.value; })"
                                                     ".map(function (o) { return o.value; })); })()")
                                          .arg(rowControl(scope, name)));
    if (listed.isEmpty())
        return std::nullopt;
    QStringList values;
    for (const QJsonValue &v : QJsonDocument::fromJson(listed.toUtf8()).array())
        values << v.toString();
    return values;
}

} // namespace walkpages
