#include "editors/itemparamsform.h"

#include "editors/wb_commands.h"
#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "project/dataopen.h"
#include "project/dialogs.h"
#include "project/project.h"

#include <QCloseEvent>
#include <QItemSelectionModel>
#include <QVBoxLayout>

#include <algorithm>

TfrmItemParams::TfrmItemParams(Project &project, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_project(project)
{
    setWindowTitle(QStringLiteral("Item Parameters"));
    setGeometry(606, 40, 250, 258);
    setMinimumSize(200, 240);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *page = new WebPage(this);
    page->setKeyFilter(PageKeyFilter);
    page->setContextMenuEnabled(false);
    layout->addWidget(page->widget());
    wbItemParams = page;
    connect(wbItemParams, &Page::statusTextChanged, this, &TfrmItemParams::wbItemParamsStatusTextChange);
    connect(wbItemParams, &Page::scriptError, this, &TfrmItemParams::wbItemParamsScriptError);
}

void TfrmItemParams::SetIndividualStyles(int kind)
{
    ::SetIndividualStyles(m_project, *wbItemParams, kind);
}

void TfrmItemParams::wbItemParamsStatusTextChange(const QString &text)
{
    PageStatusTextChange(wbItemParams, text, CommandSlot);
}

void TfrmItemParams::wbItemParamsScriptError(const ScriptError &error)
{
    dialogs().showError(scriptErrorText(error));
}

void TfrmItemParams::ApplyItemCommand(const QString &command)
{
    const QString rest = command.mid(4);
    bool ok = false;
    const int n = rest.toInt(&ok);
    // Only plain decimal digits name a field; "+3", " 3" or "0x3" come from a
    // faulty page.
    const bool digits = !rest.isEmpty() && std::all_of(rest.begin(), rest.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!ok || !digits || n < 0 || n >= TItem::kParamCount) {
        dialogs().showError(QStringLiteral("The command isn't supported:\r") + command);
        return;
    }
    const QString value = wbItemParams->callText(QStringLiteral("qrn_getItemParam"), {n});
    ItemTree &tree = m_project.items();
    const QModelIndexList selected = m_selection ? m_selection->selectedRows() : QModelIndexList();
    for (const QModelIndex &index : selected) {
        if (TItem *item = tree.record(index)) {
            item->Params[static_cast<size_t>(n)] = value;
            // The text is what the tree shows.
            if (n == 0)
                emit tree.dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        }
    }
    m_project.MarkModified();
}

void TfrmItemParams::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByUser();
}
