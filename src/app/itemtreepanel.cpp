#include "app/itemtreepanel.h"

#include "app/commandaction.h"
#include "app/itemtreeview.h"
#include "controls/flatlook.h"
#include "controls/newpanel.h"
#include "controls/newspd.h"
#include "controls/spdschemes.h"
#include "project/model/commandtable.h"
#include "project/platform/dialogs.h"
#include "project/model/itemedits.h"
#include "project/import/navimport.h"
#include "project/import/navplacement.h"
#include "project/model/project.h"
#include "project/platform/textfile.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

ItemTreePanel::ItemTreePanel(Project &project, QWidget *parent)
    : QWidget(parent)
    , m_project(project)
{
    // Lies on the white grid: buttons round their corners against white.
    setFlatColor(this, Qt::white);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 4, 6, 6);
    auto *head = new QHBoxLayout;
    lblItemsTitle = new QLabel(tr("Menu Items"), this);
    lblItemCount = new QLabel(QStringLiteral("0"), this);
    lblItemCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spdExpandAll = new TnewSpd(QStringLiteral("+"), this);
    spdExpandAll->setToolTip(tr("Expand All"));
    spdExpandAll->setAccessibleName(tr("Expand All"));
    spdCollapseAll = new TnewSpd(QStringLiteral("-"), this);
    spdCollapseAll->setToolTip(tr("Collapse All"));
    spdCollapseAll->setAccessibleName(tr("Collapse All"));
    for (TnewSpd *b : {spdExpandAll, spdCollapseAll})
        applyExpandScheme(b);
    head->addWidget(lblItemsTitle);
    head->addWidget(lblItemCount, 1);
    head->addWidget(spdExpandAll);
    head->addWidget(spdCollapseAll);
    layout->addLayout(head);

    treeFrame = new TnewPanel(this);
    treeFrame->setBorderWidth(3);
    treeFrame->setColors(QColor(0xEF, 0xEF, 0xEF), QColor(0xC0, 0xC0, 0xC0));
    auto *treeLayout = new QVBoxLayout(treeFrame);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    vtItems = new ItemTreeView(treeFrame);
    vtItems->setFrameShape(QFrame::NoFrame);
    vtItems->setModel(&m_project.items());
    itemEdits = new ItemEdits(m_project, *vtItems->selectionModel(), this);
    vtItems->onDrop = [this](const QModelIndex &target, Placement placement, bool copy) {
        itemEdits->Drop(target, placement, copy);
    };
    connect(&m_project.items(), &ItemTree::expandRequested, vtItems, &QTreeView::expand);
    connect(&m_project.items(), &ItemTree::updating, this, &ItemTreePanel::showCount);
    treeLayout->addWidget(vtItems);
    layout->addWidget(treeFrame, 1);

    hintPanel = new TnewPanel(this);
    hintPanel->setColors(QColor(0xF9, 0xF9, 0xF9), QColor(0xD4, 0xD4, 0xD4));
    hintPanel->setBevelBorder(TBevelBorders(bbLeft) | bbRight | bbBottom);
    hintPanel->setAlignment(Qt::AlignLeft);
    hintPanel->setCaption(tr("   Use Ctrl key to select and copy items."));
    hintPanel->setFont(flatFont(TSpdFont{}));
    hintPanel->setFixedHeight(22);
    layout->addWidget(hintPanel);

    buttonPanel = new TnewPanel(this);
    buttonPanel->setColors(QColor(0xF9, 0xF9, 0xF9), QColor(0xD4, 0xD4, 0xD4));
    auto *buttonGrid = new QGridLayout(buttonPanel);
    buttonGrid->setContentsMargins(6, 6, 6, 6);
    buttonGrid->setSpacing(5);
    spdAddItem = new TnewSpd(tr("Add Item"), buttonPanel);
    spdAddSubitem = new TnewSpd(tr("Add Subitem"), buttonPanel);
    spdDeleteItem = new TnewSpd(tr("Delete Selected"), buttonPanel);
    spdDeleteAll = new TnewSpd(tr("Delete All"), buttonPanel);
    spdItemStyles = new TnewSpd(tr("Edit Individual Styles..."), buttonPanel);
    for (TnewSpd *b : {spdAddItem, spdAddSubitem, spdItemStyles})
        applyScheme(b, SpdScheme::Blue);
    for (TnewSpd *b : {spdDeleteItem, spdDeleteAll})
        applyScheme(b, SpdScheme::Orange);
    buttonGrid->addWidget(spdAddItem, 0, 0);
    buttonGrid->addWidget(spdAddSubitem, 0, 1);
    buttonGrid->addWidget(spdDeleteItem, 1, 0);
    buttonGrid->addWidget(spdDeleteAll, 1, 1);
    buttonGrid->addWidget(spdItemStyles, 2, 0, 1, 2);
    layout->addWidget(buttonPanel);
    connect(spdItemStyles, &TnewSpd::clicked, this, &ItemTreePanel::itemStylesRequested);
    connect(spdExpandAll, &TnewSpd::clicked, this, &ItemTreePanel::expandAll);
    connect(spdCollapseAll, &TnewSpd::clicked, this, &ItemTreePanel::collapseAll);
    connect(spdAddItem, &TnewSpd::clicked, itemEdits, &ItemEdits::AddItem);
    connect(spdAddSubitem, &TnewSpd::clicked, itemEdits, &ItemEdits::AddSubitem);
    connect(spdDeleteItem, &TnewSpd::clicked, itemEdits, &ItemEdits::DeleteSelected);
    connect(spdDeleteAll, &TnewSpd::clicked, itemEdits, &ItemEdits::DeleteAll);

    createPopup();
}

ItemTreePanel::~ItemTreePanel()
{
    // An in-place editor still open commits when the tree goes; by then the
    // other windows are half gone, so the commit must reach only the model.
    delete itemEdits;
    itemEdits = nullptr;
}

void ItemTreePanel::createPopup()
{
    const QList<QPair<QString, std::function<void()>>> handlers = {
        {QStringLiteral("addItem"), [this] { itemEdits->AddItem(); }},
        {QStringLiteral("addSubitem"), [this] { itemEdits->AddSubitem(); }},
        {QStringLiteral("deleteItem"), [this] { itemEdits->DeleteSelected(); }},
        {QStringLiteral("deleteAll"), [this] { itemEdits->DeleteAll(); }},
        {QStringLiteral("expandAll"), [this] { expandAll(); }},
        {QStringLiteral("collapseAll"), [this] { collapseAll(); }},
        {QStringLiteral("rename"),
         [this] {
             if (vtItems->currentIndex().isValid())
                 vtItems->edit(vtItems->currentIndex());
         }},
        {QStringLiteral("moveUp"), [this] { itemEdits->MoveUp(); }},
        {QStringLiteral("moveDown"), [this] { itemEdits->MoveDown(); }},
        {QStringLiteral("indent"), [this] { itemEdits->Indent(); }},
        {QStringLiteral("outdent"), [this] { itemEdits->Outdent(); }},
        {QStringLiteral("cut"), [this] { QGuiApplication::clipboard()->setMimeData(itemEdits->Cut()); }},
        {QStringLiteral("copy"), [this] { QGuiApplication::clipboard()->setMimeData(itemEdits->Copy()); }},
        {QStringLiteral("paste"), [this] { itemEdits->Paste(QGuiApplication::clipboard()->mimeData()); }},
        {QStringLiteral("selectAll"), [this] { itemEdits->SelectAll(); }},
    };
    pmItems = new QMenu(vtItems);
    for (const Command &c : commandTable()) {
        if (c.places & Command::MainMenu || !(c.places & Command::TreePopup))
            continue;
        std::function<void()> run;
        for (const auto &[id, handler] : handlers)
            if (id == c.id)
                run = handler;
        if (c.separatorBefore)
            pmItems->addSeparator();
        QAction *a = createCommandAction(c, vtItems, false, std::move(run));
        vtItems->addAction(a);
        pmItems->addAction(a);
        m_commands << a;
    }
    connect(vtItems, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { pmItems->popup(vtItems->viewport()->mapToGlobal(pos)); });
}

QAction *ItemTreePanel::command(const QString &id) const
{
    for (QAction *a : m_commands)
        if (a->objectName() == id)
            return a;
    return nullptr;
}

void ItemTreePanel::expandAll()
{
    vtItems->expandAll();
}

void ItemTreePanel::collapseAll()
{
    vtItems->collapseAll();
}

void ItemTreePanel::showCount()
{
    lblItemCount->setText(QString::number(m_project.items().count()));
}

void ItemTreePanel::chooseNavigationToImport()
{
    Dialogs::FileRequest request;
    request.title = tr("Import navigation");
    request.filter = tr("Web pages and sitemaps (*.html *.htm *.xml)|*.html;*.htm;*.xml|"
                        "All files (*.*)|*.*");
    request.startPath = m_project.ProjectFolder;
    const QString path = dialogs().openFile(request);
    if (!path.isEmpty())
        importNavigation(path);
}

bool ItemTreePanel::importNavigation(const QString &path)
{
    // A navigation worth importing is far smaller; a bigger file is not a page.
    constexpr qint64 kLargest = 16 * 1024 * 1024;
    const CappedRead read = readCapped(path, kLargest);
    if (read.failure == CappedRead::Failure::TooLarge) {
        dialogs().showError(tr("Can't import the file:\r%1\rIt is %2 MB; pages and sitemaps of up to "
                               "16 MB can be imported.")
                                .arg(path)
                                .arg(double(read.size) / (1024 * 1024), 0, 'f', 1));
        return false;
    }
    if (!read.ok()) {
        dialogs().showError(tr("Can't open the file:\r%1").arg(path));
        return false;
    }
    const QString text = decodeText(read.bytes);
    QStringList sitemaps;
    if (navimport::isSitemapIndex(text, &sitemaps)) {
        dialogs().showMessage(navimport::sitemapIndexMessage(path, sitemaps));
        return false;
    }
    const QList<LeveledItem> items = navimport::fromFile(text, m_project.menuType().stateParam);
    if (items.isEmpty()) {
        dialogs().showMessage(tr("No navigation links were found in the file:\r%1").arg(path));
        return false;
    }
    return placeImportedItems(*itemEdits, m_project, items);
}
