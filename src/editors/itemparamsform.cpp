#include "editors/itemparamsform.h"

#include "editors/wb_commands.h"
#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "project/dataopen.h"
#include "project/dialogs.h"
#include "project/project.h"

#include <QCloseEvent>
#include <QItemSelectionModel>
#include <QLabel>
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
    layout->setSpacing(0);
    lblSeveralSelected = new QLabel(this);
    lblSeveralSelected->setContentsMargins(6, 3, 6, 3);
    lblSeveralSelected->setStyleSheet(QStringLiteral("background: #FFF4C2; color: #5A4500;"));
    lblSeveralSelected->setWordWrap(true);
    lblSeveralSelected->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    lblSeveralSelected->hide();
    layout->addWidget(lblSeveralSelected);
    auto *page = new WebPage(this);
    page->setKeyFilter(PageKeyFilter);
    page->setContextMenuEnabled(false);
    layout->addWidget(page->widget(), 1);
    wbItemParams = page;
    connect(wbItemParams, &Page::statusTextChanged, this, &TfrmItemParams::wbItemParamsStatusTextChange);
    connect(wbItemParams, &Page::scriptError, this, &TfrmItemParams::wbItemParamsScriptError);
}

void TfrmItemParams::setItemSelection(QItemSelectionModel *selection)
{
    if (m_selection)
        disconnect(m_selection, nullptr, this, nullptr);
    m_selection = selection;
    if (m_selection) {
        connect(m_selection, &QItemSelectionModel::selectionChanged, this, &TfrmItemParams::showSelectionCount);
        // A replaced tree drops its selection without a selectionChanged.
        connect(m_selection->model(), &QAbstractItemModel::modelReset, this, &TfrmItemParams::showSelectionCount);
        connect(m_selection->model(), &QAbstractItemModel::rowsRemoved, this, &TfrmItemParams::showSelectionCount);
    }
    showSelectionCount();
}

void TfrmItemParams::showSelectionCount()
{
    const qsizetype n = m_selection ? m_selection->selectedRows().size() : 0;
    lblSeveralSelected->setVisible(n > 1);
    if (n > 1)
        lblSeveralSelected->setText(QStringLiteral("%1 items selected: changes go to all of them.").arg(n));
    setWindowTitle(n > 1 ? QStringLiteral("Item Parameters - %1 items").arg(n) : QStringLiteral("Item Parameters"));
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
