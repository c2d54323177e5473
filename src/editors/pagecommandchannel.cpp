#include "editors/pagecommandchannel.h"

#include "editors/wb_commands.h"
#include "page/page.h"
#include "project/model/commandtable.h"
#include "project/platform/dialogs.h"
#include "project/site/linkpaths.h"
#include "project/model/project.h"

#include <QScopeGuard>

PageCommandChannel::PageCommandChannel(Project &project)
    : m_project(project)
{
    addHandler(QStringLiteral("color"), [this](PageCommandCall &call) { chooseColor(call); });
    addHandler(QStringLiteral("image"), [this](PageCommandCall &call) { pickFile(call); });
    addHandler(QStringLiteral("url"), [this](PageCommandCall &call) { pickFile(call); });
    addHandler(QStringLiteral("modified"), [this](PageCommandCall &call) {
        // The value names the parameter: typing on in it is one undo step.
        // untranslated: the subject is only compared, never shown
        m_project.beginChange(QStringLiteral("parameter ") + call.value);
        m_project.MarkModified();
        call.value = QStringLiteral("@modified");
    });
    addHandler(QStringLiteral("showHint"), [](PageCommandCall &call) {
        dialogs().showMessage(call.value);
        call.answer = false;
    });
}

void PageCommandChannel::addHandler(const QString &name, Handler handler, WhileRunning channel)
{
    m_handlers.insert(name, {std::move(handler), channel});
}

void PageCommandChannel::addPrefixHandler(const QString &prefix, Handler handler)
{
    m_prefixHandlers.append({prefix, {std::move(handler), WhileRunning::Busy}});
}

void PageCommandChannel::removeHandler(const QString &name)
{
    m_handlers.remove(name);
    m_prefixHandlers.removeIf([&name](const QPair<QString, Entry> &p) { return p.first == name; });
}

void PageCommandChannel::setProjectCommandRunner(std::function<void(const QString &id)> run)
{
    addHandler(
        QStringLiteral("command"),
        [run = std::move(run)](PageCommandCall &call) {
            call.answer = false;
            if (isPageCommand(call.value) && run)
                run(call.value);
        },
        WhileRunning::Free);
}

const PageCommandChannel::Entry *PageCommandChannel::find(const QString &name) const
{
    const auto it = m_handlers.constFind(name);
    if (it != m_handlers.constEnd())
        return &it.value();
    for (const auto &[prefix, entry] : m_prefixHandlers)
        if (name.startsWith(prefix))
            return &entry;
    return nullptr;
}

void PageCommandChannel::chooseColor(PageCommandCall &call)
{
    QString hex = call.value;
    hex.remove(QLatin1Char('#'));
    const std::optional<QColor> chosen = dialogs().chooseColor(HexToColor(hex));
    if (chosen)
        call.value = QLatin1Char('#') + ColorToHex(*chosen);
}

void PageCommandChannel::pickFile(PageCommandCall &call)
{
    Dialogs::FileRequest request;
    request.title = tr("Select file...");
    request.filter = PickFileFilter(call.name);
    const QString folder = m_project.linksFolder();
    // Without a links folder the dialog seam chooses where it opens.
    request.startPath = m_lastPicked.isEmpty() ? folder : m_lastPicked;
    const QString picked = dialogs().openFile(request);
    if (picked.isEmpty())
        return;
    m_lastPicked = picked;
    call.value = linkRelativeTo(picked, folder);
}

bool PageCommandChannel::statusTextChanged(Page *view, const QString &text, QString &slot)
{
    if (!m_idle || !IsPageCommand(view, text))
        return false;
    return dispatch(view, text, slot);
}

bool PageCommandChannel::dispatch(Page *view, const QString &text, QString &slot)
{
    m_idle = false;
    // Idle again on every way out, a failing page call included: a channel
    // left busy would drop every later command of the run.
    const auto idleAgain = qScopeGuard([this] { m_idle = true; });

    view->setStatus(QString());
    const PageCommand command = SplitPageCommand(text);
    PageCommandCall call{command.name, command.value};
    m_value = call.value;
    if (const Entry *entry = find(command.name)) {
        if (entry->channel == WhileRunning::Free)
            m_idle = true;
        // A copy: the handler may register or remove handlers.
        const Handler handler = entry->handler;
        handler(call);
    } else {
        dialogs().showError(tr("The command isn't supported:\r") + command.name);
    }
    m_value = call.value;
    if (!call.answer)
        return false;
    // A value the page takes from the answer is reported by the page as a
    // change of its own, which is what marks the project.
    const bool changed = call.value != command.value;
    view->call(QStringLiteral("qrn_setValue"), {call.value});
    slot = call.value;
    return changed;
}
