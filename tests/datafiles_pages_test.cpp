// The data file writer and reader with the real pages of every menu type:
// hard texts carried through a file and back, the pages' evaluation of a
// data text, bad files, and mutated default projects.

#include "pages_common.h"
#include "project/datafile/datasave.h"
#include "project/datafile/datatextscan.h"
#include "project/model/project.h"
#include "project/themes/themes.h"
#include "support/defaultprojects.h"
#include "support/scripteddialogs.h"
#include "page/readerpage.h"
#include "support/testfiles.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>

Q_DECLARE_METATYPE(pagestest::PageType)

namespace {

using pagestest::js;
using pagestest::runJs;

const QString kOdd = QStringLiteral("Q\"uote' back\\slash A|B </script> <!-- @at ~ \u00DCber \u20AC \u4E2D \U0001F600\r\nnext"
                                    "\tline,comma qrn_init() QRN_TABSINIT Qrn_tmenuInit");

void addTypeRows()
{
    QTest::addColumn<pagestest::PageType>("type");
    for (const pagestest::PageType &t : pagestest::pageTypes())
        QTest::newRow(qPrintable(t.folder)) << t;
}

QString defaultProjectPath(const pagestest::PageType &t)
{
    return harness::runtimeDir() + QStringLiteral("default_scripts/") + t.folder + QStringLiteral("/default.js");
}

// A project with the two pages the writer and reader need.
struct Editor
{
    Project project;
    std::unique_ptr<WebPage> params;
    std::unique_ptr<WebPage> itemParams;

    explicit Editor(const pagestest::PageType &t)
    {
        project.MenuType = t.index;
        params = pagestest::openTypePage(t, QStringLiteral("params.html"));
        itemParams = pagestest::openTypePage(t, QStringLiteral("itemparams.html"));
    }
    // As the open command does: an empty project. The parameter page is
    // left to the read, which puts back every parameter the file leaves out;
    // a page reset first would hide a read that does not.
    bool open(const QString &path)
    {
        project.items().clear();
        project.ItemStyles.clear();
        project.SubmenuStyles.clear();
        return ReadDataFile(project, *params, *itemParams, path);
    }
    // The same, with what the read made of the file.
    DataRead read(const QString &path)
    {
        project.items().clear();
        project.ItemStyles.clear();
        project.SubmenuStyles.clear();
        DataRead outcome;
        if (!ReadDataFile(project, *params, *itemParams, path, {}, &outcome))
            outcome.complete = false;
        return outcome;
    }
    bool save(const QString &path) { return WriteDataFile(project, *params, *itemParams, path); }
    QString text() { return BuildDataText(project, *params, *itemParams); }
    // Every item's record, in file order.
    QList<TItem> records() const
    {
        QList<TItem> out;
        project.items().walk([&out](const QModelIndex &, const TItem &item, int) { out << item; });
        return out;
    }
    QString paramsList() { return params->callText(QStringLiteral("qrn_getParamsList"), {QString()}); }
    QStringList outline() const
    {
        QStringList out;
        project.items().walk([&out](const QModelIndex &, const TItem &item, int level) {
            out << QString::number(level) + QLatin1Char(':') + item.Params[0];
        });
        return out;
    }
};

TStyle styleFromPage(Page &stylePage, const QString &name, const QString &declarations)
{
    stylePage.callText(QStringLiteral("qrn_resetParams"), {kOmitted});
    stylePage.callText(QStringLiteral("qrn_loadParams"), {declarations});
    return {name, stylePage.callText(QStringLiteral("qrn_getParamsList"), {QString()}),
            stylePage.callText(QStringLiteral("qrn_getStylesArray"), {QString()})};
}

bool sameStyles(const QList<TStyle> &a, const QList<TStyle> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].Name != b[i].Name || a[i].ParamsList != b[i].ParamsList || a[i].StylesArray != b[i].StylesArray)
            return false;
    return true;
}


// The prefix of a type's parameter names ("menu", "tmenu", "tabs").
QString paramPrefix(const pagestest::PageType &t)
{
    return t.index == 0 ? QStringLiteral("menu") : t.index == 1 ? QStringLiteral("tmenu") : QStringLiteral("tabs");
}

// Colours and sizes in every form a site's files use.
const QStringList kCssColours{QStringLiteral("transparent"), QStringLiteral("white"), QStringLiteral("currentColor"),
                              QStringLiteral("rgba(0,0,0,.5)"), QStringLiteral("#1f2d3d80"), QStringLiteral("#abc"),
                              QStringLiteral("#AbCd"), QStringLiteral("hsl(210 30% 20%)"), QStringLiteral("var(--brand)"),
                              QStringLiteral("#1F2D3D")};
const QStringList kCssSizes{QStringLiteral("calc(100% - 2px)"), QStringLiteral("1.5rem"), QStringLiteral("2vw"),
                            QStringLiteral("min(10px, 1em)"), QStringLiteral("clamp(1px, 2vw, 3px)"),
                            QStringLiteral("var(--gap)"), QStringLiteral("3px"), QStringLiteral("0")};

// A text of random pieces that are hard for a writer and a reader: quotes,
// backslashes, the end of a script element, start calls, level marks,
// commas, line breaks and a character of every plane.
QString hardText(QRandomGenerator &gen, int maxPieces)
{
    static const QStringList pieces{
        QStringLiteral("\""), QStringLiteral("'"), QStringLiteral("\\"), QStringLiteral("</script>"), QStringLiteral("<!--"),
        QStringLiteral("qrn_init();"), QStringLiteral("qrn_tabsInit();"), QStringLiteral("qrn_initFrame("), QStringLiteral("|"),
        QStringLiteral(","), QStringLiteral("],["), QStringLiteral("\r\n"), QStringLiteral("\t"), QStringLiteral("${x}"),
        QStringLiteral("@undefined"), QStringLiteral(" "), QStringLiteral("Home"), QStringLiteral("a.html?x=1&y=2"), QStringLiteral("//")};
    QString text;
    const int n = static_cast<int>(gen.bounded(maxPieces + 1));
    for (int i = 0; i < n; ++i) {
        if (gen.bounded(3) == 0) {
            // A character of a random plane, never half a pair.
            const char32_t plane = gen.bounded(17);
            char32_t c = (plane << 16) | gen.bounded(0x10000);
            if (c >= 0xD800 && c <= 0xDFFF)
                c = 0x4E2D;
            if ((c & 0xFFFE) == 0xFFFE)
                c -= 2;
            if (c < 0x20)
                c = 0x20 + c;
            text += QString::fromUcs4(&c, 1);
        } else {
            text += pieces.at(static_cast<int>(gen.bounded(static_cast<int>(pieces.size()))));
        }
    }
    return text;
}

} // namespace

class DataFilesPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_hardTexts_readBackAndWrittenAgainUnchanged_data() { addTypeRows(); }
    void roundTrip_hardTexts_readBackAndWrittenAgainUnchanged()
    {
        QFETCH(pagestest::PageType, type);
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        Editor a(type);
        // A menu-wide parameter with a hard text, taken in from a file.
        const QString start = dir.filePath(QStringLiteral("start.js"));
        writeTestFile(start, QStringLiteral("var %1=%2;").arg(type.fontParam, scriptStringLiteral(kOdd)).toUtf8());
        QVERIFY(a.open(start));
        QVERIFY(a.paramsList().contains(QStringLiteral("var %1=\"Q\\x22uote").arg(type.fontParam)));

        auto itemStylePage = pagestest::openTypePage(type, QStringLiteral("itemstyles.html"));
        a.project.ItemStyles = {
            styleFromPage(*itemStylePage, QStringLiteral("Odd \"name\" \\ qrn_init\r\n\u00DCber"),
                          QStringLiteral("var %1=%2;var %3=%4;").arg(type.fontParam, js(kOdd), type.imageParam, js("a,b\\c.png"))),
            styleFromPage(*itemStylePage, QStringLiteral("Empty"), QString()),
            styleFromPage(*itemStylePage, QStringLiteral("</script>"), QStringLiteral("var %1=\"x.png\";").arg(type.imageParam)),
        };
        if (!type.smStyleArray.isEmpty()) {
            auto smPage = pagestest::openTypePage(type, QStringLiteral("smstyles.html"));
            a.project.SubmenuStyles << styleFromPage(*smPage, QStringLiteral("Sub"),
                                                     QStringLiteral("var %1=%2;").arg(type.smParam, js(kOdd)));
        }
        const QList<int> levels = type.index == 2 ? QList<int>{0, 0, 0, 0} : type.index == 3 ? QList<int>{0, 1, 1, 0}
                                                                                              : QList<int>{0, 1, 2, 1, 0};
        QList<LeveledItem> items;
        for (int i = 0; i < levels.size(); ++i) {
            LeveledItem li{levels[i], {}};
            for (int n = 0; n < TItem::kParamCount; ++n)
                li.item.Params[static_cast<size_t>(n)] =
                    n == 0 ? QStringLiteral("Item %1 ").arg(i) + kOdd : (n + i) % 3 == 0 ? QString() : kOdd.left(n * 7);
            items << li;
        }
        items[1].item.Params[0] = QStringLiteral("Sales|Support");
        items[2].item.Params[0] = QString();
        a.project.items().insertLeveled({}, 0, items);
        const QString path = dir.filePath(QStringLiteral("menu.js"));
        // The hard text is no font: the writer asks before it writes it.
        boxes.answers.enqueue(Dialogs::Answer::Yes);
        QVERIFY(a.save(path));
        QVERIFY(boxes.answers.isEmpty());
        QVERIFY(boxes.textsOf(QStringLiteral("yesNo")).value(0).contains(type.fontParam + QStringLiteral(" = \"Q\"uote")));
        const QByteArray written = readTestFile(path);
        for (const char c : written)
            QVERIFY2((c >= 0x20 && c <= 0x7E) || c == '\r' || c == '\n', "the file holds more than printable ASCII");

        Editor b(type);
        QSignalSpy errors(b.params.get(), &Page::scriptError);
        QVERIFY(b.open(path));
        QCOMPARE(errors.count(), 0);
        QCOMPARE(boxes.asked.size(), 1); // the writer's question only
        QCOMPARE(b.paramsList(), a.paramsList());
        QCOMPARE(b.outline(), a.outline());
        QCOMPARE(b.records(), a.records());
        QVERIFY(sameStyles(b.project.ItemStyles, a.project.ItemStyles));
        QVERIFY(sameStyles(b.project.SubmenuStyles, a.project.SubmenuStyles));

        // Written again from what was read, the file is the same.
        const QString again = dir.filePath(QStringLiteral("again.js"));
        boxes.answers.enqueue(Dialogs::Answer::Yes);
        QVERIFY(b.save(again));
        QCOMPARE(readTestFile(again), written);
    }

    void defaultProjects_areWhatTheWriterMakesOfTheirDescription_data() { addTypeRows(); }
    void defaultProjects_areWhatTheWriterMakesOfTheirDescription()
    {
        QFETCH(pagestest::PageType, type);
        QString error;
        const QString text = buildDefaultProject(type.index, &error);
        QVERIFY2(!text.isEmpty(), qPrintable(error));
        QVERIFY2(readTestFile(defaultProjectPath(type)) == text.toUtf8(),
                 "the default project is out of date: run build/tests/make_defaults");

        // It loads without errors, with items at the levels the type shows and
        // every style in use.
        ScriptedDialogs boxes;
        Editor e(type);
        QSignalSpy errors(e.params.get(), &Page::scriptError);
        QVERIFY(e.open(defaultProjectPath(type)));
        QCOMPARE(errors.count(), 0);
        QVERIFY(boxes.asked.isEmpty());
        int deepest = 0;
        QSet<QString> usedItem, usedSm;
        e.project.items().walk([&](const QModelIndex &, const TItem &item, int level) {
            deepest = qMax(deepest, level);
            if (!item.Params[static_cast<size_t>(type.itemStyleField)].isEmpty())
                usedItem.insert(item.Params[static_cast<size_t>(type.itemStyleField)]);
            if (type.smStyleField >= 0 && !item.Params[static_cast<size_t>(type.smStyleField)].isEmpty())
                usedSm.insert(item.Params[static_cast<size_t>(type.smStyleField)]);
        });
        QCOMPARE(deepest, type.index == 2 ? 0 : type.index == 3 ? 1 : 2);
        QVERIFY(e.project.ItemStyles.size() >= 2);
        QCOMPARE(usedItem.size(), e.project.ItemStyles.size());
        QCOMPARE(usedSm.size(), e.project.SubmenuStyles.size());
        QCOMPARE(e.project.SubmenuStyles.isEmpty(), type.smStyleArray.isEmpty());
    }

    void shippedThemes_areWhatTheWriterMakesOfThemAndCarryNoItems_data() { addTypeRows(); }
    void shippedThemes_areWhatTheWriterMakesOfThemAndCarryNoItems()
    {
        QFETCH(pagestest::PageType, type);
        QString error;
        const QList<BuiltTheme> themes = buildThemes(type.index, &error);
        QVERIFY2(themes.size() >= 8, qPrintable(error));
        QSet<QString> looks;
        // One editor opens them all, as a user would one after another.
        ScriptedDialogs boxes;
        Editor e(type);
        for (const BuiltTheme &theme : themes) {
            const QString path = harness::runtimeDir() + theme.path;
            QVERIFY2(readTestFile(path) == theme.text.toUtf8(),
                     qPrintable(theme.path + QStringLiteral(" is out of date: run build/tests/make_defaults")));
            QSignalSpy errors(e.params.get(), &Page::scriptError);
            QVERIFY(e.open(path));
            QCOMPARE(errors.count(), 0);
            QVERIFY2(boxes.asked.isEmpty(), qPrintable(theme.name));
            QCOMPARE(e.project.items().count(), 0);
            // The example projects' item styles keep a look of their own.
            QCOMPARE(e.project.ItemStyles.size(), 2);
            looks.insert(e.params->callText(QStringLiteral("qrn_getParamsList"), {QString()}));
        }
        QCOMPARE(looks.size(), themes.size());
    }

    void applyTheme_changesTheLookKeepsTheItemsAndEmptiesStaleStyleReferences()
    {
        const pagestest::PageType &type = pagestest::pageTypes().at(0);
        ScriptedDialogs boxes;
        Editor e(type);
        QVERIFY(e.open(defaultProjectPath(type)));
        const QStringList items = e.outline();
        const int styleField = e.project.menuType().styleRefParam[0];
        auto styleOf = [&](const QString &text) {
            QString ref;
            e.project.items().walk([&](const QModelIndex &, const TItem &item, int) {
                if (item.Params[0] == text)
                    ref = item.Params[static_cast<size_t>(styleField)];
            });
            return ref;
        };
        QCOMPARE(styleOf(QStringLiteral("Shop")), QStringLiteral("0"));
        QCOMPARE(styleOf(QStringLiteral("News")), QStringLiteral("1"));

        // A theme of one item style: Shop keeps its style 0, News's style 1
        // is gone.
        QString theme = QString::fromUtf8(readTestFile(harness::runtimeDir() + QStringLiteral("themes/ostrel-menu/dark.js")));
        theme.replace(QStringLiteral("var itemStylesNames=[\"Call to action\",\"Highlighted\",];"),
                      QStringLiteral("var itemStylesNames=[\"Call to action\",];"));
        const qsizetype second = theme.indexOf(QStringLiteral("    [\"menuItemTextColor="));
        QVERIFY(second > 0);
        theme.remove(second, theme.indexOf(QLatin1Char('\n'), second) + 1 - second);
        QVERIFY(ApplyTheme(e.project, *e.params, *e.itemParams, theme));
        QCOMPARE(e.outline(), items);
        QVERIFY(e.paramsList().contains(QStringLiteral("var menuBackColor=\"#1E2530\";")));
        // The theme's file says "page"; what links are read against is the
        // project's, not the look's.
        QVERIFY(theme.contains(QStringLiteral("var menuLinkBase=\"page\";")));
        QVERIFY(e.paramsList().contains(QStringLiteral("var menuLinkBase=\"data\";")));
        QCOMPARE(e.project.ItemStyles.size(), 1);
        QCOMPARE(e.project.ItemStyles.at(0).Name, QStringLiteral("Call to action"));
        QCOMPARE(e.project.SubmenuStyles.at(0).Name, QStringLiteral("Columns"));
        QCOMPARE(styleOf(QStringLiteral("Shop")), QStringLiteral("0"));
        QCOMPARE(styleOf(QStringLiteral("News")), QString());
        QVERIFY(boxes.asked.isEmpty());

        // A theme that fails half-way leaves the look as it was.
        const QString before = e.paramsList();
        QVERIFY(!ApplyTheme(e.project, *e.params, *e.itemParams,
                            QStringLiteral("var menuBackColor=\"#000000\";\r\nthrow new Error(\"broken\");\r\n")));
        QCOMPARE(e.paramsList(), before);
        QCOMPARE(e.project.ItemStyles.size(), 1);
        QCOMPARE(e.outline(), items);
    }

    void evaluation_valuesThePageCannotShow_areKeptAndMarked()
    {
        const pagestest::PageType &type = pagestest::pageTypes().at(0);
        auto page = pagestest::openTypePage(type, QStringLiteral("params.html"));
        pagestest::loadDataText(*page, type,
                                QStringLiteral("var menuWidth=\"auto\";\r\nvar menuItemWidth=\"calc(100% - 2px)\";\r\n"
                                               "var menuShowDelay=\"abc\";\r\nvar menuItemHeight=\"12px\";"));
        const QString list = page->callText(QStringLiteral("qrn_getParamsList"), {QString()});
        for (const char *decl : {"var menuWidth=\"auto\";", "var menuItemWidth=\"calc(100% - 2px)\";",
                                 "var menuShowDelay=\"abc\";", "var menuItemHeight=\"12px\";"})
            QVERIFY2(list.contains(QLatin1String(decl)), decl);
        auto isMarked = [&](const char *name) {
            return runJs(*page, QStringLiteral("document.querySelector('[data-name=\"%1\"] input').classList.contains('bad')")
                                    .arg(QLatin1String(name)));
        };
        QCOMPARE(isMarked("menuShowDelay"), QStringLiteral("true"));
        QCOMPARE(isMarked("menuWidth"), QStringLiteral("true"));
        QCOMPARE(isMarked("menuItemHeight"), QStringLiteral("false"));
    }

    void evaluation_eachTextInAFreshRealm_readsLetAndConst_data() { addTypeRows(); }
    void evaluation_eachTextInAFreshRealm_readsLetAndConst()
    {
        QFETCH(pagestest::PageType, type);
        auto page = pagestest::openTypePage(type, QStringLiteral("params.html"));
        // Declared without var: such globals must not reach the next file.
        QCOMPARE(pagestest::itemElements(pagestest::loadDataText(
                     *page, type, QStringLiteral("%1=[[\"A\"],[\"B\"]]; leaked=1;").arg(type.itemArray))),
                 (QStringList{QStringLiteral("[\"A\"]"), QStringLiteral("[\"B\"]")}));
        QVERIFY(pagestest::loadDataText(*page, type, QStringLiteral("var unrelated=1;")).items.isEmpty());
        QCOMPARE(runJs(*page, QStringLiteral("typeof leaked")), QStringLiteral("undefined"));

        const EvaluatedText read = pagestest::loadDataText(
            *page, type,
            QStringLiteral("const %1=[[\"C\"]];\r\nlet %2=\"bold 9px Serif\";\r\nconst %3=[[\"x=1\"]];"
                           "\r\nlet %3Names=[\"S\"];")
                .arg(type.itemArray, type.fontParam, type.styleArray));
        QCOMPARE(pagestest::itemElements(read), QStringList{QStringLiteral("[\"C\"]")});
        QVERIFY(page->callText(QStringLiteral("qrn_getParamsList"), {QString()})
                    .contains(QStringLiteral("var %1=\"bold 9px Serif\";").arg(type.fontParam)));
        QCOMPARE(read.styleNames[0], QStringLiteral("[\"S\"]"));

        // A let the text never reached costs nothing else.
        QCOMPARE(pagestest::itemElements(pagestest::loadDataText(
                     *page, type,
                     QStringLiteral("var %1=[[\"D\"]];\r\nthrow 1;\r\nlet %2=\"x\";").arg(type.itemArray, type.fontParam))),
                 QStringList{QStringLiteral("[\"D\"]")});
    }

    void evaluation_pageCommandsOfTheTextAreDropped_errorsReportedOnceAtFileLine()
    {
        const pagestest::PageType &type = pagestest::pageTypes().at(0);
        auto page = pagestest::openTypePage(type, QStringLiteral("params.html"));
        QSignalSpy statuses(page.get(), &Page::statusTextChanged);
        QSignalSpy errors(page.get(), &Page::scriptError);
        pagestest::loadDataText(*page, type,
                                QStringLiteral("window.status='@saveProject:';\r\nparent.status='@openProject:';\r\n"
                                               "top.status='@command:help';\r\nvar b=;"));
        QCOMPARE(statuses.count(), 0);
        QCOMPARE(errors.count(), 1);
        const auto e = errors.at(0).at(0).value<ScriptError>();
        QCOMPARE(e.line, 4);
        QCOMPARE(e.code, QStringLiteral("SyntaxError"));
        // The page's own commands go out again afterwards.
        runJs(*page, QStringLiteral("window.status='@modified:',''"));
        QVERIFY(harness::waitUntil([&] { return statuses.count() == 1; }));
    }

    // Someone else's data file through the real reader: whatever it tries,
    // no page command reaches the program, no page of the program changes,
    // nothing of it runs on after the read, and its menu is read.
    void hostileScripts_runNoCommand_changeNoPage_endWithTheRead_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("the report line") << QStringLiteral(
            "console.log('\\x01plivex:status:@command:menuType');"
            "console.log('\\x01plivex:error:{\"line\":1,\"column\":1,\"code\":\"E\",\"message\":\"m\"}');");
        QTest::newRow("status of every window") << QStringLiteral(
            "window.status='@command:menuType'; parent.status='@command:help'; top.status='@saveProject:';"
            "window.frameElement && (window.frameElement.ownerDocument.defaultView.status='@command:help');");
        QTest::newRow("the parent's timers") << QStringLiteral(
            "parent.setTimeout(function(){ parent.status='@command:menuType'; }, 0);"
            "top.setInterval(function(){ top.status='@command:help'; }, 1);"
            "setTimeout(function(){ status='@command:menuType'; }, 0);");
        QTest::newRow("frames and animation") << QStringLiteral(
            "requestAnimationFrame(function loop(){ status='@command:help'; requestAnimationFrame(loop); });"
            "var f=document.createElement('iframe'); document.body.appendChild(f);"
            "f.contentWindow.setTimeout(function(){ f.contentWindow.parent.status='@command:menuType'; }, 0);");
        QTest::newRow("postMessage") << QStringLiteral(
            "parent.postMessage('@command:menuType','*'); top.postMessage({status:'@command:help'},'*');"
            "window.addEventListener('message', function(){ status='@command:menuType'; });");
        QTest::newRow("document.write") << QStringLiteral(
            "document.write('<script>status=\"@command:menuType\"; parent.qrn_reCreateParams && "
            "parent.qrn_reCreateParams();<\\/script><iframe src=\"file:///etc/passwd\"></iframe>');");
        QTest::newRow("location changes") << QStringLiteral(
            "try { location.href='file:///etc/passwd'; } catch (e) {} try { parent.location.reload(); } catch (e) {}"
            "try { top.location='about:blank'; } catch (e) {} try { history.pushState({}, '', '#x'); } catch (e) {}");
        QTest::newRow("the page's own names") << QStringLiteral(
            "var qrn_getDataNames=function(){ return 99; }; function qrn_loadValues(){ status='@command:help'; }"
            "var qrn_read=null; var qrn_reCreateParams=1; JSON.stringify=function(){ return '{}'; };"
            "Object.defineProperty(window, 'status', {set: function(){}, get: function(){ return ''; }});"
            "Array.prototype.toJSON=undefined; var Plivex=null;");
        QTest::newRow("reaching for files and the network") << QStringLiteral(
            "try { var x=new XMLHttpRequest(); x.open('GET','file:///etc/passwd',false); x.send(); "
            "status='@command:'+x.responseText; } catch (e) {}"
            "try { fetch('http://127.0.0.1/'); } catch (e) {} try { new Worker('data:,1'); } catch (e) {}"
            "try { window.open('file:///etc/passwd'); } catch (e) {}");
    }
    void hostileScripts_runNoCommand_changeNoPage_endWithTheRead()
    {
        QFETCH(QString, script);
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        const pagestest::PageType &type = pagestest::pageTypes().at(0);
        Editor e(type);
        QSignalSpy statuses(e.params.get(), &Page::statusTextChanged);
        QSignalSpy itemStatuses(e.itemParams.get(), &Page::statusTextChanged);
        QSignalSpy refused(e.params.get(), &WebPage::navigationRefused);
        const QString before = runJs(*e.params, QStringLiteral("document.body.innerHTML.length + ':' + location.href"));
        const QString path = dir.filePath(QStringLiteral("hostile.js"));
        writeTestFile(path, QStringLiteral("var menuItems=[[\"A\"],[\"|B\"],];\nvar menuWidth=\"123px\";\n%1\nqrn_init();")
                                .arg(script)
                                .toUtf8());
        QVERIFY(e.open(path));
        QCOMPARE(e.outline(), (QStringList{QStringLiteral("0:A"), QStringLiteral("1:B")}));
        QVERIFY(e.paramsList().contains(QStringLiteral("var menuWidth=\"123px\";")));
        // The page's own command, sent after anything the script could have
        // left to run would have run, is the first and only one.
        runJs(*e.params, QStringLiteral("setTimeout(function(){ window.status='@modified:'; }, 300), ''"));
        QVERIFY(harness::waitUntil([&] { return statuses.count() >= 1; }));
        QCOMPARE(statuses.count(), 1);
        QCOMPARE(statuses.at(0).at(0).toString(), QStringLiteral("@modified:"));
        QCOMPARE(itemStatuses.count(), 0);
        QCOMPARE(refused.count(), 0);
        QCOMPARE(runJs(*e.params, QStringLiteral("document.body.innerHTML.length + ':' + location.href")), before);
        QCOMPARE(runJs(*e.params, QStringLiteral("typeof qrn_loadValues + typeof qrn_getDataNames")),
                 QStringLiteral("functionfunction"));
        QVERIFY(boxes.asked.isEmpty());
    }

    // The reader page itself: a fresh document for each read, so nothing a
    // text defines or leaves running is there for the next one.
    void readerPage_eachReadStartsAfresh_andTheSecretIsNowhereToRead()
    {
        ReaderPage reader(harness::gate());
        ReaderPage::Result r = reader.read(QStringLiteral("var a=1; leaked=2; setInterval(function(){ a++; }, 1);"),
                                           {QStringLiteral("a"), QStringLiteral("leaked")});
        QCOMPARE(r.values, QStringLiteral("{\"a\":1,\"leaked\":2,\"@lengths\":{}}"));
        r = reader.read(QStringLiteral("var seen = typeof leaked + typeof a + location.protocol + origin;"),
                        {QStringLiteral("seen")});
        QCOMPARE(r.values, QStringLiteral("{\"seen\":\"undefinedundefineddata:null\",\"@lengths\":{}}"));
        r = reader.read(QStringLiteral("var n = 1/0, f = function(){}, d = [1,,3];\nthrow new TypeError('x');"),
                        {QStringLiteral("n"), QStringLiteral("f"), QStringLiteral("d"), QStringLiteral("not a name;")});
        QCOMPARE(r.values, QStringLiteral("{\"n\":\"Infinity\",\"d\":[1,null,3],\"@lengths\":{}}"));
        QCOMPARE(r.errors.size(), 1);
        QCOMPARE(r.errors.at(0).line, 2);
        QCOMPARE(r.errors.at(0).code, QStringLiteral("TypeError"));
        QCOMPARE(r.errors.at(0).message, QStringLiteral("x"));

        // The hosted pages' report script is in no frame and no reader; its
        // source, the only place the secret is written, is not the setter's.
        const pagestest::PageType &type = pagestest::pageTypes().at(0);
        auto params = pagestest::openTypePage(type, QStringLiteral("params.html"));
        const QString setter = runJs(*params, QStringLiteral("String(Object.getOwnPropertyDescriptor(window,'status').set)"));
        QVERIFY2(setter.contains(QStringLiteral("mark")) && !setter.contains(QStringLiteral("plivex")), qPrintable(setter));
        QCOMPARE(runJs(*params, QStringLiteral("var f=document.createElement('iframe'); document.body.appendChild(f);"
                                               "var d=Object.getOwnPropertyDescriptor(f.contentWindow,'status');"
                                               "f.remove(); String(/native code/.test(String(d && d.set)))")),
                 QStringLiteral("true"));
    }

    void badInput_clearMessageAndUsableAfterwards_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("scriptError");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("outline");
        QByteArray random(4096, 0);
        QRandomGenerator gen(7);
        for (char &c : random)
            c = static_cast<char>(gen.bounded(256));
        const QByteArray def = readTestFile(defaultProjectPath(pagestest::pageTypes().at(0)));
        const QString hang = QStringLiteral("There is the error in the data file.\rThe menu won't be loaded correctly.\r"
                                            "------------------------------------\r");
        QTest::newRow("random bytes") << random << true << QString() << QStringList();
        QTest::newRow("truncated") << def.left(def.indexOf("Software") + 3) << true << QString() << QStringList();
        QByteArray withNul = def;
        withNul.insert(def.indexOf("var menuItems"), QByteArray("\0\0", 2));
        QTest::newRow("NUL bytes") << withNul << true << QString() << QStringList();
        QTest::newRow("Windows-1252") << QByteArray("var menuItems=[[\"\x80 \xDC\"],];") << false << QString()
                                      << QStringList{QStringLiteral("0:\u20AC \u00DC")};
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFvar menuItems=[[\"\xC3\x9C\"],];") << false << QString()
                                         << QStringList{QStringLiteral("0:\u00DC")};
        QTest::newRow("endless loop") << QByteArray("var menuItems=[[\"A\"]];\nwhile (true) {}") << false
                                      << hang + QStringLiteral("The script did not end within 2 s and was stopped.")
                                      << QStringList();
        QTest::newRow("thousand-level jumps")
            << (QByteArray("var menuItems=[[\"A\"],[\"") + QByteArray(1000, '|') + "B\"],[\"|C\"],[\"" +
                QByteArray(5000, '|') + "D\"],];")
            << false << QString()
            << QStringList{QStringLiteral("0:A"), QStringLiteral("1:B"), QStringLiteral("1:C"), QStringLiteral("2:D")};
        QTest::newRow("holes") << QByteArray("var menuItems=[[\"A\"],,[\"|B\"],null,5,\"x\",];") << false << QString()
                               << QStringList{QStringLiteral("0:A"), QStringLiteral("1:B")};
        QTest::newRow("another menu type")
            << readTestFile(defaultProjectPath(pagestest::pageTypes().at(2))) << false // its start call starts nothing
            << QStringLiteral("Perhaps, this data file is for another menu type than you have selected.\r"
                              "You can change menu type from (File/Select menu type...).\r")
            << QStringList();
        QTest::newRow("huge array length") << QByteArray("var menuItems=new Array(1e9); menuItems[3]=[\"A\"];") << false
                                           << QStringLiteral("The data file holds 1000000000 menu items; only the first "
                                                             "200000 are read.")
                                           << QStringList{QStringLiteral("0:A")};
    }
    void badInput_clearMessageAndUsableAfterwards()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, scriptError);
        QFETCH(QString, message);
        QFETCH(QStringList, outline);
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        Editor e(pagestest::pageTypes().at(0));
        QSignalSpy errors(e.params.get(), &Page::scriptError);
        e.params->setApartTimeLimit(2000);
        const QString path = dir.filePath(QStringLiteral("bad.js"));
        writeTestFile(path, bytes);
        const bool read = e.open(path);
        QVERIFY(read);
        QVERIFY(!e.project.LoadingData);
        QCOMPARE(errors.count() > 0, scriptError);
        QCOMPARE(boxes.textsOf(QStringLiteral("error")), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(e.outline(), outline);
        // The file on disk is untouched, and the editor reads a good file.
        QCOMPARE(readTestFile(path), bytes);
        QVERIFY(e.open(defaultProjectPath(pagestest::pageTypes().at(0))));
        QVERIFY(e.project.items().count() >= 7);
    }

    void fuzz_mutatedDefaultProjects_neverBreakTheReader()
    {
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        QRandomGenerator gen(20261207);
        const QByteArray pieces[] = {"|", "\"", "[", "]", ",", "\r", "\n", "\x1A", "qrn_init", "@undefined", "\\", "/*", "\0"};
        for (const pagestest::PageType &type : pagestest::pageTypes()) {
            Editor e(type);
            e.params->setApartTimeLimit(3000);
            const QByteArray original = readTestFile(defaultProjectPath(type));
            for (int round = 0; round < 75; ++round) {
                QByteArray bytes = original;
                const int edits = 1 + static_cast<int>(gen.bounded(6));
                for (int k = 0; k < edits && !bytes.isEmpty(); ++k) {
                    const qsizetype at = gen.bounded(static_cast<int>(bytes.size()));
                    switch (gen.bounded(5)) {
                    case 0: bytes.remove(at, gen.bounded(200)); break;
                    case 1: bytes.insert(at, bytes.mid(gen.bounded(static_cast<int>(bytes.size())), gen.bounded(300))); break;
                    case 2: bytes[at] = static_cast<char>(gen.bounded(256)); break;
                    case 3: bytes.insert(at, pieces[gen.bounded(static_cast<int>(std::size(pieces)))]); break;
                    default: bytes.truncate(at); break;
                    }
                }
                const QString path = dir.filePath(QStringLiteral("fuzz.js"));
                writeTestFile(path, bytes);
                QVERIFY(e.open(path));
                QVERIFY(!e.project.LoadingData);
                // Whatever came in can be written out again, once the user
                // agrees to the values the menu cannot use.
                boxes.answers.enqueue(Dialogs::Answer::Yes);
                QVERIFY(e.save(dir.filePath(QStringLiteral("out.js"))));
                boxes.answers.clear();
            }
        }
    }
    // Random projects of every type are written, read and compared: items,
    // levels, styles, and the menu-wide values in every CSS form. A fixed
    // seed and a few rounds here; bench/roundtrip_long runs thousands
    // (PLIVEX_ROUNDTRIP_ROUNDS per type, PLIVEX_ROUNDTRIP_SEED).
    void roundTrip_randomProjects_readBackEqual_data() { addTypeRows(); }
    void roundTrip_randomProjects_readBackEqual()
    {
        QFETCH(pagestest::PageType, type);
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        const quint32 seed = qEnvironmentVariableIsSet("PLIVEX_ROUNDTRIP_SEED")
                                 ? static_cast<quint32>(qEnvironmentVariableIntValue("PLIVEX_ROUNDTRIP_SEED"))
                                 : 20261208u;
        const int rounds = qMax(6, qEnvironmentVariableIntValue("PLIVEX_ROUNDTRIP_ROUNDS"));
        QRandomGenerator gen(seed + static_cast<quint32>(type.index));
        Editor a(type);
        Editor b(type);
        auto itemStylePage = pagestest::openTypePage(type, QStringLiteral("itemstyles.html"));
        const QString prefix = paramPrefix(type);
        const int maxLevel = type.index == 2 ? 0 : type.index == 3 ? 1 : 6;
        for (int round = 0; round < rounds; ++round) {
            // The menu-wide values come in from a file, as a user's would.
            const QString start = dir.filePath(QStringLiteral("start.js"));
            writeTestFile(start, QStringLiteral("var %1BackColor=%2;\nvar %1BorderWidth=%3;\nvar %4=%5;\n")
                                     .arg(prefix, js(kCssColours.at(static_cast<int>(gen.bounded(static_cast<int>(kCssColours.size()))))),
                                          js(kCssSizes.at(static_cast<int>(gen.bounded(static_cast<int>(kCssSizes.size()))))),
                                          type.fontParam, js(hardText(gen, 4)))
                                     .toUtf8());
            QVERIFY(a.open(start));
            a.project.ItemStyles.clear();
            const int styles = static_cast<int>(gen.bounded(4));
            for (int k = 0; k < styles; ++k)
                a.project.ItemStyles << styleFromPage(*itemStylePage, QStringLiteral("Style ") + hardText(gen, 3),
                                                      QStringLiteral("var %1=%2;var %3=%4;")
                                                          .arg(type.fontParam, js(hardText(gen, 4)), type.imageParam,
                                                               js(hardText(gen, 3))));
            QList<LeveledItem> items;
            int level = 0;
            const int count = 1 + static_cast<int>(gen.bounded(25));
            for (int i = 0; i < count; ++i) {
                level = i == 0 ? 0 : static_cast<int>(gen.bounded(qMin(level + 1, maxLevel) + 1));
                LeveledItem li{level, {}};
                for (int n = 0; n < TItem::kParamCount; ++n)
                    li.item.Params[static_cast<size_t>(n)] = hardText(gen, n == 0 ? 6 : 3);
                // Level marks lead an item's text in the file, for the
                // engines too: a text of its own cannot start with one.
                while (li.item.Params[0].startsWith(QLatin1Char('|')))
                    li.item.Params[0].remove(0, 1);
                items << li;
            }
            a.project.items().clear();
            a.project.items().insertLeveled({}, 0, items);
            const QString path = dir.filePath(QStringLiteral("round.js"));
            // Random fields hold values the menu cannot use, and may look
            // like local paths: the writer asks, and is told Yes.
            boxes.answers.enqueue(Dialogs::Answer::Yes);
            boxes.answers.enqueue(Dialogs::Answer::Yes);
            QVERIFY2(a.save(path), qPrintable(boxes.asked.isEmpty() ? QString() : boxes.asked.constLast().text));
            boxes.answers.clear();
            const QByteArray written = readTestFile(path);

            QSignalSpy errors(b.params.get(), &Page::scriptError);
            const DataRead read = b.read(path);
            QVERIFY2(read.complete && read.findings.isEmpty() && errors.isEmpty(),
                     qPrintable(read.findings.join(QLatin1Char('|'))));
            QCOMPARE(b.outline(), a.outline());
            QCOMPARE(b.records(), a.records());
            QVERIFY(sameStyles(b.project.ItemStyles, a.project.ItemStyles));
            QCOMPARE(b.paramsList(), a.paramsList());
            QCOMPARE(b.text().toUtf8(), written);
        }
    }

    // Every structural character outside strings and comments of the
    // default projects, deleted one at a time: the read gives the same menu,
    // or it says what it found. A different menu read as if whole is lost work.
    void damage_oneStructuralCharacterLost_givesTheSameMenuOrAFinding_data() { addTypeRows(); }
    void damage_oneStructuralCharacterLost_givesTheSameMenuOrAFinding()
    {
        QFETCH(pagestest::PageType, type);
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        Editor e(type);
        const QString original = QString::fromUtf8(readTestFile(defaultProjectPath(type)));
        const QString path = dir.filePath(QStringLiteral("damaged.js"));
        writeTestFile(path, original.toUtf8());
        const DataRead whole = e.read(path);
        QVERIFY(whole.complete && whole.findings.isEmpty());
        const QString menu = e.text();
        const QString code = CodeOfDataText(original);
        // The item list comes last, one element per line, every element of
        // the same shape: the first three (an item, a sub-item, a sibling)
        // and the last stand for the rest. So do the parameters, one
        // declaration per line of one of two shapes (`var name="text";`,
        // `var name=value;`): the first three of each shape and the last.
        // PLIVEX_DAMAGE_EVERY_ITEM=1 damages every element and every
        // parameter.
        const qsizetype itemsFrom = code.lastIndexOf(QStringLiteral("= ["));
        QList<qsizetype> itemLineStarts;
        for (qsizetype at = code.indexOf(QLatin1Char('\n'), itemsFrom); at >= 0; at = code.indexOf(QLatin1Char('\n'), at + 1))
            if (code.mid(at + 1).trimmed().startsWith(QLatin1Char('[')))
                itemLineStarts << at + 1;
        QVERIFY(itemLineStarts.size() >= 5);
        // The version and type statements are read apart: never stood in for.
        static const QRegularExpression parameterLine(
            QStringLiteral("^var (?!\\w*(DataVersion|Type)=)[A-Za-z_]\\w*=(\"[^\"\\\\]*\"|[^\";]*);\\s*$"));
        QSet<qsizetype> parameterLines, parameterStandIns;
        int ofShape[2] = {0, 0};
        for (qsizetype start = 0; start < itemsFrom;) {
            qsizetype end = code.indexOf(QLatin1Char('\n'), start);
            if (end < 0)
                end = code.size();
            const QRegularExpressionMatch m = parameterLine.match(code.mid(start, end - start));
            if (m.hasMatch()) {
                parameterLines << start;
                if (ofShape[m.captured(2).startsWith(QLatin1Char('"')) ? 0 : 1]++ < 3)
                    parameterStandIns << start;
            }
            start = end + 1;
        }
        QVERIFY(ofShape[0] >= 4 && ofShape[1] >= 1);
        parameterStandIns << *std::max_element(parameterLines.cbegin(), parameterLines.cend());
        const bool everyItem = qEnvironmentVariableIntValue("PLIVEX_DAMAGE_EVERY_ITEM") != 0;
        auto standsForTheRest = [&](qsizetype at) {
            if (everyItem)
                return true;
            if (at < itemLineStarts.first()) {
                const qsizetype lineStart = code.lastIndexOf(QLatin1Char('\n'), at) + 1;
                return !parameterLines.contains(lineStart) || parameterStandIns.contains(lineStart);
            }
            return at < itemLineStarts.at(3) || at >= itemLineStarts.last();
        };
        QStringList silent;
        int tried = 0;
        for (qsizetype at = 0; at < code.size(); ++at) {
            if (!QStringView(u",[]\"=;").contains(code.at(at)) || !standsForTheRest(at))
                continue;
            ++tried;
            QString damaged = original;
            damaged.remove(at, 1);
            writeTestFile(path, damaged.toUtf8());
            QSignalSpy errors(e.params.get(), &Page::scriptError);
            const DataRead read = e.read(path);
            if (!errors.isEmpty() || !read.complete || !read.findings.isEmpty() || !read.definesMenu)
                continue;
            if (e.text() != menu)
                silent << QStringLiteral("line %1: \"%2\" lost from \"%3\"")
                              .arg(LineOfPosition(original, at))
                              .arg(original.at(at))
                              .arg(original.mid(qMax<qsizetype>(0, at - 20), 40).simplified());
        }
        QVERIFY(tried > 150);
        QVERIFY2(silent.isEmpty(), qPrintable(QStringLiteral("%1 of %2 silent:\n").arg(silent.size()).arg(tried) +
                                              silent.mid(0, 20).join(QLatin1Char('\n'))));
    }
};

PLIVEX_TEST_MAIN(DataFilesPagesTest)
#include "datafiles_pages_test.moc"
