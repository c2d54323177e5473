#pragma once

#include "project/themes/themes.h"

#include <QWidget>
#include <functional>

class PageGate;

class Project;
class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class ThemeThumbnails;

// The Themes window: a gallery of every theme of the project's menu type,
// each shown by the type's engine with the project's own first items. A
// theme is applied by a double-click, Enter or Apply; the user's own themes
// are saved, renamed and deleted here.
class TfrmThemes : public QWidget
{
    Q_OBJECT

public:
    struct Links
    {
        // The project's data text as the writer builds it; may throw PageError.
        std::function<QString()> dataText;
        // Gives the project a theme's look as one undoable change.
        std::function<bool(const QString &themeText)> apply;
        // The items shown while the project has none: a data text of the type.
        std::function<QString()> sampleText;
    };

    // How many of the project's items the thumbnails show.
    static constexpr int kShownItems = 12;

    // `dataFolder` empty: the user's data folder of this program.
    TfrmThemes(PageGate &gate, Project &project, Links links, QString dataFolder = {}, QWidget *parent = nullptr);

    // Lists the themes again and renders what changed since the last time.
    void refresh();
    // Shows the window with a fresh gallery.
    void showGallery();
    // File > Save as Theme: the project's look as one of the user's themes.
    void saveAsTheme();
    // Applies the selected theme.
    bool applySelected();
    void renameSelected();
    void deleteSelected();

    // The themes in the gallery's order.
    const QList<Theme> &themes() const { return m_themes; }

    QListWidget *lvThemes = nullptr;
    QPushButton *btnApply = nullptr;
    QPushButton *btnSave = nullptr;
    QPushButton *btnRename = nullptr;
    QPushButton *btnDelete = nullptr;
    QPushButton *btnClose = nullptr;
    // "Show after New": the window opens by itself after File > New.
    QCheckBox *cbShowAfterNew = nullptr;
    ThemeThumbnails *thumbnails = nullptr;

    // The accessible name of a theme's thumbnail.
    static QString thumbnailName(const Theme &theme);

signals:
    // Every thumbnail shows its theme.
    void galleryReady();
    void applied(const QString &themeName);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    const Theme *selectedTheme() const;
    void showPictures();
    void updateButtons();
    void selectTheme(const QString &path);

    Project &m_project;
    Links m_links;
    QString m_dataFolder;
    QList<Theme> m_themes;
    bool m_placed = false;
    int m_type = -1; // the menu type the gallery shows
};
