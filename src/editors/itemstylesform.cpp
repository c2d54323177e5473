#include "editors/itemstylesform.h"

#include "controls/backgroundtile.h"
#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "project/loadpage.h"
#include "project/project.h"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

TfrmItemStyles::TfrmItemStyles(Project &project, QWidget *parent)
    : QDialog(parent)
    , m_project(project)
{
    setWindowTitle(QStringLiteral("Individual Styles"));
    resize(640, 480);
    auto *layout = new QVBoxLayout(this);
    auto *kinds = new QHBoxLayout;
    spdShowItemStyles = new QPushButton(QStringLiteral("Item Styles"), this);
    spdShowSmStyles = new QPushButton(QStringLiteral("Submenu Styles"), this);
    for (QPushButton *b : {spdShowItemStyles, spdShowSmStyles}) {
        b->setCheckable(true);
        kinds->addWidget(b);
    }
    kinds->addStretch();
    layout->addLayout(kinds);
    connect(spdShowItemStyles, &QPushButton::clicked, this, [this] { switchKind(0); });
    connect(spdShowSmStyles, &QPushButton::clicked, this, [this] { switchKind(1); });

    auto *item = new WebPage(this);
    auto *submenu = new WebPage(this);
    for (WebPage *view : {item, submenu}) {
        view->setKeyFilter(PageKeyFilter);
        view->setContextMenuEnabled(false);
        layout->addWidget(view->widget(), 1);
    }
    wbItemStyles = item;
    wbSmStyles = submenu;
}

void TfrmItemStyles::switchKind(int kind)
{
    CurrentKind = kind;
    spdShowItemStyles->setChecked(kind == 0);
    spdShowSmStyles->setChecked(kind == 1);
    if (QWidget *w = wbItemStyles->widget())
        w->setVisible(kind == 0);
    if (QWidget *w = wbSmStyles->widget())
        w->setVisible(kind == 1);
}

void TfrmItemStyles::ResetStyles()
{
    const QString folder = m_project.ProgramFolder;
    if (!LoadPage(wbItemStyles, folder + pagePath(m_project.MenuType, QStringLiteral("itemstyles.html"))))
        return;
    if (m_project.menuType().hasSubmenuStyles) {
        if (!LoadPage(wbSmStyles, folder + pagePath(m_project.MenuType, QStringLiteral("smstyles.html"))))
            return;
        spdShowSmStyles->show();
    } else {
        spdShowSmStyles->hide();
    }
    switchKind(0);
    m_project.ItemStyles.clear();
    m_project.SubmenuStyles.clear();
}

void TfrmItemStyles::AddStyle(int kind, const QString &name, const QString &paramsList, const QString &stylesArray)
{
    m_project.styles(kind).append({name, paramsList, stylesArray});
}

void TfrmItemStyles::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    paintBackgroundTile(p, event->rect());
}
