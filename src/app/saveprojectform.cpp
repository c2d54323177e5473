#include "app/saveprojectform.h"

#include "app/application.h"
#include "app/installhelp.h"
#include "controls/flatlook.h"
#include "controls/backgroundtile.h"
#include "controls/spdschemes.h"
#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "project/datafile/datasave.h"
#include "project/platform/dialogs.h"
#include "project/model/product.h"
#include "project/platform/programfolder.h"
#include "project/model/project.h"
#include "project/lifecycle/writedecision.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSaveProject::TfrmSaveProject(PageGate &gate, Project &project, QWidget *parent)
    : QDialog(parent)
    , m_project(project)
{
    setWindowTitle(tr("Save project"));
    resize(656, 560);
    setMinimumSize(400, 250);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    Label4 = new QLabel(tr("Data filename:"), this);
    eFileName = new TnewEdit(this);
    Label4->setBuddy(eFileName);
    newSpd1 = new TnewSpd(QStringLiteral("..."), this);
    applyScheme(newSpd1, SpdScheme::Blue);
    newSpd1->setFixedSize(32, 19);
    top->addWidget(Label4);
    top->addWidget(eFileName, 1);
    top->addWidget(newSpd1);
    layout->addLayout(top);

    newPanel1 = new TnewPanel(this);
    auto *panelLayout = new QVBoxLayout(newPanel1);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    auto *help = new WebPage(gate, newPanel1);
    help->setContextMenuEnabled(false);
    help->setKeyFilter(DialogPageKeyFilter);
    panelLayout->addWidget(help->widget());
    wbInstallHelp = help;
    layout->addWidget(newPanel1, 1);

    auto *bottom = new QHBoxLayout;
    spdSave = new TnewSpd(tr("Save"), this);
    spdCancel = new TnewSpd(tr("Cancel"), this);
    applyScheme(spdSave, SpdScheme::Blue);
    applyScheme(spdCancel, SpdScheme::Orange);
    // Enter belongs to the window (a save without the overwrite question),
    // not to the focused button.
    for (TnewSpd *b : {newSpd1, spdSave, spdCancel})
        b->setActsOnEnter(false);
    bottom->addStretch();
    bottom->addWidget(spdSave);
    bottom->addWidget(spdCancel);
    layout->addLayout(bottom);

    connect(newSpd1, &TnewSpd::clicked, this, &TfrmSaveProject::newSpd1Click);
    // The help names the file being typed, once the typing pauses.
    m_helpUpdate.setSingleShot(true);
    m_helpUpdate.setInterval(300);
    connect(&m_helpUpdate, &QTimer::timeout, this, &TfrmSaveProject::showInstallHelp);
    connect(eFileName, &QLineEdit::textEdited, &m_helpUpdate, qOverload<>(&QTimer::start));
    connect(spdSave, &TnewSpd::clicked, this, &TfrmSaveProject::spdSaveClick);
    connect(spdCancel, &TnewSpd::clicked, this, &TfrmSaveProject::spdCancelClick);
}

void TfrmSaveProject::setPages(Page *params, Page *itemParams)
{
    m_params = params;
    m_itemParams = itemParams;
}

void TfrmSaveProject::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centerOnScreen(this);
    // A file the program ships, or one that was not read whole, is never
    // proposed: Enter would write over it.
    eFileName->setText(mayProposeCurrentFile(m_project) ? m_project.CurrentFileName : QString());
    showInstallHelp();
    eFileName->setFocus();
}

void TfrmSaveProject::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape: spdCancelClick(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: SaveProject(eFileName->text()); return;
    default: QDialog::keyPressEvent(event);
    }
}

void TfrmSaveProject::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    paintBackgroundTile(p, event->rect());
}

void TfrmSaveProject::spdSaveClick()
{
    SaveProject(eFileName->text());
}

void TfrmSaveProject::spdCancelClick()
{
    reject();
}

void TfrmSaveProject::newSpd1Click()
{
    const QString start = eFileName->text().trimmed().isEmpty() ? QStringLiteral("data") : eFileName->text();
    const QString chosen = dialogs().saveFile(
        {tr("Save project"), tr("JavaScript files (*.js)|*.js|All files (*.*)|*.*"), QStringLiteral("js"), start});
    if (!chosen.isEmpty()) {
        eFileName->setText(chosen);
        showInstallHelp();
    }
}

bool TfrmSaveProject::SaveToCurrentFile()
{
    return writeProject(m_project.CurrentFileName);
}

bool TfrmSaveProject::SaveProject(const QString &name)
{
    if (name.trimmed().isEmpty())
        return false;
    if (decideWrite(m_project, name, WriteRoad::Window) != WriteAnswer::Write)
        return false;
    return writeProject(name);
}

bool TfrmSaveProject::writeProject(const QString &name)
{
    bool written = false;
    // A page that fails while the text is built ends the save with the
    // general error report; the file and the project stay as they were.
    runReported([&] {
        if (!m_params || !m_itemParams)
            throw PageError(QStringLiteral("qrn_getKeysList"), QString(), tr("The pages are not loaded."));
        if (m_beforeWrite)
            m_beforeWrite();
        written = WriteDataFile(m_project, *m_params, *m_itemParams, name);
    });
    if (!written)
        return false;
    const QFileInfo file(name);
    m_project.linkFolders.saved(m_project.CurrentFileName, file.absoluteFilePath());
    m_project.siteChoices.saved(m_project.CurrentFileName, file.absoluteFilePath());
    m_project.CurrentFileName = file.absoluteFilePath();
    m_project.currentFileRead = Project::FileRead::Whole;
    m_project.setModified(false);
    m_project.ProjectFolder = file.absolutePath() + QLatin1Char('/');
    setResult(QDialog::Accepted);
    emit saved(m_project.CurrentFileName);
    if (isVisible())
        accept();
    return true;
}

QString TfrmSaveProject::InstallHelpHtml() const
{
    return installHelpHtml(m_project.menuType(), eFileName->text(), m_project.menuInFlow());
}

void TfrmSaveProject::showInstallHelp()
{
    wbInstallHelp->loadHtml(InstallHelpHtml(), QUrl(QStringLiteral("about:blank")));
}
