#include "editors/wb_commands.h"

#include "editors/fontform.h"
#include "editors/itemparamsform.h"
#include "page/page.h"
#include "project/commandtable.h"
#include "project/dialogs.h"
#include "project/project.h"

#include <QDir>

bool ChannelIdle = true;
QString CommandValue;

namespace {

PageCommandTargets g_targets;
// The picker is one dialog for the whole run: it opens at the file picked last.
QString g_lastPicked;

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return 0;
}

void chooseColor()
{
    QString hex = CommandValue;
    hex.remove(QLatin1Char('#'));
    const std::optional<QColor> chosen = dialogs().chooseColor(HexToColor(hex));
    if (chosen)
        CommandValue = QLatin1Char('#') + ColorToHex(*chosen);
}

} // namespace

bool IsPageCommand(const Page *view, const QString &text)
{
    return view && view->hasDocument() && text.startsWith(QLatin1Char('@'));
}

PageCommand SplitPageCommand(const QString &text)
{
    const QString rest = text.startsWith(QLatin1Char('@')) ? text.mid(1) : text;
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return {};
    return {rest.left(colon), rest.mid(colon + 1)};
}

int HexPairValue(QChar high, QChar low)
{
    return 16 * hexDigit(high) + hexDigit(low);
}

QColor HexToColor(const QString &text)
{
    const QString six = text.size() >= 6 ? text.left(6) : QString(6 - text.size(), QLatin1Char('0')) + text;
    return QColor(HexPairValue(six[0], six[1]), HexPairValue(six[2], six[3]), HexPairValue(six[4], six[5]));
}

QString ColorToHex(const QColor &color)
{
    return QStringLiteral("%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString RelativeToProject(const QString &path, const QString &projectFolder)
{
    QString p = QDir::fromNativeSeparators(path);
    const QString folder = QDir::fromNativeSeparators(projectFolder);
    // Only a path that lies in the folder loses it; the folder's name may
    // well occur further on in another path.
    if (!folder.isEmpty() && p.startsWith(folder))
        p = p.mid(folder.size());
    return p;
}

QString PickFileFilter(const QString &kind)
{
    if (kind == QLatin1String("image"))
        return QStringLiteral("GIF, JPEG Files (*.gif;*.jpg;*.jpeg)|*.gif;*.jpg;*.jpeg|PNG Files (*.png)|*.png|"
                              "All Files (*.*)|*.*");
    return QStringLiteral("HTML Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*");
}

void setPageCommandTargets(const PageCommandTargets &targets)
{
    g_targets = targets;
    g_lastPicked.clear();
    ChannelIdle = true;
    CommandValue.clear();
}

void PickFile(const QString &kind)
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Select file...");
    request.filter = PickFileFilter(kind);
    const QString folder = g_targets.project ? g_targets.project->ProjectFolder : QString();
    request.startPath = g_lastPicked.isEmpty() ? folder : g_lastPicked;
    const QString picked = dialogs().openFile(request);
    if (picked.isEmpty())
        return;
    g_lastPicked = picked;
    CommandValue = RelativeToProject(picked, folder);
}

void RunProjectCommand(const QString &name)
{
    if (isPageCommand(name) && g_targets.runProjectCommand)
        g_targets.runProjectCommand(name);
}

bool PageStatusTextChange(Page *view, const QString &text, QString &slot)
{
    if (!ChannelIdle || !IsPageCommand(view, text))
        return false;
    return DispatchPageCommand(view, text, slot);
}

bool DispatchPageCommand(Page *view, const QString &text, QString &slot)
{
    ChannelIdle = false;
    // Idle again on every way out, a failing page call included: a channel
    // left busy would drop every later command of the run.
    struct IdleAgain
    {
        ~IdleAgain() { ChannelIdle = true; }
    } idleAgain;

    view->setStatus(QString());
    const PageCommand command = SplitPageCommand(text);
    CommandValue = command.value;
    const QString sent = CommandValue;
    const QString &name = command.name;

    if (name == QLatin1String("font")) {
        if (g_targets.font)
            g_targets.font->exec();
    } else if (name == QLatin1String("image") || name == QLatin1String("url")) {
        PickFile(name);
    } else if (name == QLatin1String("modified")) {
        if (g_targets.project)
            g_targets.project->MarkModified();
        CommandValue = QStringLiteral("@modified");
    } else if (name == QLatin1String("color")) {
        chooseColor();
    } else if (name.startsWith(QLatin1String("item")) && g_targets.itemParams) {
        g_targets.itemParams->ApplyItemCommand(name);
    } else if (name == QLatin1String("command")) {
        // A project command may open windows and load pages: the channel is
        // free for them.
        ChannelIdle = true;
        RunProjectCommand(CommandValue);
        return false;
    } else if (name == QLatin1String("showHint")) {
        dialogs().showMessage(CommandValue);
        return false;
    } else {
        dialogs().showError(QStringLiteral("The command isn't supported:\r") + name);
    }

    const bool changed = CommandValue != sent;
    if (changed && g_targets.project)
        g_targets.project->setModified(true);
    view->call(QStringLiteral("qrn_setValue"), {CommandValue});
    slot = CommandValue;
    return changed;
}
