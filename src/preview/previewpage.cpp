#include "preview/previewpage.h"

#include "project/datafile/dataopen.h"
#include "project/model/menutypes.h"
#include "project/model/product.h"
#include "project/platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

struct PreviewPageText
{
    Q_DECLARE_TR_FUNCTIONS(PreviewPage)
};

} // namespace

QString builtInPreviewTemplate()
{
    const QString twelveBreaks = QStringLiteral("<br>").repeated(12);
    // untranslated: HTML written into the preview page
    const QStringList lines = {
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("   <title>") + kAppTitle + QStringLiteral("</title>"),
        // The pages are written as UTF-8 here; a single-byte charset would
        // garble every non-ASCII text of the menu.
        QStringLiteral("   <meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"),
        QStringLiteral("   <base href=\"@BASE\">"),
        QStringLiteral("   <!-- Quorna Ostrel Menu -->"),
        QStringLiteral("   <noscript><a href=\"%1\">Quorna Ostrel Menu</a></noscript>").arg(kProductWebSite),
        QStringLiteral("   <script type=\"text/javascript\" language=\"JavaScript1.2\" src=\"@ENGINE\"></script>"),
        QStringLiteral("   <!-- Quorna Ostrel Menu: website menus, %1 -->").arg(kProductWebSite),
        QStringLiteral("</head>"),
        QString(),
        QStringLiteral("<html>"),
        QStringLiteral("<body leftmargin=10 topmargin=10 marginwidth=0 marginheight=0 bgcolor=#FFFFFF "
                       "background=\"images/back.gif\">"),
        QString(),
        QStringLiteral("<script type=\"text/javascript\" language=\"JavaScript1.2\">@DATA</script>"),
        QString(),
        QStringLiteral("<br><br><br>"),
        QString(),
        QStringLiteral("<span style=\"font-family: Arial, Helvetica; font-size: 40px; font-weight: bold; "
                       "color: #D6E9FE;\">"),
        QStringLiteral("  <small>Quorna</small><br>"),
        QStringLiteral("  &nbsp;&nbsp;&nbsp;&nbsp;Ostrel <font color=#FFE8CC>Plivex</font> <sup>2</sup>"),
        QStringLiteral("</span>"),
        QString(),
        twelveBreaks,
        twelveBreaks,
        QString(),
        twelveBreaks,
        QStringLiteral("</body>"),
        QStringLiteral("</HTML>"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

std::optional<QString> readPreviewTemplate(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = decodeText(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString assemblePreview(QString page, const PreviewFill &fill)
{
    page.replace(QStringLiteral("@ENGINE"), fill.engine, Qt::CaseInsensitive);
    page.replace(QStringLiteral("@2_ENGINE"), fill.engine2, Qt::CaseInsensitive);
    page.replace(QStringLiteral("@3_ENGINE"), fill.engine3, Qt::CaseInsensitive);
    page.replace(QStringLiteral("@DATA"), fill.data, Qt::CaseInsensitive);
    page.replace(QStringLiteral("@BASE"), fill.base, Qt::CaseInsensitive);
    return page;
}

QString withFreshStorage(QString page, int build)
{
    const QString stamp = QString::number(build);
    // untranslated: JavaScript run in the page
    const QString script =
        QStringLiteral("<script>try{var s=sessionStorage;if(s.getItem('plivex-preview-build')!=='%1'){s.clear();"
                       "localStorage.clear();s.setItem('plivex-preview-build','%1')}}catch(e){}</script>")
            .arg(stamp);
    static const QRegularExpression head(QStringLiteral("<head(\\s[^>]*)?>"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = head.match(page);
    page.insert(m.hasMatch() ? m.capturedEnd() : 0, script);
    return page;
}

QString fileAddress(const QString &path)
{
    QUrl url;
    if (QDir::isAbsolutePath(path))
        url = QUrl::fromLocalFile(path);
    else
        // A first segment with a ":" would read as a scheme.
        url.setPath(path.section(QLatin1Char('/'), 0, 0).contains(QLatin1Char(':')) ? QStringLiteral("./") + path : path,
                    QUrl::DecodedMode);
    QString text = url.toString(QUrl::FullyEncoded);
    // QUrl leaves these as they are; in an attribute they would end it or
    // start an entity.
    text.replace(QLatin1Char('"'), QStringLiteral("%22"));
    text.replace(QLatin1Char('\''), QStringLiteral("%27"));
    text.replace(QLatin1Char('&'), QStringLiteral("%26"));
    // An empty relative path is the folder itself.
    return text.isEmpty() ? QStringLiteral("./") : text;
}

QStringList previewEngineNames(int type)
{
    QStringList names = menuTypes().at(static_cast<size_t>(type)).engineFiles;
    while (names.size() < 3)
        names << QString();
    return names.mid(0, 3);
}

bool exportPreview(const QString &programFolder, int type, const QString &dataFile, const QString &out,
                   QString *error)
{
    QString reason;
    QString &message = error ? *error : reason;
    const CappedRead data = readCapped(dataFile, kMaxDataFileSize);
    if (!data.ok()) {
        message = PreviewPageText::tr("can't read %1: %2").arg(dataFile, data.reason());
        return false;
    }
    const QString dataText = decodeText(data.bytes);
    const QString dataFolder = QFileInfo(dataFile).absolutePath();
    const QString outFolder = QFileInfo(out).absolutePath();
    if (!QDir().mkpath(outFolder)) {
        message = PreviewPageText::tr("can't make the folder %1").arg(outFolder);
        return false;
    }

    QString page = builtInPreviewTemplate();
    if (const auto own = readPreviewTemplate(programFolder + pagePath(type, QStringLiteral("preview.html"))))
        page = *own;

    const QStringList names = previewEngineNames(type);
    const QString engine = programFolder + names.at(0);
    if (!QFileInfo(engine).isFile()) {
        message = PreviewPageText::tr("can't find the menu engine file %1").arg(engine);
        return false;
    }
    // The page's addresses are relative: the base leads from the page to the
    // data file's folder (where its pictures and links are), the engines lead
    // from there back to the copies beside the page.
    const QDir base(dataFolder);
    QString baseText = QDir(outFolder).relativeFilePath(dataFolder);
    if (!baseText.isEmpty())
        baseText += QLatin1Char('/');
    QStringList engines;
    for (const QString &name : names) {
        if (!name.isEmpty() && QFileInfo(programFolder + name).isFile() &&
            !copyFileSafely(programFolder + name, outFolder + QLatin1Char('/') + name, &message))
            return false;
        engines << fileAddress(base.relativeFilePath(outFolder + QLatin1Char('/') + name));
    }
    const QString html = assemblePreview(page, {engines.at(0), engines.at(1), engines.at(2), dataText,
                                                fileAddress(baseText)});
    if (!writeFileSafely(out, encodeText(html), &reason)) {
        message = PreviewPageText::tr("can't write %1: %2").arg(out, reason);
        return false;
    }
    return true;
}
