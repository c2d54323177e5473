// The Themes window over the program's real windows and pages: the gallery
// shows every theme of the type rendered by its engine, applying one is one
// undoable change, the user's own themes are saved, renamed and deleted
// there, and the window works from the keyboard.

#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "editors/itemparamsform.h"
#include "preview/themesform.h"
#include "preview/themethumbnails.h"
#include "project/datafile/datasave.h"
#include "project/model/project.h"
#include "project/history/projecthistory.h"
#include "project/themes/themes.h"
#include "support/appfixture.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// The Ostrel Menu's default project, its history started.
void openDefaultProject(AppFixture &app)
{
    app.createWindows();
    app.chooseMenuType(0);
    QVERIFY(app.waitForParameterPage());
}

QString paramsList()
{
    return windows().main->wb->callText(QStringLiteral("qrn_getParamsList"), {QString()});
}

QString dataText()
{
    return BuildDataText(windows().project, *windows().main->wb, *windows().itemParams->wbItemParams);
}

QStringList styleNames(int kind)
{
    QStringList names;
    for (const TStyle &s : windows().project.styles(kind))
        names << s.Name;
    return names;
}

QStringList itemTexts()
{
    QStringList texts;
    windows().project.items().walk([&texts](const QModelIndex &, const TItem &item, int level) {
        texts << QString(level, QLatin1Char('|')) + item.Params[0];
    });
    return texts;
}

TItem *itemAt(int number)
{
    TItem *found = nullptr;
    int n = 0;
    ItemTree &tree = windows().project.items();
    tree.walk([&](const QModelIndex &index, const TItem &, int) {
        if (n++ == number)
            found = tree.record(index);
    });
    return found;
}

int rowOf(const TfrmThemes &w, const QString &name)
{
    for (int i = 0; i < w.themes().size(); ++i)
        if (w.themes().at(i).name == name)
            return i;
    return -1;
}

// The user's data folder for the time of a test.
class OwnDataFolder
{
public:
    OwnDataFolder()
        : m_old(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", m_dir.path().toLocal8Bit());
    }
    ~OwnDataFolder() { qputenv("XDG_DATA_HOME", m_old); }
    QString themes(int type) const { return ownThemeFolder(type); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

} // namespace

class ThemesFormTest : public QObject
{
    Q_OBJECT

private slots:
    void gallery_showsEveryThemeOfTheType_renderedWithTheProjectsItems()
    {
        AppFixture app;
        openDefaultProject(app);
        TfrmThemes &w = *windows().themes;
        bool ready = false;
        connect(&w, &TfrmThemes::galleryReady, this, [&ready] { ready = true; });
        windows().main->command(QStringLiteral("themes"))->trigger();
        QVERIFY(w.isVisible());
        QCOMPARE(w.lvThemes->count(), 8);
        QCOMPARE(w.lvThemes->item(rowOf(w, QStringLiteral("Dark")))->text(), QStringLiteral("Dark"));
        QVERIFY(harness::waitUntil([&ready] { return ready; }));
        const QList<QPixmap> &pictures = w.thumbnails->pictures();
        QCOMPARE(pictures.size(), 8);
        // Rendered, not blank: every picture differs from every other.
        for (int i = 0; i < pictures.size(); ++i)
            for (int j = i + 1; j < pictures.size(); ++j)
                QVERIFY2(pictures.at(i).toImage() != pictures.at(j).toImage(),
                         qPrintable(w.themes().at(i).name + QStringLiteral(" looks like ") + w.themes().at(j).name));
        QCOMPARE(pictures.first().size(), ThemeThumbnails::kPictureSize);

        // Shown again with nothing changed, the pictures are reused.
        ready = false;
        w.refresh();
        QVERIFY(harness::waitUntil([&ready] { return ready; }));
        QCOMPARE(w.thumbnails->lastRenderMs(), 0.0);
    }

    void apply_replacesParametersAndStyles_keepsItems_clearsStaleRefs_andIsOneUndoableStep()
    {
        AppFixture app;
        openDefaultProject(app);
        // An item that uses the second item style, and one that uses a
        // style the theme lacks.
        itemAt(0)->Params[6] = QStringLiteral("1");
        itemAt(1)->Params[6] = QStringLiteral("7");
        windows().project.MarkModified(QStringLiteral("Edit Item"));
        windows().main->history->flush();
        windows().project.setModified(false);
        const QString before = dataText();
        const QStringList items = itemTexts();
        QVERIFY(!paramsList().contains(QStringLiteral("#1E2530")));

        TfrmThemes &w = *windows().themes;
        w.showGallery();
        QString applied;
        connect(&w, &TfrmThemes::applied, this, [&applied](const QString &name) { applied = name; });
        w.lvThemes->setCurrentRow(rowOf(w, QStringLiteral("Dark")));
        w.btnApply->click();
        QCOMPARE(applied, QStringLiteral("Dark"));

        QVERIFY(paramsList().contains(QStringLiteral("menuBackColor=\"#1E2530\"")));
        QCOMPARE(styleNames(0), QStringList({"Call to action", "Highlighted"}));
        QCOMPARE(styleNames(1), QStringList({"Columns"}));
        QCOMPARE(itemTexts(), items);
        QCOMPARE(itemAt(0)->Params[6], QStringLiteral("1"));
        QCOMPARE(itemAt(1)->Params[6], QString());
        QCOMPARE(itemAt(0)->Params[1], QStringLiteral("index.html"));
        QVERIFY(windows().project.Modified());
        QCOMPARE(windows().main->miUndo->text(), QStringLiteral("Undo Apply Theme"));

        // One step back is the old look, exactly.
        windows().main->miUndo->trigger();
        QCOMPARE(dataText(), before);
        QVERIFY(!paramsList().contains(QStringLiteral("#1E2530")));
        QCOMPARE(itemAt(1)->Params[6], QStringLiteral("7"));
        windows().main->miRedo->trigger();
        QVERIFY(paramsList().contains(QStringLiteral("menuBackColor=\"#1E2530\"")));
    }

    void keyboard_arrowsMove_enterApplies_escapeCloses()
    {
        AppFixture app;
        openDefaultProject(app);
        TfrmThemes &w = *windows().themes;
        w.showGallery();
        QApplication::setActiveWindow(&w);
        w.lvThemes->setFocus();
        QCOMPARE(QApplication::focusWidget(), w.lvThemes);
        QCOMPARE(w.lvThemes->currentRow(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(w.lvThemes->currentRow(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QCOMPARE(w.lvThemes->currentRow(), 7);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(w.lvThemes->currentRow(), 6);
        const QString chosen = w.themes().at(6).name;

        QString applied;
        connect(&w, &TfrmThemes::applied, this, [&applied](const QString &name) { applied = name; });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(applied, chosen);
        QCOMPARE(windows().main->miUndo->text(), QStringLiteral("Undo Apply Theme"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    void thumbnails_areNamedForAssistiveTechnology_ownThemesAsYours()
    {
        OwnDataFolder data;
        QVERIFY(QDir().mkpath(data.themes(0)));
        QVERIFY(QFile::copy(harness::runtimeDir() + QStringLiteral("themes/ostrel-menu/pill.js"),
                            data.themes(0) + QStringLiteral("/bakery.js")));
        AppFixture app;
        openDefaultProject(app);
        TfrmThemes &w = *windows().themes;
        w.showGallery();
        QCOMPARE(w.lvThemes->count(), 9);
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(w.lvThemes);
        QVERIFY(list);
        QStringList names;
        for (int i = 0; i < list->childCount(); ++i)
            names << list->child(i)->text(QAccessible::Name);
        QVERIFY2(names.contains(QStringLiteral("Bakery (yours)")), qPrintable(names.join(QStringLiteral(", "))));
        QVERIFY(names.contains(QStringLiteral("Soft shadow")));
        QVERIFY(!names.contains(QStringLiteral("Bakery")));
        QCOMPARE(names.size(), 9);
    }

    void ownThemes_savedFromTheProject_renamed_deleted_shippedOnesUntouchable()
    {
        OwnDataFolder data;
        AppFixture app;
        openDefaultProject(app);
        TfrmThemes &w = *windows().themes;
        w.showGallery();

        // A shipped theme's name and a name without letters are refused,
        // then a good one is taken.
        app.dialogs.texts << QStringLiteral("Dark") << QStringLiteral("?!") << QStringLiteral("Our shop");
        windows().main->command(QStringLiteral("saveAsTheme"))->trigger();
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("error")).size(), 2);
        // Kept in the letter case it was typed in.
        const QString saved = data.themes(0) + QStringLiteral("/Our-shop.js");
        QVERIFY(QFileInfo::exists(saved));
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        file.close();
        QVERIFY(text.contains(QStringLiteral("itemStylesNames=[\"Call to action\"")));
        QVERIFY(!text.contains(QStringLiteral("index.html")));
        QCOMPARE(w.lvThemes->count(), 9);
        QCOMPARE(w.themes().at(w.lvThemes->currentRow()).name, QStringLiteral("Our shop"));
        QVERIFY(w.btnRename->isEnabled() && w.btnDelete->isEnabled());

        // Saving under the same name asks first; No keeps the file.
        app.dialogs.texts << QStringLiteral("our shop");
        app.dialogs.answers << Dialogs::Answer::No;
        w.btnSave->click();
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("noYes")).size(), 1);

        app.dialogs.texts << QStringLiteral("Corner shop");
        w.btnRename->click();
        QVERIFY(!QFileInfo::exists(saved));
        QVERIFY(QFileInfo::exists(data.themes(0) + QStringLiteral("/Corner-shop.js")));
        QCOMPARE(w.themes().at(w.lvThemes->currentRow()).name, QStringLiteral("Corner shop"));

        // Delete asks first.
        app.dialogs.answers << Dialogs::Answer::No;
        w.btnDelete->click();
        QVERIFY(QFileInfo::exists(data.themes(0) + QStringLiteral("/Corner-shop.js")));
        app.dialogs.answers << Dialogs::Answer::Yes;
        w.btnDelete->click();
        QVERIFY(!QFileInfo::exists(data.themes(0) + QStringLiteral("/Corner-shop.js")));
        QCOMPARE(w.lvThemes->count(), 8);

        // A shipped theme offers neither.
        w.lvThemes->setCurrentRow(0);
        QVERIFY(!w.btnRename->isEnabled());
        QVERIFY(!w.btnDelete->isEnabled());
        QVERIFY(w.btnApply->isEnabled());
    }

    void apply_afterTheMenuTypeChanged_showsTheNewTypesThemesInstead()
    {
        AppFixture app;
        openDefaultProject(app);
        TfrmThemes &w = *windows().themes;
        w.showGallery();
        const QString before = paramsList();
        app.chooseMenuType(2);
        QVERIFY(app.waitForParameterPage());
        const QString tabs = paramsList();
        QVERIFY(tabs != before);
        w.lvThemes->setCurrentRow(0);
        QVERIFY(!w.applySelected());
        QCOMPARE(paramsList(), tabs);
        QVERIFY(w.themes().first().path.contains(QStringLiteral("/themes/tabs/")));
        QVERIFY(w.applySelected());
        QVERIFY(paramsList() != tabs);
    }

    void newProject_offersTheGallery_unlessTurnedOff()
    {
        AppFixture app;
        openDefaultProject(app);
        TfrmThemes &w = *windows().themes;
        QVERIFY(!w.isVisible());
        windows().main->NewProjectExecute();
        QVERIFY(w.isVisible());
        w.close();
        w.cbShowAfterNew->setChecked(false);
        windows().main->NewProjectExecute();
        QVERIFY(!w.isVisible());
        QFile ini(app.settingsPath());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("ShowAfterNew=0"));
    }
};

PLIVEX_TEST_MAIN(ThemesFormTest)
#include "themesform_test.moc"
