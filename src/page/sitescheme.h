#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// The user's site as the preview shows it: "qrn-site://site/PATH" is the
// file PATH of the site folder, so links, pictures, root-relative addresses
// and the site's own style sheets resolve as on the web server. Nothing
// outside the site folder is served, and a page of the site reaches no other
// scheme (no file:, no network): see WebPage's request filter.
// Some addresses can be served in place of the site's file: the live data
// text of the project, the program's own engine.
class SiteScheme : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    static const QByteArray kName;

    // Makes the scheme known; before the application object is made.
    static void registerScheme();
    // The address of a file of the site, by its path from the site folder.
    static QUrl urlOf(const QString &relativePath);
    static bool isSiteUrl(const QUrl &url) { return url.scheme() == QLatin1String(kName); }

    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // The folder served; empty serves nothing.
    void setRoot(const QString &folder);
    QString root() const { return m_root; }
    // Serves `bytes` at `relativePath` in place of the site's file.
    void setOverride(const QString &relativePath, const QByteArray &bytes);
    void clearOverrides() { m_overrides.clear(); }

    // The path from the site folder a site address names ("js/nav.js"), or
    // empty when it names nothing inside the site folder.
    QString pathOf(const QUrl &url) const;
    // The file of the site folder a site address names, links followed, or
    // empty when it is none or lies outside the site folder.
    QString fileOf(const QUrl &url) const;

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    QString m_root; // ends with "/"
    QHash<QString, QByteArray> m_overrides;
};
