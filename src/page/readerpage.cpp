#include "page/readerpage.h"

#include "page/resourcetext.h"
#include "page/webpage.h"

#include <QElapsedTimer>
#include <QUrl>

ReaderPage::ReaderPage(PageGate &gate)
    : m_page(std::make_unique<WebPage>(gate, nullptr, WebPage::Kind::Isolated))
{
    m_page->loadHtml(document(), QUrl());
}

ReaderPage::~ReaderPage() = default;

QString ReaderPage::document()
{
    return resourceText(QStringLiteral(":/page/reader.html")).replace(QStringLiteral("@MAX"), QString::number(kMaxApartArrayLength));
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
                            tr("The script did not end within %1 s and was stopped.")
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
