#include "project/site/pageinstall.h"

#include "page/page.h"
#include "page/pagearg.h"
#include "project/model/menutypes.h"
#include "project/model/project.h"
#include "project/site/sitelinks.h"
#include "project/site/textdiff.h"
#include "project/platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

struct PageInstallText { Q_DECLARE_TR_FUNCTIONS(PageInstall) };

// Pages larger than this are not someone's hand-made page of a site.
constexpr qint64 kMaxPageSize = 32 * 1024 * 1024;

// A relative address, as written, read from `fromFolder` and written for
// `toFolder`; its query and fragment stay as they are.
QString rebased(const QString &address, const QString &fromFolder, const QString &toFolder)
{
    const qsizetype cut = address.indexOf(QRegularExpression(QStringLiteral("[?#]")));
    const QString path = cut < 0 ? address : address.left(cut);
    const QString rest = cut < 0 ? QString() : address.mid(cut);
    if (path.isEmpty())
        return address;
    QString target = QDir(toFolder).relativeFilePath(QDir::cleanPath(fromFolder + QLatin1Char('/') + path));
    if (path.endsWith(QLatin1Char('/')) && !target.endsWith(QLatin1Char('/')))
        target += QLatin1Char('/');
    if (target == QLatin1String(".") || target == QLatin1String("./"))
        target = QStringLiteral("./");
    return target + rest;
}

// The address of `file` from a page in `pageFolder`, percent-encoded.
QString scriptAddress(const QString &pageFolder, const QString &file)
{
    QStringList parts = QDir(pageFolder).relativeFilePath(file).split(QLatin1Char('/'));
    for (QString &part : parts)
        part = QString::fromLatin1(QUrl::toPercentEncoding(part));
    return parts.join(QLatin1Char('/'));
}

QString keyOf(const QString &dataFile)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(dataFile).fileName()));
}

bool readPage(const QString &path, QByteArray &bytes, QString *error)
{
    CappedRead read = readCapped(path, kMaxPageSize);
    if (!read.ok()) {
        *error = read.reason();
        return false;
    }
    bytes = std::move(read.bytes);
    return true;
}

} // namespace

MenuInstall readMenuInstall(const Project &project, Page &params, const QString &dataFile)
{
    MenuInstall menu;
    menu.type = project.MenuType;
    menu.dataFile = QFileInfo(dataFile).absoluteFilePath();
    menu.linksFromDataFile = params.callText(QStringLiteral("qrn_getLinkBase"), {kOmitted}) == QLatin1String("data");
    const MenuType &type = project.menuType();
    project.items().walk([&](const QModelIndex &, const TItem &item, int level) {
        NavEntry entry;
        entry.level = level;
        entry.text = item.Params[0];
        entry.href = item.Params[1].trimmed();
        entry.target = item.Params[2].trimmed();
        entry.title = item.Params[3];
        if (entry.href.isEmpty() && type.contentIdParam >= 0 && !item.Params[type.contentIdParam].trimmed().isEmpty())
            entry.href = QLatin1Char('#') + item.Params[type.contentIdParam].trimmed();
        // A disabled item leads nowhere in the menu either.
        if (type.stateParam >= 0 && item.Params[type.stateParam].trimmed() == QLatin1String("disabled"))
            entry.href.clear();
        menu.entries << entry;
    });
    return menu;
}

PageBlock pageBlockFor(const MenuInstall &menu, const QString &pagePath)
{
    const MenuType &type = menuTypes().at(static_cast<size_t>(menu.type));
    const QString pageFolder = QFileInfo(pagePath).absolutePath();
    const QString dataFolder = QFileInfo(menu.dataFile).absolutePath();
    QStringList lines;
    for (const QString &engine : type.engineFiles)
        lines << QStringLiteral("<script src=\"%1\"></script>")
                     .arg(asciiHtml(scriptAddress(pageFolder, dataFolder + QLatin1Char('/') + engine)));
    lines << QStringLiteral("<script src=\"%1\"></script>").arg(asciiHtml(scriptAddress(pageFolder, menu.dataFile)));
    QList<NavEntry> entries = menu.entries;
    if (menu.linksFromDataFile)
        for (NavEntry &entry : entries)
            if (addressKind(entry.href) == AddressKind::FromFolder)
                entry.href = rebased(entry.href, dataFolder, pageFolder);
    // untranslated: markup written into the page, for its visitors
    lines << QStringLiteral("<noscript>") << navListHtml(entries, QStringLiteral("Menu"), QStringLiteral("\n"))
          << QStringLiteral("</noscript>");
    // untranslated: the block's comments name the menu in the page
    return {keyOf(menu.dataFile), QStringLiteral("Quorna ") + type.name, lines.join(QLatin1Char('\n'))};
}

PageInstall planPageInstall(const MenuInstall &menu, const QString &pagePath)
{
    PageInstall plan;
    plan.path = QFileInfo(pagePath).absoluteFilePath();
    QString reason;
    if (!readPage(plan.path, plan.before, &reason)) {
        plan.fileError = PageInstallText::tr("can't read %1: %2").arg(plan.path, reason);
        return plan;
    }
    plan.placement = placeBlock(plan.before, pageBlockFor(menu, plan.path));
    // A page marked read-only is kept so, even for a user who could write it
    // anyway.
    const QFileInfo info(plan.path);
    constexpr QFile::Permissions kWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (plan.placement.outcome == PagePlacement::Outcome::Changed && (!info.isWritable() || !(info.permissions() & kWrite)))
        plan.fileError = PageInstallText::tr("can't write %1: it is read-only").arg(plan.path);
    return plan;
}

QString pageInstallDiff(const PageInstall &plan)
{
    if (plan.placement.outcome != PagePlacement::Outcome::Changed)
        return {};
    // Lines outside the block are shown as the page's own UTF-8 text, which
    // most pages are; the block itself is ASCII.
    return unifiedDiff(decodeText(plan.before), decodeText(plan.placement.page), plan.path, plan.path);
}

bool writePageInstall(const PageInstall &plan, QString *error)
{
    if (plan.placement.outcome != PagePlacement::Outcome::Changed)
        return true;
    QByteArray now;
    QString reason;
    if (!readPage(plan.path, now, &reason)) {
        *error = reason;
        return false;
    }
    if (now != plan.before) {
        *error = PageInstallText::tr("it changed since it was read; nothing was written");
        return false;
    }
    if (!writeFileSafely(plan.path + QLatin1Char('~'), plan.before, &reason)) {
        *error = PageInstallText::tr("the backup %1~ could not be written: %2").arg(plan.path, reason);
        return false;
    }
    if (!writeFileSafely(plan.path, plan.placement.page, &reason)) {
        *error = reason;
        return false;
    }
    return true;
}

QStringList missingEngineFiles(const MenuInstall &menu)
{
    const QString dataFolder = QFileInfo(menu.dataFile).absolutePath() + QLatin1Char('/');
    QStringList missing;
    for (const QString &engine : menuTypes().at(static_cast<size_t>(menu.type)).engineFiles)
        if (!QFileInfo::exists(dataFolder + engine))
            missing << dataFolder + engine;
    return missing;
}

bool copyMissingEngineFiles(const MenuInstall &menu, const QString &programFolder, QString *error)
{
    for (const QString &target : missingEngineFiles(menu))
        if (!copyFileSafely(programFolder + QFileInfo(target).fileName(), target, error))
            return false;
    return true;
}
