#include "editors/itemparamsform.h"

#include "controls/newspd.h"
#include "controls/spdschemes.h"
#include "editors/pagecommandchannel.h"
#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "project/datafile/dataopen.h"
#include "project/platform/dialogs.h"
#include "project/model/itemedits.h"
#include "project/model/project.h"

#include <QCloseEvent>
#include <QDir>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {
const QString kItemCommand = QStringLiteral("item");
}

TfrmItemParams::TfrmItemParams(PageGate &gate, Project &project, PageCommandChannel &channel, ItemEdits &edits, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_project(project)
    , m_channel(channel)
    , m_edits(edits)
{
    setWindowTitle(tr("Item Parameters"));
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
    auto *page = new WebPage(gate, this);
    page->setKeyFilter(PageKeyFilter);
    page->setContextMenuEnabled(false);
    layout->addWidget(page->widget(), 1);
    wbItemParams = page;
    lblLinkProblems = new QLabel(this);
    lblLinkProblems->setContentsMargins(6, 3, 6, 3);
    lblLinkProblems->setStyleSheet(QStringLiteral("background: #FBE3E3; color: #7A1010;"));
    lblLinkProblems->setWordWrap(true);
    lblLinkProblems->setTextFormat(Qt::PlainText);
    lblLinkProblems->hide();
    layout->addWidget(lblLinkProblems);

    auto *linksRow = new QHBoxLayout;
    linksRow->setContentsMargins(6, 3, 6, 3);
    lblLinksFolder = new QLabel(this);
    // A long path is shortened rather than widening the window; its tip shows it whole.
    lblLinksFolder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblLinksFolder->setTextFormat(Qt::PlainText);
    spdLinksFolder = new TnewSpd(tr("Change..."), this);
    applyScheme(spdLinksFolder, SpdScheme::Blue);
    spdLinksFolder->setFixedSize(64, 18);
    spdLinksFolder->setToolTip(tr("The folder of the site's pages: picked links and pictures are made "
                                  "relative to it"));
    linksRow->addWidget(lblLinksFolder, 1);
    linksRow->addWidget(spdLinksFolder);
    layout->addLayout(linksRow);
    connect(spdLinksFolder, &TnewSpd::clicked, this, &TfrmItemParams::changeLinksFolder);
    connect(wbItemParams, &Page::statusTextChanged, this, &TfrmItemParams::wbItemParamsStatusTextChange);
    connect(wbItemParams, &Page::scriptError, this, &TfrmItemParams::wbItemParamsScriptError);
    m_channel.addPrefixHandler(kItemCommand, [this](PageCommandCall &call) { ApplyItemCommand(call.name); });

    QItemSelectionModel &selection = m_edits.selection();
    connect(&selection, &QItemSelectionModel::selectionChanged, this, &TfrmItemParams::showSelectionCount);
    // A replaced tree drops its selection without a selectionChanged.
    connect(selection.model(), &QAbstractItemModel::modelReset, this, &TfrmItemParams::showSelectionCount);
    connect(selection.model(), &QAbstractItemModel::rowsRemoved, this, &TfrmItemParams::showSelectionCount);
    // The shown item follows the selection by way of the item edits; the
    // problems are read once that has happened.
    auto laterProblems = [this] {
        if (!std::exchange(m_linkProblemsDue, true))
            QTimer::singleShot(0, this, [this] {
                m_linkProblemsDue = false;
                showLinkProblems();
            });
    };
    connect(&selection, &QItemSelectionModel::currentChanged, this, laterProblems);
    connect(selection.model(), &QAbstractItemModel::dataChanged, this, laterProblems);
    connect(selection.model(), &QAbstractItemModel::modelReset, this, laterProblems);
    showSelectionCount();
    connect(&m_project, &Project::linkBaseChanged, this, &TfrmItemParams::showLinksFolder);
    showLinksFolder();
}

TfrmItemParams::~TfrmItemParams()
{
    m_channel.removeHandler(kItemCommand);
}

void TfrmItemParams::showSelectionCount()
{
    const qsizetype n = m_edits.selection().selectedRows().size();
    lblSeveralSelected->setVisible(n > 1);
    if (n > 1)
        lblSeveralSelected->setText(tr("%1 items selected: changes go to all of them.").arg(n));
    setWindowTitle(n > 1 ? tr("Item Parameters - %1 items").arg(n) : tr("Item Parameters"));
}

void TfrmItemParams::showLinksFolder()
{
    const QString folder = m_project.linksFolder();
    const bool fromDataFile = m_project.linksFromDataFile();
    const QString shown = folder.isEmpty() ? tr("(none yet: the data file's folder once saved)")
                                           : QDir::toNativeSeparators(folder);
    // Which reading is in force decides whether one link serves the whole
    // site; the menu parameter that sets it is named, so it can be found.
    const QString prefix = fromDataFile ? tr("Links relative to the data file: ")
                                        : tr("Links relative to pages in: ");
    const QString meaning =
        fromDataFile ? tr("Relative links and pictures are read from the data file's folder, so they work "
                          "from every page of the site, at any depth.")
                     : tr("Relative links and pictures are read from each page that shows the menu: they "
                          "work from pages in this folder only. To make them work from every page, set "
                          "\"Links and pictures relative to\" (Behaviour) to the data file.");
    // The folder's own name, at the end, matters most: a long path gives up
    // its middle to the window's width.
    const QFontMetrics metrics(lblLinksFolder->font());
    const int room = std::max(40, lblLinksFolder->width() - metrics.horizontalAdvance(prefix) - 4);
    lblLinksFolder->setText(prefix + metrics.elidedText(shown, Qt::ElideMiddle, room));
    lblLinksFolder->setToolTip(shown + QStringLiteral("\n\n") + meaning);
    // Read against the data file, the links have no other folder to choose.
    spdLinksFolder->setVisible(!fromDataFile);
}

void TfrmItemParams::showLinkProblems()
{
    const QString problems = m_project.CurrentItem ? m_project.linkProblemsOf(*m_project.CurrentItem) : QString();
    lblLinkProblems->setText(problems.isEmpty() ? QString() : tr("Broken on the site:\n") + problems);
    lblLinkProblems->setVisible(!problems.isEmpty());
}

void TfrmItemParams::changeLinksFolder()
{
    const QString chosen =
        dialogs().chooseFolder(tr("Links relative to"), m_project.linksFolder());
    if (chosen.isEmpty())
        return;
    m_project.linkFolders.choose(m_project.CurrentFileName, chosen);
    m_project.linksMoved();
    showLinksFolder();
}

void TfrmItemParams::SetIndividualStyles(int kind)
{
    ::SetIndividualStyles(m_project, *wbItemParams, kind);
}

void TfrmItemParams::wbItemParamsStatusTextChange(const QString &text)
{
    m_channel.statusTextChanged(wbItemParams, text, CommandSlot);
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
        dialogs().showError(tr("The command isn't supported:\r") + command);
        return;
    }
    m_edits.SetField(n, wbItemParams->callText(QStringLiteral("qrn_getItemParam"), {n}));
}

void TfrmItemParams::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showLinksFolder();
}

void TfrmItemParams::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByUser();
}

void TfrmItemParams::focusFirstField()
{
    // The page, not the folder's "Change..." below it, is what the window is for.
    wbItemParams->widget()->setFocus(Qt::OtherFocusReason);
    wbItemParams->call(QStringLiteral("qrn_focusFirstField"), {kOmitted});
}
