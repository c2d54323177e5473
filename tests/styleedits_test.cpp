#include "page/webpage.h"
#include "project/model/outline.h"
#include "project/model/project.h"
#include "project/model/styleedits.h"
#include "project/model/stylelist.h"
#include "support/fakepage.h"
#include "support/scripteddialogs.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QItemSelectionModel>
#include <QSignalSpy>

namespace {

FakePage *readyPage(const QString &name)
{
    auto *page = new FakePage(nullptr, name);
    page->autoComplete = false;
    page->loadFile(name);
    page->completeLoad();
    for (const char *f : {"qrn_resetParams", "qrn_loadParams"})
        page->setAnswer(QString::fromLatin1(f), QVariant());
    page->setAnswer(QStringLiteral("qrn_getParamsList"), QStringLiteral("var menuItemColor='#000';"));
    page->setAnswer(QStringLiteral("qrn_getStylesArray"), QStringLiteral("[\"inherit=all\"]"));
    return page;
}

// The styles editor's core over a project, with substitute style pages and
// a record of what it asked of the other windows.
struct Styles
{
    explicit Styles(int menuType = 0, std::array<Page *, 2> pages = {})
    {
        project.MenuType = menuType;
        for (int kind = 0; kind < 2; ++kind) {
            lists[kind] = new StyleList(project, kind, &project);
            selections[kind] = new QItemSelectionModel(lists[kind], &project);
            if (!pages[kind]) {
                fakes[kind].reset(readyPage(kind == 0 ? "itemstyles.html" : "smstyles.html"));
                pages[kind] = fakes[kind].get();
            }
        }
        StyleEdits::Links links;
        links.SetIndividualStyles = [this](int kind) { namesOffered << kind; };
        links.SendItemParams = [this] { ++itemParamsSent; };
        links.pageCommand = [this](Page *view, const QString &text) { return command ? command(view, text) : false; };
        links.menuValues = [this] { return menuValues; };
        edits = std::make_unique<StyleEdits>(project, std::array<StyleList *, 2>{lists[0], lists[1]},
                                             std::array<QItemSelectionModel *, 2>{selections[0], selections[1]},
                                             pages, links);
    }

    void addStyles(int kind, int count)
    {
        for (int i = 0; i < count; ++i)
            edits->AddStyle(kind, QStringLiteral("S%1").arg(i), QStringLiteral("var a=%1;").arg(i),
                            QStringLiteral("[\"a=%1\"]").arg(i));
    }
    void select(int kind, int row)
    {
        selections[kind]->setCurrentIndex(lists[kind]->index(row), QItemSelectionModel::ClearAndSelect);
    }
    QStringList names(int kind) const
    {
        QStringList out;
        for (const TStyle &s : project.styles(kind))
            out << s.Name;
        return out;
    }
    // Items with their style references of both kinds, as "text:item/submenu".
    void items(const QStringList &refs)
    {
        QList<LeveledItem> list;
        int n = 0;
        const auto &type = project.menuType();
        for (const QString &r : refs) {
            LeveledItem li;
            li.level = n % 3; // three levels, so every level is visited
            li.item.Params[0] = QStringLiteral("I%1").arg(n++);
            const QStringList parts = r.split(QLatin1Char('/'));
            li.item.Params[size_t(type.styleRefParam[0])] = parts.value(0);
            if (type.styleRefParam[1] >= 0)
                li.item.Params[size_t(type.styleRefParam[1])] = parts.value(1);
            list << li;
        }
        project.items().insertLeveled({}, 0, list);
    }
    QStringList refs() const
    {
        QStringList out;
        const auto &type = project.menuType();
        project.items().walk([&](const QModelIndex &, const TItem &item, int) {
            QString r = item.Params[size_t(type.styleRefParam[0])];
            if (type.styleRefParam[1] >= 0)
                r += QLatin1Char('/') + item.Params[size_t(type.styleRefParam[1])];
            out << r;
        });
        return out;
    }

    ScriptedDialogs dialogs;
    Project project;
    StyleList *lists[2] = {};
    QItemSelectionModel *selections[2] = {};
    std::unique_ptr<FakePage> fakes[2];
    std::unique_ptr<StyleEdits> edits;
    std::function<bool(Page *, const QString &)> command;
    QList<int> namesOffered;
    int itemParamsSent = 0;
    QString menuValues;
};

} // namespace

class StyleEditsTest : public QObject
{
    Q_OBJECT

private slots:
    void renumber_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("deleted"); // -1: Delete All
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        const QStringList five{"0/4", "1/", "2/2", "3/0", "4/1", "/3", "x/x", " 3/"};
        QTest::newRow("first") << 0 << 0 << 0 << five
                               << QStringList{"/4", "0/", "1/2", "2/0", "3/1", "/3", "x/x", " 3/"};
        QTest::newRow("middle") << 0 << 0 << 2 << five
                                << QStringList{"0/4", "1/", "/2", "2/0", "3/1", "/3", "x/x", " 3/"};
        QTest::newRow("last") << 0 << 0 << 4 << five
                              << QStringList{"0/4", "1/", "2/2", "3/0", "/1", "/3", "x/x", " 3/"};
        QTest::newRow("submenu kind leaves item styles alone")
            << 1 << 1 << 0 << five << QStringList{"0/3", "1/", "2/1", "3/", "4/0", "/2", "x/x", " 3/"};
        QTest::newRow("all of a kind") << 0 << 0 << -1 << five
                                       << QStringList{"/4", "/", "/2", "/0", "/1", "/3", "/x", "/"};
        QTest::newRow("tab menu: field 7") << 3 << 0 << 1 << QStringList{"0", "1", "2"} << QStringList{"0", "", "1"};
    }
    void renumber()
    {
        QFETCH(int, type);
        QFETCH(int, kind);
        QFETCH(int, deleted);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        Styles s(type);
        s.items(before);
        RenumberStyleRefs(s.project, kind, deleted);
        QCOMPARE(s.refs(), after);
    }

    void moveStyle_everyItemKeepsItsStyle_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("after");
        const QStringList refs{"0", "1", "2", "3", "", "x"};
        QTest::newRow("down by one") << 1 << 2 << QStringList{"0", "2", "1", "3", "", "x"};
        QTest::newRow("up by one") << 3 << 2 << QStringList{"0", "1", "3", "2", "", "x"};
        QTest::newRow("first to last") << 0 << 3 << QStringList{"3", "0", "1", "2", "", "x"};
    }
    void moveStyle_everyItemKeepsItsStyle()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, after);
        Styles s(2);
        s.items({"0", "1", "2", "3", "", "x"});
        MoveStyleRefs(s.project, 0, from, to);
        QCOMPARE(s.refs(), after);
    }

    void moveButtons_reorderTheListAndTheReferences()
    {
        Styles s(2);
        s.addStyles(0, 3);
        s.items({"0", "1", "2"});
        s.select(0, 0);
        s.edits->MoveDown();
        s.edits->MoveDown();
        QCOMPARE(s.names(0), QStringList({"S1", "S2", "S0"}));
        QCOMPARE(s.refs(), QStringList({"2", "0", "1"}));
        QCOMPARE(s.edits->selectedPosition(), 2);
        s.edits->MoveDown(); // already last
        QCOMPARE(s.names(0), QStringList({"S1", "S2", "S0"}));
        QVERIFY(s.project.Modified());
        QCOMPARE(s.lists[0]->index(0).data().toString(), QStringLiteral("S1   (1 item)"));
    }

    void add_emptyList_selectsAndFillsTheNewStyleFromThePage()
    {
        Styles s;
        QSignalSpy shown(s.edits.get(), &StyleEdits::nameShown);
        s.edits->Add();
        QCOMPARE(s.names(0), QStringList{"New Individual Style"});
        QCOMPARE(s.edits->selectedPosition(), 0);
        QCOMPARE(shown.last().first().toString(), QStringLiteral("New Individual Style"));
        QStringList calls;
        for (const auto &c : s.fakes[0]->calls)
            calls << c.function;
        QCOMPARE(calls, QStringList({"qrn_resetParams", "qrn_loadParams", "qrn_getParamsList", "qrn_getStylesArray"}));
        QCOMPARE(s.project.ItemStyles.first().StylesArray, QStringLiteral("[\"inherit=all\"]"));
        QCOMPARE(s.project.ItemStyles.first().ParamsList, QStringLiteral("var menuItemColor='#000';"));
        QCOMPARE(s.namesOffered, QList<int>{0});
        QVERIFY(s.project.Modified());
    }

    // A name typed while no style is selected names the next new style, once;
    // with a style selected, typing renames that one.
    void add_takesTheNameTypedBefore()
    {
        Styles s;
        s.edits->Rename(QStringLiteral("  Buttons "));
        QVERIFY(s.names(0).isEmpty());
        s.edits->Add();
        QCOMPARE(s.names(0), QStringList{"Buttons"});
        s.edits->Rename(QStringLiteral("Big buttons"));
        QCOMPARE(s.names(0), QStringList{"Big buttons"});
        s.selections[0]->clear();
        s.edits->Add();
        QCOMPARE(s.names(0), QStringList({"Big buttons", "New Individual Style"}));
        // What the box showed since replaces what was typed before.
        s.selections[0]->clear();
        s.edits->Rename(QStringLiteral("Lost"));
        s.edits->switchKind(0);
        s.edits->Add();
        QCOMPARE(s.names(0).last(), QStringLiteral("New Individual Style"));
    }

    void duplicate_copiesTheWholeRecordLastAndSelectsIt()
    {
        Styles s;
        s.addStyles(0, 2);
        s.items({"0", "1"});
        s.select(0, 0);
        s.edits->Duplicate();
        QCOMPARE(s.names(0), QStringList({"S0", "S1", "S0"}));
        QCOMPARE(s.project.ItemStyles.last().ParamsList, QStringLiteral("var a=0;"));
        QCOMPARE(s.project.ItemStyles.last().StylesArray, QStringLiteral("[\"a=0\"]"));
        QCOMPARE(s.edits->selectedPosition(), 2);
        QCOMPARE(s.refs(), QStringList({"0/", "1/"}));
        QVERIFY(s.project.Modified());
    }

    void deleteSelected_asksRenumbersAndRefreshes()
    {
        Styles s;
        s.addStyles(0, 5);
        s.items({"0", "2", "3", "4"});
        s.select(0, 2);
        s.dialogs.answers.enqueue(Dialogs::Answer::No);
        s.edits->DeleteSelected();
        QCOMPARE(s.names(0).size(), 5);
        s.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        s.edits->DeleteSelected();
        QCOMPARE(s.names(0), QStringList({"S0", "S1", "S3", "S4"}));
        QCOMPARE(s.refs(), QStringList({"0/", "/", "2/", "3/"}));
        QCOMPARE(s.edits->selectedPosition(), -1);
        QCOMPARE(s.itemParamsSent, 1);
        QVERIFY(s.project.Modified());
        QCOMPARE(s.dialogs.textsOf(QStringLiteral("yesNo")).last(), QStringLiteral("Do you want to delete the selected item styles?"));
    }

    void deleteOnEmptyList_asksNothing_deleteAllAsksAndEmptiesOnlyItsKind()
    {
        Styles s;
        s.edits->DeleteSelected();
        s.edits->DeleteAll();
        QVERIFY(s.dialogs.asked.isEmpty());
        s.addStyles(0, 2);
        s.addStyles(1, 2);
        s.items({"1/1", "0/0"});
        s.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        s.edits->DeleteAll();
        QCOMPARE(s.dialogs.textsOf(QStringLiteral("yesNo")), QStringList{"Do you want to delete all item styles?"});
        QVERIFY(s.names(0).isEmpty());
        QCOMPARE(s.names(1).size(), 2);
        QCOMPARE(s.refs(), QStringList({"/1", "/0"}));
    }

    void rename_fromTheNameBoxAndInPlace_offersNamesAndMarks()
    {
        Styles s;
        s.addStyles(0, 2);
        s.select(0, 1);
        s.edits->Rename(QStringLiteral("Quote \" and \\ and\nline Ж"));
        QCOMPARE(s.names(0).at(1), QStringLiteral("Quote \" and \\ and\nline Ж"));
        QVERIFY(s.project.Modified());
        QCOMPARE(s.namesOffered, QList<int>{0});
        s.project.setModified(false);
        QSignalSpy shown(s.edits.get(), &StyleEdits::nameShown);
        QVERIFY(s.lists[0]->setData(s.lists[0]->index(1), QString()));
        QCOMPARE(shown.last().first().toString(), QString());
        QVERIFY(s.project.Modified());
    }

    void pageCommand_readsTheStyleBackOnlyWithACurrentStyle()
    {
        Styles s;
        s.addStyles(0, 1);
        s.command = [](Page *, const QString &text) { return text.startsWith(QLatin1Char('@')); };
        s.edits->StatusTextChange(s.fakes[0].get(), QStringLiteral("@modified:"));
        QCOMPARE(s.project.ItemStyles.first().StylesArray, QStringLiteral("[\"a=0\"]"));
        QVERIFY(!s.project.Modified());
        s.select(0, 0);
        s.edits->StatusTextChange(s.fakes[0].get(), QStringLiteral("plain status"));
        QVERIFY(!s.project.Modified());
        s.edits->StatusTextChange(s.fakes[0].get(), QStringLiteral("@modified:"));
        QCOMPARE(s.project.ItemStyles.first().StylesArray, QStringLiteral("[\"inherit=all\"]"));
        QVERIFY(s.project.Modified());
    }

    void switchKind_thenEditTheOtherPage_changesNoStyle()
    {
        Styles s;
        s.addStyles(0, 1);
        s.select(0, 0);
        s.edits->switchKind(1);
        s.command = [](Page *, const QString &) { return true; };
        s.edits->StatusTextChange(s.fakes[1].get(), QStringLiteral("@color:#FFFFFF"));
        QCOMPARE(s.project.ItemStyles.first().StylesArray, QStringLiteral("[\"a=0\"]"));
        QVERIFY(!s.project.Modified());
    }

    void loading_selectionChangesReachNoPage_close_resetsThePage()
    {
        Styles s;
        s.project.LoadingData = true;
        s.addStyles(0, 2);
        s.select(0, 1);
        QVERIFY(s.fakes[0]->calls.isEmpty());
        s.project.LoadingData = false;
        s.edits->Close();
        QCOMPARE(s.fakes[0]->calls.size(), 1);
        QCOMPARE(s.fakes[0]->calls.first().function, QStringLiteral("qrn_resetParams"));
        QCOMPARE(s.edits->selectedPosition(), -1);
    }

    // The menu's values reach the style pages of the type, as the parameter
    // page gave them; a type without submenu styles has no such page.
    void showMenuValues_reachesTheStylePagesOfTheType_data()
    {
        QTest::addColumn<int>("menuType");
        QTest::addColumn<int>("pages");
        QTest::newRow("Ostrel Menu: item and submenu styles") << 0 << 2;
        QTest::newRow("Ostrel Tabs: item styles only") << 2 << 1;
    }
    void showMenuValues_reachesTheStylePagesOfTheType()
    {
        QFETCH(int, menuType);
        QFETCH(int, pages);
        Styles s(menuType);
        for (auto &fake : s.fakes)
            fake->setAnswer(QStringLiteral("qrn_setMenuValues"), QVariant());
        s.menuValues = QStringLiteral("{\"menuBackColor\":\"#1F2D3D\"}");
        s.edits->showMenuValues();
        for (int kind = 0; kind < 2; ++kind) {
            const QList<FakePage::Call> calls = s.fakes[kind]->callsTo(QStringLiteral("qrn_setMenuValues"));
            QCOMPARE(calls.size(), kind < pages ? 1 : 0);
            if (kind < pages)
                QCOMPARE(std::get<QString>(calls.at(0).args.at(0)), s.menuValues);
        }
    }

    void realStylePages_anEditComesBackInTheStyle_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("param");
        QTest::newRow("ostrel-menu") << 0 << "menuItemTextColor";
        QTest::newRow("tabs") << 2 << "tabsSelTextColor";
    }
    void realStylePages_anEditComesBackInTheStyle()
    {
        QFETCH(int, type);
        QFETCH(QString, param);
        auto page = harness::openPage(harness::runtimeDir() + pagePath(type, QStringLiteral("itemstyles.html")));
        FakePage unused;
        Styles s(type, {page.get(), &unused});
        // The colour dialog answers red, as the command channel would.
        s.command = [](Page *view, const QString &text) {
            if (!text.startsWith(QStringLiteral("@color:")))
                return false;
            view->call(QStringLiteral("qrn_setValue"), {QStringLiteral("#FF0000")});
            return true;
        };
        connect(page.get(), &Page::statusTextChanged, this,
                [&](const QString &text) { s.edits->StatusTextChange(page.get(), text); });
        s.edits->Add();
        page->callText(QStringLiteral("eval"),
                       {QStringLiteral("document.querySelector('[data-name=\"%1\"] button').click(),''").arg(param)});
        QTRY_VERIFY(s.project.ItemStyles.first().StylesArray.contains(param + QStringLiteral("=#FF0000")));
        QVERIFY(s.project.ItemStyles.first().ParamsList.contains(param));
        QVERIFY(s.project.ItemStyles.first().ParamsList.contains(QStringLiteral("FF0000")));
        // Selecting the style again shows its value in a fresh page.
        s.edits->Close();
        s.select(0, 0);
        QCOMPARE(page->callText(QStringLiteral("qrn_getStylesArray"), {QString()}),
                 s.project.ItemStyles.first().StylesArray);
    }
};

PLIVEX_TEST_MAIN(StyleEditsTest)
#include "styleedits_test.moc"
