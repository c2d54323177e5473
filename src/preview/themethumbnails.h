#pragma once

#include "project/themes/themes.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <memory>

class PageGate;

class Project;
class QWidget;
class WebPage;

// The gallery's pictures: every theme of a list rendered by the menu type's
// own engine with the same items, each in a frame of one sheet page that
// is laid out off screen and photographed frame by frame. One page for all
// themes costs one renderer instead of one per theme. The pictures of the
// last sheet are kept: the same themes and items are not rendered again.
class ThemeThumbnails : public QObject
{
    Q_OBJECT

public:
    // The size a theme's page is laid out at, and the size of its picture:
    // wide enough for a menu bar that folds into a button on phones to stand
    // as on a desktop.
    static constexpr QSize kPageSize{840, 420};
    static constexpr QSize kPictureSize{280, 140};

    explicit ThemeThumbnails(PageGate &gate, QObject *parent = nullptr);
    ~ThemeThumbnails() override;

    // Renders `themes` with the items of `itemArray` (see itemArrayOf) in the
    // project's menu type; `ready` follows, at once when nothing changed
    // since the last sheet. False when no sheet could be written (the user
    // was told).
    bool render(const Project &project, const QList<Theme> &themes, const QString &itemArray);
    // The pictures in the order of the themes last rendered; null pictures
    // until `ready`.
    const QList<QPixmap> &pictures() const { return m_pictures; }
    // How long the last sheet took from render() to ready, in ms.
    double lastRenderMs() const { return m_lastMs; }

signals:
    void ready();

private:
    void photograph(int sheet);

    std::unique_ptr<QWidget> m_stage;
    WebPage *m_page = nullptr;
    QString m_key; // what the current pictures show
    QList<QPixmap> m_pictures;
    int m_count = 0;
    int m_columns = 1;
    QElapsedTimer m_clock;
    double m_lastMs = 0;
    bool m_rendering = false;
    int m_looks = 0;
    int m_sheet = 0; // the sheets loaded so far
};
