#include "page/sitescheme.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray SiteScheme::kName = QByteArrayLiteral("qrn-site");

namespace {

const QString kHost = QStringLiteral("site");

// Browsers take a script or a style sheet only with its own type; the file
// name is all there is to go by.
QByteArray mimeTypeOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("js") || suffix == QLatin1String("mjs"))
        return QByteArrayLiteral("text/javascript");
    if (suffix == QLatin1String("css"))
        return QByteArrayLiteral("text/css");
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return QByteArrayLiteral("text/html");
    if (suffix == QLatin1String("svg"))
        return QByteArrayLiteral("image/svg+xml");
    return QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toLatin1();
}

} // namespace

void SiteScheme::registerScheme()
{
    if (QWebEngineUrlScheme::schemeByName(kName).name() == kName)
        return;
    QWebEngineUrlScheme scheme(kName);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Secure, so the site's scripts have what they have on an https server
    // (storage, modern APIs); not local, so it reaches no file: address.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl SiteScheme::urlOf(const QString &relativePath)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(kName));
    url.setHost(kHost);
    url.setPath(QLatin1Char('/') + relativePath);
    return url;
}

void SiteScheme::setRoot(const QString &folder)
{
    if (folder.isEmpty()) {
        m_root.clear();
        return;
    }
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    m_root = clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

void SiteScheme::setOverride(const QString &relativePath, const QByteArray &bytes)
{
    m_overrides.insert(QDir::cleanPath(relativePath), bytes);
}

QString SiteScheme::pathOf(const QUrl &url) const
{
    if (!isSiteUrl(url) || url.host() != kHost || m_root.isEmpty())
        return {};
    // The path as decoded; "..", "." and "//" are taken out as a server
    // would, and one that still climbs out names nothing.
    const QString path = QDir::cleanPath(url.path(QUrl::FullyDecoded));
    if (!path.startsWith(QLatin1Char('/')) || path.contains(QLatin1String("/../")) || path.endsWith(QLatin1String("/..")) ||
        path.contains(QChar(0)))
        return {};
    return path.mid(1);
}

QString SiteScheme::fileOf(const QUrl &url) const
{
    const QString path = pathOf(url);
    if (path.isNull() || m_root.isEmpty())
        return {};
    QString file = QFileInfo(m_root + path).canonicalFilePath();
    if (QFileInfo(file).isDir())
        file = QFileInfo(file + QStringLiteral("/index.html")).canonicalFilePath();
    // A link inside the site may lead out of it: what it leads to counts.
    const QString root = QFileInfo(m_root).canonicalFilePath() + QLatin1Char('/');
    if (file.isEmpty() || !file.startsWith(root) || !QFileInfo(file).isFile())
        return {};
    return file;
}

void SiteScheme::requestStarted(QWebEngineUrlRequestJob *job)
{
    if (job->requestMethod() != QByteArrayLiteral("GET")) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QString path = pathOf(job->requestUrl());
    if (path.isNull()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    const auto over = m_overrides.constFind(path);
    if (over != m_overrides.cend()) {
        auto *buffer = new QBuffer(job);
        buffer->setData(*over);
        job->reply(mimeTypeOf(path), buffer);
        return;
    }
    const QString file = fileOf(job->requestUrl());
    auto *device = new QFile(file, job);
    if (file.isEmpty() || !device->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    job->reply(mimeTypeOf(file), device);
}
