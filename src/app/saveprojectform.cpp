#include "app/saveprojectform.h"

#include "app/application.h"
#include "controls/flatlook.h"
#include "controls/backgroundtile.h"
#include "controls/spdschemes.h"
#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "project/datasave.h"
#include "project/dialogs.h"
#include "project/product.h"
#include "project/project.h"

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

namespace {

const QString kFilter = QStringLiteral("JavaScript files (*.js)|*.js|All files (*.*)|*.*");

QString code(const QString &text)
{
    return QStringLiteral("<pre class=\"code\">") + text.toHtmlEscaped() + QStringLiteral("</pre>");
}

} // namespace

TfrmSaveProject::TfrmSaveProject(Project &project, QWidget *parent)
    : QDialog(parent)
    , m_project(project)
{
    setWindowTitle(QStringLiteral("Save project"));
    resize(656, 560);
    setMinimumSize(400, 250);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    Label4 = new QLabel(QStringLiteral("Data filename:"), this);
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
    auto *help = new WebPage(newPanel1);
    help->setContextMenuEnabled(false);
    help->setKeyFilter(DialogPageKeyFilter);
    panelLayout->addWidget(help->widget());
    wbInstallHelp = help;
    layout->addWidget(newPanel1, 1);

    auto *bottom = new QHBoxLayout;
    spdSave = new TnewSpd(QStringLiteral("Save"), this);
    spdCancel = new TnewSpd(QStringLiteral("Cancel"), this);
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
    wbInstallHelp->loadHtml(InstallHelpHtml(), QUrl(QStringLiteral("about:blank")));
    eFileName->setText(m_project.CurrentFileName);
    eFileName->setFocus();
}

void TfrmSaveProject::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape: spdCancelClick(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: SaveProject(eFileName->text(), false); return;
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
    SaveProject(eFileName->text(), true);
}

void TfrmSaveProject::spdCancelClick()
{
    reject();
}

void TfrmSaveProject::newSpd1Click()
{
    const QString start = eFileName->text().trimmed().isEmpty() ? QStringLiteral("data") : eFileName->text();
    const QString chosen =
        dialogs().saveFile({QStringLiteral("Save project"), kFilter, QStringLiteral("js"), start});
    if (!chosen.isEmpty())
        eFileName->setText(chosen);
}

bool TfrmSaveProject::SaveToCurrentFile()
{
    return SaveProject(m_project.CurrentFileName, false);
}

bool TfrmSaveProject::SaveProject(const QString &name, bool fromButton)
{
    if (name.trimmed().isEmpty())
        return false;
    if (fromButton && QFileInfo::exists(name) &&
        dialogs().askYesNoCancel(QStringLiteral("The file already exists:\r%1\rDo you want to overwrite it?").arg(name)) !=
            Dialogs::Answer::Yes)
        return false;
    bool written = false;
    // A page that fails while the text is built ends the save with the
    // general error report; the file and the project stay as they were.
    runReported([&] {
        if (!m_params || !m_itemParams)
            throw PageError(QStringLiteral("qrn_getKeysList"), QString(), QStringLiteral("The pages are not loaded."));
        written = WriteDataFile(m_project, *m_params, *m_itemParams, name);
    });
    if (!written)
        return false;
    const QFileInfo file(name);
    m_project.CurrentFileName = file.absoluteFilePath();
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
    const MenuType &type = m_project.menuType();
    const QString engine = type.engineFiles.value(0);
    QString engineScripts;
    for (const QString &file : type.engineFiles)
        engineScripts += QStringLiteral("<script type=\"text/javascript\" language=\"JavaScript1.2\" "
                                        "src=\"your_dir/%1\"></script>\n")
                             .arg(file);
    const QString dataScript = QStringLiteral("<script type=\"text/javascript\" language=\"JavaScript1.2\" "
                                              "src=\"your_dir/data.js\"></script>\n");
    const QString open = QStringLiteral("<!-- Quorna Ostrel Menu -->\n<noscript><a href=\"%1\">Quorna Ostrel Menu</a>"
                                        "</noscript>\n")
                             .arg(kProductWebSite);
    const QString close = QStringLiteral("<!-- End of Quorna Ostrel Menu, %1 -->\n").arg(kProductWebSite);

    QString html = QStringLiteral(
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1: installation</title><style>"
        "body{font:10px Verdana,Tahoma,sans-serif;background:#fff;margin:5px}"
        "h1{font-size:11px;font-weight:bold;color:#17467F;border-bottom:1px solid #17467F;margin:12px 0 6px}"
        ".code{color:#0000C0;white-space:pre-wrap;font:10px monospace}.file{color:#C00000}"
        "</style></head><body>")
                       .arg(kAppTitle.toHtmlEscaped());
    html += QStringLiteral("<h1>Installation Instructions</h1><p>For an absolute menu position, put this into the "
                           "HEAD element of your web page:</p>");
    html += code(open + engineScripts + dataScript + close);
    html += QStringLiteral("<p>For a relative menu position, put this into the HEAD element:</p>");
    html += code(open + engineScripts + close);
    html += QStringLiteral("<p>and this where the menu is to appear:</p>");
    html += code(dataScript);
    html += QStringLiteral("<p>where <span class=\"file\">%1</span> is the engine file of the %2 and "
                           "<span class=\"file\">data.js</span> is the data file you are saving. The engine files are "
                           "<span class=\"file\">qrnmenu.js</span> for the Ostrel Menu, "
                           "<span class=\"file\">qrntmenu.js</span> for the Ostrel Tree Menu, "
                           "<span class=\"file\">qrntabs.js</span> for the Ostrel Tabs and "
                           "<span class=\"file\">qrntabmenu.js</span> for the Ostrel Tab Menu.</p>")
                .arg(engine.toHtmlEscaped(), type.name.toHtmlEscaped());
    html += QStringLiteral("<h1>Cross-frame Installation (for the Ostrel Menu only)</h1><p>Put this into the HEAD "
                           "element of the page with the top menu:</p>");
    html += code(open + QStringLiteral("<script type=\"text/javascript\" language=\"JavaScript1.2\" "
                                       "src=\"your_dir/qrnmenu.js\"></script>\n") +
                 dataScript + close);
    html += QStringLiteral("<p>The frameset must have an id, for example:</p>");
    html += code(QStringLiteral("<frameset id=\"fset\" rows=\"130,*\">\n  <frame name=\"frame1\" src=\"topmenu.html\">\n"
                                "  <frame name=\"frame2\" src=\"content.html\">\n</frameset>\n"));
    html += QStringLiteral("<p>Then replace the standard <span class=\"code\">qrn_init()</span> call at the end of "
                           "the data file with</p>");
    html += code(QStringLiteral("qrn_initFrame(framesetID, mainFrameInd, subFrameInd, orientation);\n"));
    html += QStringLiteral("<p>where <b>framesetID</b> is the id of the frameset, <b>mainFrameInd</b> the number of "
                           "the frame with the top menu (0 or more), <b>subFrameInd</b> the number of the frame for "
                           "the submenus (0 or more) and <b>orientation</b> 0 for a horizontal and 1 for a vertical "
                           "frame orientation. For the frameset above:</p>");
    html += code(QStringLiteral("qrn_initFrame(\"fset\", 0, 1, 0);\n"));
    html += QStringLiteral("</body></html>");
    return html;
}
