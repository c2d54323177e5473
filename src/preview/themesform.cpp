#include "preview/themesform.h"

#include "page/pageerror.h"
#include "preview/themethumbnails.h"
#include "project/datafile/dataopen.h"
#include "project/platform/dialogs.h"
#include "project/themes/ownthemes.h"
#include "project/model/project.h"
#include "project/themes/themesample.h"
#include "project/platform/textfile.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The picture a thumbnail shows until its theme is rendered.
QPixmap blankPicture()
{
    QPixmap blank(ThemeThumbnails::kPictureSize);
    blank.fill(QColor(0xEF, 0xEF, 0xEF));
    return blank;
}

} // namespace

QString TfrmThemes::thumbnailName(const Theme &theme)
{
    return themeLabel(theme);
}

TfrmThemes::TfrmThemes(PageGate &gate, Project &project, Links links, QString dataFolder, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_project(project)
    , m_links(std::move(links))
    , m_dataFolder(std::move(dataFolder))
{
    setWindowTitle(tr("Themes"));
    // Four thumbnails a row, two rows: the eight shipped themes at a glance.
    const QSize cell = ThemeThumbnails::kPictureSize + QSize(24, 40);
    resize(4 * cell.width() + 48, 2 * cell.height() + 110);
    auto *layout = new QVBoxLayout(this);
    auto *hint = new QLabel(tr("Each theme is shown with your first items. Double-click a theme or press "
                               "Enter to give your project its look; Undo brings yours back."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    lvThemes = new QListWidget(this);
    lvThemes->setAccessibleName(tr("Themes"));
    lvThemes->setViewMode(QListView::IconMode);
    lvThemes->setMovement(QListView::Static);
    lvThemes->setResizeMode(QListView::Adjust);
    lvThemes->setWrapping(true);
    lvThemes->setUniformItemSizes(true);
    lvThemes->setIconSize(ThemeThumbnails::kPictureSize);
    lvThemes->setGridSize(cell);
    lvThemes->setSelectionMode(QAbstractItemView::SingleSelection);
    lvThemes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvThemes->setContextMenuPolicy(Qt::ActionsContextMenu);
    layout->addWidget(lvThemes, 1);

    auto *buttons = new QHBoxLayout;
    cbShowAfterNew = new QCheckBox(tr("Show after &New"), this);
    cbShowAfterNew->setChecked(true);
    btnApply = new QPushButton(tr("&Apply"), this);
    btnSave = new QPushButton(tr("&Save as Theme..."), this);
    btnRename = new QPushButton(tr("&Rename..."), this);
    btnDelete = new QPushButton(tr("&Delete..."), this);
    btnClose = new QPushButton(tr("Close"), this);
    buttons->addWidget(cbShowAfterNew);
    buttons->addStretch();
    for (QPushButton *b : {btnApply, btnSave, btnRename, btnDelete, btnClose}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    setTabOrder(lvThemes, btnApply);

    // The own themes' commands also in the thumbnails' context menu.
    for (QPushButton *b : {btnApply, btnRename, btnDelete}) {
        auto *action = new QAction(b->text().remove(QLatin1Char('&')), lvThemes);
        connect(action, &QAction::triggered, b, &QPushButton::click);
        lvThemes->addAction(action);
    }

    thumbnails = new ThemeThumbnails(gate, this);
    connect(thumbnails, &ThemeThumbnails::ready, this, &TfrmThemes::showPictures);
    connect(lvThemes, &QListWidget::itemActivated, this, [this] { applySelected(); });
    connect(lvThemes, &QListWidget::currentRowChanged, this, &TfrmThemes::updateButtons);
    connect(btnApply, &QPushButton::clicked, this, [this] { applySelected(); });
    connect(btnSave, &QPushButton::clicked, this, &TfrmThemes::saveAsTheme);
    connect(btnRename, &QPushButton::clicked, this, &TfrmThemes::renameSelected);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmThemes::deleteSelected);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    updateButtons();
}

void TfrmThemes::showGallery()
{
    refresh();
    if (!m_placed && parentWidget()) {
        // First shown in the middle of the main window's screen.
        const QRect screen = parentWidget()->screen()->availableGeometry();
        move(screen.center() - rect().center());
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    lvThemes->setFocus(Qt::OtherFocusReason);
}

void TfrmThemes::refresh()
{
    const Theme *selected = selectedTheme();
    const QString keep = selected ? selected->path : QString();
    m_type = m_project.MenuType;
    m_themes = OwnThemes(m_type, m_project.ProgramFolder, m_dataFolder).list();
    lvThemes->clear();
    for (const Theme &theme : m_themes) {
        auto *item = new QListWidgetItem(QIcon(blankPicture()), thumbnailName(theme), lvThemes);
        item->setData(Qt::AccessibleTextRole, thumbnailName(theme));
        item->setToolTip(thumbnailName(theme));
    }
    selectTheme(keep);

    QString items;
    try {
        items = itemArrayOf(m_links.dataText ? m_links.dataText() : QString(), m_project.menuType(), kShownItems);
    } catch (const PageError &) {
        // The thumbnails go without the project's items rather than not at all.
    }
    if (m_project.items().count() == 0 && m_links.sampleText)
        items = itemArrayOf(m_links.sampleText(), m_project.menuType(), kShownItems);
    thumbnails->render(m_project, m_themes, items);
}

void TfrmThemes::showPictures()
{
    const QList<QPixmap> &pictures = thumbnails->pictures();
    for (int i = 0; i < lvThemes->count() && i < pictures.size(); ++i)
        if (!pictures.at(i).isNull())
        {
            // The selection is shown by the name's highlight, not by tinting the picture.
            QIcon icon(pictures.at(i));
            icon.addPixmap(pictures.at(i), QIcon::Selected);
            lvThemes->item(i)->setIcon(icon);
        }
    emit galleryReady();
}

void TfrmThemes::selectTheme(const QString &path)
{
    int row = 0;
    for (int i = 0; i < m_themes.size(); ++i)
        if (m_themes.at(i).path == path)
            row = i;
    if (lvThemes->count() > 0)
        lvThemes->setCurrentRow(row);
    updateButtons();
}

const Theme *TfrmThemes::selectedTheme() const
{
    const int row = lvThemes->currentRow();
    return row >= 0 && row < m_themes.size() ? &m_themes.at(row) : nullptr;
}

void TfrmThemes::updateButtons()
{
    const Theme *theme = selectedTheme();
    btnApply->setEnabled(theme != nullptr);
    // Only the user's own themes are theirs to rename or delete.
    btnRename->setEnabled(theme && theme->own);
    btnDelete->setEnabled(theme && theme->own);
    const QList<QAction *> actions = lvThemes->actions();
    for (int i = 0; i < actions.size(); ++i)
        actions.at(i)->setEnabled(i == 0 ? btnApply->isEnabled() : btnRename->isEnabled());
}

bool TfrmThemes::applySelected()
{
    if (m_type != m_project.MenuType) {
        // The menu type changed since the gallery was made: its themes are
        // another type's.
        refresh();
        return false;
    }
    const Theme *theme = selectedTheme();
    if (!theme || !m_links.apply)
        return false;
    const CappedRead read = readCapped(theme->path, kMaxDataFileSize);
    if (!read.ok()) {
        dialogs().showError(tr("Can't open the file:\r") + theme->path);
        return false;
    }
    const QString name = theme->name;
    if (!m_links.apply(DataTextFromBytes(read.bytes)))
        return false;
    emit applied(name);
    return true;
}

void TfrmThemes::saveAsTheme()
{
    QString text;
    try {
        text = themeTextOf(m_links.dataText ? m_links.dataText() : QString(), m_project.menuType());
    } catch (const PageError &e) {
        dialogs().showError(tr("The project's look could not be read:\r") + e.message);
        return;
    }
    const std::optional<Theme> saved = OwnThemes(m_project.MenuType, m_project.ProgramFolder, m_dataFolder).saveAs(text);
    if (!saved)
        return;
    refresh();
    selectTheme(saved->path);
}

void TfrmThemes::renameSelected()
{
    const Theme *theme = selectedTheme();
    if (!theme)
        return;
    const std::optional<Theme> renamed = OwnThemes(m_project.MenuType, m_project.ProgramFolder, m_dataFolder).rename(*theme);
    if (!renamed)
        return;
    refresh();
    selectTheme(renamed->path);
}

void TfrmThemes::deleteSelected()
{
    const Theme *theme = selectedTheme();
    if (!theme)
        return;
    const int row = lvThemes->currentRow();
    if (!OwnThemes(m_project.MenuType, m_project.ProgramFolder, m_dataFolder).remove(*theme))
        return;
    refresh();
    lvThemes->setCurrentRow(qMin(row, lvThemes->count() - 1));
}

void TfrmThemes::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
