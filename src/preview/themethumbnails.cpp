#include "preview/themethumbnails.h"

#include "page/webpage.h"
#include "preview/previewpage.h"
#include "project/datafile/dataopen.h"
#include "project/platform/dialogs.h"
#include "project/model/menutypes.h"
#include "project/model/project.h"
#include "project/platform/tempfolder.h"
#include "project/platform/textfile.h"
#include "project/themes/themesample.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QWebEngineView>
#include <QWidget>

namespace {

constexpr int kColumns = 4;
// How many times the sheet is photographed before its pictures are taken as
// they are.
constexpr int kMaxLooks = 40;

// A theme's file as the reader takes it; empty when it cannot be read or
// is larger than any data file may be.
QString themeText(const QString &path)
{
    const CappedRead read = readCapped(path, kMaxDataFileSize);
    return read.ok() ? DataTextFromBytes(read.bytes) : QString();
}

// A frame not painted yet is of one colour; every preview page has a text
// on its background, so a painted one never is.
bool unpainted(const QImage &image)
{
    if (image.isNull())
        return true;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}

} // namespace

ThemeThumbnails::ThemeThumbnails(PageGate &gate, QObject *parent)
    : QObject(parent)
    , m_stage(std::make_unique<QWidget>())
{
    // Laid out and painted like any window, but never where the user could
    // see or click it: the web view makes a window of its own on a display,
    // so the stage stands far outside every screen, takes no input and is
    // shown only while a sheet is rendered.
    m_stage->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
                            Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    m_stage->setAttribute(Qt::WA_DontShowOnScreen);
    m_stage->setAttribute(Qt::WA_ShowWithoutActivating);
    m_page = new WebPage(gate, m_stage.get());
    connect(m_page, &Page::documentComplete, this, [this] {
        if (m_rendering)
            // The frames' menus are built by then; one more frame paints them.
            QTimer::singleShot(60, this, [this, sheet = m_sheet] { photograph(sheet); });
    });
}

ThemeThumbnails::~ThemeThumbnails() = default;

bool ThemeThumbnails::render(const Project &project, const QList<Theme> &themes, const QString &itemArray)
{
    m_clock.start();
    QString page = builtInPreviewTemplate();
    if (const auto own = readPreviewTemplate(project.ProgramFolder + pagePath(project.MenuType, QStringLiteral("preview.html"))))
        page = *own;
    const QStringList engines = previewEngineNames(project.MenuType);
    PreviewFill fill;
    fill.engine = fileAddress(project.ProgramFolder + engines.at(0));
    fill.engine2 = fileAddress(project.ProgramFolder + engines.at(1));
    fill.engine3 = fileAddress(project.ProgramFolder + engines.at(2));
    fill.base = fileAddress(project.ProjectFolder);

    QList<QString> frames;
    QCryptographicHash key(QCryptographicHash::Sha1);
    key.addData(page.toUtf8());
    key.addData(itemArray.toUtf8());
    key.addData(fill.base.toUtf8());
    for (const Theme &theme : themes) {
        fill.data = themedDataText(themeText(theme.path), project.MenuType, itemArray);
        frames << assemblePreview(page, fill);
        key.addData(frames.last().toUtf8());
    }
    const QString sheetKey = QString::fromLatin1(key.result().toHex());
    if (sheetKey == m_key && m_pictures.size() == themes.size()) {
        m_lastMs = 0;
        QTimer::singleShot(0, this, &ThemeThumbnails::ready);
        return true;
    }

    const QString folder = previewTempFolder();
    if (folder.isEmpty()) {
        dialogs().showError(tr("The themes can't be shown: no private temporary folder could be made."));
        return false;
    }
    m_columns = qMin(kColumns, qMax(1, int(themes.size())));
    const int rows = (int(themes.size()) + m_columns - 1) / m_columns;
    QString sheet = QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><style>"
                                   "html,body{margin:0;padding:0;overflow:hidden;background:#fff}"
                                   "iframe{position:absolute;border:0;margin:0;width:%1px;height:%2px}"
                                   "</style></head><body>")
                        .arg(kPageSize.width())
                        .arg(kPageSize.height());
    for (int i = 0; i < frames.size(); ++i) {
        const QString name = QStringLiteral("qrn_theme_%1.html").arg(i);
        QString reason;
        if (!writeFileSafely(folder + name, encodeText(frames.at(i)), &reason)) {
            dialogs().showError(tr("Can't write the file: \r%1\r%2").arg(folder + name, reason));
            return false;
        }
        // Each theme in a frame of its own: the engines keep their state in
        // the page's globals, so two menus never share a document.
        sheet += QStringLiteral("<iframe scrolling=\"no\" tabindex=\"-1\" src=\"%1\" style=\"left:%2px;top:%3px\"></iframe>")
                     .arg(name)
                     .arg((i % m_columns) * kPageSize.width())
                     .arg((i / m_columns) * kPageSize.height());
    }
    sheet += QStringLiteral("</body></html>");
    QString reason;
    const QString sheetPath = folder + QStringLiteral("qrn_themes.html");
    if (!writeFileSafely(sheetPath, encodeText(sheet), &reason)) {
        dialogs().showError(tr("Can't write the file: \r%1\r%2").arg(sheetPath, reason));
        return false;
    }
    m_count = int(frames.size());
    m_key = sheetKey;
    m_pictures = QList<QPixmap>(frames.size());
    m_stage->setGeometry(-32000, -32000, m_columns * kPageSize.width(), qMax(1, rows) * kPageSize.height());
    m_page->widget()->setGeometry(m_stage->rect());
    m_stage->show();
    m_rendering = true;
    m_looks = 0;
    ++m_sheet;
    m_page->loadFile(sheetPath);
    return true;
}

void ThemeThumbnails::photograph(int sheet)
{
    // A look asked for by a sheet that a newer one replaced.
    if (sheet != m_sheet || !m_rendering)
        return;
    const QPixmap whole = m_page->widget()->grab();
    const qreal ratio = whole.devicePixelRatio();
    bool complete = true;
    for (int i = 0; i < m_count; ++i) {
        const QRect cell((i % m_columns) * kPageSize.width(), (i / m_columns) * kPageSize.height(),
                         kPageSize.width(), kPageSize.height());
        const QRect pixels(cell.topLeft() * ratio, cell.size() * ratio);
        m_pictures[i] = whole.copy(pixels).scaled(kPictureSize * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_pictures[i].setDevicePixelRatio(ratio);
        complete = complete && !unpainted(m_pictures.at(i).toImage());
    }
    // A busy machine paints the frames one by one: look again shortly, but
    // not for ever (a theme may really draw nothing).
    if (!complete && ++m_looks < kMaxLooks) {
        QTimer::singleShot(50, this, [this, sheet] { photograph(sheet); });
        return;
    }
    m_rendering = false;
    m_stage->hide();
    m_lastMs = double(m_clock.nsecsElapsed()) / 1e6;
    emit ready();
}
