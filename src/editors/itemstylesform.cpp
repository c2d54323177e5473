#include "editors/itemstylesform.h"

#include "controls/backgroundtile.h"
#include "controls/flatlook.h"
#include "controls/newedit.h"
#include "controls/newpanel.h"
#include "controls/newspd.h"
#include "controls/spdschemes.h"
#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "project/platform/dialogs.h"
#include "project/model/project.h"
#include "project/model/stylelist.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

TfrmItemStyles::TfrmItemStyles(PageGate &gate, Project &project, StyleEdits::Links links, QWidget *parent)
    : QDialog(parent)
    , m_project(project)
{
    setWindowTitle(tr("Individual Styles"));
    resize(590, 528);
    setMinimumSize(590, 300);

    setFlatColor(this, Qt::white);
    auto *outer = new QVBoxLayout(this);
    auto *kinds = new QHBoxLayout;
    spdShowItemStyles = new TnewSpd(tr("Item Styles"), this);
    spdShowSmStyles = new TnewSpd(tr("Submenu Styles"), this);
    // The two list tabs: the shown list's tab is held down.
    for (TnewSpd *b : {spdShowItemStyles, spdShowSmStyles}) {
        applyScheme(b, SpdScheme::Cyan);
        b->setFixedWidth(110);
        kinds->addWidget(b);
    }
    kinds->addStretch();
    outer->addLayout(kinds);

    auto *body = new QHBoxLayout;
    outer->addLayout(body, 1);

    // Left: the names.
    auto *left = new QVBoxLayout;
    body->addLayout(left, 2);
    left->addWidget(new QLabel(tr("Style Names"), this));
    newPanel2 = new TnewPanel(this);
    newPanel2->setBorderWidth(3);
    newPanel2->setColors(QColor(0xEF, 0xEF, 0xEF), QColor(0xC0, 0xC0, 0xC0));
    auto *lists = new QVBoxLayout(newPanel2);
    lists->setContentsMargins(0, 0, 0, 0);
    left->addWidget(newPanel2, 1);
    std::array<QItemSelectionModel *, 2> selections{};
    for (int kind = 0; kind < 2; ++kind) {
        m_lists[kind] = new StyleList(project, kind, this);
        auto *view = new QListView(newPanel2);
        view->setFrameShape(QFrame::NoFrame);
        view->setModel(m_lists[kind]);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
        view->setContextMenuPolicy(Qt::NoContextMenu);
        view->setAccessibleName(kind == 0 ? tr("Item styles") : tr("Submenu styles"));
        lists->addWidget(view);
        selections.at(size_t(kind)) = view->selectionModel();
        (kind == 0 ? vtItemStyles : vtSmStyles) = view;
    }
    newPanel3 = new TnewPanel(this);
    newPanel3->setColors(QColor(0xF9, 0xF9, 0xF9), QColor(0xD4, 0xD4, 0xD4));
    auto *namePanel = new QVBoxLayout(newPanel3);
    namePanel->setContentsMargins(6, 4, 6, 6);
    auto *nameLabel = new QLabel(tr("Style name:"), newPanel3);
    eStyleName = new TnewEdit(newPanel3);
    eStyleName->setColor(Qt::white);
    eStyleName->setBorderColor(QColor(0x80, 0x80, 0x80));
    nameLabel->setBuddy(eStyleName);
    namePanel->addWidget(nameLabel);
    namePanel->addWidget(eStyleName);
    left->addWidget(newPanel3);
    auto *buttons = new QGridLayout;
    spdAdd = new TnewSpd(tr("Add Style"), newPanel3);
    spdDuplicate = new TnewSpd(tr("Duplicate Style"), newPanel3);
    spdDelete = new TnewSpd(tr("Delete Selected"), newPanel3);
    spdDeleteAll = new TnewSpd(tr("Delete All Styles"), newPanel3);
    spdMoveUp = new TnewSpd(tr("Move Up"), newPanel3);
    spdMoveDown = new TnewSpd(tr("Move Down"), newPanel3);
    for (TnewSpd *b : {spdAdd, spdDuplicate, spdMoveUp, spdMoveDown})
        applyScheme(b, SpdScheme::Blue);
    for (TnewSpd *b : {spdDelete, spdDeleteAll})
        applyScheme(b, SpdScheme::Orange);
    spdMoveUp->setToolTip(tr("Alt+Up; items keep their style"));
    spdMoveDown->setToolTip(tr("Alt+Down; items keep their style"));
    buttons->addWidget(spdAdd, 0, 0);
    buttons->addWidget(spdDuplicate, 0, 1);
    buttons->addWidget(spdDelete, 1, 0);
    buttons->addWidget(spdDeleteAll, 1, 1);
    buttons->addWidget(spdMoveUp, 2, 0);
    buttons->addWidget(spdMoveDown, 2, 1);
    namePanel->addLayout(buttons);

    // Right: the style page of the shown kind.
    auto *right = new QVBoxLayout;
    body->addLayout(right, 3);
    right->addWidget(new QLabel(tr("Style Parameters"), this));
    auto *item = new WebPage(gate, this);
    auto *submenu = new WebPage(gate, this);
    for (WebPage *view : {item, submenu}) {
        view->setKeyFilter(DialogPageKeyFilter);
        view->setContextMenuEnabled(false);
        right->addWidget(view->widget(), 1);
    }
    wbItemStyles = item;
    wbSmStyles = submenu;
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    spdApply = new TnewSpd(tr("Ok"), this);
    applyScheme(spdApply, SpdScheme::Blue);
    spdApply->setFixedWidth(75);
    bottom->addWidget(spdApply);
    right->addLayout(bottom);

    edits = new StyleEdits(project, {m_lists[0], m_lists[1]}, selections, {wbItemStyles, wbSmStyles},
                           std::move(links), this);
    connect(edits, &StyleEdits::nameShown, eStyleName, &QLineEdit::setText);
    connect(eStyleName, &QLineEdit::textEdited, edits, &StyleEdits::Rename);
    connect(spdShowItemStyles, &TnewSpd::clicked, this, [this] { switchKind(0); });
    connect(spdShowSmStyles, &TnewSpd::clicked, this, [this] { switchKind(1); });
    // A double click runs the operation twice, as two clicks would.
    connect(spdAdd, &TnewSpd::clicked, edits, &StyleEdits::Add);
    connect(spdDuplicate, &TnewSpd::clicked, edits, &StyleEdits::Duplicate);
    connect(spdDelete, &TnewSpd::clicked, edits, &StyleEdits::DeleteSelected);
    connect(spdDeleteAll, &TnewSpd::clicked, edits, &StyleEdits::DeleteAll);
    connect(spdMoveUp, &TnewSpd::clicked, edits, &StyleEdits::MoveUp);
    connect(spdMoveDown, &TnewSpd::clicked, edits, &StyleEdits::MoveDown);
    connect(spdApply, &TnewSpd::clicked, this, &TfrmItemStyles::reject);
    // As for the first type, until a type is set.
    fitMenuType();
    // What an empty style field means changes with the menu's own values.
    connect(&project, &Project::marked, this, [this] {
        if (isVisible())
            edits->showMenuValues();
    });
    for (int kind = 0; kind < 2; ++kind) {
        auto *up = new QAction(tr("Move Up"), list(kind));
        up->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
        up->setShortcutContext(Qt::WidgetShortcut);
        connect(up, &QAction::triggered, edits, &StyleEdits::MoveUp);
        auto *down = new QAction(tr("Move Down"), list(kind));
        down->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
        down->setShortcutContext(Qt::WidgetShortcut);
        connect(down, &QAction::triggered, edits, &StyleEdits::MoveDown);
        list(kind)->addActions({up, down});
        Page *view = page(kind);
        connect(view, &Page::statusTextChanged, this,
                [this, view](const QString &text) { edits->StatusTextChange(view, text); });
        connect(view, &Page::scriptError, this, [this](const ScriptError &error) {
            if (!m_project.LoadingData)
                dialogs().showError(scriptErrorText(error));
        });
    }
}

void TfrmItemStyles::switchKind(int kind)
{
    spdShowItemStyles->setDown(kind == 0);
    spdShowSmStyles->setDown(kind == 1);
    for (int k = 0; k < 2; ++k) {
        list(k)->setVisible(k == kind);
        if (QWidget *w = page(k)->widget())
            w->setVisible(k == kind);
    }
    edits->switchKind(kind);
}

void TfrmItemStyles::ResetStyles()
{
    edits->clear();
    edits->showNoStyle();
}

void TfrmItemStyles::fitMenuType()
{
    spdShowSmStyles->setVisible(m_project.menuType().hasSubmenuStyles);
    switchKind(0);
    edits->clear();
}

void TfrmItemStyles::AddStyle(int kind, const QString &name, const QString &paramsList, const QString &stylesArray)
{
    edits->AddStyle(kind, name, paramsList, stylesArray);
}

int TfrmItemStyles::exec()
{
    centerOnScreen(this);
    // Items may have changed their styles since the last showing.
    m_lists[0]->refreshCounts();
    m_lists[1]->refreshCounts();
    // Once the window shows: the page call waits in an event loop of its own.
    QTimer::singleShot(0, this, [this] { edits->showMenuValues(); });
    list(edits->currentKind())->setFocus();
    return QDialog::exec();
}

void TfrmItemStyles::reject()
{
    // "Ok", Escape and the frame all close the same way.
    edits->Close();
    QDialog::reject();
}

void TfrmItemStyles::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    paintBackgroundTile(p, event->rect());
}
