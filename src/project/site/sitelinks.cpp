#include "project/site/sitelinks.h"

#include "project/site/linkpaths.h"
#include "project/model/project.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

struct SiteLinksText { Q_DECLARE_TR_FUNCTIONS(SiteLinks) };

QString asFolder(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

} // namespace

QString siteFolderAbove(const QString &dataFile)
{
    // By names, not by going up from folder to folder: a folder on the way
    // need not exist yet.
    for (QString folder = QDir::cleanPath(QFileInfo(dataFile).absolutePath());;) {
        if (QFileInfo(folder + QStringLiteral("/index.html")).isFile())
            return asFolder(folder);
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return {};
        folder = parent;
    }
}

QString siteFolderOf(const QString &dataFile)
{
    const QString above = siteFolderAbove(dataFile);
    return above.isEmpty() ? asFolder(QFileInfo(dataFile).absolutePath()) : above;
}

QString commonFolder(const QString &fileA, const QString &fileB)
{
    const QStringList a = QDir::cleanPath(QFileInfo(fileA).absolutePath()).split(QLatin1Char('/'));
    const QStringList b = QDir::cleanPath(QFileInfo(fileB).absolutePath()).split(QLatin1Char('/'));
    QStringList common;
    for (qsizetype i = 0; i < a.size() && i < b.size() && a.at(i) == b.at(i); ++i)
        common << a.at(i);
    // "" (the root) or "C:" alone: a whole disk.
    if (common.size() < 2 || (common.size() == 2 && common.at(1).isEmpty()))
        return {};
    return asFolder(common.join(QLatin1Char('/')));
}

AddressKind addressKind(const QString &address)
{
    static const QRegularExpression ownAddress(QStringLiteral("^(?:#|\\?|[A-Za-z][A-Za-z0-9+.-]*:|//)"));
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return AddressKind::Empty;
    if (isLocalAbsolutePath(trimmed))
        return AddressKind::Local;
    if (ownAddress.match(trimmed).hasMatch())
        return AddressKind::Own;
    if (trimmed.startsWith(QLatin1Char('/')) || trimmed.startsWith(QLatin1Char('\\')))
        return AddressKind::FromRoot;
    return AddressKind::FromFolder;
}

QString siteFileOf(const QString &address, const QString &linksFolder, const QString &siteFolder)
{
    const AddressKind kind = addressKind(address);
    if (kind != AddressKind::FromRoot && kind != AddressKind::FromFolder)
        return {};
    const QString trimmed = address.trimmed();
    QString path = trimmed.left(trimmed.indexOf(QRegularExpression(QStringLiteral("[?#]"))));
    path = QUrl::fromPercentEncoding(path.toUtf8());
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool fromRoot = kind == AddressKind::FromRoot;
    const QString from = fromRoot ? siteFolder : linksFolder;
    if (from.isEmpty())
        return {};
    return QDir::cleanPath(asFolder(from) + (fromRoot ? path.mid(1) : path));
}

QString linkProblem(const QString &address, const QString &linksFolder, const QString &siteFolder)
{
    const QString file = siteFileOf(address, linksFolder, siteFolder);
    if (file.isEmpty())
        return {};
    const QString native = QDir::toNativeSeparators(file);
    // A page outside the site folder is not on the web server, even when it
    // is on this machine.
    if (!siteFolder.isEmpty() && !(file + QLatin1Char('/')).startsWith(asFolder(siteFolder)))
        return SiteLinksText::tr("outside the site folder: ") + native;
    // A folder is served by its own index page, whatever the server calls it.
    if (!QFileInfo::exists(file))
        return SiteLinksText::tr("no such file: ") + native;
    return {};
}

QList<LocalPath> FindBrokenLinks(const Project &project, Page &params, const QString &siteFolder)
{
    const QString links = project.linksFolder();
    QList<LocalPath> found = FindAddresses(project, params, [&](const QString &value) {
        return !linkProblem(value, links, siteFolder).isEmpty();
    });
    for (LocalPath &broken : found)
        broken.problem = linkProblem(broken.value, links, siteFolder);
    return found;
}
