#include "preview/sitepreview.h"

#include "page/sitescheme.h"
#include "project/platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

struct SitePreviewText
{
    Q_DECLARE_TR_FUNCTIONS(SitePreview)
};

QString fromSite(const QString &siteFolder, const QString &file)
{
    const QString path = QDir(siteFolder).relativeFilePath(QFileInfo(file).absoluteFilePath());
    return path.startsWith(QLatin1String("../")) || path == QLatin1String("..") || QDir::isAbsolutePath(path)
               ? QString()
               : QDir::cleanPath(path);
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// Where the page's "<body ...>" ends, or 0 when it has none.
qsizetype afterBodyTag(const QString &html)
{
    static const QRegularExpression body(QStringLiteral("<body\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = body.match(html);
    return m.hasMatch() ? m.capturedEnd() : 0;
}

} // namespace

SitePreview planSitePreview(const QString &siteFolder, const QString &pageFile, const QString &dataFile,
                            const QByteArray &data, const QList<QPair<QString, QByteArray>> &engines)
{
    SitePreview plan;
    plan.pagePath = fromSite(siteFolder, pageFile);
    const QString dataPath = fromSite(siteFolder, dataFile);
    if (plan.pagePath.isEmpty() || dataPath.isEmpty()) {
        plan.error = SitePreviewText::tr("The page and the data file must both be in the site folder:\r%1")
                         .arg(QDir::toNativeSeparators(siteFolder));
        return plan;
    }
    const CappedRead read = readCapped(pageFile, kMaxPageSize);
    if (read.failure == CappedRead::Failure::TooLarge) {
        plan.error = SitePreviewText::tr("The page is too large to preview:\r%1").arg(QDir::toNativeSeparators(pageFile));
        return plan;
    }
    if (!read.ok()) {
        plan.error = SitePreviewText::tr("Can't read the page:\r%1").arg(QDir::toNativeSeparators(pageFile));
        return plan;
    }
    const QByteArray &bytes = read.bytes;
    // Only the script addresses are looked for; the page itself is served
    // as it is, in whatever encoding it declares.
    const QString html = QString::fromLatin1(bytes);
    const QUrl pageUrl = SiteScheme::urlOf(plan.pagePath);
    static const QRegularExpression script(
        QStringLiteral("<script\\b[^>]*?\\bsrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    bool dataFound = false;
    bool engineFound = false;
    for (auto it = script.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString src = m.captured(1) + m.captured(2) + m.captured(3);
        const QUrl target = pageUrl.resolved(QUrl(src.trimmed()));
        if (!SiteScheme::isSiteUrl(target))
            continue;
        const QString path = QDir::cleanPath(target.path(QUrl::FullyDecoded)).mid(1);
        if (path == dataPath) {
            dataFound = true;
            continue;
        }
        for (const auto &[name, text] : engines)
            if (QFileInfo(path).fileName() == name) {
                plan.overrides.insert(path, text);
                engineFound = true;
            }
    }
    plan.overrides.insert(dataPath, data);
    if (dataFound && engineFound)
        return plan;

    // What the page lacks is added, with a note that says what to write:
    // the scripts first in its body, where a menu in the page flow stands;
    // an engine missing before a data script the page has, in its head.
    const QString pageFolder = QFileInfo(plan.pagePath).path();
    const QDir fromPage(QStringLiteral("/") + (pageFolder == QLatin1String(".") ? QString() : pageFolder));
    const QString dataFolder = QFileInfo(dataPath).path();
    QString engineTags;
    if (!engineFound)
        for (const auto &[name, text] : engines) {
            const QString enginePath =
                QDir::cleanPath((dataFolder == QLatin1String(".") ? QString() : dataFolder + QLatin1Char('/')) + name);
            plan.overrides.insert(enginePath, text);
            engineTags += QStringLiteral("<script src=\"%1\"></script>")
                              .arg(escaped(fromPage.relativeFilePath(QLatin1Char('/') + enginePath)));
        }
    const QString dataTag = dataFound ? QString()
                                      : QStringLiteral("<script src=\"%1\"></script>")
                                            .arg(escaped(fromPage.relativeFilePath(QLatin1Char('/') + dataPath)));
    // The note is for the user, who reads it in the preview only: its words
    // are translated, its markup is not.
    const QString advice = dataFound ? SitePreviewText::tr("this page does not load the menu's engine. Put this line "
                                                           "before the data file's script:")
                                     : SitePreviewText::tr("this page does not load the menu. Put these lines where "
                                                           "the menu should stand:");
    const QString note =
        QStringLiteral("<div style=\"all:initial;display:block;font:13px/1.4 sans-serif;background:#FFF4C2;color:#5A4500;"
                       "padding:6px 10px;border-bottom:1px solid #E0C860\">%1 "
                       "<code style=\"all:initial;font:12px monospace\">%2</code></div>")
            .arg(SitePreviewText::tr("Preview: %1").arg(advice), escaped(engineTags + dataTag));
    static const QRegularExpression head(QStringLiteral("<head\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    QByteArray served = bytes;
    const qsizetype bodyAt = afterBodyTag(html);
    const QRegularExpressionMatch headTag = head.match(html);
    if (dataFound && headTag.hasMatch()) {
        served.insert(bodyAt, note.toUtf8());
        served.insert(headTag.capturedEnd(), engineTags.toUtf8());
    } else {
        served.insert(bodyAt, (note + engineTags + dataTag).toUtf8());
    }
    plan.overrides.insert(plan.pagePath, served);
    plan.scriptsAdded = true;
    return plan;
}
